#include "views/PingCard.h"

#include "views/DiagnosticsFormat.h"
#include "views/SparklineView.h"
#include "views/kit/Card.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {
const QString kNoData = QStringLiteral("--");

QString text(std::string_view value) {
    return QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size()));
}
} // namespace

PingCard::PingCard(const QString& title, QWidget* parent) : QFrame(parent) {
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* card = new Card(this);
    outer->addWidget(card);
    QVBoxLayout* column = card->content();

    auto* header = new QHBoxLayout;
    header->addWidget(makeCardTitle(title, card));
    header->addStretch();
    m_target = makeLabel(QString(), TextStyle::caption, Colour::secondary, card);
    m_target->setTextInteractionFlags(Qt::TextSelectableByMouse);
    header->addWidget(m_target);
    column->addLayout(header);

    m_sparkline = new SparklineView(Tone::green, card);
    m_sparkline->setFixedSize(120, 40);
    column->addWidget(m_sparkline, 0, Qt::AlignHCenter);

    auto* figures = new QHBoxLayout;
    auto* response = new QVBoxLayout;
    response->setSpacing(2);
    response->addWidget(
        makeLabel(QStringLiteral("Response Time"), TextStyle::caption2, Colour::secondary, card));
    auto* averageRow = new QHBoxLayout;
    averageRow->setSpacing(4);
    m_average = makeNumberLabel(TextStyle::title2, QFont::DemiBold, Tone::green, card);
    averageRow->addWidget(m_average, 0, Qt::AlignBottom);
    m_jitter = makeLabel(QString(), TextStyle::caption, Colour::secondary, card);
    averageRow->addWidget(m_jitter, 0, Qt::AlignBottom);
    averageRow->addStretch();
    response->addLayout(averageRow);
    // Aligned rather than stretched: a stretch would let the card grow into spare room.
    response->setAlignment(Qt::AlignTop);
    figures->addLayout(response, 1);

    auto* dropped = new QVBoxLayout;
    dropped->setSpacing(2);
    dropped->addWidget(makeLabel(QStringLiteral("Dropped"), TextStyle::caption2, Colour::secondary, card), 0,
                       Qt::AlignRight);
    m_loss = makeNumberLabel(TextStyle::caption, QFont::Medium, Tone::green, card);
    dropped->addWidget(m_loss, 0, Qt::AlignRight);
    dropped->setAlignment(Qt::AlignTop);
    figures->addLayout(dropped);
    column->addLayout(figures);

    setData({}, {});
}

void PingCard::setTarget(const QString& target) {
    m_target->setText(target);
}

void PingCard::setData(const PingStatistics& stats, const std::vector<double>& history) {
    const Tone tone = latencyTone(stats);
    m_sparkline->setVisible(!history.empty());
    m_sparkline->setData(history);
    m_sparkline->setTone(tone);

    const bool measured = stats.samplesCount >= 1;
    const bool answered = anyAnswered(stats);
    m_average->setText(answered ? QString::fromStdString(wholeMilliseconds(stats.averageLatency)) : kNoData);
    setLabelColour(m_average, answered ? Colour(tone) : Colour::secondary);
    const auto note = answered ? jitterNote(stats.jitter) : std::nullopt;
    m_jitter->setVisible(note.has_value());
    if (note) {
        m_jitter->setText(text(note->text));
        setLabelColour(m_jitter, note->colour);
    }

    m_loss->setText(measured ? QString::fromStdString(packetLossText(stats.packetLoss)) : kNoData);
    setLabelColour(m_loss, measured ? Colour(lossTone(stats.packetLoss)) : Colour::secondary);
}
