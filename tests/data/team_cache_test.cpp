#include <gtest/gtest.h>

#include <sstream>

#include "data/show_team.h"
#include "data/team_cache.h"
#include "team_test_support.h"

namespace vrk {
namespace {

using testing::TempDir;

std::string Shown(const Team& team) {
    std::ostringstream out;
    printTeam(team, out);
    out << "colour " << team.teamColor << " photo " << team.photoFile;
    return out.str();
}

Config FolderConfig(const TempDir& dir) {
    Config config;
    config.dataPath = dir.str() + "/";
    config.homeDir = dir.str();
    return config;
}

std::string TeamWithColour(const std::string& colour, const std::string& name = "Doe,John") {
    auto lines = testing::standardTeam();
    testing::Batter b;
    b.name = name;
    lines[1] = testing::batterLine(b);
    lines.push_back("*COL=" + colour);
    return testing::joinLines(lines);
}

// A copy from the cache is what a fresh load of the pair gives, including
// the clash colour a visiting team takes when the home team wears its colour.
TEST(TeamFileCache, CopiesAreFreshLoads) {
    TempDir dir;
    dir.write("REDS.DAT", TeamWithColour("RED"));
    dir.write("ALSORED.DAT", TeamWithColour("RED"));
    dir.write("BLUES.DAT", TeamWithColour("BLUE"));
    // A tab makes the file's figures doubtful: a problem, whichever slot.
    std::string tabbed = TeamWithColour("GREEN");
    tabbed.insert(tabbed.find('\n') + 1, "\t");
    dir.write("TABBED.DAT", tabbed);
    const Config config = FolderConfig(dir);
    const std::vector<std::pair<std::string, std::string>> pairs = {
        {"REDS", "ALSORED"}, {"REDS", "BLUES"},  {"BLUES", "REDS"},  {"ALSORED", "REDS"},
        {"REDS", "ALSORED"}, {"TABBED", "REDS"}, {"BLUES", "TABBED"}};
    TeamFileCache cache;
    for (const auto& [visitors, home] : pairs) {
        TeamSlots fresh;
        TeamSlots copied;
        const TeamLoadResult a = loadTeamPair(fresh, visitors, home, config);
        const TeamLoadResult b = cache.loadPair(copied, visitors, home, config);
        ASSERT_FALSE(a.abort);
        ASSERT_FALSE(b.abort);
        EXPECT_EQ(a.warnings, b.warnings);
        EXPECT_EQ(a.problem, b.problem) << visitors << " at " << home;
        for (int t = kVisitors; t <= kHome; ++t) {
            EXPECT_EQ(Shown(fresh[static_cast<std::size_t>(t)]),
                      Shown(copied[static_cast<std::size_t>(t)]))
                << visitors << " at " << home << ", slot " << t;
        }
    }
    EXPECT_EQ(cache.reads(), 8) << "each file read once for each slot it took";
}

TEST(TeamFileCache, ReadsAFileAgainWhenItChanges) {
    TempDir dir;
    dir.write("REDS.DAT", TeamWithColour("RED", "First,Name"));
    dir.write("BLUES.DAT", TeamWithColour("BLUE"));
    const Config config = FolderConfig(dir);
    TeamFileCache cache;
    TeamSlots teams;
    ASSERT_FALSE(cache.loadPair(teams, "REDS", "BLUES", config).abort);
    EXPECT_EQ(teams[kVisitors].player(1).playerName, "First, Name");
    // Edited on disk: a different size is seen whatever the clock says.
    dir.write("REDS.DAT", TeamWithColour("RED", "Second,Longername"));
    ASSERT_FALSE(cache.loadPair(teams, "REDS", "BLUES", config).abort);
    EXPECT_EQ(teams[kVisitors].player(1).playerName, "Second, Longername");
    EXPECT_EQ(cache.reads(), 3);
    // Removed: the load fails as a fresh one does, and nothing stale is used.
    std::filesystem::remove(dir.file("REDS.DAT"));
    const TeamLoadResult gone = cache.loadPair(teams, "REDS", "BLUES", config);
    EXPECT_TRUE(gone.abort);
    EXPECT_TRUE(testing::anyWarningHas(gone, "not found"));
}

}  // namespace
}  // namespace vrk
