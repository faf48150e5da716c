#include <gtest/gtest.h>

#include "core/numbering.h"
#include "data/player_names.h"
#include "data/team_file.h"
#include "team_test_support.h"

namespace vrk {
namespace {

using namespace vrk::testing;

TEST(TeamFile, ReadsTheSampleFileAsWritten) {
    Config config;
    config.dataPath = std::string(VRK_TEST_DATA) + "/team/";
    TeamSlots teams;
    const TeamLoadResult result = loadTeamPair(teams, "tigers", "TIGERS", config);
    ASSERT_FALSE(result.abort);
    EXPECT_TRUE(result.warnings.empty()) << result.warnings.front();

    const Team& t = teams[kHome];
    EXPECT_EQ(t.teamFileName, "TIGERS.DAT");
    EXPECT_EQ(t.centuryDigits, "19");
    EXPECT_EQ(t.teamName, "98 Tigers   ");
    EXPECT_EQ(t.wonLostText, "88-74, 2ND");
    EXPECT_EQ(t.player(5).gamesAtPosition[2], 20);
    const Player& jones = t.player(13);
    EXPECT_EQ(jones.saves(), 28);
    EXPECT_EQ(jones.pitcherBattingGrade, 'E');
    EXPECT_EQ(jones.pitcherBattingLine.strikeouts, 5);
    EXPECT_EQ(t.player(10).pitcherBattingLine.atBats, 0);
    EXPECT_EQ(t.player(15).hand, 'r');
    EXPECT_EQ(t.player(15).handAsLoaded, 'r');
    // A bench line with 1 in columns 7-8 is an outfielder, not a pitcher;
    // position 1 among its listed positions is removed.
    EXPECT_EQ(t.player(17).lineupPosition, kRightField);
    EXPECT_EQ(t.player(17).defaultPosition, kRightField);
    EXPECT_EQ(t.player(17).positionCode[1], 4);
    EXPECT_EQ(t.player(17).gamesAtPosition[1], 30);
    EXPECT_EQ(t.player(17).positionCode[2], 3);
    EXPECT_EQ(t.player(17).positionCode[3], 0);
    EXPECT_NEAR(t.appearancesPerStart, 241.0 / 86.0, 1e-9);
    EXPECT_FALSE(t.player(7).sharedLastName);
    EXPECT_TRUE(t.player(18).sharedLastName);
    EXPECT_EQ(t.player(18).lineupPlayer, 18);
}

TEST(TeamFile, NamesAreStoredLastCommaFirst) {
    const std::pair<const char*, const char*> stored[] = {{"Marsh,Tom         ", "Marsh, Tom"},
                                                          {"Marsh , Tom  ", "Marsh, Tom"},
                                                          {"Marsh             ", "Marsh"},
                                                          {",X                ", ",X"},
                                                          {"                  ", ""}};
    for (const auto& [raw, name] : stored) EXPECT_EQ(storedPlayerName(raw), name) << raw;
    // {name, last, first}
    const std::array<const char*, 3> split[] = {
        {"Marsh, Tom", "Marsh", "Tom"},
        {",X", ",X", ""},
        {"Marsh", "Marsh", ""},
        {"de la Cruz, Jose, Jr.", "de la Cruz", "Jose, Jr."}};
    for (const auto& [name, last, first] : split) {
        EXPECT_EQ(lastName(name), last) << name;
        EXPECT_EQ(firstName(name), first) << name;
    }
}

TEST(TeamFile, FindPlayerStopsAtTheFirstEmptyName) {
    const Loaded l = loadLines(standardTeam());
    EXPECT_EQ(findPlayer(l.team, 1, 9, "Cole, Cy"), 3);
    EXPECT_EQ(findPlayer(l.team, 1, 9, "Cole, Cy", kRightField), 3);
    EXPECT_EQ(findPlayer(l.team, 1, 9, "Cole, Cy", kCatcher), 0);
    EXPECT_EQ(findPlayer(l.team, 1, 9, "Cole"), 0);
    EXPECT_EQ(findPlayer(l.team, 15, 51, "Sub, Sam"), 16);
    EXPECT_EQ(findPlayer(l.team, 17, 51, "Sub, Sam"), 0);
    EXPECT_EQ(findPlayer(l.team, -5, 500, ""), 0);
}

TEST(TeamFile, PlayerColumnsOnBatterLines) {
    auto lines = standardTeam();
    lines[1] =
        batterLine({.pos = 6, .name = "Marsh,Tom", .ab = 0, .positions = {{120, '1'}, {30, 'D'}}});
    lines[2] =
        batterLine({.pos = 4, .name = "Marsh", .positions = {{50, '1'}, {40, '1'}, {9, '4'}}});
    lines[3] = batterLine({.pos = 9, .name = ",X"});
    lines[4] = "    *" + batterLine({.pos = 3, .name = "Plat,Ty"}).substr(5);
    lines[5] = batterLine({.pos = 5, .name = "Neg,Ned", .h = -4, .positions = {{-3, '5'}}});
    const Loaded l = loadLines(lines);
    ASSERT_FALSE(l.result.abort);
    const Team& t = l.team;

    EXPECT_EQ(t.player(1).playerName, "Marsh, Tom");
    EXPECT_EQ(t.player(1).atBats, 1);
    // 120 games at P in the first slot, 30 at D in the second: D moves up.
    EXPECT_EQ(t.player(1).positionCode[1], kDesignatedHitter);
    EXPECT_EQ(t.player(1).gamesAtPosition[1], 30);
    EXPECT_EQ(t.player(1).positionCode[2], 0);
    EXPECT_EQ(t.player(1).gamesAtPosition[2], 0);
    // The slot that moves in is not looked at again.
    EXPECT_EQ(t.player(2).playerName, "Marsh");
    EXPECT_EQ(t.player(2).positionCode[1], kPitcher);
    EXPECT_EQ(t.player(2).gamesAtPosition[1], 40);
    EXPECT_EQ(t.player(2).positionCode[2], kSecondBase);
    EXPECT_EQ(t.player(3).playerName, ",X");
    EXPECT_EQ(t.player(4).platoonMark, '*');
    EXPECT_EQ(t.player(3).platoonMark, ' ');
    EXPECT_EQ(t.player(5).hits, 0);
    EXPECT_EQ(t.player(5).positionCode[1], 0);
    EXPECT_TRUE(t.player(1).sharedLastName);
    EXPECT_TRUE(t.player(2).sharedLastName);
    EXPECT_FALSE(t.player(3).sharedLastName);
}

TEST(TeamFile, LineKindsFollowTheFormatTable) {
    std::vector<std::string> lines = standardTeam(3);
    lines.insert(lines.begin() + 5, "* COL=RED");  // among the first nine: no separator
    lines.insert(lines.begin() + 1, headerLine('N', "1930", "   "));  // a later header wins
    lines.insert(lines.begin(), "; comment");
    lines.insert(lines.begin() + 3, "");
    lines.insert(lines.end(),
                 {"   \t  ", "* DH=N, GEN=F", "##", batterLine({.name = "After,End"})});
    const Loaded l = loadLines(lines);
    ASSERT_FALSE(l.result.abort);
    EXPECT_TRUE(l.result.warnings.empty());
    EXPECT_EQ(l.team.league, 'N');
    EXPECT_EQ(l.team.season, "1930");
    EXPECT_EQ(l.team.stealColumns, 0);
    EXPECT_EQ(l.team.playerCount, 14);
    EXPECT_EQ(l.team.lastPitcherEntry, 12);
    EXPECT_EQ(l.team.teamColor, 0);
    EXPECT_EQ(l.team.dhRule, 1);
    EXPECT_TRUE(l.team.femaleTeam);
    EXPECT_EQ(findPlayer(l.team, 1, 51, "After, End"), 0);
}

TEST(TeamFile, SeparatorAfterNineLinesIsIgnored) {
    std::vector<std::string> lines{headerLine()};
    for (int i = 0; i < 9; ++i)
        lines.push_back(batterLine({.pos = i + 1, .name = "B" + std::to_string(i)}));
    lines.insert(lines.end(),
                 {"*", pitcherLine({.name = "Read,AsPitcher"}), pitcherLine({.name = "Second,Arm"}),
                  "*", batterLine({.pos = 1, .name = "Bench,Guy"})});
    const Loaded l = loadLines(lines);
    ASSERT_FALSE(l.result.abort);
    EXPECT_EQ(l.team.lastPitcherEntry, 11);
    EXPECT_EQ(l.team.player(10).lineupPosition, kPitcher);
    EXPECT_EQ(l.team.player(12).lineupPosition, kRightField);
}

TEST(TeamFile, RosterEndsAt51Lines) {
    std::vector<std::string> lines = standardTeam(10);
    while (lines.size() < 90)
        lines.push_back(batterLine({.name = "Extra" + std::to_string(lines.size())}));
    lines.push_back("* COL=RED");
    const Loaded l = loadLines(lines);
    ASSERT_FALSE(l.result.abort);
    EXPECT_EQ(l.team.playerCount, kMaxRosterEntries);
    EXPECT_EQ(l.team.player(51).playerName, "Extra52");
    EXPECT_EQ(l.team.teamColor, 15 + 16 * 4);  // keyword lines still count
    ASSERT_EQ(l.result.warnings.size(), 1u);
    EXPECT_TRUE(anyWarningHas(l.result, "More than 51 player lines: 37 lines"));
}

TEST(TeamFile, DerivedStaffValues) {
    auto lines = standardTeam(2);
    lines[10] = pitcherLine({.name = "Starter,Sal", .hr = 0, .s = 0, .g = 30, .gs = 30});
    lines[11] = pitcherLine({.name = "Able,Al", .hr = 0, .s = 0, .g = 60, .gs = 0});
    Loaded l = loadLines(lines);
    EXPECT_FALSE(l.team.hrAllowedData);
    EXPECT_FALSE(l.team.savesData);
    EXPECT_TRUE(l.team.pitcherGamesData);
    EXPECT_DOUBLE_EQ(l.team.appearancesPerStart, 3.0);
    EXPECT_TRUE(l.team.twoWayPlayer);  // Able, Al leads off and pitches

    lines[10] = pitcherLine({.name = "Starter,Sal", .gs = 0});
    lines[11] = pitcherLine({.name = "Other,Ollie", .gs = 0});
    l = loadLines(lines);
    EXPECT_FALSE(l.team.pitcherGamesData);
    EXPECT_DOUBLE_EQ(l.team.appearancesPerStart, 2.5);
    EXPECT_FALSE(l.team.twoWayPlayer);

    lines[11] = pitcherLine({.name = "Sub,Sam"});  // also on the bench
    EXPECT_TRUE(loadLines(lines).team.twoWayPlayer);
}

TEST(TeamFile, LineupWithoutPitcherOrDhWarnsButLoads) {
    auto lines = standardTeam();
    lines[9] = batterLine({.pos = 4, .name = "Ives,Ira"});
    const Loaded l = loadLines(lines);
    EXPECT_FALSE(l.result.abort);
    ASSERT_EQ(l.result.warnings.size(), 1u);
    EXPECT_EQ(l.result.warnings[0],
              "Team Data-File: TEST.DAT|No pitcher or DH in Lineup|"
              "This is a problem. Please correct the .DAT file.|"
              "(Make sure a '1' is in column 8 in the pitcher's batting|"
              "slot if a DH is not used in your default line-up.)");
}

TEST(TeamFile, FileLookupMissingFileAndReload) {
    TempDir dir;
    dir.write("cubs.dat", joinLines(standardTeam()));
    dir.write("CUBS.TXT", joinLines(standardTeam(4)));
    Config config;
    config.dataPath = dir.str() + "/";

    TeamSlots teams;
    TeamLoadResult r = loadTeamPair(teams, "CUBS", "Cubs.txt", config);
    ASSERT_FALSE(r.abort);
    EXPECT_EQ(teams[1].teamFileName, "CUBS.DAT");
    EXPECT_EQ(teams[1].lastPitcherEntry, 14);
    EXPECT_EQ(teams[2].teamFileName, "Cubs.txt");
    EXPECT_EQ(teams[2].lastPitcherEntry, 13);

    // A missing visitors file stops the pair before the home team.
    teams[kHome].teamName = "stale";
    r = loadTeamPair(teams, "NOSUCH", "CUBS", config);
    EXPECT_TRUE(r.abort);
    ASSERT_EQ(r.warnings.size(), 1u);
    EXPECT_EQ(r.warnings[0],
              "Team Data-File: " + dir.str() + "/NOSUCH.DAT not found!|Hit any key to Abort.");
    EXPECT_EQ(teams[kHome].teamName, "");
    EXPECT_EQ(teams[kHome].playerCount, 0);

    // Without DATA-PATH= team files are looked for in the home directory.
    Config home;
    home.homeDir = dir.str();
    teams[kVisitors].teamFileName = "cubs";
    r = loadTeam(teams, kVisitors, home);
    EXPECT_FALSE(r.abort);
    EXPECT_EQ(teams[kVisitors].playerCount, 16);

    // Reloading a slot forgets the old team.
    dir.write("BIG.DAT", joinLines(standardTeam(10)) + "* COL=RED, PE=120\n");
    dir.write("SMALL.DAT", joinLines(standardTeam(1)));
    Team team;
    for (const char* name : {"BIG", "SMALL"}) {
        team.teamFileName = name;
        ASSERT_FALSE(loadTeam(team, 1, nullptr, config).abort);
    }
    EXPECT_EQ(team.playerCount, 12);
    EXPECT_EQ(team.player(13).playerName, "");
    EXPECT_EQ(team.teamColor, 0);
    EXPECT_DOUBLE_EQ(team.parkFactorA, 1.0);
}

}  // namespace
}  // namespace vrk
