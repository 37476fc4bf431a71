#pragma once

#include <QWidget>

class AppSettings;
class GeneralSettingsTab;
class LoginItemController;
class MenuBarSettingsTab;
class NotificationService;
class NotificationsSettingsTab;
class QTabWidget;
class ThresholdsSettingsTab;

// The settings window's content: four tabs, each control stored the moment it changes.
class SettingsView final : public QWidget {
    Q_OBJECT

public:
    enum Tab { general, menuBar, thresholds, notifications };

    SettingsView(AppSettings& settings, LoginItemController& launchAtLogin,
                 NotificationService& notificationService, QWidget* parent = nullptr);

    QTabWidget* tabs() const { return m_tabs; }
    GeneralSettingsTab* generalTab() const { return m_general; }
    MenuBarSettingsTab* menuBarTab() const { return m_menuBar; }
    ThresholdsSettingsTab* thresholdsTab() const { return m_thresholds; }
    NotificationsSettingsTab* notificationsTab() const { return m_notifications; }

private:
    QTabWidget* m_tabs = nullptr;
    GeneralSettingsTab* m_general = nullptr;
    MenuBarSettingsTab* m_menuBar = nullptr;
    ThresholdsSettingsTab* m_thresholds = nullptr;
    NotificationsSettingsTab* m_notifications = nullptr;
};
