#pragma once

#include "viewmodel/TrayLabelPresenter.h"

#include <QColor>
#include <QImage>
#include <QString>

// Draws the tray item's icon for a label: the symbol, or the number in its place, tinted with the
// label's colour.
class MenuBarLabel final {
public:
    explicit MenuBarLabel(TrayLabel label);

    const TrayLabel& label() const { return m_label; }
    QColor colour() const;
    // The icon, tinted, `size` pixels square; null when it shows neither a symbol nor a number.
    QImage icon(int size) const;

private:
    TrayLabel m_label;
};

// `value` ("87", "1k") drawn as large as a `size`-pixel square allows, in `colour`.
QImage valueIcon(const QString& value, const QColor& colour, int size);
