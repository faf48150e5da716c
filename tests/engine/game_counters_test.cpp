#include "engine/game_counters.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <type_traits>

namespace vrk {
namespace {

// Every count distinct and non-zero, whatever fields the line has: a field
// added to the line but not to the sum shows up here.
BatterCounters NumberedLine(int first) {
    static_assert(std::is_trivially_copyable_v<BatterCounters>);
    std::array<int, sizeof(BatterCounters) / sizeof(int)> counts{};
    for (std::size_t i = 0; i < counts.size(); ++i) counts[i] = first + static_cast<int>(i);
    return std::bit_cast<BatterCounters>(counts);
}

TEST(GameCounters, AddingLinesSumsEveryCount) {
    const BatterCounters a = NumberedLine(1);
    BatterCounters sum;
    AddCounters(sum, a);
    EXPECT_EQ(sum, a);

    AddCounters(sum, NumberedLine(100));
    EXPECT_EQ(sum.atBats, a.atBats + 100);
    EXPECT_EQ(sum.errors, a.errors + NumberedLine(100).errors);
    EXPECT_EQ(sum.vsHand[1].sacrificeFlies,
              a.vsHand[1].sacrificeFlies + NumberedLine(100).vsHand[1].sacrificeFlies);
}

}  // namespace
}  // namespace vrk
