#include "system/linux/InformationElements.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace ie {
namespace {

constexpr std::array<std::uint8_t, 3> kRsnOui{0x00, 0x0F, 0xAC};
constexpr std::array<std::uint8_t, 3> kWpaOui{0x00, 0x50, 0xF2};
constexpr std::uint8_t kWpaVendorType = 1;
constexpr std::size_t kMaxSsidLength = 32;

// Bounded little-endian reader: every read checks what is left first.
class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}

    std::size_t remaining() const { return m_bytes.size() - m_offset; }

    std::optional<std::uint16_t> u16() {
        if (remaining() < 2)
            return std::nullopt;
        const auto value = static_cast<std::uint16_t>(m_bytes[m_offset] | (m_bytes[m_offset + 1] << 8));
        m_offset += 2;
        return value;
    }

    std::optional<std::span<const std::uint8_t>> take(std::size_t count) {
        if (remaining() < count)
            return std::nullopt;
        auto part = m_bytes.subspan(m_offset, count);
        m_offset += count;
        return part;
    }

private:
    std::span<const std::uint8_t> m_bytes;
    std::size_t m_offset = 0;
};

bool hasOui(std::span<const std::uint8_t> suite, const std::array<std::uint8_t, 3>& oui) {
    return suite.size() >= 4 && std::equal(oui.begin(), oui.end(), suite.begin());
}

// Shared layout of RSN (after its version) and WPA (after OUI, type and version).
std::optional<SecurityElement> parseSuites(Reader& reader, const std::array<std::uint8_t, 3>& oui,
                                           bool hasMfpBits) {
    if (!reader.take(4)) // group cipher
        return std::nullopt;
    const auto pairwiseCount = reader.u16();
    if (!pairwiseCount || !reader.take(std::size_t{*pairwiseCount} * 4))
        return std::nullopt;
    const auto akmCount = reader.u16();
    if (!akmCount)
        return std::nullopt;
    const auto akmList = reader.take(std::size_t{*akmCount} * 4);
    if (!akmList)
        return std::nullopt;

    SecurityElement result;
    for (std::size_t i = 0; i < *akmCount; ++i) {
        const auto suite = akmList->subspan(i * 4, 4);
        if (hasOui(suite, oui))
            result.akmSuites.push_back(suite[3]);
    }
    if (hasMfpBits) {
        if (const auto capabilities = reader.u16()) {
            result.mfpRequired = (*capabilities & 0x0040) != 0;
            result.mfpCapable = (*capabilities & 0x0080) != 0;
        }
    }
    return result;
}

std::optional<Element> findWpaElement(std::span<const std::uint8_t> bytes) {
    for (const Element& element : elements(bytes)) {
        if (element.id == idVendor && element.body.size() >= 4 && hasOui(element.body, kWpaOui) &&
            element.body[3] == kWpaVendorType)
            return element;
    }
    return std::nullopt;
}

bool contains(const std::vector<std::uint8_t>& suites, std::initializer_list<std::uint8_t> wanted) {
    return std::any_of(suites.begin(), suites.end(), [&](std::uint8_t suite) {
        return std::find(wanted.begin(), wanted.end(), suite) != wanted.end();
    });
}

constexpr std::initializer_list<std::uint8_t> kSaeAkms{akm::sae, akm::ftSae, akm::saeExtKey,
                                                       akm::ftSaeExtKey};
constexpr std::initializer_list<std::uint8_t> kPskAkms{akm::psk, akm::ftPsk, akm::pskSha256, akm::pskSha384};
constexpr std::initializer_list<std::uint8_t> k8021xAkms{akm::ieee8021x, akm::ftIeee8021x,
                                                         akm::ieee8021xSha256, akm::suiteB};
constexpr std::initializer_list<std::uint8_t> kSuiteB192Akms{akm::suiteB192, akm::ftIeee8021xSha384};

// The EHT and HE 6 GHz operation fields number their channel widths the same way.
constexpr std::array kWidthsByCode{OperatingWidth::mhz20, OperatingWidth::mhz40, OperatingWidth::mhz80,
                                   OperatingWidth::mhz160, OperatingWidth::mhz320};

std::optional<OperatingWidth> ehtWidth(std::span<const std::uint8_t> bytes) {
    const auto element = findExtension(bytes, extEhtOperation);
    // Parameters (1), basic MCS and NSS set (4), then the optional operation information.
    if (!element || element->body.size() < 6 || (element->body[0] & 0x01) == 0)
        return std::nullopt;
    const std::size_t code = element->body[5] & 0x07;
    if (code >= kWidthsByCode.size())
        return std::nullopt;
    return kWidthsByCode[code];
}

std::optional<OperatingWidth> heSixGhzWidth(std::span<const std::uint8_t> bytes) {
    const auto element = findExtension(bytes, extHeOperation);
    if (!element || element->body.size() < 6)
        return std::nullopt;
    const auto body = element->body;
    std::size_t offset = 6;
    if (body[1] & 0x40) // VHT operation information
        offset += 3;
    if (body[1] & 0x80) // co-hosted BSS indicator
        offset += 1;
    if ((body[2] & 0x02) == 0)
        return std::nullopt;
    // 6 GHz information: primary channel, control, two centre segments, minimum rate.
    if (body.size() < offset + 2)
        return std::nullopt;
    return kWidthsByCode[body[offset + 1] & 0x03];
}

std::optional<OperatingWidth> vhtWidth(std::span<const std::uint8_t> bytes) {
    const auto element = findElement(bytes, idVhtOperation);
    if (!element || element->body.size() < 3)
        return std::nullopt;
    const int segment0 = element->body[1];
    const int segment1 = element->body[2];
    switch (element->body[0]) {
    case 1: {
        if (segment1 == 0)
            return OperatingWidth::mhz80;
        const int distance = std::abs(segment1 - segment0);
        if (distance == 8)
            return OperatingWidth::mhz160;
        if (distance > 16)
            return OperatingWidth::mhz80Plus80;
        return OperatingWidth::mhz80;
    }
    case 2:
        return OperatingWidth::mhz160;
    case 3:
        return OperatingWidth::mhz80Plus80;
    default: // 0: 20 or 40 MHz, told by the HT element
        return std::nullopt;
    }
}

std::optional<OperatingWidth> htWidth(std::span<const std::uint8_t> bytes) {
    const auto element = findElement(bytes, idHtOperation);
    if (!element || element->body.size() < 2)
        return std::nullopt;
    return (element->body[1] & 0x04) ? OperatingWidth::mhz40 : OperatingWidth::mhz20;
}

} // namespace

std::vector<Element> elements(std::span<const std::uint8_t> bytes) {
    std::vector<Element> result;
    std::size_t offset = 0;
    while (bytes.size() - offset >= 2) {
        const std::uint8_t id = bytes[offset];
        const std::size_t length = bytes[offset + 1];
        if (bytes.size() - offset - 2 < length)
            break;
        result.push_back({id, bytes.subspan(offset + 2, length)});
        offset += 2 + length;
    }
    return result;
}

std::optional<Element> findElement(std::span<const std::uint8_t> bytes, std::uint8_t id) {
    for (const Element& element : elements(bytes))
        if (element.id == id)
            return element;
    return std::nullopt;
}

std::optional<Element> findExtension(std::span<const std::uint8_t> bytes, std::uint8_t extensionId) {
    for (const Element& element : elements(bytes))
        if (element.id == idExtension && !element.body.empty() && element.body[0] == extensionId)
            return Element{element.id, element.body.subspan(1)};
    return std::nullopt;
}

std::optional<std::vector<std::uint8_t>> ssid(std::span<const std::uint8_t> bytes) {
    const auto element = findElement(bytes, idSsid);
    if (!element || element->body.size() > kMaxSsidLength)
        return std::nullopt;
    return std::vector<std::uint8_t>(element->body.begin(), element->body.end());
}

std::optional<SecurityElement> rsn(std::span<const std::uint8_t> bytes) {
    const auto element = findElement(bytes, idRsn);
    if (!element)
        return std::nullopt;
    Reader reader(element->body);
    if (reader.u16() != std::optional<std::uint16_t>(1))
        return std::nullopt;
    return parseSuites(reader, kRsnOui, true);
}

std::optional<SecurityElement> wpa(std::span<const std::uint8_t> bytes) {
    const auto element = findWpaElement(bytes);
    if (!element)
        return std::nullopt;
    Reader reader(element->body.subspan(4));
    if (reader.u16() != std::optional<std::uint16_t>(1))
        return std::nullopt;
    return parseSuites(reader, kWpaOui, false);
}

SecurityModes securityModes(std::span<const std::uint8_t> bytes, std::uint16_t capability) {
    SecurityModes modes;
    const auto rsnInfo = rsn(bytes);
    const auto wpaInfo = wpa(bytes);
    if (rsnInfo) {
        const auto& suites = rsnInfo->akmSuites;
        const bool enterprise = contains(suites, k8021xAkms);
        modes.wpa3Personal = contains(suites, kSaeAkms);
        modes.wpa3Enterprise = (enterprise && rsnInfo->mfpRequired) || contains(suites, kSuiteB192Akms);
        modes.wpa2Personal = contains(suites, kPskAkms);
        modes.wpa2Enterprise = enterprise;
        modes.owe = contains(suites, {akm::owe});
    }
    if (wpaInfo) {
        modes.wpaPersonal = contains(wpaInfo->akmSuites, {akm::psk});
        modes.wpaEnterprise = contains(wpaInfo->akmSuites, {akm::ieee8021x});
    }
    // A malformed RSN or WPA element still says the network is not plain WEP or open: leave the
    // set empty rather than guess.
    const bool securityElementPresent = findElement(bytes, idRsn).has_value() || findWpaElement(bytes);
    const bool privacy = (capability & capabilityPrivacy) != 0;
    modes.wep = privacy && !securityElementPresent;
    modes.none = !privacy && !securityElementPresent;
    return modes;
}

std::optional<OperatingWidth> operatingWidth(std::span<const std::uint8_t> bytes) {
    if (auto width = ehtWidth(bytes))
        return width;
    if (auto width = heSixGhzWidth(bytes))
        return width;
    if (auto width = vhtWidth(bytes))
        return width;
    return htWidth(bytes);
}

} // namespace ie
