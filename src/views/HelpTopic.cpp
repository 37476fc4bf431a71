#include "views/HelpTopic.h"

#include "core/RuleText.h"

namespace {

struct Entry {
    HelpTopic topic;
    std::string_view raw;
    std::string_view title;
    std::string_view symbol;
    std::string_view content;
};

constexpr Entry kEntries[] = {
    {HelpTopic::overview, "overview", QT_TRANSLATE_NOOP("HelpTopic", "Overview"), "house",
     QT_TRANSLATE_NOOP(
         "HelpTopic",
         "Linkmeter helps you understand and improve your wireless network connection.\n\n"
         "**Status View**\n"
         "The main view shows your connection quality at a glance with signal bars and a score from 0-100. "
         "Green means excellent, yellow is fair, and red indicates issues.\n\n"
         "**Diagnostics View**\n"
         "Click \"Diagnostics\" for detailed metrics including ping times, packet loss, DNS performance, "
         "bandwidth "
         "usage, and nearby network analysis.\n\n"
         "**Panel**\n"
         "The app lives in your panel's tray. You can customize what's shown (ping time, quality score, "
         "etc.) in "
         "Settings.")},
    {HelpTopic::signalStrength, "signalStrength", QT_TRANSLATE_NOOP("HelpTopic", "Signal Strength"),
     "antenna.radiowaves.left.and.right",
     QT_TRANSLATE_NOOP("HelpTopic", "Signal strength is measured in dBm (decibels relative to a milliwatt). "
                                    "The closer to 0, the stronger "
                                    "the "
                                    "signal.\n\n"
                                    "**Signal Levels:**\n"
                                    "• Excellent: -30 to -50 dBm (4 bars)\n"
                                    "• Good: -50 to -60 dBm (3 bars)\n"
                                    "• Fair: -60 to -70 dBm (2 bars)\n"
                                    "• Weak: -70 to -80 dBm (1 bar)\n"
                                    "• Very Weak: Below -80 dBm (0 bars)\n\n"
                                    "**What affects signal:**\n"
                                    "• Distance from router\n"
                                    "• Walls and obstacles\n"
                                    "• Interference from other devices\n"
                                    "• Router antenna orientation")},
    {HelpTopic::latencyPing, "latencyPing", QT_TRANSLATE_NOOP("HelpTopic", "Latency & Ping"), "clock",
     QT_TRANSLATE_NOOP(
         "HelpTopic",
         "Latency (ping) measures how long it takes for data to travel to a server and back, measured in "
         "milliseconds (ms).\n\n"
         "**Latency Levels:**\n"
         "• Excellent: Under 20ms\n"
         "• Good: 20-50ms\n"
         "• Fair: 50-100ms\n"
         "• Poor: Over 100ms\n\n"
         "**Two types of ping:**\n"
         "• **Router Ping**: Tests your connection to your router. High values here indicate local WiFi "
         "issues.\n"
         "• **Internet Ping**: Tests your connection to the internet (1.1.1.1). High values may indicate ISP "
         "issues.\n\n"
         "**Jitter** measures how much latency varies. Low jitter (under 10ms) is important for video calls "
         "and "
         "gaming.")},
    {HelpTopic::packetLoss, "packetLoss", QT_TRANSLATE_NOOP("HelpTopic", "Packet Loss"),
     "exclamationmark.triangle",
     QT_TRANSLATE_NOOP(
         "HelpTopic",
         "Packet loss occurs when data packets fail to reach their destination. Even small amounts can cause "
         "noticeable issues.\n\n"
         "**Packet Loss Levels:**\n"
         "• Excellent: 0%\n"
         "• Acceptable: Under 1%\n"
         "• Problematic: 1-5%\n"
         "• Severe: Over 5%\n\n"
         "**Effects of packet loss:**\n"
         "• Video calls: Frozen frames, audio dropouts\n"
         "• Gaming: Lag spikes, rubberbanding\n"
         "• Browsing: Slow page loads, timeouts\n\n"
         "**Common causes:**\n"
         "• WiFi interference\n"
         "• Congested network\n"
         "• Faulty hardware\n"
         "• ISP issues")},
    {HelpTopic::channelAnalysis, "channelAnalysis", QT_TRANSLATE_NOOP("HelpTopic", "Channel Analysis"),
     "chart.bar",
     QT_TRANSLATE_NOOP(
         "HelpTopic",
         "WiFi networks broadcast on specific channels. When multiple networks use the same channel, they "
         "interfere with each other.\n\n"
         "**2.4 GHz Band:**\n"
         "• Channels 1, 6, and 11 don't overlap\n"
         "• Best to use one of these three\n"
         "• Longer range but more congested\n\n"
         "**5 GHz Band:**\n"
         "• Many more non-overlapping channels\n"
         "• Faster speeds, less interference\n"
         "• Shorter range\n\n"
         "**Using the Channel Graph:**\n"
         "The graph shows how many networks are on each channel. Look for channels with fewer networks or "
         "lower "
         "signal strength from competing networks.")},
    // Network names need no permission here; a missing name means the link itself is not up.
    {HelpTopic::troubleshooting, "troubleshooting", QT_TRANSLATE_NOOP("HelpTopic", "Troubleshooting"),
     "wrench.and.screwdriver",
     QT_TRANSLATE_NOOP(
         "HelpTopic",
         "**Slow Connection**\n"
         "1. Check signal strength - move closer to router\n"
         "2. Switch to 5 GHz if available\n"
         "3. Check for channel congestion\n"
         "4. Restart your router\n\n"
         "**Intermittent Disconnections**\n"
         "1. Check for interference sources (microwaves, baby monitors)\n"
         "2. Update router firmware\n"
         "3. Change WiFi channel\n"
         "4. Check for overheating router\n\n"
         "**High Latency**\n"
         "1. Reduce number of connected devices\n"
         "2. Check for bandwidth-heavy applications\n"
         "3. Use wired connection for important tasks\n"
         "4. Contact ISP if internet ping is high but router ping is low\n\n"
         "**Can't See Network Name**\n"
         "Linux needs no location permission for it. Check in your desktop's network settings that Wi-Fi is "
         "on and connected.")},
};

const Entry& entry(HelpTopic topic) {
    for (const Entry& e : kEntries)
        if (e.topic == topic)
            return e;
    return kEntries[0];
}

} // namespace

std::string_view rawValue(HelpTopic topic) {
    return entry(topic).raw;
}

std::string_view title(HelpTopic topic) {
    return entry(topic).title;
}

std::string_view symbol(HelpTopic topic) {
    return entry(topic).symbol;
}

std::string_view content(HelpTopic topic) {
    return entry(topic).content;
}

const std::vector<std::string_view>& tips(HelpTopic topic) {
    static const std::vector<std::string_view> overview{
        QT_TRANSLATE_NOOP("HelpTopic", "Click the tray icon anytime to check your connection"),
        QT_TRANSLATE_NOOP("HelpTopic", "Use the Diagnostics view for detailed troubleshooting")};
    static const std::vector<std::string_view> signal{
        QT_TRANSLATE_NOOP("HelpTopic", "Position your router in a central location"),
        QT_TRANSLATE_NOOP("HelpTopic", "Keep the router elevated and away from walls"),
        QT_TRANSLATE_NOOP("HelpTopic", "5 GHz has shorter range but less interference")};
    static const std::vector<std::string_view> latency{
        QT_TRANSLATE_NOOP("HelpTopic", "Compare router vs internet ping to identify where issues are"),
        QT_TRANSLATE_NOOP("HelpTopic", "Use wired ethernet for gaming and video calls when possible")};
    static const std::vector<std::string_view> loss{
        QT_TRANSLATE_NOOP("HelpTopic", "Any packet loss above 0% should be investigated"),
        QT_TRANSLATE_NOOP("HelpTopic", "Try changing WiFi channels if packet loss is high")};
    static const std::vector<std::string_view> channels{
        QT_TRANSLATE_NOOP("HelpTopic", "Run a network scan to see what channels are crowded"),
        QT_TRANSLATE_NOOP("HelpTopic",
                          "Most routers let you change channel in their admin page (usually 192.168.1.1)")};
    static const std::vector<std::string_view> troubleshooting{
        QT_TRANSLATE_NOOP("HelpTopic", "Restart your router if you haven't in a while"),
        QT_TRANSLATE_NOOP("HelpTopic", "Check if the issue affects all devices or just one")};
    switch (topic) {
    case HelpTopic::overview:
        return overview;
    case HelpTopic::signalStrength:
        return signal;
    case HelpTopic::latencyPing:
        return latency;
    case HelpTopic::packetLoss:
        return loss;
    case HelpTopic::channelAnalysis:
        return channels;
    case HelpTopic::troubleshooting:
        break;
    }
    return troubleshooting;
}
