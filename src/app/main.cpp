#include "app/LinkmeterApp.h"
#include "app/MetricsCommand.h"
#include "app/ReportCommand.h"
#include "app/UnixSignalWatcher.h"
#include "core/AppSettings.h"
#include "core/BuildInfo.h"
#include "core/LocationService.h"
#include "core/PingService.h"
#include "core/WiFiService.h"
#include "diagnosis/NetworkMemoryService.h"
#include "diagnosis/NotificationService.h"
#include "diagnosis/RouterBrandService.h"
#include "platform/Platform.h"
#include "platform/ProgramInstance.h"
#include "platform/SharedInstances.h"
#include "platform/StatusItem.h"
#include "probes/BandwidthService.h"
#include "probes/DNSService.h"
#include "probes/NetworkInfoService.h"
#include "probes/WiFiScannerService.h"
#include "reports/ExportService.h"
#include "reports/TimelineStore.h"
#include "reports/UpdateService.h"
#include "viewmodel/LinkmeterViewModel.h"
#include "viewmodel/TimelineRecorder.h"

#include <QApplication>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QSystemTrayIcon>

#include <csignal>
#include <cstdio>
#include <string_view>
#include <unistd.h>
#include <variant>

namespace {

void describeOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("Watches the Wi-Fi connection from the system tray and explains its health."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(QCommandLineOption(
        QStringLiteral("report"),
        QStringLiteral("Measure the connection without a window, print the diagnostic report and exit: "
                       "status 0 when the internet answered, 1 when it did not, 2 on a usage error.")));
    parser.addOption(QCommandLineOption(QStringLiteral("seconds"),
                                        QStringLiteral("How long --report measures (1 to 3600, default 10)."),
                                        QStringLiteral("N")));
    parser.addOption(
        QCommandLineOption(QStringLiteral("json"), QStringLiteral("Print the --report data as JSON.")));
    parser.addOption(QCommandLineOption(
        QStringLiteral("serve-metrics"),
        QStringLiteral("Monitor without a window, tray or display and serve the figures to Prometheus at "
                       "http://HOST:PORT/metrics (HOST 127.0.0.1 unless given) until stopped."),
        QStringLiteral("[HOST:]PORT")));
}

bool wantsReport(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--report" || argument == "--json" || argument.starts_with("--seconds"))
            return true;
    }
    return false;
}

// `linkmeter --report`: no window system at all, only the services that measure.
int runReport(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const auto parsed = ReportCommand::parse(QCoreApplication::arguments());
    if (const auto* error = std::get_if<QString>(&parsed)) {
        std::fprintf(stderr, "%s\nTry 'linkmeter --help' for the options.\n", qPrintable(*error));
        return ReportCommand::usageError;
    }
    QCoreApplication::setApplicationName(QStringLiteral("linkmeter"));
    QCoreApplication::setOrganizationName(QStringLiteral("linkmeter"));

    // Failure lines of the measurements go to standard error meanwhile, so standard output carries
    // the report alone and a script can read it as it is.
    std::fflush(stdout);
    const int reportOutput = dup(STDOUT_FILENO);
    dup2(STDERR_FILENO, STDOUT_FILENO);

    SharedInstances sharedInstances;
    ReportCommand command({WiFiService::shared(), PingService::shared(), DNSService::shared(),
                           BandwidthService::shared(), platform::clock()},
                          std::get<ReportCommand::Options>(parsed));
    QObject::connect(&command, &ReportCommand::finished, &app, [&command, reportOutput](int status) {
        std::fflush(stdout);
        dup2(reportOutput, STDOUT_FILENO);
        close(reportOutput);
        std::fwrite(command.output().data(), 1, command.output().size(), stdout);
        std::fflush(stdout);
        QCoreApplication::exit(status);
    });
    command.start();
    return QCoreApplication::exec();
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
    if (wantsReport(argc, argv))
        return runReport(argc, argv);
    if (wantsMetricsServer(argc, argv))
        return runMetricsServer(argc, argv);

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
    // Docks and Wayland compositors match the windows to the menu entry by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("app.linkmeter.Linkmeter"));
    // A tray utility keeps running when its popover closes.
    QApplication::setQuitOnLastWindowClosed(false);

    // Services and platform pieces live in here, so they go before the application object does.
    SharedInstances sharedInstances;

    // One running copy per session: a second launch opens the first one's popover and ends.
    const std::unique_ptr<ProgramInstance> instance = platform::programInstance();
    switch (instance->claim()) {
    case ProgramInstance::Claim::forwarded:
        return 0;
    case ProgramInstance::Claim::failed:
        std::puts("Another Linkmeter seems to be running but does not answer; starting anyway.");
        break;
    case ProgramInstance::Claim::first:
        break;
    }

    UnixSignalWatcher signalWatcher({SIGTERM, SIGINT});
    QObject::connect(&signalWatcher, &UnixSignalWatcher::received, &app, [] { QApplication::quit(); });

    LinkmeterViewModel viewModel(LinkmeterServices::shared());
    // Made before the shell, which starts monitoring, so the start is on the timeline too.
    TimelineRecorder recorder(viewModel, TimelineStore::shared(), platform::clock());
    LinkmeterApp shell(viewModel,
                       {AppSettings::shared(), NetworkMemoryService::shared(), RouterBrandService::shared(),
                        UpdateService::shared(), ExportService::shared(), WiFiScannerService::shared(),
                        NetworkInfoService::shared()},
                       NotificationService::shared(), LocationService::shared(), platform::statusItem(),
                       QSystemTrayIcon::isSystemTrayAvailable(), TimelineStore::shared());
    QObject::connect(&shell, &LinkmeterApp::quitRequested, &app, [] { QApplication::quit(); });
    instance->activated = [&shell](const QString& action) { shell.activate(action); };

    return QApplication::exec();
}
