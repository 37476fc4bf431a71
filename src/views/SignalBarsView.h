#pragma once

#include <QWidget>

#include <optional>
#include <string_view>

// Four bars, lit by the signal strength in dBm.
class SignalBarsView final : public QWidget {
    Q_OBJECT

public:
    struct Lit {
        int count;
        // Palette name of the lit bars; empty when none is lit.
        std::string_view colourName;
    };
    static Lit litFor(std::optional<int> rssi);

    explicit SignalBarsView(QWidget* parent = nullptr);

    void setRssi(std::optional<int> rssi);
    Lit lit() const { return litFor(m_rssi); }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<int> m_rssi;
};
