#include "views/kit/Palette.h"

#include <QGuiApplication>

namespace {

struct Variants {
    QRgb light;
    QRgb dark;
};

// Darker than the usual signal colours on light windows, brighter on dark ones: these are used
// for text as well as for shapes.
Variants variants(Tone tone) {
    switch (tone) {
    case Tone::green:
        return {qRgb(0x1e, 0x8e, 0x3e), qRgb(0x30, 0xd1, 0x58)};
    case Tone::yellow:
        return {qRgb(0xa6, 0x7c, 0x00), qRgb(0xff, 0xd6, 0x0a)};
    case Tone::orange:
        return {qRgb(0xd1, 0x5c, 0x00), qRgb(0xff, 0x9f, 0x0a)};
    case Tone::red:
        return {qRgb(0xd7, 0x00, 0x15), qRgb(0xff, 0x45, 0x3a)};
    case Tone::blue:
        return {qRgb(0x00, 0x66, 0xcc), qRgb(0x40, 0x9c, 0xff)};
    case Tone::gray:
        break;
    case Tone::cyan:
        return {qRgb(0x00, 0x7f, 0x9e), qRgb(0x64, 0xd2, 0xff)};
    case Tone::purple:
        return {qRgb(0x89, 0x44, 0xab), qRgb(0xbf, 0x5a, 0xf2)};
    }
    return {qRgb(0x6e, 0x6e, 0x73), qRgb(0x98, 0x98, 0x9d)};
}

QColor mix(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(static_cast<float>(a.redF() * (1 - t) + b.redF() * t),
                            static_cast<float>(a.greenF() * (1 - t) + b.greenF() * t),
                            static_cast<float>(a.blueF() * (1 - t) + b.blueF() * t));
}

} // namespace

bool Palette::isDark(const QPalette& palette) {
    return palette.color(QPalette::Window).lightnessF() < 0.5;
}

QColor Palette::colour(Colour colour, const QPalette& palette) {
    if (const auto tone = colour.tone()) {
        const Variants shades = variants(*tone);
        return QColor(isDark(palette) ? shades.dark : shades.light);
    }
    switch (colour.role()) {
    case Colour::Role::text:
        break;
    case Colour::Role::secondary:
        return mix(palette.color(QPalette::WindowText), palette.color(QPalette::Window), 0.45);
    case Colour::Role::accent:
        return palette.color(QPalette::Highlight);
    case Colour::Role::windowBackground:
        return palette.color(QPalette::Window);
    case Colour::Role::controlBackground:
        return palette.color(QPalette::Base);
    }
    return palette.color(QPalette::WindowText);
}

QColor Palette::colour(Colour colour) {
    return Palette::colour(colour, QGuiApplication::palette());
}

QColor Palette::faded(Colour colour, double opacity, const QPalette& palette) {
    QColor c = Palette::colour(colour, palette);
    c.setAlphaF(static_cast<float>(opacity));
    return c;
}

QString Palette::css(const QColor& colour) {
    return QStringLiteral("rgba(%1, %2, %3, %4)")
        .arg(colour.red())
        .arg(colour.green())
        .arg(colour.blue())
        .arg(colour.alphaF(), 0, 'f', 3);
}
