#include "views/ConnectionInfoView.h"

#include "views/AdditionalInfoRow.h"
#include "views/MetricItem.h"
#include "views/PermissionPromptView.h"
#include "views/kit/CardFrame.h"
#include "views/kit/Layout.h"
#include "views/kit/Metrics.h"
#include "views/kit/Palette.h"
#include "views/kit/Typography.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

using namespace Metrics;

namespace {

// The status dot before the network name.
QLabel* makeDot(QWidget* parent) {
    const double ratio = 2.0;
    const QSize size = Size::statusDot;
    QPixmap dot(size * ratio);
    dot.setDevicePixelRatio(ratio);
    dot.fill(Qt::transparent);
    QPainter p(&dot);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::colour(Tone::green));
    p.drawEllipse(QRectF(QPointF(), size));
    auto* label = new QLabel(parent);
    label->setPixmap(dot);
    label->setFixedSize(size);
    return label;
}

} // namespace

ConnectionInfoView::ConnectionInfoView(QWidget* parent) : QWidget(parent) {
    CardFrame* card = CardFrame::fill(this, tr("WIFI"));
    QVBoxLayout* content = card->content();

    m_connected = new QWidget(card);
    QVBoxLayout* column = makeColumn(m_connected, Space::mPlus);

    m_networkRow = new QWidget(m_connected);
    m_networkRow->installEventFilter(this);
    QHBoxLayout* network = makeRow(m_networkRow, Space::s);
    network->addWidget(makeDot(m_networkRow));
    m_ssid = makeLabel(QString(), TextStyle::title3, {}, m_networkRow);
    m_ssid->setObjectName(QStringLiteral("ssid"));
    QFont ssidFont = m_ssid->font();
    ssidFont.setWeight(QFont::DemiBold);
    m_ssid->setFont(ssidFont);
    network->addWidget(m_ssid, 1);
    m_locationIcon =
        makeSymbolLabel(QStringLiteral("location.slash"), Tone::orange, SymbolSize::s, m_networkRow);
    m_locationIcon->setObjectName(QStringLiteral("locationIcon"));
    m_locationIcon->setToolTip(tr("The network name needs location access"));
    network->addWidget(m_locationIcon);
    m_band = makeLabel(QString(), TextStyle::caption, {}, m_networkRow);
    QFont bandFont = m_band->font();
    bandFont.setWeight(QFont::Medium);
    m_band->setFont(bandFont);
    m_band->setObjectName(QStringLiteral("bandBadge"));
    m_band->setContentsMargins(padding(Space::s, Space::xxs));
    styleBox(m_band, Colour::windowBackground, 1.0, Radius::badge);
    network->addWidget(m_band);
    column->addWidget(m_networkRow);

    auto* metrics = new QHBoxLayout;
    metrics->setSpacing(Space::l);
    m_signal = new MetricItem(tr("Signal"), m_connected);
    m_noise = new MetricItem(tr("Noise"), m_connected);
    m_rate = new MetricItem(tr("Rate"), m_connected);
    m_signal->setObjectName(QStringLiteral("signal"));
    m_noise->setObjectName(QStringLiteral("noise"));
    m_rate->setObjectName(QStringLiteral("rate"));
    for (MetricItem* item : {m_signal, m_noise, m_rate})
        metrics->addWidget(item, 1);
    column->addLayout(metrics);

    m_details = new AdditionalInfoRow(m_connected);
    column->addWidget(m_details);
    content->addWidget(m_connected);

    m_prompt = new PermissionPromptView(QStringLiteral("location.circle"), Tone::blue,
                                        tr("Grant location access to see network name"), tr("Allow"), card);
    styleBox(m_prompt, Tone::blue, 0.1, Radius::box);
    connect(m_prompt, &PermissionPromptView::triggered, this, &ConnectionInfoView::requestLocation);
    content->addWidget(m_prompt);

    m_notConnected = new QWidget(card);
    m_notConnected->setObjectName(QStringLiteral("notConnected"));
    QHBoxLayout* offline = makeRow(m_notConnected, Space::m);
    offline->addWidget(
        makeSymbolLabel(QStringLiteral("wifi.slash"), Tone::red, SymbolSize::xl, m_notConnected));
    offline->addWidget(
        makeLabel(tr("Not connected to Wi-Fi"), TextStyle::body, Colour::secondary, m_notConnected), 1);
    content->addWidget(m_notConnected);

    setData(wifiCard(std::nullopt, true));
}

void ConnectionInfoView::setData(const WiFiCardData& card) {
    m_rowAsksForLocation = card.rowAsksForLocation;
    m_connected->setVisible(card.connected);
    m_prompt->setVisible(card.asksForLocation);
    m_notConnected->setVisible(!card.connected && !card.asksForLocation);
    if (!card.connected)
        return;

    m_ssid->setText(card.ssid);
    m_locationIcon->setVisible(card.nameWithheld);
    m_networkRow->setCursor(card.rowAsksForLocation ? Qt::PointingHandCursor : Qt::ArrowCursor);
    m_band->setVisible(!card.band.isEmpty());
    m_band->setText(card.band);

    m_signal->setValue(card.signal, card.signalTone);
    m_noise->setValue(card.noise, Colour::secondary);
    m_rate->setValue(card.rate, {});
    m_details->setDetails(card.details);
}

bool ConnectionInfoView::eventFilter(QObject* watched, QEvent* event) {
    // A withheld name is a hint that location access is missing; the row itself asks for it.
    if (watched == m_networkRow && event->type() == QEvent::MouseButtonRelease && m_rowAsksForLocation &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        emit requestLocation();
    return QWidget::eventFilter(watched, event);
}
