#include "core/LoginItemController.h"

#include "support/MemoryPreferencesStore.h"
#include "support/PlatformFakes.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

class LoginItemControllerTest : public ::testing::Test {
protected:
    MemoryPreferencesStore store;
    FakeLoginItems loginItems;
    LoginItemController controller{store, loginItems};
};

} // namespace

TEST_F(LoginItemControllerTest, StoresTheStateOnlyWhenTheLoginItemChanged) {
    QSignalSpy changed(&controller, &LoginItemController::launchAtLoginChanged);
    EXPECT_FALSE(controller.launchAtLogin());
    EXPECT_TRUE(controller.setLaunchAtLogin(true));
    EXPECT_EQ(loginItems.registerCalls, 1);
    EXPECT_EQ(store.readBool("launchAtLogin"), true);
    EXPECT_TRUE(controller.launchAtLoginEnabled());
    EXPECT_EQ(changed.count(), 1);

    loginItems.failure = "Permission denied";
    testing::internal::CaptureStdout();
    EXPECT_TRUE(controller.setLaunchAtLogin(false)); // the switch goes back on
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Failed to set launch at login: Permission denied\n");
    EXPECT_EQ(loginItems.unregisterCalls, 1);
    EXPECT_TRUE(controller.launchAtLogin());
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(LoginItemControllerTest, TheSwitchShowsTheLoginItemNotTheStoredKey) {
    store.writeBool("launchAtLogin", true);
    EXPECT_FALSE(controller.launchAtLoginEnabled());
    loginItems.enabled = true;
    store.writeBool("launchAtLogin", false);
    EXPECT_TRUE(controller.launchAtLoginEnabled());
}
