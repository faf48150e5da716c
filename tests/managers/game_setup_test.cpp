// The managers' pre-game steps on a loaded team file, in the order the game
// set-up runs them.
#include <gtest/gtest.h>
#include "test_paths.h"

#include "engine/engine_helpers.h"
#include "engine/game.h"
#include "engine/game_start.h"
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
    config.dataPath = std::string(vrk::test::testDataDir()) + "/team/";
    std::array<Team, 3> teams{};
    ASSERT_FALSE(loadTeamPair(teams, "TIGERS", "TIGERS", config).abort);
    const int lastPitcher = teams[1].lastPitcherEntry;
    ASSERT_GE(lastPitcher, 12);
    LeagueContext normalization;
    Rng rng(31);
    mgrtest::RecordingErrors errors;
    RotationTable rotations;
    RotationSettings settings;
    settings.spotStarters = 'Y';
    settings.teamMethod[kHome] = "R2";
    auto onStaff = [&](int entry) { return entry >= kFirstPitcherEntry && entry <= lastPitcher; };

    for (int game = 0; game < 40; ++game) {
        std::array<Team, 3> slots = teams;
        Game g(slots, normalization, config, rng);
        g.errors = &errors;
        g.options.designatedHitter = true;
        ChooseStarters(g, rotations, settings);
        for (int t = kVisitors; t <= kHome; ++t) {
            EXPECT_TRUE(onStaff(g.options.starter[t]));
            std::multiset<std::string> before = mgrtest::Names(g.team(t));
            BattingOrder(g, t, 'C', AUTOLINEUP(g, t));
            EXPECT_EQ(mgrtest::Names(g.team(t)), before);
        }
        StartGame(g);
        BullpenState bullpen;
        InstallStarters(g, bullpen);
        for (int t = kVisitors; t <= kHome; ++t) {
            const int starter = g.options.starter[t];
            EXPECT_EQ(g.state.currentPitcher[t], starter);
            EXPECT_EQ(g.state.pitchersUsed[t], 1);
            EXPECT_TRUE(bullpen.used(t, starter));
            EXPECT_GT(bullpen.allowance[t], 0.8);
            std::set<int> positions;
            for (int slot = 1; slot <= kLineupSize; ++slot) {
                EXPECT_EQ(SlotPlayer(g, t, slot), slot);
                positions.insert(g.team(t).player(slot).lineupPosition);
            }
            EXPECT_EQ(positions.size(), 9u);
        }
        // A home reliever is always a staff pitcher who has not pitched.
        int reliever = ComputerBullpen(g, bullpen, &rotations, kHome);
        EXPECT_TRUE(onStaff(reliever) && reliever != g.options.starter[kHome]) << reliever;
    }
    // The home side keeps its own method.
    const RotationRecord* home = rotations.find("TIGERS.DAT");
    ASSERT_NE(home, nullptr);
    EXPECT_EQ(home->method, "R2");
    EXPECT_TRUE(errors.faults.empty()) << errors.faults.front();
}

}  // namespace
}  // namespace vrk
