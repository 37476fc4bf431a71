#include "views/BandwidthView.h"

#include "views/SparklineView.h"
#include "views/kit/Card.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

struct Direction {
    QLabel* rate;
    SparklineView* history;
};

Direction addDirection(QHBoxLayout* columns, const char* symbol, const QString& label, Tone colour,
                       QWidget* card) {
    auto* column = new QVBoxLayout;
    column->setSpacing(3);
    auto* caption = new QHBoxLayout;
    caption->setSpacing(3);
    caption->addWidget(makeSymbolLabel(QString::fromLatin1(symbol), colour, 10, card));
    caption->addWidget(makeLabel(label, TextStyle::caption2, Colour::secondary, card));
    caption->addStretch();
    column->addLayout(caption);
    QLabel* rate = makeNumberLabel(TextStyle::callout, QFont::DemiBold, colour, card);
    column->addWidget(rate);
    auto* history = new SparklineView(colour, card);
    history->setFixedHeight(25);
    column->addWidget(history);
    columns->addLayout(column, 1);
    return {rate, history};
}

} // namespace

BandwidthView::BandwidthView(QWidget* parent) : QWidget(parent) {
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* card = new Card(this);
    outer->addWidget(card);
    QVBoxLayout* content = card->content();

    auto* header = new QHBoxLayout;
    header->addWidget(makeCardTitle(QStringLiteral("BANDWIDTH"), card));
    header->addStretch();
    header->addWidget(makeLabel(QStringLiteral("Real-time"), TextStyle::caption2, Colour::secondary, card));
    content->addLayout(header);

    auto* columns = new QHBoxLayout;
    columns->setSpacing(16);
    const Direction down = addDirection(columns, "arrow.down", QStringLiteral("Download"), Tone::green, card);
    const Direction up = addDirection(columns, "arrow.up", QStringLiteral("Upload"), Tone::blue, card);
    content->addLayout(columns);
    m_download = down.rate;
    m_downloadHistory = down.history;
    m_upload = up.rate;
    m_uploadHistory = up.history;

    setData({}, {}, {});
}

void BandwidthView::setData(const BandwidthSpeed& speed, const std::vector<double>& downloadHistory,
                            const std::vector<double>& uploadHistory) {
    m_download->setText(QString::fromStdString(formatSpeed(speed.downloadBytesPerSecond)));
    m_upload->setText(QString::fromStdString(formatSpeed(speed.uploadBytesPerSecond)));
    m_downloadHistory->setVisible(!downloadHistory.empty());
    m_downloadHistory->setData(downloadHistory);
    m_uploadHistory->setVisible(!uploadHistory.empty());
    m_uploadHistory->setData(uploadHistory);
}
