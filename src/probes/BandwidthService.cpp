#include "probes/BandwidthService.h"

#include "core/BoundedHistory.h"
#include "core/TimerInterval.h"
#include "platform/Clock.h"
#include "platform/InterfaceCounterSource.h"

namespace {

bool countsTowardsThroughput(InterfaceKind kind) {
    switch (kind) {
    case InterfaceKind::wifi:
    case InterfaceKind::ethernet:
    case InterfaceKind::vpn:
    case InterfaceKind::cellular:
        return true;
    default:
        return false;
    }
}

} // namespace

BandwidthService::BandwidthService(const InterfaceCounterSource& counters, const Clock& clock,
                                   QObject* parent)
    : QObject(parent), m_counters(counters), m_clock(clock) {
    connect(&m_timer, &QTimer::timeout, this, &BandwidthService::sampleOnce);
}

BandwidthService::~BandwidthService() = default;

void BandwidthService::start(double intervalSeconds) {
    m_timer.stop();
    sampleOnce();
    m_timer.start(timerInterval(intervalSeconds, defaultIntervalSeconds));
}

void BandwidthService::stop() {
    m_timer.stop();
}

BandwidthReading BandwidthService::readCounters() {
    const auto counters = m_counters.counters();
    if (!counters || counters->empty()) {
        if (!m_fallbackTimestamp)
            m_fallbackTimestamp = m_clock.now();
        return BandwidthReading{0, 0, *m_fallbackTimestamp};
    }
    BandwidthReading reading{0, 0, m_clock.now()};
    for (const auto& interface : *counters) {
        if (!countsTowardsThroughput(interface.kind))
            continue;
        reading.bytesIn += interface.bytesIn;
        reading.bytesOut += interface.bytesOut;
    }
    return reading;
}

void BandwidthService::sampleOnce() {
    const BandwidthReading current = readCounters();
    if (m_lastReading) {
        if (const auto speed = speedBetween(*m_lastReading, current)) {
            m_currentSpeed = *speed;
            emit currentSpeedChanged(m_currentSpeed);
            appendBounded(m_downloadHistory, speed->downloadBytesPerSecond, maxHistoryCount);
            emit downloadHistoryChanged(m_downloadHistory);
            appendBounded(m_uploadHistory, speed->uploadBytesPerSecond, maxHistoryCount);
            emit uploadHistoryChanged(m_uploadHistory);
        }
    }
    m_lastReading = current;
}
