#include "views/kit/Typography.h"

#include "views/kit/Metrics.h"
#include "views/kit/Palette.h"
#include "views/kit/SymbolIcon.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QLabel>

#include <algorithm>

namespace {
struct Style {
    int pixels;
    QFont::Weight weight;
};

Style style(TextStyle textStyle) {
    switch (textStyle) {
    case TextStyle::largeScore:
        return {36, QFont::Bold};
    case TextStyle::ringScore:
        return {20, QFont::Bold};
    case TextStyle::title:
        return {22, QFont::Bold};
    case TextStyle::title2:
        return {19, QFont::Normal};
    case TextStyle::title3:
        return {16, QFont::Medium};
    case TextStyle::headline:
        return {13, QFont::DemiBold};
    case TextStyle::subheadline:
        return {12, QFont::Normal};
    case TextStyle::body:
        return {13, QFont::Normal};
    case TextStyle::callout:
        return {12, QFont::Normal};
    case TextStyle::caption:
        return {11, QFont::Normal};
    case TextStyle::caption2:
        return {10, QFont::Normal};
    }
    return {13, QFont::Normal};
}
} // namespace

QFont styledFont(TextStyle textStyle, const QFont& base) {
    QFont font = base;
    const Style s = style(textStyle);
    font.setPixelSize(s.pixels);
    font.setWeight(s.weight);
    return font;
}

QFont monospacedFont(TextStyle textStyle, const QFont& base) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    const QFont styled = styledFont(textStyle, base);
    font.setPixelSize(styled.pixelSize());
    font.setWeight(styled.weight());
    return font;
}

void styleLabel(QLabel* label, TextStyle textStyle, Colour colour) {
    label->setFont(styledFont(textStyle, label->font()));
    label->setTextFormat(Qt::PlainText);
    setLabelColour(label, colour);
}

QLabel* makeLabel(const QString& text, TextStyle textStyle, Colour colour, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    styleLabel(label, textStyle, colour);
    return label;
}

QLabel* makeNumberLabel(TextStyle style, QFont::Weight weight, Colour colour, QWidget* parent) {
    QLabel* label = makeLabel(QString(), style, colour, parent);
    QFont font = label->font();
    font.setFamily(QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
    font.setWeight(weight);
    label->setFont(font);
    return label;
}

void setLabelColour(QLabel* label, Colour wanted) {
    const QColor colour = Palette::colour(wanted);
    // Live values re-colour their labels on every update; an unchanged colour must not repaint.
    if (label->palette().color(QPalette::WindowText) == colour && label->testAttribute(Qt::WA_SetPalette))
        return;
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

QLabel* makeSymbolLabel(const QString& name, Colour colour, int size, QWidget* parent) {
    auto* label = new QLabel(parent);
    setSymbol(label, name, colour, size);
    return label;
}

void setSymbol(QLabel* label, const QString& name, Colour colour, int size) {
    // Drawn at least at twice the density so screenshots and high-DPI screens stay sharp.
    label->setPixmap(
        symbolPixmap(name, Palette::colour(colour), size, std::max(2.0, label->devicePixelRatioF())));
    label->setFixedSize(size, size);
    label->setObjectName(name);
}

void setChevron(QLabel* label, bool expanded) {
    setSymbol(label, expanded ? QStringLiteral("chevron.up") : QStringLiteral("chevron.down"),
              Colour::secondary, Metrics::SymbolSize::s);
}

void styleBox(QWidget* box, Colour colour, double opacity, int radius, double borderOpacity) {
    styleBox(box, colour, opacity, radius, colour, borderOpacity);
}

void styleBox(QWidget* box, Colour colour, double opacity, int radius, Colour border, double borderOpacity) {
    if (box->objectName().isEmpty())
        box->setObjectName(QStringLiteral("box"));
    const QPalette palette = QGuiApplication::palette();
    QString sheet = QStringLiteral("#%1 { background: %2; border-radius: %3px; ")
                        .arg(box->objectName(), Palette::css(Palette::faded(colour, opacity, palette)))
                        .arg(radius);
    sheet += borderOpacity > 0 ? QStringLiteral("border: %1px solid %2; }")
                                     .arg(Metrics::Space::hairline)
                                     .arg(Palette::css(Palette::faded(border, borderOpacity, palette)))
                               : QStringLiteral("border: none; }");
    box->setAttribute(Qt::WA_StyledBackground);
    box->setStyleSheet(sheet);
}

QLabel* makeBadge(const QString& text, TextStyle textStyle, Colour colour, QWidget* parent) {
    QLabel* badge = makeLabel(text, textStyle, colour, parent);
    badge->setObjectName(QStringLiteral("badge"));
    badge->setContentsMargins(Metrics::padding(Metrics::Space::xsPlus, Metrics::Space::hairline));
    badge->setAlignment(Qt::AlignCenter);
    setBadge(badge, text, colour);
    return badge;
}

void setBadge(QLabel* badge, const QString& text, Colour colour) {
    badge->setText(text);
    setLabelColour(badge, colour);
    styleBox(badge, colour, 0.2, Metrics::Radius::badge);
}
