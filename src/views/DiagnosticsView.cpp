#include "views/DiagnosticsView.h"

#include "views/PingCard.h"
#include "views/kit/Layout.h"
#include "views/kit/Metrics.h"

#include <QVBoxLayout>

DiagnosticsView::DiagnosticsView(QWidget* parent) : QWidget(parent) {
    QVBoxLayout* column = makeColumn(this, Metrics::Space::l);
    m_router = new PingCard(QStringLiteral("ROUTER"), this);
    column->addWidget(m_router);
    m_internet = new PingCard(QStringLiteral("INTERNET"), this);
    m_internet->setTarget(QString::fromLatin1(internetTarget));
    column->addWidget(m_internet);
    setRouter(std::nullopt, {}, {});
}

void DiagnosticsView::setRouter(const std::optional<std::string>& gatewayIP, const PingStatistics& stats,
                                const std::vector<double>& history) {
    m_router->setTarget(gatewayIP ? QString::fromStdString(*gatewayIP) : QStringLiteral("Unknown"));
    m_router->setData(stats, history);
}

void DiagnosticsView::setInternet(const PingStatistics& stats, const std::vector<double>& history) {
    m_internet->setData(stats, history);
}
