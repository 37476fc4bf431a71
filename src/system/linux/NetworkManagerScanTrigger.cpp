#include "system/linux/NetworkManagerScanTrigger.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDBusVariant>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QVariantMap>

#include <algorithm>
#include <optional>

namespace {

const QString kService = QStringLiteral("org.freedesktop.NetworkManager");
const QString kManagerPath = QStringLiteral("/org/freedesktop/NetworkManager");
const QString kWirelessInterface = QStringLiteral("org.freedesktop.NetworkManager.Device.Wireless");
const QString kPropertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
// Returned while a scan is already running or one finished moments ago; the running or the
// deferred scan still ends with a new LastScan stamp.
const QString kNotAllowedError = QStringLiteral("org.freedesktop.NetworkManager.Device.NotAllowed");

constexpr int kPollIntervalMs = 250;
// Each bus call is bounded so a hung NetworkManager cannot hold the scan past its limit.
constexpr int kCallTimeoutMs = 5'000;

using Outcome = ScanTrigger::Outcome;
using Status = Outcome::Status;

// What is left of the limit for one call, never more than a call's own bound; at least 1 ms, since
// 0 would mean the bus's default of 25 seconds.
int callTimeout(const QElapsedTimer& elapsed, std::chrono::milliseconds limit) {
    const qint64 left = limit.count() - elapsed.elapsed();
    return static_cast<int>(std::clamp<qint64>(left, 1, kCallTimeoutMs));
}

std::optional<qint64> lastScan(const QDBusConnection& bus, const QString& devicePath, int timeoutMs) {
    QDBusMessage call = QDBusMessage::createMethodCall(kService, devicePath, kPropertiesInterface, "Get");
    call << kWirelessInterface << QStringLiteral("LastScan");
    const QDBusReply<QDBusVariant> reply = bus.call(call, QDBus::Block, timeoutMs);
    if (!reply.isValid())
        return std::nullopt;
    bool ok = false;
    const qint64 value = reply.value().variant().toLongLong(&ok);
    return ok ? std::optional<qint64>(value) : std::nullopt;
}

} // namespace

NetworkManagerScanTrigger::NetworkManagerScanTrigger(QDBusConnection bus) : m_bus(std::move(bus)) {}

ScanTrigger::Outcome NetworkManagerScanTrigger::requestScan(const std::string& interfaceName,
                                                            std::chrono::milliseconds limit) {
    QElapsedTimer elapsed;
    elapsed.start();

    const QDBusConnection& bus = m_bus;
    if (!bus.isConnected() || !bus.interface() || !bus.interface()->isServiceRegistered(kService).value())
        return {Status::unavailable, "NetworkManager is not running, so no new scan can be started; showing "
                                     "the networks seen recently"};

    QDBusMessage lookup =
        QDBusMessage::createMethodCall(kService, kManagerPath, kService, "GetDeviceByIpIface");
    lookup << QString::fromStdString(interfaceName);
    const QDBusReply<QDBusObjectPath> device = bus.call(lookup, QDBus::Block, callTimeout(elapsed, limit));
    if (!device.isValid())
        return {Status::unavailable, "NetworkManager does not manage " + interfaceName + ": " +
                                         device.error().message().toStdString()};
    const QString devicePath = device.value().path();

    const std::optional<qint64> before = lastScan(bus, devicePath, callTimeout(elapsed, limit));

    QDBusMessage request =
        QDBusMessage::createMethodCall(kService, devicePath, kWirelessInterface, "RequestScan");
    request << QVariantMap{};
    const QDBusMessage reply = bus.call(request, QDBus::Block, callTimeout(elapsed, limit));
    if (reply.type() == QDBusMessage::ErrorMessage &&
        reply.errorName() == QStringLiteral("org.freedesktop.DBus.Error.NoReply"))
        return {Status::timedOut,
                "NetworkManager did not answer the scan request in time; showing the networks "
                "seen recently"};
    if (reply.type() == QDBusMessage::ErrorMessage && reply.errorName() != kNotAllowedError)
        return {Status::refused, reply.errorMessage().toStdString()};

    // Versions without the LastScan stamp give no way to see the end; the cached results will do.
    if (!before)
        return {Status::completed, {}};

    // Watch the stamp on a timer in this worker's own event loop until it moves or time runs out.
    Outcome outcome{Status::timedOut,
                    "NetworkManager did not finish the scan in time; showing the networks seen recently"};
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        const auto now = lastScan(bus, devicePath, callTimeout(elapsed, limit));
        if (now && *now != *before) {
            outcome = {Status::completed, {}};
            loop.quit();
        }
    });
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    poll.start(kPollIntervalMs);
    deadline.start(std::max<qint64>(limit.count() - elapsed.elapsed(), 0));
    loop.exec();
    return outcome;
}
