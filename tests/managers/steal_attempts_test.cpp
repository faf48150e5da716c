// Over many games a runner tries about as many steals, per time he reached
// first, as his season line shows.
#include <gtest/gtest.h>

#include "managers/auto_lineup.h"
#include "managers/auto_manager_hooks.h"
#include "managers/batting_order.h"
#include "managers/rotation.h"
#include "managers/starters.h"
#include "managers_test_support.h"

namespace vrk {
namespace {

TEST(StealAttempts, ClubsTryTheirRealShareOfSteals) {
    const Config config = mgrtest::ShippedConfig();
    // With and without pitchers batting, whose turns refuse most steals.
    const std::tuple<const char*, const char*, bool> kPairs[] = {{"ARDMOUTH", "FELVORA", false},
                                                                 {"CAMHAVEN", "DALMOUTH", true}};
    for (const auto& [visitors, home, dh] : kPairs) {
        std::array<Team, 3> loaded{};
        ASSERT_FALSE(loadTeamPair(loaded, visitors, home, config).abort);
        RotationTable rotations;
        RotationSettings settings;
        AutoManagerCounters counters;
        AutoManagerHooks hooks(counters, &rotations);
        Rng rng(77);
        double expected = 0, tried = 0;
        for (int n = 0; n < 600; ++n) {
            std::array<Team, 3> teams = loaded;
            LeagueContext normalization = teams[1].leagueContext;
            Game game(teams, normalization, config, rng);
            game.options.designatedHitter = dh;
            ChooseStarters(game, rotations, settings);
            for (int t = kVisitors; t <= kHome; ++t)
                BattingOrder(game, t, 'C', AUTOLINEUP(game, t));
            PlayManagedGame(game, hooks);
            for (int t = kVisitors; t <= kHome; ++t) {
                for (int e = 1; e <= kMaxRosterEntries; ++e) {
                    const Player& p = game.team(t).player(e);
                    const BatterCounters& b = game.counters.batter[t][e];
                    if (p.caughtStealing <= 0 || p.lineupPosition == kPitcher) continue;
                    const int singles = p.hits - p.doubles - p.triples - p.homeRuns;
                    const double perTimeOnFirst =
                        double(p.stolenBases + p.caughtStealing) / std::max(1, singles + p.walks);
                    const int gameSingles = b.hits - b.doubles - b.triples - b.homeRuns;
                    expected += perTimeOnFirst * (gameSingles + b.walks);
                    tried += b.stolenBases + b.caughtStealing;
                }
            }
        }
        ASSERT_GT(expected, 200) << visitors;
        // Refused turns once left a third of the real attempts untried.
        EXPECT_NEAR(tried / expected, 1.0, 0.15) << visitors << " " << tried << " of " << expected;
    }
}

}  // namespace
}  // namespace vrk
