#pragma once

#include <QWidget>

class AppSettings;
class LoginItemController;
class QCheckBox;
class QComboBox;
class QLineEdit;

// Startup, the ping loop and captive-portal detection.
class GeneralSettingsTab final : public QWidget {
    Q_OBJECT

public:
    GeneralSettingsTab(AppSettings& settings, LoginItemController& launchAtLogin, QWidget* parent = nullptr);

    // What the launch-at-login switch shows: the login item's state as of the last showing.
    bool launchAtLoginEnabled() const { return m_launchAtLoginEnabled; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void setLaunchAtLoginShown(bool enabled);

    AppSettings& m_settings;
    LoginItemController& m_launchAtLoginSwitch;
    bool m_launchAtLoginEnabled = false;
    QCheckBox* m_launchAtLogin = nullptr;
    QWidget* m_checkIntervalRow = nullptr;
};
