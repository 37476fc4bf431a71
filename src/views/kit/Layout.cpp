#include "views/kit/Layout.h"

#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QWidget>

namespace {
template <typename Box> Box* fill(QWidget* owner, std::optional<int> spacing) {
    auto* layout = new Box(owner);
    layout->setContentsMargins(QMargins());
    if (spacing)
        layout->setSpacing(*spacing);
    return layout;
}
} // namespace

QVBoxLayout* makeColumn(QWidget* owner, std::optional<int> spacing) {
    return fill<QVBoxLayout>(owner, spacing);
}

QHBoxLayout* makeRow(QWidget* owner, std::optional<int> spacing) {
    return fill<QHBoxLayout>(owner, spacing);
}

void clearLayout(QLayout* layout) {
    while (QLayoutItem* item = layout->takeAt(0)) {
        delete item->widget();
        delete item;
    }
}

QWidget* makeSymbolColumn(QWidget* symbol, int width, QWidget* parent) {
    auto* column = new QWidget(parent);
    column->setFixedWidth(width);
    makeRow(column)->addWidget(symbol, 0, Qt::AlignCenter);
    return column;
}

void keepRoomWhenHidden(QWidget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}
