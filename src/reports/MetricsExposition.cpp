#include "reports/MetricsExposition.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

namespace {

using Labels = std::vector<std::pair<std::string_view, std::string>>;

// One family: help and type, then its samples. A family without samples is left out entirely.
class Family {
public:
    Family(std::string_view name, std::string_view help) : m_name(name), m_help(help) {}

    Family& add(double value, Labels labels = {}) {
        if (!std::isfinite(value))
            return *this;
        m_samples += m_name;
        if (!labels.empty()) {
            m_samples += '{';
            for (std::size_t i = 0; i < labels.size(); ++i) {
                if (i > 0)
                    m_samples += ',';
                m_samples += labels[i].first;
                m_samples += "=\"";
                m_samples += labelValue(labels[i].second);
                m_samples += '"';
            }
            m_samples += '}';
        }
        m_samples += ' ';
        m_samples += number(value);
        m_samples += '\n';
        return *this;
    }

    void writeTo(std::string& out) const {
        if (m_samples.empty())
            return;
        out += "# HELP ";
        out += m_name;
        out += ' ';
        out += m_help;
        out += "\n# TYPE ";
        out += m_name;
        out += " gauge\n";
        out += m_samples;
    }

private:
    static std::string number(double value) {
        char text[32];
        const auto [end, error] = std::to_chars(text, text + sizeof text, value);
        return error == std::errc() ? std::string(text, end) : std::string("NaN");
    }

    std::string_view m_name;
    std::string_view m_help;
    std::string m_samples;
};

// Dividing (not multiplying by 0.001) keeps the shortest text of 19.5 ms at 0.0195.
constexpr double kMillisecondsPerSecond = 1000.0;
// Prometheus counts data in bytes, rates of links and tests included.
constexpr double kMegabitsInBytes = 1e6 / 8.0;

std::string_view portalState(CaptivePortalStatus::Kind kind) {
    switch (kind) {
    case CaptivePortalStatus::Kind::connected:
        return "none";
    case CaptivePortalStatus::Kind::captivePortal:
        return "portal";
    case CaptivePortalStatus::Kind::noInternet:
        return "no_internet";
    case CaptivePortalStatus::Kind::unknown:
        break;
    }
    return "unknown";
}

// Length of the valid UTF-8 sequence at the start of `text`, or 0 when it does not start with one.
std::size_t validSequence(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const std::uint8_t lead = byte(0);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    std::uint8_t low = 0x80;
    std::uint8_t high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        // No overlong forms, no UTF-16 surrogates.
        if (lead == 0xE0)
            low = 0xA0;
        if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        // Nothing overlong, nothing past U+10FFFF.
        if (lead == 0xF0)
            low = 0x90;
        if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (text.size() < length)
        return 0;
    if (byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (byte(i) < 0x80 || byte(i) > 0xBF)
            return 0;
    return length;
}

} // namespace

std::string labelValue(std::string_view raw) {
    std::string out;
    out.reserve(raw.size());
    while (!raw.empty()) {
        const std::size_t length = validSequence(raw);
        if (length == 0) {
            out += "\xEF\xBF\xBD"; // U+FFFD
            raw.remove_prefix(1);
            continue;
        }
        if (length == 1) {
            switch (raw.front()) {
            case '\\':
                out += "\\\\";
                break;
            case '"':
                out += "\\\"";
                break;
            case '\n':
                out += "\\n";
                break;
            default:
                out += raw.front();
            }
        } else {
            out.append(raw.substr(0, length));
        }
        raw.remove_prefix(length);
    }
    return out;
}

std::string metricsExposition(const MetricsInput& input) {
    std::string out;

    Family score("linkmeter_quality_score", "Connection quality score from 0 to 100.");
    Family subscore("linkmeter_quality_subscore", "Sub-scores behind the quality score, each from 0 to 100.");
    if (input.quality) {
        const QualityBreakdown& parts = input.quality->breakdown;
        score.add(input.quality->score);
        subscore.add(parts.signal, {{"component", "signal"}})
            .add(parts.latency, {{"component", "latency"}})
            .add(parts.jitter, {{"component", "jitter"}})
            .add(parts.packetLoss, {{"component", "loss"}});
    }
    score.writeTo(out);
    subscore.writeTo(out);

    Family latency("linkmeter_ping_latency_seconds",
                   "Average round trip of the answered pings in the recent window.");
    Family jitter("linkmeter_ping_jitter_seconds",
                  "Mean difference between successive answered round trips in the recent window.");
    Family loss("linkmeter_ping_loss_ratio", "Share of the pings in the recent window that went unanswered.");
    for (const auto& [target, stats] :
         {std::pair{"router", &input.router}, std::pair{"internet", &input.internet}}) {
        if (stats->samplesCount == 0)
            continue;
        loss.add(stats->packetLoss / 100.0, {{"target", target}});
        // With every ping lost there is no round trip to speak of.
        if (stats->packetLoss >= 100.0)
            continue;
        latency.add(stats->averageLatency / kMillisecondsPerSecond, {{"target", target}});
        jitter.add(stats->jitter / kMillisecondsPerSecond, {{"target", target}});
    }
    latency.writeTo(out);
    jitter.writeTo(out);
    loss.writeTo(out);

    Family lookup("linkmeter_dns_lookup_seconds", "Duration of the last DNS lookup, failed ones included.");
    Family lookupSuccess("linkmeter_dns_lookup_success",
                         "1 when the last DNS lookup returned an address, else 0.");
    if (input.dns) {
        lookup.add(input.dns->lookupTime / kMillisecondsPerSecond);
        lookupSuccess.add(input.dns->resolvedIP ? 1 : 0);
    }
    lookup.writeTo(out);
    lookupSuccess.writeTo(out);

    Family signal("linkmeter_wifi_signal_dbm", "Received signal strength of the Wi-Fi link.");
    Family noise("linkmeter_wifi_noise_dbm", "Noise floor of the Wi-Fi link, where the driver reports one.");
    Family rate("linkmeter_wifi_transmit_rate_bytes_per_second", "Transmit rate of the Wi-Fi link.");
    Family info("linkmeter_wifi_info", "The current Wi-Fi link; the value is always 1.");
    if (const auto& wifi = input.wifi) {
        signal.add(wifi->rssi);
        if (wifi->noise)
            noise.add(*wifi->noise);
        rate.add(wifi->transmitRate * kMegabitsInBytes);
        info.add(1, {{"ssid", wifi->ssid},
                     {"bssid", wifi->bssid.value_or("")},
                     {"band", std::string(rawValue(wifi->band))},
                     {"channel", std::to_string(wifi->channel)},
                     {"security", wifi->securityType}});
    }
    signal.writeTo(out);
    noise.writeTo(out);
    rate.writeTo(out);

    Family throughput("linkmeter_throughput_bytes_per_second", "Traffic through the network interfaces.");
    throughput.add(input.throughput.downloadBytesPerSecond, {{"direction", "receive"}})
        .add(input.throughput.uploadBytesPerSecond, {{"direction", "transmit"}});
    throughput.writeTo(out);

    Family portal("linkmeter_captive_portal",
                  "Result of the last captive-portal check: 1 for the state found.");
    const std::string_view found = portalState(input.portal.kind());
    for (const char* state : {"none", "portal", "no_internet", "unknown"})
        portal.add(found == state ? 1 : 0, {{"state", state}});
    portal.writeTo(out);

    Family speed("linkmeter_speed_test_bytes_per_second", "Rates of the last speed test.");
    Family loaded("linkmeter_loaded_latency_seconds",
                  "Median round trip while the last speed test's transfer ran.");
    if (const auto& test = input.speedTest) {
        speed.add(test->downloadSpeed * kMegabitsInBytes, {{"direction", "download"}})
            .add(test->uploadSpeed * kMegabitsInBytes, {{"direction", "upload"}});
        if (const auto& median = test->loadedLatency.download.median)
            loaded.add(*median / kMillisecondsPerSecond, {{"direction", "download"}});
        if (const auto& median = test->loadedLatency.upload.median)
            loaded.add(*median / kMillisecondsPerSecond, {{"direction", "upload"}});
    }
    speed.writeTo(out);
    loaded.writeTo(out);

    info.writeTo(out);
    Family build("linkmeter_build_info", "The running Linkmeter; the value is always 1.");
    build.add(1, {{"version", input.version}});
    build.writeTo(out);
    return out;
}
