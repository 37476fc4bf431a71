#include "system/linux/NotificationServerHint.h"

#include <gtest/gtest.h>

TEST(NotificationServerHint, FollowsTheCurrentDesktop) {
    const std::string gnome = notificationServerHint("GNOME");
    EXPECT_EQ(gnome, "GNOME shows notifications itself: sign out and back in to restart it.");
    // Lists run from the most specific name to the most general; names are compared without case.
    EXPECT_EQ(notificationServerHint("ubuntu:GNOME"), gnome);
    EXPECT_EQ(notificationServerHint("gnome"), gnome);
    EXPECT_EQ(notificationServerHint("XFCE"),
              "Install the xfce4-notifyd package; Xfce starts it when needed.");
    EXPECT_EQ(notificationServerHint("Budgie:GNOME"), gnome);
    EXPECT_EQ(notificationServerHint("KDE"),
              "Plasma shows notifications itself: sign out and back in to restart it.");

    const std::string other = "Start a notification daemon such as dunst or mako.";
    for (const char* desktop : {"", "sway", "i3", ":", "GNOMEX", "Hyprland:wlroots"})
        EXPECT_EQ(notificationServerHint(desktop), other) << desktop;
}
