#pragma once

#include "core/ConnectionQuality.h"
#include "core/WiFiInfo.h"
#include "diagnosis/NetworkInsight.h"
#include "diagnosis/RouterBrand.h"

#include <QFrame>

#include <optional>

class QLabel;
class SignalBarsView;

// The link at a glance: the network and its signal, the score with its headline, how today
// compares with the usual, and whether monitoring is paused.
class StatusCard final : public QFrame {
    Q_OBJECT

public:
    struct Content {
        std::optional<WiFiInfo> wifiInfo;
        ConnectionQuality quality;
        bool isMonitoring = false;
        bool locationAuthorized = true;
        std::optional<NetworkInsight> networkInsight;
        std::optional<RouterBrand> routerBrand;
    };

    struct Headline {
        const char* title;
        const char* description;
    };
    static Headline headline(QualityRating rating);

    explicit StatusCard(QWidget* parent = nullptr);
    void setContent(const Content& content);

    const SignalBarsView* signalBars() const { return m_bars; }

private:
    QLabel* m_network = nullptr;
    QLabel* m_details = nullptr;
    QLabel* m_locationRequired = nullptr;
    SignalBarsView* m_bars = nullptr;
    QLabel* m_score = nullptr;
    QLabel* m_headline = nullptr;
    QLabel* m_description = nullptr;
    QWidget* m_insight = nullptr;
    QLabel* m_insightArrow = nullptr;
    QLabel* m_insightText = nullptr;
    QWidget* m_paused = nullptr;
};
