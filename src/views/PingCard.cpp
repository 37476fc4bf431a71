#include "views/PingCard.h"

#include "views/SparklineView.h"
#include "views/kit/CardFrame.h"
#include "views/kit/Figure.h"
#include "views/kit/Metrics.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

using namespace Metrics;

PingCard::PingCard(const QString& title, QWidget* parent) : QFrame(parent) {
    m_target = makeLabel(QString(), TextStyle::caption, Colour::secondary, this);
    m_target->setTextInteractionFlags(Qt::TextSelectableByMouse);
    CardFrame* card = CardFrame::fill(this, title, m_target);
    QVBoxLayout* column = card->content();

    m_sparkline = new SparklineView(Tone::green, card);
    m_sparkline->setObjectName(QStringLiteral("history"));
    m_sparkline->setFixedSize(Size::sparkline);
    column->addWidget(m_sparkline, 0, Qt::AlignHCenter);

    auto* figures = new QHBoxLayout;
    auto* response = new QVBoxLayout;
    response->setSpacing(Space::xxs);
    response->addWidget(makeLabel(tr("Response Time"), TextStyle::caption2, Colour::secondary, card));
    const Figure average = makeFigure(Tone::green, card);
    m_average = average.value;
    m_average->setObjectName(QStringLiteral("average"));
    m_jitter = average.note;
    m_jitter->setObjectName(QStringLiteral("jitter"));
    response->addLayout(average.row);
    // Aligned rather than stretched: a stretch would let the card grow into spare room.
    response->setAlignment(Qt::AlignTop);
    figures->addLayout(response, 1);

    auto* dropped = new QVBoxLayout;
    dropped->setSpacing(Space::xxs);
    dropped->addWidget(makeLabel(tr("Dropped"), TextStyle::caption2, Colour::secondary, card), 0,
                       Qt::AlignRight);
    m_loss = makeNumberLabel(TextStyle::caption, QFont::Medium, Tone::green, card);
    m_loss->setObjectName(QStringLiteral("loss"));
    dropped->addWidget(m_loss, 0, Qt::AlignRight);
    dropped->setAlignment(Qt::AlignTop);
    figures->addLayout(dropped);
    column->addLayout(figures);

    setData(pingCard({}, {}));
}

void PingCard::setTarget(const QString& target) {
    m_target->setText(target);
}

void PingCard::setData(const PingCardData& card) {
    m_sparkline->setVisible(!card.history.empty());
    m_sparkline->setData(card.history);
    m_sparkline->setTone(card.chartTone);
    m_average->setText(card.average);
    setLabelColour(m_average, card.averageTone ? Colour(*card.averageTone) : Colour::secondary);
    m_jitter->setVisible(!card.note.isEmpty());
    m_jitter->setText(card.note);
    setLabelColour(m_jitter, card.noteTone ? Colour(*card.noteTone) : Colour::secondary);
    m_loss->setText(card.loss);
    setLabelColour(m_loss, card.lossTone ? Colour(*card.lossTone) : Colour::secondary);
}
