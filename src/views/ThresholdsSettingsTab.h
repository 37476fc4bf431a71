#pragma once

#include <QString>
#include <QWidget>

#include <array>
#include <functional>

class AppSettings;
class QLabel;
class QLineEdit;

// The four alert thresholds. A value is stored when its field is committed (Return or leaving the
// field); one out of range, or a warning above its critical value, is refused with a hint under its
// section and the field goes back to the stored value.
class ThresholdsSettingsTab final : public QWidget {
    Q_OBJECT

public:
    explicit ThresholdsSettingsTab(AppSettings& settings, QWidget* parent = nullptr);

    QLabel* latencyHint() const { return m_latencyHint; }
    QLabel* packetLossHint() const { return m_packetLossHint; }

private:
    // A warning and critical pair: its fields, hint, allowed range and how it is read and stored.
    struct Threshold {
        QLineEdit* warning = nullptr;
        QLineEdit* critical = nullptr;
        QLabel* hint = nullptr;
        std::array<double, 2> range{};
        bool whole = false;
        QString (*rangeHint)() = nullptr;
        std::function<double(bool warning)> stored;
        std::function<void(bool warning, double value)> store;
    };

    void commit(const Threshold& threshold, bool warning);
    void showStoredValues();

    AppSettings& m_settings;
    QLineEdit* m_latencyWarning = nullptr;
    QLineEdit* m_latencyCritical = nullptr;
    QLineEdit* m_packetLossWarning = nullptr;
    QLineEdit* m_packetLossCritical = nullptr;
    QLabel* m_latencyHint = nullptr;
    QLabel* m_packetLossHint = nullptr;
    Threshold m_latency;
    Threshold m_packetLoss;
};
