#include <gtest/gtest.h>

#include <map>
#include <string>

#include "data/stats_set.h"
#include "data/stats_test_support.h"
#include "engine/play_game.h"
#include "engine/stats_record_game.h"
#include "engine/test_teams.h"

namespace vrk {
namespace {

// Named sums, so that a mismatch prints which one differs.
using Totals = std::map<std::string, long>;

void AddGame(Totals& sum, const Game& game) {
    ++sum["games"], ++sum["wins"], ++sum["losses"];
    for (std::size_t t = 1; t <= 2; ++t) {
        for (std::size_t e = 1; e <= kMaxRosterEntries; ++e) {
            const BatterCounters& b = game.counters.batter[t][e];
            sum["AB"] += b.atBats, sum["H"] += b.hits, sum["HR"] += b.homeRuns;
            sum["BB"] += b.walks;
            const PitcherCounters& p = game.counters.pitcher[t][e];
            sum["R"] += p.runs, sum["ER"] += p.earnedRuns;
            sum["outs"] += game.state.outsRecorded[t][e];
            const FielderCounters& f = game.counters.fielder[t][e];
            sum["PO"] += f.putouts, sum["A"] += f.assists, sum["E"] += f.errors;
        }
    }
}

Totals TableTotals(const StatsSet& set) {
    Totals sum;
    for (int n = 1; n < set.batting.count(); ++n) {
        const BattingRecord& b = set.batting.at(n);
        sum["AB"] += b.atBats.total, sum["H"] += b.hits.total, sum["HR"] += b.homeRuns.total;
        sum["BB"] += b.walks.total;
        EXPECT_EQ(b.atBats.total, b.atBats.vsR + b.atBats.vsL);
        EXPECT_EQ(b.hits.total, b.hits.vsR + b.hits.vsL);
    }
    for (int n = 1; n < set.pitching.count(); ++n) {
        const PitchingRecord& p = set.pitching.at(n);
        sum["R"] += p.runs, sum["ER"] += p.earnedRuns, sum["outs"] += 3L * p.innings + p.extraOuts;
        sum["wins"] += p.wins, sum["losses"] += p.losses;
    }
    for (int n = 1; n < set.fielding.count(); ++n) {
        const FieldingRecord& f = set.fielding.at(n);
        for (std::size_t pos = 1; pos <= kChargedPositions; ++pos)
            sum["PO"] += f.putoutsAt[pos], sum["A"] += f.assistsAt[pos],
                sum["E"] += f.errorsAt[pos];
    }
    sum["games"] = set.gamesInFile;
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
    constexpr int kGames = 500;
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
    EXPECT_EQ(recorded["PO"], recorded["outs"]);
    EXPECT_EQ(recorded["wins"], kGames);

    StatsSet reopened;
    OpenStatsResult o = OpenStatsSet(reopened, dir.str(), "SEEDED");
    ASSERT_TRUE(o.ok) << o.message;
    EXPECT_TRUE(o.notes.empty()) << o.notes[0];
    EXPECT_EQ(reopened.savedGameCounter, kGames);
    EXPECT_EQ(TableTotals(reopened), expected);
}

}  // namespace
}  // namespace vrk
