#include "viewmodel/ChannelRecommendationsPresenter.h"

#include "probes/WiFiScannerService.h"
#include "viewmodel/DiagnosticsFormat.h"
#include "viewmodel/DisplayText.h"
#include "viewmodel/ScanDisplayRules.h"

RecommendationLine recommendationLine(const ChannelRecommendation& recommendation) {
    RecommendationLine line;
    line.score = QString::number(recommendation.score);
    line.scoreTone = scoreTone(recommendation.score);
    line.channel = ChannelRecommendationsPresenter::tr("Channel %1").arg(recommendation.channel);
    line.isBest = isBestScore(recommendation.score);
    line.reason = recommendation.reasonPattern.empty()
                      ? toQString(recommendation.reason)
                      : translatedText("ChannelRecommendation", recommendation.reasonPattern,
                                       recommendation.reasonArguments);
    if (recommendation.networkCount >= 1)
        line.networkCount = QString::number(recommendation.networkCount);
    return line;
}

ChannelRecommendationsScreen
channelRecommendationsScreen(const std::vector<ChannelRecommendation>& recommendations) {
    ChannelRecommendationsScreen screen;
    if (recommendations.empty())
        return screen;
    screen.bestChannel = ChannelRecommendationsPresenter::tr("Ch %1").arg(recommendations.front().channel);
    for (const auto& [band, title] :
         {std::pair{WiFiBand::band2_4GHz, ChannelRecommendationsPresenter::tr("2.4 GHz")},
          std::pair{WiFiBand::band5GHz, ChannelRecommendationsPresenter::tr("5 GHz")}}) {
        RecommendationBand section{title, {}};
        for (const ChannelRecommendation& recommendation : recommendations)
            if (recommendation.band == band)
                section.lines.push_back(recommendationLine(recommendation));
        screen.bands.push_back(std::move(section));
    }
    return screen;
}

ChannelRecommendationsPresenter::ChannelRecommendationsPresenter(WiFiScannerService& scanner, QObject* parent)
    : QObject(parent), m_scanner(scanner) {
    connect(&scanner, &WiFiScannerService::recommendationsChanged, this,
            &ChannelRecommendationsPresenter::recompute);
    recompute();
}

void ChannelRecommendationsPresenter::startScan() {
    m_scanner.startScan();
}

void ChannelRecommendationsPresenter::recompute() {
    m_screen = channelRecommendationsScreen(m_scanner.recommendations());
    emit changed();
}
