#pragma once

#include "core/Tone.h"
#include "probes/DNSResult.h"

#include <QString>

#include <optional>
#include <vector>

// What the DNS card shows: the server that answered, the last lookup's time with a note, and the
// recent lookup times. A missing tone stands for the secondary text colour.
struct DNSCardData {
    // Empty before the first lookup, when the server line is hidden.
    QString server;
    QString time;
    std::optional<Tone> timeTone;
    // Empty when there is nothing to note.
    QString note;
    std::optional<Tone> noteTone;
    std::vector<double> history;

    bool operator==(const DNSCardData&) const = default;
};

DNSCardData dnsCard(const std::optional<DNSResult>& result, const std::vector<double>& history);
