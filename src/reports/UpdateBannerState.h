#pragma once

// What the update banner shows.
enum class UpdateBannerState { hidden, available, downloading, ready };

// A ready update wins over a running download, which wins over an offered one.
constexpr UpdateBannerState updateBannerState(bool updateReady, bool isDownloading, bool updateAvailable) {
    if (updateReady)
        return UpdateBannerState::ready;
    if (isDownloading)
        return UpdateBannerState::downloading;
    if (updateAvailable)
        return UpdateBannerState::available;
    return UpdateBannerState::hidden;
}
