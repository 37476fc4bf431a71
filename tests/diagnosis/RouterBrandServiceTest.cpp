#include "diagnosis/RouterBrandService.h"

#include <gtest/gtest.h>

#include <cctype>
#include <map>

namespace {

const RouterBrandService service;

// Three upper-case two-digit hexadecimal bytes joined by colons.
bool isCanonicalPrefix(const std::string& prefix) {
    if (prefix.size() != 8 || prefix[2] != ':' || prefix[5] != ':')
        return false;
    for (const std::size_t i : {0, 1, 3, 4, 6, 7})
        if (!std::isdigit(static_cast<unsigned char>(prefix[i])) && (prefix[i] < 'A' || prefix[i] > 'F'))
            return false;
    return true;
}

TEST(RouterBrandTable, HoldsEveryPrefixOnceInCanonicalForm) {
    const auto& table = service.ouiDatabase();
    EXPECT_EQ(table.size(), 222u);
    std::map<RouterBrand, int> perBrand;
    for (const auto& [prefix, brand] : table) {
        EXPECT_TRUE(isCanonicalPrefix(prefix)) << prefix;
        ++perBrand[brand];
    }
    const std::map<RouterBrand, int> expected{
        {RouterBrand::netgear, 20}, {RouterBrand::linksys, 19}, {RouterBrand::tplink, 30},
        {RouterBrand::asus, 33},    {RouterBrand::dlink, 27},   {RouterBrand::apple, 29},
        {RouterBrand::google, 4},   {RouterBrand::eero, 2},     {RouterBrand::ubiquiti, 13},
        {RouterBrand::arris, 21},   {RouterBrand::xfinity, 12}, {RouterBrand::att, 6},
        {RouterBrand::verizon, 6},
    };
    EXPECT_EQ(perBrand, expected);
}

TEST(RouterBrandByAddress, NormalisesCaseAndSeparatorsAndUsesAllThreeBytes) {
    EXPECT_EQ(service.identifyByBSSID("a4:2b:8c:11:22:33"), RouterBrand::netgear);
    EXPECT_EQ(service.identifyByBSSID("A4-2B-8C-11-22-33"), RouterBrand::netgear);
    EXPECT_EQ(service.identifyByBSSID("A4:2B:B0:11:22:33"), RouterBrand::tplink);
    // Empty pieces are dropped before the first three are taken.
    EXPECT_EQ(service.identifyByBSSID("::00:14:6c::"), RouterBrand::netgear);
}

TEST(RouterBrandByAddress, GivesNothingForMissingShortUnpaddedOrUnlistedAddresses) {
    EXPECT_EQ(service.identifyByBSSID(std::nullopt), std::nullopt);
    EXPECT_EQ(service.identifyByBSSID(""), std::nullopt);
    EXPECT_EQ(service.identifyByBSSID("00:14"), std::nullopt);
    EXPECT_EQ(service.identifyByBSSID("0:14:6C:01:02:03"), std::nullopt);
    EXPECT_EQ(service.identifyByBSSID("02:00:00:00:00:00"), std::nullopt);
    EXPECT_EQ(service.identifyByBSSID("A4:2B:8C0:11:22:33"), std::nullopt);
}

TEST(RouterBrandByName, FirstKeywordInListOrderDecides) {
    EXPECT_EQ(service.identifyBySSID("NETGEAR-5G"), RouterBrand::netgear);
    EXPECT_EQ(service.identifyBySSID("Matt's WiFi"), RouterBrand::att);
    EXPECT_EQ(service.identifyBySSID("Honest Guest"), RouterBrand::google);
    EXPECT_EQ(service.identifyBySSID("My AT&T Home"), RouterBrand::att);
    EXPECT_EQ(service.identifyBySSID("FiOS-X1Y2"), RouterBrand::verizon);
    // Both names appear; the keyword listed first wins, not the one appearing first in the name.
    EXPECT_EQ(service.identifyBySSID("linksys-netgear"), RouterBrand::netgear);
    EXPECT_EQ(service.identifyBySSID("eero nest"), RouterBrand::google);
    EXPECT_EQ(service.identifyBySSID("Verizon comcast"), RouterBrand::xfinity);
    EXPECT_EQ(service.identifyBySSID("Home Network"), std::nullopt);
    EXPECT_EQ(service.identifyBySSID(""), std::nullopt);
}

TEST(RouterBrandTexts, AdminPagesAndHints) {
    EXPECT_EQ(adminHint(RouterBrand::att), "Open http://192.168.1.254 in your browser");
    EXPECT_EQ(adminPage(RouterBrand::apple), std::nullopt);
    EXPECT_EQ(adminHint(RouterBrand::apple), "Open AirPort Utility app");
    EXPECT_EQ(adminHint(RouterBrand::eero), "Open eero app");
    EXPECT_EQ(adminPage(RouterBrand::google), "http://192.168.86.1");
    EXPECT_EQ(adminHint(RouterBrand::google), "Open Google Home app");
    // Browser hints always name the brand's own page.
    for (const RouterBrand brand :
         {RouterBrand::netgear, RouterBrand::tplink, RouterBrand::asus, RouterBrand::dlink}) {
        const auto page = adminPage(brand);
        ASSERT_TRUE(page.has_value());
        EXPECT_EQ(page->rfind("http://", 0), 0u);
        EXPECT_EQ(adminHint(brand), "Open " + *page + " in your browser");
    }
}

TEST(RouterBrandTip, IssueSelectsTheSituationAndBrandTheAdvice) {
    using I = ConnectionIssue;
    using B = RouterBrand;
    EXPECT_EQ(RouterBrandService::brandTip(I::weakSignal, B::tplink), std::nullopt);
    EXPECT_EQ(RouterBrandService::brandTip(I::highPacketLoss, B::tplink),
              "Use TP-Link Tether app to check for channel congestion");
    EXPECT_EQ(RouterBrandService::brandTip(I::veryWeakSignal, B::att),
              "Contact your ISP about a WiFi extender or upgraded router");
    EXPECT_EQ(RouterBrandService::brandTip(I::weakSignal, B::eero),
              "Consider adding another mesh point for better coverage");
    EXPECT_EQ(RouterBrandService::brandTip(I::highPacketLoss, B::netgear),
              "Try enabling Netgear Armor's channel optimization");
    EXPECT_EQ(RouterBrandService::brandTip(I::highLatency, B::verizon),
              RouterBrandService::brandTip(I::highLatency, B::xfinity));
    EXPECT_TRUE(RouterBrandService::brandTip(I::highLatency, B::verizon).has_value());
    EXPECT_EQ(RouterBrandService::brandTip(I::highLatency, B::eero), std::nullopt);

    // No brand has advice when there is no internet at all or a portal is in the way.
    for (const B brand : kAllRouterBrands) {
        EXPECT_EQ(RouterBrandService::brandTip(I::noInternet, brand), std::nullopt);
        EXPECT_EQ(RouterBrandService::brandTip(I::captivePortal, brand), std::nullopt);
    }
}

} // namespace
