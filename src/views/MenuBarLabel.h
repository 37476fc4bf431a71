#pragma once

#include "core/QualityRating.h"
#include "core/Tone.h"
#include "probes/CaptivePortalStatus.h"

#include <QColor>
#include <QImage>
#include <QString>

#include <optional>
#include <string>
#include <string_view>

class AppSettings;
class LinkmeterViewModel;

// What the tray item shows: a symbol and a short text, both in one colour that says how the
// connection is doing. Where the panel draws no text, the icon can carry the number itself.
class MenuBarLabel final {
public:
    struct Reading {
        std::optional<std::string> text;      // beside the icon
        std::optional<std::string> iconValue; // the number the icon can carry
        std::string iconName;
        Tone tone = Tone::gray;
        bool showIcon = true;

        bool operator==(const Reading&) const = default;
    };

    // `valueInIcon`: the icon shows the number in place of the symbol when there is one.
    MenuBarLabel(const LinkmeterViewModel& viewModel, const AppSettings& settings, bool valueInIcon = false);
    MenuBarLabel(Reading reading, bool valueInIcon);

    // Offline red, behind a portal orange, else the rating's tone.
    static Tone tone(const CaptivePortalStatus& portal, QualityRating rating);

    const Reading& reading() const { return m_reading; }
    bool showsIcon() const { return m_reading.showIcon; }
    QString iconName() const { return QString::fromStdString(m_reading.iconName); }
    // The text beside the icon; empty when the label shows none. Panels that draw no text ignore it,
    // and those that draw it draw it even when the icon carries the number too.
    QString text() const;
    // The whole reading for a tooltip, "Linkmeter: 23ms • 87".
    QString toolTip() const;
    QColor colour() const;
    // The icon, tinted, `size` pixels square; null when it shows neither a symbol nor a number.
    QImage icon(int size) const;

private:
    QString iconValue() const;

    Reading m_reading;
    bool m_valueInIcon;
};

// `value` ("87", "1k") drawn as large as a `size`-pixel square allows, in `colour`.
QImage valueIcon(const QString& value, const QColor& colour, int size);
