#include "app/MetricsCommand.h"

#include "app/UnixSignalWatcher.h"
#include "core/AppSettings.h"
#include "core/LocationService.h"
#include "core/PingService.h"
#include "core/WiFiService.h"
#include "diagnosis/NotificationService.h"
#include "platform/Log.h"
#include "platform/NotificationCenter.h"
#include "platform/Platform.h"
#include "platform/SharedInstances.h"
#include "probes/BandwidthService.h"
#include "probes/CaptivePortalService.h"
#include "probes/DNSService.h"
#include "probes/NetworkInfoService.h"
#include "probes/SpeedTestService.h"
#include "reports/ExportService.h"
#include "reports/TimelineStore.h"

#include <QCoreApplication>

#include <csignal>
#include <cstdio>
#include <string_view>

namespace {

constexpr char kOption[] = "--serve-metrics";

// A server has no desktop to notify, and a tray program on the same machine already does.
class NoDesktopNotifications final : public NotificationCenter {
public:
    QFuture<bool> authorizationStatus() override { return QtFuture::makeReadyFuture(false); }
    QFuture<NotificationAuthorization> requestAuthorization() override {
        return QtFuture::makeReadyFuture(NotificationAuthorization{false, std::nullopt});
    }
    QFuture<std::optional<QString>> add(const NotificationRequest&) override {
        return QtFuture::makeReadyFuture(std::optional<QString>(QStringLiteral("no desktop to notify")));
    }
};

} // namespace

std::variant<ListenAddress, QString> MetricsCommand::parse(const QStringList& arguments) {
    std::optional<QString> value;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String(kOption)) {
            if (i + 1 >= arguments.size() || arguments[i + 1].startsWith(QStringLiteral("--")))
                return QStringLiteral("--serve-metrics needs an address: [HOST:]PORT, for example 9469 or "
                                      "127.0.0.1:9469");
            value = arguments[++i];
        } else if (argument.startsWith(QLatin1String(kOption) + u'=')) {
            value = argument.section(u'=', 1);
        } else {
            return QStringLiteral("Unknown argument with --serve-metrics: %1").arg(argument);
        }
    }
    if (!value)
        return QStringLiteral("--serve-metrics is missing");
    const auto parsed = parseListenAddress(value->toStdString(), {true, true});
    if (const auto* refusal = std::get_if<std::string>(&parsed))
        return QStringLiteral("--serve-metrics %1: %2").arg(*value, QString::fromStdString(*refusal));
    return std::get<ListenAddress>(parsed);
}

MetricsCommand::MetricsCommand(LinkmeterServices services, TimelineStore& timeline, const Clock& clock,
                               QObject* parent)
    : QObject(parent), m_viewModel(services), m_recorder(m_viewModel, timeline, clock),
      m_publisher(m_viewModel) {}

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

bool wantsMetricsServer(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::string_view(argv[i]).starts_with(kOption))
            return true;
    return false;
}

int runMetricsServer(int argc, char** argv) {
    // No window system at all: this runs where there is no display, under a service manager.
    QCoreApplication app(argc, argv);
    const auto parsed = MetricsCommand::parse(QCoreApplication::arguments());
    if (const auto* error = std::get_if<QString>(&parsed)) {
        std::fprintf(stderr, "%s\nTry 'linkmeter --help' for the options.\n", qPrintable(*error));
        return MetricsCommand::usageError;
    }
    QCoreApplication::setApplicationName(QStringLiteral("linkmeter"));
    QCoreApplication::setOrganizationName(QStringLiteral("linkmeter"));

    SharedInstances sharedInstances;
    NoDesktopNotifications desktop;
    NotificationService notifications(desktop, AppSettings::shared(), platform::clock());
    MetricsCommand command({WiFiService::shared(), LocationService::shared(), AppSettings::shared(),
                            PingService::shared(), DNSService::shared(), SpeedTestService::shared(),
                            CaptivePortalService::shared(), BandwidthService::shared(),
                            NetworkInfoService::shared(), notifications, ExportService::shared()},
                           TimelineStore::shared(), platform::clock());
    UnixSignalWatcher signalWatcher({SIGTERM, SIGINT});
    QObject::connect(&signalWatcher, &UnixSignalWatcher::received, &app, [] { QCoreApplication::quit(); });

    if (const auto failure = command.start(std::get<ListenAddress>(parsed))) {
        logFailure("Failed to serve metrics: ", failure->toStdString());
        return MetricsCommand::listenFailed;
    }
    std::printf("Serving metrics on %s\n", metricsURL(command.servedAddress()).c_str());
    std::fflush(stdout);
    QCoreApplication::exec();
    return MetricsCommand::stopped;
}
