#include "system/qt/MetricsHttpServer.h"

#include "core/Log.h"
#include "system/ScrapeRequest.h"

#include <QHostAddress>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>

namespace {

constexpr char kFailure[] = "Failed to serve metrics: ";
// The media type of the Prometheus text format.
constexpr char kContentType[] = "text/plain; version=0.0.4; charset=utf-8";

QByteArray reason(int status) {
    switch (status) {
    case 200:
        return "OK";
    case 400:
        return "Bad Request";
    case 404:
        return "Not Found";
    case 405:
        return "Method Not Allowed";
    case 431:
        return "Request Header Fields Too Large";
    default:
        return "Error";
    }
}

int statusOf(ScrapeVerdict verdict) {
    switch (verdict) {
    case ScrapeVerdict::metrics:
        return 200;
    case ScrapeVerdict::notFound:
        return 404;
    case ScrapeVerdict::methodNotAllowed:
        return 405;
    case ScrapeVerdict::tooLarge:
        return 431;
    case ScrapeVerdict::badRequest:
    case ScrapeVerdict::incomplete:
        break;
    }
    return 400;
}

QHostAddress hostAddress(const std::string& host) {
    if (host == "localhost")
        return QHostAddress(QHostAddress::LocalHost);
    return QHostAddress(QString::fromStdString(host));
}

} // namespace

MetricsHttpServer::MetricsHttpServer(QObject* parent) : MetricsHttpServer(Limits{}, parent) {}

MetricsHttpServer::MetricsHttpServer(Limits limits, QObject* parent) : QObject(parent), m_limits(limits) {
    connect(&m_server, &QTcpServer::newConnection, this, &MetricsHttpServer::accept);
    connect(&m_server, &QTcpServer::acceptError, this, [this](QAbstractSocket::SocketError) {
        // Out of descriptors, most likely: the listening socket stays readable, so stop asking for
        // a moment instead of spinning, and say so once.
        if (!m_acceptFailing)
            logFailure(kFailure, m_server.errorString().toStdString());
        m_acceptFailing = true;
        m_server.pauseAccepting();
        QTimer::singleShot(std::chrono::seconds(1), this, [this] { m_server.resumeAccepting(); });
    });
}

MetricsHttpServer::~MetricsHttpServer() {
    close();
}

std::optional<QString> MetricsHttpServer::listen(const ListenAddress& address) {
    close();
    const QHostAddress host = hostAddress(address.host);
    if (host.isNull())
        return QStringLiteral("%1 is not an IP address").arg(QString::fromStdString(address.host));
    if (!m_server.listen(host, static_cast<quint16>(address.port)))
        return QStringLiteral("%1: %2").arg(QString::fromStdString(address.text()), m_server.errorString());
    return std::nullopt;
}

void MetricsHttpServer::close() {
    m_server.close();
    for (Connection& connection : m_connections) {
        connection.socket->disconnect(this);
        connection.socket->abort();
        connection.socket->deleteLater();
    }
    m_connections.clear();
}

MetricsHttpServer::Connection* MetricsHttpServer::find(QTcpSocket* socket) {
    const auto it = std::find_if(m_connections.begin(), m_connections.end(),
                                 [socket](const Connection& c) { return c.socket == socket; });
    return it == m_connections.end() ? nullptr : &*it;
}

void MetricsHttpServer::accept() {
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        m_acceptFailing = false;
        if (m_connections.size() >= m_limits.maxConnections) {
            // A flood of idle connections must not lock a scraper out: the oldest one that is still
            // sending its request goes. When every one is being answered, the newcomer waits its turn
            // by being refused.
            const auto oldest = std::find_if(m_connections.begin(), m_connections.end(),
                                             [](const Connection& c) { return !c.answering; });
            if (oldest == m_connections.end()) {
                socket->abort();
                socket->deleteLater();
                continue;
            }
            drop(oldest->socket);
        }
        m_connections.append(Connection{socket, {}, false});
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { read(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] { drop(socket); });
        QTimer::singleShot(m_limits.connectionTimeout, socket, [this, socket] { drop(socket); });
        // Bytes may have come with the connection.
        if (socket->bytesAvailable() > 0)
            read(socket);
    }
}

void MetricsHttpServer::read(QTcpSocket* socket) {
    Connection* connection = find(socket);
    if (!connection)
        return;
    if (connection->answering) {
        // Whatever follows the request is not read, only drained.
        socket->readAll();
        return;
    }
    const qsizetype room = m_limits.maxRequestBytes + 1 - connection->received.size();
    connection->received += socket->read(std::max<qsizetype>(room, 0));
    const ScrapeVerdict verdict =
        judgeScrapeRequest(std::string_view(connection->received.constData(),
                                            static_cast<std::size_t>(connection->received.size())),
                           static_cast<std::size_t>(m_limits.maxRequestBytes));
    if (verdict == ScrapeVerdict::incomplete)
        return;
    respond(*connection, statusOf(verdict));
}

void MetricsHttpServer::respond(Connection& connection, int status) {
    connection.answering = true;
    connection.received.clear();
    QByteArray body;
    QByteArray type = "text/plain; charset=utf-8";
    QByteArray extra;
    if (status == 200) {
        const std::string text = m_body ? m_body() : std::string();
        body = QByteArray(text.data(), static_cast<qsizetype>(text.size()));
        type = kContentType;
    } else if (status == 404) {
        body = "Not found: the metrics are at /metrics.\n";
    } else if (status == 405) {
        body = "Only GET is answered here.\n";
        extra = "Allow: GET\r\n";
    } else {
        body = reason(status) + "\n";
    }
    QByteArray response = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason(status) + "\r\n";
    response += "Content-Type: " + type + "\r\n";
    response += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    response += extra;
    response += "Connection: close\r\n\r\n";
    response += body;
    connection.socket->write(response);
    // Closes once everything written has gone out.
    connection.socket->disconnectFromHost();
    emit answered(status);
}

void MetricsHttpServer::drop(QTcpSocket* socket) {
    const auto it = std::find_if(m_connections.begin(), m_connections.end(),
                                 [socket](const Connection& c) { return c.socket == socket; });
    if (it == m_connections.end())
        return;
    m_connections.erase(it);
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
}
