#include "views/MetricItem.h"

#include "views/kit/Layout.h"
#include "views/kit/Metrics.h"
#include "views/kit/Typography.h"

#include <QLabel>
#include <QVBoxLayout>

MetricItem::MetricItem(const QString& label, QWidget* parent) : QWidget(parent) {
    QVBoxLayout* column = makeColumn(this, Metrics::Space::xxs);
    column->addWidget(makeLabel(label, TextStyle::caption2, Colour::secondary, this));
    m_value = makeLabel(QString(), TextStyle::subheadline, {}, this);
    m_value->setObjectName(QStringLiteral("value"));
    QFont font = m_value->font();
    font.setWeight(QFont::Medium);
    m_value->setFont(font);
    column->addWidget(m_value);
}

void MetricItem::setValue(const QString& value, Colour colour) {
    m_value->setText(value);
    setLabelColour(m_value, colour);
}
