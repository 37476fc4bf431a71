#pragma once

#include "core/PingStatistics.h"
#include "core/Tone.h"
#include "probes/DNSResult.h"

#include <QString>

#include <optional>
#include <string>
#include <vector>

// What a ping card shows: the average response time with a stability note, the dropped share, and
// the recent times as a chart in the average's tone. A missing tone stands for the secondary text
// colour.
struct PingCardData {
    QString average;
    std::optional<Tone> averageTone;
    // Empty when the times are steady.
    QString note;
    std::optional<Tone> noteTone;
    QString loss;
    std::optional<Tone> lossTone;
    Tone chartTone = Tone::green;
    std::vector<double> history;

    bool operator==(const PingCardData&) const = default;
};

PingCardData pingCard(const PingStatistics& stats, const std::vector<double>& history);
// The router card's target: the gateway's address, or "Unknown".
QString routerTarget(const std::optional<std::string>& gatewayIP);

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
