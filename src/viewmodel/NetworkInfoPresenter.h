#pragma once

#include "probes/DNSPreset.h"
#include "probes/DNSServer.h"
#include "probes/NetworkInterface.h"

#include <QObject>
#include <QString>

#include <optional>
#include <string>
#include <vector>

class LinkmeterViewModel;
class NetworkInfoService;

// One interface as its row shows it; an address it lacks is empty.
struct InterfaceLine {
    QString symbol;
    QString displayName;
    QString ipv4;
    QString ipv6;
    QString name;

    bool operator==(const InterfaceLine&) const = default;
};

// One DNS server: the provider, when it is a well-known one, and the address.
struct DNSServerLine {
    QString provider;
    QString address;

    bool operator==(const DNSServerLine&) const = default;
};

// What the network information panel shows.
struct NetworkInfoScreen {
    // The public address row shows while the address is known or being fetched.
    bool showsPublicIPRow = false;
    bool loadingPublicIP = false;
    QString publicIP;
    std::vector<InterfaceLine> interfaces;
    std::vector<DNSServerLine> dnsServers;
    bool showsPicker = false;
    // The system is asking for administrator rights to switch the servers.
    bool changingDNS = false;

    bool operator==(const NetworkInfoScreen&) const = default;
};

InterfaceLine interfaceLine(const NetworkInterface& interface);
NetworkInfoScreen networkInfoScreen(const std::optional<std::string>& publicIP, bool loadingPublicIP,
                                    const std::vector<NetworkInterface>& interfaces,
                                    const std::vector<DNSServer>& servers);

// The public address, the interfaces and the DNS servers, and the switch to a DNS preset.
class NetworkInfoPresenter final : public QObject {
    Q_OBJECT

public:
    NetworkInfoPresenter(LinkmeterViewModel& viewModel, NetworkInfoService& service,
                         QObject* parent = nullptr);

    const NetworkInfoScreen& screen() const { return m_screen; }
    void setPickerShown(bool shown);
    // Asks the system to switch to `preset`; ignored while a switch is under way. The picker closes
    // once the system has answered.
    void choose(DNSPreset preset);

signals:
    void changed();
    // A switch worked; its confirmation.
    void dnsSwitched(const QString& message);

private:
    void recompute();

    LinkmeterViewModel& m_viewModel;
    NetworkInfoService& m_service;
    bool m_showsPicker = false;
    bool m_changing = false;
    NetworkInfoScreen m_screen;
};
