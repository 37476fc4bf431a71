#include "views/MainPopoverView.h"

#include "views/DiagnosticsContentView.h"
#include "views/StatusView.h"
#include "views/kit/Layout.h"

#include <QVBoxLayout>

MainPopoverView::MainPopoverView(StatusPresenter& status, DiagnosticsPresenter& diagnostics,
                                 std::optional<NetworkPanelPresenters> networkPanels, Scheduler& scheduler,
                                 QWidget* parent)
    : QWidget(parent) {
    // One page shown at a time; a hidden page takes no room, so the popover is as tall as the page
    // it shows.
    m_pages = makeColumn(this);
    m_pages->setSizeConstraint(QLayout::SetFixedSize);
    m_status = new StatusView(status, scheduler, this);
    m_pages->addWidget(m_status);

    m_diagnostics = new DiagnosticsContentView(diagnostics, networkPanels, scheduler, this);
    m_pages->addWidget(m_diagnostics);

    connect(m_status, &StatusView::showDiagnostics, this, [this] { setShowDiagnostics(true); });
    connect(m_diagnostics, &DiagnosticsContentView::showStatus, this, [this] { setShowDiagnostics(false); });
    setShowDiagnostics(false);
}

void MainPopoverView::setShowDiagnostics(bool show) {
    m_showDiagnostics = show;
    m_status->setVisible(!show);
    m_diagnostics->setVisible(show);
}
