#include "views/BandFilterButton.h"

#include "views/kit/Metrics.h"
#include "views/kit/Palette.h"
#include "views/kit/Typography.h"

BandFilterButton::BandFilterButton(const QString& title, QWidget* parent) : QPushButton(title, parent) {
    setCursor(Qt::PointingHandCursor);
    setFlat(true);
    restyle();
}

void BandFilterButton::setSelected(bool selected) {
    if (selected == m_selected)
        return;
    m_selected = selected;
    restyle();
}

void BandFilterButton::restyle() {
    QFont font = styledFont(TextStyle::caption, this->font());
    font.setWeight(m_selected ? QFont::DemiBold : QFont::Normal);
    setFont(font);
    const QPalette palette = this->palette();
    const QColor text =
        m_selected ? Palette::colour(Colour::accent, palette) : Palette::colour(Colour::secondary, palette);
    const QColor background = m_selected ? Palette::faded(Colour::accent, 0.2, palette)
                                         : Palette::colour(Colour::windowBackground, palette);
    setStyleSheet(QStringLiteral("QPushButton { color: %1; background: %2; border: none; border-radius: %3px;"
                                 " padding: %4px %5px; }")
                      .arg(Palette::css(text), Palette::css(background))
                      .arg(Metrics::Radius::filterButton)
                      .arg(Metrics::Space::xxsPlus)
                      .arg(Metrics::Space::m));
}
