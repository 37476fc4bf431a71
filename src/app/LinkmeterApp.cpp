#include "app/LinkmeterApp.h"

#include "app/TrayController.h"
#include "app/WindowController.h"
#include "core/AppSettings.h"
#include "platform/StatusItem.h"
#include "reports/TimelineStore.h"
#include "reports/UpdateService.h"
#include "viewmodel/LinkmeterViewModel.h"
#include "views/HistoryView.h"

#include <QWidget>

namespace {
// The windows' own views arrive later; until then each shows an empty page of a sensible size.
WindowController::ContentFactory emptyContent(QSize size) {
    return [size] {
        auto widget = std::make_unique<QWidget>();
        widget->setMinimumSize(size);
        return widget;
    };
}
} // namespace

LinkmeterApp::LinkmeterApp(LinkmeterViewModel& viewModel, StatusView::Services services,
                           NotificationService& notifications, std::unique_ptr<StatusItem> statusItem,
                           bool trayAvailable, TimelineStore& timeline, QObject* parent)
    : QObject(parent), m_viewModel(viewModel), m_services(services) {
    m_settingsWindow = std::make_unique<WindowController>(QStringLiteral("Linkmeter Settings"), false,
                                                          emptyContent(QSize(450, 400)));
    m_onboardingWindow = std::make_unique<WindowController>(QStringLiteral("Welcome to Linkmeter"), false,
                                                            emptyContent(QSize(500, 450)));
    m_helpWindow = std::make_unique<WindowController>(QStringLiteral("Linkmeter Help"), true,
                                                      emptyContent(QSize(600, 450)));
    m_aboutWindow = std::make_unique<WindowController>(QStringLiteral("About Linkmeter"), false,
                                                       emptyContent(QSize(300, 340)));
    m_historyWindow = std::make_unique<WindowController>(
        QStringLiteral("Linkmeter History"), true, [&timeline, &exporter = services.exporter] {
            return std::make_unique<HistoryView>(timeline, exporter, timeline.clock());
        });

    m_tray = std::make_unique<TrayController>(viewModel, services, notifications, std::move(statusItem),
                                              trayAvailable);
    connect(m_tray.get(), &TrayController::popoverShown, this, &LinkmeterApp::popoverShown);
    connect(m_tray.get(), &TrayController::settingsRequested, m_settingsWindow.get(),
            &WindowController::show);
    connect(m_tray.get(), &TrayController::historyRequested, m_historyWindow.get(), &WindowController::show);
    connect(m_tray.get(), &TrayController::helpRequested, m_helpWindow.get(), &WindowController::show);
    connect(m_tray.get(), &TrayController::aboutRequested, m_aboutWindow.get(), &WindowController::show);
    connect(m_tray.get(), &TrayController::quitRequested, this, &LinkmeterApp::quitRequested);

    // The tray label is the program's glance value: it has to be live from login on, not from the
    // first click.
    m_viewModel.startMonitoring();
    if (!m_tray->hasTray())
        m_tray->showPopover();
}

LinkmeterApp::~LinkmeterApp() = default;

void LinkmeterApp::popoverShown() {
    if (!m_hasCheckedOnboarding) {
        m_hasCheckedOnboarding = true;
        if (!m_services.settings.hasCompletedOnboarding())
            m_onboardingWindow->show();
    }
    m_services.updates.checkForUpdates(false);
    m_viewModel.startMonitoring();
}
