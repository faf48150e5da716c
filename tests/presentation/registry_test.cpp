#include <gtest/gtest.h>

#include <map>
#include <string>

#include "engine/message_registry.h"

namespace vrk {
namespace {

TEST(MessageKey, FormatsCodesAndSearchKeys) {
    EXPECT_EQ(msg::kRunScores.code(), "070015");
    EXPECT_EQ(msg::kRunScores.searchKey(), "070015001");
    EXPECT_EQ(msg::kRunScores.display(), "07/0/0/15");
    EXPECT_EQ(msg::kGroundBall(6).code(), "026100");
    EXPECT_EQ(msg::kSpecialGrounder(4, 3).code(), "034103");
    EXPECT_EQ(MessageKey(123, 'A', 'b', 7).code(), "23Ab07");
}

TEST(MessageRegistry, EveryKeyIsDistinctAndWellFormed) {
    std::map<std::string, std::string> seen;
    for (const auto& entry : msg::RegisteredKeys()) {
        const std::string code = entry.key.code();
        ASSERT_EQ(code.size(), 6u);
        EXPECT_NE(code[2], ' ') << entry.name;
        EXPECT_NE(code[3], ' ') << entry.name;
        auto [it, inserted] = seen.emplace(code, std::string(entry.name));
        EXPECT_TRUE(inserted) << code << " registered as " << it->second << " and " << entry.name;
    }
    // Expansion over fielders and details: a ground ball exists for each infielder.
    for (int n = 1; n <= 6; ++n) EXPECT_TRUE(seen.count(msg::kGroundBall(n).code())) << n;
    EXPECT_FALSE(seen.count(msg::kGroundBall(7).code()));
}

}  // namespace
}  // namespace vrk
