#pragma once

#include "probes/LoadedLatencyProbe.h"
#include "probes/SpeedTestResult.h"
#include "probes/SpeedTestState.h"

#include <QObject>
#include <QThreadPool>
#include <QUrl>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class Clock;
class HttpClient;
class Pinger;

// Rate of `bytes` moved in `seconds`, in megabits per second; 0 when no time passed.
double megabitsPerSecond(std::int64_t bytes, double seconds);

// Measures download and upload throughput on request: a fixed download, then an upload of random
// bytes, each timed on a monotonic clock. Pings to the internet host just before and during the
// transfers tell how much the load slows the link down. One test at a time; published state changes
// on the main thread only.
class SpeedTestService final : public QObject {
    Q_OBJECT

public:
    static constexpr std::int64_t downloadSize = 25'000'000;
    static constexpr std::int64_t uploadSize = 10'000'000;
    // Progress is published each time this many more bytes have arrived.
    static constexpr std::int64_t progressStep = 100'000;
    static constexpr char serverName[] = "Cloudflare";
    static constexpr char unreachableMessage[] =
        QT_TRANSLATE_NOOP("TransportFailure", "Could not reach the speed test server");
    static const QUrl downloadURL;
    static const QUrl uploadURL;

    // Where a test goes: the transfers' addresses and the host pinged meanwhile.
    struct Endpoints {
        QUrl download = downloadURL;
        QUrl upload = uploadURL;
        std::string pingHost;
    };

    // The public speed-test service, pinging the monitor's internet host.
    SpeedTestService(HttpClient& http, const Pinger& pinger, const Clock& clock, QObject* parent = nullptr);
    // Other addresses, for tests and benchmarks on this machine.
    SpeedTestService(HttpClient& http, const Pinger& pinger, const Clock& clock, Endpoints endpoints,
                     QObject* parent = nullptr);
    ~SpeedTestService() override;

    const SpeedTestState& state() const { return m_state; }
    const std::optional<SpeedTestResult>& lastResult() const { return m_lastResult; }

    // Starts a test unless one is running.
    void startTest();
    // Abandons the running test: back to idle at once, the result is discarded.
    void cancelTest();

signals:
    void stateChanged(const SpeedTestState& state);
    void lastResultChanged(const std::optional<SpeedTestResult>& result);

private:
    // A rate, or nothing when the transfer gave none (transport failure, refused by the server).
    using Rate = std::optional<double>;

    void measureIdleLatency(std::uint64_t test);
    void measureDownload(std::uint64_t test);
    void measureUpload(std::uint64_t test, Rate download);
    void finish(Rate download, Rate upload);
    bool isCurrent(std::uint64_t test) const { return m_testing && test == m_test; }
    void setState(SpeedTestState state);

    HttpClient& m_http;
    const Clock& m_clock;
    QUrl m_downloadURL;
    QUrl m_uploadURL;

    SpeedTestState m_state;
    std::optional<SpeedTestResult> m_lastResult;

    // Identifies the running test, so answers of a cancelled one are dropped.
    std::uint64_t m_test = 0;
    bool m_testing = false;
    std::function<void()> m_cancelTransfer;
    LoadedLatencyProbe m_latency;

    // Own pool for building the upload payload; declared last so it is waited for first.
    QThreadPool m_pool;
};
