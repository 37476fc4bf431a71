#include "platform/linux/PingerChoice.h"

#include "platform/linux/IcmpSocketPinger.h"

Pinger& choosePinger(IcmpSocketPinger& socket, const std::function<Pinger&()>& fallback) {
    if (socket.usable())
        return socket;
    return fallback();
}
