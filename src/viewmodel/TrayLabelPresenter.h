#pragma once

#include "core/QualityRating.h"
#include "core/Tone.h"
#include "probes/CaptivePortalStatus.h"

#include <QObject>
#include <QString>

#include <optional>
#include <string>

class AppSettings;
class LinkmeterViewModel;

// What the tray item shows: a symbol or a number, a short text, both in one colour that says how
// the connection is doing, and the tooltip.
struct TrayLabel {
    // Beside the icon; empty when the label shows none. Panels that draw no text ignore it, and those
    // that draw it draw it even when the icon carries the number too.
    QString text;
    // The whole reading, "Linkmeter: 23ms • 87".
    QString toolTip;
    QString iconName;
    Tone tone = Tone::gray;
    bool showIcon = true;
    // The number the icon carries in place of its symbol; empty when it shows the symbol.
    QString iconValue;

    bool operator==(const TrayLabel&) const = default;
};

struct TrayLabelInputs {
    std::optional<std::string> text;
    std::optional<std::string> iconValue;
    std::string iconName;
    CaptivePortalStatus portal;
    QualityRating rating = QualityRating::unknown;
    bool showIcon = true;
    // Where the panel draws no text, the icon can carry the number itself.
    bool valueInIcon = false;
};

// Offline red, behind a portal orange, else the rating's tone.
Tone trayTone(const CaptivePortalStatus& portal, QualityRating rating);
TrayLabel trayLabel(const TrayLabelInputs& inputs);

// The tray item's side of the program: follows the view model and the label settings, and says
// `changed` only when what the tray shows changes, so a steady connection costs the panel nothing.
class TrayLabelPresenter final : public QObject {
    Q_OBJECT

public:
    // `currentDesktop`: XDG_CURRENT_DESKTOP, which decides where the number goes.
    TrayLabelPresenter(const LinkmeterViewModel& viewModel, const AppSettings& settings,
                       std::string currentDesktop, QObject* parent = nullptr);

    const TrayLabel& screen() const { return m_screen; }

signals:
    void changed();

private:
    TrayLabel current() const;
    void recompute();

    const LinkmeterViewModel& m_viewModel;
    const AppSettings& m_settings;
    std::string m_currentDesktop;
    TrayLabel m_screen;
};
