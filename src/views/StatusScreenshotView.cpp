#include "views/StatusScreenshotView.h"

#include "views/WidgetSnapshot.h"
#include "views/kit/Box.h"
#include "views/kit/Metrics.h"
#include "views/kit/Strings.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

using namespace Metrics;

StatusScreenshotView::StatusScreenshotView(const std::optional<WiFiInfo>& wifiInfo,
                                           const ConnectionQuality& quality, const std::optional<Tip>& tip,
                                           QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("statusScreenshot"));
    QVBoxLayout* column = makeSnapshotColumn(this, tr("WiFi Status"));

    auto* card = new QFrame(this);
    card->setObjectName(QStringLiteral("screenshotCard"));
    QHBoxLayout* cardRow = makeBoxRow(
        card,
        {.background = Colour::controlBackground, .radius = Radius::panel, .padding = padding(Space::xl)});
    auto* network = new QVBoxLayout;
    network->setSpacing(Space::xxs);
    auto* name = makeLabel(wifiInfo ? shownNetworkName(wifiInfo->ssid) : shownNetworkName(unknownNetworkSSID),
                           TextStyle::headline, {}, card);
    name->setWordWrap(true);
    network->addWidget(name);
    if (wifiInfo) {
        network->addWidget(makeLabel(
            //: The shared picture's network line: %1 is the band ("5 GHz"), %2 the signal in dBm
            tr("%1 • %2 dBm").arg(toQString(rawValue(wifiInfo->band)), localNumber(wifiInfo->rssi)),
            TextStyle::caption, Colour::secondary, card));
    }
    cardRow->addLayout(network, 1);
    cardRow->addWidget(
        makeLabel(QString::number(quality.score), TextStyle::largeScore, tone(quality.rating), card));
    column->addWidget(card);

    if (tip) {
        auto* box = new QFrame(this);
        box->setObjectName(QStringLiteral("screenshotTip"));
        QHBoxLayout* row = makeBoxRow(box, {.background = Colour::controlBackground,
                                            .radius = Radius::card,
                                            .padding = padding(Space::l),
                                            .spacing = Space::m});
        row->addWidget(makeSymbolLabel(QStringLiteral("lightbulb.fill"), Tone::yellow, SymbolSize::l, box), 0,
                       Qt::AlignTop);
        auto* texts = new QVBoxLayout;
        auto* title = makeLabel(translatedText("Tip", tip->title), TextStyle::subheadline, {}, box);
        QFont titleFont = title->font();
        titleFont.setWeight(QFont::Medium);
        title->setFont(titleFont);
        title->setWordWrap(true);
        texts->addWidget(title);
        const QString shown = tip->descriptionPattern.empty()
                                  ? translatedText("Tip", tip->description)
                                  : translatedText("Tip", tip->descriptionPattern, tip->descriptionArguments);
        auto* description = makeLabel(shown, TextStyle::caption, Colour::secondary, box);
        description->setWordWrap(true);
        texts->addWidget(description);
        row->addLayout(texts, 1);
        column->addWidget(box);
    }
}
