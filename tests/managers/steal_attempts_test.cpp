// Over many games a runner tries about as many steals, per time he reached
// first, as his season line shows.
#include <gtest/gtest.h>

#include "engine/steals_chance.h"
#include "managers/auto_lineup.h"
#include "managers/auto_manager_hooks.h"
#include "managers/batting_order.h"
#include "managers/rotation.h"
#include "managers/starters.h"
#include "managers_test_support.h"

namespace vrk {
namespace {

// Plays `games` games of the pair and returns attempts made over attempts the
// lines owe, for the line-up's non-pitchers with steal figures.
double AttemptsOverLine(std::array<Team, 3> loaded, bool dh, int games) {
    const Config config = mgrtest::ShippedConfig();
    RotationTable rotations;
    RotationSettings settings;
    AutoManagerCounters counters;
    AutoManagerHooks hooks(counters, &rotations);
    Rng rng(77);
    double expected = 0, tried = 0;
    for (int n = 0; n < games; ++n) {
        std::array<Team, 3> teams = loaded;
        LeagueContext normalization = teams[1].leagueContext;
        Game game(teams, normalization, config, rng);
        game.options.designatedHitter = dh;
        ChooseStarters(game, rotations, settings);
        for (int t = kVisitors; t <= kHome; ++t) BattingOrder(game, t, 'C', AUTOLINEUP(game, t));
        PlayManagedGame(game, hooks);
        for (int t = kVisitors; t <= kHome; ++t) {
            for (int e = 1; e <= kMaxRosterEntries; ++e) {
                const Player& p = game.team(t).player(e);
                const BatterCounters& b = game.counters.batter[t][e];
                if (p.stolenBases <= 0 || p.lineupPosition == kPitcher) continue;
                const int singles = p.hits - p.doubles - p.triples - p.homeRuns;
                const double perTimeOnFirst =
                    (p.stolenBases + RunnerCaughtStealing(game.team(t), p)) /
                    std::max(1, singles + p.walks);
                const int gameSingles = b.hits - b.doubles - b.triples - b.homeRuns;
                expected += perTimeOnFirst * (gameSingles + b.walks);
                tried += b.stolenBases + b.caughtStealing;
            }
        }
    }
    EXPECT_GT(expected, 200);
    return tried / expected;
}

TEST(StealAttempts, ClubsTryTheirRealShareOfSteals) {
    const Config config = mgrtest::ShippedConfig();
    // With and without pitchers batting, whose turns refuse most steals.
    const std::tuple<const char*, const char*, bool> kPairs[] = {{"ARDMOUTH", "FELVORA", false},
                                                                 {"CAMHAVEN", "DALMOUTH", true}};
    for (const auto& [visitors, home, dh] : kPairs) {
        std::array<Team, 3> loaded{};
        ASSERT_FALSE(loadTeamPair(loaded, visitors, home, config).abort);
        // Refused turns once left a third of the real attempts untried.
        EXPECT_NEAR(AttemptsOverLine(loaded, dh, 600), 1.0, 0.15) << visitors;
        // A club whose file has the column but no caught-stealing figures (as
        // old seasons do): its runners try what their stolen bases and the
        // estimated caught stealing add up to, whatever their speed ratings.
        for (int t = kVisitors; t <= kHome; ++t) {
            for (int e = 1; e <= loaded[t].playerCount; ++e) {
                loaded[t].player(e).caughtStealing = 0;
                loaded[t].player(e).speed = 4;
            }
        }
        EXPECT_NEAR(AttemptsOverLine(loaded, dh, 600), 1.0, 0.15) << visitors << " no CS";
    }
}

}  // namespace
}  // namespace vrk
