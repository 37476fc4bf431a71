#pragma once

#include <QWidget>

#include <vector>

class AppSettings;
class NotificationService;
class NotificationToggleRow;
class QLabel;
class QPushButton;

// The notification permission and the alert switches.
class NotificationsSettingsTab final : public QWidget {
    Q_OBJECT

public:
    NotificationsSettingsTab(AppSettings& settings, NotificationService& notifications,
                             QWidget* parent = nullptr);

    const std::vector<NotificationToggleRow*>& alertRows() const { return m_rows; }
    // The card's headline: "Notifications Enabled" or "Permission Required".
    QString permissionTitle() const;
    // The line below it: what to do, or what came of the last request.
    QString permissionDetail() const;
    QPushButton* requestButton() const { return m_request; }
    // Draws the card for `authorized`; the service's changes call it.
    void showPermission(bool authorized);

private:
    void storeAlertSwitch(bool on);

    AppSettings& m_settings;
    NotificationService& m_notifications;
    QLabel* m_permissionIcon = nullptr;
    QLabel* m_permissionTitle = nullptr;
    QLabel* m_permissionDetail = nullptr;
    QPushButton* m_request = nullptr;
    std::vector<NotificationToggleRow*> m_rows;
};
