#include "views/LegendItem.h"

#include "views/kit/Typography.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>

LegendItem::LegendItem(Tone tone, const QString& label, double opacity, QWidget* parent) : QWidget(parent) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(3);
    auto* swatch = new QFrame(this);
    swatch->setObjectName(QStringLiteral("swatch"));
    swatch->setFixedSize(8, 8);
    styleBox(swatch, tone, opacity, 2);
    row->addWidget(swatch, 0, Qt::AlignVCenter);
    row->addWidget(makeLabel(label, TextStyle::caption2, Colour::secondary, this));
}
