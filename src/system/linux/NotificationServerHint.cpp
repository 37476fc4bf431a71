#include "system/linux/NotificationServerHint.h"

#include "core/RuleText.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace {

struct DesktopHint {
    std::string_view desktop; // an XDG_CURRENT_DESKTOP entry, compared without case
    std::string_view hint;
};

// Full desktops show notifications from their shell or start a daemon on demand over D-Bus; the
// rest leave the choice of a daemon to the user.
constexpr std::array kHints{
    DesktopHint{"GNOME",
                QT_TRANSLATE_NOOP("NotificationServerHint",
                                  "GNOME shows notifications itself: sign out and back in to restart it.")},
    DesktopHint{"KDE",
                QT_TRANSLATE_NOOP("NotificationServerHint",
                                  "Plasma shows notifications itself: sign out and back in to restart it.")},
    DesktopHint{
        "X-Cinnamon",
        QT_TRANSLATE_NOOP("NotificationServerHint",
                          "Cinnamon shows notifications itself: sign out and back in to restart it.")},
    DesktopHint{"XFCE", QT_TRANSLATE_NOOP("NotificationServerHint",
                                          "Install the xfce4-notifyd package; Xfce starts it when needed.")},
    DesktopHint{"MATE", QT_TRANSLATE_NOOP(
                            "NotificationServerHint",
                            "Install the mate-notification-daemon package; MATE starts it when needed.")},
    DesktopHint{"LXQt", QT_TRANSLATE_NOOP(
                            "NotificationServerHint",
                            "Turn on the notification daemon in LXQt Session Settings, Basic Settings.")},
};

constexpr std::string_view kAnyDesktop =
    QT_TRANSLATE_NOOP("NotificationServerHint", "Start a notification daemon such as dunst or mako.");

bool sameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

std::string notificationServerHint(std::string_view currentDesktop) {
    // The list runs from the most specific name to the most general (ubuntu:GNOME); any known one
    // will do, the first wins.
    while (!currentDesktop.empty()) {
        const std::size_t end = currentDesktop.find(':');
        const std::string_view entry = currentDesktop.substr(0, end);
        for (const DesktopHint& known : kHints)
            if (sameName(entry, known.desktop))
                return std::string(known.hint);
        if (end == std::string_view::npos)
            break;
        currentDesktop.remove_prefix(end + 1);
    }
    return std::string(kAnyDesktop);
}
