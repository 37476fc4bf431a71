#pragma once

#include "app/ShellServices.h"
#include "views/AppActions.h"

#include <QObject>

#include <memory>

class Clock;
class LoginItemController;
class LinkmeterViewModel;
class LocationService;
class MetricsHttpServer;
class MetricsPublisher;
class NotificationService;
class StatusItem;
class TimelineQueries;
class TimelineWriter;
class TrayController;
class WindowController;

// The application shell: the tray item with its popover, the auxiliary windows, and what happens
// at launch and each time the popover opens.
class LinkmeterApp final : public QObject {
    Q_OBJECT

public:
    // What the auxiliary windows read besides the popover's services.
    struct WindowServices {
        const TimelineQueries& timeline;
        const TimelineWriter& timelineWriter;
        const Clock& clock;
        LoginItemController& launchAtLogin;
    };

    // `statusItem` (may be null) wins over the plain tray; without either, the popover opens as a
    // window at once.
    LinkmeterApp(LinkmeterViewModel& viewModel, ShellServices services, NotificationService& notifications,
                 LocationService& location, std::unique_ptr<StatusItem> statusItem, bool trayAvailable,
                 WindowServices windows, QObject* parent = nullptr);
    ~LinkmeterApp() override;

    TrayController& tray() const { return *m_tray; }
    WindowController& settingsWindow() const { return *m_settingsWindow; }
    WindowController& onboardingWindow() const { return *m_onboardingWindow; }
    WindowController& helpWindow() const { return *m_helpWindow; }
    WindowController& aboutWindow() const { return *m_aboutWindow; }
    WindowController& historyWindow() const { return *m_historyWindow; }
    MetricsPublisher& metrics() const { return *m_metrics; }

    // Carries out an entry of the program's menus.
    void perform(AppAction action);
    // What the desktop or a second launch asks by name; an empty or unknown name shows the popover.
    void activate(const QString& actionName);

signals:
    void quitRequested();

private:
    void popoverShown();
    // "Get Started": onboarding is over for good.
    void finishOnboarding();

    LinkmeterViewModel& m_viewModel;
    ShellServices m_services;
    bool m_hasCheckedOnboarding = false;
    std::unique_ptr<TrayController> m_tray;
    std::unique_ptr<WindowController> m_settingsWindow;
    std::unique_ptr<WindowController> m_onboardingWindow;
    std::unique_ptr<WindowController> m_helpWindow;
    std::unique_ptr<WindowController> m_aboutWindow;
    std::unique_ptr<WindowController> m_historyWindow;
    std::unique_ptr<MetricsHttpServer> m_metricsServer;
    std::unique_ptr<MetricsPublisher> m_metrics;
};
