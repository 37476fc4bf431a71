#include "views/QualityBreakdownRow.h"

#include "views/kit/Layout.h"
#include "views/kit/Metrics.h"
#include "views/kit/Palette.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>

#include <algorithm>

using namespace Metrics;

// The track with its fill; part of the row, not used on its own.
class QualityBreakdownRow::Bar final : public QWidget {
public:
    explicit Bar(QWidget* parent) : QWidget(parent) { setFixedSize(Size::scoreBar); }

    void set(int score, Tone tone) {
        m_score = score;
        m_tone = tone;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(Palette::faded(Tone::gray, 0.25, palette()));
        p.drawRoundedRect(QRectF(rect()), Radius::swatch, Radius::swatch);
        const double share = std::clamp(m_score, 0, 100) / 100.0;
        p.setBrush(Palette::colour(m_tone, palette()));
        p.drawRoundedRect(QRectF(0, 0, width() * share, height()), Radius::swatch, Radius::swatch);
    }

private:
    int m_score = 0;
    Tone m_tone = Tone::red;
};

QualityBreakdownRow::QualityBreakdownRow(const QualityBreakdownLine& line, QWidget* parent)
    : QWidget(parent) {
    QHBoxLayout* row = makeRow(this, Space::s);
    QLabel* symbol = makeSymbolLabel(line.symbol, Colour::secondary, SymbolSize::m, this);
    symbol->setFixedWidth(Size::scoreSymbolColumn);
    symbol->setAlignment(Qt::AlignCenter);
    row->addWidget(symbol);
    row->addWidget(makeLabel(line.label, TextStyle::caption, Colour::secondary, this));
    row->addStretch();
    m_bar = new Bar(this);
    row->addWidget(m_bar);
    m_number = makeLabel(QString(), TextStyle::caption, {}, this);
    QFont font = m_number->font();
    font.setWeight(QFont::Medium);
    m_number->setFont(font);
    m_number->setFixedWidth(Size::scoreNumberWidth);
    m_number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_number->setObjectName(QStringLiteral("score"));
    row->addWidget(m_number);
    m_bar->set(line.score, line.tone);
    m_number->setText(line.scoreText);
    setLabelColour(m_number, line.tone);
    m_line = line;
}

void QualityBreakdownRow::setLine(const QualityBreakdownLine& line) {
    if (line == m_line)
        return;
    m_line = line;
    m_bar->set(line.score, line.tone);
    m_number->setText(line.scoreText);
    setLabelColour(m_number, line.tone);
}
