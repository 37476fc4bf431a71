#pragma once

#include <QDBusConnection>
#include <QMap>
#include <QString>
#include <QThread>
#include <QVariantMap>

#include <atomic>
#include <memory>

class FakeNetworkManagerObject;

// A NetworkManager on a private bus with the real one's service name, object paths, interfaces and
// property types, for the calls the program makes: one wireless device "wlan0" with its active
// connection and that connection's settings. It answers from a thread of its own, so the code under
// test may block on its calls. Configure it before the first call.
class FakeNetworkManager final {
public:
    enum class ScanReply { accepted, notAllowed, refused, never };

    explicit FakeNetworkManager(const QString& busAddress);
    ~FakeNetworkManager();
    FakeNetworkManager(const FakeNetworkManager&) = delete;
    FakeNetworkManager& operator=(const FakeNetworkManager&) = delete;

    // Whether the service name could be taken on the bus.
    bool registered() const { return m_registered; }

    // How RequestScan answers, and whether a scan then finishes (LastScan moves).
    std::atomic<ScanReply> scanReply{ScanReply::accepted};
    std::atomic<bool> scanFinishes{true};
    std::atomic<int> scanRequests{0};
    // The active connection's Id and its settings (GetSettings' a{sa{sv}}).
    QString connectionId = QStringLiteral("Home");
    QMap<QString, QVariantMap> settings;

private:
    friend class FakeNetworkManagerObject;
    QThread m_thread;
    std::unique_ptr<FakeNetworkManagerObject> m_object;
    QString m_connectionName;
    bool m_registered = false;
};
