#pragma once

#include "support/TestUtil.h"

#include <QByteArray>
#include <QHostAddress>
#include <QTcpSocket>

#include <chrono>

// One exchange with an HTTP server in this process, byte for byte: the request as given, the
// answer as received until the server closes. The event loop runs meanwhile (a blocking wait would
// starve a server living in the same thread).
struct RawReply {
    int status = 0; // 0 when nothing parseable came back
    QByteArray head;
    QByteArray body;
    bool closedByServer = false;
};

inline RawReply rawExchange(quint16 port, const QByteArray& request,
                            std::chrono::milliseconds limit = std::chrono::seconds(10)) {
    QTcpSocket socket;
    QByteArray received;
    QObject::connect(&socket, &QTcpSocket::readyRead, &socket, [&] { received += socket.readAll(); });
    socket.connectToHost(QHostAddress::LocalHost, port);
    const bool connected = waitUntil(
        [&] {
            return socket.state() == QAbstractSocket::ConnectedState ||
                   socket.error() != QAbstractSocket::UnknownSocketError;
        },
        limit);
    if (!connected || socket.state() != QAbstractSocket::ConnectedState)
        return {};
    socket.write(request);
    RawReply reply;
    reply.closedByServer =
        waitUntil([&] { return socket.state() == QAbstractSocket::UnconnectedState; }, limit);
    received += socket.readAll();
    const qsizetype headEnd = received.indexOf("\r\n\r\n");
    reply.head = received.left(headEnd < 0 ? received.size() : headEnd);
    reply.body = headEnd < 0 ? QByteArray() : received.mid(headEnd + 4);
    if (received.startsWith("HTTP/1.1 "))
        reply.status = received.mid(9, 3).toInt();
    return reply;
}

inline RawReply scrape(quint16 port) {
    return rawExchange(port, "GET /metrics HTTP/1.1\r\nHost: 127.0.0.1\r\nAccept: text/plain\r\n\r\n");
}
