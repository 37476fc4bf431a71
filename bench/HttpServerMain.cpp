// Serves the speed-test paths on loopback for benchmarks, in a process of its own so that the
// client under test and the reference client meet the same server. Prints its port, then serves
// until killed.
#include "support/LocalHttpServer.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    LocalHttpServer server;
    server.route("/__down", [](const LocalHttpServer::Request& request) {
        qint64 size = 25'000'000;
        if (request.query.startsWith("bytes="))
            size = request.query.mid(6).toLongLong();
        return LocalHttpServer::Reply::generated(size);
    });
    server.route("/__up", LocalHttpServer::Reply::answer(200));
    std::printf("%u\n", unsigned(server.port()));
    std::fflush(stdout);
    return QCoreApplication::exec();
}
