#include "views/NetworkInfoView.h"

#include "support/TestUtil.h"
#include "support/ViewModelFixture.h"
#include "views/DNSPresetPicker.h"
#include "views/DNSSection.h"
#include "views/NetworkInterfaceRow.h"
#include "views/kit/CollapsibleHeader.h"
#include "views/kit/Palette.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

namespace {

using namespace std::chrono_literals;

QStringList visibleTexts(const QWidget& root, const QString& objectName = {}) {
    QStringList texts;
    for (const QLabel* label : root.findChildren<QLabel*>(objectName))
        if (label->isVisibleTo(&root) && !label->text().isEmpty())
            texts << label->text();
    return texts;
}

class NetworkInfoViewTest : public ::testing::Test {
protected:
    NetworkInfoViewTest() {
        f.interfaces.list = std::vector<InterfaceAddress>{
            {"wlan0", true, false, AddressFamily::ipv4, "192.168.1.20"},
            {"wlan0", true, false, AddressFamily::ipv6, "2001:db8::20"},
            {"tun0", true, false, AddressFamily::ipv6, "2001:db8:1::5"},
        };
        f.interfaces.kinds = {{"wlan0", InterfaceKind::wifi}, {"tun0", InterfaceKind::vpn}};
        f.resolver.servers = std::vector<std::string>{"192.168.1.1", "9.9.9.9"};
        f.connections.names = {{"eth0", "Home"}};
        f.networkInfo.refreshInterfaces();
        f.networkInfo.refreshDNSServers();
    }

    // The view model delivers on a later turn of the event loop.
    void settle() { spinFor(50ms); }

    DNSSection& dns() { return *view.dnsSection(); }

    QStringList serverRows() {
        QStringList rows;
        for (const QWidget* row : dns().serverList()->findChildren<QWidget*>(QStringLiteral("dnsServer")))
            rows << visibleTexts(*row).join(QLatin1Char(' '));
        return rows;
    }

    ViewModelFixture f;
    LinkmeterViewModel viewModel{f.services()};
    NetworkInfoView view{viewModel, f.networkInfo, f.scheduler};
};

} // namespace

TEST_F(NetworkInfoViewTest, WithoutAPublicAddressOnlyTheHeaderOrTheListsShow) {
    settle();
    EXPECT_FALSE(view.publicIPRow()->isVisibleTo(&view));
    EXPECT_FALSE(view.interfaceList()->isVisibleTo(&view));
    EXPECT_FALSE(view.dnsSection()->isVisibleTo(&view));

    view.header()->setExpanded(true);
    EXPECT_FALSE(view.publicIPRow()->isVisibleTo(&view));
    EXPECT_EQ(view.interfaceList()->findChildren<NetworkInterfaceRow*>().size(), 2);
    EXPECT_TRUE(view.dnsSection()->isVisibleTo(&view));
    EXPECT_FALSE(dns().isPickerShown());
}

TEST_F(NetworkInfoViewTest, PublicAddressShowsCollapsedWithASpinnerWhileLoading) {
    f.server.route("/ip", [](const LocalHttpServer::Request&) {
        auto reply = LocalHttpServer::Reply::answer(200, "203.0.113.9\n");
        reply.delay = 300ms;
        return reply;
    });
    f.networkInfo.fetchPublicIP();
    ASSERT_TRUE(waitUntil([&] { return viewModel.isLoadingPublicIP(); }));
    EXPECT_TRUE(view.publicIPRow()->isVisibleTo(&view));
    EXPECT_FALSE(view.publicIPText()->isVisibleTo(&view));

    ASSERT_TRUE(waitUntil([&] { return viewModel.publicIP().has_value(); }));
    EXPECT_TRUE(view.publicIPRow()->isVisibleTo(&view));
    EXPECT_EQ(view.publicIPText()->text(), QStringLiteral("203.0.113.9"));
    EXPECT_TRUE(view.publicIPText()->textInteractionFlags() & Qt::TextSelectableByMouse);
}

TEST_F(NetworkInfoViewTest, InterfaceRowsShowWhatAddressesTheyHave) {
    settle();
    view.header()->setExpanded(true);
    const auto rows = view.interfaceList()->findChildren<NetworkInterfaceRow*>();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_TRUE(rows[0]->findChild<QLabel*>(QStringLiteral("wifi")));
    EXPECT_EQ(visibleTexts(*rows[0]), (QStringList{"Wi-Fi", "192.168.1.20", "2001:db8::20", "wlan0"}));
    // The tunnel has only an IPv6 address.
    EXPECT_TRUE(rows[1]->findChild<QLabel*>(QStringLiteral("lock.shield")));
    EXPECT_EQ(visibleTexts(*rows[1]), (QStringList{"VPN", "2001:db8:1::5", "tun0"}));
    EXPECT_FALSE(rows[1]->findChild<QLabel*>(QStringLiteral("ipv4")));
}

TEST_F(NetworkInfoViewTest, UnknownServersShowTheirAddressAlone) {
    settle();
    EXPECT_EQ(serverRows(), (QStringList{"192.168.1.1", "Quad9 9.9.9.9"}));
}

TEST_F(NetworkInfoViewTest, PickerOffersTheSixPresetsInOrder) {
    view.header()->setExpanded(true);
    dns().changeButton()->click();
    ASSERT_TRUE(dns().picker()->isVisibleTo(&view));
    QStringList names;
    for (const QPushButton* row : dns().picker()->rows())
        names << row->objectName();
    EXPECT_EQ(names, (QStringList{"System Default", "Cloudflare", "Google", "Quad9", "OpenDNS", "AdGuard"}));
    EXPECT_EQ(visibleTexts(*dns().picker()->rows()[1]),
              (QStringList{"Cloudflare", "Fast, privacy-focused", "1.1.1.1"}));
    EXPECT_EQ(visibleTexts(*dns().picker()->rows()[0]),
              (QStringList{"System Default", "Use router/ISP DNS"}));
    dns().changeButton()->click();
    EXPECT_FALSE(dns().picker()->isVisibleTo(&view));
}

TEST_F(NetworkInfoViewTest, CancelledPromptClosesThePickerSilently) {
    settle();
    view.header()->setExpanded(true);
    f.switcher.outcome = {DNSSwitchOutcome::Status::cancelled, "Request dismissed"};
    // Were the servers read again, they would show this.
    f.resolver.servers = std::vector<std::string>{"1.1.1.1"};
    dns().changeButton()->click();
    dns().picker()->rows()[1]->click();
    EXPECT_TRUE(dns().isChangingDNS());

    ASSERT_TRUE(waitUntil([&] { return !dns().isChangingDNS(); }));
    EXPECT_EQ(f.switcher.requests().size(), 1u);
    EXPECT_FALSE(dns().picker()->isVisibleTo(&view));
    EXPECT_FALSE(dns().dnsChangeMessage().has_value());
    EXPECT_TRUE(visibleTexts(view, QStringLiteral("dnsChangeMessage")).isEmpty());
    settle();
    EXPECT_EQ(serverRows(), (QStringList{"192.168.1.1", "Quad9 9.9.9.9"}));
}

TEST_F(NetworkInfoViewTest, SwitchToCloudflareConfirmsForTwoSecondsAndListsItsServers) {
    settle();
    view.header()->setExpanded(true);
    f.resolver.servers = std::vector<std::string>{"1.1.1.1", "1.0.0.1"};
    dns().changeButton()->click();
    dns().picker()->rows()[1]->click();
    // Busy while the system asks for the password: no second choice, no closing.
    EXPECT_TRUE(dns().isChangingDNS());
    EXPECT_FALSE(dns().changeButton()->isEnabled());
    EXPECT_FALSE(dns().picker()->rows()[2]->isEnabled());
    dns().picker()->rows()[2]->click();

    ASSERT_TRUE(waitUntil([&] { return dns().dnsChangeMessage().has_value(); }));
    EXPECT_EQ(f.switcher.requests(),
              (std::vector<RecordingDNSSwitcher::Request>{{"Home", {"1.1.1.1", "1.0.0.1"}}}));
    EXPECT_EQ(*dns().dnsChangeMessage(), QStringLiteral("DNS changed to Cloudflare"));
    const auto* message = view.findChild<QLabel*>(QStringLiteral("dnsChangeMessage"));
    EXPECT_TRUE(message->isVisibleTo(&view));
    EXPECT_EQ(message->palette().color(QPalette::WindowText), Palette::colour(Tone::green));
    EXPECT_FALSE(dns().picker()->isVisibleTo(&view));
    EXPECT_TRUE(dns().changeButton()->isEnabled());
    ASSERT_TRUE(
        waitUntil([&] { return serverRows().size() == 2 && serverRows()[0].startsWith("Cloudflare"); }));
    EXPECT_EQ(serverRows(), (QStringList{"Cloudflare 1.1.1.1", "Cloudflare 1.0.0.1"}));

    f.scheduler.advance(1999ms);
    EXPECT_TRUE(message->isVisibleTo(&view));
    f.scheduler.advance(1ms);
    EXPECT_FALSE(dns().dnsChangeMessage().has_value());
    EXPECT_FALSE(message->isVisibleTo(&view));
}
