#include "reports/ExportService.h"

#include "core/Log.h"
#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/SaveDialog.h"

#include <QSaveFile>

ExportService::ExportService(SaveDialog& dialog, Clipboard& clipboard, const Clock& clock, QObject* parent)
    : QObject(parent), m_dialog(dialog), m_clipboard(clipboard), m_clock(clock) {}

std::optional<QString> ExportService::exportDiagnosticReport(const DiagnosticReportInput& input) {
    return saveCSV(diagnosticReportText(input, m_clock.now()), "wifi-diagnostics");
}

std::optional<QString> ExportService::exportHistoryCSV(const HistoryInput& input) {
    return saveCSV(historyText(input, m_clock.now()), "wifi-history");
}

std::optional<QString> ExportService::saveCSV(const std::string& content, std::string_view baseName) {
    const SaveRequest request{QString::fromLatin1(dialogTitle), QString::fromLatin1(dialogMessage),
                              QString::fromStdString(proposedFileName(baseName, m_clock.now())),
                              QString::fromLatin1(fileFilter)};
    const std::optional<QString> location = m_dialog.chooseLocation(request);
    if (!location || location->isEmpty())
        return std::nullopt;

    // Written beside the target and renamed over it, so a failed write never leaves half a file.
    QSaveFile file(*location);
    const bool written = file.open(QIODevice::WriteOnly) &&
                         file.write(content.data(), qint64(content.size())) == qint64(content.size()) &&
                         file.commit();
    if (!written) {
        logFailure("Failed to save CSV: ", file.errorString().toStdString());
        return std::nullopt;
    }
    m_lastExportURL = *location;
    emit lastExportURLChanged(m_lastExportURL);
    return location;
}

void ExportService::copySummaryToClipboard(const SummaryInput& input) {
    m_clipboard.setText(QString::fromStdString(summaryText(input)));
}

bool ExportService::copyScreenshot(const std::function<QImage(double scale)>& render) {
    const QImage image = render ? render(screenshotScale) : QImage();
    if (image.isNull()) {
        logFailure("Failed to render view to image", {});
        return false;
    }
    m_clipboard.setImage(image);
    return true;
}
