#include "views/DNSView.h"

#include "views/DiagnosticsFormat.h"
#include "views/SparklineView.h"
#include "views/kit/Card.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

DNSView::DNSView(QWidget* parent) : QWidget(parent) {
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* card = new Card(this);
    outer->addWidget(card);
    QVBoxLayout* column = card->content();

    auto* header = new QHBoxLayout;
    header->addWidget(makeCardTitle(QStringLiteral("DNS"), card));
    header->addStretch();
    m_server = makeLabel(QString(), TextStyle::caption, Colour::secondary, card);
    m_server->setTextInteractionFlags(Qt::TextSelectableByMouse);
    header->addWidget(m_server);
    column->addLayout(header);

    m_sparkline = new SparklineView(Tone::green, card);
    m_sparkline->setFixedSize(120, 40);
    column->addWidget(m_sparkline, 0, Qt::AlignHCenter);

    column->addWidget(makeLabel(QStringLiteral("Name Lookup"), TextStyle::caption2, Colour::secondary, card));
    auto* row = new QHBoxLayout;
    row->setSpacing(4);
    m_time = makeNumberLabel(TextStyle::title2, QFont::DemiBold, Colour::secondary, card);
    row->addWidget(m_time, 0, Qt::AlignBottom);
    m_note = makeLabel(QString(), TextStyle::caption, Colour::secondary, card);
    row->addWidget(m_note, 0, Qt::AlignBottom);
    row->addStretch();
    column->addLayout(row);

    setData(std::nullopt, {});
}

void DNSView::setData(const std::optional<DNSResult>& result, const std::vector<double>& history) {
    m_server->setVisible(result.has_value());
    m_sparkline->setVisible(!history.empty());
    m_sparkline->setData(history);
    // A lookup that found no address failed, however quickly it did so.
    const bool failed = result && !result->resolvedIP;
    const auto note = result && !failed ? dnsLookupNote(result->lookupTime) : std::nullopt;
    m_note->setVisible(note.has_value());
    if (note) {
        m_note->setText(QString::fromUtf8(note->text.data(), static_cast<qsizetype>(note->text.size())));
        setLabelColour(m_note, note->colour);
    }
    if (!result) {
        m_time->setText(QStringLiteral("--"));
        setLabelColour(m_time, Colour::secondary);
        return;
    }
    m_server->setText(QString::fromStdString(result->server));
    if (failed) {
        m_time->setText(QStringLiteral("Failed"));
        setLabelColour(m_time, Tone::red);
        return;
    }
    m_time->setText(QString::fromStdString(wholeMilliseconds(result->lookupTime)));
    setLabelColour(m_time, dnsLookupTone(result->lookupTime));
}
