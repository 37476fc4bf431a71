#include "views/PopoverView.h"

#include "core/LinkmeterViewModel.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// Shown wherever a value has not been measured.
const QString kNotMeasured = QStringLiteral("--");
} // namespace

PopoverView::PopoverView(LinkmeterViewModel& viewModel, QWidget* parent)
    : QWidget(parent), m_viewModel(viewModel) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->setSpacing(10);

    m_headline = new QLabel(this);
    QFont headlineFont = m_headline->font();
    headlineFont.setPointSizeF(headlineFont.pointSizeF() * 1.35);
    headlineFont.setBold(true);
    m_headline->setFont(headlineFont);
    layout->addWidget(m_headline);

    m_form = new QFormLayout;
    m_form->setLabelAlignment(Qt::AlignLeft);
    m_form->setHorizontalSpacing(18);
    m_form->setVerticalSpacing(5);
    layout->addLayout(m_form);

    m_network = addRow(tr("Network"));
    m_signal = addRow(tr("Signal"));
    m_noise = addRow(tr("Noise"));
    m_channel = addRow(tr("Channel"));
    m_rate = addRow(tr("Link speed"));
    m_standard = addRow(tr("Standard"));
    m_security = addRow(tr("Security"));
    m_monitoring = addRow(tr("Monitoring"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* quit = new QPushButton(QStringLiteral("Quit"), this);
    connect(quit, &QPushButton::clicked, this, &PopoverView::quitRequested);
    buttons->addWidget(quit);
    layout->addLayout(buttons);

    connect(&m_viewModel, &LinkmeterViewModel::wifiInfoChanged, this, &PopoverView::redraw);
    connect(&m_viewModel, &LinkmeterViewModel::isMonitoringChanged, this, &PopoverView::redraw);
    redraw();
}

QLabel* PopoverView::addRow(const QString& title) {
    auto* value = new QLabel(this);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* caption = new QLabel(title, this);
    caption->setStyleSheet(QStringLiteral("color: palette(mid);"));
    m_form->addRow(caption, value);
    return value;
}

void PopoverView::redraw() {
    const auto& info = m_viewModel.wifiInfo();
    m_headline->setText(info ? QString::fromStdString(info->ssid) : tr("Not connected to Wi-Fi"));
    if (info) {
        m_network->setText(info->bssid ? QString::fromStdString(*info->bssid) : kNotMeasured);
        m_signal->setText(QStringLiteral("%1 dBm").arg(info->rssi));
        m_noise->setText(info->noise ? QStringLiteral("%1 dBm").arg(*info->noise) : kNotMeasured);
        m_channel->setText(QStringLiteral("%1 (%2, %3 MHz)")
                               .arg(info->channel)
                               .arg(QString::fromUtf8(rawValue(info->band).data(),
                                                      static_cast<qsizetype>(rawValue(info->band).size())))
                               .arg(info->channelWidth));
        m_rate->setText(QStringLiteral("%1 Mbps").arg(info->transmitRate, 0, 'f', 0));
        m_standard->setText(QString::fromStdString(info->phyMode));
        m_security->setText(QString::fromStdString(info->securityType));
    } else {
        for (QLabel* label : {m_network, m_signal, m_noise, m_channel, m_rate, m_standard, m_security})
            label->setText(kNotMeasured);
    }
    m_monitoring->setText(m_viewModel.isMonitoring() ? tr("On") : tr("Paused"));
}
