#pragma once

#include "reports/ReportText.h"

#include <QImage>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <string_view>

class Clipboard;
class Clock;
class SaveDialog;

// Turns the measurements into things that leave the program: the diagnostic report and the history
// as comma-separated files (always through the save dialog), a text summary and a picture of a view
// on the clipboard. Main thread only.
class ExportService final : public QObject {
    Q_OBJECT

public:
    static constexpr char dialogTitle[] = "Export CSV";
    static constexpr char dialogMessage[] = "Choose where to save the diagnostic report";
    static constexpr char fileFilter[] = "CSV files (*.csv)";
    // Pixels per point of a screenshot.
    static constexpr double screenshotScale = 2.0;

    ExportService(SaveDialog& dialog, Clipboard& clipboard, const Clock& clock, QObject* parent = nullptr);

    // The file the last successful save wrote.
    const std::optional<QString>& lastExportURL() const { return m_lastExportURL; }

    std::optional<QString> exportDiagnosticReport(const DiagnosticReportInput& input);
    std::optional<QString> exportHistoryCSV(const HistoryInput& input);
    // Asks where to save `content` (proposing `baseName` with the time) and writes it atomically.
    std::optional<QString> saveCSV(const std::string& content, std::string_view baseName);
    void copySummaryToClipboard(const SummaryInput& input);
    // `render` draws the view at the given scale; a null image leaves the clipboard alone.
    bool copyScreenshot(const std::function<QImage(double scale)>& render);

signals:
    void lastExportURLChanged(const std::optional<QString>& url);

private:
    SaveDialog& m_dialog;
    Clipboard& m_clipboard;
    const Clock& m_clock;
    std::optional<QString> m_lastExportURL;
};
