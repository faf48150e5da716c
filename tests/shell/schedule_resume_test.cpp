#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <thread>

#include "data/schedule_csv.h"
#include "data/stats_file_io.h"
#include "test_paths.h"

namespace vrk {
namespace {

namespace fs = std::filesystem;

constexpr const char* kTeams[] = {"CAMHAVEN", "FELVORA", "NEVHOLM", "KORRIDGE"};

// A home folder with four sample teams and a short schedule: two games a
// date, a three-game slot among them.
fs::path MakeHome(const std::string& tag) {
    const fs::path dir =
        fs::temp_directory_path() / ("vrk_resume_" + tag + "_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    const fs::path home = test::sourceHome();
    for (const char* name : {"BASEBALL.MSG", "STADIUM.TXT", "BASEBALL.CFG"})
        fs::copy_file(home / name, dir / name);
    for (const char* team : kTeams)
        fs::copy_file(home / (std::string(team) + ".DAT"), dir / (std::string(team) + ".DAT"));
    std::ostringstream csv;
    for (int day = 1; day <= 12; ++day) {
        char date[16];
        std::snprintf(date, sizeof date, "05/%02d/26", day);
        csv << date << "," << kTeams[day % 4] << "," << kTeams[(day + 1) % 4]
            << (day == 5 ? ",/N:3" : "") << "\n";
        csv << date << "," << kTeams[(day + 2) % 4] << "," << kTeams[(day + 3) % 4] << "\n";
    }
    std::istringstream in(csv.str());
    const CsvSchedule schedule = ScheduleFromCsv(in);
    std::ofstream(dir / "SHORT.SCH", std::ios::binary)
        .write(reinterpret_cast<const char*>(schedule.bytes.data()),
               static_cast<std::streamsize>(schedule.bytes.size()));
    return dir;
}

pid_t Start(const fs::path& dir, const std::string& extra) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::chdir(dir.c_str()) != 0) _exit(120);
        std::freopen("/dev/null", "w", stdout);
        std::freopen("/dev/null", "w", stderr);
        const std::string binary = test::vrkBinary();
        ::execl(binary.c_str(), binary.c_str(), "--batch", "/SCH:SHORT", "/ST:RUN", "/SEED:99",
                extra.c_str(), static_cast<char*>(nullptr));
        _exit(121);
    }
    return pid;
}

int Wait(pid_t pid) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

std::vector<std::uint8_t> Bytes(const fs::path& path) {
    return ReadFileBytes(path.string()).bytes;
}

// A replay stopped at any moment, by a kill or by Ctrl-C, and run again
// until it finishes, ends with the very statistics of one played straight.
TEST(ScheduleResume, InterruptedReplaysEndWithTheUninterruptedSet) {
    std::mt19937 random(::testing::UnitTest::GetInstance()->random_seed());
    for (const std::string mode : {"/PG:Y", "/PD:Y"}) {
        const fs::path straight = MakeHome("straight");
        const auto began = std::chrono::steady_clock::now();
        ASSERT_EQ(Wait(Start(straight, mode)), 0) << mode;
        // Kills fall within the time a whole replay takes here, so a fast or a
        // loaded machine interrupts it alike.
        const auto whole = std::chrono::duration_cast<std::chrono::microseconds>(
                               std::chrono::steady_clock::now() - began)
                               .count();
        ASSERT_FALSE(fs::exists(straight / "RUN.RES")) << "a finished replay leaves no restart";

        fs::path broken = MakeHome("broken");
        int interruptions = 0;
        int status = 1;
        long long bound = std::max<long long>(1000, whole * 8 / 10);
        for (int attempt = 0; attempt < 16 && status != 0; ++attempt) {
            const pid_t pid = Start(broken, mode);
            std::this_thread::sleep_for(std::chrono::microseconds(random() % bound));
            ::kill(pid, attempt % 4 == 3 ? SIGINT : SIGKILL);
            status = Wait(pid);
            if (status != 0) {
                ++interruptions;
            } else if (interruptions == 0 && bound > 1000) {
                // This run was quicker than the straight one (a load on the
                // machine eased): start over and interrupt it sooner.
                broken = MakeHome("broken");
                bound = std::max<long long>(1000, bound / 2);
                status = 1;
            }
        }
        if (status != 0) status = Wait(Start(broken, mode));
        ASSERT_EQ(status, 0) << mode;
        EXPECT_GE(interruptions, 1) << mode;
        for (const char* ext : {".STS", ".STB", ".STP", ".STF", ".STH"}) {
            const std::string name = std::string("RUN") + ext;
            EXPECT_EQ(Bytes(broken / name), Bytes(straight / name)) << mode << " " << name;
        }
        EXPECT_FALSE(fs::exists(broken / "RUN.RES"));
        fs::remove_all(straight);
        fs::remove_all(broken);
    }
}

}  // namespace
}  // namespace vrk
