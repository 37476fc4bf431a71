#include "app/LinkmeterApp.h"

#include "app/TrayController.h"
#include "app/WindowController.h"
#include "platform/StatusItem.h"
#include "support/RawHttp.h"
#include "support/StatusFixture.h"
#include "support/TestUtil.h"
#include "viewmodel/MetricsPublisher.h"
#include "views/HistoryView.h"
#include "views/MainPopoverView.h"
#include "views/OnboardingView.h"
#include "views/ReadyPage.h"
#include "views/SettingsView.h"
#include "views/StatusView.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTcpServer>
#include <QWidget>

#include <vector>

namespace {

class ShellTest : public ::testing::Test {
protected:
    StatusFixture f;
    LinkmeterViewModel viewModel{f.services()};

    // With a tray (as on a desktop) nothing opens at launch; without one the popover does.
    std::unique_ptr<LinkmeterApp> launch(bool tray = true) {
        return std::make_unique<LinkmeterApp>(
            viewModel, f.shellServices(), f.notifications, f.location, nullptr, tray,
            LinkmeterApp::WindowServices{f.timeline, f.timelineWriter, f.clock, f.launchAtLogin});
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

TEST_F(ShellTest, OnlyGetStartedFinishesOnboardingForGood) {
    auto app = launch();
    app->tray().showPopover();
    QWidget* window = app->onboardingWindow().window();
    ASSERT_NE(window, nullptr);
    auto* onboarding = window->findChild<OnboardingView*>();
    ASSERT_NE(onboarding, nullptr);

    // Closed early: nothing written, so the next launch offers it again.
    onboarding->setCurrentPage(2);
    window->close();
    EXPECT_FALSE(f.store.contains(SettingsKey::hasCompletedOnboarding));

    app->onboardingWindow().show();
    EXPECT_EQ(app->onboardingWindow().window(), window);
    onboarding->setCurrentPage(3);
    QPointer<QWidget> finishedWindow(window);
    qobject_cast<ReadyPage*>(onboarding->page(3))->getStartedButton()->click();
    EXPECT_TRUE(f.settings.hasCompletedOnboarding());
    EXPECT_EQ(app->onboardingWindow().window(), nullptr);
    ASSERT_TRUE(waitUntil([&] { return finishedWindow.isNull(); }));
}

TEST_F(ShellTest, TheSettingsWindowFrameOutlivesTheProgram) {
    QRect frame;
    {
        auto app = launch();
        app->settingsWindow().show();
        QWidget* window = app->settingsWindow().window();
        window->move(window->pos() + QPoint(41, 23));
        frame = window->geometry();
        window->close();
    }
    EXPECT_TRUE(f.store.contains(SettingsKey::settingsWindowFrame));
    auto app = launch();
    app->settingsWindow().show();
    EXPECT_EQ(app->settingsWindow().window()->geometry(), frame);

    // A damaged frame is ignored: the window opens centred as on a first run.
    f.store.writeData(SettingsKey::settingsWindowFrame, QByteArray("not a frame"));
    auto another = launch();
    another->settingsWindow().show();
    const QPoint offCentre = another->settingsWindow().window()->geometry().center() -
                             QGuiApplication::primaryScreen()->availableGeometry().center();
    // Within rounding of the centre, well away from the saved (moved) frame.
    EXPECT_LE(offCentre.manhattanLength(), 10);
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
    EXPECT_EQ(first->windowTitle(), "Settings");
    app->settingsWindow().show();
    EXPECT_EQ(app->settingsWindow().window(), first);

    auto* view = first->findChild<SettingsView*>();
    ASSERT_NE(view, nullptr);
    view->tabs()->setCurrentIndex(SettingsView::thresholds);
    first->move(first->pos() + QPoint(30, 20));
    const QRect frame = first->geometry();
    first->close();
    EXPECT_FALSE(first->isVisible());
    app->settingsWindow().show();
    EXPECT_EQ(app->settingsWindow().window(), first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->geometry(), frame);
    EXPECT_EQ(view->tabs()->currentIndex(), SettingsView::thresholds);
}

TEST_F(ShellTest, HistoryEntryOfTheMenuOpensTheHistoryWindow) {
    auto app = launch();
    QAction* history = nullptr;
    for (QAction* action : app->tray().popoverView()->statusView()->findChild<QMenu*>()->actions())
        if (action->text() == "History...")
            history = action;
    ASSERT_NE(history, nullptr);
    history->trigger();
    QWidget* window = app->historyWindow().window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "History");
    EXPECT_NE(window->findChild<HistoryView*>(), nullptr);
}

TEST_F(ShellTest, TheDesktopAndTheMenusReachEveryActionByName) {
    f.settings.setHasCompletedOnboarding(true);
    auto app = launch();
    QWidget* popover = app->tray().popover();

    app->activate(QStringLiteral("diagnostics"));
    EXPECT_TRUE(popover->isVisible());
    EXPECT_TRUE(app->tray().popoverView()->showDiagnostics());
    popover->hide();

    const auto trayMenuTexts = [&] {
        QStringList texts;
        for (const QAction* action : app->tray().menu()->actions())
            texts << action->text();
        return texts;
    };
    app->activate(QStringLiteral("pause-monitoring"));
    EXPECT_FALSE(viewModel.isMonitoring());
    EXPECT_TRUE(trayMenuTexts().contains("Resume Monitoring"));
    EXPECT_FALSE(trayMenuTexts().contains("Pause Monitoring"));
    app->activate(QStringLiteral("resume-monitoring"));
    EXPECT_TRUE(viewModel.isMonitoring());

    app->activate(QStringLiteral("about"));
    ASSERT_NE(app->aboutWindow().window(), nullptr);
    EXPECT_TRUE(app->aboutWindow().window()->isVisible());

    // A plain launch, or a name this version does not know, opens the popover.
    app->activate(QStringLiteral("no-such-action"));
    EXPECT_TRUE(popover->isVisible());

    QSignalSpy quit(app.get(), &LinkmeterApp::quitRequested);
    app->activate(QStringLiteral("quit"));
    EXPECT_EQ(quit.count(), 1);
}

TEST_F(ShellTest, WithoutATrayClosingTheWindowEndsTheProgramAndEscapeKeepsIt) {
    auto app = launch(false);
    QWidget* window = app->tray().popover();
    ASSERT_TRUE(window->isVisible());
    QSignalSpy quit(app.get(), &LinkmeterApp::quitRequested);
    // The only way back to the program stays on screen.
    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_TRUE(window->isVisible());
    window->close();
    EXPECT_EQ(quit.count(), 1);
}

TEST_F(ShellTest, WithATrayClosingThePopoverKeepsTheProgram) {
    auto app = launch(true);
    app->tray().showPopover();
    QSignalSpy quit(app.get(), &LinkmeterApp::quitRequested);
    app->tray().popover()->close();
    EXPECT_FALSE(app->tray().popover()->isVisible());
    EXPECT_EQ(quit.count(), 0);
}

// Qt adds the application's display name to a window title unless the title already ends with it,
// so each title names the program at most once on the desktop.
TEST_F(ShellTest, WindowTitlesNameTheProgramOnceOnTheDesktop) {
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Linkmeter"));
    auto app = launch();
    app->tray().showPopover();
    const std::vector<std::pair<WindowController*, QString>> windows{
        {&app->settingsWindow(), "Settings"},
        {&app->historyWindow(), "History"},
        {&app->helpWindow(), "Help"},
        {&app->aboutWindow(), "About Linkmeter"},
        {&app->onboardingWindow(), "Welcome to Linkmeter"}};
    for (const auto& [controller, expected] : windows) {
        controller->show();
        const QString title = controller->window()->windowTitle();
        EXPECT_EQ(title, expected);
        const QString name = QGuiApplication::applicationDisplayName();
        const QString shown = title.endsWith(name) ? title : title + QStringLiteral(" — ") + name;
        EXPECT_EQ(shown.count(name), 1) << shown.toStdString();
    }
    QGuiApplication::setApplicationDisplayName(QString());
}

// Without an update feed nothing offers a check, and About says where updates come from.
TEST_F(ShellTest, WithoutAnUpdateFeedUpdatesAreThePackageManagers) {
    UpdateService::Setup setup = f.updateSetup();
    setup.versionURL = QUrl();
    UpdateService packaged(f.updateHttp, f.store, f.clock, f.inspector, f.revealer, f.application, setup);
    const ShellServices services{f.settings, f.memory,         f.brands,      packaged,
                                 f.exporter, f.scannerService, f.networkInfo, f.scheduler};
    LinkmeterApp app(viewModel, services, f.notifications, f.location, nullptr, true,
                     {f.timeline, f.timelineWriter, f.clock, f.launchAtLogin});
    app.tray().showPopover();
    for (QAction* action : app.tray().popoverView()->statusView()->findChild<QMenu*>()->actions())
        EXPECT_NE(action->text(), "Check for Updates...");
    for (QAction* action : app.tray().menu()->actions())
        EXPECT_NE(action->text(), "Check for Updates...");
    EXPECT_EQ(f.manifestRequests, 0);
    app.aboutWindow().show();
    const auto* updates = app.aboutWindow().window()->findChild<QLabel*>(QStringLiteral("updates"));
    ASSERT_NE(updates, nullptr);
    EXPECT_EQ(updates->text(), "Updates come with your package manager");

    // With a feed the menu offers the check.
    auto withFeed = launch();
    bool offered = false;
    for (QAction* action : withFeed->tray().popoverView()->statusView()->findChild<QMenu*>()->actions())
        offered = offered || action->text() == "Check for Updates...";
    EXPECT_TRUE(offered);
}

TEST_F(ShellTest, TheSettingServesTheTraysFiguresFromLaunchOn) {
    QTcpServer probe; // a free port for the address
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
    const quint16 port = probe.serverPort();
    probe.close();
    f.settings.setMetricsAddress(QStringLiteral("127.0.0.1:%1").arg(port));
    f.settings.setServeMetrics(true);

    auto app = launch();
    const RawReply reply = scrape(port);
    EXPECT_EQ(reply.status, 200);
    EXPECT_TRUE(reply.body.contains("linkmeter_build_info"));
    f.settings.setServeMetrics(false);
    EXPECT_EQ(scrape(port).status, 0);
}
