#include "system/linux/Nl80211WiFiReader.h"

#include "system/linux/NetworkManagerKeyManagement.h"
#include "system/linux/Nl80211.h"

#include <net/if.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

namespace {

bool isInterfaceUp(const std::string& name) {
    if (name.empty() || name.size() >= IFNAMSIZ)
        return false;
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    ifreq request{};
    std::memcpy(request.ifr_name, name.data(), name.size());
    const bool up = ::ioctl(fd, SIOCGIFFLAGS, &request) == 0 && (request.ifr_flags & IFF_UP) != 0;
    ::close(fd);
    return up;
}

} // namespace

Nl80211WiFiReader::Nl80211WiFiReader()
    : Nl80211WiFiReader([](const std::string& name) { return activeKeyManagement(name); }) {}

Nl80211WiFiReader::Nl80211WiFiReader(KeyManagementLookup keyManagement)
    : m_keyManagement(std::move(keyManagement)) {}

std::optional<WiFiReading> Nl80211WiFiReader::read() {
    // A fresh socket each time: Wi-Fi hardware and the driver module can come and go.
    const auto nl = Nl80211::open();
    if (!nl)
        return std::nullopt;
    const auto interfaces = nl->interfaces();
    if (!interfaces)
        return std::nullopt;

    std::optional<wifi_mapping::LinkSources> firstIdle;
    for (const auto& interface : *interfaces) {
        if (interface.type != nl80211::interfaceTypeStation)
            continue;
        wifi_mapping::LinkSources sources;
        sources.interface = interface;
        sources.up = isInterfaceUp(interface.name);
        if (const auto results = nl->scanResults(interface.index)) {
            const auto found = std::find_if(results->begin(), results->end(), [](const auto& result) {
                return result.status == nl80211::bssStatusAssociated;
            });
            if (found != results->end())
                sources.associated = *found;
        }
        if (sources.associated) {
            sources.station = nl->station(interface.index, sources.associated->bssid);
        } else if (interface.ssid) {
            if (const auto stations = nl->stations(interface.index); stations && !stations->empty())
                sources.station = stations->front();
        }
        if (wifi_mapping::isAssociated(sources)) {
            sources.survey = nl->survey(interface.index).value_or(std::vector<nl80211::SurveyEntry>{});
            if (m_keyManagement)
                sources.keyManagement = m_keyManagement(interface.name);
            return wifi_mapping::readingFor(sources);
        }
        if (!firstIdle)
            firstIdle = std::move(sources);
    }
    if (firstIdle)
        return wifi_mapping::readingFor(*firstIdle);
    return std::nullopt;
}
