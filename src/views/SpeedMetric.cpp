#include "views/SpeedMetric.h"

#include "views/kit/Layout.h"
#include "views/kit/Metrics.h"
#include "views/kit/SymbolNote.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

using namespace Metrics;

SpeedMetric::SpeedMetric(const QString& label, const QString& icon, QWidget* parent) : QWidget(parent) {
    QVBoxLayout* column = makeColumn(this, Space::xxs);
    column->addLayout(makeSymbolCaption(icon, Colour::secondary, label, this));
    m_value = makeNumberLabel(TextStyle::title3, QFont::DemiBold, {}, this);
    m_value->setObjectName(QStringLiteral("rate"));
    column->addWidget(m_value);
}

void SpeedMetric::setValue(const QString& rate) {
    m_value->setText(rate);
}
