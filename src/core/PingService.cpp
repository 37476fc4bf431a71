#include "core/PingService.h"

#include "core/BoundedHistory.h"
#include "core/ContinueOn.h"
#include "core/TimerInterval.h"
#include "platform/Clock.h"
#include "platform/GatewaySource.h"
#include "platform/Pinger.h"

#include <QList>
#include <QtConcurrent>

PingService::PingService(const Pinger& pinger, const GatewaySource& gateway, const Clock& clock,
                         QObject* parent)
    : QObject(parent), m_pinger(pinger), m_gateway(gateway),
      m_clock(clock), m_failedSample{-1.0, clock.now()}, m_gatewayIP(gateway.defaultGateway()) {
    m_pauseTimer.setSingleShot(true);
    connect(&m_pauseTimer, &QTimer::timeout, this, [this] { runLoopPass(m_generation); });
    m_pool.setMaxThreadCount(4);
}

PingService::~PingService() {
    m_pauseTimer.stop();
    m_pool.waitForDone();
}

void PingService::start(double intervalSeconds) {
    cancel();
    m_pause = timerInterval(intervalSeconds, defaults::pingIntervalSeconds);
    m_running = true;
    // The first pass starts from the event loop, not inside the caller.
    m_pauseTimer.start(std::chrono::milliseconds(0));
}

void PingService::cancel() {
    ++m_generation;
    m_running = false;
    m_pauseTimer.stop();
}

void PingService::runLoopPass(std::uint64_t generation) {
    if (!m_running || generation != m_generation)
        return;
    continueOn(this, measureOnce(), [this, generation] {
        if (m_running && generation == m_generation)
            m_pauseTimer.start(m_pause);
    });
}

QFuture<void> PingService::measureOnce() {
    m_gatewayIP = m_gateway.defaultGateway();
    emit gatewayIPChanged(m_gatewayIP);

    QList<QFuture<PingResult>> pings{pingHost(m_gatewayIP.value_or(fallbackRouterHost)),
                                     pingHost(internetHost)};
    return continueOn(
        this, QtFuture::whenAll(pings.begin(), pings.end()),
        [this](const QList<QFuture<PingResult>>& done) { record(done[0].result(), done[1].result()); });
}

QFuture<PingResult> PingService::pingHost(const std::string& host) {
    return QtConcurrent::run(&m_pool,
                             [&pinger = m_pinger, started = m_clock.now(), failed = m_failedSample, host] {
                                 const auto latency = pinger.ping(host);
                                 return latency ? PingResult{*latency, started} : failed;
                             });
}

void PingService::record(const PingResult& router, const PingResult& internet) {
    appendBounded(m_routerPingHistory, router, maxHistoryCount);
    appendBounded(m_internetPingHistory, internet, maxHistoryCount);
    emit routerPingHistoryChanged(m_routerPingHistory);
    emit internetPingHistoryChanged(m_internetPingHistory);

    m_routerStats = calculateStatistics(m_routerPingHistory);
    emit routerStatsChanged(m_routerStats);
    m_internetStats = calculateStatistics(m_internetPingHistory);
    emit internetStatsChanged(m_internetStats);
}
