#include "views/LegendItem.h"

#include "views/kit/Layout.h"
#include "views/kit/Metrics.h"
#include "views/kit/Typography.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>

using namespace Metrics;

LegendItem::LegendItem(Tone tone, const QString& label, double opacity, QWidget* parent) : QWidget(parent) {
    QHBoxLayout* row = makeRow(this, Space::xxsPlus);
    auto* swatch = new QFrame(this);
    swatch->setObjectName(QStringLiteral("swatch"));
    swatch->setFixedSize(Size::legendSwatch);
    styleBox(swatch, tone, opacity, Radius::swatch);
    row->addWidget(swatch, 0, Qt::AlignVCenter);
    row->addWidget(makeLabel(label, TextStyle::caption2, Colour::secondary, this));
}
