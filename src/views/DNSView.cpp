#include "views/DNSView.h"

#include "views/SparklineView.h"
#include "views/kit/CardFrame.h"
#include "views/kit/Figure.h"
#include "views/kit/Metrics.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

using namespace Metrics;

DNSView::DNSView(QWidget* parent) : QWidget(parent) {
    m_server = makeLabel(QString(), TextStyle::caption, Colour::secondary, this);
    m_server->setTextInteractionFlags(Qt::TextSelectableByMouse);
    CardFrame* card = CardFrame::fill(this, tr("DNS"), m_server);
    QVBoxLayout* column = card->content();

    m_sparkline = new SparklineView(Tone::green, card);
    m_sparkline->setFixedSize(Size::sparkline);
    column->addWidget(m_sparkline, 0, Qt::AlignHCenter);

    column->addWidget(makeLabel(tr("Name Lookup"), TextStyle::caption2, Colour::secondary, card));
    const Figure lookup = makeFigure(Colour::secondary, card);
    m_time = lookup.value;
    m_time->setObjectName(QStringLiteral("lookupTime"));
    m_note = lookup.note;
    m_note->setObjectName(QStringLiteral("note"));
    column->addLayout(lookup.row);

    setData(dnsCard(std::nullopt, {}));
}

void DNSView::setData(const DNSCardData& card) {
    m_server->setVisible(!card.server.isEmpty());
    m_server->setText(card.server);
    m_sparkline->setVisible(!card.history.empty());
    m_sparkline->setData(card.history);
    m_note->setVisible(!card.note.isEmpty());
    m_note->setText(card.note);
    setLabelColour(m_note, card.noteTone ? Colour(*card.noteTone) : Colour::secondary);
    m_time->setText(card.time);
    setLabelColour(m_time, card.timeTone ? Colour(*card.timeTone) : Colour::secondary);
}
