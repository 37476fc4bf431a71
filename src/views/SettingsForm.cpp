#include "views/SettingsForm.h"

#include "views/kit/Box.h"
#include "views/kit/Layout.h"
#include "views/kit/Metrics.h"
#include "views/kit/Palette.h"
#include "views/kit/Strings.h"
#include "views/kit/Typography.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <cmath>

using namespace Metrics;

QWidget* makeSymbolTextLabel(const QString& text, const QString& symbol, Colour symbolColour,
                             QWidget* parent) {
    auto* label = new QWidget(parent);
    QHBoxLayout* row = makeRow(label, Space::s);
    if (!symbol.isEmpty())
        row->addWidget(makeSymbolLabel(symbol, symbolColour, SymbolSize::l, label));
    auto* title = makeLabel(text, TextStyle::body, {}, label);
    title->setObjectName(QStringLiteral("title"));
    row->addWidget(title);
    row->addStretch();
    label->setAccessibleName(text);
    return label;
}

QVBoxLayout* makeForm(QWidget* tab) {
    auto* form = new QVBoxLayout(tab);
    form->setContentsMargins(Padding::settingsTab);
    form->setSpacing(Space::xs);
    return form;
}

QVBoxLayout* addFormSection(QVBoxLayout* form, const QString& title, const QString& symbol,
                            const QString& footer) {
    QWidget* parent = form->parentWidget();
    if (form->count() > 0)
        form->addSpacing(Space::mPlus);
    auto* header = new QWidget(parent);
    auto* headerRow = new QHBoxLayout(header);
    // In line with the rounded box's edge rather than its corner, just above it.
    headerRow->setContentsMargins(Space::xs, Space::none, Space::none, Space::xxs);
    headerRow->setSpacing(Space::xsPlus);
    if (!symbol.isEmpty())
        headerRow->addWidget(makeSymbolLabel(symbol, Colour::secondary, SymbolSize::m, header));
    auto* headerText = makeLabel(title, TextStyle::subheadline, Colour::secondary, header);
    QFont font = headerText->font();
    font.setWeight(QFont::DemiBold);
    headerText->setFont(font);
    headerRow->addWidget(headerText);
    headerRow->addStretch();
    form->addWidget(header);

    auto* box = new QFrame(parent);
    box->setObjectName(QStringLiteral("formSection"));
    QVBoxLayout* rows = makeBoxColumn(box, {.background = Colour::controlBackground,
                                            .radius = Radius::box,
                                            .padding = padding(Space::l, Space::m),
                                            .spacing = Space::m});
    form->addWidget(box);

    if (!footer.isEmpty())
        addFormCaption(form, footer);
    return rows;
}

QLabel* addFormCaption(QVBoxLayout* form, const QString& text) {
    auto* caption = makeLabel(text, TextStyle::caption, Colour::secondary, form->parentWidget());
    caption->setWordWrap(true);
    caption->setContentsMargins(Space::xs, Space::xxs, Space::xs, Space::none);
    form->addWidget(caption);
    return caption;
}

QLabel* addFormHint(QVBoxLayout* section) {
    auto* hint = makeLabel(QString(), TextStyle::caption, Tone::red, section->parentWidget());
    hint->setWordWrap(true);
    hint->hide();
    section->addWidget(hint);
    return hint;
}

QWidget* addFormRow(QVBoxLayout* section, QWidget* label, QWidget* control) {
    auto* row = new QWidget(section->parentWidget());
    QHBoxLayout* layout = makeRow(row, Space::m);
    label->setParent(row);
    layout->addWidget(label, 1);
    if (control) {
        control->setParent(row);
        // The row's label is a separate widget; a screen reader names the control after it.
        if (control->accessibleName().isEmpty())
            control->setAccessibleName(label->accessibleName());
        layout->addWidget(control, 0, Qt::AlignRight | Qt::AlignVCenter);
    }
    section->addWidget(row);
    return row;
}

QComboBox* makeSecondsMenu(const std::vector<std::pair<QString, double>>& choices, double current,
                           const char* key, QWidget* parent) {
    auto* menu = new QComboBox(parent);
    menu->setObjectName(QString::fromLatin1(key));
    menu->setFixedWidth(Size::formControlWidth);
    for (const auto& [text, seconds] : choices)
        menu->addItem(text, seconds);
    selectSeconds(menu, current);
    return menu;
}

void selectSeconds(QComboBox* menu, double value) {
    const QSignalBlocker blocker(menu);
    int index = menu->findData(value);
    if (index < 0) {
        //: An interval in the settings' menus, for a value no menu entry offers
        menu->addItem(QCoreApplication::translate("SettingsForm", "%1 seconds")
                          .arg(localNumber(value, value == std::floor(value) ? 0 : 1)),
                      value);
        index = menu->count() - 1;
    }
    menu->setCurrentIndex(index);
}
