#include "system/linux/LinuxWiFiScanner.h"

#include "system/linux/InformationElements.h"
#include "system/linux/KernelScanSource.h"
#include "system/linux/ScanTrigger.h"
#include "system/linux/WiFiCodeMapping.h"

#include <cmath>

namespace linuxscan {
namespace {

// A driver that reports no signal at all still shows the network, at the weakest reading.
constexpr int kNoSignal = -100;

std::set<std::int64_t> securityCodes(const nl80211::ScanResult& result) {
    const ie::SecurityModes modes = ie::securityModes(result.informationElements, result.capability);
    std::set<std::int64_t> codes;
    if (modes.wpa3Personal)
        codes.insert(wifi_codes::securityWPA3Personal);
    if (modes.wpa3Enterprise)
        codes.insert(wifi_codes::securityWPA3Enterprise);
    if (modes.wpa2Personal)
        codes.insert(wifi_codes::securityWPA2Personal);
    if (modes.wpa2Enterprise)
        codes.insert(wifi_codes::securityWPA2Enterprise);
    if (modes.wpaPersonal)
        codes.insert(wifi_codes::securityWPAPersonal);
    if (modes.wpaEnterprise)
        codes.insert(wifi_codes::securityWPAEnterprise);
    // A beacon cannot tell static from dynamic WEP; both are WEP to the user.
    if (modes.wep) {
        codes.insert(wifi_codes::securityWEP);
        codes.insert(wifi_codes::securityDynamicWEP);
    }
    if (modes.owe)
        codes.insert(wifi_codes::securityOWE);
    if (modes.none)
        codes.insert(wifi_codes::securityNone);
    return codes;
}

} // namespace

std::optional<nl80211::InterfaceInfo> chooseInterface(const std::vector<nl80211::InterfaceInfo>& interfaces) {
    std::optional<nl80211::InterfaceInfo> first;
    for (const auto& interface : interfaces) {
        if (interface.type != nl80211::interfaceTypeStation)
            continue;
        if (interface.ssid)
            return interface;
        if (!first)
            first = interface;
    }
    return first;
}

ScannedAccessPoint accessPointFor(const nl80211::ScanResult& result,
                                  const std::vector<nl80211::SurveyEntry>& survey) {
    ScannedAccessPoint accessPoint;
    if (const auto raw = ie::ssid(result.informationElements))
        accessPoint.ssid = wifi_mapping::ssidText(*raw);
    accessPoint.bssid = wifi_mapping::formatBssid(result.bssid);
    accessPoint.rssi =
        result.signalMbm ? static_cast<int>(std::lround(double(*result.signalMbm) / 100.0)) : kNoSignal;
    for (const auto& entry : survey)
        if (entry.frequency == result.frequency && entry.noise)
            accessPoint.noise = entry.noise;
    if (const auto channel = wifi_mapping::channelForFrequency(result.frequency)) {
        const auto width = ie::operatingWidth(result.informationElements);
        // Without any operation element the network runs legacy 20 MHz channels.
        const int widthCode = width ? wifi_mapping::widthCodeForOperatingWidth(*width) : 1;
        accessPoint.channel =
            ScannedChannel{*channel, widthCode, wifi_mapping::bandCodeForFrequency(result.frequency)};
    }
    accessPoint.supportedSecurity = securityCodes(result);
    return accessPoint;
}

} // namespace linuxscan

LinuxWiFiScanner::LinuxWiFiScanner(ScanTrigger& trigger, KernelScanSource& kernel,
                                   std::chrono::milliseconds scanTimeLimit)
    : m_trigger(trigger), m_kernel(kernel), m_scanTimeLimit(scanTimeLimit) {}

WiFiScanResult LinuxWiFiScanner::scan() {
    WiFiScanResult result;
    const auto interfaces = m_kernel.interfaces();
    const auto interface = interfaces ? linuxscan::chooseInterface(*interfaces) : std::nullopt;
    if (!interface)
        return result;
    result.interfaceFound = true;

    const ScanTrigger::Outcome outcome = m_trigger.requestScan(interface->name, m_scanTimeLimit);
    if (outcome.status != ScanTrigger::Outcome::Status::completed)
        result.scanProblem = outcome.message;

    const auto cached = m_kernel.scanResults(interface->index);
    if (!cached) {
        result.scanProblem = "Could not read the scan results: " + m_kernel.lastError();
        return result;
    }
    const auto survey = m_kernel.survey(interface->index);
    for (const auto& entry : *cached) {
        auto accessPoint = linuxscan::accessPointFor(entry, survey);
        if (entry.status == nl80211::bssStatusAssociated)
            result.currentBSSID = accessPoint.bssid;
        result.accessPoints.push_back(std::move(accessPoint));
    }
    return result;
}
