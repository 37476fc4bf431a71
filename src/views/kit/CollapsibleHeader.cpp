#include "views/kit/CollapsibleHeader.h"

#include "views/kit/CardFrame.h"
#include "views/kit/Layout.h"
#include "views/kit/Metrics.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

using namespace Metrics;

CollapsibleHeader::CollapsibleHeader(const QString& title, QWidget* parent) : QFrame(parent) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(title);
    QHBoxLayout* row = makeRow(this, Space::xs);
    m_title = makeCardTitle(title, this);
    m_detail = makeLabel(QString(), TextStyle::caption, Colour::secondary, this);
    m_detail->hide();
    m_chevron = new QLabel(this);
    row->addWidget(m_title);
    row->addWidget(m_detail);
    row->addStretch();
    row->addWidget(m_chevron);
    updateChevron();
}

void CollapsibleHeader::setExpanded(bool expanded) {
    if (expanded == m_expanded)
        return;
    m_expanded = expanded;
    updateChevron();
    emit toggled(m_expanded);
}

void CollapsibleHeader::setDetail(const QString& detail) {
    m_detail->setText(detail);
    m_detail->setVisible(!detail.isEmpty());
}

QString CollapsibleHeader::detail() const {
    return m_detail->text();
}

void CollapsibleHeader::addBesideTitle(QWidget* widget) {
    auto* row = static_cast<QHBoxLayout*>(layout());
    row->insertWidget(row->indexOf(m_detail) + 1, widget);
}

void CollapsibleHeader::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        setExpanded(!m_expanded);
}

void CollapsibleHeader::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        setExpanded(!m_expanded);
    else
        QFrame::keyPressEvent(event);
}

// The frame draws nothing of its own, so keyboard focus needs a ring in the highlight colour, which
// both palettes keep apart from the card.
void CollapsibleHeader::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(palette().color(QPalette::Highlight), 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 4, 4);
}

void CollapsibleHeader::updateChevron() {
    setChevron(m_chevron, m_expanded);
}

CollapsibleCard makeCollapsibleCard(QWidget* owner, const QString& title, int spacing) {
    auto* header = new CollapsibleHeader(title, owner);
    CardFrame* card = CardFrame::fill(owner, header);
    QWidget* body = makeCollapsibleBody(header, spacing, owner);
    card->content()->addWidget(body);
    return {header, card, body, static_cast<QVBoxLayout*>(body->layout())};
}

QWidget* makeCollapsibleBody(CollapsibleHeader* header, int spacing, QWidget* parent) {
    auto* body = new QWidget(parent);
    makeColumn(body, spacing);
    body->setVisible(header->isExpanded());
    QObject::connect(header, &CollapsibleHeader::toggled, body, &QWidget::setVisible);
    return body;
}
