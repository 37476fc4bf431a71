#include "system/linux/IcmpEcho.h"

#include <algorithm>

namespace {
constexpr std::size_t headerSize = 8;
} // namespace

std::vector<std::uint8_t> IcmpEcho::request(bool v6, std::uint16_t sequence,
                                            std::span<const std::uint8_t> payload) {
    std::vector<std::uint8_t> bytes(headerSize + payload.size(), 0);
    bytes[0] = v6 ? requestV6 : requestV4;
    bytes[6] = static_cast<std::uint8_t>(sequence >> 8);
    bytes[7] = static_cast<std::uint8_t>(sequence & 0xff);
    std::copy(payload.begin(), payload.end(), bytes.begin() + headerSize);
    return bytes;
}

bool IcmpEcho::isReplyTo(std::span<const std::uint8_t> datagram, bool v6, std::uint16_t identifier,
                         std::uint16_t sequence, std::span<const std::uint8_t> payload) {
    if (datagram.size() != headerSize + payload.size())
        return false;
    if (datagram[0] != (v6 ? replyV6 : replyV4) || datagram[1] != 0)
        return false;
    // The identifier is compared as the bytes on the wire: the socket's port is in network order too.
    const auto* id = reinterpret_cast<const std::uint8_t*>(&identifier);
    if (datagram[4] != id[0] || datagram[5] != id[1])
        return false;
    if (datagram[6] != static_cast<std::uint8_t>(sequence >> 8) ||
        datagram[7] != static_cast<std::uint8_t>(sequence & 0xff))
        return false;
    return std::equal(payload.begin(), payload.end(), datagram.begin() + headerSize);
}
