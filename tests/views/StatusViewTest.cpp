#include "views/StatusView.h"

#include "support/StatusFixture.h"
#include "support/TestUtil.h"
#include "views/ActionableTipView.h"
#include "views/MainPopoverView.h"
#include "views/SignalBarsView.h"
#include "views/StatusCard.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QSignalSpy>
#include <QToolButton>

namespace {

WiFiInfo link(std::string ssid, std::optional<std::string> bssid = std::nullopt) {
    WiFiInfo info;
    info.ssid = std::move(ssid);
    info.bssid = std::move(bssid);
    info.rssi = -55;
    info.band = WiFiBand::band5GHz;
    return info;
}

Tip genericTip(std::string title) {
    Tip tip;
    tip.icon = "tortoise.fill";
    tip.title = std::move(title);
    tip.description = "Something generic";
    tip.priority = TipPriority::warning;
    return tip;
}

StatusView::State connectedState(int score, std::string ssid = "Home") {
    StatusView::State state;
    state.wifiInfo = link(std::move(ssid));
    state.quality.score = score;
    state.quality.rating = qualityRatingForScore(score);
    state.isMonitoring = true;
    return state;
}

bool showsText(const QWidget& root, const QString& text) {
    for (const QLabel* label : root.findChildren<QLabel*>())
        if (label->text() == text && label->isVisibleTo(&root))
            return true;
    return false;
}

class StatusViewTest : public ::testing::Test {
protected:
    StatusFixture f;
    StatusView view{f.statusServices()};
};

} // namespace

TEST(SignalBars, LitCountAndColourFollowTheThresholds) {
    const std::vector<std::tuple<std::optional<int>, int, std::optional<Tone>>> cases{
        {-50, 4, Tone::green},          {-51, 3, Tone::green},  {-60, 3, Tone::green},
        {-61, 2, Tone::yellow},         {-80, 1, Tone::orange}, {-81, 0, std::nullopt},
        {std::nullopt, 0, std::nullopt}};
    for (const auto& [rssi, count, colour] : cases) {
        const auto lit = SignalBarsView::litFor(rssi);
        EXPECT_EQ(lit.count, count) << rssi.value_or(0);
        EXPECT_EQ(lit.tone, colour) << rssi.value_or(0);
    }
}

TEST_F(StatusViewTest, TipNeedsBothPermissionsAndTheSetting) {
    view.show();
    StatusView::State state = connectedState(80);
    state.tips = {genericTip("First"), genericTip("Second")};
    view.setState(state);
    ASSERT_NE(view.tipView(), nullptr);
    EXPECT_EQ(view.tipView()->header()->accessibleName(), "First");

    state.locationAuthorized = false;
    view.setState(state);
    EXPECT_EQ(view.tipView(), nullptr);

    state.locationAuthorized = true;
    state.notificationsAuthorized = false;
    view.setState(state);
    EXPECT_EQ(view.tipView(), nullptr);

    state.notificationsAuthorized = true;
    f.settings.setShowTips(false);
    view.setState(state);
    EXPECT_EQ(view.tipView(), nullptr);
}

TEST(StatusViewTopTip, BrandAdviceWinsOnlyWhenTheBrandHasSomeForTheIssue) {
    const std::vector<Tip> tips{genericTip("Generic")};
    const auto google = StatusView::topTip(RouterBrand::google, ConnectionIssue::highLatency, tips);
    ASSERT_TRUE(google);
    EXPECT_EQ(google->title, "Tip for your Google");
    EXPECT_EQ(google->description, "Check Google Home app for device prioritization options");
    EXPECT_EQ(google->action, adminHint(RouterBrand::google));
    EXPECT_EQ(google->priority, TipPriority::warning);

    // Netgear has no advice for slow answers; a portal is no brand matter at all.
    EXPECT_EQ(StatusView::topTip(RouterBrand::netgear, ConnectionIssue::highLatency, tips)->title, "Generic");
    EXPECT_EQ(StatusView::topTip(RouterBrand::google, ConnectionIssue::captivePortal, tips)->title,
              "Generic");
    EXPECT_FALSE(StatusView::topTip(std::nullopt, ConnectionIssue::highLatency, {}));
}

TEST_F(StatusViewTest, BrandFromTheNetworkNameReachesCardAndTip) {
    view.show();
    StatusView::State state = connectedState(40, "Google-Home");
    state.currentIssue = ConnectionIssue::highLatency;
    state.tips = {genericTip("Generic")};
    view.setState(state);
    ASSERT_NE(view.tipView(), nullptr);
    EXPECT_EQ(view.tipView()->header()->accessibleName(), "Tip for your Google");
    EXPECT_TRUE(showsText(view, "5 GHz • Google"));
}

TEST_F(StatusViewTest, RedrawsOnScreenRecordTheScoreButAZeroScoreOnlyAsksForTheInsight) {
    for (int i = 0; i < 11; ++i)
        f.memory.record("Home", 90, 20.0);
    StatusView::State state = connectedState(90);
    view.setState(state);
    // Not on screen: nothing recorded.
    EXPECT_EQ(f.memory.memories().at("Home").measurementCount, 11);
    view.show();
    view.setState(state);
    EXPECT_EQ(f.memory.memories().at("Home").measurementCount, 12);
    EXPECT_TRUE(showsText(view, QString::fromStdString(displayText(NetworkInsight::consistentlyGood()))));

    view.setState(connectedState(0));
    EXPECT_EQ(f.memory.memories().at("Home").measurementCount, 12);
    // The insight still compares: nothing measured against a usual 90 reads as much worse.
    EXPECT_TRUE(showsText(view, QString::fromStdString(displayText(NetworkInsight::worseThanUsual(100)))));
}

TEST_F(StatusViewTest, CardTextsByRatingLinkAndMonitoring) {
    view.show();
    StatusView::State state = connectedState(95);
    view.setState(state);
    EXPECT_TRUE(showsText(view, "Looking Great!"));
    EXPECT_TRUE(showsText(view, "95"));
    EXPECT_FALSE(showsText(view, "Monitoring paused"));
    EXPECT_EQ(view.card()->signalBars()->lit().count, 3);

    state.isMonitoring = false;
    state.wifiInfo.reset();
    state.quality = {};
    view.setState(state);
    EXPECT_TRUE(showsText(view, "Monitoring paused"));
    EXPECT_TRUE(showsText(view, "Not Connected"));
    EXPECT_TRUE(showsText(view, "Checking..."));
    EXPECT_TRUE(showsText(view, "0"));
}

TEST_F(StatusViewTest, LocationTextsFollowTheTrackerAndStayAwayWhileAuthorized) {
    view.show();
    StatusView::State state = connectedState(70);
    state.wifiInfo.reset();
    view.setState(state);
    EXPECT_FALSE(showsText(view, "Allow location to see network name"));
    EXPECT_FALSE(showsText(view, "Location required"));

    state.locationAuthorized = false;
    view.setState(state);
    EXPECT_TRUE(showsText(view, "Allow location to see network name"));
    EXPECT_TRUE(showsText(view, "Location required"));
    EXPECT_TRUE(showsText(view, "Unknown Network"));
}

TEST_F(StatusViewTest, ShareShowsFeedbackForTwoSecondsPerCopy) {
    view.setState(connectedState(80));
    view.share();
    ASSERT_FALSE(f.clipboard.image.isNull());
    EXPECT_EQ(f.clipboard.image.width(), 640);
    EXPECT_TRUE(view.showsShareFeedback());
    f.scheduler.advance(std::chrono::milliseconds(1200));
    f.clipboard.image = QImage();
    view.share();
    ASSERT_FALSE(f.clipboard.image.isNull());
    // The first copy's reset is not pushed back by the second.
    f.scheduler.advance(std::chrono::milliseconds(799));
    EXPECT_TRUE(view.showsShareFeedback());
    f.scheduler.advance(std::chrono::milliseconds(1));
    EXPECT_FALSE(view.showsShareFeedback());
}

TEST(StatusViewBinding, FollowsTheLocationTrackerOfTheViewModel) {
    for (const bool authorized : {true, false}) {
        StatusFixture f;
        f.authorization.status = authorized ? location_status::authorizedWhenInUse : location_status::denied;
        if (f.authorization.changed)
            f.authorization.changed();
        LinkmeterViewModel viewModel(f.services());
        StatusView view(f.statusServices());
        view.bind(viewModel, f.notifications);
        view.show();
        // The view model's first values arrive on later turns of the event loop.
        QTest::qWait(100);
        ASSERT_EQ(viewModel.locationAuthorized(), authorized);
        EXPECT_EQ(showsText(view, "Allow location to see network name"), !authorized);
        EXPECT_EQ(showsText(view, "Location required"), !authorized);
    }
}

TEST(MainPopover, TakesTheHeightOfThePageItShows) {
    StatusFixture f;
    MainPopoverView popover(f.statusServices());
    popover.adjustSize();
    const int statusHeight = popover.height();
    EXPECT_LT(statusHeight, 600); // not stretched to the diagnostics page

    popover.setShowDiagnostics(true);
    popover.adjustSize();
    EXPECT_EQ(popover.height(), 600);
    popover.setShowDiagnostics(false);
    popover.adjustSize();
    EXPECT_EQ(popover.height(), statusHeight);
}
