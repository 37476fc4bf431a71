#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// The echo request and reply of ICMP (IPv4) and ICMPv6 as an ICMP datagram socket sends and
// receives them: the ICMP header and payload, no IP header. The kernel fills in the checksum and
// replaces the identifier with the socket's own, so only type, sequence and payload are ours to set.
struct IcmpEcho final {
    static constexpr std::uint8_t requestV4 = 8;
    static constexpr std::uint8_t replyV4 = 0;
    static constexpr std::uint8_t requestV6 = 128;
    static constexpr std::uint8_t replyV6 = 129;

    static std::vector<std::uint8_t> request(bool v6, std::uint16_t sequence,
                                             std::span<const std::uint8_t> payload);
    // Whether a received datagram is the reply to our request: the reply type, our identifier (in
    // network byte order, as the socket's port reads), our sequence and our payload. Anything else
    // (a late reply of an earlier echo, a truncated datagram) is not.
    static bool isReplyTo(std::span<const std::uint8_t> datagram, bool v6, std::uint16_t identifier,
                          std::uint16_t sequence, std::span<const std::uint8_t> payload);
};
