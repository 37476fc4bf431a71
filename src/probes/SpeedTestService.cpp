#include "probes/SpeedTestService.h"

#include "core/ContinueOn.h"
#include "core/Defaults.h"
#include "core/Log.h"
#include "platform/Clock.h"
#include "platform/HttpClient.h"

#include <QRandomGenerator>
#include <QtConcurrent>

#include <algorithm>
#include <chrono>
#include <memory>

const QUrl
    SpeedTestService::downloadURL(QStringLiteral("https://speed.cloudflare.com/__down?bytes=25000000"));
const QUrl SpeedTestService::uploadURL(QStringLiteral("https://speed.cloudflare.com/__up"));

namespace {

using Stopwatch = std::chrono::steady_clock;

double secondsSince(Stopwatch::time_point start) {
    return std::chrono::duration<double>(Stopwatch::now() - start).count();
}

QByteArray randomPayload() {
    QByteArray payload(SpeedTestService::uploadSize, Qt::Uninitialized);
    auto* words = reinterpret_cast<quint32*>(payload.data());
    QRandomGenerator::global()->fillRange(words, payload.size() / qsizetype(sizeof(quint32)));
    return payload;
}

} // namespace

double megabitsPerSecond(std::int64_t bytes, double seconds) {
    if (!(seconds > 0.0))
        return 0.0;
    return static_cast<double>(bytes) * 8.0 / 1'000'000.0 / seconds;
}

SpeedTestService::SpeedTestService(HttpClient& http, const Pinger& pinger, const Clock& clock,
                                   QObject* parent)
    : SpeedTestService(http, pinger, clock, Endpoints{downloadURL, uploadURL, defaults::internetHost},
                       parent) {}

SpeedTestService::SpeedTestService(HttpClient& http, const Pinger& pinger, const Clock& clock,
                                   Endpoints endpoints, QObject* parent)
    : QObject(parent), m_http(http), m_clock(clock), m_downloadURL(std::move(endpoints.download)),
      m_uploadURL(std::move(endpoints.upload)), m_latency(pinger, std::move(endpoints.pingHost)) {
    m_pool.setMaxThreadCount(1);
}

SpeedTestService::~SpeedTestService() {
    if (m_cancelTransfer)
        m_cancelTransfer();
    m_pool.waitForDone();
}

void SpeedTestService::startTest() {
    if (m_state.isTesting())
        return;
    ++m_test;
    m_testing = true;
    setState(SpeedTestState::testing(SpeedTestPhase::download, 0.0));
    measureIdleLatency(m_test);
}

void SpeedTestService::cancelTest() {
    ++m_test;
    m_testing = false;
    if (auto cancel = std::exchange(m_cancelTransfer, {}))
        cancel();
    m_latency.cancel();
    setState(SpeedTestState::idle());
    // Progress of the abandoned transfer may still be queued; idle must be the last word.
    QMetaObject::invokeMethod(
        this,
        [this, test = m_test] {
            if (test == m_test && !m_testing)
                setState(SpeedTestState::idle());
        },
        Qt::QueuedConnection);
}

void SpeedTestService::measureIdleLatency(std::uint64_t test) {
    m_latency.measureIdle([this, test] {
        if (isCurrent(test))
            measureDownload(test);
    });
}

void SpeedTestService::measureDownload(std::uint64_t test) {
    if (!m_downloadURL.isValid()) {
        measureUpload(test, std::nullopt);
        return;
    }
    struct Progress {
        std::optional<int> status;
        std::int64_t received = 0;
    };
    auto progress = std::make_shared<Progress>();
    const auto started = Stopwatch::now();

    HttpStreamHandlers handlers;
    handlers.onResponse = [this, progress, test](const HttpResponse& response) {
        progress->status = response.statusCode;
        // Any answer but the body itself is a failed direction; nothing more to read.
        if (response.statusCode != 200 && isCurrent(test) && m_cancelTransfer)
            m_cancelTransfer();
    };
    handlers.onData = [this, progress, test](QByteArrayView chunk) {
        if (!isCurrent(test) || progress->status != 200)
            return;
        const std::int64_t before = progress->received;
        progress->received += chunk.size();
        // One update per step boundary crossed, as if the bytes had been counted one by one.
        for (std::int64_t mark = (before / progressStep + 1) * progressStep; mark <= progress->received;
             mark += progressStep)
            setState(SpeedTestState::testing(SpeedTestPhase::download,
                                             std::min(double(mark) / double(downloadSize), 1.0)));
    };

    m_latency.startLoaded(LoadedLatencyProbe::Phase::download);
    HttpTransfer transfer = m_http.download(m_downloadURL, HttpSession::ephemeral, this, std::move(handlers));
    m_cancelTransfer = transfer.cancel;
    continueOn(this, transfer.result, [this, progress, test, started](const HttpResult& result) {
        const double seconds = secondsSince(started);
        if (isCurrent(test))
            m_latency.pause();
        Rate rate;
        if (progress->status && *progress->status != 200) {
            // Refused by the server: no rate, and nothing to report.
        } else if (result.error) {
            logFailure("Download test failed: ", result.error->toStdString());
        } else if (result.response && result.response->statusCode == 200) {
            rate = megabitsPerSecond(progress->received, seconds);
        }
        if (!isCurrent(test))
            return;
        m_cancelTransfer = {};
        setState(SpeedTestState::testing(SpeedTestPhase::upload, 0.0));
        measureUpload(test, rate);
    });
}

void SpeedTestService::measureUpload(std::uint64_t test, Rate download) {
    if (!m_uploadURL.isValid()) {
        m_latency.whenSettled([this, test, download] {
            if (isCurrent(test))
                finish(download, std::nullopt);
        });
        return;
    }
    continueOn(
        this, QtConcurrent::run(&m_pool, randomPayload), [this, test, download](const QByteArray& payload) {
            if (!isCurrent(test))
                return;
            m_latency.startLoaded(LoadedLatencyProbe::Phase::upload);
            const auto started = Stopwatch::now();
            HttpTransfer transfer = m_http.upload(m_uploadURL, payload);
            m_cancelTransfer = transfer.cancel;
            continueOn(this, transfer.result, [this, test, download, started](const HttpResult& result) {
                const double seconds = secondsSince(started);
                if (isCurrent(test))
                    m_latency.pause();
                Rate rate;
                if (result.error)
                    logFailure("Upload test failed: ", result.error->toStdString());
                else if (result.response && result.response->statusCode >= 200 &&
                         result.response->statusCode <= 299)
                    rate = megabitsPerSecond(uploadSize, seconds);
                if (!isCurrent(test))
                    return;
                m_cancelTransfer = {};
                // Echoes sent near the end of the upload still belong to it.
                m_latency.whenSettled([this, test, download, rate] {
                    if (isCurrent(test))
                        finish(download, rate);
                });
            });
        });
}

void SpeedTestService::finish(Rate download, Rate upload) {
    m_testing = false;
    if (!download && !upload) {
        // Two zeros reported as a finished test would read as a working, very slow connection.
        setState(SpeedTestState::failed(unreachableMessage));
        return;
    }
    m_lastResult = SpeedTestResult{download.value_or(0.0), upload.value_or(0.0), m_clock.now(), serverName,
                                   m_latency.result()};
    emit lastResultChanged(m_lastResult);
    setState(SpeedTestState::completed(*m_lastResult));
}

void SpeedTestService::setState(SpeedTestState state) {
    m_state = std::move(state);
    emit stateChanged(m_state);
}
