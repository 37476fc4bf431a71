#include "viewmodel/UpdateBannerPresenter.h"

#include <gtest/gtest.h>

using Page = UpdateBannerScreen::Page;

namespace {
UpdateBannerInputs inputs(bool ready, bool downloading, bool available, double progress = 0.0) {
    UpdateBannerInputs in;
    in.updateReady = ready;
    in.isDownloading = downloading;
    in.updateAvailable = available;
    in.latestVersion = "1.4.2";
    in.releaseNotes = "Faster scans";
    in.downloadProgress = progress;
    return in;
}
} // namespace

TEST(UpdateBannerScreen, ReadyThenDownloadingThenAvailable) {
    EXPECT_EQ(updateBannerScreen(inputs(true, true, true)).page, Page::ready);
    EXPECT_EQ(updateBannerScreen(inputs(false, true, true)).page, Page::downloading);
    EXPECT_EQ(updateBannerScreen(inputs(false, false, true)).page, Page::available);
    EXPECT_EQ(updateBannerScreen(inputs(false, false, false)).page, Page::hidden);
}

TEST(UpdateBannerScreen, OfferAndProgressTexts) {
    const UpdateBannerScreen offer = updateBannerScreen(
        {.updateAvailable = true, .latestVersion = "1.4.2", .releaseNotes = "Faster scans"});
    EXPECT_EQ(offer.title, "Update Available: 1.4.2");
    EXPECT_EQ(offer.releaseNotes, "Faster scans");

    // Products that land just under a whole number still read as that number.
    for (const auto& [progress, steps, percent] :
         std::vector<std::tuple<double, int, QString>>{{0.0, 0, "0%"},
                                                       {0.29, 290, "29%"},
                                                       {0.57, 570, "57%"},
                                                       {0.999, 999, "99%"},
                                                       {1.0, 1000, "100%"}}) {
        const UpdateBannerScreen screen = updateBannerScreen(inputs(false, true, true, progress));
        EXPECT_EQ(screen.percent, percent) << progress;
        EXPECT_NEAR(screen.progressSteps, steps, 1) << progress;
    }
}
