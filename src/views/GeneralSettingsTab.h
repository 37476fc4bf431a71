#pragma once

#include <QWidget>

class AppSettings;
class LoginItemController;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

// Startup, the ping loop, captive-portal detection and serving metrics to Prometheus. The metrics
// address is stored when its field is committed; one that does not parse as host:port is refused
// with a hint under the section and the field goes back to the stored address.
class GeneralSettingsTab final : public QWidget {
    Q_OBJECT

public:
    GeneralSettingsTab(AppSettings& settings, LoginItemController& launchAtLogin, QWidget* parent = nullptr);

    // What the launch-at-login switch shows: the login item's state as of the last showing.
    bool launchAtLoginEnabled() const { return m_launchAtLoginEnabled; }

    QLineEdit* metricsAddressField() const { return m_metricsAddress; }
    QLabel* metricsAddressHint() const { return m_metricsHint; }
    QLabel* metricsAddressNote() const { return m_metricsNote; }
    QLabel* metricsURL() const { return m_metricsURL; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void setLaunchAtLoginShown(bool enabled);
    void commitMetricsAddress();
    void showMetricsAddress();

    AppSettings& m_settings;
    LoginItemController& m_launchAtLoginSwitch;
    bool m_launchAtLoginEnabled = false;
    QCheckBox* m_launchAtLogin = nullptr;
    QWidget* m_checkIntervalRow = nullptr;
    QWidget* m_metricsAddressRow = nullptr;
    QLineEdit* m_metricsAddress = nullptr;
    QLabel* m_metricsHint = nullptr;
    QLabel* m_metricsNote = nullptr;
    QLabel* m_metricsURL = nullptr;
};
