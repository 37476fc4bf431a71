#include "app/AppContext.h"
#include "app/CommandLine.h"
#include "app/Language.h"
#include "app/LinkmeterApp.h"
#include "app/MetricsCommand.h"
#include "app/ReportCommand.h"
#include "app/StartupChecks.h"
#include "app/UnixSignalWatcher.h"
#include "platform/ProgramInstance.h"
#include "platform/StatusItem.h"
#include "viewmodel/LinkmeterViewModel.h"
#include "viewmodel/TimelineRecorder.h"

#include <QApplication>
#include <QSystemTrayIcon>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

QStringList argumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// Prints `text` on standard output; a failed write is said on standard error and ends the program
// with its own status, so a script never takes a missing answer for one.
int printOrFail(const QString& program, const QString& text, int status) {
    if (const int error = startup::writeAll(STDOUT_FILENO, text.toStdString())) {
        std::fprintf(stderr, "%s: could not write to standard output: %s\n", qPrintable(program),
                     std::strerror(error));
        return CommandLine::outputFailed;
    }
    return status;
}

// `linkmeter --report`: no window system at all, only the services that measure.
int runReport(int argc, char** argv, const QString& program, ReportCommand::Options options) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("linkmeter"));
    QCoreApplication::setOrganizationName(QStringLiteral("linkmeter"));

    // Failure lines of the measurements go to standard error meanwhile, so standard output carries
    // the report alone and a script can read it as it is.
    std::fflush(stdout);
    const int reportOutput = dup(STDOUT_FILENO);
    if (reportOutput < 0 || dup2(STDERR_FILENO, STDOUT_FILENO) < 0) {
        std::fprintf(stderr, "%s: could not set standard output aside: %s\n", qPrintable(program),
                     std::strerror(errno));
        return ReportCommand::notWritten;
    }

    AppContext context({.sessionBus = false});
    ReportCommand command(
        {context.wifi(), context.ping(), context.dns(), context.bandwidth(), context.clock()}, options);
    QObject::connect(&command, &ReportCommand::finished, &app, [&command, reportOutput, program](int status) {
        std::fflush(stdout);
        int error = startup::writeAll(reportOutput, command.output());
        dup2(reportOutput, STDOUT_FILENO);
        if (close(reportOutput) != 0 && error == 0)
            error = errno;
        if (error != 0) {
            std::fprintf(stderr, "%s: could not write the report: %s\n", qPrintable(program),
                         std::strerror(error));
            status = ReportCommand::notWritten;
        }
        QCoreApplication::exit(status);
    });
    command.start();
    return QCoreApplication::exec();
}

} // namespace

int main(int argc, char** argv) {
    startup::ensureStandardDescriptors();
    const QStringList arguments = argumentsOf(argc, argv);
    const QString program = CommandLine::programName(arguments);
    const CommandLine::Parsed command = CommandLine::parse(arguments);
    switch (command.action) {
    case CommandLine::Action::help:
    case CommandLine::Action::helpAll:
        return printOrFail(program,
                           CommandLine::helpText(program, command.action == CommandLine::Action::helpAll),
                           CommandLine::success);
    case CommandLine::Action::version:
        return printOrFail(program, CommandLine::versionText(), CommandLine::success);
    case CommandLine::Action::usageError:
        std::fputs(qPrintable(CommandLine::usageErrorLine(program, command.error)), stderr);
        return CommandLine::usageError;
    case CommandLine::Action::report:
        return runReport(argc, argv, program, command.report);
    case CommandLine::Action::serveMetrics:
        return runMetricsServer(argc, argv, command.metrics);
    case CommandLine::Action::runGui:
        break;
    }

    if (!startup::hasGraphicalSession(startup::currentDisplayEnvironment(arguments))) {
        std::fprintf(stderr, "%s\n", startup::noGraphicalSessionMessage);
        return 1;
    }
    const bool sessionBus = startup::prepareSessionBus();

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("linkmeter"));
    QApplication::setOrganizationName(QStringLiteral("linkmeter"));
    QApplication::setApplicationDisplayName(QStringLiteral("Linkmeter"));
    // Docks and Wayland compositors match the windows to the menu entry by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("app.linkmeter.Linkmeter"));
    // A tray utility keeps running when its popover closes.
    QApplication::setQuitOnLastWindowClosed(false);
    // The desktop's language (LANGUAGE, LANG, LC_*), before any window is made.
    language::install(app, QLocale::system());

    // Services and platform pieces live in here, so they go before the application object does.
    AppContext context({.sessionBus = sessionBus});

    // One running copy per session: a second launch opens the first one's popover and ends.
    const std::unique_ptr<ProgramInstance> instance = context.programInstance();
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

    LinkmeterViewModel viewModel(context.viewModelServices());
    // Made before the shell, which starts monitoring, so the start is on the timeline too.
    TimelineRecorder recorder(viewModel, context.timelineWriter(), context.clock());
    LinkmeterApp shell(viewModel, context.shellServices(), context.notifications(), context.location(),
                       context.statusItem(), sessionBus && QSystemTrayIcon::isSystemTrayAvailable(),
                       {context.timelineQueries(), context.timelineWriter(), context.clock(),
                        context.loginItemController()});
    QObject::connect(&shell, &LinkmeterApp::quitRequested, &app, [] { QApplication::quit(); });
    instance->activated = [&shell](const QString& action) { shell.activate(action); };

    return QApplication::exec();
}
