#include <gtest/gtest.h>
#include "test_paths.h"

#include <functional>
#include <string>
#include <vector>

#include "data/team_file.h"
#include "data/team_restore.h"

namespace vrk {
namespace {

TeamSlots ShippedPair() {
    Config config;
    config.dataPath = std::string(vrk::test::sourceHome()) + "/";
    config.homeDir = vrk::test::sourceHome();
    TeamSlots teams;
    const TeamLoadResult result = loadTeamPair(teams, "CAMHAVEN", "FELVORA", config);
    EXPECT_FALSE(result.abort);
    return teams;
}

// Names are compared a word at a time: one letter changed, at any place of a
// name of any length, is still seen.
TEST(RestoreTeam, SeesAnyLetterOfAName) {
    Team from;
    from.playerCount = 1;
    for (std::size_t size = 1; size <= 30; ++size) {
        from.player(1).playerName = std::string(size, 'a');
        for (std::size_t at = 0; at < size; ++at) {
            Team played = from;
            played.player(1).playerName[at] = 'b';
            restoreTeam(played, from);
            EXPECT_EQ(played.player(1).playerName, from.player(1).playerName) << size << " " << at;
        }
    }
}

// Whatever changed in a copy, field by field, the restore gives the loaded
// team back; each change is first checked to make the copy differ.
TEST(RestoreTeam, UndoesEveryKindOfChange) {
    const TeamSlots loaded = ShippedPair();
    const Team& from = loaded[kHome];
    const std::string longName(40, 'x');  // beyond any buffer the copy has
    struct Change {
        const char* what;
        std::function<void(Team&)> apply;
    };
    const std::vector<Change> changes = {
        {"a batter's name", [](Team& t) { t.player(3).playerName = "Someone, Else"; }},
        {"a name grown past its buffer", [&](Team& t) { t.player(12).playerName = longName; }},
        {"a name emptied", [](Team& t) { t.player(1).nameAsLoaded.clear(); }},
        {"a letter of a name", [](Team& t) { t.player(7).playerName.back() ^= 1; }},
        {"a letter of a loaded name", [](Team& t) { t.player(8).nameAsLoaded.front() ^= 1; }},
        {"an entry dropped",
         [](Team& t) {
             t.player(t.playerCount) = Player{};
             t.playerCount -= 1;
         }},
        {"a line-up place", [](Team& t) { t.player(4).lineupPosition = kPitcher; }},
        {"who bats in a slot", [](Team& t) { t.player(2).lineupPlayer = 17; }},
        {"rest days overridden", [](Team& t) { t.player(11).restDaysNeeded = -2; }},
        {"a pitching line", [](Team& t) { t.player(12).pitching.saves += 5; }},
        {"a pitcher's own batting", [](Team& t) { t.player(13).pitcherBattingLine.hits = 9; }},
        {"season-to-date figures", [](Team& t) { t.player(5).sim.atBats = 400; }},
        {"a position played", [](Team& t) { t.player(6).positionCode[2] = 7; }},
        {"two entries exchanged", [](Team& t) { std::swap(t.player(9), t.player(20)); }},
        {"an entry added",
         [](Team& t) {
             t.playerCount += 1;
             t.player(t.playerCount).playerName = "Pitcher";
             t.player(t.playerCount).sim.hits = 3;
         }},
        {"the roster's length", [](Team& t) { t.playerCount -= 1; }},
        {"the team's name", [](Team& t) { t.teamName = "Renamed"; }},
        {"the colour", [](Team& t) { t.teamColor = 13; }},
        {"a colour check", [](Team& t) { t.visitorColorChecks.flip(5); }},
        {"the league row", [](Team& t) { t.leagueContext.rowKey = "1998A"; }},
        {"a league rate", [](Team& t) { t.leagueContext.walkRate = 0.5f; }},
        {"a park factor", [](Team& t) { t.parkFactorB = 0.9; }},
    };
    for (const Change& change : changes) {
        Team played = from;
        change.apply(played);
        ASSERT_FALSE(played == from) << change.what;
        restoreTeam(played, from);
        EXPECT_TRUE(played == from) << change.what;
    }
    // All at once, and into a team that started out as another one.
    Team other = loaded[kVisitors];
    for (const Change& change : changes) change.apply(other);
    restoreTeam(other, from);
    EXPECT_TRUE(other == from);
}

}  // namespace
}  // namespace vrk
