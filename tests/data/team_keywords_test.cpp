#include <gtest/gtest.h>

#include "core/numbering.h"
#include "data/team_file_keywords.h"
#include "team_test_support.h"

namespace vrk {
namespace {

using namespace vrk::testing;

TEST(TeamKeywords, ItemsSplitAtCommasOutsideQuotes) {
    const auto items = splitKeywordItems(R"( WL="10-5, 1st" ,PE=110/95,, LOGO=a.bmp   )");
    EXPECT_EQ(items,
              (std::vector<std::string>{R"(WL="10-5, 1st")", "PE=110/95", "", "LOGO=a.bmp"}));
    // An unclosed quote keeps the rest of the line together.
    EXPECT_EQ(splitKeywordItems(R"(WL="a,b, DH=Y)").size(), 1u);
}

TEST(TeamKeywords, ParkEffectsAreDampedAndLimited) {
    const struct {
        std::string line;
        double a, b;
    } cases[] = {
        {"* PE=110/95", 1.08, 0.96},
        {"* pe=1000", 5.0, 5.0},
        {"* PE=10", 0.28, 0.28},
        {"* PE=" + std::string(400, '9') + "/-" + std::string(400, '9'), 5.0, 0.2},
        {"* DH=Y", 1.0, 1.0},  // without PE= the park is neutral
    };
    for (const auto& c : cases) {
        const Loaded l = loadWithKeywords({c.line});
        EXPECT_NEAR(l.team.parkFactorA, c.a, 1e-9) << c.line.substr(0, 12);
        EXPECT_NEAR(l.team.parkFactorB, c.b, 1e-9) << c.line.substr(0, 12);
    }
}

TEST(TeamKeywords, ColoursAndTheClashRule) {
    EXPECT_EQ(teamColorFromName("blue"), 15 + 16 * 1);
    EXPECT_EQ(teamColorFromName("BRIGHT CYAN"), 0 + 16 * 11);
    EXPECT_EQ(teamColorFromName("DONTUSE"), 0 + 16 * 7);
    EXPECT_FALSE(teamColorFromName("PUCE").has_value());

    TempDir dir;
    dir.write("V.DAT", joinLines(standardTeam()) + "* COL=YELLOW\n");
    dir.write("H.DAT", joinLines(standardTeam()) + "* COL=PUCE, GEN=F\n* COL=Yellow\n");
    Config config;
    config.dataPath = dir.str();
    TeamSlots teams;
    ASSERT_FALSE(loadTeamPair(teams, "V", "H", config).abort);
    EXPECT_EQ(teams[kVisitors].teamColor, kClashColor);
    EXPECT_TRUE(teams[kHome].femaleTeam);
    EXPECT_FALSE(teams[kVisitors].femaleTeam);
    // Whichever way round, the home team keeps its colour.
    ASSERT_FALSE(loadTeamPair(teams, "H", "V", config).abort);
    EXPECT_EQ(teams[kVisitors].teamColor, kClashColor);
    EXPECT_EQ(teams[kHome].teamColor, 0 + 16 * 14);
}

TEST(TeamKeywords, LogoAndPhotoNeedAnExistingFile) {
    TempDir dir, logos;
    dir.write("Home.bmp", "x");
    dir.write("park.jpg", "x");
    logos.write("HOME.BMP", "y");
    dir.write("T.DAT", joinLines(standardTeam()) + "* LOGO=" + dir.str() +
                           "/Home.bmp, PH=park.jpg\n* LOGO=/no/such/file.bmp, PH=nosuch.jpg\n");
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
