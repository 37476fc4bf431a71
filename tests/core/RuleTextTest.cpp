#include "core/RuleText.h"

#include <gtest/gtest.h>

TEST(FillIn, PutsTheFiguresInTheirPlacesAndLeavesOtherPercentSignsAlone) {
    EXPECT_EQ(fillIn("%1% of data is lost", {"2.5"}), "2.5% of data is lost");
    EXPECT_EQ(fillIn("Now on %1 (%2 dBm, was %3 dBm)", {"aa:bb", "-60", "-72"}),
              "Now on aa:bb (-60 dBm, was -72 dBm)");
    // A number the rule did not give is left for the reader to see, not dropped.
    EXPECT_EQ(fillIn("%2 then %1", {"a"}), "%2 then a");
    EXPECT_EQ(fillIn("100%", {}), "100%");
}
