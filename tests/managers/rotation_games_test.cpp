// Starters over a long run, as unattended play chooses them: a five-man turn
// never sends the same starter out twice running, and a staff never uses a
// pitcher twice in one game.
#include <gtest/gtest.h>
#include "test_paths.h"

#include <set>

#include "data/team_file.h"
#include "shell/batch_game.h"
#include "shell/config_file.h"

namespace vrk {
namespace {

TEST(RotationGames, FiveManTurnNeverRepeatsAStarter) {
    Config config;
    config.homeDir = vrk::test::sourceHome();
    readConfigFile(std::string(vrk::test::sourceHome()) + "/BASEBALL.CFG", config,
                   ConfigReadMode::Startup);
    TeamSlots loaded;
    ASSERT_FALSE(loadTeamPair(loaded, "WENSTEAD", "SARFORD", config).abort);

    BatchRules rules;  // S5, no spot starters
    BatchCarry carry;
    Rng rng(77);
    TeamSlots teams;
    Game game(teams, rules.normalization.context, config, rng);
    std::array<int, 3> lastStarter{};
    std::array<std::set<int>, 3> starters;
    for (int n = 0; n < 2000; ++n) {
        teams = loaded;
        playUndisplayedGame(game, rules, carry);
        for (int t = kVisitors; t <= kHome; ++t) {
            const auto ti = static_cast<std::size_t>(t);
            const int used = game.state.pitchersUsed[ti];
            std::set<int> seen;
            for (int k = 1; k <= used; ++k) {
                seen.insert(game.state.pitcherList[ti][static_cast<std::size_t>(k)]);
            }
            ASSERT_EQ(static_cast<int>(seen.size()), used) << "game " << n << " team " << t;
            const int starter = game.state.pitcherList[ti][1];
            ASSERT_NE(starter, lastStarter[ti]) << "game " << n << " team " << t;
            lastStarter[ti] = starter;
            starters[ti].insert(starter);
        }
    }
    EXPECT_EQ(starters[1].size(), 5u);
    EXPECT_EQ(starters[2].size(), 5u);
}

}  // namespace
}  // namespace vrk
