#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "core/numbering.h"
#include "team_test_support.h"

namespace vrk {
namespace {

using namespace vrk::testing;

TEST(TeamBadInput, BinaryJunkIsRefused) {
    std::string junk;
    std::mt19937 gen(42);
    for (int i = 0; i < 20000; ++i) junk += static_cast<char>(gen() & 0xFF);
    junk[100] = '\0';
    const Loaded l = loadText(junk);
    EXPECT_TRUE(l.result.abort);
    ASSERT_EQ(l.result.warnings.size(), 1u);
    EXPECT_EQ(l.result.warnings[0],
              "Team Data-File: TEST.DAT|This is not a team data file (it holds binary "
              "data).|Hit any key to Abort.");

    // Junk without NUL bytes is read as lines of text and must not crash.
    std::replace(junk.begin(), junk.end(), '\0', 'x');
    for (int seed = 0; seed < 20; ++seed) {
        std::shuffle(junk.begin(), junk.end(), gen);
        const Loaded again = loadText(junk);
        EXPECT_LE(again.team.playerCount, kMaxRosterEntries);
        EXPECT_FALSE(again.result.warnings.empty());
    }
}

TEST(TeamBadInput, VeryLongLinesAreReadWhole) {
    auto lines = standardTeam();
    lines[1] += std::string(5000, '7');
    lines[0] += std::string(3000, 'Z');
    lines.push_back("* COL=RED," + std::string(8000, ',') + "DH=Y");
    lines.push_back(std::string(10000, ';'));
    const Loaded l = loadLines(lines);
    ASSERT_FALSE(l.result.abort);
    EXPECT_EQ(l.team.player(1).playerName, "Able, Al");
    EXPECT_EQ(std::vector({l.team.dhRule, l.team.teamColor, l.team.playerCount}),
              std::vector({int(kTrue), 15 + 16 * 4, 16}));
}

TEST(TeamBadInput, MissingHeaderUsesBuiltInLeagueValues) {
    auto lines = standardTeam();
    lines.erase(lines.begin());
    Config config;
    config.leagueRows.push_back({});
    config.leagueRows.back().year = "DEF ";
    config.leagueRows.back().league = ' ';
    const Loaded l = loadLines(lines, config);
    ASSERT_FALSE(l.result.abort);
    EXPECT_EQ(l.team.league, ' ');
    EXPECT_FALSE(l.team.leagueContext.fromRow);
    EXPECT_FLOAT_EQ(l.team.leagueContext.homeRunRate, 0.019f);
    ASSERT_EQ(l.result.warnings.size(), 1u);
    EXPECT_EQ(l.result.warnings[0],
              "Team Data-File: TEST.DAT|No header line (a '*' line before the first "
              "player).|The built-in league averages are used.");
}

TEST(TeamBadInput, TooFewPlayersOrNoTeamAtAllAreRefused) {
    std::vector<std::string> lines{headerLine()};
    for (int i = 0; i < 9; ++i) lines.push_back(batterLine({.pos = i + 1}));
    lines.push_back("*");
    const Loaded l = loadLines(lines);
    EXPECT_TRUE(l.result.abort);
    ASSERT_EQ(l.result.warnings.size(), 1u);
    EXPECT_EQ(l.result.warnings[0],
              "Team Data-File: TEST.DAT|Only 9 player lines: a team needs nine line-up lines "
              "and at least one pitcher.|Hit any key to Abort.");

    std::string crOnly;  // one line: not a team
    for (const auto& line : standardTeam()) crOnly += line + "\r";
    for (const std::string& text :
         {std::string(), std::string("*A       E1998 Empty\n##\n"), std::string("\r\n\r\n\x1a"),
          "##\n" + joinLines(standardTeam()), crOnly})
        EXPECT_TRUE(loadText(text).result.abort) << text.substr(0, 20);
}

TEST(TeamBadInput, NoSeparatorMakesTheLinesAfterTheLineupPitchers) {
    auto lines = standardTeam(3);
    lines.erase(lines.begin() + 13);  // the "*"
    Loaded l = loadLines(lines);
    ASSERT_FALSE(l.result.abort);
    EXPECT_EQ(l.team.lastPitcherEntry, 14);
    EXPECT_TRUE(anyWarningHas(l.result, "Player lines 10 to 14 are taken as pitchers."));

    // 80 player lines without a separator: the staff stops at 35.
    while (lines.size() < 81) lines.push_back(pitcherLine({}));
    l = loadLines(lines);
    EXPECT_EQ(std::vector({l.team.playerCount, l.team.lastPitcherEntry}),
              std::vector({kMaxRosterEntries, kLastPitcherLimit}));
    EXPECT_TRUE(anyWarningHas(l.result, "Player lines 10 to 35 are taken as pitchers."));
    EXPECT_TRUE(anyWarningHas(l.result, "More than 51 player lines: 29 lines"));

    l = loadLines(standardTeam(30));
    ASSERT_FALSE(l.result.abort);
    EXPECT_EQ(l.team.lastPitcherEntry, 39);
    EXPECT_TRUE(anyWarningHas(l.result, "ends at player line 39; it must end by line 35."));
}

TEST(TeamBadInput, NonNumericColumnsReadAsZero) {
    auto lines = standardTeam();
    std::string bad = batterLine({.pos = 6, .name = "Odd,Otto"});
    bad.replace(27, 3, "abc");  // at bats
    bad.replace(31, 3, "1x2");  // hits: reads 1
    bad.replace(6, 2, "SS");    // position
    bad.replace(75, 3, "???");  // games at first listed position
    lines[2] = bad;
    lines[3] = batterLine({.pos = 99, .name = "Wide,Will"});
    lines[4] = batterLine({.pos = -3, .name = "Minus,Mo"});
    const Loaded l = loadLines(lines);
    ASSERT_FALSE(l.result.abort);
    const Player& p = l.team.player(2);
    EXPECT_EQ(std::vector({p.atBats, p.hits, p.lineupPosition, p.positionCode[1],
                           l.team.player(3).lineupPosition, l.team.player(4).lineupPosition}),
              std::vector({1, 1, 0, 0, 0, 0}));
    EXPECT_TRUE(anyWarningHas(l.result,
                              "Position in columns 7-8 is not 0 to 10 (read as 0) on "
                              "player line(s) 3, 4."));
}

TEST(TeamBadInput, NamesOfBlanksOrStartingWithAComma) {
    auto lines = standardTeam();
    lines[2] = batterLine({.pos = 6, .name = "                  "});
    lines[3] = batterLine({.pos = 9, .name = ",Lonely"});
    lines[12] = pitcherLine({.name = ""});
    const Loaded l = loadLines(lines);
    ASSERT_FALSE(l.result.abort);
    EXPECT_EQ(l.team.player(2).playerName, "");
    EXPECT_EQ(l.team.player(3).playerName, ",Lonely");
    EXPECT_FALSE(l.team.player(2).sharedLastName);
    EXPECT_FALSE(l.team.twoWayPlayer);  // empty names never match
    EXPECT_TRUE(anyWarningHas(l.result, "No name in columns 10-27 of player line(s) 2, 12."));
}

}  // namespace
}  // namespace vrk
