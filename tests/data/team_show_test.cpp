#include <gtest/gtest.h>

#include <sstream>

#include "data/show_team.h"
#include "team_test_support.h"

namespace vrk {
namespace {

using namespace vrk::testing;

TEST(TeamShow, PrintsTheRosterAsLoaded) {
    Config config;
    config.dataPath = std::string(VRK_TEST_DATA) + "/team";
    std::ostringstream out, err;
    ASSERT_EQ(showTeamCommand(config, "Tigers.dat", out, err), 0);
    const std::string text = out.str();
    EXPECT_EQ(err.str(), "");
    for (const char* expected :
         {"league A  division E  season 1998  team name \"98 Tigers\"",
          "stealColumns -1  defenseIsErrors no  lastPitcherEntry 15  playerCount 18",
          "dhRule -1  femaleTeam no  teamColor 31  parkFactorA 1.04  parkFactorB 0.98",
          "appearancesPerStart 2.80", "League context: built-in", "Line-up (entries 1-9)",
          "Pitchers (entries 10-15)", "Bench (entries 16-18)",
          " 5  Gibson, Kirk       DH   L  300  80  15   1  12  40    70  45   0   2   1  90",
          "DH 60 LF 20", "13  Jones, Todd         R   63  58   7  36  57  4.52", " E  10/2/0/1/5",
          "17  Catalanotto, Frank RF"}) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    }
    if (::testing::Test::HasFailure()) std::cerr << text;
}

TEST(TeamShow, MissingAndBrokenFiles) {
    TempDir dir;
    Config config;
    config.dataPath = dir.str() + "/";
    std::ostringstream out, err;
    EXPECT_EQ(showTeamCommand(config, "GHOSTS", out, err), 1);
    EXPECT_EQ(err.str(),
              "Team Data-File: " + dir.str() + "/GHOSTS.DAT not found!\nHit any key to Abort.\n");
    EXPECT_EQ(out.str(), "");

    auto lines = standardTeam();
    lines.erase(lines.begin());
    dir.write("NOHEAD.DAT", joinLines(lines));
    std::ostringstream out2, err2;
    EXPECT_EQ(showTeamCommand(config, "nohead", out2, err2), 0);
    EXPECT_NE(err2.str().find("No header line"), std::string::npos);
    EXPECT_NE(out2.str().find("League context: built-in"), std::string::npos);
}

}  // namespace
}  // namespace vrk
