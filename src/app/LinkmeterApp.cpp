#include "app/LinkmeterApp.h"

#include "app/TrayController.h"
#include "app/WindowController.h"
#include "core/AppSettings.h"
#include "platform/StatusItem.h"
#include "reports/TimelineStore.h"
#include "reports/UpdateService.h"
#include "viewmodel/LinkmeterViewModel.h"
#include "views/HistoryView.h"

#include "views/AboutView.h"
#include "views/HelpView.h"
#include "views/OnboardingView.h"
#include "views/SettingsView.h"

#include <QWidget>

LinkmeterApp::LinkmeterApp(LinkmeterViewModel& viewModel, PopoverServices services,
                           NotificationService& notifications, LocationService& location,
                           std::unique_ptr<StatusItem> statusItem, bool trayAvailable,
                           TimelineStore& timeline, QObject* parent)
    : QObject(parent), m_viewModel(viewModel), m_services(services) {
    AppSettings& settings = services.settings;
    m_settingsWindow =
        std::make_unique<WindowController>(QStringLiteral("Settings"), false, [&settings, &notifications] {
            return std::make_unique<SettingsView>(settings, notifications);
        });
    m_settingsWindow->setFrameStorage(
        [&settings] { return settings.settingsWindowFrame(); },
        [&settings](const QByteArray& frame) { settings.setSettingsWindowFrame(frame); });
    m_onboardingWindow = std::make_unique<WindowController>(
        QStringLiteral("Welcome to Linkmeter"), false, [this, &location, &notifications] {
            auto view = std::make_unique<OnboardingView>(location, notifications);
            connect(view.get(), &OnboardingView::finished, this, &LinkmeterApp::finishOnboarding);
            return view;
        });
    m_helpWindow = std::make_unique<WindowController>(QStringLiteral("Help"), true,
                                                      [] { return std::make_unique<HelpView>(); });
    m_aboutWindow = std::make_unique<WindowController>(
        QStringLiteral("About Linkmeter"), false,
        [&updates = services.updates] { return std::make_unique<AboutView>(updates.checksForUpdates()); });
    m_historyWindow = std::make_unique<WindowController>(
        QStringLiteral("History"), true, [&timeline, &exporter = services.exporter] {
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

void LinkmeterApp::finishOnboarding() {
    m_onboardingWindow->dismiss();
    m_services.settings.setHasCompletedOnboarding(true);
}

void LinkmeterApp::popoverShown() {
    if (!m_hasCheckedOnboarding) {
        m_hasCheckedOnboarding = true;
        if (!m_services.settings.hasCompletedOnboarding())
            m_onboardingWindow->show();
    }
    m_services.updates.checkForUpdates(false);
    m_viewModel.startMonitoring();
}
