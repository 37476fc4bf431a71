#include "viewmodel/DiagnosticsPresenter.h"

#include "support/TestUtil.h"
#include "support/ViewModelFixture.h"
#include "viewmodel/LinkmeterViewModel.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

TEST(DiagnosticsPresenterTest, FollowsTheViewModelAndRunsThePagesActions) {
    ViewModelFixture f;
    LinkmeterViewModel viewModel(f.services());
    DiagnosticsPresenter presenter(f.exporter);
    QSignalSpy changed(&presenter, &DiagnosticsPresenter::changed);
    // Unbound, the page's actions reach nothing.
    presenter.startMonitoring();
    EXPECT_FALSE(viewModel.isMonitoring());
    presenter.bind(viewModel);
    EXPECT_FALSE(presenter.screen().isMonitoring);

    presenter.startMonitoring();
    EXPECT_TRUE(viewModel.isMonitoring());
    EXPECT_TRUE(presenter.screen().isMonitoring);
    ASSERT_TRUE(waitUntil([&] { return presenter.screen().internetPingStats.samplesCount >= 1; }));
    EXPECT_EQ(presenter.screen(), DiagnosticsState::of(viewModel));
    EXPECT_GE(changed.count(), 2);

    presenter.stopMonitoring();
    EXPECT_FALSE(presenter.screen().isMonitoring);
    // Nothing the page shows moved: no redraw asked for.
    const int before = changed.count();
    emit viewModel.isMonitoringChanged(false);
    EXPECT_EQ(changed.count(), before);

    presenter.copySummary();
    EXPECT_FALSE(f.clipboard.text.isEmpty());
    presenter.exportReport();
    EXPECT_EQ(f.saveDialog.requests.size(), 1u);
}

TEST(DiagnosticsPresenterTest, TheScreenshotShowsWhatThePageShows) {
    ViewModelFixture f;
    DiagnosticsPresenter presenter(f.exporter);
    DiagnosticsState state;
    state.gatewayIP = "10.0.0.1";
    presenter.setScreen(state);
    std::optional<std::string> drawn;
    EXPECT_TRUE(presenter.copyScreenshot([&](const DiagnosticsState& shown, double) {
        drawn = shown.gatewayIP;
        return QImage(4, 4, QImage::Format_ARGB32);
    }));
    EXPECT_EQ(drawn, "10.0.0.1");
    EXPECT_FALSE(f.clipboard.image.isNull());
    // A picture that could not be drawn reaches no clipboard.
    EXPECT_FALSE(presenter.copyScreenshot([](const DiagnosticsState&, double) { return QImage(); }));
}
