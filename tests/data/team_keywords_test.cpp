#include <gtest/gtest.h>

#include "core/numbering.h"
#include "data/team_file_keywords.h"
#include "team_test_support.h"

namespace vrk {
namespace {

using namespace vrk::testing;

TEST(TeamKeywords, ItemsSplitAtCommasOutsideQuotes) {
    const auto items = splitKeywordItems(R"( WL="10-5, 1st" ,PE=110/95,, LOGO=a.bmp   )");
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0], R"(WL="10-5, 1st")");
    EXPECT_EQ(items[1], "PE=110/95");
    EXPECT_EQ(items[2], "");
    EXPECT_EQ(items[3], "LOGO=a.bmp");
    // An unclosed quote keeps the rest of the line together.
    EXPECT_EQ(splitKeywordItems(R"(WL="a,b, DH=Y)").size(), 1u);
}

TEST(TeamKeywords, ParkEffectsAreDampedAndLimited) {
    auto lines = standardTeam();
    lines.push_back("* PE=110/95");
    Loaded l = loadLines(lines);
    EXPECT_NEAR(l.team.parkFactorA, 1.08, 1e-9);
    EXPECT_NEAR(l.team.parkFactorB, 0.96, 1e-9);

    lines.back() = "* pe=1000";
    l = loadLines(lines);
    EXPECT_DOUBLE_EQ(l.team.parkFactorA, 5.0);
    EXPECT_DOUBLE_EQ(l.team.parkFactorB, 5.0);

    lines.back() = "* PE=10";
    l = loadLines(lines);
    EXPECT_NEAR(l.team.parkFactorA, 0.28, 1e-9);
    EXPECT_NEAR(l.team.parkFactorB, 0.28, 1e-9);

    lines.back() = "* PE=" + std::string(400, '9') + "/-" + std::string(400, '9');
    l = loadLines(lines);
    EXPECT_DOUBLE_EQ(l.team.parkFactorA, 5.0);
    EXPECT_DOUBLE_EQ(l.team.parkFactorB, 0.2);

    // Without PE= the park is neutral.
    lines.back() = "* DH=Y";
    l = loadLines(lines);
    EXPECT_DOUBLE_EQ(l.team.parkFactorA, 1.0);
    EXPECT_DOUBLE_EQ(l.team.parkFactorB, 1.0);
}

TEST(TeamKeywords, ColoursAndTheClashRule) {
    EXPECT_EQ(teamColorFromName("blue"), 15 + 16 * 1);
    EXPECT_EQ(teamColorFromName("BRIGHT CYAN"), 0 + 16 * 11);
    EXPECT_EQ(teamColorFromName("WHITE"), 0 + 16 * 15);
    EXPECT_EQ(teamColorFromName("DONTUSE"), 0 + 16 * 7);
    EXPECT_EQ(teamColorFromName("BRIGHT RED"), 15 + 16 * 12);
    EXPECT_FALSE(teamColorFromName("PUCE").has_value());

    TempDir dir;
    auto visitors = standardTeam();
    visitors.push_back("* COL=YELLOW");
    auto home = standardTeam();
    home.push_back("* COL=PUCE, GEN=F");
    home.push_back("* COL=Yellow");
    dir.write("V.DAT", joinLines(visitors));
    dir.write("H.DAT", joinLines(home));
    Config config;
    config.dataPath = dir.str();
    TeamSlots teams;
    ASSERT_FALSE(loadTeamPair(teams, "V", "H", config).abort);
    EXPECT_EQ(teams[kHome].teamColor, 0 + 16 * 14);
    EXPECT_EQ(teams[kVisitors].teamColor, kClashColor);
    EXPECT_TRUE(teams[kHome].femaleTeam);
    EXPECT_FALSE(teams[kVisitors].femaleTeam);

    // Whichever way round, the home team keeps its colour.
    ASSERT_FALSE(loadTeamPair(teams, "H", "V", config).abort);
    EXPECT_EQ(teams[kVisitors].teamColor, kClashColor);
    EXPECT_EQ(teams[kHome].teamColor, 0 + 16 * 14);
}

TEST(TeamKeywords, LogoAndPhotoNeedAnExistingFile) {
    TempDir dir;
    TempDir logos;
    dir.write("Home.bmp", "x");
    dir.write("park.jpg", "x");
    logos.write("HOME.BMP", "y");
    auto lines = standardTeam();
    lines.push_back("* LOGO=" + dir.str() + "/Home.bmp, PH=park.jpg");
    lines.push_back("* LOGO=/no/such/file.bmp, PH=nosuch.jpg");
    dir.write("T.DAT", joinLines(lines));

    Config config;
    config.homeDir = dir.str();
    TeamSlots teams;
    ASSERT_FALSE(loadTeamPair(teams, "T", "T", config).abort);
    EXPECT_EQ(teams[kHome].logoFile, dir.str() + "/Home.bmp");
    EXPECT_EQ(teams[kHome].photoFile, dir.str() + "/park.jpg");
    EXPECT_EQ(teams[kVisitors].logoFile, dir.str() + "/Home.bmp");
    EXPECT_EQ(teams[kVisitors].photoFile, "");  // the photograph is the home team's

    config.overrideLogoDir = logos.str();
    ASSERT_FALSE(loadTeamPair(teams, "T", "T", config).abort);
    EXPECT_EQ(teams[kHome].logoFile, logos.str() + "/HOME.BMP");
}

TEST(TeamKeywords, KeywordsOnlyAfterTheSeparator) {
    auto lines = standardTeam();
    lines.insert(lines.begin() + 12, "* DH=Y, WL=early");  // among the pitchers
    lines.push_back(R"(* wl="7-3, first", dh=n, XYZ=1, COL=)");
    const Loaded l = loadLines(lines);
    // The "*" among the pitchers is the separator, so DH=Y is never read.
    EXPECT_EQ(l.team.lastPitcherEntry, 11);
    EXPECT_EQ(l.team.dhRule, 1);
    EXPECT_EQ(l.team.wonLostText, "7-3, FIRST");
    EXPECT_EQ(l.team.teamColor, 0);
}

}  // namespace
}  // namespace vrk
