#pragma once

#include <QString>

#include <optional>
#include <vector>

// What the program's menus offer, defined once: the status view's menu, the tray item's menu (drawn
// by the panel or by us) and the actions the desktop can ask of the running program by name.
enum class AppAction {
    open,
    diagnostics,
    history,
    settings,
    help,
    checkForUpdates,
    pauseMonitoring,
    resumeMonitoring,
    about,
    quit,
};

// The stable name used on the bus ("open", "check-for-updates", ...).
QString actionName(AppAction action);
std::optional<AppAction> appActionNamed(const QString& name);
QString actionText(AppAction action);
QString actionSymbol(AppAction action);

// A menu from top to bottom; an empty entry is a divider. The update check is offered only by builds
// that check for updates themselves.
using AppMenu = std::vector<std::optional<AppAction>>;
AppMenu statusMenu(bool checksForUpdates);
// The tray's menu: opening the program comes first, as a left click on GNOME opens this menu.
AppMenu trayMenu(bool monitoring, bool checksForUpdates);
