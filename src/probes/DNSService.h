#pragma once

#include "probes/DNSResult.h"

#include <QFuture>
#include <QObject>
#include <QThreadPool>

#include <optional>
#include <string>
#include <vector>

class Clock;
class ResolverSource;

// Times how long the system resolver takes to resolve one fixed name and keeps the last results.
// Measures only when asked; overlapping measurements each publish their own result.
class DNSService final : public QObject {
    Q_OBJECT

public:
    static constexpr int maxHistoryCount = 30;
    static constexpr const char* testDomain = "cloudflare.com";
    static constexpr const char* systemDefaultServer = "System Default";

    DNSService(const ResolverSource& resolver, const Clock& clock, QObject* parent = nullptr);
    // Resolves another name instead of the test domain, for checks that must not leave the machine.
    DNSService(const ResolverSource& resolver, const Clock& clock, std::string domain,
               QObject* parent = nullptr);
    ~DNSService() override;

    const std::optional<DNSResult>& lastResult() const { return m_lastResult; }
    const std::vector<DNSResult>& dnsHistory() const { return m_dnsHistory; }

    // Resolves on a worker thread, publishes the result on the main thread, then completes with it.
    QFuture<DNSResult> measureDNS();

signals:
    void lastResultChanged(const std::optional<DNSResult>& result);
    void dnsHistoryChanged(const std::vector<DNSResult>& history);

private:
    void publish(const DNSResult& result);

    const ResolverSource& m_resolver;
    const Clock& m_clock;
    std::string m_domain;

    std::optional<DNSResult> m_lastResult;
    std::vector<DNSResult> m_dnsHistory;

    // Own pool, declared last: destroyed first, it waits for lookups still using the resolver source.
    QThreadPool m_pool;
};

// One blocking, timed resolution of a name through the system resolver, stamped with `startedAt`.
// The server is looked up after the timed span.
DNSResult resolveTimed(const std::string& domain, const ResolverSource& resolver, TimePoint startedAt);
