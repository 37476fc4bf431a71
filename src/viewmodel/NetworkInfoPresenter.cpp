#include "viewmodel/NetworkInfoPresenter.h"

#include "core/ContinueOn.h"
#include "probes/NetworkInfoService.h"
#include "viewmodel/DisplayText.h"
#include "viewmodel/LinkmeterViewModel.h"
#include "viewmodel/ScanDisplayRules.h"

namespace {} // namespace

InterfaceLine interfaceLine(const NetworkInterface& interface) {
    const std::string_view symbol = interfaceSymbolName(interface.displayName);
    return {QString::fromUtf8(symbol.data(), static_cast<qsizetype>(symbol.size())),
            QString::fromStdString(interface.displayName), optionalText(interface.ipv4),
            optionalText(interface.ipv6), QString::fromStdString(interface.name)};
}

NetworkInfoScreen networkInfoScreen(const std::optional<std::string>& publicIP, bool loadingPublicIP,
                                    const std::vector<NetworkInterface>& interfaces,
                                    const std::vector<DNSServer>& servers) {
    NetworkInfoScreen screen;
    screen.loadingPublicIP = !publicIP && loadingPublicIP;
    screen.showsPublicIPRow = publicIP.has_value() || screen.loadingPublicIP;
    screen.publicIP = optionalText(publicIP);
    for (const NetworkInterface& interface : interfaces)
        screen.interfaces.push_back(interfaceLine(interface));
    for (const DNSServer& server : servers)
        screen.dnsServers.push_back({optionalText(server.name), QString::fromStdString(server.address)});
    return screen;
}

NetworkInfoPresenter::NetworkInfoPresenter(LinkmeterViewModel& viewModel, NetworkInfoService& service,
                                           QObject* parent)
    : QObject(parent), m_viewModel(viewModel), m_service(service) {
    connect(&viewModel, &LinkmeterViewModel::publicIPChanged, this, &NetworkInfoPresenter::recompute);
    connect(&viewModel, &LinkmeterViewModel::isLoadingPublicIPChanged, this,
            &NetworkInfoPresenter::recompute);
    connect(&viewModel, &LinkmeterViewModel::networkInterfacesChanged, this,
            &NetworkInfoPresenter::recompute);
    connect(&viewModel, &LinkmeterViewModel::dnsServersChanged, this, &NetworkInfoPresenter::recompute);
    recompute();
}

void NetworkInfoPresenter::setPickerShown(bool shown) {
    m_showsPicker = shown;
    recompute();
}

void NetworkInfoPresenter::choose(DNSPreset preset) {
    if (m_changing)
        return;
    m_changing = true;
    recompute();
    const auto finish = [this, preset](std::optional<DNSSwitchResult> result) {
        m_changing = false;
        m_showsPicker = false;
        recompute();
        // A refused or failed switch says nothing: the password prompt already told the user.
        if (result && result->success)
            emit dnsSwitched(tr("DNS changed to %1").arg(translatedText("DNSPreset", rawValue(preset))));
    };
    continueOn(
        this, m_service.setDNS(preset), [finish](DNSSwitchResult result) { finish(std::move(result)); },
        [finish] { finish(std::nullopt); });
}

void NetworkInfoPresenter::recompute() {
    m_screen = networkInfoScreen(m_viewModel.publicIP(), m_viewModel.isLoadingPublicIP(),
                                 m_viewModel.networkInterfaces(), m_viewModel.dnsServers());
    m_screen.showsPicker = m_showsPicker;
    m_screen.changingDNS = m_changing;
    emit changed();
}
