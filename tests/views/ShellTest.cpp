#include "app/LinkmeterApp.h"

#include "app/TrayController.h"
#include "app/WindowController.h"
#include "platform/StatusItem.h"
#include "support/StatusFixture.h"
#include "support/TestUtil.h"
#include "views/HistoryView.h"
#include "views/MainPopoverView.h"
#include "views/MenuBarLabel.h"
#include "views/StatusView.h"

#include <gtest/gtest.h>

#include <QMenu>
#include <QWidget>

namespace {

class ShellTest : public ::testing::Test {
protected:
    StatusFixture f;
    LinkmeterViewModel viewModel{f.services()};

    // With a tray (as on a desktop) nothing opens at launch; without one the popover does.
    std::unique_ptr<LinkmeterApp> launch(bool tray = true) {
        return std::make_unique<LinkmeterApp>(viewModel, f.statusServices(), f.notifications, nullptr, tray,
                                              f.timeline);
    }
};

} // namespace

TEST_F(ShellTest, MonitoringRunsFromLaunchAndEachShowingStartsItAgain) {
    auto app = launch();
    EXPECT_FALSE(app->tray().popover()->isVisible());
    EXPECT_TRUE(viewModel.isMonitoring());
    viewModel.stopMonitoring();
    app->tray().showPopover();
    EXPECT_TRUE(viewModel.isMonitoring());
}

TEST_F(ShellTest, OnboardingOpensAtTheFirstShowingOnly) {
    auto app = launch();
    EXPECT_EQ(app->onboardingWindow().window(), nullptr);
    app->tray().showPopover();
    QWidget* onboarding = app->onboardingWindow().window();
    ASSERT_NE(onboarding, nullptr);
    EXPECT_TRUE(onboarding->isVisible());
    EXPECT_EQ(onboarding->windowTitle(), "Welcome to Linkmeter");

    // Left unfinished and closed, it stays away for the rest of the run.
    onboarding->close();
    app->tray().popover()->hide();
    app->tray().showPopover();
    EXPECT_FALSE(onboarding->isVisible());
}

TEST_F(ShellTest, WithoutATrayThePopoverOpensAtLaunchAsTheFirstShowing) {
    auto app = launch(false);
    EXPECT_TRUE(app->tray().popover()->isVisible());
    ASSERT_NE(app->onboardingWindow().window(), nullptr);
    EXPECT_TRUE(app->onboardingWindow().window()->isVisible());
}

TEST_F(ShellTest, FinishedOnboardingIsNotShown) {
    f.settings.setHasCompletedOnboarding(true);
    auto app = launch();
    app->tray().showPopover();
    EXPECT_EQ(app->onboardingWindow().window(), nullptr);
}

TEST_F(ShellTest, EachShowingAsksForAnUnforcedUpdateCheck) {
    auto app = launch();
    app->tray().showPopover();
    // The first check fetches; the next showing within a day fetches nothing.
    ASSERT_TRUE(waitUntil([&] { return f.store.readDate(QStringLiteral("lastUpdateCheck")).has_value(); }));
    EXPECT_EQ(f.manifestRequests, 1);
    app->tray().showPopover();
    QTest::qWait(50);
    EXPECT_EQ(f.manifestRequests, 1);
}

TEST_F(ShellTest, OneSettingsWindowComesBackWithItsFrame) {
    auto app = launch();
    app->settingsWindow().show();
    QWidget* first = app->settingsWindow().window();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->windowTitle(), "Linkmeter Settings");
    app->settingsWindow().show();
    EXPECT_EQ(app->settingsWindow().window(), first);

    first->move(first->pos() + QPoint(30, 20));
    const QRect frame = first->geometry();
    first->close();
    EXPECT_FALSE(first->isVisible());
    app->settingsWindow().show();
    EXPECT_EQ(app->settingsWindow().window(), first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->geometry(), frame);
}

TEST(MenuBarLabelColour, PortalAndOfflineOverrideTheRating) {
    EXPECT_EQ(MenuBarLabel::colourName(CaptivePortalStatus::captivePortal(), QualityRating::excellent),
              "orange");
    EXPECT_EQ(MenuBarLabel::colourName(CaptivePortalStatus::noInternet("x"), QualityRating::excellent),
              "red");
    EXPECT_EQ(MenuBarLabel::colourName(CaptivePortalStatus::connected(), QualityRating::good), "green");
    EXPECT_EQ(MenuBarLabel::colourName(CaptivePortalStatus::unknown(), QualityRating::fair), "yellow");
    EXPECT_EQ(MenuBarLabel::colourName(CaptivePortalStatus::connected(), QualityRating::unknown), "gray");
}

TEST_F(ShellTest, HistoryEntryOfTheMenuOpensTheHistoryWindow) {
    auto app = launch();
    QAction* history = nullptr;
    for (QAction* action : app->tray().popoverView()->statusView()->menu()->actions())
        if (action->text() == "History...")
            history = action;
    ASSERT_NE(history, nullptr);
    history->trigger();
    QWidget* window = app->historyWindow().window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "Linkmeter History");
    EXPECT_NE(window->findChild<HistoryView*>(), nullptr);
}
