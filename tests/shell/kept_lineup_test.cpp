#include <gtest/gtest.h>

#include <algorithm>

#include "data/team_file.h"
#include "managers/lineup_changes.h"
#include "shell/game_setup.h"
#include "test_paths.h"

namespace vrk {
namespace {

// The line-up set on the screen before a Two-Team run stands in every game,
// though each game reads the team files again.
TEST(KeptLineup, ComesBackAfterTheTeamsAreReadAgain) {
    Config config;
    config.dataPath = std::string(vrk::test::sourceHome()) + "/";
    TeamSlots set, fresh;
    ASSERT_FALSE(loadTeamPair(set, "FELVORA", "GORWICK", config).abort);
    Team& team = set[2];
    const int bench = team.lastPitcherEntry + 1;
    const std::vector<int> listed = LineupScreenEntries(team);
    const int benchNumber =
        static_cast<int>(std::find(listed.begin(), listed.end(), bench) - listed.begin()) + 1;
    ASSERT_EQ(SwapBeforeGame(team, 1, benchNumber), LineupRefusal::None);
    ASSERT_EQ(SwapBeforeGame(team, 2, 3), LineupRefusal::None);
    const std::vector<std::string> kept = keptLineup(team);

    ASSERT_FALSE(loadTeamPair(fresh, "FELVORA", "GORWICK", config).abort);
    EXPECT_NE(keptLineup(fresh[2]), kept);
    restoreLineup(fresh[2], kept);
    EXPECT_EQ(keptLineup(fresh[2]), kept);
    for (int slot = 1; slot <= kLineupSize; ++slot) {
        EXPECT_EQ(fresh[2].player(slot).lineupPosition, team.player(slot).lineupPosition) << slot;
        EXPECT_EQ(fresh[2].player(slot).atBats, team.player(slot).atBats) << slot;
    }
    EXPECT_EQ(fresh[2].player(bench).playerName, team.player(bench).playerName);
    // Nothing kept: nothing moves.
    TeamSlots again;
    ASSERT_FALSE(loadTeamPair(again, "FELVORA", "GORWICK", config).abort);
    const std::vector<std::string> fileOrder = keptLineup(again[2]);
    restoreLineup(again[2], {});
    EXPECT_EQ(keptLineup(again[2]), fileOrder);
}

}  // namespace
}  // namespace vrk
