#include "app/LinkmeterApp.h"

#include "app/TrayController.h"
#include "app/WindowController.h"
#include "core/AppSettings.h"
#include "platform/StatusItem.h"
#include "reports/UpdateService.h"
#include "system/qt/MetricsHttpServer.h"
#include "viewmodel/HistoryPresenter.h"
#include "viewmodel/LinkmeterViewModel.h"
#include "viewmodel/MetricsPublisher.h"
#include "views/HistoryView.h"

#include "views/AboutView.h"
#include "views/HelpView.h"
#include "views/OnboardingView.h"
#include "views/SettingsView.h"
#include "views/TrayPage.h"

#include <QWidget>

LinkmeterApp::LinkmeterApp(LinkmeterViewModel& viewModel, ShellServices services,
                           NotificationService& notifications, LocationService& location,
                           std::unique_ptr<StatusItem> statusItem, bool trayAvailable, WindowServices windows,
                           QObject* parent)
    : QObject(parent), m_viewModel(viewModel), m_services(services) {
    AppSettings& settings = services.settings;
    m_settingsWindow =
        std::make_unique<WindowController>(tr("Settings"), false, [&settings, windows, &notifications] {
            return std::make_unique<SettingsView>(settings, windows.launchAtLogin, notifications);
        });
    m_settingsWindow->setFrameStorage(
        [&settings] { return settings.settingsWindowFrame(); },
        [&settings](const QByteArray& frame) { settings.setSettingsWindowFrame(frame); });
    m_onboardingWindow = std::make_unique<WindowController>(
        tr("Welcome to Linkmeter"), false, [this, &location, &notifications] {
            auto view = std::make_unique<OnboardingView>(location, notifications, m_tray->hasTray(),
                                                         qEnvironmentVariable("XDG_CURRENT_DESKTOP"));
            if (TrayPage* page = view->trayPage())
                connect(m_tray.get(), &TrayController::presenceChanged, page,
                        [page](TrayController::Presence presence) {
                            page->setTrayShown(presence != TrayController::Presence::window);
                        });
            connect(view.get(), &OnboardingView::finished, this, &LinkmeterApp::finishOnboarding);
            return view;
        });
    m_helpWindow =
        std::make_unique<WindowController>(tr("Help"), true, [] { return std::make_unique<HelpView>(); });
    m_aboutWindow =
        std::make_unique<WindowController>(tr("About Linkmeter"), false, [&updates = services.updates] {
            return std::make_unique<AboutView>(updates.checksForUpdates());
        });
    m_historyWindow =
        std::make_unique<WindowController>(tr("History"), true, [windows, &exporter = services.exporter] {
            auto* presenter =
                new HistoryPresenter(windows.timeline, windows.timelineWriter, exporter, windows.clock);
            auto view = std::make_unique<HistoryView>(*presenter);
            presenter->setParent(view.get()); // lives as long as its window
            return view;
        });

    m_tray = std::make_unique<TrayController>(viewModel, services, notifications, std::move(statusItem),
                                              trayAvailable);
    connect(m_tray.get(), &TrayController::popoverShown, this, &LinkmeterApp::popoverShown);
    connect(m_tray.get(), &TrayController::actionTriggered, this, &LinkmeterApp::perform);
    // Without a tray the window is the program: closing it ends the program, as with any other.
    connect(m_tray.get(), &TrayController::windowClosed, this, &LinkmeterApp::quitRequested);

    // Serves Prometheus while "Serve Metrics" is on, from the figures the tray already has.
    m_metricsServer = std::make_unique<MetricsHttpServer>();
    m_metrics = std::make_unique<MetricsPublisher>(viewModel, *m_metricsServer);
    m_metrics->follow(settings);

    // The tray label is the program's glance value: it has to be live from login on, not from the
    // first click.
    m_viewModel.startMonitoring();
    if (!m_tray->hasTray())
        m_tray->showPopover();
}

LinkmeterApp::~LinkmeterApp() = default;

void LinkmeterApp::perform(AppAction action) {
    switch (action) {
    case AppAction::open:
        m_tray->showPopover();
        return;
    case AppAction::diagnostics:
        m_tray->showDiagnostics();
        return;
    case AppAction::history:
        m_historyWindow->show();
        return;
    case AppAction::settings:
        m_settingsWindow->show();
        return;
    case AppAction::help:
        m_helpWindow->show();
        return;
    case AppAction::checkForUpdates:
        m_services.updates.checkForUpdates(true);
        return;
    case AppAction::pauseMonitoring:
        m_viewModel.stopMonitoring();
        return;
    case AppAction::resumeMonitoring:
        m_viewModel.startMonitoring();
        return;
    case AppAction::about:
        m_aboutWindow->show();
        return;
    case AppAction::quit:
        emit quitRequested();
        return;
    }
}

void LinkmeterApp::activate(const QString& actionName) {
    perform(appActionNamed(actionName).value_or(AppAction::open));
}

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
