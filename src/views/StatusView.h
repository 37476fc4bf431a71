#pragma once

#include "core/ConnectionQuality.h"
#include "core/WiFiInfo.h"
#include "diagnosis/ConnectionIssue.h"
#include "diagnosis/RouterBrand.h"
#include "diagnosis/Tip.h"
#include "probes/CaptivePortalStatus.h"
#include "viewmodel/UpdateBannerPresenter.h"
#include "views/AppActions.h"
#include "views/PopoverServices.h"
#include "views/kit/FlashMessage.h"

#include <QWidget>

#include <optional>
#include <vector>

class ActionableTipView;
class AppSettings;
class CaptivePortalBanner;
class ExportService;
class IssueSummaryView;
class LinkmeterViewModel;
class NetworkMemoryService;
class NoInternetBanner;
class NotificationService;
class PermissionPromptView;
class QMenu;
class QToolButton;
class QVBoxLayout;
class RouterBrandService;
class StatusCard;
class UpdateBanner;
class UpdateService;

// The popover's default page: banners, the status card, permission prompts, the headline issue,
// the top tip, and a bar with the diagnostics button, share and the menu.
class StatusView final : public QWidget {
    Q_OBJECT

public:
    // What the view shows, read from the view model and the notification service.
    struct State {
        std::optional<WiFiInfo> wifiInfo;
        ConnectionQuality quality;
        bool isMonitoring = false;
        bool locationAuthorized = true;
        bool notificationsAuthorized = true;
        CaptivePortalStatus captivePortalStatus;
        std::optional<ConnectionIssue> currentIssue;
        std::vector<Tip> tips;
        double internetAverageLatency = 0.0;

        static State of(const LinkmeterViewModel& viewModel, const NotificationService& notifications);
    };

    // The brand's own advice for the issue when there is some, else the first generic tip.
    static std::optional<Tip> topTip(std::optional<RouterBrand> brand, std::optional<ConnectionIssue> issue,
                                     const std::vector<Tip>& tips);

    explicit StatusView(PopoverServices services, QWidget* parent = nullptr);

    // Follows the view model and the notification permission from now on, and runs their actions.
    void bind(LinkmeterViewModel& viewModel, NotificationService& notifications);
    void setState(State state);
    const State& state() const { return m_state; }

    const StatusCard* card() const { return m_card; }
    // The tip on show, if any.
    const ActionableTipView* tipView() const { return m_tipView; }
    bool showsShareFeedback() const { return m_shareFeedback.message().has_value(); }
    QMenu* menu() const { return m_menu; }
    void share();

signals:
    void showDiagnostics();
    // An entry of the menu: history, settings, help, update check, about or quit.
    void actionTriggered(AppAction action);
    void requestLocation();
    void requestNotifications();
    void openLoginPage();
    void openAddress(const QString& address);

private:
    void refresh();
    void setShareFeedback(bool on);

    PopoverServices m_services;
    State m_state;
    QVBoxLayout* m_layout = nullptr;
    CaptivePortalBanner* m_portalBanner = nullptr;
    NoInternetBanner* m_noInternetBanner = nullptr;
    UpdateBannerPresenter m_updatePresenter;
    UpdateBanner* m_updateBanner = nullptr;
    StatusCard* m_card = nullptr;
    PermissionPromptView* m_locationPrompt = nullptr;
    PermissionPromptView* m_notificationPrompt = nullptr;
    IssueSummaryView* m_issue = nullptr;
    ActionableTipView* m_tipView = nullptr;
    std::optional<Tip> m_shownTip;
    QToolButton* m_shareButton = nullptr;
    QMenu* m_menu = nullptr;
    // The checkmark that stands in for the share symbol after a copy.
    FlashMessage m_shareFeedback;
};
