#include "system/linux/Nl80211.h"

#include <linux/nl80211.h>
#include <netlink/genl/ctrl.h>
#include <netlink/genl/genl.h>
#include <netlink/netlink.h>
#include <sys/socket.h>
#include <sys/time.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <functional>
#include <span>

namespace {

constexpr auto kReplyTimeout = std::chrono::seconds(2);

struct ReplyState {
    // 1 while waiting, 0 when done, a negative errno on failure.
    int status = 1;
    std::function<void(std::span<const std::uint8_t>)> onMessage;
};

int onValid(nl_msg* message, void* context) {
    auto* state = static_cast<ReplyState*>(context);
    auto* header = static_cast<genlmsghdr*>(nlmsg_data(nlmsg_hdr(message)));
    const auto* data = reinterpret_cast<const std::uint8_t*>(genlmsg_attrdata(header, 0));
    const int length = genlmsg_attrlen(header, 0);
    if (length > 0)
        state->onMessage({data, static_cast<std::size_t>(length)});
    return NL_OK;
}

int onFinish(nl_msg*, void* context) {
    static_cast<ReplyState*>(context)->status = 0;
    return NL_SKIP;
}

int onAck(nl_msg*, void* context) {
    static_cast<ReplyState*>(context)->status = 0;
    return NL_STOP;
}

int onError(sockaddr_nl*, nlmsgerr* error, void* context) {
    static_cast<ReplyState*>(context)->status = error->error < 0 ? error->error : -EIO;
    return NL_STOP;
}

void setReceiveTimeout(nl_sock* socket) {
    timeval timeout{};
    timeout.tv_sec = std::chrono::duration_cast<std::chrono::seconds>(kReplyTimeout).count();
    setsockopt(nl_socket_get_fd(socket), SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
}

// Dumps `command` and keeps every reply `decode` understands; absent when the request fails.
template <typename T>
std::optional<std::vector<T>> dumpAll(Nl80211& link, std::uint8_t command,
                                      std::optional<std::uint32_t> interfaceIndex,
                                      std::optional<T> (*decode)(std::span<const std::uint8_t>)) {
    std::vector<T> result;
    const bool done = link.request(command, true, interfaceIndex, [&](std::span<const std::uint8_t> bytes) {
        if (auto entry = decode(bytes))
            result.push_back(std::move(*entry));
    });
    if (!done)
        return std::nullopt;
    return result;
}

} // namespace

struct Nl80211::Request {
    std::uint8_t command = 0;
    bool dump = false;
    std::optional<std::uint32_t> interfaceIndex;
    std::optional<nl80211::MacAddress> address;
    std::function<void(std::span<const std::uint8_t>)> onMessage;
};

std::unique_ptr<Nl80211> Nl80211::open(std::string* error) {
    return openFamily("nl80211", error);
}

std::unique_ptr<Nl80211> Nl80211::openFamily(const std::string& name, std::string* error) {
    nl_sock* socket = nl_socket_alloc();
    if (!socket) {
        if (error)
            *error = "cannot allocate a netlink socket";
        return nullptr;
    }
    if (const int result = genl_connect(socket); result < 0) {
        if (error)
            *error = nl_geterror(result);
        nl_socket_free(socket);
        return nullptr;
    }
    const int family = genl_ctrl_resolve(socket, name.c_str());
    if (family < 0) {
        if (error)
            *error = "no " + name + " support in the kernel";
        nl_socket_free(socket);
        return nullptr;
    }
    setReceiveTimeout(socket);
    // Scan dumps carry large element blobs; let libnl size its buffer to each message.
    nl_socket_enable_msg_peek(socket);
    return std::unique_ptr<Nl80211>(new Nl80211(socket, family));
}

Nl80211::Nl80211(nl_sock* socket, int family) : m_socket(socket), m_family(family) {}

Nl80211::~Nl80211() {
    nl_socket_free(m_socket);
}

bool Nl80211::run(const Request& request) {
    m_lastError.clear();
    nl_msg* message = nlmsg_alloc();
    if (!message) {
        m_lastError = "out of memory";
        return false;
    }
    const int flags = request.dump ? NLM_F_DUMP : 0;
    bool built = genlmsg_put(message, NL_AUTO_PORT, NL_AUTO_SEQ, m_family, 0, flags, request.command, 0);
    if (built && request.interfaceIndex)
        built = nla_put_u32(message, NL80211_ATTR_IFINDEX, *request.interfaceIndex) == 0;
    if (built && request.address)
        built = nla_put(message, NL80211_ATTR_MAC, 6, request.address->data()) == 0;
    if (!built) {
        nlmsg_free(message);
        m_lastError = "cannot build the request";
        return false;
    }
    const int sent = nl_send_auto(m_socket, message);
    nlmsg_free(message);
    if (sent < 0) {
        m_lastError = nl_geterror(sent);
        return false;
    }

    ReplyState state;
    state.onMessage = request.onMessage;
    nl_cb* callbacks = nl_cb_alloc(NL_CB_DEFAULT);
    if (!callbacks) {
        m_lastError = "out of memory";
        return false;
    }
    nl_cb_set(callbacks, NL_CB_VALID, NL_CB_CUSTOM, onValid, &state);
    nl_cb_set(callbacks, NL_CB_FINISH, NL_CB_CUSTOM, onFinish, &state);
    nl_cb_set(callbacks, NL_CB_ACK, NL_CB_CUSTOM, onAck, &state);
    nl_cb_err(callbacks, NL_CB_CUSTOM, onError, &state);

    const auto deadline = std::chrono::steady_clock::now() + kReplyTimeout;
    while (state.status > 0) {
        const int received = nl_recvmsgs(m_socket, callbacks);
        if (received < 0 && state.status > 0) {
            m_lastError = nl_geterror(received);
            state.status = -EIO;
        } else if (state.status > 0 && std::chrono::steady_clock::now() > deadline) {
            m_lastError = "no answer from the kernel";
            state.status = -ETIMEDOUT;
        }
    }
    nl_cb_put(callbacks);
    if (state.status < 0 && m_lastError.empty())
        m_lastError = std::strerror(-state.status);
    return state.status == 0;
}

bool Nl80211::request(std::uint8_t command, bool dump, std::optional<std::uint32_t> interfaceIndex,
                      const std::function<void(std::span<const std::uint8_t>)>& onMessage) {
    return run(Request{command, dump, interfaceIndex, std::nullopt, onMessage});
}

std::optional<std::vector<nl80211::InterfaceInfo>> Nl80211::interfaces() {
    return dumpAll(*this, NL80211_CMD_GET_INTERFACE, std::nullopt, nl80211::decodeInterface);
}

std::optional<std::vector<nl80211::ScanResult>> Nl80211::scanResults(std::uint32_t interfaceIndex) {
    return dumpAll(*this, NL80211_CMD_GET_SCAN, interfaceIndex, nl80211::decodeScanResult);
}

std::optional<nl80211::StationInfo> Nl80211::station(std::uint32_t interfaceIndex,
                                                     const nl80211::MacAddress& address) {
    std::optional<nl80211::StationInfo> result;
    Request request{NL80211_CMD_GET_STATION, false, interfaceIndex, address,
                    [&](std::span<const std::uint8_t> bytes) {
                        if (!result)
                            result = nl80211::decodeStation(bytes);
                    }};
    if (!run(request))
        return std::nullopt;
    return result;
}

std::optional<std::vector<nl80211::StationInfo>> Nl80211::stations(std::uint32_t interfaceIndex) {
    return dumpAll(*this, NL80211_CMD_GET_STATION, interfaceIndex, nl80211::decodeStation);
}

std::optional<std::vector<nl80211::SurveyEntry>> Nl80211::survey(std::uint32_t interfaceIndex) {
    return dumpAll(*this, NL80211_CMD_GET_SURVEY, interfaceIndex, nl80211::decodeSurvey);
}
