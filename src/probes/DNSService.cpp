#include "probes/DNSService.h"

#include "core/BoundedHistory.h"
#include "core/ContinueOn.h"
#include "platform/Clock.h"
#include "platform/ResolverSource.h"

#include <QtConcurrent>

#include <netdb.h>
#include <sys/socket.h>
#include <sys/types.h>

#include <chrono>

namespace {

std::optional<std::string> firstAddressText(const addrinfo* addresses) {
    if (!addresses || !addresses->ai_addr)
        return std::nullopt;
    char text[NI_MAXHOST] = {};
    if (getnameinfo(addresses->ai_addr, addresses->ai_addrlen, text, sizeof text, nullptr, 0,
                    NI_NUMERICHOST) != 0)
        return std::nullopt;
    return std::string(text);
}

} // namespace

DNSResult resolveTimed(const std::string& domain, const ResolverSource& resolver, TimePoint startedAt) {
    DNSResult result;
    result.timestamp = startedAt;
    result.domain = domain;

    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    // One entry per address instead of one per socket type.
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* addresses = nullptr;

    const auto start = std::chrono::steady_clock::now();
    const int status = getaddrinfo(domain.c_str(), nullptr, &hints, &addresses);
    const auto end = std::chrono::steady_clock::now();
    result.lookupTime = std::chrono::duration<double, std::milli>(end - start).count();

    if (status == 0) {
        result.resolvedIP = firstAddressText(addresses);
        freeaddrinfo(addresses);
    }

    result.server = resolver.firstNameserver().value_or(DNSService::systemDefaultServer);
    return result;
}

DNSService::DNSService(const ResolverSource& resolver, const Clock& clock, QObject* parent)
    : DNSService(resolver, clock, testDomain, parent) {}

DNSService::DNSService(const ResolverSource& resolver, const Clock& clock, std::string domain,
                       QObject* parent)
    : QObject(parent), m_resolver(resolver), m_clock(clock), m_domain(std::move(domain)) {
    // A resolver that hangs must not hold up every later measurement.
    m_pool.setMaxThreadCount(4);
}

DNSService::~DNSService() {
    m_pool.waitForDone();
}

QFuture<DNSResult> DNSService::measureDNS() {
    auto lookup =
        QtConcurrent::run(&m_pool, [domain = m_domain, &resolver = m_resolver, startedAt = m_clock.now()] {
            return resolveTimed(domain, resolver, startedAt);
        });
    return continueOn(this, std::move(lookup), [this](const DNSResult& result) {
        publish(result);
        return result;
    });
}

void DNSService::publish(const DNSResult& result) {
    m_lastResult = result;
    emit lastResultChanged(m_lastResult);
    appendBounded(m_dnsHistory, result, maxHistoryCount);
    emit dnsHistoryChanged(m_dnsHistory);
}
