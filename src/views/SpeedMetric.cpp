#include "views/SpeedMetric.h"

#include "views/DiagnosticsFormat.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

SpeedMetric::SpeedMetric(const QString& label, const QString& icon, QWidget* parent) : QWidget(parent) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    auto* caption = new QHBoxLayout;
    caption->setSpacing(3);
    caption->addWidget(makeSymbolLabel(icon, Colour::secondary, 10, this));
    caption->addWidget(makeLabel(label, TextStyle::caption2, Colour::secondary, this));
    caption->addStretch();
    column->addLayout(caption);
    m_value = makeNumberLabel(TextStyle::title3, QFont::DemiBold, {}, this);
    column->addWidget(m_value);
}

void SpeedMetric::setValue(double megabitsPerSecond) {
    m_value->setText(QString::fromStdString(speedTestRateText(megabitsPerSecond)));
}
