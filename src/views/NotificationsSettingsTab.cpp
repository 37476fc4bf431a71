#include "views/NotificationsSettingsTab.h"

#include "core/AppSettings.h"
#include "diagnosis/NotificationService.h"
#include "views/NotificationToggleRow.h"
#include "views/SettingsForm.h"
#include "views/kit/Layout.h"
#include "views/kit/Metrics.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Metrics;

namespace {

// One alert switch and the setting behind it.
struct Alert {
    const char* title;
    const char* icon;
    Tone tone;
    const char* key;
    bool (AppSettings::*get)() const;
    void (AppSettings::*set)(bool);
    void (AppSettings::*changed)(bool);
};

const Alert kAlerts[] = {
    {QT_TRANSLATE_NOOP("NotificationsSettingsTab", "High Response Time"), "clock.badge.exclamationmark",
     Tone::orange, SettingsKey::notifyOnHighLatency, &AppSettings::notifyOnHighLatency,
     &AppSettings::setNotifyOnHighLatency, &AppSettings::notifyOnHighLatencyChanged},
    {QT_TRANSLATE_NOOP("NotificationsSettingsTab", "Packet Loss"), "xmark.circle", Tone::red,
     SettingsKey::notifyOnPacketLoss, &AppSettings::notifyOnPacketLoss, &AppSettings::setNotifyOnPacketLoss,
     &AppSettings::notifyOnPacketLossChanged},
    {QT_TRANSLATE_NOOP("NotificationsSettingsTab", "Weak Signal"), "wifi.exclamationmark", Tone::yellow,
     SettingsKey::notifyOnWeakSignal, &AppSettings::notifyOnWeakSignal, &AppSettings::setNotifyOnWeakSignal,
     &AppSettings::notifyOnWeakSignalChanged},
    {QT_TRANSLATE_NOOP("NotificationsSettingsTab", "Connection Lost"), "wifi.slash", Tone::red,
     SettingsKey::notifyOnConnectionLost, &AppSettings::notifyOnConnectionLost,
     &AppSettings::setNotifyOnConnectionLost, &AppSettings::notifyOnConnectionLostChanged},
    {QT_TRANSLATE_NOOP("NotificationsSettingsTab", "Public IP Changed"), "globe", Tone::blue,
     SettingsKey::notifyOnIPChange, &AppSettings::notifyOnIPChange, &AppSettings::setNotifyOnIPChange,
     &AppSettings::notifyOnIPChangeChanged},
    {QT_TRANSLATE_NOOP("NotificationsSettingsTab", "Roaming"), "arrow.left.and.right", Tone::blue,
     SettingsKey::notifyOnRoaming, &AppSettings::notifyOnRoaming, &AppSettings::setNotifyOnRoaming,
     &AppSettings::notifyOnRoamingChanged},
};

} // namespace

NotificationsSettingsTab::NotificationsSettingsTab(AppSettings& settings, NotificationService& notifications,
                                                   QWidget* parent)
    : QWidget(parent), m_settings(settings), m_notifications(notifications) {
    QVBoxLayout* form = makeForm(this);

    QVBoxLayout* status = addFormSection(form, tr("Status"), QStringLiteral("bell"));
    auto* card = new QWidget(this);
    auto* cardRow = new QHBoxLayout(card);
    cardRow->setContentsMargins(padding(Space::none, Space::xxs));
    cardRow->setSpacing(Space::mPlus);
    m_permissionIcon = new QLabel(card);
    cardRow->addWidget(m_permissionIcon);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(Space::hairline);
    m_permissionTitle = makeLabel(QString(), TextStyle::body, {}, card);
    m_permissionDetail = makeLabel(QString(), TextStyle::caption, Colour::secondary, card);
    texts->addWidget(m_permissionTitle);
    texts->addWidget(m_permissionDetail);
    cardRow->addLayout(texts, 1);
    m_request = new QPushButton(tr("Request"), card);
    m_request->setDefault(true);
    cardRow->addWidget(m_request);
    status->addWidget(card);
    connect(m_request, &QPushButton::clicked, this, [this] { m_notifications.requestAuthorization(); });
    m_permissionDetail->setWordWrap(true);
    connect(&notifications, &NotificationService::isAuthorizedChanged, this,
            &NotificationsSettingsTab::showPermission);
    connect(&notifications, &NotificationService::requestProblemChanged, this,
            [this] { showPermission(m_notifications.isAuthorized()); });
    showPermission(notifications.isAuthorized());

    QVBoxLayout* alerts = addFormSection(form, tr("Alerts"), QStringLiteral("exclamationmark.bubble"),
                                         tr("Notifications won't repeat within 60 seconds"));
    addFormRow(alerts, makeSymbolTextLabel(tr("Enable Notifications"), QStringLiteral("bell.badge")),
               makeBoundSwitch(settings, SettingsKey::notificationsEnabled,
                               &AppSettings::notificationsEnabled, &AppSettings::setNotificationsEnabled,
                               &AppSettings::notificationsEnabledChanged, this));
    for (const Alert& alert : kAlerts) {
        auto* row = new NotificationToggleRow(QString::fromLatin1(alert.icon), alert.tone, tr(alert.title),
                                              (settings.*alert.get)(), this);
        row->setObjectName(QString::fromLatin1(alert.key));
        row->setRowEnabled(settings.notificationsEnabled());
        connect(row, &NotificationToggleRow::toggled, this, &NotificationsSettingsTab::storeAlertSwitch);
        connect(&settings, alert.changed, row, &NotificationToggleRow::setOn);
        alerts->addWidget(row);
        m_rows.push_back(row);
    }
    connect(&settings, &AppSettings::notificationsEnabledChanged, this, [this](bool enabled) {
        for (NotificationToggleRow* row : m_rows)
            row->setRowEnabled(enabled);
    });

    form->addStretch();
}

void NotificationsSettingsTab::storeAlertSwitch(bool on) {
    // Each row is named after its preference key.
    const QString key = sender() ? sender()->objectName() : QString();
    for (const Alert& alert : kAlerts)
        if (key == QLatin1String(alert.key))
            (m_settings.*alert.set)(on);
}

QString NotificationsSettingsTab::permissionTitle() const {
    return m_permissionTitle->text();
}

QString NotificationsSettingsTab::permissionDetail() const {
    return m_permissionDetail->text();
}

void NotificationsSettingsTab::showPermission(bool authorized) {
    if (authorized) {
        setSymbol(m_permissionIcon, QStringLiteral("checkmark.circle.fill"), Tone::green,
                  SymbolSize::placeholder);
        m_permissionTitle->setText(tr("Notifications Enabled"));
        m_permissionDetail->setText(tr("System permissions granted"));
    } else {
        setSymbol(m_permissionIcon, QStringLiteral("exclamationmark.triangle.fill"), Tone::orange,
                  SymbolSize::placeholder);
        m_permissionTitle->setText(tr("Permission Required"));
        // Allowed here means a notification service answers on the session bus; there is no
        // per-program switch to point at. After a refused request, what happened and what to do.
        m_permissionDetail->setText(
            m_notifications.requestProblem().value_or(tr("Start your desktop's notification service")));
    }
    m_request->setVisible(!authorized);
}
