#pragma once

#include "core/ConnectionQuality.h"
#include "core/Tone.h"
#include "core/WiFiInfo.h"
#include "diagnosis/ConnectionIssue.h"
#include "diagnosis/NetworkInsight.h"
#include "diagnosis/RouterBrand.h"
#include "diagnosis/Tip.h"
#include "probes/CaptivePortalStatus.h"
#include "viewmodel/UpdateBannerPresenter.h"

#include <QImage>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

class AppSettings;
class ExportService;
class LinkmeterViewModel;
class NetworkMemoryService;
class NotificationService;
class RouterBrandService;
class UpdateService;

// What the status view is computed from: the view model's values and the notification permission.
struct StatusInputs {
    std::optional<WiFiInfo> wifiInfo;
    ConnectionQuality quality;
    bool isMonitoring = false;
    bool locationAuthorized = true;
    bool notificationsAuthorized = true;
    CaptivePortalStatus captivePortalStatus;
    std::optional<ConnectionIssue> currentIssue;
    std::vector<Tip> tips;
    double internetAverageLatency = 0.0;

    static StatusInputs of(const LinkmeterViewModel& viewModel, const NotificationService& notifications);
};

// The link at a glance, as the status card shows it.
struct StatusCardScreen {
    QString network;
    // A name in the primary colour; the not-connected texts are dimmed.
    bool networkKnown = false;
    // Band and router brand; absent without a link.
    std::optional<QString> details;
    bool showsLocationRequired = false;
    // The signal bars are shown only with a link.
    std::optional<int> rssi;
    bool showsSignal = false;
    QString score;
    // The score and rating as a screen reader says them.
    QString scoreSpoken;
    QString headline;
    QString description;
    Tone rating = Tone::gray;
    struct Insight {
        QString symbol;
        QString text;
        Tone tone = Tone::green;
        bool operator==(const Insight&) const = default;
    };
    std::optional<Insight> insight;
    bool showsPaused = false;

    bool operator==(const StatusCardScreen&) const = default;
};

struct IssueSummaryScreen {
    QString symbol;
    QString message;
    Tone tone = Tone::gray;
    bool operator==(const IssueSummaryScreen&) const = default;
};

// The tip on show: its texts and, for a router with a settings page, the button that opens it.
struct StatusTipScreen {
    QString title;
    QString description;
    std::optional<QString> action;
    std::optional<QString> adminButton;
    QString adminAddress;
    bool operator==(const StatusTipScreen&) const = default;
};

struct StatusScreen {
    bool compact = false;
    bool showsPortalBanner = false;
    std::optional<QString> noInternetMessage;
    StatusCardScreen card;
    bool showsLocationPrompt = false;
    bool showsNotificationPrompt = false;
    std::optional<IssueSummaryScreen> issue;
    std::optional<StatusTipScreen> tip;

    bool operator==(const StatusScreen&) const = default;
};

// What the status screen needs besides its inputs: the settings that shape it and what the program
// knows about the current network.
struct StatusContext {
    bool compact = false;
    bool showTips = true;
    std::optional<RouterBrand> brand;
    std::optional<NetworkInsight> insight;
};

// The brand's own advice for the issue when there is some, else the first generic tip.
std::optional<Tip> topTip(std::optional<RouterBrand> brand, std::optional<ConnectionIssue> issue,
                          const std::vector<Tip>& tips);

StatusScreen statusScreen(const StatusInputs& inputs, const StatusContext& context);

// The picture the share button copies is drawn from these.
struct StatusShot {
    std::optional<WiFiInfo> wifiInfo;
    ConnectionQuality quality;
    std::optional<Tip> tip;
};

// The status view's side of the program: identifies the router, keeps the network memory of the link
// as the screen is drawn, picks the tip, and runs the view's actions.
class StatusPresenter final : public QObject {
    Q_OBJECT

public:
    struct Services {
        AppSettings& settings;
        NetworkMemoryService& memory;
        RouterBrandService& brands;
        UpdateService& updates;
        ExportService& exporter;
    };

    explicit StatusPresenter(Services services, QObject* parent = nullptr);

    // Follows the view model and the notification permission from now on, and runs their actions.
    void bind(LinkmeterViewModel& viewModel, NotificationService& notifications);
    void setInputs(StatusInputs inputs);
    // Each computation while the screen is on show records one measurement of the link.
    void setOnScreen(bool onScreen);

    const StatusScreen& screen() const { return m_screen; }
    UpdateBannerPresenter& updateBanner() { return m_updateBanner; }

    void requestLocation();
    void requestNotifications();
    void openLoginPage();
    // Copies the picture `render` draws at a scale to the clipboard; false when nothing was copied.
    bool share(const std::function<QImage(const StatusShot& shot, double scale)>& render);

signals:
    void changed();

private:
    void recompute();

    Services m_services;
    UpdateBannerPresenter m_updateBanner;
    LinkmeterViewModel* m_viewModel = nullptr;
    NotificationService* m_notifications = nullptr;
    StatusInputs m_inputs;
    bool m_onScreen = false;
    StatusScreen m_screen;
};
