#include "views/BandwidthView.h"

#include "views/SparklineView.h"
#include "views/kit/CardFrame.h"
#include "views/kit/Metrics.h"
#include "views/kit/SymbolNote.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

using namespace Metrics;

namespace {

struct Direction {
    QLabel* rate;
    SparklineView* history;
};

Direction addDirection(QHBoxLayout* columns, const char* symbol, const QString& label, Tone tone,
                       QWidget* card) {
    auto* column = new QVBoxLayout;
    column->setSpacing(Space::xxsPlus);
    column->addLayout(makeSymbolCaption(QString::fromLatin1(symbol), tone, label, card));
    QLabel* rate = makeNumberLabel(TextStyle::callout, QFont::DemiBold, tone, card);
    column->addWidget(rate);
    auto* history = new SparklineView(tone, card);
    history->setFixedHeight(Size::bandwidthHistoryHeight);
    column->addWidget(history);
    columns->addLayout(column, 1);
    return {rate, history};
}

} // namespace

BandwidthView::BandwidthView(QWidget* parent) : QWidget(parent) {
    CardFrame* card =
        CardFrame::fill(this, QStringLiteral("BANDWIDTH"),
                        makeLabel(QStringLiteral("Real-time"), TextStyle::caption2, Colour::secondary, this));

    auto* columns = new QHBoxLayout;
    columns->setSpacing(Space::xl);
    const Direction down = addDirection(columns, "arrow.down", QStringLiteral("Download"), Tone::green, card);
    const Direction up = addDirection(columns, "arrow.up", QStringLiteral("Upload"), Tone::blue, card);
    card->content()->addLayout(columns);
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
