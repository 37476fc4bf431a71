#pragma once

#include "viewmodel/DiagnosticsCards.h"

#include <QWidget>

class AdditionalInfoRow;
class MetricItem;
class PermissionPromptView;
class QLabel;

// The Wi-Fi card: the network with its band and three metrics and details; else a request for the
// location permission, or "not connected".
class ConnectionInfoView final : public QWidget {
    Q_OBJECT

public:
    explicit ConnectionInfoView(QWidget* parent = nullptr);

    void setData(const WiFiCardData& card);

    const QLabel* ssidLabel() const { return m_ssid; }
    const QLabel* locationIcon() const { return m_locationIcon; }
    const MetricItem* signalItem() const { return m_signal; }
    const MetricItem* noiseItem() const { return m_noise; }
    const MetricItem* rateItem() const { return m_rate; }
    AdditionalInfoRow* details() const { return m_details; }
    PermissionPromptView* locationPrompt() const { return m_prompt; }
    const QWidget* notConnected() const { return m_notConnected; }

signals:
    void requestLocation();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_connected = nullptr;
    QWidget* m_networkRow = nullptr;
    QLabel* m_ssid = nullptr;
    QLabel* m_locationIcon = nullptr;
    QLabel* m_band = nullptr;
    MetricItem* m_signal = nullptr;
    MetricItem* m_noise = nullptr;
    MetricItem* m_rate = nullptr;
    AdditionalInfoRow* m_details = nullptr;
    PermissionPromptView* m_prompt = nullptr;
    QWidget* m_notConnected = nullptr;
    bool m_rowAsksForLocation = false;
};
