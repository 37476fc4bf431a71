#include "platform/linux/PingerChoice.h"

#include "platform/Log.h"
#include "platform/linux/IcmpSocketPinger.h"

#include <cstring>

Pinger& choosePinger(IcmpSocketPinger& socket, const std::function<Pinger&()>& fallback) {
    int error = 0;
    if (socket.usable(&error))
        return socket;
    // Said once, so whoever wonders why pings start processes learns the reason.
    logFailure("Pinging with the ping tool, no ICMP socket allowed: ", std::strerror(error));
    return fallback();
}
