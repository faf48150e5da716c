#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "data/stats_set.h"
#include "shell/batch_test_home.h"

namespace vrk {
namespace {

using testing::BatchHome;

int gameLines(const std::string& out) {
    int n = 0;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) n += line.find("  W: ") != std::string::npos;
    return n;
}

StatsSet reopen(const BatchHome& home, const std::string& name) {
    StatsSet set;
    const OpenStatsResult opened = OpenStatsSet(set, home.dir.string(), name);
    EXPECT_TRUE(opened.ok) << opened.message;
    return set;
}

int pitcherWins(const StatsSet& set) {
    int wins = 0;
    for (int n = 1; n < set.pitching.count(); ++n) wins += set.pitching.at(n).wins;
    return wins;
}

TEST(BatchStats, EveryGameIsRecordedAndRunsAddUp) {
    BatchHome home("stats");
    auto first = home.batch("/V:CAMHAVEN /H:FELVORA /N:3 /ST:SEASON.STS /SEED:2");
    ASSERT_EQ(first.status, 0) << first.err;
    StatsSet set = reopen(home, "SEASON");
    EXPECT_EQ(set.gamesInFile, 3);
    EXPECT_EQ(set.savedGameCounter, 3);
    EXPECT_EQ(pitcherWins(set), 3);

    // A second run adds to the same set, saving after every game with /PG.
    auto second = home.batch("/V:FELVORA /H:CAMHAVEN /N:2 /ST:SEASON /PG:Y /SEED:3");
    ASSERT_EQ(second.status, 0) << second.err;
    set = reopen(home, "SEASON");
    EXPECT_EQ(set.gamesInFile, 5);
    EXPECT_EQ(set.savedGameCounter, 5);
    EXPECT_EQ(pitcherWins(set), 5);
}

TEST(BatchStats, AStoppedRunKeepsItsCompletedGames) {
    BatchHome home("stop");
    auto run = home.batch("/V:CAMHAVEN /H:FELVORA /N:5 /ST:PART /SEED:4", 2);
    EXPECT_EQ(run.status, 130);
    EXPECT_EQ(gameLines(run.out), 2);
    EXPECT_NE(run.err.find("stopped after 2 games"), std::string::npos) << run.err;
    StatsSet set = reopen(home, "PART");
    EXPECT_EQ(set.gamesInFile, 2);
    EXPECT_EQ(set.savedGameCounter, 2);
    EXPECT_EQ(pitcherWins(set), 2);
}

TEST(BatchStats, ADamagedSetIsRefusedBeforeAnyGame) {
    BatchHome home("damaged");
    home.write("OLD.STB", "not a batting table");
    auto run = home.batch("/V:CAMHAVEN /H:FELVORA /N:2 /ST:OLD");
    EXPECT_NE(run.status, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("damaged"), std::string::npos) << run.err;
    std::ifstream kept(home.dir / "OLD.STB");
    std::string text((std::istreambuf_iterator<char>(kept)), {});
    EXPECT_EQ(text, "not a batting table") << "a refused set is left as it was";
}

TEST(BatchStats, ASetThatCannotBeSavedIsToldOnce) {
    // /proc takes no new files, even from root, who passes every access check.
    BatchHome home("unsaved");
    auto run = home.batch("/V:CAMHAVEN /H:FELVORA /N:2 /ST:NOWHERE /PW:\\proc\\ /SEED:2");
    EXPECT_EQ(run.status, 1);
    std::istringstream lines(run.err);
    std::set<std::string> told;
    for (std::string line; std::getline(lines, line);)
        EXPECT_TRUE(told.insert(line).second) << "told twice: " << line;
    EXPECT_FALSE(told.empty());
}

}  // namespace
}  // namespace vrk
