#include "views/TrayPage.h"

#include "views/kit/Metrics.h"
#include "views/kit/OnboardingPage.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

using namespace Metrics;

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
    QVBoxLayout* column = makeOnboardingColumn(this);
    m_symbol = new QLabel(this);
    column->addWidget(m_symbol, 0, Qt::AlignHCenter);
    column->addWidget(makeLabel(tr("Tray Icon"), TextStyle::title, {}, this), 0, Qt::AlignHCenter);
    m_text = makeLabel(QString(), TextStyle::body, Colour::secondary, this);
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignHCenter);
    column->addWidget(m_text);
    // On one line and selectable, so it can be copied into a terminal whole.
    m_command = makeLabel(kEnableExtension, TextStyle::caption, {}, this);
    m_command->setFont(monospacedFont(TextStyle::caption2, m_command->font()));
    m_command->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column->addWidget(m_command, 0, Qt::AlignHCenter);

    m_confirmation = makeConfirmation(tr("Tray found"), this);
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
        setSymbol(m_symbol, QStringLiteral("menubar.rectangle"), Tone::green, SymbolSize::page);
        m_text->setText(tr("Linkmeter lives in your panel's tray. Click its icon any time to see how "
                           "your connection is doing."));
        break;
    case Advice::gnomeExtension:
        setSymbol(m_symbol, QStringLiteral("exclamationmark.triangle.fill"), Tone::orange, SymbolSize::page);
        m_text->setText(tr("GNOME shows tray icons only with the AppIndicator extension. Turn on "
                           "\"AppIndicator and KStatusNotifierItem Support\" in the Extensions app, "
                           "or run:"));
        break;
    case Advice::panelNeedsTray:
        setSymbol(m_symbol, QStringLiteral("exclamationmark.triangle.fill"), Tone::orange, SymbolSize::page);
        m_text->setText(tr("Your panel has no tray for Linkmeter's icon yet. Add the status tray (or "
                           "system tray) to your panel. Until then, Linkmeter opens as a small window."));
        break;
    }
    m_command->setVisible(advice == Advice::gnomeExtension);
    m_confirmation->setVisible(advice == Advice::shown);
}
