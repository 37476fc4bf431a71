#include "views/FeatureRow.h"

#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>

FeatureRow::FeatureRow(const QString& icon, Colour colour, const QString& text, QWidget* parent)
    : QWidget(parent) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(8);
    auto* column = new QWidget(this);
    column->setFixedWidth(24);
    auto* columnLayout = new QHBoxLayout(column);
    columnLayout->setContentsMargins(0, 0, 0, 0);
    columnLayout->addWidget(makeSymbolLabel(icon, colour, 16, column), 0, Qt::AlignCenter);
    row->addWidget(column);
    row->addWidget(makeLabel(text, TextStyle::body, {}, this), 1);
}
