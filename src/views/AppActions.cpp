#include "views/AppActions.h"

#include "core/RuleText.h"

#include <QCoreApplication>

#include <array>

namespace {

struct ActionTexts {
    AppAction action;
    const char* name;
    const char* text;
    const char* symbol;
};

constexpr std::array<ActionTexts, 10> kActions{{
    {AppAction::open, "open", QT_TRANSLATE_NOOP("AppActions", "Open Linkmeter"), "globe"},
    {AppAction::diagnostics, "diagnostics", QT_TRANSLATE_NOOP("AppActions", "Diagnostics"),
     "waveform.path.ecg"},
    {AppAction::history, "history", QT_TRANSLATE_NOOP("AppActions", "History..."), "chart.bar"},
    {AppAction::settings, "settings", QT_TRANSLATE_NOOP("AppActions", "Settings..."), "gear"},
    {AppAction::help, "help", QT_TRANSLATE_NOOP("AppActions", "Help"), "questionmark.circle"},
    {AppAction::checkForUpdates, "check-for-updates", QT_TRANSLATE_NOOP("AppActions", "Check for Updates..."),
     "arrow.triangle.2.circlepath"},
    {AppAction::pauseMonitoring, "pause-monitoring", QT_TRANSLATE_NOOP("AppActions", "Pause Monitoring"),
     "pause.circle"},
    {AppAction::resumeMonitoring, "resume-monitoring", QT_TRANSLATE_NOOP("AppActions", "Resume Monitoring"),
     "play.circle"},
    {AppAction::about, "about", QT_TRANSLATE_NOOP("AppActions", "About Linkmeter"), "info.circle"},
    {AppAction::quit, "quit", QT_TRANSLATE_NOOP("AppActions", "Quit"), "power"},
}};

const ActionTexts& textsOf(AppAction action) {
    for (const ActionTexts& row : kActions)
        if (row.action == action)
            return row;
    return kActions.front();
}

} // namespace

QString actionName(AppAction action) {
    return QString::fromLatin1(textsOf(action).name);
}

std::optional<AppAction> appActionNamed(const QString& name) {
    for (const ActionTexts& row : kActions)
        if (name == QLatin1String(row.name))
            return row.action;
    return std::nullopt;
}

QString actionText(AppAction action) {
    return QCoreApplication::translate("AppActions", textsOf(action).text);
}

QString actionSymbol(AppAction action) {
    return QString::fromLatin1(textsOf(action).symbol);
}

AppMenu statusMenu(bool checksForUpdates) {
    AppMenu menu{AppAction::history, AppAction::settings, AppAction::help};
    if (checksForUpdates)
        menu.push_back(AppAction::checkForUpdates);
    menu.insert(menu.end(), {std::nullopt, AppAction::about, std::nullopt, AppAction::quit});
    return menu;
}

AppMenu trayMenu(bool monitoring, bool checksForUpdates) {
    AppMenu menu{AppAction::open,    AppAction::diagnostics, std::nullopt,
                 AppAction::history, AppAction::settings,    AppAction::help};
    if (checksForUpdates)
        menu.push_back(AppAction::checkForUpdates);
    menu.insert(menu.end(),
                {std::nullopt, monitoring ? AppAction::pauseMonitoring : AppAction::resumeMonitoring,
                 std::nullopt, AppAction::about, AppAction::quit});
    return menu;
}
