#include "support/FakeNetworkManager.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QUuid>

namespace {
using ConnectionSettings = QMap<QString, QVariantMap>;

const QString kRoot = QStringLiteral("/org/freedesktop/NetworkManager");
const QString kDevice = QStringLiteral("/org/freedesktop/NetworkManager/Devices/3");
const QString kActive = QStringLiteral("/org/freedesktop/NetworkManager/ActiveConnection/1");
const QString kSettings = QStringLiteral("/org/freedesktop/NetworkManager/Settings/1");
const QString kPrefix = QStringLiteral("org.freedesktop.NetworkManager");
} // namespace

// Answers every message below the NetworkManager root by hand, like the daemon's generated code
// would, so that error names, property types and silence are exactly what the test asks for.
class FakeNetworkManagerObject final : public QDBusVirtualObject {
public:
    explicit FakeNetworkManagerObject(FakeNetworkManager& owner) : m_owner(owner) {}

    QString introspect(const QString&) const override { return {}; }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        const QString path = message.path();
        const QString member = message.member();
        const auto args = message.arguments();
        const auto reply = [&](const QVariantList& values) {
            connection.send(message.createReply(values));
            return true;
        };
        const auto fail = [&](const QString& name, const QString& text) {
            connection.send(message.createErrorReply(name, text));
            return true;
        };

        if (path == kRoot && member == QStringLiteral("GetDeviceByIpIface")) {
            if (args.value(0).toString() == QStringLiteral("wlan0"))
                return reply({QVariant::fromValue(QDBusObjectPath(kDevice))});
            return fail(kPrefix + QStringLiteral(".UnknownDevice"), QStringLiteral("No device found for the "
                                                                                   "requested iface."));
        }
        if (path == kDevice && member == QStringLiteral("RequestScan")) {
            ++m_owner.scanRequests;
            if (m_owner.scanFinishes)
                ++m_lastScan;
            switch (m_owner.scanReply.load()) {
            case FakeNetworkManager::ScanReply::accepted:
                return reply({});
            case FakeNetworkManager::ScanReply::notAllowed:
                return fail(kPrefix + QStringLiteral(".Device.NotAllowed"),
                            QStringLiteral("Scanning not allowed immediately following previous scan"));
            case FakeNetworkManager::ScanReply::refused:
                return fail(kPrefix + QStringLiteral(".PermissionDenied"), QStringLiteral("Not authorized"));
            case FakeNetworkManager::ScanReply::never:
                message.setDelayedReply(true); // and no reply ever comes
                return true;
            }
        }
        if (member == QStringLiteral("Get") &&
            message.interface() == QStringLiteral("org.freedesktop.DBus.Properties")) {
            const QString name = path + QLatin1Char('/') + args.value(0).toString() + QLatin1Char('.') +
                                 args.value(1).toString();
            QVariant value;
            if (name == kDevice + QStringLiteral("/") + kPrefix + QStringLiteral(".Device.Wireless.LastScan"))
                value = QVariant::fromValue(qint64(m_lastScan.load()));
            else if (name ==
                     kDevice + QStringLiteral("/") + kPrefix + QStringLiteral(".Device.ActiveConnection"))
                value = QVariant::fromValue(QDBusObjectPath(kActive));
            else if (name == kActive + QStringLiteral("/") + kPrefix +
                                 QStringLiteral(".Connection.Active.Connection"))
                value = QVariant::fromValue(QDBusObjectPath(kSettings));
            else if (name ==
                     kActive + QStringLiteral("/") + kPrefix + QStringLiteral(".Connection.Active.Id"))
                value = m_owner.connectionId;
            else
                return fail(QStringLiteral("org.freedesktop.DBus.Error.UnknownProperty"), name);
            return reply({QVariant::fromValue(QDBusVariant(value))});
        }
        if (path == kSettings && member == QStringLiteral("GetSettings"))
            return reply({QVariant::fromValue(m_owner.settings)});
        return fail(QStringLiteral("org.freedesktop.DBus.Error.UnknownMethod"), member);
    }

private:
    FakeNetworkManager& m_owner;
    // Milliseconds on the boot clock in the real daemon; only its changes matter.
    std::atomic<qint64> m_lastScan{1'000'000};
};

FakeNetworkManager::FakeNetworkManager(const QString& busAddress)
    : m_object(std::make_unique<FakeNetworkManagerObject>(*this)),
      m_connectionName(QStringLiteral("fake-nm-") + QUuid::createUuid().toString(QUuid::Id128)) {
    qDBusRegisterMetaType<ConnectionSettings>();
    m_object->moveToThread(&m_thread);
    m_thread.start();
    // Registered from the answering thread itself, which owns the object.
    QMetaObject::invokeMethod(
        m_object.get(),
        [this, busAddress] {
            QDBusConnection bus = QDBusConnection::connectToBus(busAddress, m_connectionName);
            m_registered = bus.isConnected() && bus.registerService(kPrefix) &&
                           bus.registerVirtualObject(kRoot, m_object.get(), QDBusConnection::SubPath);
        },
        Qt::BlockingQueuedConnection);
}

FakeNetworkManager::~FakeNetworkManager() {
    QDBusConnection::disconnectFromBus(m_connectionName);
    m_thread.quit();
    m_thread.wait();
}
