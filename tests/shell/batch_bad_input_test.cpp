#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "batch_test_home.h"
#include "data/stats_set.h"
#include "test_paths.h"

namespace vrk {
namespace {

namespace fs = std::filesystem;

// The exit status and the words stderr must hold for each refused run.
TEST(BatchBadInput, RefusalsNameTheValueFileAndLine) {
    testing::BatchHome home("refusals");
    {
        std::ifstream in(home.dir / "CAMHAVEN.DAT");
        std::string text((std::istreambuf_iterator<char>(in)), {});
        const std::size_t line = text.find("\n", text.find("\n", text.find("*A")) + 1);
        text.replace(text.find("  ", line), 2, "\t");
        home.write("TABS.DAT", text);
    }
    home.write("BAD.SER", "/V:CAMHAVEN /H:FELVORA\n\n; a note /FROB:1\n/V:FELVORA /N:zero\n");
    home.write("ESC.SER", "/V:\\ESC\\T /H:FELVORA\n");
    const struct {
        const char* options;
        int status;
        std::string told;
    } cases[] = {
        {"/V:TABS /H:FELVORA", 1, "TABS.DAT|line 5, column"},
        {"/V:CAMHAVEN /H:FELVORA /N:abc", 2, "\"/N:abc\""},
        {"/V:CAMHAVEN /H:FELVORA /ST:..\\X", 2, "a name, not a path"},
        {"/SER:BAD", 2, "BAD.SER, line 4: Option \"/N:zero\""},
        {"/SER:ESC", 2, "ESC.SER, line 1:"},
        {"/CMD:MISSING.TXT", 1, "MISSING.TXT was not found"},
    };
    for (const auto& c : cases) {
        const testing::BatchHome::Run run = home.batch(c.options);
        EXPECT_EQ(run.status, c.status) << c.options << "\n" << run.err;
        std::string err = run.err;
        std::replace(err.begin(), err.end(), '\n', '|');
        EXPECT_NE(err.find(c.told), std::string::npos) << c.options << "\n" << run.err;
        EXPECT_TRUE(run.out.empty()) << c.options << ": no game was played";
    }
    EXPECT_FALSE(fs::exists(home.dir.parent_path() / "X.STS"));
}

// Recording with /ST:, then games written after the last save: the next run
// tells what was found and done.
TEST(BatchBadInput, NotesOfTheReopenedSetAreTold) {
    testing::BatchHome home("notes");
    ASSERT_EQ(home.batch("/V:CAMHAVEN /H:FELVORA /N:2 /SEED:3 /ST:SEASON").status, 0);
    std::vector<char> sts;
    {
        std::ifstream in(home.dir / "SEASON.STS", std::ios::binary);
        sts.assign(std::istreambuf_iterator<char>(in), {});
    }
    ASSERT_EQ(sts.size(), 2 * GameRecord::kSize);
    // Two more games in the games file than in the totals, and half a record.
    std::ofstream(home.dir / "SEASON.STS", std::ios::binary | std::ios::app)
        .write(sts.data(), static_cast<std::streamsize>(sts.size() + 0) - 50);
    const auto run = home.batch("/V:CAMHAVEN /H:FELVORA /N:1 /SEED:4 /ST:SEASON");
    EXPECT_EQ(run.status, 0) << run.err;
    // Opening the set mends it (the games after the last save go) and says so.
    EXPECT_NE(run.err.find("after the last save of SEASON"), std::string::npos) << run.err;
}

int runWithOutput(const std::vector<std::string>& args, int outFd, const fs::path& dir) {
    const pid_t pid = fork();
    if (pid == 0) {
        if (chdir(dir.c_str()) != 0) _exit(99);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDERR_FILENO);
        close(null);
        if (outFd >= 0) {
            dup2(outFd, STDOUT_FILENO);
        } else {
            close(STDOUT_FILENO);
        }
        std::vector<char*> argv;
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(98);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A write to standard output that fails is a failure, whatever printed it.
TEST(BatchBadInput, FailedOutputIsAnError) {
    testing::BatchHome home("output");
    const std::string vrk = vrk::test::vrkBinary();
    const int full = open("/dev/full", O_WRONLY);
    ASSERT_GE(full, 0);
    const std::vector<std::vector<std::string>> commands = {
        {vrk, "--help"},
        {vrk, "--show-team", "CAMHAVEN"},
        {vrk, "--batch", "/V:CAMHAVEN", "/H:FELVORA", "/N:2", "/SEED:1"},
    };
    for (const auto& command : commands) {
        EXPECT_EQ(runWithOutput(command, full, home.dir), 1) << command[1] << " to /dev/full";
        EXPECT_EQ(runWithOutput(command, -1, home.dir), 1) << command[1] << " to a closed output";
    }
    close(full);
    const int null = open("/dev/null", O_WRONLY);
    EXPECT_EQ(runWithOutput({vrk, "--show-team", "CAMHAVEN"}, null, home.dir), 0);
    EXPECT_EQ(runWithOutput({vrk, "--show-team", "BASEBALL.CFG"}, null, home.dir), 1);
    close(null);
}

// An unattended run killed at random moments (by SIGKILL, or by two
// SIGTERMs in a row) leaves a set that reopens, tells what it lost, and has
// no more games in its totals than in its games file.
TEST(BatchBadInput, KilledRunsLeaveASetThatReopens) {
    testing::BatchHome home("kill");
    const std::string vrk = vrk::test::vrkBinary();
    std::mt19937 gen(19);
    for (int round = 0; round < 6; ++round) {
        const pid_t pid = fork();
        if (pid == 0) {
            if (chdir(home.dir.c_str()) != 0) _exit(99);
            const int null = open("/dev/null", O_WRONLY);
            dup2(null, STDOUT_FILENO);
            dup2(null, STDERR_FILENO);
            const std::string seed = "/SEED:" + std::to_string(round + 1);
            const char* pg = round % 2 == 0 ? "/PG:Y" : "/PG:N";
            execl(vrk.c_str(), vrk.c_str(), "--batch", "/V:CAMHAVEN", "/H:FELVORA", "/N:100000",
                  "/ST:KILLED", pg, seed.c_str(), nullptr);
            _exit(98);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(150 + gen() % 400));
        if (round % 3 == 2) {
            kill(pid, SIGTERM);
            kill(pid, SIGTERM);
        } else {
            kill(pid, SIGKILL);
        }
        int status = 0;
        waitpid(pid, &status, 0);
        StatsSet set;
        const OpenStatsResult opened = OpenStatsSet(set, home.dir.string(), "KILLED");
        ASSERT_TRUE(opened.ok) << "round " << round << ": " << opened.message;
        std::int64_t wins = 0;
        for (int n = 1; n < set.pitching.count(); ++n) wins += set.pitching.at(n).wins;
        EXPECT_GE(set.gamesInFile, wins) << "round " << round;
        if (set.gamesInFile > wins) {
            EXPECT_FALSE(opened.notes.empty()) << "round " << round << ": the loss is told";
        }
        for (const char* ext : {".STB.tmp", ".STP.tmp", ".STF.tmp"}) {
            EXPECT_FALSE(fs::exists(home.dir / (std::string("KILLED") + ext)));
        }
    }
}

}  // namespace
}  // namespace vrk
