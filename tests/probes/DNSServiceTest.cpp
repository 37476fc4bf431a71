#include "probes/DNSService.h"

#include "support/ManualClock.h"
#include "support/PlatformFakes.h"
#include "support/TestUtil.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSignalSpy>
#include <QThread>

namespace {

DNSResult measure(DNSService& service) {
    auto future = service.measureDNS();
    EXPECT_TRUE(waitUntil([&] { return future.isFinished(); }));
    return future.result();
}

} // namespace

TEST(DNSService, LocalNameResolvesAndIsPublishedOnTheMainThread) {
    FakeResolverSource resolver("192.168.1.1");
    ManualClock clock;
    DNSService service(resolver, clock, "localhost");
    bool onMainThread = false;
    QObject::connect(&service, &DNSService::lastResultChanged, &service, [&] {
        onMainThread = QThread::currentThread() == QCoreApplication::instance()->thread();
    });

    const auto result = measure(service);
    ASSERT_TRUE(result.resolvedIP.has_value());
    EXPECT_TRUE(*result.resolvedIP == "127.0.0.1" || *result.resolvedIP == "::1") << *result.resolvedIP;
    EXPECT_EQ(result.server, "192.168.1.1");
    EXPECT_EQ(result.domain, "localhost");
    EXPECT_GE(result.lookupTime, 0.0);
    // Stamped with the service's clock when the lookup started.
    EXPECT_EQ(result.timestamp, clock.now());

    EXPECT_TRUE(onMainThread);
    EXPECT_EQ(service.lastResult(), result);
    EXPECT_EQ(service.dnsHistory(), std::vector<DNSResult>{result});
}

TEST(DNSService, UnresolvableNameHasNoAddressButATime) {
    FakeResolverSource resolver(std::nullopt);
    ManualClock clock;
    DNSService service(resolver, clock, "no-such-host.invalid");
    const auto result = measure(service);
    EXPECT_EQ(result.resolvedIP, std::nullopt);
    EXPECT_GT(result.lookupTime, 0.0);
    EXPECT_EQ(result.server, "System Default");
    EXPECT_EQ(service.lastResult(), result);
}

TEST(DNSService, HistoryKeepsTheLastThirty) {
    FakeResolverSource resolver("10.0.0.1");
    ManualClock clock;
    DNSService service(resolver, clock, "localhost");
    QSignalSpy historySpy(&service, &DNSService::dnsHistoryChanged);
    std::vector<DNSResult> results;
    for (int i = 0; i < 31; ++i) {
        results.push_back(measure(service));
        clock.advance(std::chrono::seconds(5));
    }

    ASSERT_EQ(service.dnsHistory().size(), 30u);
    EXPECT_EQ(service.dnsHistory().front(), results[1]);
    EXPECT_EQ(service.dnsHistory().back(), results[30]);
    EXPECT_EQ(historySpy.count(), 31);
}
