#pragma once

#include "core/AppSettings.h"
#include "core/LocationService.h"
#include "core/LoginItemController.h"
#include "diagnosis/NotificationService.h"
#include "platform/NotificationCenter.h"
#include "support/ManualClock.h"
#include "support/MemoryPreferencesStore.h"
#include "support/PlatformFakes.h"
#include "support/TestUtil.h"

// A notification centre whose permission the test decides; a request grants it when `grantOnRequest`.
class ScriptedNotificationCenter final : public NotificationCenter {
public:
    QFuture<bool> authorizationStatus() override { return QtFuture::makeReadyFuture(allowed); }
    QFuture<NotificationAuthorization> requestAuthorization() override {
        ++requests;
        allowed = allowed || grantOnRequest;
        return QtFuture::makeReadyFuture(NotificationAuthorization{
            allowed, std::nullopt, allowed ? std::nullopt : std::optional(refusal)});
    }
    QFuture<std::optional<QString>> add(const NotificationRequest&) override {
        return QtFuture::makeReadyFuture(std::optional<QString>());
    }
    bool allowed = false;
    bool grantOnRequest = true;
    QString refusal = QStringLiteral("No notification service is running. Start one.");
    int requests = 0;
};

// The settings, permissions and notification service the auxiliary windows show, on fakes; both
// permissions start missing.
struct SettingsFixture {
    MemoryPreferencesStore store;
    FakeLoginItems loginItems;
    AppSettings settings{store};
    LoginItemController launchAtLogin{store, loginItems};
    ScriptedNotificationCenter center;
    ManualClock clock;
    NotificationService notifications{center, settings, clock};
    FakeLocationAuthorization authorization{location_status::notDetermined};
    LocationService location{authorization};

    void grantLocation() {
        authorization.status = location_status::authorizedWhenInUse;
        authorization.changed();
    }
};
