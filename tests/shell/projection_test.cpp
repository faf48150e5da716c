#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "shell/batch_test_home.h"
#include "shell/projection.h"

namespace vrk {
namespace {

using testing::BatchHome;

int FilesIn(const std::filesystem::path& dir) {
    int n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir)) ++n;
    return n;
}

// The same seed gives the same projection on one thread or two, and the
// seasons are really different seasons.
TEST(Projection, SameResultForAnyNumberOfThreads) {
    BatchHome home("projection");
    home.write("SHORT.SER", "/V:CAMHAVEN /H:FELVORA /N:5\n/V:FELVORA /H:CAMHAVEN /N:5\n");
    const int files = FilesIn(home.dir);
    const auto one = home.batch("/SER:SHORT /REPEAT:9 /JOBS:1 /SEED:42");
    const auto two = home.batch("/SER:SHORT /REPEAT:9 /JOBS:2 /SEED:42");
    ASSERT_EQ(one.status, 0) << one.err;
    ASSERT_EQ(two.status, 0) << two.err;
    EXPECT_EQ(one.out, two.out);
    EXPECT_NE(one.out.find("Projection: 9 seasons of 10 games"), std::string::npos) << one.out;
    EXPECT_EQ(FilesIn(home.dir), files) << "a projection records nothing";

    const auto other = home.batch("/SER:SHORT /REPEAT:9 /JOBS:2 /SEED:43");
    EXPECT_NE(one.out, other.out) << "another seed, other seasons";
}

TEST(Projection, RefusesRecordingAndBadCounts) {
    BatchHome home("projection_refusals");
    const struct {
        const char* options;
        const char* told;
    } cases[] = {
        {"/V:CAMHAVEN /H:FELVORA /N:2 /REPEAT:3 /ST:SEASON", "leave out /ST:"},
        {"/V:CAMHAVEN /H:FELVORA /N:2 /REPEAT:0", "/REPEAT:"},
        {"/V:CAMHAVEN /H:FELVORA /N:2 /REPEAT:lots", "/REPEAT:"},
        {"/V:CAMHAVEN /H:FELVORA /N:2 /REPEAT:3 /JOBS:0", "/JOBS:"},
        {"/SCH:SEASON /REPEAT:3 /ST:SEASON", "leave out /ST:"},
    };
    for (const auto& c : cases) {
        const auto run = home.batch(c.options);
        EXPECT_EQ(run.status, 2) << c.options;
        EXPECT_NE(run.err.find(c.told), std::string::npos) << c.options << ": " << run.err;
        EXPECT_EQ(run.out, "") << c.options;
    }
}

TEST(Projection, WinsAddUpAndTiesShareFirstPlace) {
    BatchHome home("projection_totals");
    const auto run = home.batch("/V:CAMHAVEN /H:FELVORA /N:7 /REPEAT:5 /JOBS:2 /SEED:9");
    ASSERT_EQ(run.status, 0) << run.err;
    // Two teams of different leagues: each is alone in its division, first
    // in every season; their mean wins add up to the games of a season.
    std::istringstream in(run.out);
    double meanTotal = 0;
    int teams = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("26 ", 0) != 0) continue;
        std::istringstream words(line.substr(12));
        char league = 0;
        char division = 0;
        double mean = 0;
        int p10 = 0;
        int p90 = 0;
        std::string first;
        words >> league >> division >> mean >> p10 >> p90 >> first;
        meanTotal += mean;
        EXPECT_LE(p10, p90);
        EXPECT_EQ(first, "100.0%") << line;
        ++teams;
    }
    EXPECT_EQ(teams, 2);
    EXPECT_NEAR(meanTotal, 7.0, 0.11);
}

// The sample league with its shipped season, rest days and batters' playing
// time counted: the season so far decides who can play.
void AddSampleLeague(const BatchHome& home) {
    namespace fs = std::filesystem;
    std::ofstream(home.dir / "BASEBALL.CFG", std::ios::app)
        << "DAYS-OFF-RULE=Y\nBATTER-OVERUSE=Y\n";
    for (const auto& e : fs::directory_iterator(vrk::test::sourceHome())) {
        const std::string ext = e.path().extension().string();
        const fs::path to = home.dir / e.path().filename();
        if ((ext == ".DAT" || ext == ".SCH") && !fs::exists(to)) fs::copy_file(e.path(), to);
    }
}

struct TeamLine {
    std::string division;  // league and division letters
    double wins = 0;
    double firstShare = 0;
};

// Team name -> wins (mean wins for a projection) from a projection's table
// or a replay's standings.
std::map<std::string, TeamLine> ProjectedTeams(const std::string& out) {
    std::map<std::string, TeamLine> teams;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("26 ", 0) != 0) continue;
        std::istringstream words(line.substr(12));
        TeamLine t;
        char league = 0;
        char division = 0;
        int p10 = 0;
        int p90 = 0;
        words >> league >> division >> t.wins >> p10 >> p90 >> t.firstShare;
        t.division = {league, division};
        teams[line.substr(0, 12)] = t;
    }
    return teams;
}

std::map<std::string, double> StandingsWins(const std::string& out) {
    std::map<std::string, double> wins;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("  26 ", 0) != 0) continue;
        wins[line.substr(2, 12)] = std::stod(line.substr(14));
    }
    return wins;
}

// A projected season of a schedule is the season a recorded replay with the
// same seed plays: same rest days, rotation and options, game for game.
TEST(Projection, ScheduleSeasonIsTheRecordedReplay) {
    BatchHome home("projection_replay");
    AddSampleLeague(home);
    const auto replay = home.batch("/SCH:SEASON /ST:REPLAY /PD:N /SEED:42");
    ASSERT_EQ(replay.status, 0) << replay.err;
    const auto projected = home.batch("/SCH:SEASON /REPEAT:1 /SEED:42");
    ASSERT_EQ(projected.status, 0) << projected.err;
    EXPECT_NE(projected.out.find("Projection: 1 season of 1296 games"), std::string::npos)
        << projected.out;

    const std::map<std::string, double> recorded = StandingsWins(replay.out);
    std::map<std::string, double> wins;
    for (const auto& [name, line] : ProjectedTeams(projected.out)) wins[name] = line.wins;
    ASSERT_EQ(recorded.size(), 16u) << replay.out;
    EXPECT_EQ(wins, recorded);
}

TEST(Projection, ScheduleSameForAnyNumberOfThreads) {
    BatchHome home("projection_schedule");
    AddSampleLeague(home);
    const auto one = home.batch("/SCH:SEASON /REPEAT:3 /JOBS:1 /SEED:7");
    const auto two = home.batch("/SCH:SEASON /REPEAT:3 /JOBS:2 /SEED:7");
    ASSERT_EQ(one.status, 0) << one.err;
    ASSERT_EQ(two.status, 0) << two.err;
    EXPECT_EQ(one.out, two.out);

    // Every game has one winner; each division's first place is shared out
    // in full every season, ties included.
    double total = 0;
    std::map<std::string, double> firstShares;
    for (const auto& [name, line] : ProjectedTeams(one.out)) {
        total += line.wins;
        firstShares[line.division] += line.firstShare;
    }
    EXPECT_NEAR(total, 1296, 16 * 0.051);
    ASSERT_EQ(firstShares.size(), 4u) << one.out;
    for (const auto& [division, share] : firstShares) EXPECT_NEAR(share, 100.0, 0.21) << division;
}

TEST(Projection, NearestRankPercentiles) {
    const std::vector<int> ten = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    const struct {
        std::vector<int> values;
        int percent;
        int expected;
    } cases[] = {
        {ten, 10, 1}, {ten, 90, 9}, {ten, 100, 10}, {ten, 11, 2},
        {{7}, 10, 7}, {{7}, 90, 7}, {{}, 50, 0},    {{3, 8}, 50, 3},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(nearestRank(c.values, c.percent), c.expected) << c.percent;
    }
    EXPECT_NE(seasonSeed(1, 0), seasonSeed(1, 1));
    EXPECT_NE(seasonSeed(1, 0), seasonSeed(2, 0));
}

}  // namespace
}  // namespace vrk
