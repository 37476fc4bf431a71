#include "app/LinkmeterApp.h"
#include "app/UnixSignalWatcher.h"
#include "core/AppSettings.h"
#include "core/BuildInfo.h"
#include "core/LocationService.h"
#include "diagnosis/NetworkMemoryService.h"
#include "diagnosis/NotificationService.h"
#include "diagnosis/RouterBrandService.h"
#include "platform/Platform.h"
#include "platform/SharedInstances.h"
#include "platform/StatusItem.h"
#include "probes/NetworkInfoService.h"
#include "probes/WiFiScannerService.h"
#include "reports/ExportService.h"
#include "reports/UpdateService.h"
#include "viewmodel/LinkmeterViewModel.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QSystemTrayIcon>

#include <csignal>
#include <cstdio>

namespace {

void describeOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("Watches the Wi-Fi connection from the system tray and explains its health."));
    parser.addHelpOption();
    parser.addVersionOption();
}

// Answers --help and --version before any window system is needed, so both work on a console
// without a display. Everything else waits for the application object, which takes Qt's own
// options (-platform, -display, ...) first. Returns the exit status when the program should end.
std::optional<int> answerInformationOptions(int argc, char** argv) {
    // A plain core application for the help text's program name; gone before the real one is made.
    QCoreApplication console(argc, argv);
    QCommandLineParser parser;
    describeOptions(parser);
    parser.parse(QCoreApplication::arguments());
    if (parser.isSet(QStringLiteral("version"))) {
        std::printf("Linkmeter %s (build %s)\n", build_info::version, build_info::buildNumber);
        return 0;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char** argv) {
    if (const auto status = answerInformationOptions(argc, argv))
        return *status;

    QApplication app(argc, argv);
    {
        // Refuses unknown options and stray arguments with a message and status 1.
        QCommandLineParser parser;
        describeOptions(parser);
        parser.process(app);
        if (!parser.positionalArguments().isEmpty()) {
            std::fprintf(stderr, "Unexpected argument: %s\n",
                         qPrintable(parser.positionalArguments().first()));
            return 1;
        }
    }
    QApplication::setApplicationName(QStringLiteral("linkmeter"));
    QApplication::setOrganizationName(QStringLiteral("linkmeter"));
    QApplication::setApplicationDisplayName(QStringLiteral("Linkmeter"));
    // A tray utility keeps running when its popover closes.
    QApplication::setQuitOnLastWindowClosed(false);

    // Services and platform pieces live in here, so they go before the application object does.
    SharedInstances sharedInstances;

    UnixSignalWatcher signalWatcher({SIGTERM, SIGINT});
    QObject::connect(&signalWatcher, &UnixSignalWatcher::received, &app, [] { QApplication::quit(); });

    LinkmeterViewModel viewModel(LinkmeterServices::shared());
    LinkmeterApp shell(viewModel,
                       {AppSettings::shared(), NetworkMemoryService::shared(), RouterBrandService::shared(),
                        UpdateService::shared(), ExportService::shared(), WiFiScannerService::shared(),
                        NetworkInfoService::shared()},
                       NotificationService::shared(), LocationService::shared(), platform::statusItem(),
                       QSystemTrayIcon::isSystemTrayAvailable());
    QObject::connect(&shell, &LinkmeterApp::quitRequested, &app, [] { QApplication::quit(); });

    return QApplication::exec();
}
