#include "system/linux/IcmpSocketPinger.h"

#include "system/linux/IcmpEcho.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <cstring>

namespace {

constexpr auto limit = std::chrono::seconds(2);

// Closes the socket on every path out of a ping.
class Descriptor final {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

} // namespace

IcmpSocketPinger::IcmpSocketPinger()
    : IcmpSocketPinger([](int d, int t, int p) { return ::socket(d, t, p); }) {}

IcmpSocketPinger::IcmpSocketPinger(SocketOpener open) : m_open(std::move(open)) {}

bool IcmpSocketPinger::usable(int* error) const {
    const Descriptor socket(m_open(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, IPPROTO_ICMP));
    if (socket.get() < 0 && error)
        *error = errno;
    return socket.get() >= 0;
}

std::optional<double> IcmpSocketPinger::ping(const std::string& host) const {
    sockaddr_storage target{};
    socklen_t targetSize = 0;
    bool v6 = false;
    auto* v4Address = reinterpret_cast<sockaddr_in*>(&target);
    auto* v6Address = reinterpret_cast<sockaddr_in6*>(&target);
    if (::inet_pton(AF_INET, host.c_str(), &v4Address->sin_addr) == 1) {
        v4Address->sin_family = AF_INET;
        targetSize = sizeof(sockaddr_in);
    } else if (::inet_pton(AF_INET6, host.c_str(), &v6Address->sin6_addr) == 1) {
        v6Address->sin6_family = AF_INET6;
        targetSize = sizeof(sockaddr_in6);
        v6 = true;
    } else {
        return std::nullopt;
    }

    const Descriptor socket(m_open(v6 ? AF_INET6 : AF_INET, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK,
                                   v6 ? int{IPPROTO_ICMPV6} : int{IPPROTO_ICMP}));
    if (socket.get() < 0)
        return std::nullopt;

    const std::uint16_t sequence = m_sequence.fetch_add(1, std::memory_order_relaxed);
    // A payload of our own makes a stray reply that happens to reuse identifier and sequence unlikely
    // to pass for ours.
    const auto started = std::chrono::steady_clock::now();
    const auto stamp = static_cast<std::uint64_t>(started.time_since_epoch().count());
    std::array<std::uint8_t, 8> payload{};
    std::memcpy(payload.data(), &stamp, payload.size());
    const auto request = IcmpEcho::request(v6, sequence, payload);
    if (::sendto(socket.get(), request.data(), request.size(), 0, reinterpret_cast<sockaddr*>(&target),
                 targetSize) != static_cast<ssize_t>(request.size()))
        return std::nullopt;

    // The kernel picked the identifier when it bound the socket on sending.
    sockaddr_storage local{};
    socklen_t localSize = sizeof(local);
    if (::getsockname(socket.get(), reinterpret_cast<sockaddr*>(&local), &localSize) != 0)
        return std::nullopt;
    const std::uint16_t identifier = v6 ? reinterpret_cast<sockaddr_in6*>(&local)->sin6_port
                                        : reinterpret_cast<sockaddr_in*>(&local)->sin_port;

    const auto deadline = started + limit;
    std::array<std::uint8_t, 1500> buffer{};
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return std::nullopt;
        pollfd waiting{socket.get(), POLLIN, 0};
        const int ready = ::poll(&waiting, 1, static_cast<int>(left.count()) + 1);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return std::nullopt;
        const ssize_t received = ::recv(socket.get(), buffer.data(), buffer.size(), 0);
        const auto arrived = std::chrono::steady_clock::now();
        if (received < 0) {
            if (errno == EAGAIN || errno == EINTR)
                continue;
            return std::nullopt;
        }
        if (arrived > deadline)
            return std::nullopt;
        if (IcmpEcho::isReplyTo(std::span(buffer.data(), static_cast<std::size_t>(received)), v6, identifier,
                                sequence, payload))
            return std::chrono::duration<double, std::milli>(arrived - started).count();
    }
}
