#include "diagnosis/RouterBrand.h"

#include "core/EnumTable.h"
#include "core/RuleText.h"

namespace {

struct BrandTraits {
    RouterBrand value;
    std::string_view raw;
    // Empty when the vendor offers no web page for its routers.
    std::string_view adminPage;
    // Set when the hint names an app or service instead of the admin page.
    std::string_view appHint;
};

constexpr std::array<BrandTraits, 13> kTraits{{
    {RouterBrand::netgear, "Netgear", "http://routerlogin.net", {}},
    {RouterBrand::linksys, "Linksys", "http://192.168.1.1", {}},
    {RouterBrand::tplink, "TP-Link", "http://tplinkwifi.net", {}},
    {RouterBrand::asus, "ASUS", "http://router.asus.com", {}},
    {RouterBrand::dlink, "D-Link", "http://dlinkrouter.local", {}},
    {RouterBrand::apple, "Apple", {}, QT_TRANSLATE_NOOP("RouterBrand", "Open AirPort Utility app")},
    {RouterBrand::google, "Google", "http://192.168.86.1",
     QT_TRANSLATE_NOOP("RouterBrand", "Open Google Home app")},
    {RouterBrand::eero, "Eero", {}, QT_TRANSLATE_NOOP("RouterBrand", "Open eero app")},
    {RouterBrand::ubiquiti, "Ubiquiti", "http://192.168.1.1", {}},
    {RouterBrand::arris, "Arris", "http://192.168.0.1", {}},
    {RouterBrand::xfinity, "Xfinity", "http://10.0.0.1",
     QT_TRANSLATE_NOOP("RouterBrand", "Open the Xfinity app or visit xfinity.com/myaccount")},
    {RouterBrand::att, "AT&T", "http://192.168.1.254", {}},
    {RouterBrand::verizon, "Verizon", "http://192.168.1.1", {}},
}};

const BrandTraits& traits(RouterBrand brand) {
    return rowOf(kTraits, brand, kTraits.front());
}

} // namespace

std::string_view rawValue(RouterBrand brand) {
    return traits(brand).raw;
}

std::optional<RouterBrand> routerBrandFromRawValue(std::string_view text) {
    return caseFromRaw(kTraits, text);
}

std::optional<std::string> adminPage(RouterBrand brand) {
    const auto page = traits(brand).adminPage;
    if (page.empty())
        return std::nullopt;
    return std::string(page);
}

std::string_view adminHintPattern(RouterBrand brand) {
    const auto& entry = traits(brand);
    if (!entry.appHint.empty())
        return entry.appHint;
    //: %1 is the address of the router's administration page
    return QT_TRANSLATE_NOOP("RouterBrand", "Open %1 in your browser");
}

std::string adminHint(RouterBrand brand) {
    return fillIn(adminHintPattern(brand), {std::string(traits(brand).adminPage)});
}
