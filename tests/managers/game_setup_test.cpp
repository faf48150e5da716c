// The managers' pre-game steps on a loaded team file, in the order the game
// set-up runs them.
#include <gtest/gtest.h>

#include <set>

#include "data/team_file.h"
#include "engine/engine_helpers.h"
#include "engine/game_flow.h"
#include "managers/auto_lineup.h"
#include "managers/batting_order.h"
#include "managers/bullpen_state.h"
#include "managers/relief_selection.h"
#include "managers/rotation.h"
#include "managers/starters.h"
#include "managers_test_support.h"

namespace vrk {
namespace {

TEST(ManagersGameSetup, StartersLineupsAndOrderOnALoadedTeam) {
    Config config;
    config.dataPath = std::string(VRK_TEST_DATA) + "/team/";
    std::array<Team, 3> teams{};
    TeamLoadResult load = loadTeamPair(teams, "TIGERS", "TIGERS", config);
    ASSERT_FALSE(load.abort);
    const int lastPitcher = teams[1].lastPitcherEntry;
    ASSERT_GE(lastPitcher, 12);

    LeagueContext normalization;
    Rng rng(31);
    mgrtest::RecordingErrors errors;
    RotationTable rotations;
    RotationSettings settings;
    settings.spotStarters = 'Y';
    settings.teamMethod[kHome] = "R2";

    for (int game = 0; game < 40; ++game) {
        std::array<Team, 3> slots = teams;
        Game g(slots, normalization, config, rng);
        g.errors = &errors;
        g.options.designatedHitter = true;
        ChooseStarters(g, rotations, settings);
        for (int t = kVisitors; t <= kHome; ++t) {
            int starter = g.options.starter[static_cast<std::size_t>(t)];
            EXPECT_GE(starter, kFirstPitcherEntry);
            EXPECT_LE(starter, lastPitcher);
            std::multiset<std::string> before;
            for (int e = 1; e <= g.team(t).playerCount; ++e) {
                before.insert(g.team(t).player(e).playerName);
            }
            bool changed = AUTOLINEUP(g, t);
            BattingOrder(g, t, 'C', changed);
            std::multiset<std::string> after;
            for (int e = 1; e <= g.team(t).playerCount; ++e) {
                after.insert(g.team(t).player(e).playerName);
            }
            EXPECT_EQ(before, after);
        }
        StartGame(g);
        BullpenState bullpen;
        InstallStarters(g, bullpen);
        for (int t = kVisitors; t <= kHome; ++t) {
            std::size_t ti = static_cast<std::size_t>(t);
            EXPECT_EQ(g.state.currentPitcher[ti], g.options.starter[ti]);
            EXPECT_EQ(g.state.pitchersUsed[ti], 1);
            EXPECT_TRUE(bullpen.used(t, g.options.starter[ti]));
            EXPECT_GT(bullpen.allowance[ti], 0.8);
            std::set<int> positions;
            for (int slot = 1; slot <= kLineupSize; ++slot) {
                EXPECT_EQ(SlotPlayer(g, t, slot), slot);
                positions.insert(g.team(t).player(slot).lineupPosition);
            }
            EXPECT_EQ(positions.size(), 9u);
        }
        // A reliever for the home side is always a staff pitcher who has not pitched.
        int reliever = ComputerBullpen(g, bullpen, &rotations, kHome);
        EXPECT_GE(reliever, kFirstPitcherEntry);
        EXPECT_LE(reliever, lastPitcher);
        EXPECT_NE(reliever, g.options.starter[kHome]);
    }
    // The home side's own method stays within its first two rotation spots.
    const RotationRecord* home = rotations.find("TIGERS.DAT");
    ASSERT_NE(home, nullptr);
    EXPECT_EQ(home->method, "R2");
    EXPECT_TRUE(errors.faults.empty()) << errors.faults.front();
}

}  // namespace
}  // namespace vrk
