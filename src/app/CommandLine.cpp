#include "app/CommandLine.h"

#include "core/BuildInfo.h"

#include <QFileInfo>

#include <algorithm>
#include <array>
#include <numeric>
#include <optional>
#include <variant>
#include <vector>

namespace {

struct OwnOption {
    const char* names; // as shown in the help
    const char* value; // placeholder of its value, or empty
    const char* help;
};

const std::array kOwnOptions{
    OwnOption{"-h, --help", "", "Show these options and exit."},
    OwnOption{"--help-all", "", "Show these options and the window system's options, and exit."},
    OwnOption{"-v, --version", "", "Show the version and build number and exit."},
    OwnOption{"--report", "", "Measure without a window, print the diagnostic report and exit."},
    OwnOption{"--seconds", "<N>", "How long --report measures: 1 to 3600 seconds, 10 by default."},
    OwnOption{"--json", "", "Print the report as JSON."},
    OwnOption{"--serve-metrics", "<[HOST:]PORT>",
              "Monitor without a window, serve the figures to Prometheus."},
};

// The long names a mistyped option is compared with.
const std::array<QLatin1StringView, 7> kLongNames{
    QLatin1StringView("--help"),         QLatin1StringView("--help-all"), QLatin1StringView("--version"),
    QLatin1StringView("--report"),       QLatin1StringView("--seconds"),  QLatin1StringView("--json"),
    QLatin1StringView("--serve-metrics")};

// Options the application object takes out of the command line itself (QGuiApplication and
// QApplication). Qt accepts them with one dash or two.
struct WindowSystemOption {
    const char* name;  // without dashes
    const char* value; // placeholder of the value that follows, or empty for a switch
    const char* help;
    bool joined = false; // the value may also follow "=" (-style=fusion)
};

const std::array kWindowSystemOptions{
    WindowSystemOption{"platform", "<name[:options]>", "Window system plugin: xcb, wayland, offscreen..."},
    WindowSystemOption{"platformpluginpath", "<path>", "Where to look for window system plugins."},
    WindowSystemOption{"platformtheme", "<theme>", "Desktop theme plugin."},
    WindowSystemOption{"plugin", "<plugin>", "An extra input plugin to load."},
    WindowSystemOption{"display", "<host:screen>", "The X display to use (xcb)."},
    WindowSystemOption{"geometry", "<geometry>", "Geometry of the first window (xcb)."},
    WindowSystemOption{"qwindowgeometry", "<geometry>", "Geometry of the first window."},
    WindowSystemOption{"qwindowicon", "<icon>", "Default window icon."},
    WindowSystemOption{"qwindowtitle", "<title>", "Title of the first window."},
    WindowSystemOption{"session", "<session>", "Restore the session manager's session."},
    WindowSystemOption{"style", "<style>", "Widget style: Fusion, Windows...", true},
    WindowSystemOption{"stylesheet", "<file>", "Widget style sheet.", true},
    WindowSystemOption{"reverse", "", "Lay out from right to left."},
    WindowSystemOption{"widgetcount", "", "Print the number of widgets left when the program ends."},
};

// "-platform" and "--platform" alike; empty when `argument` is none of Qt's options.
const WindowSystemOption* windowSystemOption(const QString& argument, bool* joinedValue) {
    QString name = argument;
    if (name.startsWith(QLatin1String("--")))
        name.remove(0, 2);
    else if (name.startsWith(u'-'))
        name.remove(0, 1);
    else
        return nullptr;
    for (const WindowSystemOption& option : kWindowSystemOptions) {
        const QLatin1StringView optionName(option.name);
        if (name == optionName) {
            *joinedValue = false;
            return &option;
        }
        if (option.joined && name.startsWith(optionName + u'=')) {
            *joinedValue = true;
            return &option;
        }
    }
    if (name.startsWith(QLatin1String("qmljsdebugger="))) {
        // Only ever joined, and never worth listing in the help.
        static const WindowSystemOption debugger{"qmljsdebugger", "", "", true};
        *joinedValue = true;
        return &debugger;
    }
    return nullptr;
}

int editDistance(const QString& a, const QString& b) {
    std::vector<int> row(std::size_t(b.size()) + 1);
    std::iota(row.begin(), row.end(), 0);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = int(i);
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const int above = row[std::size_t(j)];
            row[std::size_t(j)] =
                std::min({above + 1, row[std::size_t(j - 1)] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row.back();
}

QString unknownOption(const QString& argument) {
    QString line = QStringLiteral("unknown option '%1'").arg(argument);
    const QString name = argument.section(u'=', 0, 0);
    for (const QLatin1StringView known : kLongNames) {
        if (editDistance(name, known) <= 2) {
            line += QStringLiteral("; did you mean '%1'?").arg(known);
            break;
        }
    }
    return line;
}

std::optional<QString> readSeconds(const QString& value, int* seconds) {
    bool ok = false;
    const int parsed = value.toInt(&ok);
    if (!ok || parsed < 1 || parsed > ReportCommand::maximumSeconds)
        return QStringLiteral("--seconds takes a whole number from 1 to %1, not \"%2\"")
            .arg(ReportCommand::maximumSeconds)
            .arg(value);
    *seconds = parsed;
    return std::nullopt;
}

CommandLine::Parsed wrongCommandLine(QString error) {
    CommandLine::Parsed parsed;
    parsed.action = CommandLine::Action::usageError;
    parsed.error = std::move(error);
    return parsed;
}

QString column(const QString& left, const char* help) {
    constexpr qsizetype kWidth = 30;
    QString line = QStringLiteral("  ") + left;
    line += line.size() < kWidth ? QString(kWidth - line.size(), u' ') : QStringLiteral("  ");
    return line + QLatin1StringView(help) + u'\n';
}

} // namespace

CommandLine::Parsed CommandLine::parse(const QStringList& arguments) {
    bool help = false;
    bool helpAll = false;
    bool version = false;
    bool report = false;
    bool reportOptions = false;
    ReportCommand::Options options;
    std::optional<ListenAddress> metrics;

    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("-h") || argument == QLatin1String("--help")) {
            help = true;
        } else if (argument == QLatin1String("--help-all")) {
            helpAll = true;
        } else if (argument == QLatin1String("-v") || argument == QLatin1String("--version")) {
            version = true;
        } else if (argument == QLatin1String("--report")) {
            report = true;
        } else if (argument == QLatin1String("--json")) {
            options.json = true;
            reportOptions = true;
        } else if (argument == QLatin1String("--seconds")) {
            if (i + 1 >= arguments.size())
                return wrongCommandLine(QStringLiteral("--seconds needs a number"));
            if (auto error = readSeconds(arguments[++i], &options.seconds))
                return wrongCommandLine(*error);
            reportOptions = true;
        } else if (argument.startsWith(QLatin1String("--seconds="))) {
            if (auto error = readSeconds(argument.section(u'=', 1), &options.seconds))
                return wrongCommandLine(*error);
            reportOptions = true;
        } else if (argument == QLatin1String("--serve-metrics") ||
                   argument.startsWith(QLatin1String("--serve-metrics="))) {
            const bool joined = argument.contains(u'=');
            if (!joined && (i + 1 >= arguments.size() || arguments[i + 1].startsWith(u'-')))
                return wrongCommandLine(QStringLiteral("--serve-metrics needs an address: [HOST:]PORT, for "
                                                       "example 9469 or 127.0.0.1:9469"));
            const QString value = joined ? argument.section(u'=', 1) : arguments[++i];
            const auto address = parseListenAddress(value.toStdString(), {true, true});
            if (const auto* refusal = std::get_if<std::string>(&address))
                return wrongCommandLine(
                    QStringLiteral("--serve-metrics %1: %2").arg(value, QString::fromStdString(*refusal)));
            metrics = std::get<ListenAddress>(address);
        } else if (bool joined = false;
                   const WindowSystemOption* qt = windowSystemOption(argument, &joined)) {
            if (*qt->value && !joined) {
                if (i + 1 >= arguments.size())
                    return wrongCommandLine(QStringLiteral("%1 needs a value").arg(argument));
                ++i;
            }
        } else if (argument.startsWith(u'-') && argument != QLatin1String("-")) {
            return wrongCommandLine(unknownOption(argument));
        } else {
            return wrongCommandLine(QStringLiteral("unexpected argument '%1'").arg(argument));
        }
    }

    Parsed parsed;
    if (helpAll)
        parsed.action = Action::helpAll;
    else if (help)
        parsed.action = Action::help;
    else if (version)
        parsed.action = Action::version;
    else if (report && metrics)
        return wrongCommandLine(
            QStringLiteral("--report and --serve-metrics are two ways to run: choose one"));
    else if (report)
        parsed.action = Action::report;
    else if (metrics)
        parsed.action = Action::serveMetrics;
    if (reportOptions && parsed.action != Action::report && parsed.action != Action::help &&
        parsed.action != Action::helpAll && parsed.action != Action::version)
        return wrongCommandLine(QStringLiteral("--seconds and --json go with --report"));
    parsed.report = options;
    if (metrics)
        parsed.metrics = *metrics;
    return parsed;
}

QString CommandLine::programName(const QStringList& arguments) {
    const QString name = arguments.isEmpty() ? QString() : QFileInfo(arguments.first()).fileName();
    return name.isEmpty() ? QStringLiteral("linkmeter") : name;
}

QString CommandLine::helpText(const QString& program, bool withWindowSystemOptions) {
    QString text = QStringLiteral("Usage: %1 [options]\n").arg(program);
    text += QStringLiteral("Watches the Wi-Fi connection from the system tray and explains its health.\n\n");
    text += QStringLiteral("Options:\n");
    for (const OwnOption& option : kOwnOptions) {
        QString left = QLatin1StringView(option.names);
        if (*option.value)
            left += u' ' + QLatin1StringView(option.value);
        text += column(left, option.help);
    }
    text += QStringLiteral("\nExit status of --report: 0 when the internet answered, 1 when it did not, "
                           "2 on a wrong\ncommand line, 3 when the report could not be written.\n");
    if (withWindowSystemOptions) {
        text += QStringLiteral("\nWindow system options (Qt), for the tray program:\n");
        for (const WindowSystemOption& option : kWindowSystemOptions) {
            QString left = u'-' + QLatin1StringView(option.name);
            if (*option.value)
                left += u' ' + QLatin1StringView(option.value);
            text += column(left, option.help);
        }
    }
    return text;
}

QString CommandLine::versionText() {
    return QStringLiteral("Linkmeter %1 (build %2)\n")
        .arg(QLatin1StringView(build_info::version), QLatin1StringView(build_info::buildNumber));
}

QString CommandLine::usageErrorLine(const QString& program, const QString& error) {
    return QStringLiteral("%1: %2 (see '%1 --help')\n").arg(program, error);
}
