#include "core/PingService.h"

#include "core/BoundedHistory.h"
#include "platform/CommandRunner.h"
#include "platform/GatewaySource.h"
#include "platform/PingOutput.h"
#include "platform/Platform.h"
#include "platform/linux/IputilsPingCommand.h"
#include "platform/qt/ContinueOn.h"

#include <QList>
#include <QtConcurrent>

#include <chrono>
#include <climits>
#include <cmath>

namespace {

PingResult runPing(const CommandRunner& runner, const std::string& host) {
    const auto started = std::chrono::system_clock::now();
    // A host starting with '-' would be taken as an option by the tool.
    if (host.empty() || host.front() == '-')
        return PingResult::failed();
    try {
        const auto result = runner.run(std::string(iputils::pingPath), iputils::pingArguments(host),
                                       CaptureMode::StandardOutputAndError);
        if (!result.launched() || result.exitStatus != 0)
            return PingResult::failed();
        const auto latency = parsePingTime(result.output);
        if (!latency)
            return PingResult::failed();
        return PingResult{*latency, started};
    } catch (...) {
        // Whatever goes wrong running the tool, the sample is simply lost.
        return PingResult::failed();
    }
}

std::chrono::milliseconds pauseFor(double seconds) {
    if (!std::isfinite(seconds) || seconds < 0.0)
        seconds = PingService::defaultIntervalSeconds;
    // QTimer counts in int milliseconds; anything longer waits as long as it can.
    const double milliseconds = std::min(std::round(seconds * 1000.0), static_cast<double>(INT_MAX));
    return std::chrono::milliseconds(static_cast<long long>(milliseconds));
}

} // namespace

PingService::PingService(CommandRunner& runner, GatewaySource& gateway, QObject* parent)
    : QObject(parent), m_runner(runner), m_gateway(gateway), m_gatewayIP(gateway.defaultGateway()) {
    m_pauseTimer.setSingleShot(true);
    connect(&m_pauseTimer, &QTimer::timeout, this, [this] { runLoopPass(m_generation); });
    m_pool.setMaxThreadCount(4);
}

PingService::~PingService() {
    m_pauseTimer.stop();
    m_pool.waitForDone();
}

PingService& PingService::shared() {
    // Lives until the process ends; never destroyed, so no pass can outlive it.
    static auto* instance = new PingService(platform::commandRunner(), platform::gatewaySource());
    return *instance;
}

void PingService::start(double intervalSeconds) {
    cancel();
    m_pause = pauseFor(intervalSeconds);
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
    return QtConcurrent::run(&m_pool, [&runner = m_runner, host] { return runPing(runner, host); });
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
