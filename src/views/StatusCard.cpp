#include "views/StatusCard.h"

#include "views/SignalBarsView.h"
#include "views/kit/Box.h"
#include "views/kit/Divider.h"
#include "views/kit/Layout.h"
#include "views/kit/Metrics.h"
#include "views/kit/Strings.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

using namespace Metrics;

namespace {
bool isGood(NetworkInsight::Kind kind) {
    return kind == NetworkInsight::Kind::betterThanUsual || kind == NetworkInsight::Kind::consistentlyGood;
}
} // namespace

StatusCard::Headline StatusCard::headline(QualityRating rating) {
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

StatusCard::StatusCard(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("statusCard"));
    QVBoxLayout* column = makeBoxColumn(this, {.background = Colour::windowBackground,
                                               .radius = Radius::panel,
                                               .padding = padding(Space::xl),
                                               .spacing = Space::mPlus});

    auto* networkRow = new QHBoxLayout;
    auto* networkText = new QVBoxLayout;
    networkText->setSpacing(Space::xxs);
    m_network = makeLabel({}, TextStyle::headline, {}, this);
    m_network->setWordWrap(true);
    m_details = makeLabel({}, TextStyle::caption, Colour::secondary, this);
    m_locationRequired =
        makeLabel(QStringLiteral("Location required"), TextStyle::caption, Tone::orange, this);
    networkText->addWidget(m_network);
    networkText->addWidget(m_details);
    networkText->addWidget(m_locationRequired);
    networkRow->addLayout(networkText, 1);
    m_bars = new SignalBarsView(this);
    networkRow->addWidget(m_bars, 0, Qt::AlignVCenter);
    column->addLayout(networkRow);

    column->addWidget(new Divider(this));

    auto* scoreRow = new QHBoxLayout;
    scoreRow->setSpacing(Space::l);
    m_score = makeLabel({}, TextStyle::largeScore, {}, this);
    scoreRow->addWidget(m_score, 0, Qt::AlignVCenter);
    auto* headlineColumn = new QVBoxLayout;
    headlineColumn->setSpacing(Space::xxs);
    m_headline = makeLabel({}, TextStyle::title3, {}, this);
    m_headline->setAlignment(Qt::AlignRight);
    m_description = makeLabel({}, TextStyle::caption, Colour::secondary, this);
    m_description->setAlignment(Qt::AlignRight);
    m_description->setWordWrap(true);
    headlineColumn->addWidget(m_headline);
    headlineColumn->addWidget(m_description);
    m_insight = new QWidget(this);
    QHBoxLayout* insightRow = makeRow(m_insight, Space::xxsPlus);
    insightRow->addStretch();
    m_insightArrow = new QLabel(m_insight);
    m_insightText = makeLabel({}, TextStyle::caption2, {}, m_insight);
    insightRow->addWidget(m_insightArrow);
    insightRow->addWidget(m_insightText);
    headlineColumn->addWidget(m_insight);
    scoreRow->addLayout(headlineColumn, 1);
    column->addLayout(scoreRow);

    m_paused = new QWidget(this);
    auto* pausedRow = new QHBoxLayout(m_paused);
    pausedRow->setContentsMargins(Space::none, Space::xs, Space::none, Space::none);
    pausedRow->setSpacing(Space::xs);
    pausedRow->addWidget(
        makeSymbolLabel(QStringLiteral("pause.circle"), Colour::secondary, SymbolSize::s, m_paused));
    pausedRow->addWidget(
        makeLabel(QStringLiteral("Monitoring paused"), TextStyle::caption, Colour::secondary, m_paused));
    pausedRow->addStretch();
    column->addWidget(m_paused);
    // Wrapped texts can leave spare height; it belongs below the blocks, not inside them.
    column->addStretch();
}

void StatusCard::setContent(const Content& content) {
    if (content.wifiInfo) {
        m_network->setText(QString::fromStdString(content.wifiInfo->ssid));
        setLabelColour(m_network, {});
        QString details = toQString(rawValue(content.wifiInfo->band));
        if (content.routerBrand)
            details += QStringLiteral(" • ") + toQString(rawValue(*content.routerBrand));
        m_details->setText(details);
        m_details->show();
        m_locationRequired->hide();
        m_bars->setRssi(content.wifiInfo->rssi);
        m_bars->show();
    } else {
        m_network->setText(content.locationAuthorized ? QStringLiteral("Not Connected")
                                                      : QStringLiteral("Unknown Network"));
        setLabelColour(m_network, Colour::secondary);
        m_details->hide();
        m_locationRequired->setVisible(!content.locationAuthorized);
        m_bars->setRssi(std::nullopt);
        m_bars->hide();
    }

    const Tone colour = tone(content.quality.rating);
    m_score->setText(QString::number(content.quality.score));
    setLabelColour(m_score, colour);
    const Headline head = headline(content.quality.rating);
    m_headline->setText(QString::fromUtf8(head.title));
    setLabelColour(m_headline, colour);
    m_description->setText(QString::fromUtf8(head.description));

    m_insight->setVisible(content.networkInsight.has_value());
    if (content.networkInsight) {
        const bool good = isGood(content.networkInsight->kind);
        setSymbol(m_insightArrow,
                  good ? QStringLiteral("arrow.up.right") : QStringLiteral("arrow.down.right"),
                  good ? Tone::green : Tone::orange, SymbolSize::xs);
        m_insightText->setText(QString::fromStdString(displayText(*content.networkInsight)));
        setLabelColour(m_insightText, good ? Tone::green : Tone::orange);
    }
    m_paused->setVisible(!content.isMonitoring);
}
