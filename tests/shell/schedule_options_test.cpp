// Option strings of schedule games are checked before the first game, and
// the shell's notice window keeps long notices readable.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "data/schedule_csv.h"
#include "shell/batch_test_home.h"
#include "shell/notice_window.h"

namespace vrk {
namespace {

namespace fs = std::filesystem;

void WriteSchedule(const testing::BatchHome& home, const std::string& rows) {
    std::istringstream csv(rows);
    const CsvSchedule schedule = ScheduleFromCsv(csv);
    ASSERT_TRUE(schedule.problem.empty()) << schedule.problem;
    home.write("WEEK.SCH", std::string(schedule.bytes.begin(), schedule.bytes.end()));
}

long ResultLines(const std::string& out) {
    long n = 0;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) n += line.find(" W: ") != std::string::npos;
    return n;
}

TEST(ScheduleOptionCheck, ABadValueStopsTheReplayBeforeItsFirstGame) {
    const struct {
        const char* options;  // /BATCH words besides /SCH:WEEK
        int status;           // exit status
        long games;           // games played
        const char* told;     // in the messages, or empty
    } cases[] = {
        // The bad game is refused before 04/01 is played.
        {"/ST:WEEK", 2, 0, "WEEK.SCH, 04/02/26, game 2 (FELVORA at CAMHAVEN): Option \"/N:0\""},
        // A filter that leaves the bad game out plays the rest.
        {"/FROM:04-01-26 /TO:04-01-26", 0, 2, ""},
        {"/FROM:04-03-26 /TO:04-03-26", 0, 3, ""},
    };
    for (const auto& c : cases) {
        testing::BatchHome home("schedopt");
        WriteSchedule(home,
                      "04/01/26,CAMHAVEN,FELVORA\n04/01/26,FELVORA,CAMHAVEN,/XYZ note\n"
                      "04/02/26,CAMHAVEN,FELVORA\n04/02/26,FELVORA,CAMHAVEN,/N:0\n"
                      "04/03/26,CAMHAVEN,FELVORA,/N:3 /DH:N\n");
        const auto run = home.batch(std::string("/SCH:WEEK ") + c.options);
        EXPECT_EQ(run.status, c.status) << c.options << "\n" << run.err;
        EXPECT_EQ(ResultLines(run.out), c.games) << c.options;
        if (*c.told != '\0') {
            EXPECT_NE(run.err.find(c.told), std::string::npos) << run.err;
        }
        EXPECT_EQ(run.err.find("XYZ"), std::string::npos) << "unknown tokens stay notes";
        EXPECT_FALSE(fs::exists(home.dir / "WEEK.STS") && c.status != 0);
    }
}

TEST(NoticeWindow, WrapsAtBlanksCutsLongWordsAndCountsWhatIsLeftOut) {
    const struct {
        std::vector<std::string> notices;
        std::size_t most;
        std::vector<std::string> lines;
    } cases[] = {
        {{"one two three", "four"}, 5, {"H", "one two", "three", "four"}},
        {{"abcdefghijkl mn"}, 5, {"H", "abcdefgh", "ijkl mn"}},
        // Three notices, room for the first and the count of the others.
        {{"one two three", "four five", "six"}, 4, {"H", "one two", "three", "... and 2 more."}},
        // The last notice needs no room kept for a count.
        {{"one", "two"}, 3, {"H", "one", "two"}},
        {{"one", "two three four five"}, 3, {"H", "one", "... and 1 more."}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(noticeLines("H", c.notices, 8, c.most), c.lines) << c.notices.front();
    }
}

}  // namespace
}  // namespace vrk
