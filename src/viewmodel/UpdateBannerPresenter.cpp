#include "viewmodel/UpdateBannerPresenter.h"

#include "reports/UpdateService.h"

UpdateBannerScreen updateBannerScreen(const UpdateBannerInputs& inputs) {
    using Page = UpdateBannerScreen::Page;
    UpdateBannerScreen screen;
    if (inputs.updateReady) {
        screen.page = Page::ready;
    } else if (inputs.isDownloading) {
        screen.page = Page::downloading;
        screen.progressSteps =
            static_cast<int>(inputs.downloadProgress * UpdateBannerPresenter::progressSteps);
        // The product can land just under a whole number (0.29 * 100 is 28.999...).
        screen.percent = UpdateBannerPresenter::tr("%1%").arg(
            static_cast<long long>(inputs.downloadProgress * 100.0 + 1e-9));
    } else if (inputs.updateAvailable) {
        screen.page = Page::available;
        screen.title = UpdateBannerPresenter::tr("Update Available: %1").arg(inputs.latestVersion);
        screen.releaseNotes = inputs.releaseNotes;
    }
    return screen;
}

UpdateBannerPresenter::UpdateBannerPresenter(UpdateService& service, QObject* parent)
    : QObject(parent), m_service(service) {
    for (auto changed : {&UpdateService::updateAvailableChanged, &UpdateService::isDownloadingChanged,
                         &UpdateService::updateReadyChanged})
        connect(&m_service, changed, this, &UpdateBannerPresenter::recompute);
    connect(&m_service, &UpdateService::latestVersionChanged, this, &UpdateBannerPresenter::recompute);
    connect(&m_service, &UpdateService::releaseNotesChanged, this, &UpdateBannerPresenter::recompute);
    connect(&m_service, &UpdateService::downloadProgressChanged, this, &UpdateBannerPresenter::recompute);
    recompute();
}

bool UpdateBannerPresenter::checksForUpdates() const {
    return m_service.checksForUpdates();
}

void UpdateBannerPresenter::update() {
    m_service.downloadUpdate();
}

void UpdateBannerPresenter::dismiss() {
    m_service.setUpdateAvailable(false);
}

void UpdateBannerPresenter::relaunch() {
    m_service.relaunchApp();
}

void UpdateBannerPresenter::recompute() {
    m_screen = updateBannerScreen({m_service.updateReady(), m_service.isDownloading(),
                                   m_service.updateAvailable(), m_service.latestVersion(),
                                   m_service.releaseNotes(), m_service.downloadProgress()});
    emit changed();
}
