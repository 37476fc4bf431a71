#include "probes/LoadedLatencyProbe.h"

#include "platform/Pinger.h"
#include "core/ContinueOn.h"

#include <QtConcurrent>

namespace {
std::size_t indexOf(LoadedLatencyProbe::Phase phase) {
    return static_cast<std::size_t>(phase);
}
} // namespace

LoadedLatencyProbe::LoadedLatencyProbe(const Pinger& pinger, std::string host, QObject* parent)
    : QObject(parent), m_pinger(pinger), m_host(std::move(host)) {
    m_timer.setInterval(pingSpacing);
    connect(&m_timer, &QTimer::timeout, this, &LoadedLatencyProbe::sendPing);
    // A reply may take up to two seconds: room for every ping of that span to be out at once.
    m_pool.setMaxThreadCount(24);
}

LoadedLatencyProbe::~LoadedLatencyProbe() {
    m_timer.stop();
    m_pool.waitForDone();
}

void LoadedLatencyProbe::measureIdle(std::function<void()> done) {
    cancel();
    m_sent = {};
    for (auto& answers : m_answers)
        answers.clear();
    m_phase = Phase::idle;
    m_settled = std::move(done);
    sendPing();
    m_timer.start();
}

void LoadedLatencyProbe::startLoaded(Phase phase) {
    m_phase = phase;
    sendPing();
    m_timer.start();
}

void LoadedLatencyProbe::pause() {
    m_timer.stop();
}

void LoadedLatencyProbe::whenSettled(std::function<void()> done) {
    m_settled = std::move(done);
    settleIfDone();
}

void LoadedLatencyProbe::cancel() {
    ++m_generation;
    m_timer.stop();
    m_outstanding = 0;
    m_settled = {};
}

LoadedLatency LoadedLatencyProbe::result() const {
    return {summarizePings(m_answers[indexOf(Phase::idle)]),
            summarizePings(m_answers[indexOf(Phase::download)]),
            summarizePings(m_answers[indexOf(Phase::upload)])};
}

void LoadedLatencyProbe::sendPing() {
    const Phase phase = m_phase;
    ++m_sent[indexOf(phase)];
    ++m_outstanding;
    if (phase == Phase::idle && m_sent[indexOf(phase)] >= idlePingCount)
        m_timer.stop();
    auto echo = QtConcurrent::run(&m_pool, [&pinger = m_pinger, host = m_host] { return pinger.ping(host); });
    continueOn(this, echo, [this, phase, generation = m_generation](const std::optional<double>& answer) {
        if (generation != m_generation)
            return;
        m_answers[indexOf(phase)].push_back(answer);
        --m_outstanding;
        // The idle figure is complete only when all its pings are in.
        if (m_phase != Phase::idle || m_sent[indexOf(Phase::idle)] >= idlePingCount)
            settleIfDone();
    });
}

void LoadedLatencyProbe::settleIfDone() {
    if (m_outstanding > 0 || !m_settled)
        return;
    std::exchange(m_settled, {})();
}
