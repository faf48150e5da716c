#include <gtest/gtest.h>

#include <sstream>

#include "shell/batch_test_home.h"

namespace vrk {
namespace {

using testing::BatchHome;

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

int gameLines(const std::string& out) {
    int n = 0;
    for (const std::string& line : lines(out)) {
        if (line.find("  W: ") != std::string::npos) ++n;
    }
    return n;
}

TEST(BatchRun, RefusesWhatItCannotDo) {
    BatchHome home("errors");

    auto missingTeam = home.batch("/V:NOSUCH /H:FELVORA /N:2");
    EXPECT_NE(missingTeam.status, 0);
    EXPECT_NE(missingTeam.err.find("NOSUCH"), std::string::npos) << missingTeam.err;
    EXPECT_NE(missingTeam.err.find("NOSUCH.DAT not found!"), std::string::npos) << missingTeam.err;
    EXPECT_EQ(missingTeam.out, "") << "nothing is played when a team is missing";

    auto missingSeries = home.batch("/SER:NOSUCH");
    EXPECT_NE(missingSeries.status, 0);
    EXPECT_NE(missingSeries.err.find("The series file was not found."), std::string::npos);

    auto badFolder = home.batch("/P:NOWHERE /V:CAMHAVEN /H:FELVORA");
    EXPECT_NE(badFolder.status, 0);
    EXPECT_NE(badFolder.err.find("data folder"), std::string::npos) << badFolder.err;
    auto badWriteFolder = home.batch("/PW:NOWHERE /V:CAMHAVEN /H:FELVORA");
    EXPECT_NE(badWriteFolder.status, 0);
    EXPECT_NE(badWriteFolder.err.find("write folder"), std::string::npos) << badWriteFolder.err;

    auto noTeams = home.batch("/N:3");
    EXPECT_NE(noTeams.status, 0);
    EXPECT_NE(noTeams.err.find("/V:"), std::string::npos);

    // A side the user would manage cannot be played without a screen.
    auto managed = home.batch("/V:CAMHAVEN /H:FELVORA /VM:+");
    EXPECT_NE(managed.status, 0);
    EXPECT_NE(managed.err.find("The next game is 'Manually-Managed'."), std::string::npos);
    EXPECT_EQ(managed.out, "");

    for (const char* option : {"/SCH:NOSUCH", "/VAM:N"}) {
        auto refused = home.batch(std::string("/V:CAMHAVEN /H:FELVORA ") + option);
        EXPECT_NE(refused.status, 0) << option;
        EXPECT_FALSE(refused.err.empty()) << option;
        EXPECT_EQ(refused.out, "") << option;
    }

    // The managers' options are carried out.
    auto managed2 = home.batch("/V:CAMHAVEN /H:FELVORA /N:3 /SP:R4 /AUL /ABO:Y /SPT /VAM:Y");
    EXPECT_EQ(managed2.status, 0) << managed2.err;
    EXPECT_EQ(gameLines(managed2.out), 3);

    // Unknown options are ignored and options of the screen are moot.
    auto unknown = home.batch("/V:CAMHAVEN /H:FELVORA /N:2 /FROB:7 /DEL:5 /S:Y /SEED:3");
    EXPECT_EQ(unknown.status, 0) << unknown.err;
    EXPECT_EQ(gameLines(unknown.out), 2);
}

TEST(BatchRun, SeededRunsRepeatExactly) {
    BatchHome home("seed");
    auto first = home.batch("/V:CAMHAVEN /H:FELVORA /N:12 /SEED:11");
    auto again = home.batch("/v:camhaven.dat /h:felvora /n:12 /seed:11");
    auto other = home.batch("/V:CAMHAVEN /H:FELVORA /N:12 /SEED:12");
    ASSERT_EQ(first.status, 0) << first.err;
    // A designated-hitter line-up visiting a park without one plays cleanly.
    EXPECT_EQ(first.err, "");
    EXPECT_EQ(first.out, again.out);
    EXPECT_NE(first.out, other.out);
    EXPECT_EQ(gameLines(first.out), 12);

    // Line n carries game number n, both teams and both pitchers of record;
    // the summary adds up the games.
    const auto out = lines(first.out);
    ASSERT_GE(out.size(), 12u);
    EXPECT_EQ(out[0].substr(0, 5), "    1");
    EXPECT_EQ(out[11].substr(0, 5), "   12");
    EXPECT_NE(out[0].find("Camhaven"), std::string::npos);
    EXPECT_NE(out[0].find("Felvora"), std::string::npos);
    EXPECT_NE(out[0].find("L: "), std::string::npos);
    EXPECT_NE(first.out.find("Games: 12  Seed: 11"), std::string::npos);
    EXPECT_NE(first.out.find("Runs per game:"), std::string::npos);

    int wins = 0;
    for (const std::string& line : out) {
        if (line.rfind("26 Camhaven", 0) == 0 || line.rfind("26 Felvora", 0) == 0) {
            std::istringstream row(line.substr(12));
            int w = 0, l = 0;
            row >> w >> l;
            EXPECT_EQ(w + l, 12) << line;
            wins += w;
        }
    }
    EXPECT_EQ(wins, 12);
}

TEST(BatchRun, SeriesPlaysEveryEntryWithPersistingSettings) {
    BatchHome home("series");
    home.write("WEEK.SER",
               "/V:CAMHAVEN /H:FELVORA /N:2\r\n"
               "   \n"
               "/v:felvora/h:camhaven\n"
               "/N:3\n");  // the teams of the line before carry over
    auto run = home.batch("/SER:week.ser /SEED:5");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(gameLines(run.out), 6);
    EXPECT_NE(run.out.find("Games: 6"), std::string::npos);
    const auto out = lines(run.out);
    EXPECT_EQ(out[1].find("Camhaven"), 10u) << out[1];  // visitors in the first two
    EXPECT_EQ(out[2].find("Felvora"), 10u) << out[2];   // and from the third on
    EXPECT_EQ(out[5].find("Felvora"), 10u) << out[5];

    // A later line that cannot be honoured stops the run before any game.
    home.write("BAD.SER", "/V:CAMHAVEN /H:FELVORA\n/V:FELVORA /H:CAMHAVEN /HM:+\n");
    auto bad = home.batch("/SER:BAD");
    EXPECT_NE(bad.status, 0);
    EXPECT_EQ(bad.out, "");
    EXPECT_NE(bad.err.find("Manually-Managed"), std::string::npos);

    home.write("SCHED.SER", "/V:CAMHAVEN /H:FELVORA\n/SCH:SEASON\n");
    auto sched = home.batch("/SER:SCHED");
    EXPECT_NE(sched.status, 0);
    EXPECT_EQ(sched.out, "");
    EXPECT_NE(sched.err.find("/SCH:"), std::string::npos) << sched.err;

    home.write("GONE.SER", "/V:CAMHAVEN /H:FELVORA\n/V:NOSUCH /H:CAMHAVEN\n");
    auto gone = home.batch("/SER:GONE");
    EXPECT_NE(gone.status, 0);
    EXPECT_EQ(gone.out, "");
}

}  // namespace
}  // namespace vrk
