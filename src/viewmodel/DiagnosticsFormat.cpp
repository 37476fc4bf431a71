#include "viewmodel/DiagnosticsFormat.h"

#include <QtGlobal>

bool anyAnswered(const PingStatistics& stats) {
    return stats.samplesCount >= 1 && stats.packetLoss < 100.0;
}

Tone latencyTone(const PingStatistics& stats) {
    if (stats.samplesCount < 1)
        return Tone::green;
    // Every echo lost: the average of nothing is not a fast answer.
    if (!anyAnswered(stats))
        return Tone::red;
    const double average = stats.averageLatency;
    if (average < 0)
        return Tone::red;
    if (average < 30)
        return Tone::green;
    if (average < 50)
        return Tone::yellow;
    if (average < 100)
        return Tone::orange;
    return Tone::red;
}

std::optional<ValueNote> jitterNote(double jitter) {
    if (jitter > 10)
        return ValueNote{QT_TRANSLATE_NOOP("DiagnosticsCards", "unstable"), Tone::orange};
    if (jitter > 5)
        return ValueNote{QT_TRANSLATE_NOOP("DiagnosticsCards", "varying"), std::nullopt};
    return std::nullopt;
}

Tone lossTone(double packetLoss) {
    if (packetLoss < 1)
        return Tone::green;
    if (packetLoss < 5)
        return Tone::yellow;
    if (packetLoss < 10)
        return Tone::orange;
    return Tone::red;
}

Tone dnsLookupTone(double lookupTime) {
    if (lookupTime < 50)
        return Tone::green;
    if (lookupTime < 100)
        return Tone::yellow;
    if (lookupTime < 200)
        return Tone::orange;
    return Tone::red;
}

std::optional<ValueNote> dnsLookupNote(double lookupTime) {
    if (lookupTime < 20)
        return ValueNote{QT_TRANSLATE_NOOP("DiagnosticsCards", "fast"), Tone::green};
    if (lookupTime > 100)
        return ValueNote{QT_TRANSLATE_NOOP("DiagnosticsCards", "slow"), Tone::orange};
    return std::nullopt;
}

Tone signalTone(int rssi) {
    if (rssi >= -60)
        return Tone::green;
    if (rssi >= -70)
        return Tone::yellow;
    if (rssi >= -80)
        return Tone::orange;
    return Tone::red;
}

Tone scoreTone(int score) {
    if (score >= 80)
        return Tone::green;
    if (score >= 60)
        return Tone::yellow;
    if (score >= 40)
        return Tone::orange;
    return Tone::red;
}

std::string_view ratingIcon(QualityRating rating) {
    switch (rating) {
    case QualityRating::excellent:
        return "checkmark.circle.fill";
    case QualityRating::good:
        return "checkmark.circle";
    case QualityRating::fair:
        return "exclamationmark.circle";
    case QualityRating::poor:
        return "exclamationmark.triangle";
    case QualityRating::bad:
        return "xmark.circle.fill";
    case QualityRating::unknown:
        break;
    }
    return "questionmark.circle";
}
