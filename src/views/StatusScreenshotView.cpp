#include "views/StatusScreenshotView.h"

#include "views/WidgetSnapshot.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

StatusScreenshotView::StatusScreenshotView(const std::optional<WiFiInfo>& wifiInfo,
                                           const ConnectionQuality& quality, const std::optional<Tip>& tip,
                                           QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("statusScreenshot"));
    QVBoxLayout* column = makeSnapshotColumn(this, QStringLiteral("WiFi Status"));

    auto* card = new QFrame(this);
    card->setObjectName(QStringLiteral("screenshotCard"));
    styleBox(card, Colour::controlBackground, 1.0, 12);
    auto* cardRow = new QHBoxLayout(card);
    cardRow->setContentsMargins(16, 16, 16, 16);
    auto* network = new QVBoxLayout;
    network->setSpacing(2);
    auto* name =
        makeLabel(wifiInfo ? QString::fromStdString(wifiInfo->ssid) : QStringLiteral("Unknown Network"),
                  TextStyle::headline, {}, card);
    name->setWordWrap(true);
    network->addWidget(name);
    if (wifiInfo) {
        const std::string_view band = rawValue(wifiInfo->band);
        network->addWidget(
            makeLabel(QStringLiteral("%1 • %2 dBm")
                          .arg(QString::fromUtf8(band.data(), static_cast<qsizetype>(band.size())))
                          .arg(wifiInfo->rssi),
                      TextStyle::caption, Colour::secondary, card));
    }
    cardRow->addLayout(network, 1);
    cardRow->addWidget(
        makeLabel(QString::number(quality.score), TextStyle::largeScore, tone(quality.rating), card));
    column->addWidget(card);

    if (tip) {
        auto* box = new QFrame(this);
        box->setObjectName(QStringLiteral("screenshotTip"));
        styleBox(box, Colour::controlBackground, 1.0, 10);
        auto* row = new QHBoxLayout(box);
        row->setContentsMargins(12, 12, 12, 12);
        row->setSpacing(8);
        row->addWidget(makeSymbolLabel(QStringLiteral("lightbulb.fill"), Tone::yellow, 14, box), 0,
                       Qt::AlignTop);
        auto* texts = new QVBoxLayout;
        auto* title = makeLabel(QString::fromStdString(tip->title), TextStyle::subheadline, {}, box);
        QFont titleFont = title->font();
        titleFont.setWeight(QFont::Medium);
        title->setFont(titleFont);
        title->setWordWrap(true);
        texts->addWidget(title);
        auto* description =
            makeLabel(QString::fromStdString(tip->description), TextStyle::caption, Colour::secondary, box);
        description->setWordWrap(true);
        texts->addWidget(description);
        row->addLayout(texts, 1);
        column->addWidget(box);
    }
}
