#include "views/WidgetSnapshot.h"

#include "views/kit/Metrics.h"
#include "views/kit/Typography.h"

#include <QDate>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QLocale>
#include <QPainter>
#include <QWidget>

#include <algorithm>

using namespace Metrics;

QImage renderWidget(QWidget& widget, double scale) {
    widget.ensurePolished();
    if (QLayout* layout = widget.layout())
        layout->activate();
    QSize size = widget.size();
    if (size.isEmpty()) {
        size = widget.sizeHint();
        // Wrapped text needs the height that the fixed width gives it, which the plain hint guesses.
        if (widget.hasHeightForWidth())
            size.setHeight(std::max(size.height(), widget.heightForWidth(size.width())));
    }
    if (size.isEmpty() || !(scale > 0.0))
        return {};
    widget.resize(size);
    QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    return image;
}

QVBoxLayout* makeSnapshotColumn(QWidget* view, const QString& title) {
    styleBox(view, Colour::windowBackground, 1.0, Radius::none);
    view->setFixedWidth(popoverWidth);
    auto* column = new QVBoxLayout(view);
    column->setContentsMargins(padding(Space::xl));
    column->setSpacing(Space::l);
    auto* header = new QHBoxLayout;
    header->addWidget(makeLabel(title, TextStyle::headline, {}, view));
    header->addStretch();
    header->addWidget(makeLabel(QLocale().toString(QDate::currentDate(), QLocale::ShortFormat),
                                TextStyle::caption, Colour::secondary, view));
    column->addLayout(header);
    return column;
}
