#include "views/TrayPage.h"

#include "views/kit/Typography.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

const QString kEnableExtension = QStringLiteral("gnome-extensions enable ubuntu-appindicators@ubuntu.com");

} // namespace

TrayPage::Advice TrayPage::adviceFor(bool trayShown, const QString& currentDesktop) {
    if (trayShown)
        return Advice::shown;
    const QStringList desktops = currentDesktop.split(QLatin1Char(':'));
    return desktops.contains(QStringLiteral("GNOME"), Qt::CaseInsensitive) ? Advice::gnomeExtension
                                                                           : Advice::panelNeedsTray;
}

TrayPage::TrayPage(bool trayShown, QString currentDesktop, QWidget* parent)
    : QWidget(parent), m_currentDesktop(std::move(currentDesktop)) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(32, 24, 32, 8);
    column->setSpacing(14);
    column->addStretch();
    m_symbol = new QLabel(this);
    column->addWidget(m_symbol, 0, Qt::AlignHCenter);
    column->addWidget(makeLabel(QStringLiteral("Tray Icon"), TextStyle::title, {}, this), 0,
                      Qt::AlignHCenter);
    m_text = makeLabel(QString(), TextStyle::body, Colour::secondary, this);
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignHCenter);
    column->addWidget(m_text);
    // On one line and selectable, so it can be copied into a terminal whole.
    m_command = makeLabel(kEnableExtension, TextStyle::caption, {}, this);
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPixelSize(10);
    m_command->setFont(fixed);
    m_command->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column->addWidget(m_command, 0, Qt::AlignHCenter);

    m_confirmation = new QWidget(this);
    auto* confirmationRow = new QHBoxLayout(m_confirmation);
    confirmationRow->setContentsMargins(0, 0, 0, 0);
    confirmationRow->setSpacing(6);
    confirmationRow->addWidget(
        makeSymbolLabel(QStringLiteral("checkmark.circle.fill"), Tone::green, 16, m_confirmation));
    confirmationRow->addWidget(
        makeLabel(QStringLiteral("Tray found"), TextStyle::body, Tone::green, m_confirmation));
    column->addWidget(m_confirmation, 0, Qt::AlignHCenter);
    column->addStretch();

    m_advice = adviceFor(!trayShown, m_currentDesktop);
    setTrayShown(trayShown);
}

void TrayPage::setTrayShown(bool shown) {
    const Advice advice = adviceFor(shown, m_currentDesktop);
    if (advice == m_advice)
        return;
    m_advice = advice;
    switch (advice) {
    case Advice::shown:
        setSymbol(m_symbol, QStringLiteral("menubar.rectangle"), Tone::green, 56);
        m_text->setText(
            QStringLiteral("Linkmeter lives in your panel's tray. Click its icon any time to see how "
                           "your connection is doing."));
        break;
    case Advice::gnomeExtension:
        setSymbol(m_symbol, QStringLiteral("exclamationmark.triangle.fill"), Tone::orange, 56);
        m_text->setText(
            QStringLiteral("GNOME shows tray icons only with the AppIndicator extension. Turn on "
                           "\"AppIndicator and KStatusNotifierItem Support\" in the Extensions app, "
                           "or run:"));
        break;
    case Advice::panelNeedsTray:
        setSymbol(m_symbol, QStringLiteral("exclamationmark.triangle.fill"), Tone::orange, 56);
        m_text->setText(
            QStringLiteral("Your panel has no tray for Linkmeter's icon yet. Add the status tray (or "
                           "system tray) to your panel. Until then, Linkmeter opens as a small window."));
        break;
    }
    m_command->setVisible(advice == Advice::gnomeExtension);
    m_confirmation->setVisible(advice == Advice::shown);
}
