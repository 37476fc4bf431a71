#pragma once

#include "app/ReportCommand.h"
#include "core/ListenAddress.h"

#include <QString>
#include <QStringList>

// The program's command line, read before any application object exists, so that every answer it
// gives (help, version, a wrong option, the report) works on a console without a display.
class CommandLine final {
public:
    enum class Action {
        runGui,     // start the tray program
        help,       // print the options
        helpAll,    // print the options and the window system's own
        version,    // print the version
        report,     // measure and print the report, no window
        serveMetrics, // monitor without a window and serve the figures to Prometheus
        usageError, // the command line is wrong: print `error` and stop
    };

    struct Parsed {
        Action action = Action::runGui;
        ReportCommand::Options report; // for Action::report
        ListenAddress metrics;         // for Action::serveMetrics
        QString error;                 // for Action::usageError: what is wrong, in one line
    };

    // Exit statuses besides the report's own (ReportCommand::answered, notAnswered, usageError).
    static constexpr int success = 0;
    static constexpr int usageError = ReportCommand::usageError;
    // Standard output could not take what was printed (a full disk, a closed pipe).
    static constexpr int outputFailed = ReportCommand::notWritten;

    // `arguments` is the whole command line, program first. The window system's options (-platform,
    // -display, ...) are let through for the application object to take.
    static Parsed parse(const QStringList& arguments);

    // The name the program was started by, without its folder.
    static QString programName(const QStringList& arguments);
    static QString helpText(const QString& program, bool withWindowSystemOptions);
    static QString versionText();
    // The one line printed for a wrong command line.
    static QString usageErrorLine(const QString& program, const QString& error);
};
