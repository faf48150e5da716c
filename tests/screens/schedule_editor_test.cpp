#include "screens/schedule_editor_screen.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "data/schedule_edit.h"
#include "data/schedule_filter.h"
#include "presentation/console_keys.h"
#include "presentation/console_memory.h"

namespace vrk {
namespace {

namespace fs = std::filesystem;

const std::string kTab(kKeyTab);
const std::string kEsc(kKeyEscape);
const std::string kPgDn(kKeyPgDn);
const std::string kUp(kKeyUp);
const std::string kDown(kKeyDown);
const std::string kRight(kKeyRight);
const std::string kIns(kKeyIns);
const std::string kDel(kKeyDel);
const std::string kF2("\0<", 2);

// A schedule file in a scratch folder and the editor run over it on a
// 25 x 80 memory console (the play area's origin is then 0, 0).
struct EditorRun {
    fs::path dir = fs::temp_directory_path() /
                   ("vrk_schedscreen_" + std::to_string(::getpid()) + "_" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::string path = (dir / "TEST.SCH").string();
    MemoryConsole console;

    EditorRun() {
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    ~EditorRun() {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }

    void write(std::size_t length, const std::vector<std::pair<std::string, ScheduleSlot>>& dates) {
        ScheduleFile file = ParseSchedule(BlankScheduleRecord(length, true));
        for (const auto& [date, game] : dates) {
            const int n = InsertScheduleRecord(file, file.recordCount());
            SetRecordDate(file.record(n), date);
            SetRecordSlot(file.record(n), 1, game);
        }
        ASSERT_FALSE(SaveEditedSchedule(path, file).has_value());
    }

    void keys(const std::vector<std::string>& codes) {
        for (const std::string& code : codes) {
            if (code.size() > 1 && code[0] != '\0') {
                for (char c : code) console.pushKey(std::string(1, c));  // typed text
            } else {
                console.pushKey(code);
            }
        }
    }

    bool edit(ScheduleFile file) {
        const ScheduleEditorSetup setup{path, "TEST.SCH",
                                        [](const std::string& team) { return team != "NOWHERE"; }};
        return RunScheduleEditor(console, file, setup);
    }
    bool editNew() { return edit(NewScheduleFile()); }
    bool editSaved() { return edit(*ReadScheduleFile(path)); }

    ScheduleFile saved() const { return *ReadScheduleFile(path); }
};

std::vector<std::string> Dates(const ScheduleFile& file) {
    std::vector<std::string> dates;
    for (int n : LiveScheduleRecords(file)) dates.push_back(file.date(n));
    return dates;
}

TEST(ScheduleEditorScreen, NewScheduleTypedInSortedAndSaved) {
    EditorRun run;
    run.keys({"4/1/26", kTab, "cubs", kTab, "reds", kTab, "/n:2 /vm:+",
              // Up to the date, then Ins adds a date after it.
              kUp, kIns, "3/31/26", kDown, "mets", kRight, "cards", kF2, kEsc, "y"});
    EXPECT_TRUE(run.editNew());
    const ScheduleFile file = run.saved();
    EXPECT_EQ(file.recordLength, kLongScheduleRecord);
    EXPECT_EQ(file.record(1)[0], 'D');
    EXPECT_EQ(Dates(file), (std::vector<std::string>{"03/31/26", "04/01/26"}));
    const std::vector<int> live = LiveScheduleRecords(file);
    EXPECT_EQ(file.slot(live[0], 1).visitor, "METS");
    EXPECT_EQ(file.slot(live[0], 1).home, "CARDS");
    EXPECT_EQ(file.slot(live[1], 1).visitor, "CUBS");
    // Options keep what was typed; the parser reads them without case.
    EXPECT_EQ(file.slot(live[1], 1).options, "/n:2 /vm:+");
    EXPECT_EQ(CountScheduleGames(file, {}), 3);
}

TEST(ScheduleEditorScreen, LayoutOfADateWithItsGames) {
    for (const std::size_t length : {kShortScheduleRecord, kLongScheduleRecord}) {
        SCOPED_TRACE(length);
        EditorRun run;
        run.write(length, {{"05/02/26", {"CAMHAVEN", "FELVORA", "/N:3"}}});
        run.keys({kEsc});
        EXPECT_FALSE(run.editSaved()) << "nothing changed, nothing saved";
        const auto& screen = run.console.screenAtLastWait();
        auto at = [&](int row, int col, std::size_t n) {
            return screen[static_cast<std::size_t>(row - 1)].substr(
                static_cast<std::size_t>(col - 1), n);
        };
        EXPECT_NE(screen[1].find(kScheduleEditorTitle), std::string::npos);
        EXPECT_NE(screen[23].find(kScheduleEditorDone), std::string::npos);
        EXPECT_EQ(at(5, 28, 8), "05/02/26");
        EXPECT_EQ(at(6, 43, 8), "Options:");
        EXPECT_EQ(at(7, 22, 8), "CAMHAVEN");
        EXPECT_EQ(at(7, 31, 2), "AT");
        EXPECT_EQ(at(7, 34, 8), "FELVORA ");
        EXPECT_EQ(at(7, 43, 12), "/N:3        ");
        const int slots = length == kLongScheduleRecord ? 15 : 7;
        EXPECT_EQ(at(7 + slots - 1, 31, 2), "AT");
        EXPECT_NE(at(7 + slots, 31, 2), "AT");
    }
}

TEST(ScheduleEditorScreen, BadInputIsRefusedWithItsReason) {
    EditorRun run;
    run.write(kShortScheduleRecord, {{"05/01/26", {"CUBS", "REDS", ""}}});
    const std::vector<std::uint8_t> before = run.saved().bytes;
    run.keys({
        "13/45/26", kTab,  "x",              // no such date: stays on the date
        "05/01/26", kTab,  kTab,      kTab,  // now a good one; on to the options
        "/N:many",  kTab,  "x",              // refused option
        "/N:2",     kTab,  "nowhere", kTab,  // unknown team: only a warning
        "nowhere",  kPgDn, "x",              // a team cannot play itself
        kEsc,       "n",                     // let the changes go
    });
    EXPECT_FALSE(run.editSaved());
    EXPECT_TRUE(run.console.shownAtSomeWait("** Date must be in MM/DD/YY form **"));
    EXPECT_TRUE(run.console.shownAtSomeWait("\"/N:many\" cannot be used"));
    EXPECT_TRUE(run.console.shownAtSomeWait("no team file NOWHERE.DAT"));
    EXPECT_TRUE(run.console.shownAtSomeWait("** A team cannot play itself **"));
    EXPECT_EQ(run.saved().bytes, before);
}

TEST(ScheduleEditorScreen, HalfAGameIsNotSavedAndShowsWhere) {
    EditorRun run;
    run.keys({"6/1/26", kTab, "cubs", kEsc, "y", "x", kTab, "reds", kEsc, "y"});
    EXPECT_TRUE(run.editNew());
    EXPECT_TRUE(
        run.console.shownAtSomeWait("Game 1: ** A game needs a visiting and a home team **"));
    const ScheduleFile file = run.saved();
    EXPECT_EQ(file.slot(2, 1).home, "REDS");
}

TEST(ScheduleEditorScreen, DeleteAsksAndMarksTheDateInPlace) {
    EditorRun run;
    run.write(kLongScheduleRecord, {{"05/01/26", {"A1", "B1", ""}},
                                    {"05/02/26", {"A2", "B2", ""}},
                                    {"05/03/26", {"A3", "B3", ""}}});
    const std::vector<std::uint8_t> before = run.saved().bytes;
    run.keys({kPgDn, kDel, "n", kDel, "y", kEsc, "y"});
    EXPECT_TRUE(run.editSaved());
    EXPECT_TRUE(run.console.shownAtSomeWait(kScheduleEditorSure));
    const ScheduleFile file = run.saved();
    ASSERT_EQ(file.bytes.size(), before.size());
    EXPECT_TRUE(file.deleted(3));
    EXPECT_EQ(file.date(3), "05/02/26");
    EXPECT_EQ(Dates(file), (std::vector<std::string>{"05/01/26", "05/03/26"}));
}

TEST(ScheduleEditorScreen, GamesInsertedAndDeletedOnTheirRows) {
    EditorRun run;
    run.write(kShortScheduleRecord, {{"05/01/26", {"A1", "B1", ""}}});
    // Ins on game 1 opens a row above it; Del on game 2 after that takes
    // the old game 1 out again.
    run.keys({kDown, kIns, "X1", kTab, "Y1", kTab, kTab, kDel, "y", kEsc, "y"});
    EXPECT_TRUE(run.editSaved());
    const ScheduleFile file = run.saved();
    EXPECT_EQ(file.slot(2, 1).visitor, "X1");
    EXPECT_EQ(file.slot(2, 1).home, "Y1");
    EXPECT_TRUE(file.slot(2, 2).empty());
    EXPECT_EQ(file.recordLength, kShortScheduleRecord);
}

}  // namespace
}  // namespace vrk
