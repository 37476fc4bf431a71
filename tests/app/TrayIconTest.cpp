#include "app/TrayController.h"
#include "views/MenuBarLabel.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

MenuBarLabel label(std::optional<std::string> value, Tone colour = Tone::green, bool valueInIcon = true) {
    TrayLabel shown{"87", "Linkmeter: 87", "globe", colour, true, QString()};
    if (valueInIcon && value)
        shown.iconValue = QString::fromStdString(*value);
    return MenuBarLabel(shown);
}

// The rows and columns that hold anything more than faint antialiasing.
QRect inkBounds(const QImage& image) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 96)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// The hue most of the strongly coloured pixels have.
bool mostlyHue(const QImage& image, int hue) {
    int near = 0;
    int coloured = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = QColor::fromRgba(image.pixel(x, y));
            if (c.alpha() < 200 || c.hsvSaturation() < 100)
                continue;
            ++coloured;
            near += std::abs(c.hsvHue() - hue) < 25 ? 1 : 0;
        }
    return coloured > 0 && near * 10 >= coloured * 8;
}

} // namespace

TEST(TrayIcon, TheNumberFillsTheIconAtEverySizeInTheRatingColour) {
    for (const int size : {16, 22, 24, 32}) {
        for (const char* value : {"7", "87", "100", "1k"}) {
            const QImage icon = label(value).icon(size);
            ASSERT_EQ(icon.size(), QSize(size, size));
            const QRect ink = inkBounds(icon);
            // Legible means large: the digits take most of the square's height and stay inside it.
            // Three characters are narrowed as far as legibility allows, then made smaller.
            EXPECT_GE(ink.height(), size * (std::strlen(value) < 3 ? 0.85 : 0.65)) << size << " " << value;
            EXPECT_TRUE(QRect(0, 0, size, size).contains(ink)) << size << " " << value;
        }
        EXPECT_TRUE(mostlyHue(label("87", Tone::green).icon(size), 135)) << size;
        EXPECT_TRUE(mostlyHue(label("87", Tone::red).icon(size), 4)) << size;
    }
    EXPECT_NE(label("87").icon(22), label("86").icon(22));
}

TEST(TrayIcon, WithoutANumberOrWithTheSettingOffTheSymbolIsShown) {
    const QImage symbol = label(std::nullopt, Tone::green, false).icon(22);
    ASSERT_FALSE(symbol.isNull());
    EXPECT_EQ(label("87", Tone::green, false).icon(22), symbol);
    // Ping mode before the first answer has no number: the symbol stands in.
    EXPECT_EQ(label(std::nullopt, Tone::green, true).icon(22), symbol);
    EXPECT_NE(label("87", Tone::green, true).icon(22), symbol);
}

TEST(PopoverPlacement, BelowTheItemFlippedAboveAtTheBottomAndKeptOnScreen) {
    const QRect screen(0, 0, 1280, 800);
    const QSize popover(320, 400);
    // Centred below an item in a top panel.
    EXPECT_EQ(popoverTopLeft(QRect(600, 0, 40, 30), popover, screen), QPoint(459, 33));
    // A bottom panel: above the item.
    EXPECT_EQ(popoverTopLeft(QRect(600, 770, 40, 30), popover, screen), QPoint(459, 366));
    // At the right edge: pulled left to stay whole; at the left edge: pulled right.
    EXPECT_EQ(popoverTopLeft(QRect(1250, 0, 30, 30), popover, screen), QPoint(960, 33));
    EXPECT_EQ(popoverTopLeft(QRect(0, 0, 30, 30), popover, screen), QPoint(0, 33));
    // Taller than the room above and below: pinned to the top of the screen.
    EXPECT_EQ(popoverTopLeft(QRect(600, 300, 40, 30), QSize(320, 790), screen), QPoint(459, 0));
    // A screen that does not start at the origin.
    EXPECT_EQ(popoverTopLeft(QRect(1900, 0, 40, 30), popover, QRect(1280, 0, 1920, 1080)), QPoint(1759, 33));
}
