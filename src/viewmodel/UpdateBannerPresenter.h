#pragma once

#include <QObject>
#include <QString>

class UpdateService;

// What the update banner shows. A ready update wins over a running download, which wins over an
// offered one.
struct UpdateBannerScreen {
    enum class Page { hidden, available, downloading, ready };

    Page page = Page::hidden;
    // Available: the offer and its notes.
    QString title;
    QString releaseNotes;
    // Downloading: how far, in thousandths and as a whole percentage.
    int progressSteps = 0;
    QString percent;

    bool operator==(const UpdateBannerScreen&) const = default;
};

struct UpdateBannerInputs {
    bool updateReady = false;
    bool isDownloading = false;
    bool updateAvailable = false;
    QString latestVersion;
    QString releaseNotes;
    double downloadProgress = 0.0;
};

UpdateBannerScreen updateBannerScreen(const UpdateBannerInputs& inputs);

// The update banner's side of the update service: follows the offer, the download and the ready
// package, and passes the user's choices on.
class UpdateBannerPresenter final : public QObject {
    Q_OBJECT

public:
    static constexpr int progressSteps = 1000;

    explicit UpdateBannerPresenter(UpdateService& service, QObject* parent = nullptr);

    const UpdateBannerScreen& screen() const { return m_screen; }
    // A build without an update feed leaves updates to the package manager.
    bool checksForUpdates() const;

    void update();
    void dismiss();
    void relaunch();

signals:
    void changed();

private:
    void recompute();

    UpdateService& m_service;
    UpdateBannerScreen m_screen;
};
