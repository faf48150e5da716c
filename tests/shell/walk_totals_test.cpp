#include <gtest/gtest.h>

#include "shell/bench_run.h"
#include "shell/session.h"
#include "shell/startup.h"
#include "test_paths.h"

namespace vrk {
namespace {

// A season's walks already hold the ones its defences gave on purpose; the
// computer managers' intentional walks and pitching around give them again.
// Over the sample league the batters must draw the walks their lines hold,
// measured as each batter's own rate times the plate appearances he got.
TEST(WalkTotals, ComputerManagedGamesKeepTheBattersWalkRates) {
    Session session;
    StartupInputs inputs;
    inputs.sourceHome = vrk::test::sourceHome();
    ASSERT_EQ(prepareSession(inputs, session).status, StartupStatus::Ready);
    std::vector<std::string> problems;
    auto pairings = loadPairings(roundRobin(sampleLeagueTeams()), session.config, problems);
    ASSERT_FALSE(pairings.empty());
    double walks = 0, expected = 0;
    // Sixteen rounds: at four the count of walks alone strays by over 1 per
    // cent from one seed to the next, half the tolerance.
    playPairings(pairings, session.config, 16 * long(pairings.size()), 4242,
                 [&](const Game& game, const GameResult&) {
                     for (int t = kVisitors; t <= kHome; ++t) {
                         const Team& team = game.team(t);
                         for (int e = 1; e <= team.playerCount; ++e) {
                             const Player& p = team.player(e);
                             if (p.lineupPosition == 1 || p.atBats + p.walks <= 0) continue;
                             const BatterCounters& b =
                                 game.counters.batter[std::size_t(t)][std::size_t(e)];
                             // The lines hold no hit batsmen or sacrifice flies.
                             const double pa = b.atBats + b.walks;
                             walks += b.walks;
                             expected += pa * p.walks / double(p.atBats + p.walks);
                         }
                     }
                 });
    ASSERT_GT(expected, 8000);
    EXPECT_NEAR(walks / expected, 1.0, 0.03) << walks << " walks, " << expected << " expected";
}

}  // namespace
}  // namespace vrk
