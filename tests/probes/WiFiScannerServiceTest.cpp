#include "probes/WiFiScannerService.h"
#include "platform/WiFiScanner.h"
#include "support/ManualClock.h"
#include "support/TestUtil.h"
#include "system/linux/LinuxWiFiScanner.h"
#include "system/linux/NetworkManagerScanTrigger.h"
#include "system/linux/Nl80211ScanSource.h"

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <stdexcept>

namespace {

using namespace std::chrono_literals;

// Answers scans with a scripted result; can hold a scan until the test releases it.
class FakeWiFiScanner final : public WiFiScanner {
public:
    WiFiScanResult scan() override {
        ++calls;
        std::unique_lock lock(m_mutex);
        m_released.wait(lock, [this] { return !m_holding; });
        if (throws)
            throw std::runtime_error("driver went away");
        return result;
    }

    void hold() {
        std::lock_guard lock(m_mutex);
        m_holding = true;
    }
    void release() {
        {
            std::lock_guard lock(m_mutex);
            m_holding = false;
        }
        m_released.notify_all();
    }

    WiFiScanResult result;
    bool throws = false;
    std::atomic<int> calls{0};

private:
    std::mutex m_mutex;
    std::condition_variable m_released;
    bool m_holding = false;
};

ScannedAccessPoint accessPoint(std::string bssid, int rssi, int channel, int bandCode = 1) {
    return ScannedAccessPoint{
        "net-" + bssid, bssid, rssi, std::nullopt, ScannedChannel{channel, 1, bandCode}, {4}};
}

class WiFiScannerServiceTest : public ::testing::Test {
protected:
    void scanAndWait() {
        service.startScan();
        ASSERT_TRUE(waitUntil([&] { return !service.isScanning(); }));
    }

    FakeWiFiScanner scanner;
    ManualClock clock;
    WiFiScannerService service{scanner, clock};
};

TEST_F(WiFiScannerServiceTest, SuccessfulScanPublishesSortedNetworksAndAnalysis) {
    scanner.result.interfaceFound = true;
    scanner.result.currentBSSID = "00:00:00:00:00:02";
    scanner.result.accessPoints = {accessPoint("00:00:00:00:00:01", -80, 1),
                                   accessPoint("00:00:00:00:00:02", -40, 6),
                                   accessPoint("00:00:00:00:00:03", -60, 36, 2)};
    std::vector<std::string> order;
    QObject::connect(&service, &WiFiScannerService::networksChanged, &service,
                     [&] { order.push_back("networks"); });
    QObject::connect(&service, &WiFiScannerService::recommendationsChanged, &service,
                     [&] { order.push_back("recommendations"); });
    QObject::connect(&service, &WiFiScannerService::isScanningChanged, &service,
                     [&](bool scanning) { order.push_back(scanning ? "scanning" : "idle"); });

    scanAndWait();
    ASSERT_EQ(service.networks().size(), 3u);
    EXPECT_EQ(service.networks()[0].bssid, "00:00:00:00:00:02");
    EXPECT_TRUE(service.networks()[0].isCurrentNetwork);
    EXPECT_FALSE(service.networks()[1].isCurrentNetwork);
    EXPECT_EQ(service.networks()[2].rssi, -80);
    EXPECT_EQ(service.lastScanTime(), clock.now());
    EXPECT_EQ(service.scanError(), std::nullopt);
    EXPECT_EQ(service.channelUsage2GHz()[5].networks.size(), 1u);
    EXPECT_EQ(service.channelUsage5GHz()[0].maxRSSI, -60);
    ASSERT_EQ(service.recommendations().size(), 12u);
    EXPECT_EQ(service.recommendations().back().channel, 6);
    EXPECT_EQ(order, (std::vector<std::string>{"scanning", "networks", "recommendations", "idle"}));
}

TEST_F(WiFiScannerServiceTest, StartWhileScanningIsIgnored) {
    scanner.result.interfaceFound = true;
    scanner.hold();
    service.startScan();
    EXPECT_TRUE(service.isScanning());
    service.startScan();
    spinFor(50ms);
    scanner.release();
    ASSERT_TRUE(waitUntil([&] { return !service.isScanning(); }));
    EXPECT_EQ(scanner.calls, 1);
    EXPECT_TRUE(service.lastScanTime().has_value());
}

TEST_F(WiFiScannerServiceTest, FailuresKeepEarlierResults) {
    scanner.result.interfaceFound = true;
    scanner.result.accessPoints = {accessPoint("00:00:00:00:00:01", -50, 11)};
    scanAndWait();
    const auto earlierNetworks = service.networks();
    const auto earlierRecommendations = service.recommendations();
    const auto earlierTime = service.lastScanTime();
    clock.advance(1min);

    scanner.result = WiFiScanResult{};
    scanAndWait();
    EXPECT_EQ(service.scanError(), "No WiFi interface available");

    scanner.result = WiFiScanResult{true, std::nullopt, {}, "Not authorized to request a scan"};
    scanAndWait();
    EXPECT_EQ(service.scanError(), "Scan failed: Not authorized to request a scan");

    scanner.throws = true;
    scanAndWait();
    EXPECT_EQ(service.scanError(), "Scan failed: driver went away");

    EXPECT_EQ(service.networks(), earlierNetworks);
    EXPECT_EQ(service.recommendations(), earlierRecommendations);
    EXPECT_EQ(service.lastScanTime(), earlierTime);
}

TEST_F(WiFiScannerServiceTest, CachedResultsAreShownWithTheReasonNoFreshScanWasMade) {
    scanner.result =
        WiFiScanResult{true, std::nullopt, {accessPoint("00:00:00:00:00:01", -50, 11)}, "no scan"};
    scanAndWait();
    EXPECT_EQ(service.networks().size(), 1u);
    EXPECT_EQ(service.scanError(), "Scan failed: no scan");

    // The next scan clears the old error as it starts.
    scanner.result.scanProblem.reset();
    scanAndWait();
    EXPECT_EQ(service.scanError(), std::nullopt);
}

TEST(WiFiScannerServiceOnThisMachine, ScanEndsWithAResultOrAClearError) {
    bool hasWireless = false;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/sys/class/net", error))
        hasWireless = hasWireless || std::filesystem::exists(entry.path() / "wireless");

    NetworkManagerScanTrigger trigger;
    Nl80211ScanSource kernel;
    LinuxWiFiScanner scanner(trigger, kernel);
    ManualClock clock;
    WiFiScannerService service(scanner, clock);
    service.startScan();
    ASSERT_TRUE(waitUntil([&] { return !service.isScanning(); }, 20s));
    if (!hasWireless)
        EXPECT_EQ(service.scanError(), "No WiFi interface available");
    else
        EXPECT_TRUE(service.scanError() || service.lastScanTime());
}

} // namespace
