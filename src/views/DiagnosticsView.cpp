#include "views/DiagnosticsView.h"

#include "views/PingCard.h"
#include "views/kit/Layout.h"
#include "views/kit/Metrics.h"

#include <QVBoxLayout>

DiagnosticsView::DiagnosticsView(QWidget* parent) : QWidget(parent) {
    QVBoxLayout* column = makeColumn(this, Metrics::Space::l);
    m_router = new PingCard(tr("ROUTER"), this);
    m_router->setObjectName(QStringLiteral("routerCard"));
    column->addWidget(m_router);
    m_internet = new PingCard(tr("INTERNET"), this);
    m_internet->setObjectName(QStringLiteral("internetCard"));
    m_internet->setTarget(QString::fromLatin1(internetTarget));
    column->addWidget(m_internet);
    setRouter(routerTarget(std::nullopt), pingCard({}, {}));
}

void DiagnosticsView::setRouter(const QString& target, const PingCardData& card) {
    m_router->setTarget(target);
    m_router->setData(card);
}

void DiagnosticsView::setInternet(const PingCardData& card) {
    m_internet->setData(card);
}
