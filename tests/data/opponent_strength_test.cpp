#include "data/opponent_strength.h"

#include <gtest/gtest.h>

#include "engine/engine_helpers.h"

namespace vrk {
namespace {

DatabankTeamSeason clubOf(const std::string& id, long hitsAllowed, long walksAllowed) {
    DatabankTeamSeason c;
    c.year = 1955, c.league = "AL", c.teamId = id, c.games = 154;
    c.atBats = 5200, c.hits = 1380, c.doubles = 220, c.triples = 40, c.homeRuns = 130;
    c.walks = 560, c.strikeouts = 700;
    c.outsPitched = 4150, c.hitsAllowed = hitsAllowed, c.homeRunsAllowed = 130;
    c.walksAllowed = walksAllowed, c.strikeoutsByPitchers = 700;
    return c;
}

// The share of a club's plate appearances (at-bats and walks) an event took.
double rate(long count, const DatabankTeamSeason& c) {
    return double(count) / double(*c.atBats + *c.walks);
}

// A staff's allowed rate per batter faced.
double allowedRate(long count, long outs, long hits, long walks) {
    return double(count) / double(outs + hits + walks);
}

// The restated line, played by the outcome model against the staffs the
// club really met, gives back the club's real line: the hitters of a club
// with a strong staff come out weaker than their totals, those of a club
// with a weak staff stronger.
TEST(BattingAgainstWholeLeague, PlaysBackToTheRealLineAgainstTheOtherStaffs) {
    const std::vector<DatabankTeamSeason> clubs = {
        clubOf("STR", 1250, 450), clubOf("AVG", 1380, 560), clubOf("WEK", 1510, 670)};
    const auto restated = battingAgainstWholeLeague(clubs);
    ASSERT_EQ(restated.size(), 3u);
    const long outs = 3 * 4150, hr = 3 * 130;
    const long leagueHits = 1250 + 1380 + 1510, leagueWalks = 450 + 560 + 670;
    for (std::size_t i = 0; i < clubs.size(); ++i) {
        const auto& real = clubs[i];
        const auto& talent = restated[i];
        SCOPED_TRACE(real.teamId);
        const long othersHits = leagueHits - *real.hitsAllowed;
        const long othersWalks = leagueWalks - *real.walksAllowed;
        const long othersOuts = outs - *real.outsPitched;
        const long othersHr = hr - *real.homeRunsAllowed;
        const double walkOthers = allowedRate(othersWalks, othersOuts, othersHits, othersWalks);
        const double walkLeague = allowedRate(leagueWalks, outs, leagueHits, leagueWalks);
        EXPECT_NEAR(CombineRates(walkOthers, rate(*talent.walks, real), walkLeague),
                    rate(*real.walks, real), 0.0004);
        const double inPlayOthers =
            allowedRate(othersHits - othersHr, othersOuts, othersHits, othersWalks);
        const double inPlayLeague = allowedRate(leagueHits - hr, outs, leagueHits, leagueWalks);
        EXPECT_NEAR(
            CombineRates(inPlayOthers, rate(*talent.hits - *talent.homeRuns, real), inPlayLeague),
            rate(*real.hits - *real.homeRuns, real), 0.0004);
    }
    // The strong staff's hitters met the weaker ones: fewer hits and walks.
    EXPECT_LT(*restated[0].hits, *clubs[0].hits);
    EXPECT_LT(*restated[0].walks, *clubs[0].walks);
    EXPECT_LT(*restated[0].doubles, *clubs[0].doubles);
    EXPECT_GT(*restated[2].hits, *clubs[2].hits);
    EXPECT_GT(*restated[2].walks, *clubs[2].walks);
    // At-bats, the pitching lines and runs are what the club really had.
    for (std::size_t i = 0; i < clubs.size(); ++i) {
        EXPECT_EQ(restated[i].atBats, clubs[i].atBats);
        EXPECT_EQ(restated[i].hitsAllowed, clubs[i].hitsAllowed);
        EXPECT_EQ(restated[i].walksAllowed, clubs[i].walksAllowed);
    }
}

// Clubs are measured within their own league and season only, and a league
// whose staffs lack a column is left as it was.
TEST(BattingAgainstWholeLeague, KeepsLeaguesApartAndLeavesUnknownColumnsAlone) {
    struct Case {
        const char* name;
        std::vector<DatabankTeamSeason> clubs;
        bool changesFirst;
    };
    DatabankTeamSeason otherLeague = clubOf("NLW", 1600, 700);
    otherLeague.league = "NL";
    DatabankTeamSeason otherYear = clubOf("OLD", 1600, 700);
    otherYear.year = 1954;
    DatabankTeamSeason noWalksAllowed = clubOf("NWA", 1510, 670);
    noWalksAllowed.walksAllowed.reset();
    const Case cases[] = {
        {"equal staffs", {clubOf("A", 1380, 560), clubOf("B", 1380, 560)}, false},
        {"other league", {clubOf("A", 1380, 560), clubOf("B", 1380, 560), otherLeague}, false},
        {"other season", {clubOf("A", 1380, 560), clubOf("B", 1380, 560), otherYear}, false},
        {"column missing", {clubOf("A", 1250, 450), noWalksAllowed}, false},
        {"unequal staffs", {clubOf("A", 1250, 450), clubOf("B", 1510, 670)}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto restated = battingAgainstWholeLeague(c.clubs);
        const auto& first = restated.front();
        const auto& real = c.clubs.front();
        const bool changed = first.hits != real.hits || first.walks != real.walks ||
                             first.strikeouts != real.strikeouts || first.homeRuns != real.homeRuns;
        EXPECT_EQ(changed, c.changesFirst);
    }
}

}  // namespace
}  // namespace vrk
