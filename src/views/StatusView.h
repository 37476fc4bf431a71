#pragma once

#include "viewmodel/StatusPresenter.h"
#include "views/AppActions.h"
#include "views/kit/FlashMessage.h"

#include <QWidget>

#include <optional>

class ActionableTipView;
class CaptivePortalBanner;
class IssueSummaryView;
class NoInternetBanner;
class PermissionPromptView;
class QMenu;
class QToolButton;
class QVBoxLayout;
class Scheduler;
class StatusCard;
class UpdateBanner;

// The popover's default page: banners, the status card, permission prompts, the headline issue,
// the top tip, and a bar with the diagnostics button, share and the menu.
class StatusView final : public QWidget {
    Q_OBJECT

public:
    // `scheduler` times the confirmation after a copy.
    StatusView(StatusPresenter& presenter, Scheduler& scheduler, QWidget* parent = nullptr);

signals:
    void showDiagnostics();
    // An entry of the menu: history, settings, help, update check, about or quit.
    void actionTriggered(AppAction action);
    void openAddress(const QString& address);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void refresh();
    void share();
    void setShareFeedback(bool on);

    StatusPresenter& m_presenter;
    QVBoxLayout* m_layout = nullptr;
    CaptivePortalBanner* m_portalBanner = nullptr;
    NoInternetBanner* m_noInternetBanner = nullptr;
    UpdateBanner* m_updateBanner = nullptr;
    StatusCard* m_card = nullptr;
    PermissionPromptView* m_locationPrompt = nullptr;
    PermissionPromptView* m_notificationPrompt = nullptr;
    IssueSummaryView* m_issue = nullptr;
    ActionableTipView* m_tipView = nullptr;
    std::optional<StatusTipScreen> m_shownTip;
    QToolButton* m_shareButton = nullptr;
    QMenu* m_menu = nullptr;
    // The checkmark that stands in for the share symbol after a copy.
    FlashMessage m_shareFeedback;
};
