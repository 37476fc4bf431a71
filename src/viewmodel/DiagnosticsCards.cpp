#include "viewmodel/DiagnosticsCards.h"

#include "viewmodel/DiagnosticsFormat.h"

#include <QCoreApplication>

namespace {

const QString kNoData = QStringLiteral("--");

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

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
