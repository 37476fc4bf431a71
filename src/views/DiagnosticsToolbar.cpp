#include "views/DiagnosticsToolbar.h"

#include "views/CompactQualityBadge.h"
#include "views/kit/Buttons.h"
#include "views/kit/Metrics.h"
#include "views/kit/Palette.h"
#include "views/kit/SymbolIcon.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

using namespace Metrics;

namespace {

QIcon menuSymbol(const QString& name, const QWidget* widget) {
    return buttonSymbol(name, widget, SymbolSize::xl);
}

} // namespace

DiagnosticsToolbar::DiagnosticsToolbar(std::function<bool()> onScreenshot, Scheduler& scheduler,
                                       QWidget* parent)
    : QWidget(parent), m_onScreenshot(std::move(onScreenshot)), m_feedback(scheduler) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(padding(Space::l, Space::m));
    row->setSpacing(Space::m);

    m_monitoring = new QPushButton(this);
    m_monitoring->setObjectName(QStringLiteral("monitoring"));
    connect(m_monitoring, &QPushButton::clicked, this, [this] {
        if (m_isMonitoring)
            emit stopMonitoring();
        else
            emit startMonitoring();
    });
    row->addWidget(m_monitoring);

    m_badge = new CompactQualityBadge(this);
    row->addWidget(m_badge);
    row->addStretch();

    m_menu = new QMenu(this);
    connect(m_menu->addAction(menuSymbol(QStringLiteral("camera"), this), tr("Copy Screenshot")),
            &QAction::triggered, this, &DiagnosticsToolbar::copyScreenshot);
    connect(m_menu->addAction(menuSymbol(QStringLiteral("doc.on.doc"), this), tr("Copy Summary Text")),
            &QAction::triggered, this, &DiagnosticsToolbar::copySummary);
    m_menu->addSeparator();
    connect(m_menu->addAction(menuSymbol(QStringLiteral("doc.text"), this), tr("Save Diagnostics CSV...")),
            &QAction::triggered, this, &DiagnosticsToolbar::exportReportRequested);
    connect(m_menu->addAction(menuSymbol(QStringLiteral("clock"), this), tr("Save History CSV...")),
            &QAction::triggered, this, &DiagnosticsToolbar::exportHistoryRequested);
    m_export = new QToolButton(this);
    m_export->setObjectName(QStringLiteral("exportButton"));
    m_export->setAutoRaise(true);
    m_export->setIcon(menuSymbol(QStringLiteral("square.and.arrow.up"), this));
    m_export->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_export->setFont(styledFont(TextStyle::caption2, m_export->font()));
    m_export->setMenu(m_menu);
    m_export->setPopupMode(QToolButton::InstantPopup);
    m_export->setAccessibleName(tr("Copy or export"));
    m_export->setToolTip(m_export->accessibleName());
    hideMenuIndicator(m_export);
    row->addWidget(m_export);

    auto* gear = new QToolButton(this);
    gear->setAutoRaise(true);
    gear->setIcon(symbolIcon(QStringLiteral("gear"), Palette::colour(Colour::secondary), SymbolSize::xl));
    gear->setAccessibleName(tr("Settings"));
    gear->setToolTip(gear->accessibleName());
    connect(gear, &QToolButton::clicked, this, &DiagnosticsToolbar::settingsRequested);
    row->addWidget(gear);

    auto* quit = new QPushButton(tr("Quit"), this);
    quit->setFlat(true);
    setButtonTextColour(quit, Colour::secondary);
    connect(quit, &QPushButton::clicked, this, &DiagnosticsToolbar::quitRequested);
    row->addWidget(quit);

    setData(toolbarData(false, {}));
    connect(&m_feedback, &FlashMessage::changed, this, &DiagnosticsToolbar::showFeedback);
    showFeedback(std::nullopt);
}

void DiagnosticsToolbar::setData(const ToolbarData& data) {
    m_isMonitoring = data.monitoring;
    m_monitoring->setText(data.monitoringText);
    m_badge->setVisible(data.showsBadge);
    m_badge->setQuality(data.quality);
}

void DiagnosticsToolbar::copyScreenshot() {
    if (m_onScreenshot && m_onScreenshot())
        m_feedback.show(tr("Screenshot copied!"));
}

void DiagnosticsToolbar::copySummary() {
    emit summaryRequested();
    m_feedback.show(tr("Copied!"));
}

void DiagnosticsToolbar::showFeedback(const std::optional<QString>& text) {
    m_export->setText(text.value_or(QString()));
    m_export->setToolButtonStyle(text ? Qt::ToolButtonTextBesideIcon : Qt::ToolButtonIconOnly);
}
