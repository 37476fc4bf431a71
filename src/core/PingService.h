#pragma once

#include "core/Defaults.h"
#include "core/PingResult.h"
#include "core/PingStatistics.h"

#include <QFuture>
#include <QObject>
#include <QThreadPool>
#include <QTimer>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class Clock;
class GatewaySource;
class Pinger;

// Pings the router and one internet host at a steady pace, keeps the last samples of each and
// publishes a summary of both windows after every pass.
class PingService final : public QObject {
    Q_OBJECT

public:
    static constexpr int maxHistoryCount = 60;
    static constexpr const char* internetHost = defaults::internetHost;
    // Pinged when no default route is known.
    static constexpr const char* fallbackRouterHost = "192.168.1.1";

    // Looks the gateway up once, so gatewayIP() is meaningful before the first pass. Samples are
    // stamped with the clock's time when their echo was sent.
    PingService(const Pinger& pinger, const GatewaySource& gateway, const Clock& clock,
                QObject* parent = nullptr);
    ~PingService() override;

    const std::vector<PingResult>& routerPingHistory() const { return m_routerPingHistory; }
    const std::vector<PingResult>& internetPingHistory() const { return m_internetPingHistory; }
    const PingStatistics& routerStats() const { return m_routerStats; }
    const PingStatistics& internetStats() const { return m_internetStats; }
    const std::optional<std::string>& gatewayIP() const { return m_gatewayIP; }

    // Starts the sampling loop: a pass at once, then the pause, then the next pass. Replaces a
    // running loop; histories and summaries are kept.
    void start(double intervalSeconds);
    // Ends the loop. A pass already under way still publishes its samples.
    void cancel();
    bool isRunning() const { return m_running; }

    // One pass: fresh gateway lookup, router and internet pings in parallel, then publication.
    QFuture<void> measureOnce();
    // One echo request to an IPv4 address, on a worker thread. Never fails: a lost or impossible
    // ping is the failed sample.
    QFuture<PingResult> pingHost(const std::string& host);

signals:
    void routerPingHistoryChanged(const std::vector<PingResult>& history);
    void internetPingHistoryChanged(const std::vector<PingResult>& history);
    void routerStatsChanged(const PingStatistics& stats);
    void internetStatsChanged(const PingStatistics& stats);
    void gatewayIPChanged(const std::optional<std::string>& gatewayIP);

private:
    void runLoopPass(std::uint64_t generation);
    void record(const PingResult& router, const PingResult& internet);

    const Pinger& m_pinger;
    const GatewaySource& m_gateway;
    const Clock& m_clock;
    // Every lost sample is a copy of this one; nothing reads its stamp.
    const PingResult m_failedSample;

    std::vector<PingResult> m_routerPingHistory;
    std::vector<PingResult> m_internetPingHistory;
    PingStatistics m_routerStats;
    PingStatistics m_internetStats;
    std::optional<std::string> m_gatewayIP;

    QTimer m_pauseTimer;
    std::chrono::milliseconds m_pause{0};
    // Bumped by start() and cancel(), so a pass of an old loop does not schedule another.
    std::uint64_t m_generation = 0;
    bool m_running = false;

    // Own pool: pings must not queue behind other services' long blocking work. Declared last so
    // it is destroyed first and waits for pings still using the pinger.
    QThreadPool m_pool;
};
