#include "system/linux/Nl80211WiFiReader.h"
#include "system/linux/Nl80211.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

namespace {

// Runs against this machine's kernel: with Wi-Fi it reads the link, without it answers absent.
TEST(Nl80211WiFiReader, AnswersQuietlyAndQuicklyOnThisMachine) {
    int lookups = 0;
    Nl80211WiFiReader reader([&](const std::string&) {
        ++lookups;
        return std::optional<wifi_mapping::KeyManagement>();
    });
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    const auto start = std::chrono::steady_clock::now();
    const auto reading = reader.read();
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_LT(elapsed, std::chrono::seconds(1));

    std::string error;
    const auto socket = Nl80211::open(&error);
    if (!socket) {
        EXPECT_FALSE(reading) << "no nl80211 (" << error << ") must mean no interface";
        EXPECT_EQ(lookups, 0);
        return;
    }
    const auto interfaces = socket->interfaces();
    ASSERT_TRUE(interfaces) << socket->lastError();
    const bool hasStation = std::any_of(interfaces->begin(), interfaces->end(), [](const auto& interface) {
        return interface.type == nl80211::interfaceTypeStation;
    });
    EXPECT_EQ(reading.has_value(), hasStation);
    if (reading && reading->rssiValue != 0) {
        EXPECT_EQ(lookups, 1);
    }
}

} // namespace
