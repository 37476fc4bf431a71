#pragma once

#include "probes/NetworkInterface.h"

#include <QWidget>

// One network interface: its symbol, display name, addresses (selectable) and system name.
class NetworkInterfaceRow final : public QWidget {
    Q_OBJECT

public:
    explicit NetworkInterfaceRow(const NetworkInterface& interface, QWidget* parent = nullptr);
};
