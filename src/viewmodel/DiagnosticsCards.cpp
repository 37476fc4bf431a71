#include "viewmodel/DiagnosticsCards.h"

#include "viewmodel/DiagnosticsFormat.h"
#include "viewmodel/DisplayText.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace {

// The translation context of the cards' texts.
struct DiagnosticsCards {
    Q_DECLARE_TR_FUNCTIONS(DiagnosticsCards)
};

const QString kNoData = QStringLiteral("--");

// A duration in whole milliseconds, truncated toward zero: 12.7 reads "12ms".
QString wholeMilliseconds(double milliseconds) {
    //: A response time; %1 is the number of whole milliseconds.
    return DiagnosticsCards::tr("%1ms").arg(
        localNumber(static_cast<double>(static_cast<long long>(milliseconds))));
}

// "none" for no loss, else the share in percent with one decimal.
QString packetLossText(double packetLoss) {
    if (packetLoss == 0)
        //: No ping was lost.
        return DiagnosticsCards::tr("none");
    //: The share of lost pings; %1 is the percentage.
    return DiagnosticsCards::tr("%1%").arg(localNumber(packetLoss, 1));
}

QString noteText(std::string_view text) {
    return translatedText("DiagnosticsCards", text);
}

} // namespace

WiFiCardData wifiCard(const std::optional<WiFiInfo>& wifi, bool locationAuthorized) {
    WiFiCardData card;
    card.connected = wifi.has_value();
    card.asksForLocation = !wifi && !locationAuthorized;
    if (!wifi)
        return card;
    card.ssid = shownNetworkName(wifi->ssid);
    card.nameWithheld = wifi->ssid == unknownNetworkSSID;
    card.rowAsksForLocation = card.nameWithheld && !locationAuthorized;
    if (wifi->band != WiFiBand::unknown)
        card.band = toQString(rawValue(wifi->band));
    card.signal = QStringLiteral("%1 dBm").arg(wifi->rssi);
    card.signalTone = signalTone(wifi->rssi);
    card.noise = wifi->noise ? QStringLiteral("%1 dBm").arg(*wifi->noise) : kNoData;
    card.rate = QStringLiteral("%1 Mbps").arg(static_cast<long long>(wifi->transmitRate));
    card.details = wifiDetails(*wifi);
    return card;
}

std::vector<DetailLine> wifiDetails(const WiFiInfo& wifi) {
    std::vector<DetailLine> rows;
    if (wifi.channel >= 1)
        rows.push_back({DiagnosticsCards::tr("Channel"),
                        QStringLiteral("%1 (%2 MHz)").arg(wifi.channel).arg(wifi.channelWidth)});
    if (!wifi.phyMode.empty() && wifi.phyMode != "None" && wifi.phyMode != "Unknown")
        rows.push_back({DiagnosticsCards::tr("PHY Mode"), QString::fromStdString(wifi.phyMode)});
    if (!wifi.securityType.empty() && wifi.securityType != "Unknown")
        rows.push_back({DiagnosticsCards::tr("Security"), QString::fromStdString(wifi.securityType)});
    // Without a measured noise floor there is no ratio to show.
    if (wifi.noise)
        rows.push_back({DiagnosticsCards::tr("SNR"), QStringLiteral("%1 dB").arg(wifi.rssi - *wifi.noise)});
    if (wifi.bssid && !wifi.bssid->empty())
        rows.push_back({DiagnosticsCards::tr("BSSID"), QString::fromStdString(*wifi.bssid)});
    return rows;
}

PingCardData pingCard(const PingStatistics& stats, const std::vector<double>& history) {
    PingCardData card;
    card.chartTone = latencyTone(stats);
    card.history = history;
    // Every echo lost averages to 0 ms: no response time rather than a fast one.
    if (anyAnswered(stats)) {
        card.average = wholeMilliseconds(stats.averageLatency);
        card.averageTone = card.chartTone;
        if (const auto note = jitterNote(stats.jitter)) {
            card.note = noteText(note->text);
            card.noteTone = note->tone;
        }
    } else {
        card.average = kNoData;
    }
    if (stats.samplesCount >= 1) {
        card.loss = packetLossText(stats.packetLoss);
        card.lossTone = lossTone(stats.packetLoss);
    } else {
        card.loss = kNoData;
    }
    return card;
}

QString routerTarget(const std::optional<std::string>& gatewayIP) {
    return gatewayIP ? QString::fromStdString(*gatewayIP) : DiagnosticsCards::tr("Unknown");
}

DNSCardData dnsCard(const std::optional<DNSResult>& result, const std::vector<double>& history) {
    DNSCardData card;
    card.history = history;
    if (!result) {
        card.time = kNoData;
        return card;
    }
    card.server = QString::fromStdString(result->server);
    // A lookup that found no address failed, however quickly it did so.
    if (!result->resolvedIP) {
        card.time = DiagnosticsCards::tr("Failed");
        card.timeTone = Tone::red;
        return card;
    }
    card.time = wholeMilliseconds(result->lookupTime);
    card.timeTone = dnsLookupTone(result->lookupTime);
    if (const auto note = dnsLookupNote(result->lookupTime)) {
        card.note = noteText(note->text);
        card.noteTone = note->tone;
    }
    return card;
}

QString bandwidthRateText(double bytesPerSecond) {
    if (bytesPerSecond >= 1'000'000.0)
        //: A transfer rate in megabytes per second; %1 is the number.
        return DiagnosticsCards::tr("%1 MB/s").arg(localNumber(bytesPerSecond / 1e6, 1));
    if (bytesPerSecond >= 1'000.0)
        //: A transfer rate in kilobytes per second; %1 is the number.
        return DiagnosticsCards::tr("%1 KB/s").arg(localNumber(bytesPerSecond / 1e3));
    //: A transfer rate in bytes per second; %1 is the number.
    return DiagnosticsCards::tr("%1 B/s").arg(localNumber(bytesPerSecond));
}

BandwidthCardData bandwidthCard(const BandwidthSpeed& speed, const std::vector<double>& downloadHistory,
                                const std::vector<double>& uploadHistory) {
    return {bandwidthRateText(speed.downloadBytesPerSecond), bandwidthRateText(speed.uploadBytesPerSecond),
            downloadHistory, uploadHistory};
}

QualityCardData qualityCard(const ConnectionQuality& quality) {
    const auto line = [](QString label, const char* symbol, int score) {
        return QualityBreakdownLine{std::move(label), QString::fromLatin1(symbol), score, localNumber(score),
                                    scoreTone(score)};
    };
    const QualityBreakdown& parts = quality.breakdown;
    return {quality.score >= 1,
            quality,
            translatedText("QualityRating", rawValue(quality.rating)),
            translatedText("QualityRating", description(quality.rating)),
            {line(DiagnosticsCards::tr("Signal"), "antenna.radiowaves.left.and.right", parts.signal),
             line(DiagnosticsCards::tr("Latency"), "clock", parts.latency),
             line(DiagnosticsCards::tr("Jitter"), "waveform.path", parts.jitter),
             line(DiagnosticsCards::tr("Stability"), "checkmark.circle", parts.packetLoss)}};
}

QString speedTestRate(double megabitsPerSecond) {
    if (megabitsPerSecond >= 1000)
        //: A speed-test rate in gigabits per second; %1 is the number.
        return DiagnosticsCards::tr("%1 Gbps").arg(localNumber(megabitsPerSecond / 1000, 1));
    //: A speed-test rate in megabits per second; %1 is the number.
    return DiagnosticsCards::tr("%1 Mbps").arg(localNumber(megabitsPerSecond, 1));
}

namespace {

void describeUnderLoad(const LoadedLatency& latency, SpeedTestCardData& card) {
    const auto added = latency.addedLatency();
    if (!added) {
        card.underLoad = latency.idle.sent + latency.download.sent + latency.upload.sent == 0
                             ? DiagnosticsCards::tr("Under load: not measured")
                             : DiagnosticsCards::tr("Under load: no answer to the pings");
        return;
    }
    // Whole milliseconds, truncated; a load that happened to make pings quicker added nothing.
    const double shown = std::max(0.0, std::trunc(*added));
    //: The response time the speed test's load added; %1 is the number of milliseconds.
    card.underLoadFigure = DiagnosticsCards::tr("Under load: +%1 ms").arg(localNumber(shown));
    const LatencyGrade grade = latencyGradeFor(*added);
    card.grade = toQString(rawValue(grade));
    card.gradeTone = tone(grade);
    card.underLoad = card.underLoadFigure + QStringLiteral(" \u00b7 ") + card.grade;
}

} // namespace

SpeedTestCardData speedTestCard(const SpeedTestState& state, bool hasResult) {
    SpeedTestCardData card;
    card.runText = hasResult ? DiagnosticsCards::tr("Run Again") : DiagnosticsCards::tr("Run Speed Test");
    switch (state.kind()) {
    case SpeedTestState::Kind::idle:
        break;
    case SpeedTestState::Kind::testing: {
        card.page = SpeedTestPage::testing;
        card.progress = static_cast<int>(std::clamp(state.progress(), 0.0, 1.0) * 1000);
        const bool download = state.phase() == SpeedTestPhase::download;
        card.phaseSymbol =
            download ? QStringLiteral("arrow.down.circle.fill") : QStringLiteral("arrow.up.circle.fill");
        card.phaseText = download ? DiagnosticsCards::tr("Testing Download...")
                                  : DiagnosticsCards::tr("Testing Upload...");
        break;
    }
    case SpeedTestState::Kind::completed: {
        card.page = SpeedTestPage::completed;
        const SpeedTestResult& result = state.result();
        card.server = QString::fromStdString(result.serverName);
        card.download = speedTestRate(result.downloadSpeed);
        card.upload = speedTestRate(result.uploadSpeed);
        describeUnderLoad(result.loadedLatency, card);
        card.lastTested = result.timestamp;
        break;
    }
    case SpeedTestState::Kind::failed:
        card.page = SpeedTestPage::failed;
        card.error = translatedText("TransportFailure", state.error());
        break;
    }
    return card;
}

Tone tipTone(TipPriority priority) {
    switch (priority) {
    case TipPriority::critical:
        return Tone::red;
    case TipPriority::warning:
        return Tone::orange;
    case TipPriority::info:
        break;
    }
    return Tone::blue;
}

TipRow tipRow(const Tip& tip) {
    TipRow row{toQString(tip.icon), tipTone(tip.priority), translatedText("Tip", tip.title),
               tip.descriptionPattern.empty()
                   ? translatedText("Tip", tip.description)
                   : translatedText("Tip", tip.descriptionPattern, tip.descriptionArguments),
               std::nullopt};
    if (tip.action)
        row.action = translatedText("Tip", *tip.action);
    return row;
}

TipsSectionData tipsSection(const std::vector<Tip>& tips) {
    TipsSectionData data;
    data.visible = !tips.empty();
    //: The number of tips, beside the folded tips header.
    data.count = DiagnosticsCards::tr("(%1)").arg(localNumber(static_cast<double>(tips.size())));
    for (std::size_t i = 0; i < tips.size() && i < shownTipCount; ++i)
        data.rows.push_back(tipRow(tips[i]));
    return data;
}

DiagnosticsBanners diagnosticsBanners(const CaptivePortalStatus& status) {
    DiagnosticsBanners banners;
    banners.showsPortal = status.isCaptivePortal();
    if (status.isNoInternet())
        banners.noInternetMessage = translatedText("TransportFailure", status.reason());
    return banners;
}

ToolbarData toolbarData(bool monitoring, const ConnectionQuality& quality) {
    //: Stops or starts the measurements.
    return {monitoring, monitoring ? DiagnosticsCards::tr("Stop") : DiagnosticsCards::tr("Start"),
            quality.score >= 1, quality};
}
