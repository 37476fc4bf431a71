#include "system/linux/WiFiCodeMapping.h"

#include <linux/nl80211.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace wifi_mapping {
namespace {

// Order of the radio standards from oldest to newest; codes outside the list rank lowest.
constexpr std::array<int, 8> kPhyOrder{wifi_codes::phyNone, wifi_codes::phy11b, wifi_codes::phy11a,
                                       wifi_codes::phy11g,  wifi_codes::phy11n, wifi_codes::phy11ac,
                                       wifi_codes::phy11ax, wifi_codes::phy11be};

int phyRank(int code) {
    const auto found = std::find(kPhyOrder.begin(), kPhyOrder.end(), code);
    return found == kPhyOrder.end() ? -1 : static_cast<int>(found - kPhyOrder.begin());
}

// 1, 2, 5.5 and 11 Mbit/s: the 802.11b rates, in units of 100 kbit/s.
bool isDsssRate(std::uint32_t bitrate) {
    return bitrate == 10 || bitrate == 20 || bitrate == 55 || bitrate == 110;
}

// Length of the valid UTF-8 sequence starting at `bytes`, or 0.
std::size_t utf8SequenceLength(std::span<const std::uint8_t> bytes) {
    const std::uint8_t lead = bytes[0];
    if (lead < 0x80)
        return 1;
    std::size_t length;
    std::uint32_t codePoint;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        codePoint = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        codePoint = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        codePoint = lead & 0x07;
    } else {
        return 0;
    }
    if (bytes.size() < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((bytes[i] & 0xC0) != 0x80)
            return 0;
        codePoint = (codePoint << 6) | (bytes[i] & 0x3F);
    }
    constexpr std::array<std::uint32_t, 5> kSmallest{0, 0, 0x80, 0x800, 0x10000};
    if (codePoint < kSmallest[length] || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return 0;
    return length;
}

bool onlyWpa1(const std::vector<std::string>& protocols) {
    return protocols.size() == 1 && protocols.front() == "wpa";
}

} // namespace

std::optional<int> channelForFrequency(std::uint32_t mhz) {
    const int f = static_cast<int>(std::min<std::uint32_t>(mhz, 100000));
    if (f == 2484)
        return 14;
    if (f >= 2407 && f < 2484)
        return (f - 2407) / 5;
    if (f >= 4910 && f <= 4980)
        return (f - 4000) / 5;
    if (f == 5935)
        return 2;
    if (f >= 5000 && f < 5950)
        return (f - 5000) / 5;
    if (f >= 5950 && f <= 7125)
        return (f - 5950) / 5;
    if (f >= 58320 && f <= 70200)
        return (f - 56160) / 2160;
    return std::nullopt;
}

int bandCodeForFrequency(std::uint32_t mhz) {
    if (mhz >= 2400 && mhz <= 2500)
        return wifi_codes::band2GHz;
    if (mhz >= 4900 && mhz <= 5900)
        return wifi_codes::band5GHz;
    if (mhz >= 5925 && mhz <= 7125)
        return wifi_codes::band6GHz;
    return wifi_codes::bandUnknown;
}

int widthCodeForChannelWidth(std::uint32_t nl80211Width) {
    switch (nl80211Width) {
    case NL80211_CHAN_WIDTH_20_NOHT:
    case NL80211_CHAN_WIDTH_20:
        return wifi_codes::width20MHz;
    case NL80211_CHAN_WIDTH_40:
        return wifi_codes::width40MHz;
    case NL80211_CHAN_WIDTH_80:
        return wifi_codes::width80MHz;
    case NL80211_CHAN_WIDTH_80P80:
    case NL80211_CHAN_WIDTH_160:
    case NL80211_CHAN_WIDTH_320:
        return wifi_codes::width160MHz;
    default:
        return wifi_codes::widthUnknown;
    }
}

int widthCodeForOperatingWidth(ie::OperatingWidth width) {
    switch (width) {
    case ie::OperatingWidth::mhz20:
        return wifi_codes::width20MHz;
    case ie::OperatingWidth::mhz40:
        return wifi_codes::width40MHz;
    case ie::OperatingWidth::mhz80:
        return wifi_codes::width80MHz;
    case ie::OperatingWidth::mhz160:
    case ie::OperatingWidth::mhz80Plus80:
    case ie::OperatingWidth::mhz320:
        return wifi_codes::width160MHz;
    }
    return wifi_codes::widthUnknown;
}

int phyCodeForRate(const nl80211::RateInfo& rate, std::uint32_t frequency) {
    if (rate.eht)
        return wifi_codes::phy11be;
    if (rate.he)
        return wifi_codes::phy11ax;
    if (rate.vht)
        return wifi_codes::phy11ac;
    if (rate.ht)
        return wifi_codes::phy11n;
    if (!rate.bitrate)
        return wifi_codes::phyNone;
    if (bandCodeForFrequency(frequency) == wifi_codes::band2GHz)
        return isDsssRate(*rate.bitrate) ? wifi_codes::phy11b : wifi_codes::phy11g;
    return wifi_codes::phy11a;
}

int phyCodeForStation(const nl80211::StationInfo& station, std::uint32_t frequency) {
    int best = wifi_codes::phyNone;
    for (const auto& rate : {station.txRate, station.rxRate}) {
        if (!rate)
            continue;
        const int code = phyCodeForRate(*rate, frequency);
        if (code != wifi_codes::phyNone && (best == wifi_codes::phyNone || phyRank(code) > phyRank(best)))
            best = code;
    }
    return best;
}

std::string formatBssid(const nl80211::MacAddress& address) {
    char text[18];
    std::snprintf(text, sizeof text, "%02x:%02x:%02x:%02x:%02x:%02x", address[0], address[1], address[2],
                  address[3], address[4], address[5]);
    return text;
}

std::optional<std::string> ssidText(std::span<const std::uint8_t> bytes) {
    if (std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t byte) { return byte == 0; }))
        return std::nullopt;
    std::string text;
    std::size_t offset = 0;
    while (offset < bytes.size()) {
        const std::size_t length = utf8SequenceLength(bytes.subspan(offset));
        if (length == 0) {
            text += "\xEF\xBF\xBD";
            ++offset;
        } else {
            text.append(reinterpret_cast<const char*>(bytes.data() + offset), length);
            offset += length;
        }
    }
    return text;
}

std::int64_t securityCodeForKeyManagement(const KeyManagement& keyManagement) {
    const std::string& mode = keyManagement.keyMgmt;
    if (mode.empty())
        return wifi_codes::securityNone;
    if (mode == "none") // static WEP keys
        return wifi_codes::securityWEP;
    if (mode == "ieee8021x")
        return wifi_codes::securityDynamicWEP;
    if (mode == "wpa-psk")
        return onlyWpa1(keyManagement.protocols) ? wifi_codes::securityWPAPersonal
                                                 : wifi_codes::securityWPA2Personal;
    if (mode == "sae")
        return wifi_codes::securityPersonal;
    if (mode == "owe")
        return wifi_codes::securityOWE;
    if (mode == "wpa-eap") {
        if (onlyWpa1(keyManagement.protocols))
            return wifi_codes::securityWPAEnterprise;
        return keyManagement.pmf == 3 ? wifi_codes::securityEnterprise : wifi_codes::securityWPA2Enterprise;
    }
    if (mode == "wpa-eap-suite-b-192")
        return wifi_codes::securityEnterprise;
    return wifi_codes::securityUnknown;
}

std::int64_t securityCodeForElements(std::span<const std::uint8_t> elements, std::uint16_t capability) {
    const ie::SecurityModes modes = ie::securityModes(elements, capability);
    if (modes.wpa3Personal)
        return modes.wpa2Personal ? wifi_codes::securityWPA3Transition : wifi_codes::securityPersonal;
    if (modes.wpa3Enterprise)
        return wifi_codes::securityEnterprise;
    if (modes.wpa2Personal)
        return modes.wpaPersonal ? wifi_codes::securityWPAPersonalMixed : wifi_codes::securityWPA2Personal;
    if (modes.wpa2Enterprise)
        return modes.wpaEnterprise ? wifi_codes::securityWPAEnterpriseMixed
                                   : wifi_codes::securityWPA2Enterprise;
    if (modes.wpaPersonal)
        return wifi_codes::securityWPAPersonal;
    if (modes.wpaEnterprise)
        return wifi_codes::securityWPAEnterprise;
    if (modes.owe)
        return wifi_codes::securityOWE;
    if (modes.wep)
        return wifi_codes::securityWEP;
    if (modes.none)
        return wifi_codes::securityNone;
    return wifi_codes::securityUnknown;
}

bool isAssociated(const LinkSources& sources) {
    return sources.associated.has_value() || (sources.interface.ssid && sources.station);
}

WiFiReading readingFor(const LinkSources& sources) {
    WiFiReading reading;
    const auto& interface = sources.interface;
    const bool associated = isAssociated(sources);
    reading.powerOn = sources.up || associated;
    if (!associated)
        return reading;

    const auto& bss = sources.associated;
    const auto& station = sources.station;
    reading.bssid = formatBssid(bss ? bss->bssid : station->address);

    if (station && station->signal)
        reading.rssiValue = *station->signal;
    else if (bss && bss->signalMbm)
        reading.rssiValue = static_cast<int>(std::lround(*bss->signalMbm / 100.0));

    if (interface.ssid)
        reading.ssid = ssidText(*interface.ssid);
    else if (bss)
        if (const auto raw = ie::ssid(bss->informationElements))
            reading.ssid = ssidText(*raw);

    const std::optional<std::uint32_t> frequency =
        interface.frequency ? interface.frequency
                            : (bss ? std::optional<std::uint32_t>(bss->frequency) : std::nullopt);
    if (frequency) {
        WiFiChannelReading channel;
        channel.channelNumber = channelForFrequency(*frequency).value_or(0);
        channel.channelBand = bandCodeForFrequency(*frequency);
        if (interface.channelWidth)
            channel.channelWidth = widthCodeForChannelWidth(*interface.channelWidth);
        else if (bss)
            if (const auto width = ie::operatingWidth(bss->informationElements))
                channel.channelWidth = widthCodeForOperatingWidth(*width);
        reading.channel = channel;

        // The entry marked in use, else the one on our frequency; never a made-up floor.
        for (const auto& entry : sources.survey)
            if (entry.inUse && entry.noise)
                reading.noiseMeasurement = entry.noise;
        if (!reading.noiseMeasurement)
            for (const auto& entry : sources.survey)
                if (entry.frequency == *frequency && entry.noise)
                    reading.noiseMeasurement = entry.noise;
    }

    if (station) {
        if (station->txRate && station->txRate->bitrate)
            reading.transmitRate = *station->txRate->bitrate / 10.0;
        reading.activePHYMode = phyCodeForStation(*station, frequency.value_or(0));
    }

    if (sources.keyManagement) {
        reading.security = securityCodeForKeyManagement(*sources.keyManagement);
        // NetworkManager lists what it allows; a network that offers only WPA settles it.
        if (bss && !ie::rsn(bss->informationElements) && ie::wpa(bss->informationElements)) {
            if (reading.security == wifi_codes::securityWPA2Personal)
                reading.security = wifi_codes::securityWPAPersonal;
            else if (reading.security == wifi_codes::securityWPA2Enterprise)
                reading.security = wifi_codes::securityWPAEnterprise;
        }
    } else if (bss) {
        reading.security = securityCodeForElements(bss->informationElements, bss->capability);
    }
    return reading;
}

} // namespace wifi_mapping
