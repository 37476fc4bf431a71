#include "views/NetworkInfoView.h"

#include "support/TestUtil.h"
#include "support/ViewModelFixture.h"
#include "viewmodel/NetworkInfoPresenter.h"
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

template <typename T> std::vector<T*> visible(const QWidget& root) {
    std::vector<T*> result;
    for (T* child : root.findChildren<T*>())
        if (child->isVisibleTo(&root))
            result.push_back(child);
    return result;
}

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

    QWidget& publicIPRow() { return *view.findChild<QWidget*>(QStringLiteral("publicIPRow")); }
    QLabel& publicIP() { return *view.findChild<QLabel*>(QStringLiteral("publicIP")); }
    QWidget& dns() { return *view.findChild<DNSSection*>(); }
    QPushButton& changeButton() { return *view.findChild<QPushButton*>(QStringLiteral("changeDNS")); }
    DNSPresetPicker& picker() { return *view.findChild<DNSPresetPicker*>(); }
    // The picker's rows, in the order it offers them.
    QList<QPushButton*> presets() {
        return picker().findChildren<QPushButton*>(QString(), Qt::FindDirectChildrenOnly);
    }
    QLabel& message() { return *view.findChild<QLabel*>(QStringLiteral("dnsChangeMessage")); }
    bool changing() { return !changeButton().isEnabled(); }

    QStringList serverRows() {
        QStringList rows;
        for (const QWidget* row : view.findChildren<QWidget*>(QStringLiteral("dnsServer")))
            rows << visibleTexts(*row).join(QLatin1Char(' '));
        return rows;
    }

    ViewModelFixture f;
    LinkmeterViewModel viewModel{f.services()};
    NetworkInfoPresenter presenter{viewModel, f.networkInfo};
    NetworkInfoView view{presenter, f.scheduler};
};

} // namespace

TEST_F(NetworkInfoViewTest, WithoutAPublicAddressOnlyTheHeaderOrTheListsShow) {
    settle();
    EXPECT_FALSE(publicIPRow().isVisibleTo(&view));
    EXPECT_TRUE(visible<NetworkInterfaceRow>(view).empty());
    EXPECT_FALSE(dns().isVisibleTo(&view));

    view.header()->setExpanded(true);
    EXPECT_FALSE(publicIPRow().isVisibleTo(&view));
    EXPECT_EQ(visible<NetworkInterfaceRow>(view).size(), 2u);
    EXPECT_TRUE(dns().isVisibleTo(&view));
    EXPECT_FALSE(picker().isVisibleTo(&view));
}

TEST_F(NetworkInfoViewTest, PublicAddressShowsCollapsedWithASpinnerWhileLoading) {
    f.server.route("/ip", [](const LocalHttpServer::Request&) {
        auto reply = LocalHttpServer::Reply::answer(200, "203.0.113.9\n");
        reply.delay = 300ms;
        return reply;
    });
    f.networkInfo.fetchPublicIP();
    ASSERT_TRUE(waitUntil([&] { return viewModel.isLoadingPublicIP(); }));
    EXPECT_TRUE(publicIPRow().isVisibleTo(&view));
    EXPECT_FALSE(publicIP().isVisibleTo(&view));

    ASSERT_TRUE(waitUntil([&] { return viewModel.publicIP().has_value(); }));
    EXPECT_TRUE(publicIPRow().isVisibleTo(&view));
    EXPECT_EQ(publicIP().text(), QStringLiteral("203.0.113.9"));
    EXPECT_TRUE(publicIP().textInteractionFlags() & Qt::TextSelectableByMouse);
}

TEST_F(NetworkInfoViewTest, InterfaceRowsShowWhatAddressesTheyHave) {
    settle();
    view.header()->setExpanded(true);
    const auto rows = visible<NetworkInterfaceRow>(view);
    ASSERT_EQ(rows.size(), 2u);
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
    changeButton().click();
    ASSERT_TRUE(picker().isVisibleTo(&view));
    QStringList names;
    for (const QPushButton* row : presets())
        names << row->objectName();
    EXPECT_EQ(names, (QStringList{"System Default", "Cloudflare", "Google", "Quad9", "OpenDNS", "AdGuard"}));
    EXPECT_EQ(visibleTexts(*presets()[1]),
              (QStringList{"Cloudflare", "Fast, privacy-focused", "1.1.1.1"}));
    EXPECT_EQ(visibleTexts(*presets()[0]), (QStringList{"System Default", "Use router/ISP DNS"}));
    changeButton().click();
    EXPECT_FALSE(picker().isVisibleTo(&view));
}

TEST_F(NetworkInfoViewTest, CancelledPromptClosesThePickerSilently) {
    settle();
    view.header()->setExpanded(true);
    f.switcher.outcome = {DNSSwitchOutcome::Status::cancelled, "Request dismissed"};
    // Were the servers read again, they would show this.
    f.resolver.servers = std::vector<std::string>{"1.1.1.1"};
    changeButton().click();
    presets()[1]->click();
    EXPECT_TRUE(changing());

    ASSERT_TRUE(waitUntil([&] { return !changing(); }));
    EXPECT_EQ(f.switcher.requests().size(), 1u);
    EXPECT_FALSE(picker().isVisibleTo(&view));
    EXPECT_TRUE(visibleTexts(view, QStringLiteral("dnsChangeMessage")).isEmpty());
    settle();
    EXPECT_EQ(serverRows(), (QStringList{"192.168.1.1", "Quad9 9.9.9.9"}));
}

TEST_F(NetworkInfoViewTest, SwitchToCloudflareConfirmsForTwoSecondsAndListsItsServers) {
    settle();
    view.header()->setExpanded(true);
    f.resolver.servers = std::vector<std::string>{"1.1.1.1", "1.0.0.1"};
    changeButton().click();
    presets()[1]->click();
    // Busy while the system asks for the password: no second choice, no closing.
    EXPECT_TRUE(changing());
    EXPECT_FALSE(changeButton().isEnabled());
    EXPECT_FALSE(presets()[2]->isEnabled());
    presets()[2]->click();

    ASSERT_TRUE(waitUntil([&] { return message().isVisibleTo(&view); }));
    EXPECT_EQ(f.switcher.requests(),
              (std::vector<RecordingDNSSwitcher::Request>{{"Home", {"1.1.1.1", "1.0.0.1"}}}));
    EXPECT_EQ(message().text(), QStringLiteral("DNS changed to Cloudflare"));
    EXPECT_EQ(message().palette().color(QPalette::WindowText), Palette::colour(Tone::green));
    EXPECT_FALSE(picker().isVisibleTo(&view));
    EXPECT_TRUE(changeButton().isEnabled());
    ASSERT_TRUE(
        waitUntil([&] { return serverRows().size() == 2 && serverRows()[0].startsWith("Cloudflare"); }));
    EXPECT_EQ(serverRows(), (QStringList{"Cloudflare 1.1.1.1", "Cloudflare 1.0.0.1"}));

    f.scheduler.advance(1999ms);
    EXPECT_TRUE(message().isVisibleTo(&view));
    f.scheduler.advance(1ms);
    EXPECT_FALSE(message().isVisibleTo(&view));
}
