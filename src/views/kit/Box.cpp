#include "views/kit/Box.h"

#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {
template <typename Layout> Layout* lay(QWidget* box, const BoxStyle& style) {
    styleBox(box, style.background, style.opacity, style.radius, style.borderOpacity);
    auto* layout = new Layout(box);
    layout->setContentsMargins(style.padding);
    if (style.spacing)
        layout->setSpacing(*style.spacing);
    return layout;
}
} // namespace

QVBoxLayout* makeBoxColumn(QWidget* box, const BoxStyle& style) {
    return lay<QVBoxLayout>(box, style);
}

QHBoxLayout* makeBoxRow(QWidget* box, const BoxStyle& style) {
    return lay<QHBoxLayout>(box, style);
}
