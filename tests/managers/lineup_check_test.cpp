#include <gtest/gtest.h>

#include <functional>

#include "engine/fielding.h"
#include "managers/auto_manager_support.h"
#include "managers/bullpen_checks.h"
#include "managers/bullpen_state.h"
#include "managers/roster_swap.h"
#include "managers_test_support.h"

namespace vrk {
namespace {

using mgrtest::StaffGame;

// The kept line-up answer must follow every kind of substitution the game
// makes; after each step it is compared with the full walk for every entry.
TEST(LineupCheck, FollowsEverySubstitution) {
    for (bool twoWay : {false, true}) {
        StaffGame f;
        Game& g = *f.game;
        g.team(kHome).twoWayPlayer = twoWay;
        BullpenState b;
        auto& history = g.counters.of(kHome).slotHistory;
        for (int slot = 1; slot <= kLineupSize; ++slot) {
            history[slot].push({slot, slot == 9 ? kPitcher : slot});
        }
        struct Step {
            const char* what;
            std::function<void()> change;
        };
        const std::vector<Step> steps = {
            {"line-ups as they start", [] {}},
            {"a reliever in the pitcher's slot",
             [&] {
                 history[9].push({11, kPitcher});
             }},
            {"a pitcher pinch-hits",
             [&] {
                 history[3].push({12, 3});
             }},
            {"entries exchanged", [&] { swapGameEntries(g, b, kHome, 12, 14); }},
            {"a double switch: exchanges, then the pitcher's line taken back",
             [&] {
                 swapGameEntries(g, b, kHome, 4, 15);
                 --history[9].count;
                 history[9].push({16, 4});
             }},
            {"the other team's line-up changes",
             [&] {
                 g.counters.of(kVisitors).slotHistory[2].push({17, 2});
             }},
        };
        for (const Step& step : steps) {
            step.change();
            const LineupCheck cached(g, b, kHome);
            for (int e = 1; e <= kMaxRosterEntries; ++e) {
                EXPECT_EQ(cached(e), InBattingLineup(g, kHome, e))
                    << step.what << ", entry " << e << (twoWay ? ", two-way team" : "");
                EXPECT_EQ(InBattingLineup(g, b, kHome, e), InBattingLineup(g, kHome, e));
            }
        }
    }
}

// The game works out each fielder's average once; an exchange of entries or
// a move to another position must give the average worked out afresh.
TEST(FieldingAverages, FollowExchangesAndMoves) {
    StaffGame f;
    Game& g = *f.game;
    g.state.fieldingTeam = kHome;
    BullpenState b;
    Team& t = g.team(kHome);
    t.player(5).defense = 960;
    t.player(20).defense = 995;
    // Same position, so only the exchange itself tells the players apart.
    t.player(20).lineupPosition = t.player(5).lineupPosition;
    auto fresh = [&](int slot) {
        const FieldingAverageCache kept = g.fieldingAverages;
        g.fieldingAverages = {};
        const double value = FieldingAverage(g, slot);
        g.fieldingAverages = kept;
        return value;
    };
    const double before = FieldingAverage(g, 5);
    swapGameEntries(g, b, kHome, 5, 20);
    EXPECT_DOUBLE_EQ(FieldingAverage(g, 5), fresh(5));
    EXPECT_NE(FieldingAverage(g, 5), before) << "another player holds the slot";
    t.player(5).lineupPosition = kCatcher;
    EXPECT_DOUBLE_EQ(FieldingAverage(g, 5), fresh(5));
    for (int slot = 1; slot <= kLineupSize; ++slot) {
        EXPECT_DOUBLE_EQ(FieldingAverage(g, slot), fresh(slot)) << slot;
    }
}

// The bench walk reads the pitcher list once as a mask; it must give the same
// answer as the per-player question, whoever has pitched.
TEST(FreshBench, PitchedMaskAgreesWithPitcherList) {
    StaffGame f;
    Game& g = *f.game;
    GameState& s = g.state;
    BullpenState b;
    const Team& t = g.team(kHome);
    const int bench = t.lastPitcherEntry + 2;
    struct Case {
        const char* what;
        std::vector<int> pitched;  // the home pitcher list after the starter
    };
    const std::vector<Case> cases = {
        {"only the starter", {}},
        {"a reliever from the staff", {11}},
        {"a bench player sent to pitch", {bench}},
        {"two bench players and the last entry", {bench, bench + 1, kMaxRosterEntries}},
    };
    for (const Case& c : cases) {
        s.pitchersUsed[kHome] = 1;
        for (int entry : c.pitched) s.pitcherList[kHome][++s.pitchersUsed[kHome]] = entry;
        const std::uint64_t mask = automan::PitchedEntries(g, kHome);
        for (int e = 1; e <= kMaxRosterEntries; ++e) {
            bool listed = false;
            for (int entry : c.pitched) listed = listed || entry == e;
            const bool fresh = automan::FreshBenchPlayer(g, b, kHome, e, mask);
            EXPECT_EQ(fresh, automan::FreshBenchPlayer(g, b, kHome, e)) << c.what << ", " << e;
            if (listed) {
                EXPECT_FALSE(fresh) << c.what << ", entry " << e << " has pitched";
            }
        }
        EXPECT_EQ(automan::FreshBenchPlayer(g, b, kHome, bench, mask),
                  c.pitched.empty() || c.pitched[0] != bench)
            << c.what;
    }
}

}  // namespace
}  // namespace vrk
