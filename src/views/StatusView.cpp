#include "views/StatusView.h"

#include "views/ActionableTipView.h"
#include "views/CaptivePortalBanner.h"
#include "views/IssueSummaryView.h"
#include "views/NoInternetBanner.h"
#include "views/PermissionPromptView.h"
#include "views/StatusCard.h"
#include "views/StatusScreenshotView.h"
#include "views/UpdateBanner.h"
#include "views/WidgetSnapshot.h"
#include "views/kit/Buttons.h"
#include "views/kit/FlashMessage.h"
#include "views/kit/Metrics.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Metrics;

StatusView::StatusView(StatusPresenter& presenter, Scheduler& scheduler, QWidget* parent)
    : QWidget(parent), m_presenter(presenter), m_shareFeedback(scheduler) {
    setFixedWidth(popoverWidth);
    // The popover is a shade off the window colour so the status card stands out on it.
    setObjectName(QStringLiteral("statusView"));
    styleBox(this, Colour::controlBackground, 1.0, Radius::none);
    m_layout = new QVBoxLayout(this);

    m_portalBanner = new CaptivePortalBanner(this);
    connect(m_portalBanner, &CaptivePortalBanner::openLoginPage, &m_presenter,
            &StatusPresenter::openLoginPage);
    m_layout->addWidget(m_portalBanner);
    m_noInternetBanner = new NoInternetBanner(this);
    m_layout->addWidget(m_noInternetBanner);
    m_updateBanner = new UpdateBanner(m_presenter.updateBanner(), this);
    m_layout->addWidget(m_updateBanner);
    m_card = new StatusCard(this);
    m_layout->addWidget(m_card);
    m_locationPrompt = new PermissionPromptView(QStringLiteral("location.fill"), Tone::blue,
                                                tr("Allow location to see network name"), tr("Allow"), this);
    connect(m_locationPrompt, &PermissionPromptView::triggered, &m_presenter,
            &StatusPresenter::requestLocation);
    m_layout->addWidget(m_locationPrompt);
    m_notificationPrompt =
        new PermissionPromptView(QStringLiteral("bell.fill"), Tone::orange,
                                 tr("Get alerts when connection has issues"), tr("Enable"), this);
    connect(m_notificationPrompt, &PermissionPromptView::triggered, &m_presenter,
            &StatusPresenter::requestNotifications);
    m_layout->addWidget(m_notificationPrompt);
    m_issue = new IssueSummaryView(this);
    m_layout->addWidget(m_issue);

    auto* bar = new QHBoxLayout;
    bar->setSpacing(Space::l);
    auto* diagnostics = new QPushButton(
        buttonSymbol(QStringLiteral("waveform.path.ecg"), this, SymbolSize::xl), tr("Diagnostics"), this);
    connect(diagnostics, &QPushButton::clicked, this, &StatusView::showDiagnostics);
    bar->addWidget(diagnostics);
    bar->addStretch();
    m_shareButton = new QToolButton(this);
    m_shareButton->setAutoRaise(true);
    m_shareButton->setAccessibleName(tr("Share a screenshot of the status"));
    m_shareButton->setToolTip(m_shareButton->accessibleName());
    connect(m_shareButton, &QToolButton::clicked, this, &StatusView::share);
    bar->addWidget(m_shareButton);

    m_menu = new QMenu(this);
    // A build without an update feed leaves updates to the package manager.
    for (const std::optional<AppAction>& entry : statusMenu(m_presenter.updateBanner().checksForUpdates())) {
        if (!entry) {
            m_menu->addSeparator();
            continue;
        }
        connect(
            m_menu->addAction(buttonSymbol(actionSymbol(*entry), this, SymbolSize::xl), actionText(*entry)),
            &QAction::triggered, this, [this, action = *entry] { emit actionTriggered(action); });
    }
    auto* menuButton = new QToolButton(this);
    menuButton->setObjectName(QStringLiteral("menuButton"));
    menuButton->setAutoRaise(true);
    menuButton->setIcon(buttonSymbol(QStringLiteral("ellipsis.circle"), this, SymbolSize::xl));
    menuButton->setMenu(m_menu);
    menuButton->setPopupMode(QToolButton::InstantPopup);
    menuButton->setAccessibleName(tr("More"));
    menuButton->setToolTip(menuButton->accessibleName());
    hideMenuIndicator(menuButton);
    bar->addWidget(menuButton);
    m_layout->addLayout(bar);

    connect(&m_presenter, &StatusPresenter::changed, this, &StatusView::refresh);
    connect(&m_shareFeedback, &FlashMessage::changed, this,
            [this](const std::optional<QString>& message) { setShareFeedback(message.has_value()); });
    setShareFeedback(false);
    refresh();
}

void StatusView::showEvent(QShowEvent* event) {
    m_presenter.setOnScreen(true);
    QWidget::showEvent(event);
}

void StatusView::hideEvent(QHideEvent* event) {
    m_presenter.setOnScreen(false);
    QWidget::hideEvent(event);
}

void StatusView::refresh() {
    const StatusScreen& screen = m_presenter.screen();
    m_layout->setSpacing(screen.compact ? Space::m : Space::l);
    m_layout->setContentsMargins(padding(screen.compact ? Space::l : Space::xl));

    m_portalBanner->setVisible(screen.showsPortalBanner);
    m_noInternetBanner->setVisible(screen.noInternetMessage.has_value());
    if (screen.noInternetMessage)
        m_noInternetBanner->setMessage(*screen.noInternetMessage);
    m_card->setContent(screen.card);
    m_locationPrompt->setVisible(screen.showsLocationPrompt);
    m_notificationPrompt->setVisible(screen.showsNotificationPrompt);
    m_issue->setVisible(screen.issue.has_value());
    if (screen.issue)
        m_issue->setIssue(*screen.issue);

    // A new tip gets a new, collapsed view; the same tip keeps its view and whether it is open.
    if (screen.tip != m_shownTip) {
        delete m_tipView;
        m_tipView = nullptr;
        if (screen.tip) {
            m_tipView = new ActionableTipView(*screen.tip, this);
            connect(m_tipView, &ActionableTipView::openAdminPage, this, &StatusView::openAddress);
            m_layout->insertWidget(m_layout->indexOf(m_issue) + 1, m_tipView);
        }
        m_shownTip = screen.tip;
    }
}

void StatusView::share() {
    const bool copied = m_presenter.share([](const StatusShot& shot, double scale) {
        StatusScreenshotView screenshot(shot.wifiInfo, shot.quality, shot.tip);
        return renderWidget(screenshot, scale);
    });
    if (!copied)
        return;
    // The same message each time: a later copy does not extend an earlier one's time.
    m_shareFeedback.show(QStringLiteral("copied"));
}

void StatusView::setShareFeedback(bool on) {
    m_shareButton->setIcon(buttonSymbol(
        on ? QStringLiteral("checkmark") : QStringLiteral("square.and.arrow.up"), this, SymbolSize::xl));
}
