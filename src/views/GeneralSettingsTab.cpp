#include "views/GeneralSettingsTab.h"

#include "core/AppSettings.h"
#include "core/LoginItemController.h"
#include "views/SettingsForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QVBoxLayout>

GeneralSettingsTab::GeneralSettingsTab(AppSettings& settings, LoginItemController& launchAtLogin,
                                       QWidget* parent)
    : QWidget(parent), m_settings(settings), m_launchAtLoginSwitch(launchAtLogin) {
    QVBoxLayout* form = makeForm(this);

    QVBoxLayout* startup = addFormSection(form, QStringLiteral("Startup"), QStringLiteral("laptopcomputer"));
    m_launchAtLogin = new QCheckBox(this);
    m_launchAtLogin->setObjectName(QString::fromLatin1(SettingsKey::launchAtLogin));
    addFormRow(startup, makeSymbolTextLabel(QStringLiteral("Launch at Login"), QStringLiteral("power")),
               m_launchAtLogin);
    connect(m_launchAtLogin, &QCheckBox::toggled, this, [this](bool wanted) {
        // A failed change answers the opposite state; the switch goes back to it.
        setLaunchAtLoginShown(m_launchAtLoginSwitch.setLaunchAtLogin(wanted));
    });

    QVBoxLayout* monitoring =
        addFormSection(form, QStringLiteral("Network Monitoring"), QStringLiteral("network"));
    auto* pingInterval = makeSecondsMenu({{QStringLiteral("1 second"), 1.0},
                                          {QStringLiteral("2 seconds"), 2.0},
                                          {QStringLiteral("5 seconds"), 5.0},
                                          {QStringLiteral("10 seconds"), 10.0}},
                                         settings.pingInterval(), SettingsKey::pingInterval, this);
    addFormRow(monitoring, makeSymbolTextLabel(QStringLiteral("Ping Interval"), QStringLiteral("clock")),
               pingInterval);
    connect(pingInterval, &QComboBox::activated, this, [this, pingInterval](int index) {
        m_settings.setPingInterval(pingInterval->itemData(index).toDouble());
    });
    connect(&settings, &AppSettings::pingIntervalChanged, pingInterval,
            [pingInterval](double seconds) { selectSeconds(pingInterval, seconds); });

    auto* pingTarget = new QLineEdit(settings.pingTarget(), this);
    pingTarget->setObjectName(QString::fromLatin1(SettingsKey::pingTarget));
    pingTarget->setFixedWidth(130);
    addFormRow(monitoring, makeSymbolTextLabel(QStringLiteral("Ping Target"), QStringLiteral("server.rack")),
               pingTarget);
    connect(pingTarget, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_settings.setPingTarget(text); });
    connect(&settings, &AppSettings::pingTargetChanged, pingTarget, [pingTarget](const QString& text) {
        if (pingTarget->text() != text)
            pingTarget->setText(text);
    });

    QVBoxLayout* portal =
        addFormSection(form, QStringLiteral("Captive Portal"), QStringLiteral("lock.shield"));
    addFormRow(
        portal,
        makeSymbolTextLabel(QStringLiteral("Detect Captive Portals"), QStringLiteral("wifi.exclamationmark")),
        makeBoundSwitch(settings, SettingsKey::checkForCaptivePortal, &AppSettings::checkForCaptivePortal,
                        &AppSettings::setCheckForCaptivePortal, &AppSettings::checkForCaptivePortalChanged,
                        this));
    auto* checkInterval =
        makeSecondsMenu({{QStringLiteral("5 seconds"), 5.0},
                         {QStringLiteral("10 seconds"), 10.0},
                         {QStringLiteral("30 seconds"), 30.0},
                         {QStringLiteral("60 seconds"), 60.0}},
                        settings.captivePortalCheckInterval(), SettingsKey::captivePortalCheckInterval, this);
    m_checkIntervalRow =
        addFormRow(portal, makeSymbolTextLabel(QStringLiteral("Check Interval"), QStringLiteral("timer")),
                   checkInterval);
    m_checkIntervalRow->setVisible(settings.checkForCaptivePortal());
    connect(checkInterval, &QComboBox::activated, this, [this, checkInterval](int index) {
        m_settings.setCaptivePortalCheckInterval(checkInterval->itemData(index).toDouble());
    });
    connect(&settings, &AppSettings::captivePortalCheckIntervalChanged, checkInterval,
            [checkInterval](double seconds) { selectSeconds(checkInterval, seconds); });
    connect(&settings, &AppSettings::checkForCaptivePortalChanged, this, [this, checkInterval](bool on) {
        if (on)
            selectSeconds(checkInterval, m_settings.captivePortalCheckInterval());
        m_checkIntervalRow->setVisible(on);
    });

    form->addStretch();
}

void GeneralSettingsTab::showEvent(QShowEvent* event) {
    // The login item can change outside the program (a deleted autostart file), so ask each time.
    setLaunchAtLoginShown(m_launchAtLoginSwitch.launchAtLoginEnabled());
    QWidget::showEvent(event);
}

void GeneralSettingsTab::setLaunchAtLoginShown(bool enabled) {
    m_launchAtLoginEnabled = enabled;
    const QSignalBlocker blocker(m_launchAtLogin);
    m_launchAtLogin->setChecked(enabled);
}
