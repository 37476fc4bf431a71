#include "views/kit/Figure.h"

#include "views/kit/Metrics.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>

Figure makeFigure(Colour valueColour, QWidget* parent) {
    auto* row = new QHBoxLayout;
    row->setSpacing(Metrics::Space::xs);
    QLabel* value = makeNumberLabel(TextStyle::title2, QFont::DemiBold, valueColour, parent);
    row->addWidget(value, 0, Qt::AlignBottom);
    QLabel* note = makeLabel(QString(), TextStyle::caption, Colour::secondary, parent);
    row->addWidget(note, 0, Qt::AlignBottom);
    row->addStretch();
    return {row, value, note};
}
