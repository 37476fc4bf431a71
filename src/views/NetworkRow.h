#pragma once

#include "probes/ScannedNetwork.h"

#include <QWidget>

class QLabel;

// One nearby network: signal bars, name, lock, channel, signal and signal-to-noise ratio.
class NetworkRow final : public QWidget {
    Q_OBJECT

public:
    explicit NetworkRow(const ScannedNetwork& network, QWidget* parent = nullptr);

    // Open and WEP networks are as good as unprotected.
    static bool isInsecure(WiFiSecurity security);

    QLabel* rssiLabel() const { return m_rssi; }
    // Hidden when the network has no noise reading.
    QLabel* snrLabel() const { return m_snr; }

private:
    QLabel* m_rssi = nullptr;
    QLabel* m_snr = nullptr;
};
