#pragma once

#include "viewmodel/NetworkInfoPresenter.h"

#include <QWidget>

// One network interface: its symbol, display name, addresses (selectable) and system name.
class NetworkInterfaceRow final : public QWidget {
    Q_OBJECT

public:
    explicit NetworkInterfaceRow(const InterfaceLine& interface, QWidget* parent = nullptr);
};
