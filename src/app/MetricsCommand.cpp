#include "app/MetricsCommand.h"

#include "app/AppContext.h"
#include "app/UnixSignalWatcher.h"
#include "core/Log.h"
#include "diagnosis/NotificationService.h"
#include "history/TimelineWriter.h"
#include "platform/NotificationCenter.h"

#include <QCoreApplication>

#include <csignal>
#include <cstdio>
#include <string_view>

namespace {

// A server has no desktop to notify, and a tray program on the same machine already does.
class NoDesktopNotifications final : public NotificationCenter {
public:
    QFuture<bool> authorizationStatus() override { return QtFuture::makeReadyFuture(false); }
    QFuture<NotificationAuthorization> requestAuthorization() override {
        return QtFuture::makeReadyFuture(NotificationAuthorization{false, std::nullopt, std::nullopt});
    }
    QFuture<std::optional<QString>> add(const NotificationRequest&) override {
        return QtFuture::makeReadyFuture(std::optional<QString>(QStringLiteral("no desktop to notify")));
    }
};

} // namespace

MetricsCommand::MetricsCommand(LinkmeterServices services, TimelineWriter& timeline, const Clock& clock,
                               QObject* parent)
    : QObject(parent), m_viewModel(services), m_recorder(m_viewModel, timeline, clock),
      m_publisher(m_viewModel, m_server) {}

std::optional<QString> MetricsCommand::start(const ListenAddress& address) {
    if (auto failure = m_publisher.serve(address))
        return failure;
    m_viewModel.startMonitoring();
    return std::nullopt;
}

ListenAddress MetricsCommand::servedAddress() const {
    ListenAddress served = m_publisher.address().value_or(ListenAddress{});
    served.port = m_publisher.port();
    return served;
}

int runMetricsServer(int argc, char** argv, const ListenAddress& address) {
    // No window system at all: this runs where there is no display, under a service manager.
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("linkmeter"));
    QCoreApplication::setOrganizationName(QStringLiteral("linkmeter"));

    AppContext context({.sessionBus = false});
    NoDesktopNotifications desktop;
    NotificationService notifications(desktop, context.settings(), context.clock());
    MetricsCommand command({context.wifi(), context.location(), context.settings(), context.ping(),
                            context.dns(), context.speedTest(), context.captivePortal(), context.bandwidth(),
                            context.networkInfo(), notifications, context.exporter()},
                           context.timelineWriter(), context.clock());
    UnixSignalWatcher signalWatcher({SIGTERM, SIGINT});
    QObject::connect(&signalWatcher, &UnixSignalWatcher::received, &app, [] { QCoreApplication::quit(); });

    if (const auto failure = command.start(address)) {
        logFailure("Failed to serve metrics: ", failure->toStdString());
        return MetricsCommand::listenFailed;
    }
    std::printf("Serving metrics on %s\n", metricsURL(command.servedAddress()).c_str());
    std::fflush(stdout);
    QCoreApplication::exec();
    return MetricsCommand::stopped;
}
