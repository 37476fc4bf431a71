#pragma once

#include <string>
#include <string_view>

// How to get a notification server running on the desktop named by XDG_CURRENT_DESKTOP (a
// colon-separated list such as "ubuntu:GNOME"), in one sentence for the user.
std::string notificationServerHint(std::string_view currentDesktop);
