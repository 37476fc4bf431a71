#pragma once

#include "probes/DNSPreset.h"
#include "probes/DNSServer.h"
#include "probes/NetworkInterface.h"

#include <QFuture>
#include <QObject>
#include <QThreadPool>
#include <QTimer>

#include <array>
#include <optional>
#include <string>
#include <vector>

class ConnectionNameSource;
class DNSSwitcher;
class GatewaySource;
class HttpClient;
class InterfaceSource;
class ResolverSource;

// How a DNS change ended, with the sentence shown to the user.
struct DNSSwitchResult {
    bool success = false;
    std::string message;

    bool operator==(const DNSSwitchResult&) const = default;
};

// The machine's network set-up: interfaces with their addresses, the DNS servers in use, the
// interface of the default route and the public address; and the switch of the DNS servers to a
// preset.
class NetworkInfoService final : public QObject {
    Q_OBJECT

public:
    // Three plain-text IP echo services, asked in this order.
    static constexpr std::array<const char*, 3> publicIPServices{
        "https://api.ipify.org", "https://icanhazip.com", "https://ifconfig.me/ip"};
    static constexpr double defaultRefreshIntervalSeconds = 10.0;

    // Reads interfaces, DNS servers and the default interface once, before returning.
    NetworkInfoService(const InterfaceSource& interfaces, const ResolverSource& resolver,
                       const GatewaySource& routes, const ConnectionNameSource& connections,
                       const DNSSwitcher& switcher, HttpClient& http, QObject* parent = nullptr);
    // Asks other echo services for the public address, e.g. local ones in tests.
    NetworkInfoService(const InterfaceSource& interfaces, const ResolverSource& resolver,
                       const GatewaySource& routes, const ConnectionNameSource& connections,
                       const DNSSwitcher& switcher, HttpClient& http, std::vector<std::string> echoServices,
                       QObject* parent = nullptr);
    ~NetworkInfoService() override;

    const std::vector<NetworkInterface>& interfaces() const { return m_interfaces; }
    const std::vector<DNSServer>& dnsServers() const { return m_dnsServers; }
    const std::optional<std::string>& publicIP() const { return m_publicIP; }
    bool isLoadingPublicIP() const { return m_isLoadingPublicIP; }
    const std::optional<std::string>& defaultInterface() const { return m_defaultInterface; }
    bool isAutoRefreshing() const { return m_refreshTimer.isActive(); }

    // Each publishes its list, or leaves it as it was when the system cannot be read.
    void refreshInterfaces();
    void refreshDNSServers();
    // Leaves the value as it was when there is no default route.
    void refreshDefaultInterface();
    // Asks the echo services in turn, unless a request is already running; returns at once.
    void fetchPublicIP();

    // Refreshes everything now, the public address included, then the local information every
    // `intervalSeconds` (10 when that is not a positive finite number). Replaces a running loop.
    void startAutoRefresh(double intervalSeconds);
    // Ends the loop after one last round of the local refreshes on a later turn of the event loop.
    void stopAutoRefresh();

    // The system's name for the network configuration of the default interface, if known.
    std::optional<std::string> networkServiceName() const;
    // Switches the system's DNS servers to the preset, asking for administrator rights. Completes on
    // the main thread, after the DNS server list has been read again when the switch worked.
    QFuture<DNSSwitchResult> setDNS(DNSPreset preset);

signals:
    void interfacesChanged(const std::vector<NetworkInterface>& interfaces);
    void dnsServersChanged(const std::vector<DNSServer>& servers);
    void publicIPChanged(const std::optional<std::string>& publicIP);
    void isLoadingPublicIPChanged(bool loading);
    void defaultInterfaceChanged(const std::optional<std::string>& name);

private:
    void refreshLocal();
    void askEchoService(std::size_t index);
    void finishPublicIP(std::optional<std::string> address);

    const InterfaceSource& m_interfaceSource;
    const ResolverSource& m_resolver;
    const GatewaySource& m_routes;
    const ConnectionNameSource& m_connections;
    const DNSSwitcher& m_switcher;
    HttpClient& m_http;
    const std::vector<std::string> m_echoServices;

    std::vector<NetworkInterface> m_interfaces;
    std::vector<DNSServer> m_dnsServers;
    std::optional<std::string> m_publicIP;
    bool m_isLoadingPublicIP = false;
    std::optional<std::string> m_defaultInterface;

    QTimer m_refreshTimer;
    // Own pool for DNS switches, declared last: destroyed first, it waits for a switch in progress.
    QThreadPool m_pool;
};
