#pragma once

#include "viewmodel/DiagnosticsCards.h"
#include "views/kit/FlashMessage.h"

#include <QWidget>

#include <functional>
#include <optional>

class CompactQualityBadge;
class QLabel;
class QMenu;
class QPushButton;
class QToolButton;
class Scheduler;

// Bottom bar of the diagnostics page: start/stop, the score badge, copy and export, settings, quit.
class DiagnosticsToolbar final : public QWidget {
    Q_OBJECT

public:
    // `onScreenshot` copies a picture of the page and says whether it reached the clipboard.
    DiagnosticsToolbar(std::function<bool()> onScreenshot, Scheduler& scheduler, QWidget* parent = nullptr);

    void setData(const ToolbarData& data);

    void copyScreenshot();
    void copySummary();

signals:
    void startMonitoring();
    void stopMonitoring();
    void summaryRequested();
    void exportReportRequested();
    void exportHistoryRequested();
    void settingsRequested();
    void quitRequested();

private:
    void showFeedback(const std::optional<QString>& text);

    std::function<bool()> m_onScreenshot;
    QPushButton* m_monitoring = nullptr;
    bool m_isMonitoring = false;
    CompactQualityBadge* m_badge = nullptr;
    QToolButton* m_export = nullptr;
    QMenu* m_menu = nullptr;
    // The copy confirmation next to the export symbol.
    FlashMessage m_feedback;
};
