#include "reports/ExportService.h"

#include "support/ManualClock.h"
#include "support/PlatformFakes.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

class ExportServiceTest : public ::testing::Test {
protected:
    QString read(const QString& path) const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    QTemporaryDir folder;
    FakeSaveDialog dialog;
    RecordingClipboard clipboard;
    ManualClock clock;
    ExportService service{dialog, clipboard, clock};
};

TEST_F(ExportServiceTest, SavesWhereTheDialogSaysAndRemembersTheFile) {
    const QString target = folder.filePath("report.csv");
    dialog.answer = target;
    HistoryInput history;
    history.routerPing = {12.34};
    EXPECT_EQ(service.exportHistoryCSV(history), target);
    EXPECT_EQ(service.lastExportURL(), target);
    EXPECT_EQ(read(target).toStdString(), historyText(history, clock.now()));

    ASSERT_EQ(dialog.requests.size(), 1u);
    const SaveRequest& request = dialog.requests[0];
    EXPECT_EQ(request.title, "Export CSV");
    EXPECT_EQ(request.message, "Choose where to save the diagnostic report");
    EXPECT_EQ(request.proposedName.toStdString(), proposedFileName("wifi-history", clock.now()));
    EXPECT_TRUE(request.fileFilter.contains("*.csv"));

    // An existing file is replaced whole.
    DiagnosticReportInput report;
    EXPECT_EQ(service.exportDiagnosticReport(report), target);
    EXPECT_EQ(read(target).toStdString(), diagnosticReportText(report, clock.now()));
    EXPECT_TRUE(dialog.requests[1].proposedName.startsWith("wifi-diagnostics-"));
}

TEST_F(ExportServiceTest, CancelOrAWriteFailureKeepsTheEarlierFile) {
    const QString earlier = folder.filePath("earlier.csv");
    dialog.answer = earlier;
    ASSERT_TRUE(service.exportHistoryCSV({}));

    dialog.answer.reset();
    EXPECT_EQ(service.exportHistoryCSV({}), std::nullopt);
    EXPECT_EQ(service.lastExportURL(), earlier);

    dialog.answer = folder.filePath("no-such-folder/report.csv");
    testing::internal::CaptureStdout();
    EXPECT_EQ(service.exportHistoryCSV({}), std::nullopt);
    const std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_EQ(printed.rfind("Failed to save CSV: ", 0), 0u) << printed;
    EXPECT_EQ(service.lastExportURL(), earlier);
}

TEST_F(ExportServiceTest, SummaryAndScreenshotGoToTheClipboard) {
    SummaryInput summary;
    summary.score = 42;
    service.copySummaryToClipboard(summary);
    EXPECT_EQ(clipboard.text.toStdString(), summaryText(summary));

    double askedScale = 0;
    EXPECT_TRUE(service.copyScreenshot([&](double scale) {
        askedScale = scale;
        QImage image(640, 200, QImage::Format_ARGB32);
        image.fill(Qt::white);
        return image;
    }));
    EXPECT_EQ(askedScale, 2.0);
    EXPECT_EQ(clipboard.image.width(), 640);

    // Nothing rendered: the clipboard keeps what it had.
    testing::internal::CaptureStdout();
    EXPECT_FALSE(service.copyScreenshot([](double) { return QImage(); }));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Failed to render view to image\n");
    EXPECT_EQ(clipboard.image.width(), 640);
}
