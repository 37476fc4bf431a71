#include "diagnosis/TipGenerator.h"

#include "core/RuleText.h"
#include "core/Uuid.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace {

// Whole numbers are shown truncated toward zero, never rounded.
std::string truncated(double value) {
    char buffer[64];
    // Adding 0.0 turns a truncated -0.x into 0 rather than "-0".
    std::snprintf(buffer, sizeof buffer, "%.0f", std::trunc(value) + 0.0);
    return buffer;
}

std::string oneDecimal(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.1f", value);
    return buffer;
}

// A description with figures put in: its English pattern, and the figures for %1, %2, ...
struct Filled {
    const char* pattern;
    std::vector<std::string> arguments;
};

Tip makeTip(const char* icon, const char* title, Filled description, const char* action,
            TipPriority priority) {
    std::string text = fillIn(description.pattern, description.arguments);
    return Tip{makeUuid(),
               icon,
               title,
               std::move(text),
               std::string(action),
               priority,
               description.pattern,
               std::move(description.arguments)};
}

void addSignalTips(std::vector<Tip>& tips, const WiFiInfo& wifi) {
    if (wifi.rssi < -80) {
        tips.push_back(makeTip(
            "antenna.radiowaves.left.and.right.slash", QT_TRANSLATE_NOOP("Tip", "Weak Signal"),
            Filled{QT_TRANSLATE_NOOP("Tip", "Signal strength is very low (%1 dBm)."),
                   {std::to_string(wifi.rssi)}},
            QT_TRANSLATE_NOOP(
                "Tip", "Move closer to your router, or try removing obstacles like walls and furniture "
                       "between you and the router."),
            TipPriority::critical));
    } else if (wifi.rssi <= -71) {
        tips.push_back(makeTip(
            "antenna.radiowaves.left.and.right", QT_TRANSLATE_NOOP("Tip", "Fair Signal"),
            Filled{QT_TRANSLATE_NOOP("Tip", "Signal is moderate (%1 dBm) - good enough but could be better."),
                   {std::to_string(wifi.rssi)}},
            QT_TRANSLATE_NOOP("Tip",
                              "For better speeds, try moving closer to your router or to a different room."),
            TipPriority::warning));
    }
    if (wifi.band == WiFiBand::band2_4GHz) {
        tips.push_back(makeTip(
            "wifi", QT_TRANSLATE_NOOP("Tip", "Using 2.4 GHz Band"),
            Filled{QT_TRANSLATE_NOOP("Tip", "The 2.4 GHz band has good range but can be crowded and slower."),
                   {}},
            QT_TRANSLATE_NOOP("Tip",
                              "If your router has both bands, look for a network name ending in \"_5G\" or "
                              "\"5GHz\" in your WiFi settings for faster speeds."),
            TipPriority::info));
    }
    if (wifi.channelWidth < 80 && wifi.band == WiFiBand::band5GHz) {
        tips.push_back(makeTip(
            "arrow.left.and.right", QT_TRANSLATE_NOOP("Tip", "Narrow Channel Width"),
            Filled{QT_TRANSLATE_NOOP("Tip", "Your router is using a %1 MHz channel width."),
                   {std::to_string(wifi.channelWidth)}},
            QT_TRANSLATE_NOOP(
                "Tip", "Log into your router's admin page (usually 192.168.1.1) and look for \"Channel "
                       "Width\" or \"Bandwidth\" settings. Set it to 80 MHz for faster speeds."),
            TipPriority::info));
    }
    // Many drivers report no noise floor; without one the ratio is unknown, not low.
    if (wifi.noise && wifi.rssi - *wifi.noise < 20) {
        tips.push_back(makeTip(
            "waveform.path.ecg", QT_TRANSLATE_NOOP("Tip", "High Interference"),
            Filled{QT_TRANSLATE_NOOP(
                       "Tip",
                       "Signal-to-noise ratio is low (%1 dB) - other devices may be causing interference."),
                   {std::to_string(wifi.rssi - *wifi.noise)}},
            QT_TRANSLATE_NOOP(
                "Tip", "Move away from microwaves, baby monitors, or other electronics. You can also try "
                       "changing your router's WiFi channel in its admin settings."),
            TipPriority::warning));
    }
}

void addRouterTips(std::vector<Tip>& tips, const PingStatistics& router) {
    if (router.averageLatency > 10.0) {
        tips.push_back(makeTip(
            "clock.badge.exclamationmark", QT_TRANSLATE_NOOP("Tip", "Slow Router Response"),
            Filled{QT_TRANSLATE_NOOP("Tip", "Router is taking %1ms to respond (should be <5ms)."),
                   {truncated(router.averageLatency)}},
            QT_TRANSLATE_NOOP("Tip",
                              "Try restarting your router by unplugging it for 30 seconds. If the problem "
                              "persists, your router may be overloaded."),
            TipPriority::warning));
    }
    if (router.packetLoss > 0.0) {
        tips.push_back(makeTip(
            "exclamationmark.triangle", QT_TRANSLATE_NOOP("Tip", "Connection Dropping"),
            Filled{QT_TRANSLATE_NOOP("Tip", "%1% of data packets are being lost to your router."),
                   {oneDecimal(router.packetLoss)}},
            QT_TRANSLATE_NOOP(
                "Tip", "This usually means WiFi interference. Try moving closer to your router, or scan "
                       "nearby networks to find a less crowded channel."),
            TipPriority::critical));
    }
    if (router.jitter > 5.0) {
        tips.push_back(makeTip(
            "waveform", QT_TRANSLATE_NOOP("Tip", "Unstable Connection"),
            Filled{
                QT_TRANSLATE_NOOP(
                    "Tip", "Connection timing varies by %1ms (jitter). This affects video calls and gaming."),
                {truncated(router.jitter)}},
            QT_TRANSLATE_NOOP(
                "Tip", "Reduce the number of devices using WiFi, or connect your computer directly to the "
                       "router with an ethernet cable for important calls."),
            TipPriority::warning));
    }
}

void addInternetTips(std::vector<Tip>& tips, const PingStatistics& router, const PingStatistics& internet) {
    if (internet.averageLatency > 50.0) {
        tips.push_back(makeTip(
            "globe", QT_TRANSLATE_NOOP("Tip", "Slow Internet Response"),
            Filled{QT_TRANSLATE_NOOP("Tip", "Internet latency is %1ms (should be <30ms for most uses)."),
                   {truncated(internet.averageLatency)}},
            QT_TRANSLATE_NOOP(
                "Tip", "This is usually outside your control - it's between you and your ISP. For gaming "
                       "or video calls, try a wired connection."),
            TipPriority::warning));
    }
    if (internet.packetLoss > 1.0) {
        tips.push_back(makeTip(
            "xmark.icloud", QT_TRANSLATE_NOOP("Tip", "Internet Packet Loss"),
            Filled{QT_TRANSLATE_NOOP("Tip", "%1% of data is being lost on the way to the internet."),
                   {oneDecimal(internet.packetLoss)}},
            QT_TRANSLATE_NOOP(
                "Tip", "If your local network is fine (check router ping), contact your ISP - the problem "
                       "is on their end."),
            TipPriority::critical));
    }
    // Deliberately not gated on router samples: an empty router window averages 0 and still counts
    // as a fast local network.
    if (router.averageLatency < 10.0 && router.averageLatency * 3 < internet.averageLatency) {
        tips.push_back(makeTip(
            "building.2", QT_TRANSLATE_NOOP("Tip", "ISP Is the Bottleneck"),
            Filled{QT_TRANSLATE_NOOP("Tip", "Your local WiFi is fast, but the internet connection is slow."),
                   {}},
            QT_TRANSLATE_NOOP(
                "Tip", "The issue is with your Internet Service Provider, not your home network. Contact "
                       "them if speeds are significantly below what you're paying for."),
            TipPriority::info));
    }
}

void addDnsTips(std::vector<Tip>& tips, const DNSResult& dns) {
    if (dns.lookupTime > 100.0) {
        tips.push_back(makeTip(
            "magnifyingglass", QT_TRANSLATE_NOOP("Tip", "Slow DNS Lookup"),
            Filled{QT_TRANSLATE_NOOP("Tip", "Website name lookups taking %1ms (should be <50ms)."),
                   {truncated(dns.lookupTime)}},
            QT_TRANSLATE_NOOP(
                "Tip", "Use the DNS section below to switch to a faster DNS like Cloudflare (1.1.1.1) or "
                       "Google (8.8.8.8)."),
            TipPriority::warning));
    }
    if (!dns.resolvedIP) {
        tips.push_back(makeTip(
            "xmark.circle", QT_TRANSLATE_NOOP("Tip", "DNS Not Working"),
            Filled{QT_TRANSLATE_NOOP(
                       "Tip", "Cannot look up website names - this will prevent most websites from loading."),
                   {}},
            QT_TRANSLATE_NOOP(
                "Tip", "Try switching DNS servers using the Network Info section. If that doesn't help, "
                       "restart your router."),
            TipPriority::critical));
    }
}

} // namespace

std::vector<Tip> generateTips(const std::optional<WiFiInfo>& wifi, const PingStatistics& router,
                              const PingStatistics& internet, const std::optional<DNSResult>& dns) {
    std::vector<Tip> tips;
    if (wifi)
        addSignalTips(tips, *wifi);
    if (router.samplesCount > 0)
        addRouterTips(tips, router);
    if (internet.samplesCount > 0)
        addInternetTips(tips, router, internet);
    if (dns)
        addDnsTips(tips, *dns);
    std::stable_sort(tips.begin(), tips.end(),
                     [](const Tip& a, const Tip& b) { return rawValue(a.priority) > rawValue(b.priority); });
    return tips;
}
