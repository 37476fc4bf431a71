#include "views/NetworkInfoView.h"

#include "viewmodel/NetworkInfoPresenter.h"
#include "views/ActivityIndicator.h"
#include "views/DNSSection.h"
#include "views/NetworkInterfaceRow.h"
#include "views/kit/CardFrame.h"
#include "views/kit/CollapsibleHeader.h"
#include "views/kit/Divider.h"
#include "views/kit/Layout.h"
#include "views/kit/Metrics.h"
#include "views/kit/Palette.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

using namespace Metrics;

NetworkInfoView::NetworkInfoView(NetworkInfoPresenter& presenter, Scheduler& scheduler, QWidget* parent)
    : QWidget(parent), m_presenter(presenter) {
    m_card = makeCollapsibleCard(this, tr("Network Info"), Space::m);
    QVBoxLayout* body = m_card.bodyColumn;

    m_publicIPRow = new QWidget(this);
    m_publicIPRow->setObjectName(QStringLiteral("publicIPRow"));
    QHBoxLayout* ipRow = makeRow(m_publicIPRow, Space::xsPlus);
    ipRow->addWidget(
        makeSymbolLabel(QStringLiteral("globe"), Colour::secondary, SymbolSize::s, m_publicIPRow));
    ipRow->addWidget(makeLabel(tr("Public IP"), TextStyle::caption, Colour::secondary, m_publicIPRow));
    ipRow->addStretch();
    m_loading = new ActivityIndicator(SymbolSize::s, m_publicIPRow);
    ipRow->addWidget(m_loading);
    m_publicIP = makeLabel({}, TextStyle::caption, {}, m_publicIPRow);
    m_publicIP->setObjectName(QStringLiteral("publicIP"));
    m_publicIP->setFont(monospacedFont(TextStyle::caption, m_publicIP->font()));
    m_publicIP->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_publicIP->setCursor(Qt::IBeamCursor);
    ipRow->addWidget(m_publicIP);
    // Between the header and the body: the address shows while folded too.
    m_card.card->content()->insertWidget(m_card.card->content()->indexOf(m_card.body), m_publicIPRow);

    body->addWidget(new Divider(m_card.body));
    m_interfaceList = new QWidget(m_card.body);
    m_interfaceRows = makeColumn(m_interfaceList, Space::xs);
    body->addWidget(m_interfaceList);
    body->addWidget(new Divider(m_card.body));
    body->addWidget(new DNSSection(presenter, scheduler, m_card.body));

    connect(&presenter, &NetworkInfoPresenter::changed, this, &NetworkInfoView::render);
    render();
}

void NetworkInfoView::render() {
    const NetworkInfoScreen& screen = m_presenter.screen();
    m_publicIPRow->setVisible(screen.showsPublicIPRow);
    m_publicIP->setVisible(!screen.publicIP.isEmpty());
    m_publicIP->setText(screen.publicIP);
    m_loading->setVisible(screen.loadingPublicIP);

    if (screen.interfaces == m_shownInterfaces)
        return;
    m_shownInterfaces = screen.interfaces;
    clearLayout(m_interfaceRows);
    for (const InterfaceLine& interface : screen.interfaces)
        m_interfaceRows->addWidget(new NetworkInterfaceRow(interface, m_interfaceList));
}
