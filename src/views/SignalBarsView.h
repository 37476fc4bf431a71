#pragma once

#include <QWidget>

#include "core/Tone.h"

#include <optional>

// Four bars, lit by the signal strength in dBm.
class SignalBarsView final : public QWidget {
    Q_OBJECT

public:
    // The link's bars in the status card, or the smaller ones of a nearby network's row, which
    // also change colour with every bar.
    enum class Kind { link, nearby };

    struct Lit {
        int count;
        // Of the lit bars; none when none is lit.
        std::optional<Tone> tone;
    };
    static Lit litFor(std::optional<int> rssi, Kind kind = Kind::link);

    explicit SignalBarsView(QWidget* parent = nullptr);
    SignalBarsView(Kind kind, QWidget* parent);

    void setRssi(std::optional<int> rssi);
    Lit lit() const { return litFor(m_rssi, m_kind); }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void describe();
    Kind m_kind = Kind::link;
    std::optional<int> m_rssi;
};
