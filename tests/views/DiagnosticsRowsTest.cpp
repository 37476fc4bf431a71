#include "views/SparklineView.h"

#include <gtest/gtest.h>

TEST(Sparkline, RangeLeavesRoomAndNeverDropsBelowZeroOrUnderOne) {
    using R = SparklineView::Range;
    EXPECT_EQ(SparklineView::yRange({}), (R{0.0, 1.0}));
    EXPECT_EQ(SparklineView::yRange({10.0, 20.0}), (R{8.0, 24.0}));
    EXPECT_EQ(SparklineView::yRange({0.0, 0.0}), (R{0.0, 1.0}));
    EXPECT_EQ(SparklineView::yRange({0.2, 0.5}).high, 1.0);
    EXPECT_DOUBLE_EQ(SparklineView::yRange({0.2, 0.5}).low, 0.16);
    EXPECT_EQ(SparklineView::yRange({-5.0, 2.0}).low, 0.0);
}
