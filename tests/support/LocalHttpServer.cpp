#include "support/LocalHttpServer.h"

#include <QTcpSocket>
#include <QTimer>

namespace {

constexpr qint64 pieceSize = 64 * 1024;
// Keep the socket's own buffer small so a generated body is produced only as fast as it is read.
constexpr qint64 maxBuffered = 4 * pieceSize;

QByteArray reasonPhrase(int status) {
    switch (status) {
    case 200:
        return "OK";
    case 204:
        return "No Content";
    case 301:
        return "Moved Permanently";
    case 302:
        return "Found";
    case 404:
        return "Not Found";
    case 500:
        return "Internal Server Error";
    default:
        return "Status";
    }
}

// Enough of the repeating body pattern to cut any piece from, at any phase.
const QByteArray& pattern() {
    static const QByteArray bytes = [] {
        QByteArray all(pieceSize + 26, Qt::Uninitialized);
        for (qsizetype i = 0; i < all.size(); ++i)
            all[i] = LocalHttpServer::generatedByte(i);
        return all;
    }();
    return bytes;
}

} // namespace

// One client connection; a child of its socket, so both go away together.
class LocalHttpServer::Connection final : public QObject {
public:
    Connection(LocalHttpServer* server, QTcpSocket* socket)
        : QObject(socket), m_server(server), m_socket(socket) {
        connect(socket, &QTcpSocket::readyRead, this, [this] { readRequest(); });
        connect(socket, &QTcpSocket::bytesWritten, this, [this] { pump(); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }

    void send(const Reply& reply) {
        QByteArray head =
            "HTTP/1.1 " + QByteArray::number(reply.status) + ' ' + reasonPhrase(reply.status) + "\r\n";
        for (const auto& [name, value] : reply.headers)
            head += name + ": " + value + "\r\n";
        const qint64 length = reply.generatedBodySize >= 0 ? reply.generatedBodySize : reply.body.size();
        if (!reply.omitContentLength)
            head += "Content-Length: " + QByteArray::number(length) + "\r\n";
        head += "Connection: close\r\n\r\n";
        m_socket->write(head);
        if (reply.generatedBodySize < 0) {
            m_socket->write(reply.body);
            m_socket->disconnectFromHost();
            return;
        }
        m_remaining = reply.generatedBodySize;
        m_pieceDelay = reply.pieceDelay;
        m_streaming = true;
        pump();
    }

private:
    void readRequest() {
        m_buffer += m_socket->readAll();
        if (m_received)
            return;
        if (m_headEnd < 0)
            m_headEnd = m_buffer.indexOf("\r\n\r\n");
        if (m_headEnd < 0)
            return;
        const qsizetype headEnd = m_headEnd;
        Request request;
        const QList<QByteArray> lines = m_buffer.left(headEnd).split('\n');
        const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
        request.method = requestLine.value(0);
        const QByteArray target = requestLine.value(1);
        const qsizetype question = target.indexOf('?');
        request.path = question < 0 ? target : target.left(question);
        request.query = question < 0 ? QByteArray() : target.mid(question + 1);
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const qsizetype colon = lines[i].indexOf(':');
            if (colon > 0)
                request.headers.insert(lines[i].left(colon).trimmed().toLower(),
                                       lines[i].mid(colon + 1).trimmed());
        }
        const qint64 bodyLength = request.header("content-length").toLongLong();
        if (m_buffer.size() - (headEnd + 4) < bodyLength)
            return; // wait for the rest of the body
        request.body = m_buffer.mid(headEnd + 4, bodyLength);
        m_received = true;
        m_server->handleRequest(this, request);
    }

    void pump() {
        if (!m_streaming || m_waiting)
            return;
        while (m_remaining > 0 && m_socket->bytesToWrite() < maxBuffered) {
            const qint64 size = std::min(pieceSize, m_remaining);
            m_socket->write(pattern().constData() + m_offset % 26, size);
            m_offset += size;
            m_remaining -= size;
            if (m_pieceDelay.count() > 0 && m_remaining > 0) {
                m_waiting = true;
                QTimer::singleShot(m_pieceDelay, this, [this] {
                    m_waiting = false;
                    pump();
                });
                return;
            }
        }
        if (m_remaining == 0) {
            m_streaming = false;
            m_socket->disconnectFromHost();
        }
    }

    LocalHttpServer* m_server;
    QTcpSocket* m_socket;
    QByteArray m_buffer;
    qsizetype m_headEnd = -1;
    bool m_received = false;
    bool m_streaming = false;
    bool m_waiting = false;
    qint64 m_remaining = 0;
    qint64 m_offset = 0;
    std::chrono::milliseconds m_pieceDelay{0};
};

LocalHttpServer::LocalHttpServer(QObject* parent) : QObject(parent) {
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = m_server.nextPendingConnection())
            new Connection(this, socket);
    });
    if (!m_server.listen(QHostAddress::LocalHost, 0))
        qFatal("LocalHttpServer cannot listen: %s", qPrintable(m_server.errorString()));
}

LocalHttpServer::~LocalHttpServer() = default;

quint16 LocalHttpServer::port() const {
    return m_server.serverPort();
}

QUrl LocalHttpServer::url(const QString& pathAndQuery) const {
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(pathAndQuery));
}

void LocalHttpServer::route(const QByteArray& path, Handler handler) {
    m_routes.insert(path, std::move(handler));
}

void LocalHttpServer::route(const QByteArray& path, Reply reply) {
    route(path, [reply](const Request&) { return reply; });
}

void LocalHttpServer::redirect(const QByteArray& path, const QUrl& target, int status) {
    Reply reply;
    reply.status = status;
    reply.headers.append({"Location", target.toEncoded()});
    route(path, reply);
}

QList<LocalHttpServer::Request> LocalHttpServer::requests(const QByteArray& path) const {
    QList<Request> matching;
    for (const Request& request : m_requests)
        if (request.path == path)
            matching.append(request);
    return matching;
}

void LocalHttpServer::handleRequest(Connection* connection, const Request& request) {
    m_requests.append(request);
    const auto route = m_routes.constFind(request.path);
    Reply reply;
    if (route == m_routes.constEnd()) {
        reply.status = 404;
        reply.body = "Not Found";
    } else {
        reply = (*route)(request);
    }
    if (reply.delay.count() > 0)
        QTimer::singleShot(reply.delay, connection, [connection, reply] { connection->send(reply); });
    else
        connection->send(reply);
}
