#include "views/DNSView.h"

#include "viewmodel/DiagnosticsFormat.h"
#include "views/SparklineView.h"
#include "views/kit/CardFrame.h"
#include "views/kit/Figure.h"
#include "views/kit/Metrics.h"
#include "views/kit/Strings.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

using namespace Metrics;

DNSView::DNSView(QWidget* parent) : QWidget(parent) {
    m_server = makeLabel(QString(), TextStyle::caption, Colour::secondary, this);
    m_server->setTextInteractionFlags(Qt::TextSelectableByMouse);
    CardFrame* card = CardFrame::fill(this, QStringLiteral("DNS"), m_server);
    QVBoxLayout* column = card->content();

    m_sparkline = new SparklineView(Tone::green, card);
    m_sparkline->setFixedSize(Size::sparkline);
    column->addWidget(m_sparkline, 0, Qt::AlignHCenter);

    column->addWidget(makeLabel(QStringLiteral("Name Lookup"), TextStyle::caption2, Colour::secondary, card));
    const Figure lookup = makeFigure(Colour::secondary, card);
    m_time = lookup.value;
    m_note = lookup.note;
    column->addLayout(lookup.row);

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
        m_note->setText(toQString(note->text));
        setLabelColour(m_note, note->tone ? Colour(*note->tone) : Colour::secondary);
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
