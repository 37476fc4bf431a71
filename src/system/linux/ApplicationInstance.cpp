#include "system/linux/ApplicationInstance.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QLocalSocket>

namespace {

const QString kApplicationInterface = QStringLiteral("org.freedesktop.Application");
constexpr int kAnswerMilliseconds = 5000;
// A request on the socket is one action name and a newline; nothing longer is read.
constexpr qint64 kLongestRequest = 256;

} // namespace

ApplicationInstance::ApplicationInstance(std::optional<QDBusConnection> bus, QString busName,
                                         QString objectPath, QString socketPath, QObject* parent)
    : QObject(parent), m_bus(std::move(bus)), m_busName(std::move(busName)),
      m_objectPath(std::move(objectPath)), m_socketPath(std::move(socketPath)) {
    if (m_bus && !m_bus->isConnected())
        m_bus.reset();
}

ApplicationInstance::~ApplicationInstance() {
    if (m_busInterface) {
        m_bus->unregisterObject(m_objectPath);
        m_bus->unregisterService(m_busName);
    }
}

ApplicationInstance::Claim ApplicationInstance::claim(const QString& action) {
    return m_bus ? claimBus(action) : claimSocket(action);
}

ApplicationInstance::Claim ApplicationInstance::claimBus(const QString& action) {
    auto interface = std::make_unique<ApplicationBusInterface>(*this);
    // The bus hands a name to one connection only, so two copies started at once cannot both win.
    const auto reply =
        m_bus->interface()->registerService(m_busName, QDBusConnectionInterface::DontQueueService,
                                            QDBusConnectionInterface::DontAllowReplacement);
    if (reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered) {
        m_bus->registerObject(m_objectPath, interface.get(), QDBusConnection::ExportAllSlots);
        m_busInterface = std::move(interface);
        return Claim::first;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(m_busName, m_objectPath, kApplicationInterface,
                                                       action.isEmpty() ? QStringLiteral("Activate")
                                                                        : QStringLiteral("ActivateAction"));
    if (action.isEmpty())
        call << QVariantMap();
    else
        call << action << QVariantList() << QVariantMap();
    const QDBusMessage answer = m_bus->call(call, QDBus::Block, kAnswerMilliseconds);
    return answer.type() == QDBusMessage::ReplyMessage ? Claim::forwarded : Claim::failed;
}

ApplicationInstance::Claim ApplicationInstance::claimSocket(const QString& action) {
    // No access options: Qt would then bind elsewhere and rename over a running copy's socket. The
    // runtime folder is the user's own anyway.
    auto server = std::make_unique<QLocalServer>();
    const auto listen = [&] {
        if (!server->listen(m_socketPath))
            return false;
        connect(server.get(), &QLocalServer::newConnection, this, &ApplicationInstance::readRequest);
        m_server = std::move(server);
        return true;
    };
    if (listen())
        return Claim::first;
    QLocalSocket socket;
    socket.connectToServer(m_socketPath);
    if (socket.waitForConnected(kAnswerMilliseconds)) {
        socket.write(action.toUtf8().left(kLongestRequest - 1) + '\n');
        const bool sent = socket.waitForBytesWritten(kAnswerMilliseconds);
        socket.disconnectFromServer();
        return sent ? Claim::forwarded : Claim::failed;
    }
    // Nobody answers: the socket file was left by a copy that ended without removing it.
    QLocalServer::removeServer(m_socketPath);
    return listen() ? Claim::first : Claim::failed;
}

void ApplicationInstance::readRequest() {
    while (QLocalSocket* connection = m_server->nextPendingConnection()) {
        connect(connection, &QLocalSocket::disconnected, connection, &QObject::deleteLater);
        connect(connection, &QLocalSocket::readyRead, this, [this, connection] {
            if (!connection->canReadLine()) {
                if (connection->bytesAvailable() >= kLongestRequest)
                    connection->abort();
                return;
            }
            const QString action = QString::fromUtf8(connection->readLine(kLongestRequest)).trimmed();
            connection->disconnectFromServer();
            request(action);
        });
    }
}

void ApplicationBusInterface::Activate(const QVariantMap&) {
    m_instance.request(QString());
}

void ApplicationBusInterface::Open(const QStringList&, const QVariantMap&) {
    m_instance.request(QString());
}

void ApplicationBusInterface::ActivateAction(const QString& actionName, const QVariantList&,
                                             const QVariantMap&) {
    m_instance.request(actionName);
}
