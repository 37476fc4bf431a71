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
                       const QString& rateName, QWidget* card) {
    auto* column = new QVBoxLayout;
    column->setSpacing(Space::xxsPlus);
    column->addLayout(makeSymbolCaption(QString::fromLatin1(symbol), tone, label, card));
    QLabel* rate = makeNumberLabel(TextStyle::callout, QFont::DemiBold, tone, card);
    rate->setObjectName(rateName);
    column->addWidget(rate);
    auto* history = new SparklineView(tone, card);
    history->setFixedHeight(Size::bandwidthHistoryHeight);
    column->addWidget(history);
    columns->addLayout(column, 1);
    return {rate, history};
}

} // namespace

BandwidthView::BandwidthView(QWidget* parent) : QWidget(parent) {
    CardFrame* card = CardFrame::fill(
        this, tr("BANDWIDTH"), makeLabel(tr("Real-time"), TextStyle::caption2, Colour::secondary, this));

    auto* columns = new QHBoxLayout;
    columns->setSpacing(Space::xl);
    const Direction down = addDirection(columns, "arrow.down", tr("Download"), Tone::green,
                                        QStringLiteral("downloadRate"), card);
    const Direction up =
        addDirection(columns, "arrow.up", tr("Upload"), Tone::blue, QStringLiteral("uploadRate"), card);
    card->content()->addLayout(columns);
    m_download = down.rate;
    m_downloadHistory = down.history;
    m_upload = up.rate;
    m_uploadHistory = up.history;

    setData(bandwidthCard({}, {}, {}));
}

void BandwidthView::setData(const BandwidthCardData& data) {
    m_download->setText(data.download);
    m_upload->setText(data.upload);
    m_downloadHistory->setVisible(!data.downloadHistory.empty());
    m_downloadHistory->setData(data.downloadHistory);
    m_uploadHistory->setVisible(!data.uploadHistory.empty());
    m_uploadHistory->setData(data.uploadHistory);
}
