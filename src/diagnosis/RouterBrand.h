#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

// Router vendors the program recognises; the raw value doubles as the display name.
enum class RouterBrand {
    netgear,
    linksys,
    tplink,
    asus,
    dlink,
    apple,
    google,
    eero,
    ubiquiti,
    arris,
    xfinity,
    att,
    verizon,
};

inline constexpr std::array<RouterBrand, 13> kAllRouterBrands{
    RouterBrand::netgear,  RouterBrand::linksys, RouterBrand::tplink,  RouterBrand::asus,
    RouterBrand::dlink,    RouterBrand::apple,   RouterBrand::google,  RouterBrand::eero,
    RouterBrand::ubiquiti, RouterBrand::arris,   RouterBrand::xfinity, RouterBrand::att,
    RouterBrand::verizon,
};

std::string_view rawValue(RouterBrand brand);
// Only the exact display names build a brand.
std::optional<RouterBrand> routerBrandFromRawValue(std::string_view text);

// Address of the router's administration page; absent for brands managed only through an app.
std::optional<std::string> adminPage(RouterBrand brand);
// How the user reaches the administration page.
std::string adminHint(RouterBrand brand);
// The same before the page's address is put in for %1; marked for translators under "RouterBrand".
std::string_view adminHintPattern(RouterBrand brand);
