#include "viewmodel/DiagnosticsPresenter.h"

#include "support/TestUtil.h"
#include "support/ViewModelFixture.h"
#include "viewmodel/LinkmeterViewModel.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

TEST(DiagnosticsPresenterTest, FollowsTheViewModelAndRunsThePagesActions) {
    ViewModelFixture f;
    LinkmeterViewModel viewModel(f.services());
    DiagnosticsPresenter presenter(viewModel);
    QSignalSpy changed(&presenter, &DiagnosticsPresenter::changed);
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
