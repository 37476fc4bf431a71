#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>

#include <utility>
#include <vector>

namespace {

QStringList line(std::initializer_list<const char*> arguments) {
    QStringList list{"/usr/bin/linkmeter"};
    for (const char* a : arguments)
        list << a;
    return list;
}

using Action = CommandLine::Action;

} // namespace

TEST(CommandLine, EachActionAndItsOptions) {
    struct Case {
        std::initializer_list<const char*> arguments;
        Action action;
    };
    for (const Case& c :
         {Case{{}, Action::runGui}, Case{{"-h"}, Action::help}, Case{{"--help"}, Action::help},
          Case{{"--help-all"}, Action::helpAll}, Case{{"--help", "--help-all"}, Action::helpAll},
          Case{{"-v"}, Action::version}, Case{{"--version"}, Action::version},
          Case{{"--report", "--help"}, Action::help}, Case{{"--report"}, Action::report}})
        EXPECT_EQ(CommandLine::parse(line(c.arguments)).action, c.action)
            << line(c.arguments).join(' ').toStdString();

    const auto defaults = CommandLine::parse(line({"--report"}));
    EXPECT_EQ(defaults.report.seconds, 10);
    EXPECT_FALSE(defaults.report.json);
    const auto set = CommandLine::parse(line({"--json", "--seconds", "3", "--report"}));
    ASSERT_EQ(set.action, Action::report);
    EXPECT_EQ(set.report.seconds, 3);
    EXPECT_TRUE(set.report.json);
    const auto joined = CommandLine::parse(line({"--report", "--seconds=3600"}));
    ASSERT_EQ(joined.action, Action::report);
    EXPECT_EQ(joined.report.seconds, 3600);

    // A bare port is on loopback; port 0 lets the system pick.
    for (const auto& [arguments, address] : std::vector<std::pair<QStringList, ListenAddress>>{
             {line({"--serve-metrics", "9469"}), {"127.0.0.1", 9469}},
             {line({"--serve-metrics=0.0.0.0:9100"}), {"0.0.0.0", 9100}},
             {line({"--serve-metrics", "[::1]:0"}), {"::1", 0}}}) {
        const auto metrics = CommandLine::parse(arguments);
        ASSERT_EQ(metrics.action, Action::serveMetrics) << arguments.join(' ').toStdString();
        EXPECT_EQ(metrics.metrics, address);
    }
}

// What QApplication takes for itself must not be refused before it gets the chance.
TEST(CommandLine, LetsTheWindowSystemOptionsThrough) {
    for (const auto& arguments :
         {line({"-platform", "offscreen"}), line({"--platform", "offscreen"}), line({"-display", ":1"}),
          line({"-style=fusion"}), line({"-style", "fusion"}), line({"-reverse"}),
          line({"-qwindowtitle", "--report"}), line({"-platform", "xcb", "--report"})}) {
        const auto parsed = CommandLine::parse(arguments);
        EXPECT_NE(parsed.action, Action::usageError)
            << arguments.join(' ').toStdString() << ": " << parsed.error.toStdString();
    }
    // The value of a window system option is not one of ours.
    EXPECT_EQ(CommandLine::parse(line({"-qwindowtitle", "--report"})).action, Action::runGui);
}

TEST(CommandLine, AWrongCommandLineSaysWhatIsWrongInOneLine) {
    struct Case {
        QStringList arguments;
        const char* error;
    };
    for (const Case& c : {
             Case{line({"--reprot"}), "unknown option '--reprot'; did you mean '--report'?"},
             Case{line({"--verbose"}), "unknown option '--verbose'"},
             Case{line({"-x"}), "unknown option '-x'"},
             Case{line({"stray"}), "unexpected argument 'stray'"},
             Case{line({"--report", "extra"}), "unexpected argument 'extra'"},
             Case{line({"--report", "--seconds"}), "--seconds needs a number"},
             Case{line({"--report", "--seconds", "0"}),
                  "--seconds takes a whole number from 1 to 3600, not \"0\""},
             Case{line({"--report", "--seconds", "3601"}),
                  "--seconds takes a whole number from 1 to 3600, not \"3601\""},
             Case{line({"--report", "--seconds=2.5"}),
                  "--seconds takes a whole number from 1 to 3600, not \"2.5\""},
             Case{line({"--report", "--seconds", "-1"}),
                  "--seconds takes a whole number from 1 to 3600, not \"-1\""},
             Case{line({"--json"}), "--seconds and --json go with --report"},
             Case{line({"--seconds", "5"}), "--seconds and --json go with --report"},
             Case{line({"-platform"}), "-platform needs a value"},
             Case{line({"--help", "--bogus"}), "unknown option '--bogus'"},
             Case{line({"--serve-metrics"}),
                  "--serve-metrics needs an address: [HOST:]PORT, for example 9469 or 127.0.0.1:9469"},
             Case{line({"--serve-metrics", "--json"}),
                  "--serve-metrics needs an address: [HOST:]PORT, for example 9469 or 127.0.0.1:9469"},
             Case{line({"--serve-metrics", "9469", "--json"}), "--seconds and --json go with --report"},
             Case{
                 line({"--serve-metrics=70000"}),
                 "--serve-metrics 70000: Enter a port from 0 to 65535 after the colon (0 picks a free one)."},
             Case{line({"--serve-metrics", "9469", "--report"}),
                  "--report and --serve-metrics are two ways to run: choose one"},
         }) {
        const auto parsed = CommandLine::parse(c.arguments);
        EXPECT_EQ(parsed.action, Action::usageError) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(parsed.error.toStdString(), c.error);
    }
    EXPECT_EQ(CommandLine::usageErrorLine("linkmeter", "unexpected argument 'stray'"),
              "linkmeter: unexpected argument 'stray' (see 'linkmeter --help')\n");
}

TEST(CommandLine, HelpNamesTheProgramNotItsPath) {
    const QString program = CommandLine::programName(line({}));
    EXPECT_EQ(program, "linkmeter");
    EXPECT_EQ(CommandLine::programName({"./build/src/lm"}), "lm");
    EXPECT_EQ(CommandLine::programName({}), "linkmeter");

    const QString help = CommandLine::helpText(program, false);
    EXPECT_TRUE(help.startsWith("Usage: linkmeter [options]\n")) << help.toStdString();
    for (const char* option : {"--help", "--help-all", "--version", "--report", "--seconds <N>", "--json"})
        EXPECT_TRUE(help.contains(option)) << option;
    EXPECT_FALSE(help.contains("-platform"));
    const QString all = CommandLine::helpText(program, true);
    EXPECT_TRUE(all.startsWith(help));
    for (const char* option : {"-platform <name[:options]>", "-display <host:screen>", "-style <style>"})
        EXPECT_TRUE(all.contains(option)) << option;
    for (const QString& text : {help, all})
        for (const QString& row : text.split('\n'))
            EXPECT_LE(row.size(), 100) << row.toStdString();
}

// The manual page is where the options are looked up; an option added to the program belongs there.
TEST(CommandLine, TheManualPageDocumentsEveryOption) {
    QFile page(QStringLiteral(LINKMETER_SOURCE_DIR "/../packaging/linkmeter.1"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString manual =
        QString::fromUtf8(page.readAll()).replace(QStringLiteral("\\-"), QStringLiteral("-"));
    const QRegularExpression option(QStringLiteral("(?:^|[ ,])(--?[a-z][a-z-]*)"));
    auto matches = option.globalMatch(CommandLine::helpText(QStringLiteral("linkmeter"), false));
    int found = 0;
    while (matches.hasNext()) {
        const QString name = matches.next().captured(1);
        EXPECT_TRUE(manual.contains(name)) << name.toStdString();
        ++found;
    }
    EXPECT_GE(found, 8);
    for (const char* section :
         {".SH EXIT STATUS", ".SH FILES", ".SH ENVIRONMENT", "history.sqlite", "linkmeter.conf"})
        EXPECT_TRUE(manual.contains(section)) << section;
}
