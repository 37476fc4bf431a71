#pragma once

#include "core/PingStatistics.h"
#include "core/QualityRating.h"
#include "core/Tone.h"

#include <optional>
#include <string>
#include <string_view>

// Texts and tones of the diagnostics cards.

// A short note next to a value, in its tone; none stands for the secondary text colour. The text is
// English, marked for translation under "DiagnosticsCards".
struct ValueNote {
    std::string_view text;
    std::optional<Tone> tone;
    bool operator==(const ValueNote&) const = default;
};

// Tone of a ping card's average; no samples reads green.
Tone latencyTone(const PingStatistics& stats);
// Whether any echo came back; when none did the card shows no response time rather than 0ms.
bool anyAnswered(const PingStatistics& stats);
// "unstable" above 10 ms of jitter, "varying" above 5 ms.
std::optional<ValueNote> jitterNote(double jitter);
// Tone of a packet-loss figure in percent.
Tone lossTone(double packetLoss);

Tone dnsLookupTone(double lookupTime);
// "fast" below 20 ms, "slow" above 100 ms.
std::optional<ValueNote> dnsLookupNote(double lookupTime);

// Tone of the link's signal strength in dBm.
Tone signalTone(int rssi);
// Tone of a 0-100 score, a sub-score of the quality breakdown or a channel's rating: green from
// 80, yellow from 60, orange from 40, red below.
Tone scoreTone(int score);
// Symbol of the rating in the compact badge.
std::string_view ratingIcon(QualityRating rating);
