#include "views/NetworkInfoView.h"

#include "viewmodel/LinkmeterViewModel.h"
#include "views/ActivityIndicator.h"
#include "views/DNSSection.h"
#include "views/NetworkInterfaceRow.h"
#include "views/kit/Card.h"
#include "views/kit/Palette.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {
QFrame* divider(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setObjectName(QStringLiteral("divider"));
    line->setFixedHeight(1);
    styleBox(line, Tone::gray, 0.3, 0);
    return line;
}
} // namespace

NetworkInfoView::NetworkInfoView(LinkmeterViewModel& viewModel, NetworkInfoService& service, QWidget* parent)
    : QWidget(parent), m_viewModel(viewModel) {
    QVBoxLayout* column = fillWithCard(this);
    m_header = new CollapsibleHeader(QStringLiteral("Network Info"), this);
    column->addWidget(m_header);

    m_publicIPRow = new QWidget(this);
    m_publicIPRow->setObjectName(QStringLiteral("publicIPRow"));
    auto* ipRow = new QHBoxLayout(m_publicIPRow);
    ipRow->setContentsMargins(0, 0, 0, 0);
    ipRow->setSpacing(5);
    ipRow->addWidget(makeSymbolLabel(QStringLiteral("globe"), Colour::secondary, 11, m_publicIPRow));
    ipRow->addWidget(
        makeLabel(QStringLiteral("Public IP"), TextStyle::caption, Colour::secondary, m_publicIPRow));
    ipRow->addStretch();
    m_loading = new ActivityIndicator(11, m_publicIPRow);
    ipRow->addWidget(m_loading);
    m_publicIP = makeLabel({}, TextStyle::caption, {}, m_publicIPRow);
    m_publicIP->setObjectName(QStringLiteral("publicIP"));
    m_publicIP->setFont(monospacedFont(TextStyle::caption, m_publicIP->font()));
    m_publicIP->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_publicIP->setCursor(Qt::IBeamCursor);
    ipRow->addWidget(m_publicIP);
    column->addWidget(m_publicIPRow);

    m_body = makeCollapsibleBody(m_header, 8, this);
    auto* body = static_cast<QVBoxLayout*>(m_body->layout());
    body->addWidget(divider(m_body));
    m_interfaceList = new QWidget(m_body);
    m_interfaceRows = new QVBoxLayout(m_interfaceList);
    m_interfaceRows->setContentsMargins(0, 0, 0, 0);
    m_interfaceRows->setSpacing(4);
    body->addWidget(m_interfaceList);
    body->addWidget(divider(m_body));
    m_dnsSection = new DNSSection(viewModel, service, m_body);
    body->addWidget(m_dnsSection);
    column->addWidget(m_body);

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
    while (QLayoutItem* item = m_interfaceRows->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    for (const NetworkInterface& interface : m_viewModel.networkInterfaces())
        m_interfaceRows->addWidget(new NetworkInterfaceRow(interface, m_interfaceList));
}
