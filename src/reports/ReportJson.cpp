#include "reports/ReportJson.h"

#include <nlohmann/json.hpp>

namespace {

nlohmann::json pingJson(const PingStatistics& stats) {
    return {{"averageLatency", stats.averageLatency}, {"minLatency", stats.minLatency},
            {"maxLatency", stats.maxLatency},         {"jitter", stats.jitter},
            {"packetLoss", stats.packetLoss},         {"samples", stats.samplesCount}};
}

nlohmann::json optionalNumber(const std::optional<double>& value) {
    return value ? nlohmann::json(*value) : nlohmann::json(nullptr);
}

nlohmann::json phaseJson(const PhaseLatency& phase) {
    return {{"median", optionalNumber(phase.median)}, {"sent", phase.sent}, {"lost", phase.lost}};
}

nlohmann::json loadedLatencyJson(const SpeedTestResult& test) {
    const LoadedLatency& latency = test.loadedLatency;
    const auto grade = latency.grade();
    return {{"tested", iso8601(test.timestamp)},
            {"idle", phaseJson(latency.idle)},
            {"download", phaseJson(latency.download)},
            {"upload", phaseJson(latency.upload)},
            {"added", optionalNumber(latency.addedLatency())},
            {"grade", grade ? nlohmann::json(rawValue(*grade)) : nlohmann::json(nullptr)}};
}

} // namespace

bool internetAnswered(const PingStatistics& internet) {
    return internet.samplesCount > 0 && internet.packetLoss < 100.0;
}

std::string diagnosticReportJson(const DiagnosticReportInput& input, TimePoint exportedAt) {
    nlohmann::json report;
    report["exported"] = iso8601(exportedAt);
    if (input.wifi) {
        const WiFiInfo& w = *input.wifi;
        report["wifi"] = {{"ssid", w.ssid},
                          {"bssid", w.bssid ? nlohmann::json(*w.bssid) : nlohmann::json(nullptr)},
                          {"rssi", w.rssi},
                          {"noise", w.noise ? nlohmann::json(*w.noise) : nlohmann::json(nullptr)},
                          {"snr", w.noise ? nlohmann::json(w.rssi - *w.noise) : nlohmann::json(nullptr)},
                          {"channel", w.channel},
                          {"band", rawValue(w.band)},
                          {"channelWidth", w.channelWidth},
                          {"phyMode", w.phyMode},
                          {"security", w.securityType},
                          {"linkSpeed", w.transmitRate}};
    } else {
        report["wifi"] = nullptr;
    }
    report["quality"] = {{"score", input.quality.score}, {"rating", rawValue(input.quality.rating)}};
    report["router"] = pingJson(input.router);
    report["internet"] = pingJson(input.internet);
    report["internetAnswered"] = internetAnswered(input.internet);
    if (input.dns)
        report["dns"] = {{"lookupTime", input.dns->lookupTime},
                         {"success", input.dns->resolvedIP.has_value()},
                         {"server", input.dns->server}};
    else
        report["dns"] = nullptr;
    report["bandwidth"] = {{"downloadBytesPerSecond", input.downloadBytesPerSecond},
                           {"uploadBytesPerSecond", input.uploadBytesPerSecond}};
    report["latencyUnderLoad"] =
        input.speedTest ? loadedLatencyJson(*input.speedTest) : nlohmann::json(nullptr);
    // Replacement keeps a stray non-UTF-8 SSID from throwing.
    return report.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}
