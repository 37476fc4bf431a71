#pragma once

#include "platform/Pinger.h"

#include <atomic>
#include <cstdint>
#include <functional>

// Sends the echo itself over an unprivileged ICMP datagram socket, so a ping costs a few system
// calls instead of a process. The kernel allows such sockets only to the groups in
// net.ipv4.ping_group_range (which also governs ICMPv6); usable() says whether it does for us.
// Accepts IPv4 and IPv6 address texts; the round trip is measured on the monotonic clock.
class IcmpSocketPinger final : public Pinger {
public:
    // socket(2)'s signature, replaceable so tests can stand in for a kernel that refuses.
    using SocketOpener = std::function<int(int domain, int type, int protocol)>;

    IcmpSocketPinger();
    explicit IcmpSocketPinger(SocketOpener open);

    // When not, `error` (if given) receives socket(2)'s errno.
    bool usable(int* error = nullptr) const;
    std::optional<double> ping(const std::string& host) const override;

private:
    SocketOpener m_open;
    // Pings run on several threads at once; each gets its own sequence number.
    mutable std::atomic<std::uint16_t> m_sequence{0};
};
