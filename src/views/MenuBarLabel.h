#pragma once

// Qt first: moc cannot parse the standard library headers that the domain types pull in.
#include <QColor>
#include <QImage>
#include <QString>

#include "core/QualityRating.h"
#include "probes/CaptivePortalStatus.h"

#include <string_view>

class AppSettings;
class LinkmeterViewModel;

// What the tray item shows: a symbol and a short text, both in one colour that says how the
// connection is doing.
class MenuBarLabel final {
public:
    MenuBarLabel(const LinkmeterViewModel& viewModel, const AppSettings& settings);

    // Palette name: offline red, behind a portal orange, else the rating's colour.
    static std::string_view colourName(const CaptivePortalStatus& portal, QualityRating rating);

    bool showsIcon() const;
    QString iconName() const;
    // Empty when the label shows no text.
    QString text() const;
    QColor colour() const;
    // The icon alone, tinted, `size` pixels square; null when the icon is switched off.
    QImage icon(int size) const;

private:
    const LinkmeterViewModel& m_viewModel;
    const AppSettings& m_settings;
};
