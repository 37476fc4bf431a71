#include "views/kit/SymbolIcon.h"

#include <QByteArray>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

namespace {

struct Symbol {
    const char* name;
    // Symbolic icon of the freedesktop naming scheme, tried first; may be empty.
    const char* themeName;
    // Our own drawing on a 24 x 24 grid, "C" standing for the colour; used when the theme lacks the
    // icon or none fits.
    const char* drawing;
};

// Stroked outlines in the colour; filled shapes keep white marks on them.
constexpr Symbol
    kSymbols[] =
        {
            {"globe", "",
             R"(<circle cx="12" cy="12" r="9"/><ellipse cx="12" cy="12" rx="4" ry="9"/><path d="M3 12h18M5 7h14M5 17h14"/>)"},
            {"globe.badge.chevron.backward", "",
             R"(<circle cx="10" cy="10" r="7.5"/><ellipse cx="10" cy="10" rx="3.2" ry="7.5"/><path d="M2.5 10h15"/><circle cx="18" cy="18" r="5" fill="C" stroke="none"/><path d="M19 15.5l-2.5 2.5 2.5 2.5" stroke="#fff" stroke-width="1.6"/>)"},
            {"wifi", "",
             R"(<path d="M2 9a14 14 0 0 1 20 0M5.5 12.5a9 9 0 0 1 13 0M9 16a4 4 0 0 1 6 0"/><circle cx="12" cy="19.5" r="1" fill="C"/>)"},
            {"wifi.slash", "",
             R"(<path d="M2 9a14 14 0 0 1 20 0M5.5 12.5a9 9 0 0 1 13 0M9 16a4 4 0 0 1 6 0M3 3l18 18"/><circle cx="12" cy="19.5" r="1" fill="C"/>)"},
            {"exclamationmark.triangle.fill", "dialog-warning-symbolic",
             R"(<path d="M12 2.5L1.8 20.5h20.4z" fill="C"/><path d="M12 9v5.5" stroke="#fff"/><circle cx="12" cy="17.6" r="1.1" fill="#fff" stroke="none"/>)"},
            {"exclamationmark.triangle", "dialog-warning-symbolic",
             R"(<path d="M12 3L2 20.5h20zM12 9.5v4.5"/><circle cx="12" cy="17.3" r="0.9" fill="C"/>)"},
            {"location.fill", "find-location-symbolic", R"(<path d="M21 3L3 10.5l8 2.5 2.5 8z" fill="C"/>)"},
            {"bell.fill", "preferences-system-notifications-symbolic",
             R"(<path d="M12 3a6 6 0 0 0-6 6v4.5L4 17h16l-2-3.5V9a6 6 0 0 0-6-6z" fill="C"/><path d="M10 20a2 2 0 0 0 4 0"/>)"},
            {"lightbulb.fill", "",
             R"(<path d="M12 2.5a6.5 6.5 0 0 0-4 11.6c.7.6 1 1.3 1 2.1V17h6v-.8c0-.8.3-1.5 1-2.1a6.5 6.5 0 0 0-4-11.6z" fill="C"/><path d="M9.5 20h5M10.5 22.5h3"/>)"},
            {"chevron.down", "pan-down-symbolic", R"(<path d="M6 9l6 6 6-6"/>)"},
            {"chevron.up", "pan-up-symbolic", R"(<path d="M6 15l6-6 6 6"/>)"},
            {"chevron.backward", "go-previous-symbolic", R"(<path d="M15 6l-6 6 6 6"/>)"},
            {"arrow.right.circle.fill", "",
             R"(<circle cx="12" cy="12" r="10" fill="C" stroke="none"/><path d="M7 12h9.5M13 8l4 4-4 4" stroke="#fff"/>)"},
            {"gear", "emblem-system-symbolic",
             R"(<circle cx="12" cy="12" r="3.2"/><path d="M12 2v3M12 19v3M2 12h3M19 12h3M4.9 4.9l2.1 2.1M17 17l2.1 2.1M4.9 19.1L7 17M17 7l2.1-2.1"/><circle cx="12" cy="12" r="6.5"/>)"},
            {"waveform.path.ecg", "", R"(<path d="M2 12h4l2-5 3.5 11 3-9 2 3H22"/>)"},
            {"waveform.path", "", R"(<path d="M2 12c2-6 4-6 5 0s3 6 5 0 3-6 5 0 3 6 5 0"/>)"},
            {"waveform", "", R"(<path d="M3 10v4M7 6v12M11 3v18M15 7v10M19 10v4"/>)"},
            {"checkmark", "object-select-symbolic", R"(<path d="M4.5 12.5l5 5L20 6.5"/>)"},
            {"checkmark.circle.fill", "",
             R"(<circle cx="12" cy="12" r="10" fill="C" stroke="none"/><path d="M7 12.5l3.5 3.5L17.5 8.5" stroke="#fff"/>)"},
            {"square.and.arrow.up", "", R"(<path d="M8.5 9.5H6v11.5h12V9.5h-2.5M12 2.5v11M8 6.5l4-4 4 4"/>)"},
            {"ellipsis.circle", "view-more-symbolic",
             R"(<circle cx="12" cy="12" r="9.5"/><circle cx="7.5" cy="12" r="1.1" fill="C"/><circle cx="12" cy="12" r="1.1" fill="C"/><circle cx="16.5" cy="12" r="1.1" fill="C"/>)"},
            {"questionmark.circle", "dialog-question-symbolic",
             R"(<circle cx="12" cy="12" r="9.5"/><path d="M9.2 9.3a2.9 2.9 0 1 1 3.8 2.8c-.6.3-1 .9-1 1.6v.6"/><circle cx="12" cy="17.2" r="0.9" fill="C"/>)"},
            {"arrow.triangle.2.circlepath", "emblem-synchronizing-symbolic",
             R"(<path d="M4.5 11a7.5 7.5 0 0 1 13-4.5M19.5 13a7.5 7.5 0 0 1-13 4.5M17.5 2.5v4h-4M6.5 21.5v-4h4"/>)"},
            {"arrow.clockwise", "view-refresh-symbolic",
             R"(<path d="M19 12a7 7 0 1 1-2.1-5M17.5 2.8v4.5H13"/>)"},
            {"info.circle", "help-about-symbolic",
             R"(<circle cx="12" cy="12" r="9.5"/><path d="M12 11v6"/><circle cx="12" cy="7.5" r="0.9" fill="C"/>)"},
            {"power", "system-shutdown-symbolic", R"(<path d="M12 2.5v9M7 5.5a8 8 0 1 0 10 0"/>)"},
            {"pause.circle", "", R"(<circle cx="12" cy="12" r="9.5"/><path d="M10 8.5v7M14 8.5v7"/>)"},
            {"number", "", R"(<path d="M9.5 4l-2 16M16.5 4l-2 16M4.5 9h16M3.5 15h16"/>)"},
            {"play.circle", "",
             R"(<circle cx="12" cy="12" r="9.5"/><path d="M10 8.3v7.4l5.8-3.7z" fill="C"/>)"},
            {"arrow.up.right", "", R"(<path d="M6 18L18 6M9 6h9v9"/>)"},
            {"arrow.down.right", "", R"(<path d="M6 6l12 12M18 9v9H9"/>)"},
            {"arrow.up.forward.square", "",
             R"(<path d="M10.5 4H5a1 1 0 0 0-1 1v14a1 1 0 0 0 1 1h14a1 1 0 0 0 1-1v-5.5M13.5 3.5h7v7M20.5 3.5l-9 9"/>)"},
            {"arrow.down.circle.fill", "",
             R"(<circle cx="12" cy="12" r="10" fill="C" stroke="none"/><path d="M12 6.5v10M7.8 12.5l4.2 4.2 4.2-4.2" stroke="#fff"/>)"},
            {"xmark", "window-close-symbolic", R"(<path d="M6 6l12 12M18 6L6 18"/>)"},
            {"xmark.circle", "",
             R"(<circle cx="12" cy="12" r="9.5"/><path d="M8.5 8.5l7 7M15.5 8.5l-7 7"/>)"},
            {"xmark.icloud", "",
             R"(<path d="M7 19h10.5a4.5 4.5 0 0 0 .5-9 6 6 0 0 0-11.5 1.5A3.8 3.8 0 0 0 7 19zM10 11.5l4 4M14 11.5l-4 4"/>)"},
            {"antenna.radiowaves.left.and.right", "",
             R"(<circle cx="12" cy="10" r="1.5" fill="C"/><path d="M12 12v9M8.5 6.5a5 5 0 0 0 0 7M15.5 6.5a5 5 0 0 1 0 7M5.5 3.5a9 9 0 0 0 0 13M18.5 3.5a9 9 0 0 1 0 13"/>)"},
            {"antenna.radiowaves.left.and.right.slash", "",
             R"(<circle cx="12" cy="10" r="1.5" fill="C"/><path d="M12 12v9M8.5 6.5a5 5 0 0 0 0 7M15.5 6.5a5 5 0 0 1 0 7M5.5 3.5a9 9 0 0 0 0 13M18.5 3.5a9 9 0 0 1 0 13M3 2l18 19"/>)"},
            {"tortoise.fill", "",
             R"(<path d="M3 15a8 6.5 0 0 1 16 0z" fill="C"/><path d="M19 13.5h1.5a1.8 1.8 0 0 0 0-3.5H19M6 15v3M16 15v3"/>)"},
            {"person.badge.key", "",
             R"(<circle cx="9" cy="7.5" r="3.5"/><path d="M2.5 20a6.5 6.5 0 0 1 11-4.7"/><circle cx="17.5" cy="15" r="2.2"/><path d="M17.5 17.2v4.3M17.5 19.5h2"/>)"},
            {"arrow.left.and.right", "", R"(<path d="M3 12h18M7 8l-4 4 4 4M17 8l4 4-4 4"/>)"},
            {"arrow.up.arrow.down", "", R"(<path d="M8 20V4M4 8l4-4 4 4M16 4v16M12 16l4 4 4-4"/>)"},
            {"building.2", "", R"(<path d="M3 21h18M5 21V4h9v17M14 9h5v12M8 8h3M8 12h3M8 16h3"/>)"},
            {"chart.bar", "", R"(<path d="M3 21h18M6 21v-7M11 21V8M16 21v-10M21 21V4"/>)"},
            {"clock.badge.exclamationmark", "",
             R"(<path d="M19.5 10.5A8.5 8.5 0 1 0 11 20.5"/><path d="M11 7v5l3 2M19 14v4"/><circle cx="19" cy="21" r="0.9" fill="C"/>)"},
            {"gauge.with.needle", "",
             R"(<path d="M3.5 17a9 9 0 1 1 17 0M12 15l4.5-6"/><circle cx="12" cy="15" r="1.5" fill="C"/>)"},
            {"magnifyingglass", "", R"(<circle cx="10.5" cy="10.5" r="6.5"/><path d="M15.5 15.5l5.5 5.5"/>)"},
            {"lock.fill", "",
             R"(<path d="M7.5 10.5V7a4.5 4.5 0 0 1 9 0v3.5"/><rect x="4.5" y="10" width="15" height="11.5" rx="2" fill="C"/>)"},
            {"lock.open.fill", "",
             R"(<path d="M7.5 10.5V7a4.5 4.5 0 0 1 8.8-1.3"/><rect x="4.5" y="10" width="15" height="11.5" rx="2" fill="C"/>)"},
            {"cable.connector", "",
             R"(<rect x="7" y="3" width="10" height="8" rx="1.5"/><path d="M10 3v2.5M14 3v2.5M9 11v3.5h6V11M12 14.5V21.5"/>)"},
            // Settings, onboarding, help and about.
            {"network", "",
             R"(<circle cx="12" cy="12" r="9"/><path d="M3 12h18M12 3c-3.5 3.5-3.5 14.5 0 18M12 3c3.5 3.5 3.5 14.5 0 18"/>)"},
            {"clock", "", R"(<circle cx="12" cy="12" r="9"/><path d="M12 7v5l3.5 2"/>)"},
            {"menubar.rectangle", "",
             R"(<rect x="2.5" y="4.5" width="19" height="15" rx="2.5"/><path d="M2.5 9h19"/>)"},
            {"slider.horizontal.3", "",
             R"(<path d="M3 6h18M3 12h18M3 18h18"/><circle cx="8" cy="6" r="2.2" fill="C"/><circle cx="16" cy="12" r="2.2" fill="C"/><circle cx="10" cy="18" r="2.2" fill="C"/>)"},
            {"bell", "",
             R"(<path d="M12 3a6 6 0 0 0-6 6v4.5L4 17h16l-2-3.5V9a6 6 0 0 0-6-6zM10 20a2 2 0 0 0 4 0"/>)"},
            {"bell.badge", "",
             R"(<path d="M13.5 3.2A6 6 0 0 0 6 9v4.5L4 17h16l-2-3.5V11M10 20a2 2 0 0 0 4 0"/><circle cx="18" cy="5.5" r="3.2" fill="C" stroke="none"/>)"},
            {"bell.badge.fill", "",
             R"(<path d="M13.5 3.2A6 6 0 0 0 6 9v4.5L4 17h16l-2-3.5V11a5 5 0 0 1-4.5-7.8z" fill="C"/><path d="M10 20a2 2 0 0 0 4 0"/><circle cx="18.5" cy="5" r="3.2" fill="C" stroke="none"/>)"},
            {"bell.slash", "",
             R"(<path d="M12 3a6 6 0 0 0-6 6v4.5L4 17h16l-2-3.5V9a6 6 0 0 0-6-6zM10 20a2 2 0 0 0 4 0M3 3l18 18"/>)"},
            {"laptopcomputer", "",
             R"(<rect x="4" y="5" width="16" height="11" rx="1.5"/><path d="M2 19.5h20"/>)"},
            {"server.rack", "",
             R"(<rect x="3" y="4" width="18" height="7" rx="1.5"/><rect x="3" y="13" width="18" height="7" rx="1.5"/><circle cx="7" cy="7.5" r="1" fill="C"/><circle cx="7" cy="16.5" r="1" fill="C"/>)"},
            {"lock.shield", "",
             R"(<path d="M12 2.5l8 3v6c0 5-3.5 8.5-8 10-4.5-1.5-8-5-8-10v-6z"/><rect x="9" y="11" width="6" height="5" rx="1" fill="C" stroke-width="1.2"/><path d="M10.3 11V9.5a1.7 1.7 0 0 1 3.4 0V11" stroke-width="1.5"/>)"},
            {"wifi.exclamationmark", "", R"(<path d="M2 9a14 14 0 0 1 14.5-3.6M5.5 12.5a9 9 0 0 1 9-2.3M9 16a4 4 0 0 1 4.5-.8M19.5 9v6.5"/><circle cx="19.5" cy="19.5" r="1.1" fill="C"/><circle cx="11.5" cy="19.5" r="1" fill="C"/>)"},
            {"timer", "", R"(<circle cx="12" cy="13.5" r="8"/><path d="M12 13.5V9M9.5 2.5h5M12 2.5v3"/>)"},
            {"textformat.size", "",
             R"(<path d="M2.5 19l5-13 5 13M4.3 14.5h6.4M13.5 19l3.8-8.5 3.8 8.5M14.8 16.3h5"/>)"},
            {"textformat", "",
             R"(<path d="M2.5 18l5-12 5 12M4.2 14h6.6"/><circle cx="17.5" cy="15" r="3"/><path d="M20.5 12v6"/>)"},
            {"paintbrush", "",
             R"(<path d="M21 3l-9.5 9.5M11 13c-2-.6-4.3.8-4.7 3-.3 1.6-1.5 3-3.3 3.5 3.2 1.6 7.4.6 8.9-2 .8-1.4.6-3.4-.9-4.5z"/>)"},
            {"rectangle.portrait", "", R"(<rect x="6" y="3" width="12" height="18" rx="2.5"/>)"},
            {"rectangle.compress.vertical", "",
             R"(<path d="M4 2.5h16M4 21.5h16M12 3v4M9.5 5L12 7.5 14.5 5M12 21v-4M9.5 19l2.5-2.5 2.5 2.5"/><rect x="4" y="10" width="16" height="4" rx="1"/>)"},
            {"lightbulb", "",
             R"(<path d="M12 2.5a6.5 6.5 0 0 0-4 11.6c.7.6 1 1.3 1 2.1V17h6v-.8c0-.8.3-1.5 1-2.1a6.5 6.5 0 0 0-4-11.6zM9.5 20h5M10.5 22.5h3"/>)"},
            {"exclamationmark.bubble", "",
             R"(<path d="M4 3.5h16A1.5 1.5 0 0 1 21.5 5v10a1.5 1.5 0 0 1-1.5 1.5h-9L6 20.5v-4H4A1.5 1.5 0 0 1 2.5 15V5A1.5 1.5 0 0 1 4 3.5zM12 7v4.5"/><circle cx="12" cy="14" r="0.9" fill="C"/>)"},
            {"xmark.octagon", "",
             R"(<path d="M8.3 2.5h7.4l5.3 5.3v7.4l-5.3 5.3H8.3L3 15.2V7.8zM9 9l6 6M15 9l-6 6"/>)"},
            {"arrow.counterclockwise", "", R"(<path d="M5 12a7 7 0 1 0 2.1-5M6.5 2.8v4.5H11"/>)"},
            {"location.fill.viewfinder", "",
             R"(<path d="M3 8V4.5A1.5 1.5 0 0 1 4.5 3H8M16 3h3.5A1.5 1.5 0 0 1 21 4.5V8M21 16v3.5a1.5 1.5 0 0 1-1.5 1.5H16M8 21H4.5A1.5 1.5 0 0 1 3 19.5V16"/><path d="M17 7L7 11.2l4.5 1.3 1.3 4.5z" fill="C" stroke-width="1.2"/>)"},
            {"location.slash", "", R"(<path d="M20 4L4 10.7l7 2.3 2.3 7zM3 3l18 18"/>)"},
            {"house", "", R"(<path d="M3 11l9-7.5 9 7.5M5.5 9v11.5h13V9M10 20.5v-6h4v6"/>)"},
            {"wrench.and.screwdriver", "",
             R"(<path d="M15 3.2a4.5 4.5 0 0 0 5.8 5.8l-9.5 9.5a2.3 2.3 0 0 1-3.3-3.3l9.5-9.5A4.5 4.5 0 0 1 15 3.2zM3 3l2.5.8 5 5-1.7 1.7-5-5z"/>)"},
            // Diagnostics page.
            {"chevron.left", "go-previous-symbolic", R"(<path d="M15 5l-7 7 7 7"/>)"},
            {"arrow.down", "", R"(<path d="M12 4v16M6 14l6 6 6-6"/>)"},
            {"arrow.up", "", R"(<path d="M12 20V4M6 10l6-6 6 6"/>)"},
            {"arrow.up.circle.fill", "",
             R"(<circle cx="12" cy="12" r="10" fill="C" stroke="none"/><path d="M12 17.5v-10M7.8 11.5l4.2-4.2 4.2 4.2" stroke="#fff"/>)"},
            {"location.circle", "",
             R"(<circle cx="12" cy="12" r="9.5"/><path d="M16.5 7.5L7 11.2l4 1 1 4z" fill="C"/>)"},
            {"speedometer", "",
             R"(<path d="M3.5 17.5a9 9 0 1 1 17 0M12 14.5l3.5-5M6.5 12.5l1 .5M17.5 12.5l-1 .5M12 6.5v1"/><circle cx="12" cy="14.5" r="1.4" fill="C"/>)"},
            {"camera", "", R"(<path d="M3 8h4l2-3h6l2 3h4v11H3z"/><circle cx="12" cy="13" r="3.5"/>)"},
            {"doc.on.doc", "",
             R"(<path d="M8 7V3.5h9l3.5 3.5v10.5H16"/><path d="M3.5 7h9l3.5 3.5V21H3.5z"/>)"},
            {"doc.text", "",
             R"(<path d="M5 2.5h9.5L19 7v14.5H5zM14.5 2.5V7H19M8.5 11.5h7M8.5 14.5h7M8.5 17.5h5"/>)"},
            {"checkmark.circle", "", R"(<circle cx="12" cy="12" r="9.5"/><path d="M7.5 12.5l3 3 6-6.5"/>)"},
            {"exclamationmark.circle", "",
             R"(<circle cx="12" cy="12" r="9.5"/><path d="M12 7v6"/><circle cx="12" cy="16.5" r="0.9" fill="C"/>)"},
            {"xmark.circle.fill", "",
             R"(<circle cx="12" cy="12" r="10" fill="C" stroke="none"/><path d="M8.5 8.5l7 7M15.5 8.5l-7 7" stroke="#fff"/>)"},

};

const Symbol* find(const QString& name) {
    for (const Symbol& symbol : kSymbols)
        if (name == QLatin1String(symbol.name))
            return &symbol;
    return nullptr;
}

// Theme icons are drawn black or gray; the colour replaces their shape's colour, keeping its alpha.
QPixmap tinted(const QPixmap& shape, const QColor& colour) {
    QPixmap result = shape;
    QPainter p(&result);
    p.setCompositionMode(QPainter::CompositionMode_SourceIn);
    p.fillRect(result.rect(), colour);
    return result;
}

QPixmap drawn(const Symbol& symbol, const QColor& colour, int pixels) {
    QByteArray body(symbol.drawing);
    body.replace("\"C\"", "\"" + colour.name(QColor::HexRgb).toLatin1() + "\"");
    const QByteArray svg =
        "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 24 24\" fill=\"none\" stroke=\"" +
        colour.name(QColor::HexRgb).toLatin1() +
        "\" stroke-width=\"2\" stroke-linecap=\"round\" stroke-linejoin=\"round\">" + body + "</svg>";
    QSvgRenderer renderer(svg);
    QPixmap pixmap(pixels, pixels);
    pixmap.fill(Qt::transparent);
    if (!renderer.isValid())
        return {};
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setOpacity(colour.alphaF());
    renderer.render(&p);
    return pixmap;
}

QPixmap themed(const Symbol& symbol, const QColor& colour, int pixels) {
    if (*symbol.themeName == '\0')
        return {};
    // Desktops without a theme setting (a bare X server) still have Adwaita's symbolic icons.
    if (QIcon::fallbackThemeName().isEmpty())
        QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
    const QIcon icon = QIcon::fromTheme(QLatin1String(symbol.themeName));
    // A theme that only has small bitmaps for the name would be blown up blurry; draw ours instead.
    if (icon.isNull() || icon.actualSize(QSize(pixels, pixels)).width() < pixels)
        return {};
    const QPixmap shape = icon.pixmap(QSize(pixels, pixels));
    if (shape.isNull())
        return {};
    return tinted(shape, colour);
}

} // namespace

QPixmap symbolPixmap(const QString& name, const QColor& colour, int size, double devicePixelRatio) {
    const Symbol* symbol = find(name);
    if (!symbol)
        return {};
    const int pixels = qMax(1, qRound(size * devicePixelRatio));
    // Views re-set their symbols on every published value; drawing an SVG each time is most of
    // what an open popover costs.
    const QString key = QStringLiteral("symbol:%1:%2:%3").arg(name).arg(colour.rgba()).arg(pixels);
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = themed(*symbol, colour, pixels);
        if (pixmap.isNull() || pixmap.width() != pixels)
            pixmap = drawn(*symbol, colour, pixels);
        QPixmapCache::insert(key, pixmap);
    }
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

QPixmap gradientSymbolPixmap(const QString& name, const QColor& top, const QColor& bottom, int size,
                             double devicePixelRatio) {
    QPixmap pixmap = symbolPixmap(name, Qt::white, size, devicePixelRatio);
    if (pixmap.isNull())
        return pixmap;
    QLinearGradient gradient(0, 0, 0, size);
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    QPainter p(&pixmap);
    p.setCompositionMode(QPainter::CompositionMode_SourceIn);
    p.fillRect(QRectF(0, 0, size, size), gradient);
    return pixmap;
}

QIcon symbolIcon(const QString& name, const QColor& colour, int size) {
    QIcon icon;
    for (const double ratio : {1.0, 2.0}) {
        QPixmap pixmap = symbolPixmap(name, colour, size, ratio);
        if (pixmap.isNull())
            return {};
        icon.addPixmap(pixmap);
    }
    return icon;
}

QStringList symbolNames() {
    QStringList names;
    for (const Symbol& symbol : kSymbols)
        names << QLatin1String(symbol.name);
    return names;
}
