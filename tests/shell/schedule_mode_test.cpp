#include "shell/schedule_mode.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "data/schedule_csv.h"
#include "presentation/console_keys.h"
#include "presentation/console_memory.h"
#include "shell/batch_test_home.h"
#include "shell/console_pane.h"
#include "shell/menu_actions.h"
#include "shell/startup.h"

namespace vrk {
namespace {

namespace fs = std::filesystem;

std::string ReadText(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// A home with the two shipped teams and a schedule of three dates, two
// games a date.
struct ModeHome {
    testing::BatchHome home{"mode"};
    Session session;
    ModeHome() {
        std::istringstream csv(
            "04/01/26,CAMHAVEN,FELVORA\n04/01/26,FELVORA,CAMHAVEN\n"
            "04/02/26,CAMHAVEN,FELVORA\n04/02/26,FELVORA,CAMHAVEN\n"
            "04/03/26,CAMHAVEN,FELVORA\n04/03/26,FELVORA,CAMHAVEN\n");
        const CsvSchedule schedule = ScheduleFromCsv(csv);
        home.write("TINY.SCH", std::string(schedule.bytes.begin(), schedule.bytes.end()));
        StartupInputs inputs;
        inputs.currentDir = home.dir.string();
        inputs.timeSeed = 7;
        const StartupOutcome out = prepareSession(inputs, session);
        EXPECT_EQ(out.status, StartupStatus::Ready) << out.message;
    }

    // Picks TINY.SCH and its first statistics line (a new set is named
    // TINY, the name offered), no filter, home-team rules; `during` are
    // read one a game; the log is not viewed.
    void replay(MemoryConsole& console, const std::vector<std::string>& during) {
        for (const char* key : {"\r", "\r"}) console.pushKey(key);
        if (!fs::exists(home.dir / "TINY.STS")) console.pushKey(kKeyEscape);  // name form
        for (const char* key : {"\x1b", "H", "H"}) console.pushKey(key);
        for (const std::string& key : during) console.pushKey(key);
        console.pushQuietPolls();
        console.pushKey("N");
        runScheduleItem(console, session);
    }

    // The result lines of the last run's log: "    n 04/0d/26 ...".
    std::vector<int> loggedGames() const {
        std::vector<int> numbers;
        std::istringstream log(ReadText(home.dir / "TINY.LOG"));
        for (std::string line; std::getline(log, line);) {
            int number = 0;
            char date[16] = {};
            if (std::sscanf(line.c_str(), "%d %8s", &number, date) == 2 && date[2] == '/')
                numbers.push_back(number);
        }
        return numbers;
    }
};

TEST(ScheduleMode, ReplayRecordsEveryGameAndASecondRunHasNothingToReplay) {
    ModeHome m;
    MemoryConsole console;
    m.replay(console, {});
    EXPECT_EQ(m.loggedGames(), (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_TRUE(fs::exists(m.home.dir / "TINY.STS"));
    EXPECT_TRUE(console.shownAtSomeWait("Your Schedule game simulation is complete!"));
    EXPECT_NE(ReadText(m.home.dir / "TINY.SCH").find("TINY"), std::string::npos)
        << "the set is linked in the schedule's header";

    MemoryConsole again;
    m.replay(again, {});
    EXPECT_TRUE(m.loggedGames().empty());
    EXPECT_NE(ReadText(m.home.dir / "TINY.LOG").find("nothing is left to play"), std::string::npos);
}

TEST(ScheduleMode, QuitStopsAfterTheGameInPlayAndTheNextRunGoesOn) {
    ModeHome m;
    MemoryConsole console;
    // Read before game 1 ("x", ignored), then "Q" before game 2.
    m.replay(console, {"x", "Q"});
    EXPECT_EQ(m.loggedGames(), (std::vector<int>{1}));
    EXPECT_TRUE(fs::exists(m.home.dir / "TINY.RES") || fs::exists(m.home.dir / "TINY.SAV"));
    EXPECT_TRUE(console.shownAtSomeWait("TINY is saved"));

    MemoryConsole again;
    m.replay(again, {});
    EXPECT_EQ(m.loggedGames(), (std::vector<int>{2, 3, 4, 5, 6}));
    EXPECT_NE(ReadText(m.home.dir / "TINY.LOG").find("Resuming"), std::string::npos);
}

TEST(ScheduleMode, StatisticsFilesDeleteOnlyOnYes) {
    ModeHome m;
    MemoryConsole console;
    m.replay(console, {});
    const std::string sts = (m.home.dir / "TINY.STS").string();
    for (const auto& [answer, deleted] :
         std::vector<std::pair<std::string, bool>>{{"\r", false}, {"n", false}, {"y", true}}) {
        MemoryConsole ask;
        ask.pushKey(answer);
        EXPECT_EQ(deleteStatsSetAsked(ask, m.session, sts), deleted) << answer;
        EXPECT_EQ(fs::exists(sts), !deleted) << answer;
        EXPECT_EQ(fs::exists(m.home.dir / "TINY.STB"), !deleted) << answer;
    }
}

TEST(ConsolePane, LinesFillColumnsAndNewBlocksClear) {
    MemoryConsole console;
    ConsolePane pane(console, 2, 1, 2, 10, 2, 7);
    std::ostream out(&pane);
    out << "one\ntwo\nthree\n" << std::flush;
    EXPECT_EQ(console.textAt(2, 1, 5), "one  ");
    EXPECT_EQ(console.textAt(2, 11, 5), "three");
    out << "\rGame 5\nLeague A\n" << std::flush;
    EXPECT_EQ(console.textAt(2, 1, 6), "Game 5");
    EXPECT_EQ(console.textAt(3, 1, 8), "League A");
    EXPECT_EQ(console.textAt(2, 11, 5), "     ");
    out << "\nafter\n" << std::flush;
    EXPECT_EQ(console.textAt(2, 1, 6), "after ");
    EXPECT_NE(pane.transcript().find("three\n"), std::string::npos);
}

}  // namespace
}  // namespace vrk
