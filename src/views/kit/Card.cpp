#include "views/kit/Card.h"

#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

Card::Card(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("card"));
    styleBox(this, Colour::controlBackground, 1.0, 10);
    m_content = new QVBoxLayout(this);
    m_content->setContentsMargins(12, 10, 12, 12);
    m_content->setSpacing(8);
}

QVBoxLayout* fillWithCard(QWidget* owner) {
    auto* outer = new QVBoxLayout(owner);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* card = new Card(owner);
    outer->addWidget(card);
    return card->content();
}

QLabel* makeCardTitle(const QString& text, QWidget* parent) {
    QLabel* label = makeLabel(text.toUpper(), TextStyle::caption, Colour::secondary, parent);
    QFont font = label->font();
    font.setWeight(QFont::DemiBold);
    label->setFont(font);
    return label;
}

CollapsibleHeader::CollapsibleHeader(const QString& title, QWidget* parent) : QFrame(parent) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(title);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
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

void CollapsibleHeader::updateChevron() {
    setSymbol(m_chevron, m_expanded ? QStringLiteral("chevron.up") : QStringLiteral("chevron.down"),
              Colour::secondary, 11);
}

QWidget* makeCollapsibleBody(CollapsibleHeader* header, int spacing, QWidget* parent) {
    auto* body = new QWidget(parent);
    auto* column = new QVBoxLayout(body);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(spacing);
    body->setVisible(header->isExpanded());
    QObject::connect(header, &CollapsibleHeader::toggled, body, &QWidget::setVisible);
    return body;
}
