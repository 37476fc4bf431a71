#include "views/DetailRow.h"

#include "views/kit/Layout.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>

DetailRow::DetailRow(const QString& label, const QString& value, QWidget* parent) : QWidget(parent) {
    QHBoxLayout* row = makeRow(this);
    row->addWidget(makeLabel(label, TextStyle::caption, Colour::secondary, this));
    row->addStretch();
    QLabel* shown = makeLabel(value, TextStyle::caption, {}, this);
    QFont font = shown->font();
    font.setWeight(QFont::Medium);
    shown->setFont(font);
    shown->setTextInteractionFlags(Qt::TextSelectableByMouse);
    row->addWidget(shown);
}
