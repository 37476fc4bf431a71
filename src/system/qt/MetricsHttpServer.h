#pragma once

#include "core/ListenAddress.h"
#include "platform/PageServer.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QTcpServer>

#include <chrono>
#include <functional>
#include <optional>
#include <string>

class QTcpSocket;

// A small HTTP server for one page: GET /metrics answers with the text `body` gives at that moment,
// anything else with an error status. Each connection carries one request and is closed after the
// answer. It runs in the event loop of the thread it lives in and never waits on a client: requests
// are read as they arrive, a head larger than the limit or slower than the time-out is cut off, and
// past the connection limit the oldest connection still sending its request makes room.
class MetricsHttpServer final : public QObject, public PageServer {
    Q_OBJECT

public:
    struct Limits {
        int maxConnections = 32;
        qsizetype maxRequestBytes = 8192;
        // From connecting to the last byte of the answer.
        std::chrono::milliseconds connectionTimeout{10'000};
    };

    explicit MetricsHttpServer(QObject* parent = nullptr);
    explicit MetricsHttpServer(Limits limits, QObject* parent = nullptr);
    ~MetricsHttpServer() override;

    // Stops listening on any earlier address first. Answers why it could not listen, if it could not.
    void setPage(std::function<std::string()> page) override { m_body = std::move(page); }
    std::optional<QString> listen(const ListenAddress& address) override;
    void close() override;
    bool isListening() const override { return m_server.isListening(); }
    // The port listened on (the one the system picked for port 0).
    quint16 port() const override { return m_server.serverPort(); }
    // Connections open now, for tests.
    int connectionCount() const { return static_cast<int>(m_connections.size()); }

signals:
    // An answer went out, with its status code.
    void answered(int status);

private:
    struct Connection {
        QTcpSocket* socket = nullptr;
        QByteArray received;
        bool answering = false;
    };

    void accept();
    void read(QTcpSocket* socket);
    void respond(Connection& connection, int status);
    void drop(QTcpSocket* socket);
    Connection* find(QTcpSocket* socket);

    std::function<std::string()> m_body;
    Limits m_limits;
    QTcpServer m_server;
    // In the order they came in, so the oldest can make room.
    QList<Connection> m_connections;
    bool m_acceptFailing = false;
};
