#include "views/kit/Palette.h"

#include <QGuiApplication>

#include <array>

namespace {

struct Signal {
    std::string_view name;
    QRgb light;
    QRgb dark;
};

// Darker than the usual signal colours on light windows, brighter on dark ones: these are used
// for text as well as for shapes.
constexpr std::array<Signal, 8> kSignals{{
    {"green", qRgb(0x1e, 0x8e, 0x3e), qRgb(0x30, 0xd1, 0x58)},
    {"yellow", qRgb(0xa6, 0x7c, 0x00), qRgb(0xff, 0xd6, 0x0a)},
    {"orange", qRgb(0xd1, 0x5c, 0x00), qRgb(0xff, 0x9f, 0x0a)},
    {"red", qRgb(0xd7, 0x00, 0x15), qRgb(0xff, 0x45, 0x3a)},
    {"blue", qRgb(0x00, 0x66, 0xcc), qRgb(0x40, 0x9c, 0xff)},
    {"gray", qRgb(0x6e, 0x6e, 0x73), qRgb(0x98, 0x98, 0x9d)},
    {"cyan", qRgb(0x00, 0x7f, 0x9e), qRgb(0x64, 0xd2, 0xff)},
    {"purple", qRgb(0x89, 0x44, 0xab), qRgb(0xbf, 0x5a, 0xf2)},
}};

QColor mix(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(static_cast<float>(a.redF() * (1 - t) + b.redF() * t),
                            static_cast<float>(a.greenF() * (1 - t) + b.greenF() * t),
                            static_cast<float>(a.blueF() * (1 - t) + b.blueF() * t));
}

} // namespace

bool Palette::isDark(const QPalette& palette) {
    return palette.color(QPalette::Window).lightnessF() < 0.5;
}

QColor Palette::colour(std::string_view name, const QPalette& palette) {
    const bool dark = isDark(palette);
    for (const Signal& signal : kSignals)
        if (signal.name == name)
            return QColor(dark ? signal.dark : signal.light);
    if (name == "secondary")
        return mix(palette.color(QPalette::WindowText), palette.color(QPalette::Window), 0.45);
    if (name == "accent")
        return palette.color(QPalette::Highlight);
    if (name == "windowBackground")
        return palette.color(QPalette::Window);
    if (name == "controlBackground")
        return palette.color(QPalette::Base);
    return colour("gray", palette);
}

QColor Palette::colour(std::string_view name) {
    return colour(name, QGuiApplication::palette());
}

QColor Palette::faded(std::string_view name, double opacity, const QPalette& palette) {
    QColor c = colour(name, palette);
    c.setAlphaF(static_cast<float>(opacity));
    return c;
}

const std::vector<std::string_view>& Palette::names() {
    static const std::vector<std::string_view> all{"green",
                                                   "yellow",
                                                   "orange",
                                                   "red",
                                                   "blue",
                                                   "gray",
                                                   "cyan",
                                                   "purple",
                                                   "secondary",
                                                   "accent",
                                                   "windowBackground",
                                                   "controlBackground"};
    return all;
}

QString Palette::css(const QColor& colour) {
    return QStringLiteral("rgba(%1, %2, %3, %4)")
        .arg(colour.red())
        .arg(colour.green())
        .arg(colour.blue())
        .arg(colour.alphaF(), 0, 'f', 3);
}
