#pragma once

#include "core/Tone.h"
#include "probes/ChannelRecommendation.h"

#include <QObject>
#include <QString>

#include <vector>

class WiFiScannerService;

// One rated channel as its row shows it.
struct RecommendationLine {
    QString score;
    Tone scoreTone = Tone::gray;
    QString channel;
    bool isBest = false;
    QString reason;
    // Empty when no network is on the channel.
    QString networkCount;

    bool operator==(const RecommendationLine&) const = default;
};

struct RecommendationBand {
    QString title;
    std::vector<RecommendationLine> lines;

    bool operator==(const RecommendationBand&) const = default;
};

// What the recommended-channels panel shows: nothing but an invitation to scan before a scan, else
// the best channel (for the folded header) and the 2.4 and 5 GHz channels, best first.
struct ChannelRecommendationsScreen {
    // Empty before a scan.
    QString bestChannel;
    std::vector<RecommendationBand> bands;

    bool operator==(const ChannelRecommendationsScreen&) const = default;
};

RecommendationLine recommendationLine(const ChannelRecommendation& recommendation);
ChannelRecommendationsScreen
channelRecommendationsScreen(const std::vector<ChannelRecommendation>& recommendations);

// The channels the user's router could move to, from the shared scanner.
class ChannelRecommendationsPresenter final : public QObject {
    Q_OBJECT

public:
    explicit ChannelRecommendationsPresenter(WiFiScannerService& scanner, QObject* parent = nullptr);

    const ChannelRecommendationsScreen& screen() const { return m_screen; }
    void startScan();

signals:
    void changed();

private:
    void recompute();

    WiFiScannerService& m_scanner;
    ChannelRecommendationsScreen m_screen;
};
