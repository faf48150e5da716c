#include <gtest/gtest.h>

#include "data/stats_record_game.h"
#include "data/stats_set.h"
#include "data/stats_test_support.h"
#include "engine/test_teams.h"

namespace vrk {
namespace {

struct Totals {
    long atBats = 0, hits = 0, homeRuns = 0, runs = 0, earnedRuns = 0, outs = 0, walks = 0;
    long games = 0, wins = 0, losses = 0, putouts = 0, assists = 0, errors = 0;
    bool operator==(const Totals&) const = default;
};

void PrintTo(const Totals& t, std::ostream* os) {
    *os << "AB " << t.atBats << " H " << t.hits << " HR " << t.homeRuns << " R " << t.runs << " ER "
        << t.earnedRuns << " outs " << t.outs << " BB " << t.walks << " G " << t.games << " W "
        << t.wins << " L " << t.losses << " PO " << t.putouts << " A " << t.assists << " E "
        << t.errors;
}

void AddGame(Totals& sum, const Game& game) {
    ++sum.games;
    for (int t = 1; t <= 2; ++t) {
        for (int e = 1; e <= kMaxRosterEntries; ++e) {
            const BatterCounters& b = game.counters.batter[t][static_cast<std::size_t>(e)];
            sum.atBats += b.atBats;
            sum.hits += b.hits;
            sum.homeRuns += b.homeRuns;
            sum.walks += b.walks;
            const PitcherCounters& p = game.counters.pitcher[t][static_cast<std::size_t>(e)];
            sum.runs += p.runs;
            sum.earnedRuns += p.earnedRuns;
            sum.outs += game.state.outsRecorded[t][static_cast<std::size_t>(e)];
            const FielderCounters& f = game.counters.fielder[t][static_cast<std::size_t>(e)];
            sum.putouts += f.putouts;
            sum.assists += f.assists;
            sum.errors += f.errors;
        }
    }
    sum.wins += 1;
    sum.losses += 1;
}

Totals TableTotals(const StatsSet& set) {
    Totals sum;
    for (int n = 1; n < set.batting.count(); ++n) {
        const BattingRecord& b = set.batting.at(n);
        sum.atBats += b.atBats.total;
        sum.hits += b.hits.total;
        sum.homeRuns += b.homeRuns.total;
        sum.walks += b.walks.total;
        EXPECT_EQ(b.atBats.total, b.atBats.vsR + b.atBats.vsL);
        EXPECT_EQ(b.hits.total, b.hits.vsR + b.hits.vsL);
    }
    for (int n = 1; n < set.pitching.count(); ++n) {
        const PitchingRecord& p = set.pitching.at(n);
        sum.runs += p.runs;
        sum.earnedRuns += p.earnedRuns;
        sum.outs += 3L * p.innings + p.extraOuts;
        sum.wins += p.wins;
        sum.losses += p.losses;
    }
    for (int n = 1; n < set.fielding.count(); ++n) {
        const FieldingRecord& f = set.fielding.at(n);
        for (int pos = 1; pos <= kChargedPositions; ++pos) {
            sum.putouts += f.putoutsAt[static_cast<std::size_t>(pos)];
            sum.assists += f.assistsAt[static_cast<std::size_t>(pos)];
            sum.errors += f.errorsAt[static_cast<std::size_t>(pos)];
        }
    }
    sum.games = set.gamesInFile;
    return sum;
}

// Many seeded games, with and without the designated hitter, recorded and
// saved: the tables add up to the games' own counters, and reopen unchanged.
TEST(StatsSeededGames, TablesEqualTheSumOfTheGames) {
    stats_testing::ScratchFolder dir;
    StatsSet set;
    ASSERT_TRUE(OpenStatsSet(set, dir.str(), "SEEDED").ok);
    HighlightLists lists;
    SimulationRecord simulation;
    Totals expected;
    constexpr int kGames = 60;
    for (int g = 0; g < kGames; ++g) {
        testing::GameFixture f(static_cast<std::uint64_t>(100 + g), g % 2 == 0);
        f.game->record = &simulation;
        PlayGame(*f.game);
        AddGame(expected, *f.game);
        RecordGameResult r = RecordGame(set, lists, *f.game, {g, std::nullopt, 20},
                                        GameHighlightTexts(simulation, g + 1));
        ASSERT_TRUE(r.result.ok) << r.result.message;
        EXPECT_TRUE(r.warnings.empty());
        if (g % 20 == 19) {
            ASSERT_TRUE(SaveStatistics(set, g + 1).ok);
        }
    }
    Totals recorded = TableTotals(set);
    EXPECT_EQ(recorded, expected);
    EXPECT_EQ(recorded.putouts, recorded.outs);
    EXPECT_EQ(recorded.wins, kGames);

    StatsSet reopened;
    OpenStatsResult o = OpenStatsSet(reopened, dir.str(), "SEEDED");
    ASSERT_TRUE(o.ok) << o.message;
    EXPECT_TRUE(o.notes.empty()) << o.notes[0];
    EXPECT_EQ(reopened.savedGameCounter, kGames);
    EXPECT_EQ(TableTotals(reopened), expected);
}

}  // namespace
}  // namespace vrk
