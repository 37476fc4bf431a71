#include "viewmodel/StatusPresenter.h"

#include "support/StatusFixture.h"

#include <gtest/gtest.h>

namespace {

WiFiInfo link(std::string ssid, std::optional<std::string> bssid = std::nullopt) {
    WiFiInfo info;
    info.ssid = std::move(ssid);
    info.bssid = std::move(bssid);
    info.rssi = -55;
    info.band = WiFiBand::band5GHz;
    return info;
}

Tip genericTip(std::string title, std::optional<std::string> action = std::nullopt) {
    Tip tip;
    tip.icon = "tortoise.fill";
    tip.title = std::move(title);
    tip.description = "Something generic";
    tip.action = std::move(action);
    tip.priority = TipPriority::warning;
    return tip;
}

StatusInputs connected(int score, std::string ssid = "Home") {
    StatusInputs in;
    in.wifiInfo = link(std::move(ssid));
    in.quality.score = score;
    in.quality.rating = qualityRatingForScore(score);
    in.isMonitoring = true;
    return in;
}

struct StatusPresenterTest : ::testing::Test {
    StatusFixture f;
    StatusPresenter presenter{{f.settings, f.memory, f.brands, f.updates, f.exporter}};
};

} // namespace

TEST(TopTip, BrandAdviceWinsOnlyWhenTheBrandHasSomeForTheIssue) {
    const std::vector<Tip> tips{genericTip("Generic")};
    const auto google = topTip(RouterBrand::google, ConnectionIssue::highLatency, tips);
    ASSERT_TRUE(google);
    EXPECT_EQ(google->title, "Tip for your Google");
    EXPECT_EQ(google->description, "Check Google Home app for device prioritization options");
    EXPECT_EQ(google->action, adminHint(RouterBrand::google));
    EXPECT_EQ(google->priority, TipPriority::warning);

    // Netgear has no advice for slow answers; a portal is no brand matter at all.
    EXPECT_EQ(topTip(RouterBrand::netgear, ConnectionIssue::highLatency, tips)->title, "Generic");
    EXPECT_EQ(topTip(RouterBrand::google, ConnectionIssue::captivePortal, tips)->title, "Generic");
    EXPECT_FALSE(topTip(std::nullopt, ConnectionIssue::highLatency, {}));
}

TEST(StatusScreen, TipNeedsBothPermissionsAndTheSetting) {
    StatusInputs in = connected(80);
    in.tips = {genericTip("First", "Do this"), genericTip("Second")};
    const auto shown = statusScreen(in, {}).tip;
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->title, "First");
    EXPECT_EQ(shown->action, "Do this");
    EXPECT_FALSE(shown->adminButton) << "no router, no settings page";

    in.locationAuthorized = false;
    EXPECT_FALSE(statusScreen(in, {}).tip);
    in.locationAuthorized = true;
    in.notificationsAuthorized = false;
    EXPECT_FALSE(statusScreen(in, {}).tip);
    in.notificationsAuthorized = true;
    StatusContext tipsOff;
    tipsOff.showTips = false;
    EXPECT_FALSE(statusScreen(in, tipsOff).tip);
}

TEST(StatusScreen, CardByLinkRatingAndMonitoring) {
    StatusInputs in = connected(95);
    StatusCardScreen card = statusScreen(in, {}).card;
    EXPECT_EQ(card.network, "Home");
    EXPECT_TRUE(card.networkKnown);
    EXPECT_EQ(card.details, "5 GHz");
    EXPECT_EQ(card.rssi, -55);
    EXPECT_EQ(card.score, "95");
    EXPECT_EQ(card.headline, "Looking Great!");
    EXPECT_EQ(card.rating, Tone::green);
    EXPECT_FALSE(card.showsPaused);
    EXPECT_FALSE(card.insight);

    card = statusScreen(in, {.brand = RouterBrand::eero, .insight = NetworkInsight::worseThanUsual(20)}).card;
    EXPECT_EQ(card.details, "5 GHz • Eero");
    ASSERT_TRUE(card.insight);
    EXPECT_EQ(card.insight->symbol, "arrow.down.right");
    EXPECT_EQ(card.insight->tone, Tone::orange);

    // Before the first score, without a link, paused.
    in.wifiInfo.reset();
    in.quality = {};
    in.isMonitoring = false;
    card = statusScreen(in, {}).card;
    EXPECT_EQ(card.network, "Not Connected");
    EXPECT_FALSE(card.networkKnown);
    EXPECT_FALSE(card.details);
    EXPECT_FALSE(card.showsSignal);
    EXPECT_FALSE(card.showsLocationRequired);
    EXPECT_EQ(card.score, "0");
    EXPECT_EQ(card.headline, "Checking...");
    EXPECT_EQ(card.rating, Tone::gray);
    EXPECT_TRUE(card.showsPaused);

    in.locationAuthorized = false;
    const StatusScreen screen = statusScreen(in, {});
    EXPECT_EQ(screen.card.network, "Unknown Network");
    EXPECT_TRUE(screen.card.showsLocationRequired);
    EXPECT_TRUE(screen.showsLocationPrompt);
    EXPECT_FALSE(screen.showsNotificationPrompt);
}

TEST(StatusScreen, BannersAndIssueFollowThePortalStatus) {
    StatusInputs in = connected(30);
    in.captivePortalStatus = CaptivePortalStatus::noInternet("The host was not found.");
    in.currentIssue = ConnectionIssue::noInternet;
    StatusScreen screen = statusScreen(in, {});
    EXPECT_FALSE(screen.showsPortalBanner);
    EXPECT_EQ(screen.noInternetMessage, "The host was not found.");
    ASSERT_TRUE(screen.issue);
    EXPECT_EQ(screen.issue->tone, tone(ConnectionIssue::noInternet));

    in.captivePortalStatus = CaptivePortalStatus::captivePortal();
    screen = statusScreen(in, {});
    EXPECT_TRUE(screen.showsPortalBanner);
    EXPECT_FALSE(screen.noInternetMessage);
}

TEST_F(StatusPresenterTest, BrandFromTheNetworkNameReachesCardAndTip) {
    StatusInputs in = connected(40, "Google-Home");
    in.currentIssue = ConnectionIssue::highLatency;
    in.tips = {genericTip("Generic")};
    presenter.setInputs(in);
    const StatusScreen& screen = presenter.screen();
    EXPECT_EQ(screen.card.details, "5 GHz • Google");
    ASSERT_TRUE(screen.tip);
    EXPECT_EQ(screen.tip->title, "Tip for your Google");
}

TEST_F(StatusPresenterTest, ComputationsOnScreenRecordTheScoreButAZeroScoreOnlyAsksForTheInsight) {
    for (int i = 0; i < 11; ++i)
        f.memory.record("Home", 90, 20.0);
    presenter.setInputs(connected(90));
    EXPECT_EQ(f.memory.memories().at("Home").measurementCount, 11) << "not on screen: nothing recorded";
    presenter.setOnScreen(true);
    presenter.setInputs(connected(90));
    EXPECT_EQ(f.memory.memories().at("Home").measurementCount, 12);
    EXPECT_EQ(presenter.screen().card.insight->text,
              QString::fromStdString(displayText(NetworkInsight::consistentlyGood())));
    // A settings change redraws, and so records, too.
    f.settings.setCompactMode(true);
    EXPECT_TRUE(presenter.screen().compact);
    EXPECT_EQ(f.memory.memories().at("Home").measurementCount, 13);

    presenter.setInputs(connected(0));
    EXPECT_EQ(f.memory.memories().at("Home").measurementCount, 13);
    // The insight still compares: nothing measured against a usual 90 reads as much worse.
    EXPECT_EQ(presenter.screen().card.insight->text,
              QString::fromStdString(displayText(NetworkInsight::worseThanUsual(100))));
}

TEST_F(StatusPresenterTest, ShareDrawsTheLinkWithTheFirstTipAndSaysWhetherItCopied) {
    StatusInputs in = connected(80);
    in.tips = {genericTip("First"), genericTip("Second")};
    presenter.setInputs(in);
    std::optional<StatusShot> drawn;
    EXPECT_TRUE(presenter.share([&](const StatusShot& shot, double scale) {
        drawn = shot;
        return QImage(static_cast<int>(10 * scale), 10, QImage::Format_ARGB32);
    }));
    ASSERT_TRUE(drawn);
    EXPECT_EQ(drawn->wifiInfo->ssid, "Home");
    EXPECT_EQ(drawn->quality.score, 80);
    EXPECT_EQ(drawn->tip->title, "First");
    EXPECT_FALSE(f.clipboard.image.isNull());

    EXPECT_FALSE(presenter.share([](const StatusShot&, double) { return QImage(); }))
        << "no picture, nothing copied";
}
