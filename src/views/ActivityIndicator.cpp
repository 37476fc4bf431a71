#include "views/ActivityIndicator.h"

#include <QPainter>

ActivityIndicator::ActivityIndicator(int diameter, QWidget* parent) : QWidget(parent), m_diameter(diameter) {
    setFixedSize(diameter, diameter);
    setAccessibleName(tr("Working"));
    m_timer.setInterval(100);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        m_step = (m_step + 1) % spokes;
        update();
    });
}

void ActivityIndicator::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(width() / 2.0, height() / 2.0);
    const qreal radius = m_diameter / 2.0;
    QColor colour = palette().color(QPalette::WindowText);
    for (int i = 0; i < spokes; ++i) {
        // The spoke at the current step is darkest; the ones behind it fade out.
        const int age = (m_step - i + spokes) % spokes;
        colour.setAlphaF(1.0 - 0.8 * age / spokes);
        p.setPen(QPen(colour, radius / 4.0, Qt::SolidLine, Qt::RoundCap));
        p.save();
        p.rotate(360.0 * i / spokes);
        p.drawLine(QPointF(0, -radius * 0.45), QPointF(0, -radius * 0.85));
        p.restore();
    }
}

void ActivityIndicator::showEvent(QShowEvent*) {
    m_timer.start();
}

void ActivityIndicator::hideEvent(QHideEvent*) {
    m_timer.stop();
}
