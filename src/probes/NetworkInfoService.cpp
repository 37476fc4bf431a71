#include "probes/NetworkInfoService.h"

#include "core/ContinueOn.h"
#include "core/TimerInterval.h"
#include "platform/ConnectionNameSource.h"
#include "platform/DNSSwitcher.h"
#include "platform/GatewaySource.h"
#include "platform/HttpClient.h"
#include "platform/InterfaceSource.h"
#include "platform/ResolverSource.h"

#include <QStringDecoder>
#include <QtConcurrent>

#include <arpa/inet.h>
#include <netinet/in.h>

namespace {

const char* const kNoNetworkService = "Could not determine network service";
const char* const kChangedTo = "DNS changed to ";
const char* const kCancelled = "Cancelled by user";
const char* const kChangeFailed = "Failed to change DNS";

bool isIPAddress(const std::string& text) {
    in6_addr buffer{};
    return inet_pton(AF_INET, text.c_str(), &buffer) == 1 || inet_pton(AF_INET6, text.c_str(), &buffer) == 1;
}

// The address an echo service answered with, if the answer is one: a 200 whose UTF-8 body, trimmed,
// is an IP address. An error page served with 200 is not an address.
std::optional<std::string> echoedAddress(const HttpResult& result) {
    if (!result.response || result.response->statusCode != 200)
        return std::nullopt;
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = decoder.decode(result.body);
    if (decoder.hasError())
        return std::nullopt;
    const std::string address = text.trimmed().toStdString();
    if (!isIPAddress(address))
        return std::nullopt;
    return address;
}

} // namespace

NetworkInfoService::NetworkInfoService(const InterfaceSource& interfaces, const ResolverSource& resolver,
                                       const GatewaySource& routes, const ConnectionNameSource& connections,
                                       const DNSSwitcher& switcher, HttpClient& http, QObject* parent)
    : NetworkInfoService(interfaces, resolver, routes, connections, switcher, http,
                         std::vector<std::string>(publicIPServices.begin(), publicIPServices.end()), parent) {
}

NetworkInfoService::NetworkInfoService(const InterfaceSource& interfaces, const ResolverSource& resolver,
                                       const GatewaySource& routes, const ConnectionNameSource& connections,
                                       const DNSSwitcher& switcher, HttpClient& http,
                                       std::vector<std::string> echoServices, QObject* parent)
    : QObject(parent), m_interfaceSource(interfaces), m_resolver(resolver), m_routes(routes),
      m_connections(connections), m_switcher(switcher), m_http(http),
      m_echoServices(std::move(echoServices)) {
    connect(&m_refreshTimer, &QTimer::timeout, this, &NetworkInfoService::refreshLocal);
    // One password prompt at a time.
    m_pool.setMaxThreadCount(1);
    refreshLocal();
}

NetworkInfoService::~NetworkInfoService() {
    m_refreshTimer.stop();
    m_pool.waitForDone();
}

void NetworkInfoService::refreshInterfaces() {
    const auto addresses = m_interfaceSource.addresses();
    if (!addresses || addresses->empty())
        return;
    m_interfaces = interfacesFromAddresses(
        *addresses, [this](const std::string& name) { return m_interfaceSource.kind(name); });
    emit interfacesChanged(m_interfaces);
}

void NetworkInfoService::refreshDNSServers() {
    const auto addresses = m_resolver.nameservers();
    if (!addresses)
        return;
    m_dnsServers = dnsServersFromAddresses(*addresses);
    emit dnsServersChanged(m_dnsServers);
}

void NetworkInfoService::refreshDefaultInterface() {
    auto name = m_routes.defaultInterface();
    if (!name)
        return;
    m_defaultInterface = std::move(name);
    emit defaultInterfaceChanged(m_defaultInterface);
}

void NetworkInfoService::refreshLocal() {
    refreshInterfaces();
    refreshDNSServers();
    refreshDefaultInterface();
}

void NetworkInfoService::fetchPublicIP() {
    if (m_isLoadingPublicIP)
        return;
    m_isLoadingPublicIP = true;
    emit isLoadingPublicIPChanged(m_isLoadingPublicIP);
    askEchoService(0);
}

void NetworkInfoService::askEchoService(std::size_t index) {
    if (index >= m_echoServices.size()) {
        finishPublicIP(std::nullopt);
        return;
    }
    const QUrl url(QString::fromStdString(m_echoServices[index]), QUrl::StrictMode);
    if (!url.isValid() || url.isRelative()) {
        askEchoService(index + 1);
        return;
    }
    continueOn(
        this, m_http.get(url),
        [this, index](const HttpResult& result) {
            // Without a connection the other services cannot be reached either.
            if (result.error) {
                finishPublicIP(std::nullopt);
            } else if (auto address = echoedAddress(result)) {
                finishPublicIP(std::move(address));
            } else {
                askEchoService(index + 1);
            }
        },
        [this] { finishPublicIP(std::nullopt); });
}

void NetworkInfoService::finishPublicIP(std::optional<std::string> address) {
    m_publicIP = std::move(address);
    emit publicIPChanged(m_publicIP);
    m_isLoadingPublicIP = false;
    emit isLoadingPublicIPChanged(m_isLoadingPublicIP);
}

void NetworkInfoService::startAutoRefresh(double intervalSeconds) {
    stopAutoRefresh();
    refreshLocal();
    fetchPublicIP();
    m_refreshTimer.start(timerInterval(intervalSeconds, defaultRefreshIntervalSeconds));
}

void NetworkInfoService::stopAutoRefresh() {
    if (!m_refreshTimer.isActive())
        return;
    m_refreshTimer.stop();
    // A loop stopped during its pause still finishes the round it was waiting for.
    QMetaObject::invokeMethod(this, &NetworkInfoService::refreshLocal, Qt::QueuedConnection);
}

std::optional<std::string> NetworkInfoService::networkServiceName() const {
    if (!m_defaultInterface)
        return std::nullopt;
    return m_connections.connectionName(*m_defaultInterface);
}

QFuture<DNSSwitchResult> NetworkInfoService::setDNS(DNSPreset preset) {
    const auto connection = networkServiceName();
    if (!connection)
        return QtFuture::makeReadyFuture(DNSSwitchResult{false, kNoNetworkService});

    auto change =
        QtConcurrent::run(&m_pool, [&switcher = m_switcher, name = *connection, addresses = servers(preset)] {
            return switcher.setServers(name, addresses);
        });
    return continueOn(this, std::move(change), [this, preset](const DNSSwitchOutcome& outcome) {
        switch (outcome.status) {
        case DNSSwitchOutcome::Status::changed:
            refreshDNSServers();
            return DNSSwitchResult{true, kChangedTo + std::string(rawValue(preset))};
        case DNSSwitchOutcome::Status::cancelled:
            return DNSSwitchResult{false, kCancelled};
        case DNSSwitchOutcome::Status::failed:
            break;
        }
        return DNSSwitchResult{false, outcome.output.empty() ? kChangeFailed : outcome.output};
    });
}
