// The hooks carry the computer manager's choices out: a pinch hitter for the
// pitcher hands the slot back to the next pitcher, a pinch runner takes the
// runner's base, a pitching change comes through the bullpen.
#include <gtest/gtest.h>

#include <set>

#include "auto_manager_test_support.h"
#include "engine/engine_helpers.h"
#include "engine/game_flow.h"
#include "managers/auto_manager_double_switch.h"
#include "managers/auto_manager_hooks.h"

namespace vrk {
namespace {

using autotest::NamedScoreCard;

std::size_t Idx(int i) {
    return static_cast<std::size_t>(i);
}

struct ShippedGame {
    ShippedGame() : config(autotest::ShippedConfig()), rng(41), hooks(counters) {
        EXPECT_FALSE(loadTeamPair(teams, "ARDMOUTH", "FELVORA", config).abort);
        normalization = teams[1].leagueContext;
        game = std::make_unique<Game>(teams, normalization, config, rng);
        cardSink = std::make_unique<NamedScoreCard>(*game);
        game->scoreCard = cardSink.get();
        game->errors = &faults;
        game->managers = &hooks;
        hooks.beginGame(*game);
        StartGame(*game);
    }
    int PitcherSlot(int team) const {
        for (int slot = 1; slot <= kLineupSize; ++slot) {
            if (teams[Idx(team)].player(slot).lineupPosition == kPitcher) return slot;
        }
        return 0;
    }
    // The visitors bat in the slot, the home starter pitches.
    void Batting(int inning, int slot) {
        GameState& s = game->state;
        s.inning = inning;
        s.battingTeam = kVisitors;
        s.fieldingTeam = kHome;
        s.currentBatterSlot = slot;
        s.lastBatterSlot[kVisitors] = slot;
        s.batter = SlotPlayer(*game, kVisitors, slot);
        s.pitcher = s.currentPitcher[kHome];
        game->flags = StrategyFlags{};
    }

    Config config;
    std::array<Team, 3> teams{};
    LeagueContext normalization;
    Rng rng;
    AutoManagerCounters counters;
    AutoManagerHooks hooks;
    std::unique_ptr<Game> game;
    std::unique_ptr<NamedScoreCard> cardSink;
    const NamedScoreCard& card() const { return *cardSink; }
    autotest::Faults faults;
};

TEST(AutoManagerHooks, PinchHitterForThePitcherHandsTheSlotToTheNextPitcher) {
    ShippedGame t;
    Game& g = *t.game;
    const int slot = t.PitcherSlot(kVisitors);
    ASSERT_NE(slot, 0);
    const int starter = g.state.currentPitcher[kVisitors];
    const std::string starterName = t.teams[1].player(starter).playerName;
    EXPECT_EQ(t.teams[1].player(slot).playerName, starterName);  // the slot bats as him

    const int bench = t.teams[1].lastPitcherEntry + 1;
    const std::string benchName = t.teams[1].player(bench).playerName;
    t.Batting(8, slot);
    g.counters.bat(kVisitors, slot).atBats = 3;  // the starter's at-bats so far
    g.flags.pinchHitCall = true;
    g.flags.pinchHitter = bench;
    EXPECT_EQ(t.hooks.substitutions(g), 0);
    EXPECT_EQ(t.teams[1].player(slot).playerName, benchName);
    EXPECT_EQ(t.teams[1].player(slot).lineupPosition, kPitcher);
    EXPECT_EQ(g.state.batter, slot);
    EXPECT_TRUE(g.state.pinchHitterThisAppearance);
    EXPECT_TRUE(g.state.pitcherReplaced[kVisitors]);
    EXPECT_EQ(t.card().count('9', "(for PH)"), 1);
    EXPECT_EQ(t.card().lines.back().name, starterName);
    g.counters.bat(kVisitors, slot).hits = 1;  // the pinch hitter singles

    // The visitors take the field: the slot goes back to the pitcher's line
    // and the new pitcher bats in it.
    g.state.battingTeam = kHome;
    g.state.fieldingTeam = kVisitors;
    int reliever = t.hooks.replacePitcher(g, kVisitors);
    ASSERT_GE(reliever, kFirstPitcherEntry);
    EXPECT_NE(reliever, starter);
    BringInPitcher(g, kVisitors, reliever);
    t.hooks.autoManage(g);
    EXPECT_EQ(t.teams[1].player(slot).playerName, t.teams[1].player(reliever).playerName);
    EXPECT_EQ(t.teams[1].player(slot).lineupPosition, kPitcher);
    // The pinch hitter sits with his hit; the starter keeps his at-bats.
    int sat = 0;
    for (int e = t.teams[1].lastPitcherEntry + 1; e <= t.teams[1].playerCount; ++e) {
        if (t.teams[1].player(e).playerName == benchName) sat = e;
    }
    ASSERT_NE(sat, 0);
    EXPECT_EQ(t.teams[1].player(sat).lineupPosition, 0);
    EXPECT_TRUE(t.hooks.bullpen().used(kVisitors, sat));
    EXPECT_EQ(g.counters.bat(kVisitors, sat).hits, 1);
    EXPECT_EQ(g.counters.bat(kVisitors, starter).atBats, 3);
    EXPECT_EQ(g.counters.bat(kVisitors, slot).atBats, 0);
    EXPECT_TRUE(t.faults.seen.empty());
}

TEST(AutoManagerHooks, PinchRunnerTakesTheBaseAndPitchingChangeComesThroughTheBullpen) {
    ShippedGame t;
    Game& g = *t.game;
    t.Batting(8, 4);
    g.state.runnerOnFirst = 2;
    const int position = t.teams[1].player(2).lineupPosition;
    const int runner = t.teams[1].lastPitcherEntry + 2;
    const std::string runnerName = t.teams[1].player(runner).playerName;
    const std::string leaving = t.teams[1].player(2).playerName;
    g.flags.pinchRunCall = true;
    g.flags.pinchRunner = runner;
    g.flags.pinchRunnerSlot = 2;
    t.hooks.substitutions(g);
    EXPECT_EQ(g.state.runnerOnFirst, 2);
    EXPECT_EQ(t.teams[1].player(2).playerName, runnerName);
    EXPECT_EQ(t.teams[1].player(2).lineupPosition, position);
    EXPECT_EQ(t.card().count('9', "(for PR)"), 1);
    ASSERT_GE(t.card().lines.size(), 2u);
    EXPECT_EQ(t.card().lines.back().code, '7');
    EXPECT_EQ(t.card().lines.back().name, runnerName);
    EXPECT_FALSE(g.state.pitcherReplaced[kVisitors]);
    EXPECT_EQ(g.flags.pinchRunner, 0);

    // The home side changes pitchers.
    int starter = g.state.currentPitcher[kHome];
    t.Batting(6, 5);
    g.flags.changePitcher[kHome] = true;
    EXPECT_EQ(t.hooks.substitutions(g), 0);
    EXPECT_FALSE(g.flags.changePitcher[kHome]);
    EXPECT_EQ(g.state.pitchersUsed[kHome], 2);
    EXPECT_NE(g.state.currentPitcher[kHome], starter);
    EXPECT_EQ(g.state.pitcher, g.state.currentPitcher[kHome]);
    EXPECT_TRUE(t.hooks.bullpen().used(kHome, starter));
    EXPECT_TRUE(t.hooks.bullpen().used(kHome, g.state.pitcher));
    EXPECT_EQ(t.card().count('A', "[Relief] "), 1);
    EXPECT_TRUE(t.faults.seen.empty());
}

TEST(AutoManagerHooks, DoubleSwitchPutsThePitcherLastInTheComingOrder) {
    ShippedGame t;
    Game& g = *t.game;
    const int pitcherSlot = t.PitcherSlot(kVisitors);
    ASSERT_EQ(pitcherSlot, 9);
    // The visitors in the field, a reliever just in.
    g.state.battingTeam = kHome;
    g.state.fieldingTeam = kVisitors;
    g.state.inning = 7;
    int reliever = t.teams[1].lastPitcherEntry;
    BringInPitcher(g, kVisitors, reliever);
    t.hooks.autoManage(g);

    // The pitcher's slot fourth in the coming order: no switch.
    g.state.lastBatterSlot[kVisitors] = 4;  // 5, 6, 7 are next
    EXPECT_FALSE(DoubleSwitch(g, t.hooks.bullpen(), kVisitors, reliever));
    // Due up third: one of slots 5, 6, 7 gives up his place.
    g.state.lastBatterSlot[kVisitors] = 6;  // 7, 8, 9 are next
    ASSERT_TRUE(DoubleSwitch(g, t.hooks.bullpen(), kVisitors, reliever));
    int now = t.PitcherSlot(kVisitors);
    EXPECT_GE(now, 4);
    EXPECT_LE(now, 6);
    EXPECT_EQ(t.teams[1].player(now).playerName, t.teams[1].player(reliever).playerName);
    std::set<int> positions;
    for (int slot = 1; slot <= kLineupSize; ++slot) {
        positions.insert(t.teams[1].player(slot).lineupPosition);
    }
    EXPECT_EQ(positions.size(), 9u);
    EXPECT_NE(t.teams[1].player(9).lineupPosition, kPitcher);
    EXPECT_TRUE(t.hooks.bullpen().used(kVisitors, 9));  // the bench player now batting ninth
    EXPECT_EQ(t.card().lines.back().text, "[DBL-SW]" + t.teams[1].player(reliever).playerName +
                                              " bats #" + std::to_string(now));
    EXPECT_TRUE(t.faults.seen.empty());
    EXPECT_NEAR(DoubleSwitchValue(100, 30, 5, 1, 4, 10), 49.0 / 100 + 40.0 / 110, 1e-12);
}

}  // namespace
}  // namespace vrk
