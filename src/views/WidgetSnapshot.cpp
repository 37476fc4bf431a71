#include "views/WidgetSnapshot.h"

#include <QLayout>
#include <QPainter>
#include <QWidget>

QImage renderWidget(QWidget& widget, double scale) {
    widget.ensurePolished();
    if (QLayout* layout = widget.layout())
        layout->activate();
    const QSize size = widget.size().isEmpty() ? widget.sizeHint() : widget.size();
    if (size.isEmpty() || !(scale > 0.0))
        return {};
    widget.resize(size);
    QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    return image;
}
