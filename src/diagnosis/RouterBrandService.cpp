#include "diagnosis/RouterBrandService.h"
#include "core/RuleText.h"

#include <algorithm>
#include <cctype>
#include <initializer_list>
#include <utility>
#include <vector>

namespace {

// Vendor prefixes by brand; every prefix appears once.
struct BrandPrefixes {
    RouterBrand brand;
    std::initializer_list<const char*> prefixes;
};

// clang-format off
const BrandPrefixes kOuiTable[] = {
    {RouterBrand::netgear,
     {"00:14:6C", "00:1B:2F", "00:1E:2A", "00:1F:33", "00:22:3F", "00:24:B2", "00:26:F2", "20:4E:7F",
      "28:C6:8E", "2C:B0:5D", "30:46:9A", "44:94:FC", "6C:B0:CE", "84:1B:5E", "9C:3D:CF", "A0:04:60",
      "A4:2B:8C", "C0:FF:D4", "E4:F4:C6", "E8:FC:AF"}},
    {RouterBrand::linksys,
     {"00:04:5A", "00:06:25", "00:0C:41", "00:0F:66", "00:12:17", "00:14:BF", "00:16:B6", "00:18:39",
      "00:18:F8", "00:1A:70", "00:1C:10", "00:1D:7E", "00:1E:E5", "00:21:29", "00:22:6B", "00:23:69",
      "00:25:9C", "58:6D:8F", "C0:56:27"}},
    {RouterBrand::tplink,
     {"00:1D:0F", "00:23:CD", "00:27:19", "14:CC:20", "14:CF:92", "18:A6:F7", "1C:3B:F3", "30:B5:C2",
      "50:C7:BF", "54:C8:0F", "5C:A6:E6", "60:E3:27", "64:66:B3", "64:70:02", "6C:5A:B0", "78:8C:B5",
      "90:F6:52", "98:DA:C4", "A4:2B:B0", "AC:84:C6", "B0:4E:26", "B0:BE:76", "C0:25:E9", "C4:E9:84",
      "D4:6E:0E", "D8:07:B6", "E8:94:F6", "EC:08:6B", "EC:17:2F", "F4:F2:6D"}},
    {RouterBrand::asus,
     {"00:0C:6E", "00:0E:A6", "00:11:2F", "00:11:D8", "00:13:D4", "00:15:F2", "00:17:31", "00:18:F3",
      "00:1A:92", "00:1D:60", "00:1E:8C", "00:1F:C6", "00:22:15", "00:23:54", "00:24:8C", "00:26:18",
      "04:92:26", "08:60:6E", "10:BF:48", "14:DD:A9", "1C:87:2C", "2C:4D:54", "2C:56:DC", "30:85:A9",
      "38:D5:47", "3C:97:0E", "40:16:7E", "4C:ED:FB", "50:46:5D", "54:04:A6", "60:45:CB", "74:D0:2B",
      "AC:22:0B"}},
    {RouterBrand::dlink,
     {"00:05:5D", "00:0D:88", "00:0F:3D", "00:11:95", "00:13:46", "00:15:E9", "00:17:9A", "00:19:5B",
      "00:1B:11", "00:1C:F0", "00:1E:58", "00:21:91", "00:22:B0", "00:24:01", "00:26:5A", "14:D6:4D",
      "1C:7E:E5", "28:10:7B", "34:08:04", "78:54:2E", "84:C9:B2", "90:94:E4", "9C:D6:43", "B8:A3:86",
      "C8:BE:19", "CC:B2:55", "F0:7D:68"}},
    {RouterBrand::apple,
     {"00:03:93", "00:0A:95", "00:0D:93", "00:11:24", "00:14:51", "00:16:CB", "00:17:F2", "00:19:E3",
      "00:1B:63", "00:1C:B3", "00:1D:4F", "00:1E:52", "00:1E:C2", "00:1F:5B", "00:1F:F3", "00:21:E9",
      "00:22:41", "00:23:12", "00:23:32", "00:23:6C", "00:23:DF", "00:24:36", "00:25:00", "00:25:4B",
      "00:25:BC", "00:26:08", "00:26:4A", "00:26:B0", "00:26:BB"}},
    {RouterBrand::google,
     {"18:D6:C7", "54:60:09", "F4:F5:D8", "F4:F5:E8"}},
    {RouterBrand::eero,
     {"50:DC:E7", "F8:BB:BF"}},
    {RouterBrand::ubiquiti,
     {"00:27:22", "04:18:D6", "18:E8:29", "24:5A:4C", "44:D9:E7", "68:72:51", "74:83:C2", "78:8A:20",
      "80:2A:A8", "B4:FB:E4", "DC:9F:DB", "F0:9F:C2", "FC:EC:DA"}},
    {RouterBrand::arris,
     {"00:00:CA", "00:01:5C", "00:15:96", "00:15:A4", "00:15:A8", "00:15:CE", "00:15:D1", "00:1A:77",
      "00:1D:BE", "00:1D:CE", "00:1D:D2", "00:1E:46", "00:1E:5A", "00:20:40", "00:23:74", "00:23:75",
      "00:23:95", "00:23:A2", "00:24:95", "00:26:42", "00:26:D9"}},
    {RouterBrand::xfinity,
     {"04:A1:51", "10:86:8C", "14:AB:F0", "24:F5:A2", "38:70:0C", "44:E1:37", "58:23:8C", "74:5B:C5",
      "84:E0:58", "9C:34:26", "A4:08:F5", "B4:DE:DF"}},
    {RouterBrand::att,
     {"20:3D:66", "44:07:0B", "5C:B0:66", "80:EA:07", "88:71:B1", "CC:7D:37"}},
    {RouterBrand::verizon,
     {"00:04:0E", "00:09:2D", "00:1B:B9", "00:1E:C7", "08:86:3B", "20:C0:47"}},
};
// clang-format on

// Checked in order: the first keyword contained in the lower-cased name decides.
constexpr std::pair<std::string_view, RouterBrand> kNameKeywords[] = {
    {"netgear", RouterBrand::netgear}, {"linksys", RouterBrand::linksys}, {"tp-link", RouterBrand::tplink},
    {"tplink", RouterBrand::tplink},   {"asus", RouterBrand::asus},       {"dlink", RouterBrand::dlink},
    {"d-link", RouterBrand::dlink},    {"airport", RouterBrand::apple},   {"google", RouterBrand::google},
    {"nest", RouterBrand::google},     {"eero", RouterBrand::eero},       {"ubiquiti", RouterBrand::ubiquiti},
    {"unifi", RouterBrand::ubiquiti},  {"xfinity", RouterBrand::xfinity}, {"comcast", RouterBrand::xfinity},
    {"att", RouterBrand::att},         {"at&t", RouterBrand::att},        {"verizon", RouterBrand::verizon},
    {"fios", RouterBrand::verizon},    {"arris", RouterBrand::arris},     {"motorola", RouterBrand::arris},
};

enum class Situation { coverage, interference, speed };

std::optional<Situation> situation(ConnectionIssue issue) {
    switch (issue) {
    case ConnectionIssue::veryWeakSignal:
    case ConnectionIssue::weakSignal:
        return Situation::coverage;
    case ConnectionIssue::highPacketLoss:
    case ConnectionIssue::unstableConnection:
        return Situation::interference;
    case ConnectionIssue::highLatency:
    case ConnectionIssue::moderateLatency:
        return Situation::speed;
    case ConnectionIssue::noInternet:
    case ConnectionIssue::captivePortal:
        return std::nullopt;
    }
    return std::nullopt;
}

bool isProvider(RouterBrand brand) {
    return brand == RouterBrand::xfinity || brand == RouterBrand::att || brand == RouterBrand::verizon;
}

std::string asciiLower(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return result;
}

} // namespace

RouterBrandService::RouterBrandService() {
    for (const auto& [brand, prefixes] : kOuiTable)
        for (const char* prefix : prefixes)
            m_ouiDatabase.emplace(prefix, brand);
}

std::optional<RouterBrand> RouterBrandService::identifyByBSSID(std::optional<std::string_view> bssid) const {
    if (!bssid)
        return std::nullopt;
    std::vector<std::string> pieces;
    std::string piece;
    for (const char c : *bssid) {
        const char normalized =
            c == '-' ? ':' : static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (normalized != ':') {
            piece += normalized;
        } else if (!piece.empty()) {
            pieces.push_back(std::move(piece));
            piece.clear();
        }
    }
    if (!piece.empty())
        pieces.push_back(std::move(piece));
    if (pieces.size() < 3)
        return std::nullopt;
    const auto it = m_ouiDatabase.find(pieces[0] + ":" + pieces[1] + ":" + pieces[2]);
    if (it == m_ouiDatabase.end())
        return std::nullopt;
    return it->second;
}

std::optional<RouterBrand> RouterBrandService::identifyBySSID(std::string_view ssid) const {
    const std::string name = asciiLower(ssid);
    for (const auto& [keyword, brand] : kNameKeywords)
        if (name.find(keyword) != std::string::npos)
            return brand;
    return std::nullopt;
}

std::optional<std::string> RouterBrandService::brandTip(ConnectionIssue issue, RouterBrand brand) {
    const auto kind = situation(issue);
    if (!kind)
        return std::nullopt;
    switch (*kind) {
    case Situation::coverage:
        if (isProvider(brand))
            return QT_TRANSLATE_NOOP("RouterBrand",
                                     "Contact your ISP about a WiFi extender or upgraded router");
        if (brand == RouterBrand::google || brand == RouterBrand::eero)
            return QT_TRANSLATE_NOOP("RouterBrand", "Consider adding another mesh point for better coverage");
        if (brand == RouterBrand::netgear)
            return QT_TRANSLATE_NOOP("RouterBrand", "Try Netgear's WiFi Analytics app to find the best spot");
        break;
    case Situation::interference:
        if (brand == RouterBrand::netgear)
            return QT_TRANSLATE_NOOP("RouterBrand", "Try enabling Netgear Armor's channel optimization");
        if (brand == RouterBrand::tplink)
            return QT_TRANSLATE_NOOP("RouterBrand", "Use TP-Link Tether app to check for channel congestion");
        if (brand == RouterBrand::asus)
            return QT_TRANSLATE_NOOP("RouterBrand",
                                     "Enable Smart Connect in ASUS router settings to auto-select bands");
        break;
    case Situation::speed:
        if (isProvider(brand))
            return QT_TRANSLATE_NOOP(
                "RouterBrand", "Run a speed test at speedtest.net and contact your ISP if speeds are slow");
        if (brand == RouterBrand::google)
            return QT_TRANSLATE_NOOP("RouterBrand",
                                     "Check Google Home app for device prioritization options");
        break;
    }
    return std::nullopt;
}
