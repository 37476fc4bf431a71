#include "views/UpdateBanner.h"

#include "reports/UpdateService.h"
#include "support/FakeHttpClient.h"
#include "support/ManualClock.h"
#include "support/MemoryPreferencesStore.h"
#include "support/TestReleaseKey.h"
#include "support/TestUtil.h"
#include "support/UpdateFakes.h"
#include "viewmodel/UpdateBannerPresenter.h"
#include "views/ActivityIndicator.h"

#include <QCryptographicHash>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

class UpdateBannerTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The download below sends 1000 bytes of 'x'.
        const QByteArray digest =
            QCryptographicHash::hash(QByteArray(1000, 'x'), QCryptographicHash::Sha256).toHex();
        http.onGet = releaseKey.feed([digest] {
            return R"({"version": "1.4.2", "build": 9, "releaseNotes": "Faster scans", "minOS": "12",
                "dmgURL": "https://updates.example.test/Linkmeter-1.4.2.deb", "sha256": ")" +
                   digest + "\"}";
        });
        UpdateService::Setup setup;
        setup.versionURL = QUrl("https://updates.example.test/version.json");
        setup.releaseKey = releaseKey.publicHex();
        setup.runningVersion = "1.0";
        setup.runningBuild = "1";
        setup.downloadFolder = downloads.path();
        service =
            std::make_unique<UpdateService>(http, store, clock, inspector, revealer, application, setup);
        // Placed in a view, as the status view does; the view is shown, the banner only when it has news.
        host = std::make_unique<QWidget>();
        presenter = std::make_unique<UpdateBannerPresenter>(*service);
        banner = new UpdateBanner(*presenter, host.get());
        (new QVBoxLayout(host.get()))->addWidget(banner);
        host->show();
    }

    void check() {
        ASSERT_TRUE(waitUntil([f = service->checkForUpdates(true)] { return f.isFinished(); }));
    }
    QString text(const char* name) const { return banner->findChild<QLabel*>(name)->text(); }
    bool shows(const char* name) const { return banner->findChild<QWidget*>(name)->isVisible(); }
    QPushButton* button(const QString& title) const {
        for (QPushButton* b : banner->findChildren<QPushButton*>())
            if (b->text() == title)
                return b;
        return nullptr;
    }

    TestReleaseKey releaseKey;
    FakeHttpClient http;
    MemoryPreferencesStore store;
    ManualClock clock;
    FakePackageInspector inspector;
    RecordingFileRevealer revealer;
    FakeApplicationControl application;
    QTemporaryDir downloads;
    std::unique_ptr<UpdateService> service;
    std::unique_ptr<UpdateBannerPresenter> presenter;
    std::unique_ptr<QWidget> host;
    UpdateBanner* banner = nullptr;
};

} // namespace

TEST_F(UpdateBannerTest, LeadsFromTheOfferThroughTheDownloadToTheRelaunch) {
    EXPECT_TRUE(banner->isHidden());
    check();
    EXPECT_TRUE(shows("updateTitle"));
    EXPECT_FALSE(banner->isHidden());
    EXPECT_TRUE(shows("updateTitle"));
    EXPECT_EQ(text("updateTitle"), "Update Available: 1.4.2");
    EXPECT_EQ(text("releaseNotes"), "Faster scans");

    button("Update")->click();
    EXPECT_TRUE(shows("downloadPercent"));
    EXPECT_TRUE(shows("downloadingTitle"));
    EXPECT_FALSE(button("Update")->isVisible());
    EXPECT_TRUE(banner->findChild<ActivityIndicator*>()->isAnimating());
    ASSERT_EQ(http.downloads.size(), 1u);
    auto& download = *http.downloads[0];
    download.respond(1000);
    download.send(QByteArray(290, 'x'));
    EXPECT_EQ(text("downloadPercent"), "29%");
    EXPECT_EQ(banner->findChild<QProgressBar*>()->value(), 290);
    download.send(QByteArray(710, 'x'));
    EXPECT_EQ(text("downloadPercent"), "100%");
    download.finish();

    ASSERT_TRUE(waitUntil([&] { return shows("readyTitle"); }));
    EXPECT_TRUE(shows("readyTitle"));
    EXPECT_EQ(text("readyTitle"), "Update Ready!");
    EXPECT_EQ(text("readyHint"), "Install the package, then relaunch");
    EXPECT_FALSE(banner->findChild<ActivityIndicator*>()->isAnimating());
    button("Relaunch Linkmeter")->click();
    EXPECT_EQ(application.started.size(), 1u);
}

TEST_F(UpdateBannerTest, AFailedDownloadOffersTheUpdateAgainAndDismissingHidesIt) {
    check();
    button("Update")->click();
    http.downloads[0]->finish(QStringLiteral("The network connection was lost."));
    ASSERT_TRUE(waitUntil([&] { return shows("updateTitle"); }));
    EXPECT_EQ(service->downloadError(), "The network connection was lost.");
    EXPECT_TRUE(button("Update")->isVisible());
    for (const QLabel* label : banner->findChildren<QLabel*>())
        EXPECT_FALSE(label->text().contains("connection was lost")) << "the banner never shows errors";

    banner->findChild<QToolButton*>()->click();
    EXPECT_TRUE(banner->isHidden());
    EXPECT_FALSE(service->updateAvailable());
    check();
    EXPECT_FALSE(banner->isHidden()) << "the next check that finds the release offers it again";
}
