#include "core/EnumTable.h"

#include <gtest/gtest.h>

namespace {

enum class Fruit { apple, pear, plum };

constexpr std::array<EnumText<Fruit>, 2> kFruits{{{Fruit::apple, "Apple"}, {Fruit::pear, "Pear"}}};

} // namespace

TEST(EnumTable, LooksUpTextsByCaseAndCasesByExactText) {
    EXPECT_EQ(rawOf(kFruits, Fruit::pear, "?"), "Pear");
    EXPECT_EQ(rawOf(kFruits, Fruit::plum, "?"), "?");
    EXPECT_EQ(&rowOf(kFruits, Fruit::apple, kFruits[1]), &kFruits[0]);
    EXPECT_EQ(&rowOf(kFruits, Fruit::plum, kFruits[1]), &kFruits[1]);

    EXPECT_EQ(caseFromRaw(kFruits, "Pear"), Fruit::pear);
    for (const char* text : {"pear", "Pear ", " Pear", "Pea", "", "?"})
        EXPECT_EQ(caseFromRaw(kFruits, text), std::nullopt) << text;
}
