#pragma once

#include "app/ShellServices.h"
#include "core/LoginItemController.h"
#include "diagnosis/NetworkMemoryService.h"
#include "diagnosis/RouterBrandService.h"
#include "history/TimelineDatabase.h"
#include "history/TimelineQueries.h"
#include "history/TimelineWriter.h"
#include "probes/WiFiScannerService.h"
#include "reports/UpdateService.h"
#include "support/FakeHttpClient.h"
#include "support/TestReleaseKey.h"
#include "support/UpdateFakes.h"
#include "support/ViewModelFixture.h"

#include <QTemporaryDir>

// The services the status view and the shell reach besides the view model, on fake platforms.
// The update manifest offers the running release, so no check changes anything on screen.
struct StatusFixture : ViewModelFixture {
    MemoryPreferencesStore memoryStore;
    NetworkMemoryService memory{memoryStore, clock};
    RouterBrandService brands;
    TestReleaseKey releaseKey;
    FakeHttpClient updateHttp;
    int manifestRequests = 0;
    FakePackageInspector inspector;
    RecordingFileRevealer revealer;
    FakeApplicationControl application;
    QTemporaryDir downloads;
    UpdateService updates{updateHttp, store, clock, inspector, revealer, application, updateSetup()};
    ScriptedWiFiScanner scanner;
    WiFiScannerService scannerService{scanner, clock};
    QTemporaryDir data;
    TimelineDatabase timelineDatabase{data.filePath("history.sqlite"), clock};
    TimelineWriter timelineWriter{timelineDatabase, clock};
    TimelineQueries timeline{timelineDatabase};
    FakeLoginItems loginItems;
    LoginItemController launchAtLogin{store, loginItems};

    StatusFixture() {
        const auto feed = releaseKey.feed([] {
            return QByteArray(R"({"version": "1.0", "build": 1, "releaseNotes": "", "minOS": "12",
                "dmgURL": "https://updates.example.test/Linkmeter-1.0.deb", "sha256": ")" +
                              QByteArray(64, '0') + "\"}");
        });
        updateHttp.onGet = [this, feed](const QUrl& url) {
            if (!url.path().endsWith(".sig"))
                ++manifestRequests;
            return feed(url);
        };
    }

    UpdateService::Setup updateSetup() {
        UpdateService::Setup setup;
        setup.versionURL = QUrl("https://updates.example.test/version.json");
        setup.releaseKey = releaseKey.publicHex();
        setup.runningVersion = "1.0";
        setup.runningBuild = "1";
        setup.downloadFolder = downloads.path();
        return setup;
    }

    ShellServices shellServices() {
        return {settings, memory, brands, updates, exporter, scannerService, networkInfo, scheduler};
    }
};
