#include "views/StatusView.h"

#include "support/StatusFixture.h"
#include "support/TestUtil.h"
#include "viewmodel/DiagnosticsPresenter.h"
#include "views/ActionableTipView.h"
#include "views/MainPopoverView.h"
#include "views/SignalBarsView.h"
#include "views/kit/Buttons.h"
#include "views/kit/Metrics.h"

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

StatusInputs connectedState(int score, std::string ssid = "Home") {
    StatusInputs state;
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

QString shownTip(const StatusView& view) {
    const auto* tip = view.findChild<ActionableTipView*>();
    return tip ? tip->findChild<QToolButton*>()->accessibleName() : QString();
}

QToolButton* shareButton(const StatusView& view) {
    for (QToolButton* button : view.findChildren<QToolButton*>())
        if (button->accessibleName() == "Share a screenshot of the status")
            return button;
    return nullptr;
}

// The share button carries the checkmark while the copy is confirmed.
bool showsShareFeedback(StatusView& view) {
    const QSize size(Metrics::SymbolSize::xl, Metrics::SymbolSize::xl);
    return shareButton(view)->icon().pixmap(size).toImage() ==
           buttonSymbol(QStringLiteral("checkmark"), &view, Metrics::SymbolSize::xl).pixmap(size).toImage();
}

class StatusViewTest : public ::testing::Test {
protected:
    StatusFixture f;
    StatusPresenter presenter{{f.settings, f.memory, f.brands, f.updates, f.exporter}};
    StatusView view{presenter, f.scheduler};
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

TEST_F(StatusViewTest, ATipComesAndGoesWithItsPermissionsAndKeepsItsViewWhileUnchanged) {
    view.show();
    StatusInputs state = connectedState(80);
    state.tips = {genericTip("First"), genericTip("Second")};
    presenter.setInputs(state);
    EXPECT_EQ(shownTip(view), "First");
    auto* tipView = view.findChild<ActionableTipView*>();
    tipView->setExpanded(true);
    presenter.setInputs(state);
    EXPECT_EQ(view.findChild<ActionableTipView*>(), tipView) << "the same tip stays open";

    state.locationAuthorized = false;
    presenter.setInputs(state);
    EXPECT_EQ(view.findChild<ActionableTipView*>(), nullptr);
    EXPECT_TRUE(showsText(view, "Allow location to see network name"));
}

TEST_F(StatusViewTest, ShowsTheCardAndRecordsOnlyWhileOnScreen) {
    for (int i = 0; i < 11; ++i)
        f.memory.record("Home", 90, 20.0);
    presenter.setInputs(connectedState(95));
    EXPECT_EQ(f.memory.memories().at("Home").measurementCount, 11);
    view.show();
    presenter.setInputs(connectedState(95));
    EXPECT_EQ(f.memory.memories().at("Home").measurementCount, 12);
    EXPECT_TRUE(showsText(view, "Looking Great!"));
    EXPECT_TRUE(showsText(view, "95"));
    EXPECT_TRUE(showsText(view, "5 GHz"));
    EXPECT_FALSE(showsText(view, "Monitoring paused"));
    EXPECT_EQ(view.findChild<SignalBarsView*>()->lit().count, 3);

    view.hide();
    presenter.setInputs(connectedState(95));
    EXPECT_EQ(f.memory.memories().at("Home").measurementCount, 12);

    view.show();
    StatusInputs state = connectedState(0);
    state.isMonitoring = false;
    state.wifiInfo.reset();
    presenter.setInputs(state);
    EXPECT_TRUE(showsText(view, "Monitoring paused"));
    EXPECT_TRUE(showsText(view, "Not Connected"));
    EXPECT_FALSE(showsText(view, "5 GHz"));
    EXPECT_FALSE(view.findChild<SignalBarsView*>()->isVisible());
}

TEST_F(StatusViewTest, ShareShowsFeedbackForTwoSecondsPerCopy) {
    presenter.setInputs(connectedState(80));
    ASSERT_NE(shareButton(view), nullptr);
    EXPECT_FALSE(showsShareFeedback(view));
    shareButton(view)->click();
    ASSERT_FALSE(f.clipboard.image.isNull());
    EXPECT_EQ(f.clipboard.image.width(), 640);
    EXPECT_TRUE(showsShareFeedback(view));
    f.scheduler.advance(std::chrono::milliseconds(1200));
    f.clipboard.image = QImage();
    shareButton(view)->click();
    ASSERT_FALSE(f.clipboard.image.isNull());
    // The first copy's reset is not pushed back by the second.
    f.scheduler.advance(std::chrono::milliseconds(799));
    EXPECT_TRUE(showsShareFeedback(view));
    f.scheduler.advance(std::chrono::milliseconds(1));
    EXPECT_FALSE(showsShareFeedback(view));
}

TEST(StatusViewBinding, FollowsTheLocationTrackerOfTheViewModel) {
    for (const bool authorized : {true, false}) {
        StatusFixture f;
        f.authorization.status = authorized ? location_status::authorizedWhenInUse : location_status::denied;
        if (f.authorization.changed)
            f.authorization.changed();
        LinkmeterViewModel viewModel(f.services());
        StatusPresenter presenter({f.settings, f.memory, f.brands, f.updates, f.exporter});
        presenter.bind(viewModel, f.notifications);
        StatusView view(presenter, f.scheduler);
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
    StatusPresenter presenter({f.settings, f.memory, f.brands, f.updates, f.exporter});
    DiagnosticsPresenter diagnostics(f.exporter);
    MainPopoverView popover(presenter, diagnostics, std::nullopt, f.scheduler);
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
