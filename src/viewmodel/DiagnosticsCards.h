#pragma once

#include "core/ConnectionQuality.h"
#include "core/PingStatistics.h"
#include "core/Tone.h"
#include "core/WiFiInfo.h"
#include "diagnosis/Tip.h"
#include "probes/BandwidthSpeed.h"
#include "probes/CaptivePortalStatus.h"
#include "probes/DNSResult.h"
#include "probes/SpeedTestState.h"

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

// What the bandwidth card shows: the current rates and their recent history, a chart only once there
// is a sample.
struct BandwidthCardData {
    QString download;
    QString upload;
    std::vector<double> downloadHistory;
    std::vector<double> uploadHistory;

    bool operator==(const BandwidthCardData&) const = default;
};

BandwidthCardData bandwidthCard(const BandwidthSpeed& speed, const std::vector<double>& downloadHistory,
                                const std::vector<double>& uploadHistory);
// A rate in bytes per second as the reader writes numbers: MB/s with one decimal from a million,
// whole KB/s from a thousand, else whole B/s.
QString bandwidthRateText(double bytesPerSecond);

// One sub-score of the quality card's breakdown.
struct QualityBreakdownLine {
    QString label;
    QString symbol;
    int score = 0;
    QString scoreText;
    Tone tone = Tone::red;

    bool operator==(const QualityBreakdownLine&) const = default;
};

// What the quality card shows: the ring, the rating with its meaning and the four sub-scores; the card
// and the toolbar's badge only once there is a score.
struct QualityCardData {
    bool visible = false;
    ConnectionQuality quality;
    QString rating;
    QString description;
    std::vector<QualityBreakdownLine> breakdown;

    bool operator==(const QualityCardData&) const = default;
};

QualityCardData qualityCard(const ConnectionQuality& quality);

enum class SpeedTestPage { idle, testing, completed, failed };

// What the speed-test card shows: the page for the test's state with its texts. The server name shows
// only beside a result.
struct SpeedTestCardData {
    SpeedTestPage page = SpeedTestPage::idle;
    QString runText;
    QString server;
    // Of 1000.
    int progress = 0;
    QString phaseSymbol;
    QString phaseText;
    QString download;
    QString upload;
    // The latency-under-load line as plain text; with a grade, the figure and the grade apart so the
    // grade can stand out in its tone.
    QString underLoad;
    QString underLoadFigure;
    QString grade;
    Tone gradeTone = Tone::green;
    std::optional<TimePoint> lastTested;
    QString error;

    bool operator==(const SpeedTestCardData&) const = default;
};

SpeedTestCardData speedTestCard(const SpeedTestState& state, bool hasResult);
// A speed-test rate in Mbit/s as the reader writes numbers: Gbps with one decimal from 1000, else Mbps.
QString speedTestRate(double megabitsPerSecond);

// One tip as a list shows it: its symbol in the priority's tone, and its texts in the reader's language.
struct TipRow {
    QString icon;
    Tone tone = Tone::blue;
    QString title;
    QString description;
    std::optional<QString> action;

    bool operator==(const TipRow&) const = default;
};

// Red for critical, orange for a warning, blue for information.
Tone tipTone(TipPriority priority);
TipRow tipRow(const Tip& tip);

// How many tips a list shows at most: the most urgent first.
inline constexpr std::size_t shownTipCount = 3;

// What the tips section shows: the number of tips beside its folded header, and the first few.
struct TipsSectionData {
    bool visible = false;
    QString count;
    std::vector<TipRow> rows;

    bool operator==(const TipsSectionData&) const = default;
};

TipsSectionData tipsSection(const std::vector<Tip>& tips);

// The banners above the cards: a login page to open, or the reason the internet is out of reach.
struct DiagnosticsBanners {
    bool showsPortal = false;
    std::optional<QString> noInternetMessage;

    bool operator==(const DiagnosticsBanners&) const = default;
};

DiagnosticsBanners diagnosticsBanners(const CaptivePortalStatus& status);

// The page's toolbar: the monitoring switch's text, and the score badge once there is a score.
struct ToolbarData {
    bool monitoring = false;
    QString monitoringText;
    bool showsBadge = false;
    ConnectionQuality quality;

    bool operator==(const ToolbarData&) const = default;
};

ToolbarData toolbarData(bool monitoring, const ConnectionQuality& quality);
