#include "views/MenuBarSettingsTab.h"

#include "core/AppSettings.h"
#include "views/MenuBarPreview.h"
#include "views/SettingsForm.h"
#include "views/kit/Metrics.h"
#include "views/kit/Palette.h"
#include "views/kit/Strings.h"
#include "views/kit/SymbolIcon.h"
#include "views/kit/Typography.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Metrics;

MenuBarSettingsTab::MenuBarSettingsTab(AppSettings& settings, QWidget* parent)
    : QWidget(parent), m_settings(settings) {
    QVBoxLayout* form = makeForm(this);

    QVBoxLayout* display = addFormSection(form, tr("Panel Display"), QStringLiteral("menubar.rectangle"));
    display->addWidget(makeSymbolTextLabel(tr("Display Mode"), QStringLiteral("textformat.size")));
    m_modes = new QButtonGroup(this);
    for (std::size_t i = 0; i < allMenuBarDisplayModes.size(); ++i) {
        const MenuBarDisplayMode mode = allMenuBarDisplayModes[i];
        auto* choice = new QWidget(this);
        auto* column = new QVBoxLayout(choice);
        column->setContentsMargins(Space::m, Space::none, Space::none, Space::none);
        column->setSpacing(Space::none);
        auto* button = new QRadioButton(translatedText("MenuBarDisplayMode", title(mode)), choice);
        button->setObjectName(toQString(rawValue(mode)));
        button->setIcon(symbolIcon(toQString(symbol(mode)), Palette::colour(Colour::accent), SymbolSize::xl));
        button->setIconSize(Size::modeSymbol);
        button->setChecked(settings.menuBarDisplayMode() == mode);
        column->addWidget(button);
        auto* example = makeLabel(translatedText("MenuBarDisplayMode", ::example(mode)), TextStyle::caption,
                                  Colour::secondary, choice);
        // Under the title: past the indicator and the symbol column.
        example->setContentsMargins(Size::modeExampleIndent, Space::none, Space::none, Space::none);
        column->addWidget(example);
        m_modes->addButton(button, int(i));
        display->addWidget(choice);
    }
    connect(m_modes, &QButtonGroup::idClicked, this,
            [this](int id) { m_settings.setMenuBarDisplayMode(allMenuBarDisplayModes.at(std::size_t(id))); });
    connect(&settings, &AppSettings::menuBarDisplayModeChanged, this, [this](MenuBarDisplayMode mode) {
        for (std::size_t i = 0; i < allMenuBarDisplayModes.size(); ++i)
            if (allMenuBarDisplayModes[i] == mode)
                m_modes->button(int(i))->setChecked(true);
    });

    QVBoxLayout* appearance = addFormSection(form, tr("Appearance"), QStringLiteral("paintbrush"));
    addFormRow(appearance, makeSymbolTextLabel(tr("Show Icon"), QStringLiteral("network")),
               makeBoundSwitch(settings, SettingsKey::showMenuBarIcon, &AppSettings::showMenuBarIcon,
                               &AppSettings::setShowMenuBarIcon, &AppSettings::showMenuBarIconChanged, this));
    addFormRow(appearance, makeSymbolTextLabel(tr("Show Text"), QStringLiteral("textformat")),
               makeBoundSwitch(settings, SettingsKey::showMenuBarText, &AppSettings::showMenuBarText,
                               &AppSettings::setShowMenuBarText, &AppSettings::showMenuBarTextChanged, this));
    // Some panels (Xfce, KDE Plasma) draw no text beside a tray icon; the number can go into it.
    m_iconValue = new QComboBox(this);
    m_iconValue->setObjectName(QString::fromLatin1(SettingsKey::iconValueMode));
    for (const IconValueMode mode : allIconValueModes)
        m_iconValue->addItem(translatedText("IconValueMode", title(mode)), int(mode));
    const auto showIconValueMode = [this](IconValueMode mode) {
        const QSignalBlocker blocker(m_iconValue);
        m_iconValue->setCurrentIndex(m_iconValue->findData(int(mode)));
    };
    showIconValueMode(settings.iconValueMode());
    connect(m_iconValue, &QComboBox::activated, this, [this](int index) {
        m_settings.setIconValueMode(IconValueMode(m_iconValue->itemData(index).toInt()));
    });
    connect(&settings, &AppSettings::iconValueModeChanged, this, showIconValueMode);
    addFormRow(appearance, makeSymbolTextLabel(tr("Show the value in the icon"), QStringLiteral("number")),
               m_iconValue);

    QVBoxLayout* popover = addFormSection(form, tr("Popover"), QStringLiteral("rectangle.portrait"),
                                          tr("Compact mode reduces spacing for a denser layout"));
    addFormRow(popover,
               makeSymbolTextLabel(tr("Compact Mode"), QStringLiteral("rectangle.compress.vertical")),
               makeBoundSwitch(settings, SettingsKey::compactMode, &AppSettings::compactMode,
                               &AppSettings::setCompactMode, &AppSettings::compactModeChanged, this));
    addFormRow(popover, makeSymbolTextLabel(tr("Show Tips"), QStringLiteral("lightbulb")),
               makeBoundSwitch(settings, SettingsKey::showTips, &AppSettings::showTips,
                               &AppSettings::setShowTips, &AppSettings::showTipsChanged, this));

    QVBoxLayout* preview = addFormSection(form, tr("Preview"), {});
    m_preview = new MenuBarPreview(settings, this);
    auto* previewRow = new QHBoxLayout;
    previewRow->addStretch();
    previewRow->addWidget(m_preview);
    previewRow->addStretch();
    preview->addLayout(previewRow);

    form->addStretch();
}
