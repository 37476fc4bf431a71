#include "viewmodel/DiagnosticsCards.h"

#include "viewmodel/DiagnosticsFormat.h"

#include <QCoreApplication>

namespace {

const QString kNoData = QStringLiteral("--");

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

WiFiCardData wifiCard(const std::optional<WiFiInfo>& wifi, bool locationAuthorized) {
    WiFiCardData card;
    card.connected = wifi.has_value();
    card.asksForLocation = !wifi && !locationAuthorized;
    if (!wifi)
        return card;
    card.ssid = QString::fromStdString(wifi->ssid);
    card.nameWithheld = wifi->ssid == unknownNetworkSSID;
    card.rowAsksForLocation = card.nameWithheld && !locationAuthorized;
    if (wifi->band != WiFiBand::unknown)
        card.band = fromView(rawValue(wifi->band));
    card.signal = QStringLiteral("%1 dBm").arg(wifi->rssi);
    card.signalTone = signalTone(wifi->rssi);
    card.noise = wifi->noise ? QStringLiteral("%1 dBm").arg(*wifi->noise) : kNoData;
    card.rate = QStringLiteral("%1 Mbps").arg(static_cast<long long>(wifi->transmitRate));
    card.details = wifiDetails(*wifi);
    return card;
}

std::vector<DetailLine> wifiDetails(const WiFiInfo& wifi) {
    const auto tr = [](const char* text) { return QCoreApplication::translate("DiagnosticsCards", text); };
    std::vector<DetailLine> rows;
    if (wifi.channel >= 1)
        rows.push_back(
            {tr("Channel"), QStringLiteral("%1 (%2 MHz)").arg(wifi.channel).arg(wifi.channelWidth)});
    if (!wifi.phyMode.empty() && wifi.phyMode != "None" && wifi.phyMode != "Unknown")
        rows.push_back({tr("PHY Mode"), QString::fromStdString(wifi.phyMode)});
    if (!wifi.securityType.empty() && wifi.securityType != "Unknown")
        rows.push_back({tr("Security"), QString::fromStdString(wifi.securityType)});
    // Without a measured noise floor there is no ratio to show.
    if (wifi.noise)
        rows.push_back({tr("SNR"), QStringLiteral("%1 dB").arg(wifi.rssi - *wifi.noise)});
    if (wifi.bssid && !wifi.bssid->empty())
        rows.push_back({tr("BSSID"), QString::fromStdString(*wifi.bssid)});
    return rows;
}

PingCardData pingCard(const PingStatistics& stats, const std::vector<double>& history) {
    PingCardData card;
    card.chartTone = latencyTone(stats);
    card.history = history;
    // Every echo lost averages to 0 ms: no response time rather than a fast one.
    if (anyAnswered(stats)) {
        card.average = QString::fromStdString(wholeMilliseconds(stats.averageLatency));
        card.averageTone = card.chartTone;
        if (const auto note = jitterNote(stats.jitter)) {
            card.note = fromView(note->text);
            card.noteTone = note->tone;
        }
    } else {
        card.average = kNoData;
    }
    if (stats.samplesCount >= 1) {
        card.loss = QString::fromStdString(packetLossText(stats.packetLoss));
        card.lossTone = lossTone(stats.packetLoss);
    } else {
        card.loss = kNoData;
    }
    return card;
}

QString routerTarget(const std::optional<std::string>& gatewayIP) {
    return gatewayIP ? QString::fromStdString(*gatewayIP)
                     : QCoreApplication::translate("DiagnosticsCards", "Unknown");
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
        card.time = QCoreApplication::translate("DiagnosticsCards", "Failed");
        card.timeTone = Tone::red;
        return card;
    }
    card.time = QString::fromStdString(wholeMilliseconds(result->lookupTime));
    card.timeTone = dnsLookupTone(result->lookupTime);
    if (const auto note = dnsLookupNote(result->lookupTime)) {
        card.note = fromView(note->text);
        card.noteTone = note->tone;
    }
    return card;
}
