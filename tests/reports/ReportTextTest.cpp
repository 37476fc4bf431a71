#include "reports/ReportText.h"
#include "reports/ReportJson.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <cstdlib>

namespace {

using namespace std::chrono_literals;

// 2025-03-01 12:34:56 UTC.
const TimePoint kExported =
    TimePoint(std::chrono::sys_days(std::chrono::year(2025) / 3 / 1)) + 12h + 34min + 56s;

PingStatistics stats(double average, double minimum, double maximum, double jitter, double loss,
                     int samples) {
    return {average, jitter, loss, minimum, maximum, samples};
}

WiFiInfo homeLink() {
    WiFiInfo wifi;
    wifi.ssid = "Home, \"5G\"";
    wifi.bssid = "aa:bb:cc:dd:ee:ff";
    wifi.rssi = -67;
    wifi.noise = -92;
    wifi.channel = 36;
    wifi.band = WiFiBand::band5GHz;
    wifi.channelWidth = 80;
    wifi.transmitRate = 866;
    wifi.phyMode = "802.11ac";
    wifi.securityType = "WPA2 Personal";
    return wifi;
}

DiagnosticReportInput reportInput() {
    DiagnosticReportInput input;
    input.router = stats(3.25, 1.0, 9.96, 0.44, 0.0, 60);
    input.internet = stats(23.75, 12.0, 80.0, 4.2, 1.6666, 60);
    DNSResult dns;
    dns.server = "192.168.1.1";
    dns.lookupTime = 19.62;
    dns.domain = "cloudflare.com";
    input.dns = dns;
    input.quality.score = 83;
    input.quality.rating = QualityRating::good;
    input.downloadBytesPerSecond = 1'234'567;
    input.uploadBytesPerSecond = 999;
    return input;
}

const char* const kQualityToEnd = "Connection Quality\n"
                                  "Field,Value\n"
                                  "Overall Score,83\n"
                                  "Rating,\"Good\"\n"
                                  "\n"
                                  "Router Ping Statistics\n"
                                  "Field,Value\n"
                                  "Average Latency,3.2 ms\n"
                                  "Min Latency,1.0 ms\n"
                                  "Max Latency,10.0 ms\n"
                                  "Jitter,0.4 ms\n"
                                  "Packet Loss,0.0%\n"
                                  "Samples,60\n"
                                  "\n"
                                  "Internet Ping Statistics\n"
                                  "Field,Value\n"
                                  "Average Latency,23.8 ms\n"
                                  "Min Latency,12.0 ms\n"
                                  "Max Latency,80.0 ms\n"
                                  "Jitter,4.2 ms\n"
                                  "Packet Loss,1.7%\n"
                                  "Samples,60\n"
                                  "\n"
                                  "DNS Performance\n"
                                  "Field,Value\n"
                                  "Lookup Time,19.6 ms\n"
                                  "Status,Failed\n"
                                  "Server,\"192.168.1.1\"\n"
                                  "\n"
                                  "Current Bandwidth\n"
                                  "Field,Value\n"
                                  "Download,\"1.2 MB/s\"\n"
                                  "Upload,\"999 B/s\"\n";

} // namespace

TEST(DiagnosticReport, FullLinkEveryRowInOrder) {
    DiagnosticReportInput input = reportInput();
    input.wifi = homeLink();
    EXPECT_EQ(diagnosticReportText(input, kExported), std::string("Linkmeter Diagnostic Report\n"
                                                                  "Exported: 2025-03-01T12:34:56Z\n"
                                                                  "\n"
                                                                  "WiFi Information\n"
                                                                  "Field,Value\n"
                                                                  "SSID,\"Home, \"\"5G\"\"\"\n"
                                                                  "BSSID,\"aa:bb:cc:dd:ee:ff\"\n"
                                                                  "Signal (RSSI),-67 dBm\n"
                                                                  "Noise,-92 dBm\n"
                                                                  "SNR,25 dB\n"
                                                                  "Channel,36\n"
                                                                  "Band,\"5 GHz\"\n"
                                                                  "Channel Width,80 MHz\n"
                                                                  "PHY Mode,\"802.11ac\"\n"
                                                                  "Security,\"WPA2 Personal\"\n"
                                                                  "Link Speed,866.0 Mbps\n"
                                                                  "\n") +
                                                          kQualityToEnd);
}

TEST(DiagnosticReport, NoLinkAndLinksWithoutNoiseOrBssid) {
    DiagnosticReportInput input = reportInput();
    EXPECT_EQ(diagnosticReportText(input, kExported), std::string("Linkmeter Diagnostic Report\n"
                                                                  "Exported: 2025-03-01T12:34:56Z\n"
                                                                  "\n"
                                                                  "WiFi Information\n"
                                                                  "Field,Value\n"
                                                                  "Status,Not Connected\n"
                                                                  "\n") +
                                                          kQualityToEnd);

    WiFiInfo bare = homeLink();
    bare.noise.reset();
    bare.bssid.reset();
    bare.transmitRate = 144.5;
    input.wifi = bare;
    const std::string text = diagnosticReportText(input, kExported);
    EXPECT_NE(text.find("BSSID,\"N/A\"\nSignal (RSSI),-67 dBm\nNoise,N/A\nSNR,N/A\nChannel,36\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("Link Speed,144.5 Mbps\n"), std::string::npos);

    input.dns.reset();
    EXPECT_NE(diagnosticReportText(input, kExported).find("DNS Performance\nField,Value\nStatus,No data\n\n"),
              std::string::npos);
    input.dns = reportInput().dns;
    input.dns->resolvedIP = "104.16.132.229";
    EXPECT_NE(diagnosticReportText(input, kExported).find("Status,Success\n"), std::string::npos);
}

TEST(HistoryExport, RowsAlignedByPositionWithEmptyFieldsPastAShortList) {
    HistoryInput input;
    for (int i = 0; i < 60; ++i) {
        input.routerPing.push_back(1.04 + i);
        input.internetPing.push_back(20.25 + i);
    }
    for (int i = 0; i < 30; ++i) {
        input.download.push_back(1500.5 + i);
        input.upload.push_back(99.4);
    }
    const std::string text = historyText(input, kExported);
    const std::string header =
        "Linkmeter History Export\n"
        "Exported: 2025-03-01T12:34:56Z\n"
        "\n"
        "Sample,Router Ping (ms),Internet Ping (ms),DNS (ms),Download (B/s),Upload (B/s)\n";
    ASSERT_EQ(text.substr(0, header.size()), header);
    std::vector<std::string> rows;
    for (std::size_t start = header.size(); start < text.size();) {
        const std::size_t end = text.find('\n', start);
        rows.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    ASSERT_EQ(rows.size(), 60u);
    EXPECT_EQ(rows[0], "1,1.0,20.2,,1500,99"); // "%.0f" rounds half to even: 1500.5 gives 1500
    EXPECT_EQ(rows[29], "30,30.0,49.2,,1530,99");
    EXPECT_EQ(rows[30], "31,31.0,50.2,,,");
    EXPECT_EQ(rows[59], "60,60.0,79.2,,,");
    EXPECT_EQ(text.back(), '\n');

    EXPECT_EQ(historyText(HistoryInput{}, kExported), header);
}

TEST(Summary, LinkLinesOnlyWithALinkAndSignalLabelsAtTheirEdges) {
    SummaryInput input;
    input.score = 83;
    input.rating = QualityRating::good;
    input.routerAverage = 3.25;
    input.internetAverage = 23.75;
    input.internetLoss = 1.6666;
    const std::string tail = "Quality Score: 83/100 (Good)\n"
                             "\n"
                             "Router Ping: 3.2 ms\n"
                             "Internet Ping: 23.8 ms\n"
                             "Packet Loss: 1.7%\n";
    EXPECT_EQ(summaryText(input), "WiFi Diagnostics Summary\n========================\n\n" + tail);

    input.wifi = homeLink();
    EXPECT_EQ(summaryText(input), "WiFi Diagnostics Summary\n"
                                  "========================\n"
                                  "\n"
                                  "Network: Home, \"5G\"\n"
                                  "Signal: -67 dBm (Fair)\n"
                                  "Channel: 36 (5 GHz)\n"
                                  "\n" +
                                      tail);

    const std::pair<int, const char*> labels[] = {{-50, "Excellent"}, {-51, "Good"}, {-60, "Good"},
                                                  {-61, "Fair"},      {-80, "Weak"}, {-81, "Poor"}};
    for (const auto& [rssi, label] : labels)
        EXPECT_EQ(signalLabel(rssi), label) << rssi;
}

TEST(DiagnosticReport, LatencyUnderLoadAfterASpeedTestOnly) {
    DiagnosticReportInput input = reportInput();
    const std::string before = diagnosticReportText(input, kExported);
    EXPECT_EQ(before.find("Latency Under Load"), std::string::npos);
    EXPECT_TRUE(nlohmann::json::parse(diagnosticReportJson(input, kExported))["latencyUnderLoad"].is_null());

    SpeedTestResult test;
    test.timestamp = kExported - 5min;
    test.loadedLatency = {{15.04, 10, 0}, {53.1, 30, 2}, {std::nullopt, 40, 40}};
    input.speedTest = test;
    EXPECT_EQ(diagnosticReportText(input, kExported), before + "\n"
                                                               "Latency Under Load\n"
                                                               "Field,Value\n"
                                                               "Tested,2025-03-01T12:29:56Z\n"
                                                               "Idle,15.0 ms\n"
                                                               "During Download,53.1 ms\n"
                                                               "During Upload,N/A\n"
                                                               "Added,38.1 ms\n"
                                                               "Grade,\"B\"\n"
                                                               "Pings Lost,42 of 80\n");

    const auto json = nlohmann::json::parse(diagnosticReportJson(input, kExported))["latencyUnderLoad"];
    EXPECT_EQ(json["tested"], "2025-03-01T12:29:56Z");
    EXPECT_EQ(json["idle"], nlohmann::json({{"median", 15.04}, {"sent", 10}, {"lost", 0}}));
    EXPECT_TRUE(json["upload"]["median"].is_null());
    EXPECT_EQ(json["upload"]["lost"], 40);
    EXPECT_NEAR(json["added"].get<double>(), 38.06, 1e-9);
    EXPECT_EQ(json["grade"], "B");

    // Without an idle figure there is no grade to give.
    input.speedTest->loadedLatency.idle = {std::nullopt, 10, 10};
    const std::string text = diagnosticReportText(input, kExported);
    EXPECT_NE(text.find("Idle,N/A\n"), std::string::npos);
    EXPECT_NE(text.find("Added,N/A\nGrade,\"N/A\"\n"), std::string::npos);
    EXPECT_TRUE(
        nlohmann::json::parse(diagnosticReportJson(input, kExported))["latencyUnderLoad"]["grade"].is_null());

    SummaryInput summary;
    summary.loadedLatency = test.loadedLatency;
    EXPECT_TRUE(summaryText(summary).ends_with("Packet Loss: 0.0%\nUnder load: +38 ms \u00b7 B\n"));
}

TEST(ReportFormats, FileNameUsesLocalTimeAndNumbersReadBack) {
    setenv("TZ", "CET-1", 1); // one hour east of UTC, without the time zone database
    tzset();
    EXPECT_EQ(proposedFileName("wifi-diagnostics", kExported), "wifi-diagnostics-2025-03-01-133456.csv");
    unsetenv("TZ");
    tzset();

    EXPECT_EQ(shortestDecimal(866), "866.0");
    EXPECT_EQ(shortestDecimal(144.5), "144.5");
    EXPECT_EQ(shortestDecimal(0.1 + 0.2), "0.30000000000000004");
    EXPECT_EQ(quotedField("a\"b"), "\"a\"\"b\"");
}
