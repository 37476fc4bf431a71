#pragma once

#include "core/AppSettings.h"

#include "views/kit/Colour.h"

#include <QCheckBox>
#include <QComboBox>
#include <QObject>
#include <QSignalBlocker>
#include <QString>

#include <utility>
#include <vector>

class QBoxLayout;
class QLabel;
class QVBoxLayout;
class QWidget;

// The grouped form the settings tabs are made of: a header (text with a symbol) above a rounded box
// of rows, and an optional caption below it.

// A label made of a symbol and a text, in one row.
QWidget* makeSymbolTextLabel(const QString& text, const QString& symbol, Colour symbolColour = Colour::accent,
                             QWidget* parent = nullptr);
// Adds a section to `form` and answers the layout its rows go into.
QVBoxLayout* addFormSection(QVBoxLayout* form, const QString& title, const QString& symbol,
                            const QString& footer = {});
// A row: `label` on the left, `control` (may be null) on the right.
QWidget* addFormRow(QVBoxLayout* section, QWidget* label, QWidget* control);
// A caption under a section, as its footer is.
QLabel* addFormCaption(QVBoxLayout* form, const QString& text = {});
// A hidden red line in `section` for why a value typed into it was refused.
QLabel* addFormHint(QVBoxLayout* section);
// A vertical form with the tabs' margins, set on `tab`.
QVBoxLayout* makeForm(QWidget* tab);

// A switch kept in step with one boolean setting both ways; named after its key for tests and
// accessibility.
template <typename Changed>
QCheckBox* makeBoundSwitch(AppSettings& settings, const char* key, bool (AppSettings::*get)() const,
                           void (AppSettings::*set)(bool), Changed changed, QWidget* parent) {
    auto* box = new QCheckBox(parent);
    box->setObjectName(QString::fromLatin1(key));
    box->setChecked((settings.*get)());
    QObject::connect(box, &QCheckBox::toggled, box, [&settings, set](bool on) { (settings.*set)(on); });
    QObject::connect(&settings, changed, box, [box](bool on) {
        const QSignalBlocker blocker(box);
        box->setChecked(on);
    });
    return box;
}

// A pop-up menu of seconds, 130 wide, showing `current` (added as its own entry when it is not one of
// `choices`, so an edited file still shows what is in use).
QComboBox* makeSecondsMenu(const std::vector<std::pair<QString, double>>& choices, double current,
                           const char* key, QWidget* parent);
// Selects `value` in a menu made by makeSecondsMenu.
void selectSeconds(QComboBox* menu, double value);
