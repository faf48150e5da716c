#include "engine/game_counters.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <functional>
#include <type_traits>
#include <vector>

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

// A team's record is emptied at every game start without rewriting its lists'
// items: whatever the last game wrote, the emptied record must be a fresh one,
// and lists must compare by what they hold, not by what lies past it.
TEST(GameCounters, AClearedTeamRecordIsAFreshOne) {
    const std::vector<std::function<void(TeamCounters&)>> writes = {
        [](TeamCounters& c) {
            c.slotHistory[4].push({1, 12});
        },
        [](TeamCounters& c) {
            c.slotHistory[9].push({2, 3});
        },
        [](TeamCounters& c) { c.errors = 2; },
        [](TeamCounters& c) { c.hits = 11; },
        [](TeamCounters& c) { c.doublePlays = 1; },
        [](TeamCounters& c) { c.leftOnBase = 7; },
        [](TeamCounters& c) { c.runsByInning[30] = 1; },
        [](TeamCounters& c) { c.positionErrors[10] = 1; },
        [](TeamCounters& c) { c.positionPutouts[3] = 9; },
        [](TeamCounters& c) { c.positionAssists[6] = 4; },
        [](TeamCounters& c) {
            c.hitByPitch.push({1, 5});
        },
        [](TeamCounters& c) { c.wildPitches.push(10); },
        [](TeamCounters& c) { c.passedBalls.push(2); },
        [](TeamCounters& c) { c.stolenBaseAttempts = 3; },
    };
    TeamCounters all;
    for (std::size_t i = 0; i < writes.size(); ++i) {
        TeamCounters one;
        writes[i](one);
        ASSERT_FALSE(one == TeamCounters{}) << i;
        one.clear();
        EXPECT_TRUE(one == TeamCounters{}) << i;
        writes[i](all);
    }
    all.clear();
    EXPECT_TRUE(all == TeamCounters{});

    // The next game's lists: equal to those written into fresh ones.
    all.slotHistory[1].push({2, 7});
    all.wildPitches.push(11);
    TeamCounters fresh;
    fresh.slotHistory[1].push({2, 7});
    fresh.wildPitches.push(11);
    EXPECT_TRUE(all == fresh);
    fresh.wildPitches.push(12);
    EXPECT_FALSE(all == fresh);
}

}  // namespace
}  // namespace vrk
