#pragma once

#include "core/ListenAddress.h"

#include <QString>
#include <QtGlobal>

#include <functional>
#include <optional>
#include <string>

// Serves one page to HTTP clients: the figures a monitoring system scrapes.
class PageServer {
public:
    virtual ~PageServer() = default;

    // What each request is answered with, asked for at the moment of the request.
    virtual void setPage(std::function<std::string()> page) = 0;
    // Stops listening on any earlier address first. Answers why it could not listen, if it could not.
    virtual std::optional<QString> listen(const ListenAddress& address) = 0;
    virtual void close() = 0;
    virtual bool isListening() const = 0;
    // The port listened on (the one the system picked for port 0).
    virtual quint16 port() const = 0;
};
