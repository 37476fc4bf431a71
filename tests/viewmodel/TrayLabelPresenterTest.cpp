#include "viewmodel/TrayLabelPresenter.h"

#include "support/ViewModelFixture.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

TEST(TrayLabel, PortalAndOfflineOverrideTheRating) {
    EXPECT_EQ(trayTone(CaptivePortalStatus::captivePortal(), QualityRating::excellent), Tone::orange);
    EXPECT_EQ(trayTone(CaptivePortalStatus::noInternet("x"), QualityRating::excellent), Tone::red);
    EXPECT_EQ(trayTone(CaptivePortalStatus::connected(), QualityRating::good), Tone::green);
    EXPECT_EQ(trayTone(CaptivePortalStatus::unknown(), QualityRating::fair), Tone::yellow);
    EXPECT_EQ(trayTone(CaptivePortalStatus::connected(), QualityRating::unknown), Tone::gray);
}

TEST(TrayLabel, TheNumberGoesIntoTheIconOnlyWhereAskedAndTheTooltipReadsTheText) {
    TrayLabelInputs in{"23ms • 87",         "87", "globe", CaptivePortalStatus::connected(),
                       QualityRating::good, true, true};
    TrayLabel label = trayLabel(in);
    EXPECT_EQ(label.text, "23ms • 87");
    EXPECT_EQ(label.toolTip, "Linkmeter: 23ms • 87");
    EXPECT_EQ(label.iconValue, "87");
    EXPECT_EQ(label.iconName, "globe");

    in.valueInIcon = false;
    EXPECT_EQ(trayLabel(in).iconValue, "");
    in.text.reset();
    label = trayLabel(in);
    EXPECT_EQ(label.text, "");
    EXPECT_EQ(label.toolTip, "Linkmeter");
}

TEST(TrayLabelPresenter, SaysChangedOnlyWhenTheLabelChanges) {
    ViewModelFixture f;
    LinkmeterViewModel viewModel(f.services());
    // Desktops that draw the text beside the icon keep the symbol unless told otherwise.
    TrayLabelPresenter presenter(viewModel, f.settings, "GNOME");
    QSignalSpy changed(&presenter, &TrayLabelPresenter::changed);
    QTest::qWait(50);
    changed.clear();

    emit viewModel.connectionQualityChanged(viewModel.connectionQuality());
    emit viewModel.bandwidthSpeedChanged(viewModel.bandwidthSpeed());
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(presenter.screen().iconValue, "");

    f.settings.setIconValueMode(IconValueMode::on);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_FALSE(presenter.screen().iconValue.isEmpty());
    f.settings.setShowMenuBarIcon(false);
    EXPECT_EQ(changed.count(), 2);
    EXPECT_FALSE(presenter.screen().showIcon);
}
