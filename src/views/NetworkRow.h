#pragma once

#include "viewmodel/NearbyNetworksPresenter.h"

#include <QWidget>

// One nearby network: signal bars, name, lock, channel, signal and signal-to-noise ratio.
class NetworkRow final : public QWidget {
    Q_OBJECT

public:
    explicit NetworkRow(const NearbyNetworkRow& network, QWidget* parent = nullptr);
};
