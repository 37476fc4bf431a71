#pragma once

#include "core/PingStatistics.h"
#include "core/Tone.h"
#include "core/WiFiInfo.h"
#include "probes/DNSResult.h"

#include <QString>

#include <optional>
#include <string>
#include <vector>

// One line of the link's folded-out details.
struct DetailLine {
    QString label;
    QString value;

    bool operator==(const DetailLine&) const = default;
};

// What the Wi-Fi card shows: the network with its band, three metrics and details; else a request
// for the location permission, or "not connected".
struct WiFiCardData {
    bool connected = false;
    bool asksForLocation = false;
    QString ssid;
    // The system withheld the name; a mark says why.
    bool nameWithheld = false;
    // Clicking the network asks for the permission the name needs.
    bool rowAsksForLocation = false;
    // Empty when the band is unknown.
    QString band;
    QString signal;
    Tone signalTone = Tone::green;
    QString noise;
    QString rate;
    std::vector<DetailLine> details;

    bool operator==(const WiFiCardData&) const = default;
};

WiFiCardData wifiCard(const std::optional<WiFiInfo>& wifi, bool locationAuthorized);
// The details worth showing for a link, in order, each only when it has a value.
std::vector<DetailLine> wifiDetails(const WiFiInfo& wifi);

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
