#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// Parsing of 802.11 information elements as an access point advertises them. The bytes come from
// any device in radio range, so every read is bounded and malformed input yields "not present".
namespace ie {

inline constexpr std::uint8_t idSsid = 0;
inline constexpr std::uint8_t idHtOperation = 61;
inline constexpr std::uint8_t idRsn = 48;
inline constexpr std::uint8_t idVhtOperation = 192;
inline constexpr std::uint8_t idVendor = 221;
inline constexpr std::uint8_t idExtension = 255;
inline constexpr std::uint8_t extHeOperation = 36;
inline constexpr std::uint8_t extEhtOperation = 106;

inline constexpr std::uint16_t capabilityPrivacy = 0x0010;

struct Element {
    std::uint8_t id = 0;
    std::span<const std::uint8_t> body;
};

// Walks the elements in order; stops at the first one whose length runs past the end.
std::vector<Element> elements(std::span<const std::uint8_t> bytes);
// First element with this id (for 255: the body after the extension id byte is not stripped).
std::optional<Element> findElement(std::span<const std::uint8_t> bytes, std::uint8_t id);
// First extension element with this extension id; its body starts after the extension id.
std::optional<Element> findExtension(std::span<const std::uint8_t> bytes, std::uint8_t extensionId);

// Raw SSID bytes (up to 32); absent when there is no valid SSID element.
std::optional<std::vector<std::uint8_t>> ssid(std::span<const std::uint8_t> bytes);

// AKM suite selectors with OUI 00-0F-AC.
namespace akm {
inline constexpr std::uint8_t ieee8021x = 1;
inline constexpr std::uint8_t psk = 2;
inline constexpr std::uint8_t ftIeee8021x = 3;
inline constexpr std::uint8_t ftPsk = 4;
inline constexpr std::uint8_t ieee8021xSha256 = 5;
inline constexpr std::uint8_t pskSha256 = 6;
inline constexpr std::uint8_t sae = 8;
inline constexpr std::uint8_t ftSae = 9;
inline constexpr std::uint8_t suiteB = 11;
inline constexpr std::uint8_t suiteB192 = 12;
inline constexpr std::uint8_t ftIeee8021xSha384 = 13;
inline constexpr std::uint8_t owe = 18;
inline constexpr std::uint8_t pskSha384 = 20;
inline constexpr std::uint8_t saeExtKey = 24;
inline constexpr std::uint8_t ftSaeExtKey = 25;
} // namespace akm

// The parts of an RSN or WPA element that say how a client authenticates.
struct SecurityElement {
    // Suite types whose OUI is the standard's own (00-0F-AC for RSN, 00-50-F2 for WPA);
    // vendor-specific suites are left out.
    std::vector<std::uint8_t> akmSuites;
    bool mfpRequired = false;
    bool mfpCapable = false;

    bool operator==(const SecurityElement&) const = default;
};

// RSN element (48). Absent when missing or too short to hold its AKM list; the optional trailing
// fields (capabilities) default to false when cut off.
std::optional<SecurityElement> rsn(std::span<const std::uint8_t> bytes);
// WPA element (vendor 221, OUI 00-50-F2, type 1), same rules.
std::optional<SecurityElement> wpa(std::span<const std::uint8_t> bytes);

// The security modes a network offers; several may hold at once.
struct SecurityModes {
    bool wpa3Personal = false;
    bool wpa3Enterprise = false;
    bool wpa2Personal = false;
    bool wpa2Enterprise = false;
    bool wpaPersonal = false;
    bool wpaEnterprise = false;
    // Privacy bit without RSN or WPA element: static or dynamic WEP.
    bool wep = false;
    // Opportunistic wireless encryption (enhanced open).
    bool owe = false;
    // No privacy at all.
    bool none = false;

    bool operator==(const SecurityModes&) const = default;
};

SecurityModes securityModes(std::span<const std::uint8_t> bytes, std::uint16_t capability);

enum class OperatingWidth { mhz20, mhz40, mhz80, mhz160, mhz80Plus80, mhz320 };

// Channel width the network operates at, from its EHT, HE (6 GHz), VHT and HT operation elements,
// widest trustworthy answer first. Absent when none of them says anything.
std::optional<OperatingWidth> operatingWidth(std::span<const std::uint8_t> bytes);

} // namespace ie
