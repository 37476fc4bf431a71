#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

namespace {

struct ToolRun {
    int exitCode;
    QString output;
};

ToolRun render(const QStringList& arguments) {
    QProcess tool;
    tool.setProgram(QStringLiteral(LINKMETER_RENDER_TOOL));
    tool.setArguments(arguments);
    tool.start();
    EXPECT_TRUE(tool.waitForFinished(30000));
    return {tool.exitCode(), QString::fromUtf8(tool.readAllStandardOutput() + tool.readAllStandardError())};
}

bool varies(const QImage& image) {
    const QImage plain = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < plain.height(); y += 3)
        for (int x = 0; x < plain.width(); x += 3)
            if (plain.pixel(x, y) != plain.pixel(0, 0))
                return true;
    return false;
}

} // namespace

TEST(RenderTool, EveryStateDrawsInLightAndDarkWithEveryLabelFittingInEveryLanguage) {
    const ToolRun list = render({QStringLiteral("--list")});
    ASSERT_EQ(list.exitCode, 0);
    QStringList states;
    for (const QString& line : list.output.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        if (!line.contains(QLatin1Char(' ')))
            states << line;
    ASSERT_TRUE(states.contains(QStringLiteral("status-connected-excellent")));
    ASSERT_TRUE(states.contains(QStringLiteral("status-captive-portal")));
    ASSERT_TRUE(states.contains(QStringLiteral("status-offline-no-permission")));

    QTemporaryDir dir;
    for (const QString& state : states) {
        for (const bool dark : {false, true}) {
            const QString file =
                dir.filePath(state + (dark ? QStringLiteral("-dark.png") : QStringLiteral(".png")));
            QStringList arguments{state, file};
            if (dark)
                arguments << QStringLiteral("--dark");
            const ToolRun run = render(arguments);
            // 3 means a label was cut off; the tool names it.
            EXPECT_EQ(run.exitCode, 0) << state.toStdString() << ": " << run.output.toStdString();
            // Every translation must fit as well; the colours do not change a text's size.
            if (!dark)
                for (const char* language : {"de", "fr", "es"}) {
                    const QString code = QLatin1String(language);
                    const ToolRun translated =
                        render({state, dir.filePath(state + u'-' + code + QStringLiteral(".png")),
                                QStringLiteral("--language"), code});
                    EXPECT_EQ(translated.exitCode, 0) << state.toStdString() << " in " << language << ": "
                                                      << translated.output.toStdString();
                }
            const QImage image(file);
            ASSERT_FALSE(image.isNull()) << state.toStdString();
            // Drawn at twice the density of a view at least 320 points wide.
            EXPECT_GE(image.width(), 640) << state.toStdString();
            EXPECT_TRUE(varies(image)) << state.toStdString();
        }
    }
    EXPECT_EQ(render({QStringLiteral("no-such-state"), dir.filePath(QStringLiteral("x.png"))}).exitCode, 2);
}
