#include "reports/ReportText.h"

#include "probes/BandwidthSpeed.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace {

std::string fixed(double value, int decimals) {
    char text[512]; // room for the largest double in full
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

void pingSection(std::string& out, std::string_view title, const PingStatistics& stats) {
    out += title;
    out += "\nField,Value\n";
    out += "Average Latency," + fixed(stats.averageLatency, 1) + " ms\n";
    out += "Min Latency," + fixed(stats.minLatency, 1) + " ms\n";
    out += "Max Latency," + fixed(stats.maxLatency, 1) + " ms\n";
    out += "Jitter," + fixed(stats.jitter, 1) + " ms\n";
    out += "Packet Loss," + fixed(stats.packetLoss, 1) + "%\n";
    out += "Samples," + std::to_string(stats.samplesCount) + "\n\n";
}

void wifiSection(std::string& out, const std::optional<WiFiInfo>& wifi) {
    out += "WiFi Information\nField,Value\n";
    if (!wifi) {
        out += "Status,Not Connected\n";
        return;
    }
    out += "SSID," + quotedField(wifi->ssid) + "\n";
    out += "BSSID," + quotedField(wifi->bssid.value_or("N/A")) + "\n";
    out += "Signal (RSSI)," + std::to_string(wifi->rssi) + " dBm\n";
    // Many drivers measure no noise floor: say so rather than print a made-up number.
    if (wifi->noise) {
        out += "Noise," + std::to_string(*wifi->noise) + " dBm\n";
        out += "SNR," + std::to_string(wifi->rssi - *wifi->noise) + " dB\n";
    } else {
        out += "Noise,N/A\nSNR,N/A\n";
    }
    out += "Channel," + std::to_string(wifi->channel) + "\n";
    out += "Band," + quotedField(rawValue(wifi->band)) + "\n";
    out += "Channel Width," + std::to_string(wifi->channelWidth) + " MHz\n";
    out += "PHY Mode," + quotedField(wifi->phyMode) + "\n";
    out += "Security," + quotedField(wifi->securityType) + "\n";
    out += "Link Speed," + shortestDecimal(wifi->transmitRate) + " Mbps\n";
}

std::string milliseconds(const std::optional<double>& value) {
    return value ? fixed(*value, 1) + " ms" : "N/A";
}

// Only after a speed test: the section reports what the test saw, and there is nothing to say before.
void loadedLatencySection(std::string& out, const SpeedTestResult& test) {
    const LoadedLatency& latency = test.loadedLatency;
    const auto grade = latency.grade();
    const PhaseLatency* phases[] = {&latency.idle, &latency.download, &latency.upload};
    int sent = 0;
    int lost = 0;
    for (const PhaseLatency* phase : phases) {
        sent += phase->sent;
        lost += phase->lost;
    }
    out += "\nLatency Under Load\nField,Value\n";
    out += "Tested," + iso8601(test.timestamp) + "\n";
    out += "Idle," + milliseconds(latency.idle.median) + "\n";
    out += "During Download," + milliseconds(latency.download.median) + "\n";
    out += "During Upload," + milliseconds(latency.upload.median) + "\n";
    out += "Added," + milliseconds(latency.addedLatency()) + "\n";
    out += "Grade," + quotedField(grade ? rawValue(*grade) : "N/A") + "\n";
    out += "Pings Lost," + std::to_string(lost) + " of " + std::to_string(sent) + "\n";
}

// Element `index` of `values` in the given format, or an empty field past its end.
std::string field(const std::vector<double>& values, std::size_t index, int decimals) {
    std::string text = ",";
    if (index < values.size())
        text += fixed(values[index], decimals);
    return text;
}

std::tm brokenDown(TimePoint time, bool local) {
    const std::time_t seconds =
        std::chrono::system_clock::to_time_t(std::chrono::floor<std::chrono::seconds>(time));
    std::tm parts{};
    if (local)
        localtime_r(&seconds, &parts);
    else
        gmtime_r(&seconds, &parts);
    return parts;
}

std::string formatTime(TimePoint time, bool local, const char* pattern) {
    const std::tm parts = brokenDown(time, local);
    char text[64];
    const std::size_t length = std::strftime(text, sizeof text, pattern, &parts);
    return std::string(text, length);
}

} // namespace

std::string_view signalLabel(int rssi) {
    if (rssi >= -50)
        return "Excellent";
    if (rssi >= -60)
        return "Good";
    if (rssi >= -70)
        return "Fair";
    if (rssi >= -80)
        return "Weak";
    return "Poor";
}

std::string quotedField(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

std::string shortestDecimal(double value) {
    char text[64];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value);
    std::string result(text, error == std::errc() ? end : text);
    if (std::isfinite(value) && result.find_first_of(".e") == std::string::npos)
        result += ".0";
    return result;
}

std::string fixedDecimal(double value, int decimals) {
    return fixed(value, decimals);
}

std::string iso8601(TimePoint time) {
    return formatTime(time, false, "%Y-%m-%dT%H:%M:%SZ");
}

std::string proposedFileName(std::string_view base, TimePoint time) {
    return std::string(base) + "-" + formatTime(time, true, "%Y-%m-%d-%H%M%S") + ".csv";
}

std::string diagnosticReportText(const DiagnosticReportInput& input, TimePoint exportedAt) {
    std::string out = "Linkmeter Diagnostic Report\n";
    out += "Exported: " + iso8601(exportedAt) + "\n\n";
    wifiSection(out, input.wifi);
    out += "\n";

    out += "Connection Quality\nField,Value\n";
    out += "Overall Score," + std::to_string(input.quality.score) + "\n";
    out += "Rating," + quotedField(rawValue(input.quality.rating)) + "\n\n";

    pingSection(out, "Router Ping Statistics", input.router);
    pingSection(out, "Internet Ping Statistics", input.internet);

    out += "DNS Performance\nField,Value\n";
    if (!input.dns) {
        out += "Status,No data\n";
    } else {
        out += "Lookup Time," + fixed(input.dns->lookupTime, 1) + " ms\n";
        out += std::string("Status,") + (input.dns->resolvedIP ? "Success" : "Failed") + "\n";
        out += "Server," + quotedField(input.dns->server) + "\n";
    }
    out += "\n";

    out += "Current Bandwidth\nField,Value\n";
    out += "Download," + quotedField(formatSpeed(input.downloadBytesPerSecond)) + "\n";
    out += "Upload," + quotedField(formatSpeed(input.uploadBytesPerSecond)) + "\n";
    if (input.speedTest)
        loadedLatencySection(out, *input.speedTest);
    return out;
}

std::string historyText(const HistoryInput& input, TimePoint exportedAt) {
    std::string out = "Linkmeter History Export\n";
    out += "Exported: " + iso8601(exportedAt) + "\n\n";
    out += "Sample,Router Ping (ms),Internet Ping (ms),DNS (ms),Download (B/s),Upload (B/s)\n";
    const std::size_t rows = std::max({input.routerPing.size(), input.internetPing.size(), input.dns.size(),
                                       input.download.size(), input.upload.size()});
    for (std::size_t i = 0; i < rows; ++i) {
        out += std::to_string(i + 1);
        out += field(input.routerPing, i, 1);
        out += field(input.internetPing, i, 1);
        out += field(input.dns, i, 1);
        out += field(input.download, i, 0);
        out += field(input.upload, i, 0);
        out += "\n";
    }
    return out;
}

std::string summaryText(const SummaryInput& input) {
    std::string out = "WiFi Diagnostics Summary\n========================\n\n";
    if (input.wifi) {
        out += "Network: " + input.wifi->ssid + "\n";
        out += "Signal: " + std::to_string(input.wifi->rssi) + " dBm (" +
               std::string(signalLabel(input.wifi->rssi)) + ")\n";
        out += "Channel: " + std::to_string(input.wifi->channel) + " (" +
               std::string(rawValue(input.wifi->band)) + ")\n\n";
    }
    out += "Quality Score: " + std::to_string(input.score) + "/100 (" + std::string(rawValue(input.rating)) +
           ")\n\n";
    out += "Router Ping: " + fixed(input.routerAverage, 1) + " ms\n";
    out += "Internet Ping: " + fixed(input.internetAverage, 1) + " ms\n";
    out += "Packet Loss: " + fixed(input.internetLoss, 1) + "%\n";
    if (input.loadedLatency)
        out += underLoadText(*input.loadedLatency) + "\n";
    return out;
}
