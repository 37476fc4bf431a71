#pragma once

#include "probes/CaptivePortalStatus.h"

#include <QObject>
#include <QTimer>
#include <QUrl>

#include <atomic>
#include <optional>

class HttpClient;
struct HttpResult;
class UrlOpener;

// Finds out whether the network lets traffic through, holds it behind a sign-in page, or does not
// answer: fetches a known page on a timer and compares what comes back with the page's content.
class CaptivePortalService final : public QObject {
    Q_OBJECT

public:
    // A well-known plain-HTTP page that answers 200 with a small body containing "Success".
    static const QUrl defaultTestURL;

    CaptivePortalService(HttpClient& http, UrlOpener& opener, QObject* parent = nullptr);
    // For tests: probe another page.
    CaptivePortalService(HttpClient& http, UrlOpener& opener, QUrl testURL, QObject* parent = nullptr);

    const QUrl& testURL() const { return m_testURL; }
    const CaptivePortalStatus& status() const { return m_status; }
    const std::optional<QUrl>& loginURL() const { return m_loginURL; }
    bool isChecking() const { return m_isChecking.load(); }
    bool isRunning() const { return m_checkTimer.isActive(); }

    // Checks now, then every `intervalSeconds`; replaces any earlier schedule. A period that is not a
    // positive finite number falls back to the default.
    void start(double intervalSeconds);
    // Stops the schedule. The last result stays, and a check in flight still completes.
    void stop();
    // One check, unless one is already in flight; the result arrives later through statusChanged.
    void checkNow();
    // Opens the portal's sign-in page, or the probe page when no portal was seen.
    void openLoginPage();

signals:
    void statusChanged(const CaptivePortalStatus& status);
    void loginURLChanged(const std::optional<QUrl>& loginURL);

private:
    void evaluate(const HttpResult& result);
    void publish(CaptivePortalStatus status, std::optional<QUrl> loginURL);

    HttpClient& m_http;
    UrlOpener& m_opener;
    const QUrl m_testURL;
    CaptivePortalStatus m_status;
    std::optional<QUrl> m_loginURL;
    QTimer m_checkTimer;
    // Read by callers on any thread; a check in flight makes further checks skip.
    std::atomic<bool> m_isChecking{false};
};
