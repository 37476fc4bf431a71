#pragma once

#include "probes/LoadedLatency.h"

#include <QObject>
#include <QThreadPool>
#include <QTimer>

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class Pinger;

// Pings one host at a steady pace while the speed test runs and sorts each answer into the stretch
// of the test its echo was sent in. Each ping waits on a worker thread of its own, so a slow or lost
// reply never holds up the next one. Main thread only.
class LoadedLatencyProbe final : public QObject {
    Q_OBJECT

public:
    enum class Phase { idle, download, upload };

    static constexpr std::chrono::milliseconds pingSpacing{100};
    static constexpr int idlePingCount = 10;

    LoadedLatencyProbe(const Pinger& pinger, std::string host, QObject* parent = nullptr);
    ~LoadedLatencyProbe() override;

    // Forgets the last test and sends the idle pings; `done` runs once every one of them has come
    // back, answered or lost.
    void measureIdle(std::function<void()> done);
    // Pings every `pingSpacing`, counted for `phase`, until pause().
    void startLoaded(Phase phase);
    void pause();
    // Runs `done` once every ping sent so far has come back; at once when none is out.
    void whenSettled(std::function<void()> done);
    // Stops pinging and drops every answer still to come.
    void cancel();

    LoadedLatency result() const;

private:
    void sendPing();
    void settleIfDone();

    const Pinger& m_pinger;
    std::string m_host;
    QTimer m_timer;
    Phase m_phase = Phase::idle;
    std::array<int, 3> m_sent{};
    std::array<std::vector<std::optional<double>>, 3> m_answers;
    int m_outstanding = 0;
    std::function<void()> m_settled;
    // Bumped by cancel() and measureIdle(), so answers of an abandoned test are dropped.
    std::uint64_t m_generation = 0;

    // Declared last: destroyed first, it waits for pings still using the pinger.
    QThreadPool m_pool;
};
