#include "views/PopoverView.h"

#include "diagnosis/ConnectionIssue.h"
#include "viewmodel/LinkmeterViewModel.h"

#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>
#include <cmath>

namespace {

// Shown wherever a value has not been measured.
const QString kNotMeasured = QStringLiteral("--");

QString text(std::string_view view) {
    return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size()));
}

QColor colour(std::string_view name) {
    static const std::array<std::pair<std::string_view, QColor>, 5> colours{{
        {"green", QColor(0x28, 0xa7, 0x45)},
        {"yellow", QColor(0xc9, 0x9a, 0x00)},
        {"orange", QColor(0xe8, 0x7b, 0x00)},
        {"red", QColor(0xd7, 0x2c, 0x2c)},
        {"gray", QColor(0x8e, 0x8e, 0x93)},
    }};
    for (const auto& [key, value] : colours)
        if (key == name)
            return value;
    return QColor(0x8e, 0x8e, 0x93);
}

struct Headline {
    const char* title;
    const char* subtitle;
};

Headline headline(QualityRating rating) {
    switch (rating) {
    case QualityRating::excellent:
        return {"Looking Great!", "Perfect for video calls and streaming"};
    case QualityRating::good:
        return {"All Good", "Should work well for most things"};
    case QualityRating::fair:
        return {"Hanging In There", "Might be a bit slow at times"};
    case QualityRating::poor:
        return {"Having Trouble", "You may notice some hiccups"};
    case QualityRating::bad:
        return {"Struggling", "Things might not work well"};
    case QualityRating::unknown:
        break;
    }
    return {"Checking...", "Give me a moment..."};
}

// Whole milliseconds, truncated like every latency on screen.
QString milliseconds(double value) {
    return QStringLiteral("%1 ms").arg(static_cast<long long>(std::trunc(value)));
}

QString pingSummary(const PingStatistics& stats) {
    if (stats.samplesCount == 0)
        return kNotMeasured;
    if (stats.packetLoss >= 100.0)
        return QStringLiteral("no reply (100% loss)");
    return QStringLiteral("%1, jitter %2, loss %3%")
        .arg(milliseconds(stats.averageLatency), milliseconds(stats.jitter))
        .arg(stats.packetLoss, 0, 'f', 1);
}

} // namespace

PopoverView::PopoverView(LinkmeterViewModel& viewModel, QWidget* parent)
    : QWidget(parent), m_viewModel(viewModel) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->setSpacing(10);

    auto* top = new QHBoxLayout;
    m_score = new QLabel(this);
    QFont scoreFont = m_score->font();
    scoreFont.setPointSizeF(scoreFont.pointSizeF() * 2.6);
    scoreFont.setBold(true);
    m_score->setFont(scoreFont);
    m_score->setMinimumWidth(64);
    top->addWidget(m_score);
    auto* titles = new QVBoxLayout;
    m_headline = new QLabel(this);
    QFont headlineFont = m_headline->font();
    headlineFont.setPointSizeF(headlineFont.pointSizeF() * 1.25);
    headlineFont.setBold(true);
    m_headline->setFont(headlineFont);
    m_subline = new QLabel(this);
    m_network = new QLabel(this);
    m_paused = new QLabel(QStringLiteral("Monitoring paused"), this);
    for (QLabel* caption : {m_subline, m_paused})
        caption->setStyleSheet(QStringLiteral("color: palette(mid);"));
    titles->addWidget(m_headline);
    titles->addWidget(m_subline);
    titles->addWidget(m_network);
    titles->addWidget(m_paused);
    top->addLayout(titles, 1);
    layout->addLayout(top);

    m_banner = new QFrame(this);
    m_banner->setFrameShape(QFrame::StyledPanel);
    auto* bannerLayout = new QVBoxLayout(m_banner);
    m_bannerTitle = new QLabel(m_banner);
    QFont bannerFont = m_bannerTitle->font();
    bannerFont.setBold(true);
    m_bannerTitle->setFont(bannerFont);
    m_bannerText = new QLabel(m_banner);
    m_bannerText->setWordWrap(true);
    m_loginButton = new QPushButton(QStringLiteral("Open Login Page"), m_banner);
    connect(m_loginButton, &QPushButton::clicked, this, [this] { m_viewModel.openCaptivePortalLoginPage(); });
    bannerLayout->addWidget(m_bannerTitle);
    bannerLayout->addWidget(m_bannerText);
    bannerLayout->addWidget(m_loginButton, 0, Qt::AlignLeft);
    layout->addWidget(m_banner);

    m_issue = new QLabel(this);
    m_issue->setWordWrap(true);
    layout->addWidget(m_issue);
    m_tip = new QLabel(this);
    m_tip->setWordWrap(true);
    m_tip->setTextFormat(Qt::RichText);
    layout->addWidget(m_tip);

    m_form = new QFormLayout;
    m_form->setLabelAlignment(Qt::AlignLeft);
    m_form->setHorizontalSpacing(18);
    m_form->setVerticalSpacing(5);
    layout->addLayout(m_form);
    m_signal = addRow(tr("Signal"));
    m_noise = addRow(tr("Noise"));
    m_channel = addRow(tr("Channel"));
    m_rate = addRow(tr("Link speed"));
    m_standard = addRow(tr("Standard"));
    m_security = addRow(tr("Security"));
    m_gateway = addRow(tr("Router"));
    m_router = addRow(tr("Router ping"));
    m_internet = addRow(tr("Internet ping"));
    m_dns = addRow(tr("DNS lookup"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* quit = new QPushButton(QStringLiteral("Quit"), this);
    connect(quit, &QPushButton::clicked, this, &PopoverView::quitRequested);
    buttons->addWidget(quit);
    layout->addLayout(buttons);

    using VM = LinkmeterViewModel;
    connect(&m_viewModel, &VM::wifiInfoChanged, this, &PopoverView::redraw);
    connect(&m_viewModel, &VM::routerPingStatsChanged, this, &PopoverView::redraw);
    connect(&m_viewModel, &VM::internetPingStatsChanged, this, &PopoverView::redraw);
    connect(&m_viewModel, &VM::dnsResultChanged, this, &PopoverView::redraw);
    connect(&m_viewModel, &VM::connectionQualityChanged, this, &PopoverView::redraw);
    connect(&m_viewModel, &VM::captivePortalStatusChanged, this, &PopoverView::redraw);
    connect(&m_viewModel, &VM::tipsChanged, this, &PopoverView::redraw);
    connect(&m_viewModel, &VM::isMonitoringChanged, this, &PopoverView::redraw);
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
    const auto& vm = m_viewModel;

    const auto& quality = vm.connectionQuality();
    const QColor ratingColour = colour(colorName(quality.rating));
    m_score->setText(QString::number(quality.score));
    m_score->setStyleSheet(QStringLiteral("color: %1;").arg(ratingColour.name()));
    const Headline head = headline(quality.rating);
    m_headline->setText(QString::fromUtf8(head.title));
    m_subline->setText(QString::fromUtf8(head.subtitle));
    m_paused->setVisible(!vm.isMonitoring());

    const auto& info = vm.wifiInfo();
    m_network->setText(
        info ? QStringLiteral("<b>%1</b> · %2")
                   .arg(QString::fromStdString(info->ssid).toHtmlEscaped(), text(rawValue(info->band)))
             : QStringLiteral("Not Connected"));

    const auto& portal = vm.captivePortalStatus();
    m_banner->setVisible(portal.isNoInternet() || portal.isCaptivePortal());
    m_loginButton->setVisible(portal.isCaptivePortal());
    if (portal.isCaptivePortal()) {
        m_bannerTitle->setText(QStringLiteral("Captive Portal Detected"));
        m_bannerTitle->setStyleSheet(QStringLiteral("color: %1;").arg(colour("orange").name()));
        m_bannerText->setText(QStringLiteral("This network requires login. Open a browser to authenticate."));
    } else if (portal.isNoInternet()) {
        m_bannerTitle->setText(QStringLiteral("No Internet Connection"));
        m_bannerTitle->setStyleSheet(QStringLiteral("color: %1;").arg(colour("red").name()));
        m_bannerText->setText(QString::fromStdString(portal.reason()));
    }

    const auto issue = vm.currentIssue();
    m_issue->setVisible(issue.has_value());
    if (issue) {
        m_issue->setText(text(message(*issue)));
        m_issue->setStyleSheet(
            QStringLiteral("color: %1; font-weight: bold;").arg(colour(colorName(*issue)).name()));
    }
    const auto& tips = vm.tips();
    m_tip->setVisible(!tips.empty());
    if (!tips.empty()) {
        const Tip& tip = tips.front();
        m_tip->setText(QStringLiteral("<b>%1</b><br>%2")
                           .arg(QString::fromStdString(tip.title).toHtmlEscaped(),
                                QString::fromStdString(tip.description).toHtmlEscaped()));
    }

    if (info) {
        m_signal->setText(QStringLiteral("%1 dBm").arg(info->rssi));
        m_noise->setText(info->noise ? QStringLiteral("%1 dBm").arg(*info->noise) : kNotMeasured);
        m_channel->setText(QStringLiteral("%1 (%2 MHz)").arg(info->channel).arg(info->channelWidth));
        m_rate->setText(QStringLiteral("%1 Mbps").arg(info->transmitRate, 0, 'f', 0));
        m_standard->setText(QString::fromStdString(info->phyMode));
        m_security->setText(QString::fromStdString(info->securityType));
    } else {
        for (QLabel* label : {m_signal, m_noise, m_channel, m_rate, m_standard, m_security})
            label->setText(kNotMeasured);
    }
    m_gateway->setText(vm.gatewayIP() ? QString::fromStdString(*vm.gatewayIP()) : kNotMeasured);
    m_router->setText(pingSummary(vm.routerPingStats()));
    m_internet->setText(pingSummary(vm.internetPingStats()));
    const auto& dns = vm.dnsResult();
    m_dns->setText(dns ? QStringLiteral("%1%2 (%3)")
                             .arg(milliseconds(dns->lookupTime),
                                  dns->resolvedIP ? QString() : QStringLiteral(", failed"),
                                  QString::fromStdString(dns->server))
                       : kNotMeasured);
}
