#include "system/linux/Nl80211.h"

#include <linux/genetlink.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

namespace {

// The generic-netlink controller exists in every kernel, so the request loop (multi-part dumps,
// kernel errors, the end of a dump) is checked here even without Wi-Fi hardware.
TEST(Nl80211Socket, DumpCollectsEveryReplyAndErrorsEndTheRequest) {
    std::string error;
    const auto socket = Nl80211::openFamily("nlctrl", &error);
    ASSERT_TRUE(socket) << error;

    std::vector<std::string> families;
    const bool dumped = socket->request(CTRL_CMD_GETFAMILY, true, std::nullopt, [&](auto bytes) {
        for (const auto& attribute : nl80211::attributes(bytes))
            if (attribute.type == CTRL_ATTR_FAMILY_NAME)
                families.emplace_back(reinterpret_cast<const char*>(attribute.payload.data()));
    });
    ASSERT_TRUE(dumped) << socket->lastError();
    EXPECT_NE(std::find(families.begin(), families.end(), "nlctrl"), families.end());

    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(socket->request(0xEE, false, std::nullopt, [](auto) {}));
    EXPECT_FALSE(socket->lastError().empty());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));

    // The socket stays usable after a failed request.
    families.clear();
    EXPECT_TRUE(
        socket->request(CTRL_CMD_GETFAMILY, true, std::nullopt, [&](auto) { families.push_back({}); }));
    EXPECT_FALSE(families.empty());

    EXPECT_FALSE(Nl80211::openFamily("no-such-family", &error));
    EXPECT_NE(error.find("no-such-family"), std::string::npos);
}

} // namespace
