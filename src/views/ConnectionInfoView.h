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
