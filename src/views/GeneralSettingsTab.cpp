#include "views/GeneralSettingsTab.h"

#include "core/AppSettings.h"
#include "core/ListenAddress.h"
#include "core/LoginItemController.h"
#include "views/SettingsForm.h"
#include "views/kit/Metrics.h"
#include "views/kit/Strings.h"
#include "views/kit/Typography.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

GeneralSettingsTab::GeneralSettingsTab(AppSettings& settings, LoginItemController& launchAtLogin,
                                       QWidget* parent)
    : QWidget(parent), m_settings(settings), m_launchAtLoginSwitch(launchAtLogin) {
    QVBoxLayout* form = makeForm(this);

    QVBoxLayout* startup = addFormSection(form, tr("Startup"), QStringLiteral("laptopcomputer"));
    m_launchAtLogin = new QCheckBox(this);
    m_launchAtLogin->setObjectName(QString::fromLatin1(SettingsKey::launchAtLogin));
    addFormRow(startup, makeSymbolTextLabel(tr("Launch at Login"), QStringLiteral("power")), m_launchAtLogin);
    connect(m_launchAtLogin, &QCheckBox::toggled, this, [this](bool wanted) {
        // A failed change answers the opposite state; the switch goes back to it.
        setLaunchAtLoginShown(m_launchAtLoginSwitch.setLaunchAtLogin(wanted));
    });

    QVBoxLayout* monitoring = addFormSection(form, tr("Network Monitoring"), QStringLiteral("network"));
    auto* pingInterval = makeSecondsMenu({{tr("1 second"), 1.0},
                                          {tr("%n seconds", nullptr, 2), 2.0},
                                          {tr("%n seconds", nullptr, 5), 5.0},
                                          {tr("%n seconds", nullptr, 10), 10.0}},
                                         settings.pingInterval(), SettingsKey::pingInterval, this);
    addFormRow(monitoring, makeSymbolTextLabel(tr("Ping Interval"), QStringLiteral("clock")), pingInterval);
    connect(pingInterval, &QComboBox::activated, this, [this, pingInterval](int index) {
        m_settings.setPingInterval(pingInterval->itemData(index).toDouble());
    });
    connect(&settings, &AppSettings::pingIntervalChanged, pingInterval,
            [pingInterval](double seconds) { selectSeconds(pingInterval, seconds); });

    auto* pingTarget = new QLineEdit(settings.pingTarget(), this);
    pingTarget->setObjectName(QString::fromLatin1(SettingsKey::pingTarget));
    pingTarget->setFixedWidth(Metrics::Size::formControlWidth);
    addFormRow(monitoring, makeSymbolTextLabel(tr("Ping Target"), QStringLiteral("server.rack")), pingTarget);
    connect(pingTarget, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_settings.setPingTarget(text); });
    connect(&settings, &AppSettings::pingTargetChanged, pingTarget, [pingTarget](const QString& text) {
        if (pingTarget->text() != text)
            pingTarget->setText(text);
    });

    QVBoxLayout* portal = addFormSection(form, tr("Captive Portal"), QStringLiteral("lock.shield"));
    addFormRow(portal,
               makeSymbolTextLabel(tr("Detect Captive Portals"), QStringLiteral("wifi.exclamationmark")),
               makeBoundSwitch(settings, SettingsKey::checkForCaptivePortal,
                               &AppSettings::checkForCaptivePortal, &AppSettings::setCheckForCaptivePortal,
                               &AppSettings::checkForCaptivePortalChanged, this));
    auto* checkInterval =
        makeSecondsMenu({{tr("%n seconds", nullptr, 5), 5.0},
                         {tr("%n seconds", nullptr, 10), 10.0},
                         {tr("%n seconds", nullptr, 30), 30.0},
                         {tr("%n seconds", nullptr, 60), 60.0}},
                        settings.captivePortalCheckInterval(), SettingsKey::captivePortalCheckInterval, this);
    m_checkIntervalRow =
        addFormRow(portal, makeSymbolTextLabel(tr("Check Interval"), QStringLiteral("timer")), checkInterval);
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

    QVBoxLayout* metrics = addFormSection(form, tr("Metrics"), QStringLiteral("chart.bar"));
    addFormRow(metrics,
               makeSymbolTextLabel(tr("Serve Metrics"), QStringLiteral("antenna.radiowaves.left.and.right")),
               makeBoundSwitch(settings, SettingsKey::serveMetrics, &AppSettings::serveMetrics,
                               &AppSettings::setServeMetrics, &AppSettings::serveMetricsChanged, this));
    m_metricsAddress = new QLineEdit(this);
    m_metricsAddress->setObjectName(QString::fromLatin1(SettingsKey::metricsAddress));
    m_metricsAddress->setFixedWidth(Metrics::Size::addressFieldWidth);
    m_metricsAddressRow =
        addFormRow(metrics, makeSymbolTextLabel(tr("Address"), QStringLiteral("network")), m_metricsAddress);
    m_metricsHint = addFormHint(metrics);
    m_metricsNote = addFormCaption(form);
    // On a line of its own, so it never breaks, and selectable, so it can be copied into a config.
    m_metricsURL = addFormCaption(form);
    m_metricsURL->setWordWrap(false);
    m_metricsURL->setFont(monospacedFont(TextStyle::caption, m_metricsURL->font()));
    m_metricsURL->setTextInteractionFlags(Qt::TextSelectableByMouse);
    connect(m_metricsAddress, &QLineEdit::editingFinished, this, &GeneralSettingsTab::commitMetricsAddress);
    connect(&settings, &AppSettings::metricsAddressChanged, this, [this] {
        m_metricsHint->hide();
        showMetricsAddress();
    });
    connect(&settings, &AppSettings::serveMetricsChanged, this, [this] { showMetricsAddress(); });
    showMetricsAddress();

    form->addStretch();
}

void GeneralSettingsTab::commitMetricsAddress() {
    const QString text = m_metricsAddress->text().trimmed();
    if (text == m_settings.metricsAddress())
        return;
    const auto parsed = parseListenAddress(text.toStdString());
    if (const auto* refusal = std::get_if<std::string>(&parsed)) {
        // The text stays for the user to mend; the stored address stays in use.
        m_metricsHint->setText(translatedText("ListenAddress", *refusal));
        m_metricsHint->show();
        return;
    }
    m_metricsHint->hide();
    // Stored as the program writes it back, so "127.0.0.1:09469" and "127.0.0.1:9469" are one address.
    m_settings.setMetricsAddress(QString::fromStdString(std::get<ListenAddress>(parsed).text()));
}

void GeneralSettingsTab::showMetricsAddress() {
    const bool serving = m_settings.serveMetrics();
    m_metricsAddressRow->setVisible(serving);
    m_metricsNote->setVisible(serving);
    m_metricsURL->setVisible(serving);
    if (!serving)
        m_metricsHint->hide();
    const QString stored = m_settings.metricsAddress();
    m_metricsAddress->setText(stored);
    const auto parsed = parseListenAddress(stored.toStdString());
    if (const auto* address = std::get_if<ListenAddress>(&parsed)) {
        m_metricsNote->setText(translatedText("ListenAddress", ::metricsAddressNote(*address)));
        m_metricsURL->setText(QString::fromStdString(::metricsURL(*address)));
    }
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
