#include "views/MainPopoverView.h"

#include "views/SymbolIcon.h"

#include <QToolButton>
#include <QVBoxLayout>

MainPopoverView::MainPopoverView(StatusView::Services services, QWidget* parent) : QWidget(parent) {
    // One page shown at a time; a hidden page takes no room, so the popover is as tall as the page
    // it shows.
    m_pages = new QVBoxLayout(this);
    m_pages->setContentsMargins(0, 0, 0, 0);
    m_pages->setSizeConstraint(QLayout::SetFixedSize);
    m_status = new StatusView(services, this);
    m_pages->addWidget(m_status);

    // The diagnostics cards come later; the page already has its size and its way back.
    m_diagnostics = new QWidget(this);
    m_diagnostics->setFixedSize(320, 600);
    auto* column = new QVBoxLayout(m_diagnostics);
    auto* back = new QToolButton(m_diagnostics);
    back->setAutoRaise(true);
    back->setIcon(symbolIcon(QStringLiteral("chevron.backward"), palette().color(QPalette::ButtonText), 16));
    back->setAccessibleName(tr("Back"));
    back->setToolTip(back->accessibleName());
    column->addWidget(back, 0, Qt::AlignLeft);
    column->addStretch();
    m_pages->addWidget(m_diagnostics);

    connect(m_status, &StatusView::showDiagnostics, this, [this] { setShowDiagnostics(true); });
    connect(back, &QToolButton::clicked, this, [this] { setShowDiagnostics(false); });
    setShowDiagnostics(false);
}

void MainPopoverView::setShowDiagnostics(bool show) {
    m_showDiagnostics = show;
    m_status->setVisible(!show);
    m_diagnostics->setVisible(show);
}
