#include "views/kit/AppIcon.h"

#include "views/kit/Layout.h"
#include "views/kit/Metrics.h"
#include "views/kit/Palette.h"
#include "views/kit/SymbolIcon.h"

#include <QFrame>
#include <QGraphicsDropShadowEffect>
#include <QLabel>
#include <QVBoxLayout>

using namespace Metrics;

namespace {
const QColor kGradientTop(0x00, 0x66, 0xcc);
const QColor kGradientBottom(0x00, 0xa8, 0xd0);
const QColor kBackground = QColor::fromRgbF(1, 1, 1, 0.9f);
const QColor kShadow(0, 0, 0, 26);
constexpr int kShadowBlur = 10;
constexpr int kShadowDrop = 3;
} // namespace

QWidget* makeAppIcon(QWidget* parent) {
    auto* icon = new QFrame(parent);
    icon->setObjectName(QStringLiteral("appIcon"));
    icon->setFixedSize(Size::appIcon);
    icon->setStyleSheet(QStringLiteral("#appIcon { background: %1; border-radius: %2px; }")
                            .arg(Palette::css(kBackground))
                            .arg(Radius::appIcon));
    auto* shadow = new QGraphicsDropShadowEffect(icon);
    shadow->setColor(kShadow);
    shadow->setBlurRadius(kShadowBlur);
    shadow->setOffset(0, kShadowDrop);
    icon->setGraphicsEffect(shadow);
    auto* symbol = new QLabel(icon);
    symbol->setPixmap(gradientSymbolPixmap(QStringLiteral("network"), kGradientTop, kGradientBottom,
                                           SymbolSize::appIcon, 2.0));
    symbol->setFixedSize(SymbolSize::appIcon, SymbolSize::appIcon);
    // The style's margins around the symbol, as a plain layout has them.
    (new QVBoxLayout(icon))->addWidget(symbol, 0, Qt::AlignCenter);
    return icon;
}
