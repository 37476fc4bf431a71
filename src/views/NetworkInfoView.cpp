#include "views/NetworkInfoView.h"

#include "viewmodel/LinkmeterViewModel.h"
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

NetworkInfoView::NetworkInfoView(LinkmeterViewModel& viewModel, NetworkInfoService& service,
                                 Scheduler& scheduler, QWidget* parent)
    : QWidget(parent), m_viewModel(viewModel) {
    m_card = makeCollapsibleCard(this, QStringLiteral("Network Info"), Space::m);
    QVBoxLayout* body = m_card.bodyColumn;

    m_publicIPRow = new QWidget(this);
    m_publicIPRow->setObjectName(QStringLiteral("publicIPRow"));
    QHBoxLayout* ipRow = makeRow(m_publicIPRow, Space::xsPlus);
    ipRow->addWidget(
        makeSymbolLabel(QStringLiteral("globe"), Colour::secondary, SymbolSize::s, m_publicIPRow));
    ipRow->addWidget(
        makeLabel(QStringLiteral("Public IP"), TextStyle::caption, Colour::secondary, m_publicIPRow));
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
    m_dnsSection = new DNSSection(viewModel, service, scheduler, m_card.body);
    body->addWidget(m_dnsSection);

    connect(&m_viewModel, &LinkmeterViewModel::publicIPChanged, this, &NetworkInfoView::refreshPublicIP);
    connect(&m_viewModel, &LinkmeterViewModel::isLoadingPublicIPChanged, this,
            &NetworkInfoView::refreshPublicIP);
    connect(&m_viewModel, &LinkmeterViewModel::networkInterfacesChanged, this,
            &NetworkInfoView::refreshInterfaces);
    refreshPublicIP();
    refreshInterfaces();
}

void NetworkInfoView::refreshPublicIP() {
    const auto& address = m_viewModel.publicIP();
    const bool loading = !address && m_viewModel.isLoadingPublicIP();
    m_publicIPRow->setVisible(address.has_value() || loading);
    m_publicIP->setVisible(address.has_value());
    m_publicIP->setText(address ? QString::fromStdString(*address) : QString());
    m_loading->setVisible(loading);
}

void NetworkInfoView::refreshInterfaces() {
    clearLayout(m_interfaceRows);
    for (const NetworkInterface& interface : m_viewModel.networkInterfaces())
        m_interfaceRows->addWidget(new NetworkInterfaceRow(interface, m_interfaceList));
}
