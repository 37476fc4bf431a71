#pragma once

#include "platform/Clipboard.h"
#include "platform/ConnectionNameSource.h"
#include "platform/DNSSwitcher.h"
#include "platform/GatewaySource.h"
#include "platform/InterfaceCounterSource.h"
#include "platform/InterfaceSource.h"
#include "platform/LocationAuthorization.h"
#include "platform/LoginItemService.h"
#include "platform/Pinger.h"
#include "platform/ResolverSource.h"
#include "platform/SaveDialog.h"
#include "platform/UrlOpener.h"
#include "platform/WiFiInterfaceReader.h"
#include "platform/WiFiScanner.h"

#include <QImage>
#include <QString>
#include <QUrl>

#include <atomic>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

// Small stand-ins for the platform interfaces, shared by every test executable.

class FakeLoginItems final : public LoginItemService {
public:
    std::optional<QString> registerItem() override {
        ++registerCalls;
        if (failure)
            return failure;
        enabled = true;
        return std::nullopt;
    }
    std::optional<QString> unregisterItem() override {
        ++unregisterCalls;
        if (failure)
            return failure;
        enabled = false;
        return std::nullopt;
    }
    bool isEnabled() const override { return enabled; }

    std::optional<QString> failure;
    bool enabled = false;
    int registerCalls = 0;
    int unregisterCalls = 0;
};

class FakeGatewaySource final : public GatewaySource {
public:
    std::optional<std::string> defaultGateway() const override {
        ++lookups;
        return gateway;
    }
    std::optional<std::string> defaultInterface() const override { return interfaceName; }
    std::optional<std::string> gateway = "10.0.0.1";
    std::optional<std::string> interfaceName = "eth0";
    mutable std::atomic<int> lookups = 0;
};

class FakeResolverSource final : public ResolverSource {
public:
    explicit FakeResolverSource(std::optional<std::string> server = "192.0.2.53")
        : server(server), servers(server ? std::vector<std::string>{*server} : std::vector<std::string>{}) {}
    std::optional<std::string> firstNameserver() const override { return server; }
    std::optional<std::vector<std::string>> nameservers() const override { return servers; }
    std::optional<std::string> server;
    // None reads as an unreadable configuration.
    std::optional<std::vector<std::string>> servers;
};

// Addresses and kinds as the test sets them; counts enumerations.
class FakeInterfaceSource final : public InterfaceSource {
public:
    std::optional<std::vector<InterfaceAddress>> addresses() const override {
        ++reads;
        return list;
    }
    InterfaceKind kind(const std::string& interfaceName) const override {
        const auto found = kinds.find(interfaceName);
        return found == kinds.end() ? InterfaceKind::other : found->second;
    }
    std::optional<std::vector<InterfaceAddress>> list =
        std::vector<InterfaceAddress>{{"eth0", true, false, AddressFamily::ipv4, "192.0.2.2"}};
    std::map<std::string, InterfaceKind> kinds{{"eth0", InterfaceKind::ethernet}};
    mutable int reads = 0;
};

class FakeInterfaceCounterSource final : public InterfaceCounterSource {
public:
    std::optional<std::vector<InterfaceCounters>> counters() const override {
        ++reads;
        return next;
    }
    std::optional<std::vector<InterfaceCounters>> next = std::vector<InterfaceCounters>{};
    mutable int reads = 0;
};

class FakeConnectionNames final : public ConnectionNameSource {
public:
    std::optional<std::string> connectionName(const std::string& interfaceName) const override {
        const auto found = names.find(interfaceName);
        return found == names.end() ? std::nullopt : std::optional(found->second);
    }
    std::map<std::string, std::string> names{{"eth0", "Wired connection 1"}};
};

// Answers every switch with `outcome` and records the requests. Safe to call from worker threads.
class RecordingDNSSwitcher final : public DNSSwitcher {
public:
    struct Request {
        std::string connectionName;
        std::vector<std::string> servers;
        bool operator==(const Request&) const = default;
    };
    DNSSwitchOutcome setServers(const std::string& connectionName,
                                const std::vector<std::string>& servers) const override {
        std::lock_guard lock(m_mutex);
        m_requests.push_back({connectionName, servers});
        return outcome;
    }
    std::vector<Request> requests() const {
        std::lock_guard lock(m_mutex);
        return m_requests;
    }
    DNSSwitchOutcome outcome{DNSSwitchOutcome::Status::changed, {}};

private:
    mutable std::mutex m_mutex;
    mutable std::vector<Request> m_requests;
};

class FakeWiFiReader final : public WiFiInterfaceReader {
public:
    std::optional<WiFiReading> read() override {
        ++reads;
        return next;
    }
    std::optional<WiFiReading> next;
    int reads = 0;
};

// Answers every scan with `result`, at once.
class ScriptedWiFiScanner final : public WiFiScanner {
public:
    WiFiScanResult scan() override {
        ++calls;
        return result;
    }
    WiFiScanResult result{true, std::nullopt, {}, std::nullopt};
    std::atomic<int> calls{0};
};

class FakeLocationAuthorization final : public LocationAuthorization {
public:
    explicit FakeLocationAuthorization(int status = location_status::notDetermined) : status(status) {}
    int authorizationStatus() const override { return status; }
    void requestWhenInUseAuthorization() override { ++requests; }
    void setChangeHandler(std::function<void()> handler) override { changed = std::move(handler); }
    bool canBeDenied() const override { return refusable; }

    int status;
    bool refusable = true;
    int requests = 0;
    std::function<void()> changed;
};

class RecordingUrlOpener final : public UrlOpener {
public:
    bool open(const QUrl& url) override {
        opened.push_back(url);
        return succeeds;
    }
    std::vector<QUrl> opened;
    bool succeeds = true;
};

// Answers each echo through a scripted handler (none = lost) and records the hosts. Safe to call
// from worker threads.
class FakePinger final : public Pinger {
public:
    using Handler = std::function<std::optional<double>(const std::string& host)>;

    explicit FakePinger(Handler handler = {}) : m_handler(std::move(handler)) {}

    void setHandler(Handler handler) {
        std::lock_guard lock(m_mutex);
        m_handler = std::move(handler);
    }

    std::optional<double> ping(const std::string& host) const override {
        Handler handler;
        {
            std::lock_guard lock(m_mutex);
            m_hosts.push_back(host);
            handler = m_handler;
        }
        return handler ? handler(host) : std::nullopt;
    }

    std::vector<std::string> hosts() const {
        std::lock_guard lock(m_mutex);
        return m_hosts;
    }

private:
    mutable std::mutex m_mutex;
    mutable std::vector<std::string> m_hosts;
    Handler m_handler;
};

// Answers every request with `answer` (nothing = cancelled) and keeps the requests.
class FakeSaveDialog final : public SaveDialog {
public:
    std::optional<QString> chooseLocation(const SaveRequest& request) override {
        requests.push_back(request);
        return answer;
    }
    std::optional<QString> answer;
    std::vector<SaveRequest> requests;
};

class RecordingClipboard final : public Clipboard {
public:
    void setText(const QString& value) override {
        text = value;
        image = QImage();
    }
    void setImage(const QImage& value) override {
        image = value;
        text.clear();
    }
    QString text;
    QImage image;
};
