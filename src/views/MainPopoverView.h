#pragma once

#include "views/DiagnosticsContentView.h"

#include <QWidget>

class DiagnosticsPresenter;
class QVBoxLayout;
class Scheduler;
class StatusPresenter;
class StatusView;

// The popover's content: the status view, or the diagnostics page while `showDiagnostics` is set.
class MainPopoverView final : public QWidget {
    Q_OBJECT

public:
    MainPopoverView(StatusPresenter& status, DiagnosticsPresenter& diagnostics,
                    std::optional<NetworkPanelPresenters> networkPanels, Scheduler& scheduler,
                    QWidget* parent = nullptr);

    StatusView* statusView() const { return m_status; }
    DiagnosticsContentView* diagnosticsView() const { return m_diagnostics; }
    bool showDiagnostics() const { return m_showDiagnostics; }
    void setShowDiagnostics(bool show);

private:
    StatusView* m_status = nullptr;
    DiagnosticsContentView* m_diagnostics = nullptr;
    QVBoxLayout* m_pages = nullptr;
    bool m_showDiagnostics = false;
};
