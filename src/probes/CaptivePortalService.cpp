#include "probes/CaptivePortalService.h"

#include "core/ContinueOn.h"
#include "core/Defaults.h"
#include "core/Log.h"
#include "core/TimerInterval.h"
#include "platform/HttpClient.h"
#include "platform/UrlOpener.h"
#include "probes/TransportFailureText.h"

#include <QStringDecoder>

const QUrl
    CaptivePortalService::defaultTestURL(QStringLiteral("http://captive.apple.com/hotspot-detect.html"));

namespace {
// Shown in the no-internet banner, translated there.
const QString kNoResponse = QStringLiteral(QT_TRANSLATE_NOOP("TransportFailure", "No response"));
const QString kSuccessMarker = QStringLiteral("Success");
constexpr std::string_view kCheckFailedPrefix = "Internet check failed: ";

// Decodes strictly: a body that is not UTF-8 means the page did not come back at all.
std::optional<QString> decodeUtf8(const QByteArray& body) {
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(body);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}
} // namespace

CaptivePortalService::CaptivePortalService(HttpClient& http, UrlOpener& opener, QObject* parent)
    : CaptivePortalService(http, opener, defaultTestURL, parent) {}

CaptivePortalService::CaptivePortalService(HttpClient& http, UrlOpener& opener, QUrl testURL, QObject* parent)
    : QObject(parent), m_http(http), m_opener(opener), m_testURL(std::move(testURL)) {
    connect(&m_checkTimer, &QTimer::timeout, this, &CaptivePortalService::checkNow);
}

void CaptivePortalService::start(double intervalSeconds) {
    m_checkTimer.stop();
    checkNow();
    m_checkTimer.start(timerInterval(intervalSeconds, defaults::captivePortalCheckIntervalSeconds));
}

void CaptivePortalService::stop() {
    m_checkTimer.stop();
}

void CaptivePortalService::checkNow() {
    if (m_isChecking.exchange(true))
        return;
    continueOn(
        this, m_http.probe(m_testURL),
        [this](const HttpResult& result) {
            m_isChecking = false;
            evaluate(result);
        },
        [this] {
            // A probe the client gave up on without an answer must not block every later check.
            m_isChecking = false;
            publish(CaptivePortalStatus::noInternet(kNoResponse.toStdString()), std::nullopt);
        });
}

void CaptivePortalService::evaluate(const HttpResult& result) {
    if (result.error) {
        // The user reads what it means; the client's own words go to the log, once per change.
        auto status = CaptivePortalStatus::noInternet(std::string(transportFailureText(result.failure)));
        if (status != m_status)
            logFailure(kCheckFailedPrefix, result.error->toStdString());
        publish(std::move(status), std::nullopt);
        return;
    }
    if (result.response && !result.body.isEmpty()) {
        if (const auto text = decodeUtf8(result.body)) {
            if (result.response->statusCode == 200 && text->contains(kSuccessMarker)) {
                publish(CaptivePortalStatus::connected(), std::nullopt);
            } else {
                const QUrl& finalURL = result.response->url;
                publish(CaptivePortalStatus::captivePortal(), finalURL.isEmpty() ? m_testURL : finalURL);
            }
            return;
        }
    }
    publish(CaptivePortalStatus::noInternet(kNoResponse.toStdString()), std::nullopt);
}

void CaptivePortalService::publish(CaptivePortalStatus status, std::optional<QUrl> loginURL) {
    // Status first: observers of the login address may read the status.
    m_status = std::move(status);
    emit statusChanged(m_status);
    m_loginURL = std::move(loginURL);
    emit loginURLChanged(m_loginURL);
}

void CaptivePortalService::openLoginPage() {
    m_opener.open(m_loginURL.value_or(m_testURL));
}
