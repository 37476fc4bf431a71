#include "core/Uuid.h"

#include <gtest/gtest.h>

#include <set>

TEST(Uuid, IsARandomVersion4IdentifierInLowercaseText) {
    std::set<std::string> seen;
    for (int i = 0; i < 1000; ++i) {
        const std::string id = makeUuid();
        ASSERT_EQ(id.size(), 36u) << id;
        for (std::size_t at = 0; at < id.size(); ++at) {
            if (at == 8 || at == 13 || at == 18 || at == 23)
                ASSERT_EQ(id[at], '-') << id;
            else
                ASSERT_TRUE(std::string_view("0123456789abcdef").find(id[at]) != std::string_view::npos)
                    << id;
        }
        ASSERT_EQ(id[14], '4') << id;                                                   // version
        ASSERT_NE(std::string_view("89ab").find(id[19]), std::string_view::npos) << id; // variant
        seen.insert(id);
    }
    EXPECT_EQ(seen.size(), 1000u);
}
