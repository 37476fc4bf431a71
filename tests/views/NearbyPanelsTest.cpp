#include "platform/WiFiScanner.h"
#include "probes/WiFiScannerService.h"
#include "support/ManualClock.h"
#include "support/ManualScheduler.h"
#include "support/PlatformFakes.h"
#include "support/TestUtil.h"
#include "viewmodel/ChannelRecommendationsPresenter.h"
#include "viewmodel/ChannelUsagePresenter.h"
#include "viewmodel/NearbyNetworksPresenter.h"
#include "views/BandFilterButton.h"
#include "views/Channel2GHzChart.h"
#include "views/Channel5GHzChart.h"
#include "views/ChannelGraphView.h"
#include "views/ChannelRecommendationsView.h"
#include "views/NearbyNetworksView.h"
#include "views/NetworkRow.h"
#include "views/RecommendationRow.h"
#include "views/SignalBarsView.h"
#include "views/kit/CollapsibleHeader.h"
#include "views/kit/Palette.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include <atomic>

namespace {

using namespace std::chrono_literals;

// Band codes: 1 = 2.4 GHz, 2 = 5 GHz, 3 = 6 GHz. Security codes: 4 = WPA2 Personal, 6 = WEP.
ScannedAccessPoint accessPoint(std::string ssid, int rssi, int channel, int bandCode = 1,
                               std::optional<int> noise = -90, std::int64_t security = 4) {
    static int serial = 0;
    return ScannedAccessPoint{std::move(ssid),
                              "02:00:00:00:00:" + std::to_string(10 + serial++ % 80),
                              rssi,
                              noise,
                              ScannedChannel{channel, 1, bandCode},
                              {security}};
}

bool shows(const QWidget& root, const QString& text) {
    for (const QLabel* label : root.findChildren<QLabel*>())
        if (label->text() == text && label->isVisibleTo(&root))
            return true;
    return false;
}

template <typename T> std::vector<T*> visible(const QWidget& root) {
    std::vector<T*> result;
    for (T* child : root.findChildren<T*>())
        if (child->isVisibleTo(&root))
            result.push_back(child);
    return result;
}

class NearbyPanelsTest : public ::testing::Test {
protected:
    void scan(std::vector<ScannedAccessPoint> accessPoints) {
        scanner.result.accessPoints = std::move(accessPoints);
        service.startScan();
        ASSERT_TRUE(waitUntil([&] { return !service.isScanning(); }));
    }

    ScriptedWiFiScanner scanner;
    ManualClock clock;
    ManualScheduler scheduler{clock};
    WiFiScannerService service{scanner, clock};
    NearbyNetworksPresenter nearby{service};
    NearbyNetworksView list{nearby, scheduler};

    QList<BandFilterButton*> filterButtons() const { return list.findChildren<BandFilterButton*>(); }
    ChannelUsagePresenter usage{service};
    ChannelGraphView chart{usage};
    ChannelRecommendationsPresenter rated{service};
    ChannelRecommendationsView recommendations{rated};

    QLabel* bestChannelBadge() const { return recommendations.findChild<QLabel*>("bestChannel"); }
};

} // namespace

TEST(ScanDisplayRules, NearbySignalBarsLightOneColourPerStep) {
    using Kind = SignalBarsView::Kind;
    const auto lit = [](int rssi) {
        const auto l = SignalBarsView::litFor(rssi, Kind::nearby);
        return std::pair{l.count, l.tone};
    };
    EXPECT_EQ(lit(-50), (std::pair{4, std::optional(Tone::green)}));
    EXPECT_EQ(lit(-51), (std::pair{3, std::optional(Tone::yellow)}));
    EXPECT_EQ(lit(-61), (std::pair{2, std::optional(Tone::orange)}));
    EXPECT_EQ(lit(-80), (std::pair{1, std::optional(Tone::red)}));
    EXPECT_EQ(lit(-81).first, 0);
    // The link's bars keep their own scale.
    EXPECT_EQ(SignalBarsView::litFor(-51).tone, Tone::green);
}

TEST(ScanDisplayRules, BarHeightsScaleToTheAxisAndStayInsideThePlot) {
    EXPECT_EQ(barHeight(0, 4, 100), 0);
    EXPECT_EQ(barHeight(2, 4, 100), 50);
    EXPECT_EQ(barHeight(4, 4, 100), 100);
    EXPECT_EQ(barHeight(9, 4, 100), 100);
    EXPECT_EQ(axisMaximum({}), 2);
    EXPECT_EQ(axisMaximum({{"1", 3, Tone::orange}, {"2", 1, Tone::green}}), 4);
    EXPECT_EQ(axisMaximum({{"1", 6, Tone::red}}), 6);
}

TEST_F(NearbyPanelsTest, BeforeAnyScanEveryPanelInvitesAScan) {
    list.header()->setExpanded(true);
    chart.header()->setExpanded(true);
    recommendations.header()->setExpanded(true);

    EXPECT_TRUE(list.header()->detail().isEmpty());
    EXPECT_TRUE(shows(list, QStringLiteral("No networks found")));
    EXPECT_FALSE(list.findChild<QLabel*>(QStringLiteral("scanTime"))->isVisibleTo(&list));
    EXPECT_TRUE(shows(chart, QStringLiteral("Scan networks to see channel usage")));
    EXPECT_FALSE(chart.findChild<Channel2GHzChart*>()->isVisibleTo(&chart));
    EXPECT_TRUE(recommendations.findChild<QPushButton*>("scanNow")->isVisibleTo(&recommendations));
    EXPECT_TRUE(visible<RecommendationRow>(recommendations).empty());

    recommendations.findChild<QPushButton*>("scanNow")->click();
    ASSERT_TRUE(waitUntil([&] { return service.lastScanTime().has_value(); }));
    EXPECT_EQ(scanner.calls, 1);
}

TEST_F(NearbyPanelsTest, AnEmptyScanRatesEveryChannelBestWithoutCounts) {
    scan({});
    list.header()->setExpanded(true);
    recommendations.header()->setExpanded(true);

    EXPECT_TRUE(shows(list, QStringLiteral("No networks found")));
    EXPECT_TRUE(list.findChild<QLabel*>(QStringLiteral("scanTime"))->isVisibleTo(&list));
    const auto rows = visible<RecommendationRow>(recommendations);
    ASSERT_EQ(rows.size(), 12u);
    for (const RecommendationRow* row : rows) {
        EXPECT_TRUE(shows(*row, QStringLiteral("Best")));
        EXPECT_EQ(row->findChild<QLabel*>("networkCount"), nullptr);
        EXPECT_TRUE(shows(*row, QStringLiteral("100")));
    }
}

TEST_F(NearbyPanelsTest, BandFilterNarrowsTheListButTheHeaderCountsEverything) {
    scan({accessPoint("Upstairs", -51, 6), accessPoint("Cellar", -81, 1)});
    list.header()->setExpanded(true);
    EXPECT_EQ(list.header()->detail(), QStringLiteral("(2)"));
    ASSERT_EQ(filterButtons().size(), 3u);
    EXPECT_TRUE(filterButtons()[0]->isSelected());
    EXPECT_EQ(visible<NetworkRow>(list).size(), 2u);

    filterButtons()[2]->click();
    EXPECT_TRUE(filterButtons()[2]->isSelected());
    EXPECT_FALSE(filterButtons()[0]->isSelected());
    EXPECT_TRUE(visible<NetworkRow>(list).empty());
    EXPECT_FALSE(shows(list, QStringLiteral("No networks found")));
    EXPECT_EQ(list.header()->detail(), QStringLiteral("(2)"));

    // A 6 GHz network brings its own filter.
    scan({accessPoint("Upstairs", -51, 6), accessPoint("Loft", -60, 37, 3)});
    ASSERT_EQ(filterButtons().size(), 4u);
    EXPECT_EQ(filterButtons()[3]->text(), QStringLiteral("6 GHz"));
    filterButtons()[3]->click();
    const auto rows = visible<NetworkRow>(list);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_TRUE(shows(*rows[0], QStringLiteral("Ch 37")));

    // Once 6 GHz is gone from the scan, the list falls back to every band.
    scan({accessPoint("Upstairs", -51, 6)});
    ASSERT_EQ(filterButtons().size(), 3u);
    EXPECT_TRUE(filterButtons()[0]->isSelected());
    EXPECT_EQ(visible<NetworkRow>(list).size(), 1u);
}

TEST_F(NearbyPanelsTest, ScanErrorShowsAboveTheEarlierResults) {
    scan({accessPoint("Upstairs", -51, 6)});
    scanner.result.interfaceFound = false;
    scan({});
    list.header()->setExpanded(true);
    auto* error = list.findChild<QWidget*>(QStringLiteral("scanError"));
    ASSERT_TRUE(error->isVisibleTo(&list));
    EXPECT_TRUE(shows(*error, QStringLiteral("No WiFi interface available")));
    EXPECT_EQ(visible<NetworkRow>(list).size(), 1u);
}

TEST_F(NearbyPanelsTest, ChannelFourteenCountsOnItsNeighboursButIsNotDrawn) {
    scan({accessPoint("Japan", -60, 14), accessPoint("Far", -75, 40, 2), accessPoint("Near", -55, 44, 2),
          accessPoint("Odd", -70, 153, 2)});
    chart.header()->setExpanded(true);
    const auto& bars = chart.findChild<Channel2GHzChart*>()->bars();
    ASSERT_EQ(bars.size(), 13u);
    EXPECT_EQ(bars.back().label, "13");
    EXPECT_EQ(bars[10].count, 0);
    EXPECT_EQ(bars[11].count, 1);
    EXPECT_EQ(bars[12].count, 1);
    EXPECT_EQ(bars[12].tone, Tone::green);
    EXPECT_TRUE(chart.findChild<Channel2GHzChart*>()->isVisibleTo(&chart));
    EXPECT_TRUE(shows(chart, QStringLiteral("Recommended: Ch 1, 6, or 11 (non-overlapping)")));

    for (BandFilterButton* button : chart.findChildren<BandFilterButton*>())
        if (button->text() == QStringLiteral("5 GHz"))
            button->click();
    EXPECT_FALSE(chart.findChild<Channel2GHzChart*>()->isVisibleTo(&chart));
    const auto& groups = chart.findChild<Channel5GHzChart*>()->bars();
    ASSERT_EQ(groups.size(), 4u);
    EXPECT_EQ(groups[0].label, "36-48");
    EXPECT_EQ(groups[0].count, 2);
    EXPECT_EQ(groups[1].count, 0);
    EXPECT_EQ(groups[3].count, 1);
    EXPECT_TRUE(shows(chart, QStringLiteral("Recommended: Channels 36-48 or 149-165 (non-DFS)")));
}

TEST_F(NearbyPanelsTest, CollapsedRecommendationsNameTheBestChannel) {
    EXPECT_FALSE(bestChannelBadge()->isVisibleTo(&recommendations));
    scan({accessPoint("Busy", -45, 1), accessPoint("Busy2", -45, 6), accessPoint("Busy3", -45, 11)});
    ASSERT_FALSE(service.recommendations().empty());
    EXPECT_TRUE(bestChannelBadge()->isVisibleTo(&recommendations));
    EXPECT_EQ(bestChannelBadge()->text(),
              QStringLiteral("Ch %1").arg(service.recommendations().front().channel));
    EXPECT_EQ(service.recommendations().front().channel, 36);
    recommendations.header()->setExpanded(true);
    EXPECT_FALSE(bestChannelBadge()->isVisibleTo(&recommendations));
}
