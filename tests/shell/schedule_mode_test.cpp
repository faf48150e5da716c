#include "shell/schedule_mode.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "data/schedule_csv.h"
#include "data/schedule_file.h"
#include "data/stats_file_io.h"
#include "presentation/console_keys.h"
#include "presentation/console_memory.h"
#include "screens/schedule_editor_screen.h"
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
constexpr const char* kTinySchedule =
    "04/01/26,CAMHAVEN,FELVORA\n04/01/26,FELVORA,CAMHAVEN\n"
    "04/02/26,CAMHAVEN,FELVORA\n04/02/26,FELVORA,CAMHAVEN\n"
    "04/03/26,CAMHAVEN,FELVORA\n04/03/26,FELVORA,CAMHAVEN\n";

struct ModeHome {
    testing::BatchHome home{"mode"};
    Session session;
    explicit ModeHome(const std::string& rows = kTinySchedule) {
        std::istringstream csv(rows);
        const CsvSchedule schedule = ScheduleFromCsv(csv);
        EXPECT_TRUE(schedule.problem.empty()) << schedule.problem;
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

// The dates of the games a batch run printed ("    n MM/DD/YY ...").
std::vector<std::string> PlayedDates(const std::string& out) {
    std::vector<std::string> dates;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        int number = 0;
        char date[16] = {};
        if (std::sscanf(line.c_str(), "%d %8s", &number, date) == 2 && date[2] == '/')
            dates.emplace_back(date);
    }
    return dates;
}

// A filter plays part of the schedule: the set goes on with the rest
// afterwards, and the schedule is finished only when its last game is.
TEST(ScheduleMode, AFilteredReplayLeavesTheRestToPlay) {
    ModeHome m;
    using Dates = std::vector<std::string>;
    const struct {
        std::string options;
        Dates played;
    } runs[] = {
        {"/FROM:04-02-26 /TO:04-02-26", {"04/02/26", "04/02/26"}},
        {"/FROM:12-01-98 /TO:01-31-99", {}},  // admits no game at all
        {"/FROM:04-01-26", {}},               // before where the set stands
        {"", {"04/03/26", "04/03/26"}},
        {"", {}},
    };
    for (const auto& run : runs) {
        const auto r = m.home.batch("/SCH:TINY /ST:PART /SEED:5 " + run.options);
        EXPECT_EQ(r.status, 0) << run.options << r.err;
        EXPECT_EQ(PlayedDates(r.out), run.played) << run.options << r.err;
    }
    const auto last = m.home.batch("/SCH:TINY /ST:PART");
    EXPECT_NE(last.err.find("nothing is left to play"), std::string::npos) << last.err;

    // A filter that admits nothing leaves a fresh set free to play it all.
    EXPECT_TRUE(
        PlayedDates(m.home.batch("/SCH:TINY /ST:NONE /TEAM:CAMHAVEN /FROM:05-01-26").out).empty());
    EXPECT_EQ(PlayedDates(m.home.batch("/SCH:TINY /ST:NONE").out).size(), 6u);
}

TEST(ScheduleMode, F3InTheFilterAbandonsTheStart) {
    ModeHome m;
    MemoryConsole console;
    for (const char* key : {"\r", "\r", "\x1b"}) console.pushKey(key);
    console.pushKey(kKeyF3);
    runScheduleItem(console, m.session);
    EXPECT_TRUE(console.shownAtSomeWait("ESC:Continue  F3:Abort"));
    EXPECT_FALSE(fs::exists(m.home.dir / "TINY.LOG"));
    EXPECT_FALSE(fs::exists(m.home.dir / "TINY.STS"));
    EXPECT_EQ(console.keysLeft(), 0u);
}

// N on the Schedule Files list names a new file and opens the editor on
// it; E edits the highlighted one unless schedules are protected.
TEST(ScheduleMode, NewAndEditFromTheList) {
    ModeHome m;
    const std::vector<std::uint8_t> tiny = ReadFileBytes((m.home.dir / "TINY.SCH").string()).bytes;
    {
        MemoryConsole console;
        // N, the name, the editor: a date and a game, saved; ESC leaves the list.
        for (const char* key : {"N", "n", "e", "w", "\x1b", "6", "/", "1", "/", "2", "6", "\t", "c",
                                "\t", "f", "\x1b", "y", "\x1b"}) {
            console.pushKey(key);
        }
        runScheduleItem(console, m.session);
        const auto made = ReadScheduleFile((m.home.dir / "NEW.SCH").string());
        ASSERT_TRUE(made.has_value());
        EXPECT_EQ(made->recordLength, kLongScheduleRecord);
        EXPECT_EQ(made->date(2), "06/01/26");
        EXPECT_EQ(made->slot(2, 1).home, "F");
        EXPECT_TRUE(console.shownAtSomeWait("no team file C.DAT"));
    }
    m.session.config.protectSch = true;
    for (const char* key : {"E", "N"}) {
        MemoryConsole console;
        for (const char* k : {key, "x", "\x1b"}) console.pushKey(k);
        runScheduleItem(console, m.session);
        EXPECT_TRUE(console.shownAtSomeWait("PROTECT-SCH")) << key;
        EXPECT_FALSE(console.shownAtSomeWait(kScheduleEditorDone)) << key;
    }
    EXPECT_EQ(ReadFileBytes((m.home.dir / "TINY.SCH").string()).bytes, tiny);
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

// The file viewer's DEL: only a yes deletes, and a file that cannot go is said.
TEST(ScheduleMode, ViewerFilesDeleteOnlyOnYes) {
    ModeHome m;
    const fs::path log = m.home.dir / "OLD.LOG";
    std::ofstream(log) << "old run\n";
    for (const auto& [answer, deleted] :
         std::vector<std::pair<std::string, bool>>{{"\r", false}, {"n", false}, {"y", true}}) {
        MemoryConsole ask;
        ask.pushKey(answer);
        EXPECT_EQ(deleteFileAsked(ask, m.session, log.string()), deleted) << answer;
        EXPECT_EQ(fs::exists(log), !deleted) << answer;
    }
    fs::create_directories(m.home.dir / "FULL.PRN" / "inside");
    MemoryConsole ask;
    ask.pushKey("y");
    ask.pushKey(" ");
    EXPECT_FALSE(deleteFileAsked(ask, m.session, (m.home.dir / "FULL.PRN").string()));
    EXPECT_TRUE(ask.shownAtSomeWait("FULL.PRN was not deleted"));
    EXPECT_TRUE(fs::exists(m.home.dir / "FULL.PRN"));
}

TEST(ScheduleMode, ABadOptionInAGameIsRefusedBeforeAnyIsPlayed) {
    ModeHome m(
        "04/01/26,CAMHAVEN,FELVORA\n04/02/26,FELVORA,CAMHAVEN,/DH:Q\n"
        "04/03/26,CAMHAVEN,FELVORA,/N:2 note\n");
    MemoryConsole console;
    m.replay(console, {});
    EXPECT_TRUE(console.shownAtSomeWait("04/02/26, game 1 (FELVORA at CAMHAVEN)"));
    EXPECT_TRUE(console.shownAtSomeWait("/DH:Q"));
    EXPECT_FALSE(fs::exists(m.home.dir / "TINY.LOG")) << "nothing was played";
    EXPECT_FALSE(fs::exists(m.home.dir / "TINY.STS"));
}

// What reopening the set finds is shown in a window before the games, and
// still goes to the log.
TEST(ScheduleMode, ReopenedSetTellsWhatItFoundOnScreen) {
    ModeHome m;
    MemoryConsole first;
    m.replay(first, {});
    EXPECT_FALSE(first.shownAtSomeWait("About the statistics file:"));
    std::ofstream(m.home.dir / "TINY.STS", std::ios::binary | std::ios::app) << "half a game";

    MemoryConsole again;
    m.replay(again, {});
    EXPECT_TRUE(again.shownAtSomeWait("About the statistics file:"));
    EXPECT_TRUE(again.shownAtSomeWait("Games played after the last save of TINY"));
    EXPECT_NE(ReadText(m.home.dir / "TINY.LOG").find("taken out of its games file"),
              std::string::npos);
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

    // A line longer than a column goes on below it, broken at a blank.
    ConsolePane wide(console, 10, 1, 2, 20, 2, 7);
    std::ostream told(&wide);
    told << "Team file /x/NOSUCH.DAT not found!\n" << std::flush;
    EXPECT_EQ(console.textAt(10, 1, 19), "Team file          ");
    EXPECT_EQ(console.textAt(11, 1, 19), "  /x/NOSUCH.DAT not");
    EXPECT_EQ(console.textAt(10, 21, 19), "  found!           ");
}

}  // namespace
}  // namespace vrk
