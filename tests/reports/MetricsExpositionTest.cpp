#include "reports/MetricsExposition.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>

namespace {

MetricsInput monitoring() {
    MetricsInput input;
    WiFiInfo wifi;
    wifi.ssid = "Home";
    wifi.bssid = "aa:bb:cc:dd:ee:ff";
    wifi.rssi = -58;
    wifi.noise = -92;
    wifi.channel = 36;
    wifi.band = WiFiBand::band5GHz;
    wifi.transmitRate = 866.5;
    wifi.securityType = "WPA2 Personal";
    input.wifi = wifi;
    input.quality = ConnectionQuality(-58, 23.75, 4.25, 2.5);
    input.router = {3.5, 0.25, 0.0, 1.0, 9.0, 60};
    input.internet = {23.75, 4.25, 2.5, 12.0, 80.0, 40};
    DNSResult dns;
    dns.lookupTime = 19.5;
    dns.resolvedIP = "104.16.132.229";
    input.dns = dns;
    input.throughput = {1'500'000, 15'400};
    input.portal = CaptivePortalStatus::connected();
    input.version = "0.1.0";
    return input;
}

bool has(const std::string& text, const std::string& line) {
    return text.find("\n" + line + "\n") != std::string::npos || text.starts_with(line + "\n");
}

// promtool's verdict on an exposition (0: valid and lint-clean), or none without promtool.
std::optional<int> promtoolCheck(const std::string& exposition, QString* output) {
    const QString promtool = QStandardPaths::findExecutable(QStringLiteral("promtool"));
    if (promtool.isEmpty())
        return std::nullopt;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(promtool, {QStringLiteral("check"), QStringLiteral("metrics")});
    process.write(exposition.data(), static_cast<qint64>(exposition.size()));
    process.closeWriteChannel();
    process.waitForFinished(30'000);
    *output = QString::fromUtf8(process.readAll());
    return process.exitCode();
}

} // namespace

TEST(MetricsExposition, BaseUnitsAndOneSampleEach) {
    const std::string text = metricsExposition(monitoring());
    EXPECT_TRUE(text.starts_with("# HELP linkmeter_quality_score "));
    EXPECT_TRUE(has(text, "# TYPE linkmeter_quality_score gauge"));
    EXPECT_TRUE(has(text, "linkmeter_quality_subscore{component=\"loss\"} " +
                              std::to_string(ConnectionQuality(-58, 23.75, 4.25, 2.5).breakdown.packetLoss)));
    // Milliseconds become seconds, percent a ratio, Mbit/s bytes per second.
    EXPECT_TRUE(has(text, "linkmeter_ping_latency_seconds{target=\"internet\"} 0.02375"));
    EXPECT_TRUE(has(text, "linkmeter_ping_jitter_seconds{target=\"internet\"} 0.00425"));
    EXPECT_TRUE(has(text, "linkmeter_ping_loss_ratio{target=\"internet\"} 0.025"));
    EXPECT_TRUE(has(text, "linkmeter_dns_lookup_seconds 0.0195"));
    EXPECT_TRUE(has(text, "linkmeter_dns_lookup_success 1"));
    EXPECT_TRUE(has(text, "linkmeter_wifi_signal_dbm -58"));
    EXPECT_TRUE(has(text, "linkmeter_wifi_noise_dbm -92"));
    EXPECT_TRUE(has(text, "linkmeter_wifi_transmit_rate_bytes_per_second 108312500"));
    EXPECT_TRUE(has(text, "linkmeter_throughput_bytes_per_second{direction=\"receive\"} 1500000"));
    EXPECT_TRUE(has(text, "linkmeter_wifi_info{ssid=\"Home\",bssid=\"aa:bb:cc:dd:ee:ff\",band=\"5 GHz\","
                          "channel=\"36\",security=\"WPA2 Personal\"} 1"));
    EXPECT_TRUE(has(text, "linkmeter_build_info{version=\"0.1.0\"} 1"));
    // Exactly one portal state holds.
    EXPECT_TRUE(has(text, "linkmeter_captive_portal{state=\"none\"} 1"));
    for (const char* state : {"portal", "no_internet", "unknown"})
        EXPECT_TRUE(has(text, "linkmeter_captive_portal{state=\"" + std::string(state) + "\"} 0")) << state;
    // Nothing of a speed test that has not run.
    EXPECT_EQ(text.find("speed_test"), std::string::npos);
    EXPECT_EQ(text.find("loaded_latency"), std::string::npos);
}

TEST(MetricsExposition, UnknownValuesAreLeftOutNotZero) {
    MetricsInput input = monitoring();
    input.wifi->noise.reset();
    input.internet = {0.0, 0.0, 100.0, 0.0, 0.0, 30}; // every echo lost
    input.router = {};                                // nothing sent yet
    input.quality.reset();
    input.dns.reset();
    input.portal = CaptivePortalStatus::noInternet("timed out");
    const std::string text = metricsExposition(input);
    for (const char* absent : {"linkmeter_wifi_noise_dbm", "linkmeter_ping_latency_seconds",
                               "linkmeter_ping_jitter", "target=\"router\"", "linkmeter_quality_score",
                               "linkmeter_quality_subscore", "linkmeter_dns_lookup"})
        EXPECT_EQ(text.find(absent), std::string::npos) << absent;
    EXPECT_TRUE(has(text, "linkmeter_ping_loss_ratio{target=\"internet\"} 1"));
    EXPECT_TRUE(has(text, "linkmeter_captive_portal{state=\"no_internet\"} 1"));

    input.wifi.reset();
    const std::string offline = metricsExposition(input);
    EXPECT_EQ(offline.find("linkmeter_wifi"), std::string::npos);
    EXPECT_TRUE(has(offline, "linkmeter_build_info{version=\"0.1.0\"} 1"));
}

TEST(MetricsExposition, LastSpeedTestWithItsLoadedLatency) {
    MetricsInput input = monitoring();
    SpeedTestResult test;
    test.downloadSpeed = 92.5;
    test.uploadSpeed = 18.25;
    test.loadedLatency = {{15.0, 10, 0}, {53.0, 30, 1}, {std::nullopt, 40, 40}};
    input.speedTest = test;
    const std::string text = metricsExposition(input);
    EXPECT_TRUE(has(text, "linkmeter_speed_test_bytes_per_second{direction=\"download\"} 11562500"));
    EXPECT_TRUE(has(text, "linkmeter_speed_test_bytes_per_second{direction=\"upload\"} 2281250"));
    EXPECT_TRUE(has(text, "linkmeter_loaded_latency_seconds{direction=\"download\"} 0.053"));
    EXPECT_EQ(text.find("linkmeter_loaded_latency_seconds{direction=\"upload\"}"), std::string::npos);
}

TEST(MetricsExposition, LabelValuesAreEscapedAndAlwaysValidUtf8) {
    EXPECT_EQ(labelValue("plain"), "plain");
    EXPECT_EQ(labelValue("a\"b\\c\nd"), "a\\\"b\\\\c\\nd");
    EXPECT_EQ(labelValue("caf\xC3\xA9 \xF0\x9F\x93\xB6"), "caf\xC3\xA9 \xF0\x9F\x93\xB6");
    // Tabs, carriage returns and NUL are allowed as they are.
    EXPECT_EQ(labelValue(std::string("a\tb\rc\0d", 7)), std::string("a\tb\rc\0d", 7));
    const std::string replacement = "\xEF\xBF\xBD";
    EXPECT_EQ(labelValue("\xFF"), replacement);
    EXPECT_EQ(labelValue("\xC0\xAF"), replacement + replacement);                   // overlong slash
    EXPECT_EQ(labelValue("\xED\xA0\x80"), replacement + replacement + replacement); // a UTF-16 surrogate
    EXPECT_EQ(labelValue("\xF4\x90\x80\x80").size(), 4 * replacement.size());       // past U+10FFFF
    EXPECT_EQ(labelValue("ab\xE2\x82"), "ab" + replacement + replacement);          // cut short
    EXPECT_EQ(labelValue("\xE2\x82\xAC\""), "\xE2\x82\xAC\\\"");
}

TEST(MetricsExposition, PromtoolAcceptsAHostileNetworkName) {
    MetricsInput input = monitoring();
    static constexpr char hostile[] = "\"quoted\" \\back\nline\r\t\xFF\xC0\0end";
    input.wifi->ssid = std::string(hostile, sizeof hostile - 1); // the NUL inside included
    input.wifi->bssid.reset();
    input.wifi->securityType = "\xE2\x80\xAE reversed";
    SpeedTestResult test;
    test.loadedLatency = {{15.0, 10, 0}, {53.0, 30, 1}, {40.0, 40, 0}};
    input.speedTest = test;
    QString output;
    const auto verdict = promtoolCheck(metricsExposition(input), &output);
    if (!verdict)
        GTEST_SKIP() << "promtool is not installed (Debian package prometheus)";
    EXPECT_EQ(*verdict, 0) << output.toStdString();
}
