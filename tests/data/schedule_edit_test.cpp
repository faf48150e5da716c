#include "data/schedule_edit.h"
#include "temp_dir.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "data/schedule_filter.h"
#include "data/stats_file_io.h"

namespace vrk {
namespace {

namespace fs = std::filesystem;

struct Date {
    std::string date;
    std::vector<ScheduleSlot> games;
};

ScheduleFile Build(std::size_t length, const std::vector<Date>& dates) {
    ScheduleFile file = ParseSchedule(BlankScheduleRecord(length, true));
    for (const Date& d : dates) {
        const int n = InsertScheduleRecord(file, file.recordCount());
        SetRecordDate(file.record(n), d.date);
        for (std::size_t k = 0; k < d.games.size(); ++k)
            SetRecordSlot(file.record(n), static_cast<int>(k) + 1, d.games[k]);
    }
    return file;
}

std::vector<std::string> LiveDates(const ScheduleFile& file) {
    std::vector<std::string> dates;
    for (int n : LiveScheduleRecords(file)) dates.push_back(file.date(n));
    return dates;
}

using ScratchFolder = testing::TempDir;

// Insert, delete, sort and save in both layouts: the file read back holds
// the same games, keeps its record length, and the deleted date stays in
// the file, marked and passed over.
TEST(ScheduleEdit, EditedScheduleReadsBackWithItsGames) {
    for (const std::size_t length : {kShortScheduleRecord, kLongScheduleRecord}) {
        SCOPED_TRACE(length);
        ScratchFolder scratch;
        ScheduleFile file = Build(length, {{"04/03/26", {{"CUBS", "REDS", "/N:2"}}},
                                           {"04/01/26", {{"ASTROS", "METS", ""}}},
                                           {"04/02/26", {{"PIRATES", "CARDS", "/vm:+"}}}});
        // A new date after the first one, with the most games the layout has.
        const int added = InsertScheduleRecord(file, 2);
        EXPECT_EQ(added, 3);
        SetRecordDate(file.record(added), "03/31/26");
        for (int k = 1; k <= file.slotsPerRecord(); ++k)
            SetRecordSlot(file.record(added), k,
                          {"V" + std::to_string(k), "H" + std::to_string(k), ""});
        DeleteScheduleRecord(file, 5);  // 04/02/26
        SortScheduleByDate(file);
        const std::string path = (scratch.dir / "EDIT.SCH").string();
        ASSERT_FALSE(SaveEditedSchedule(path, file).has_value());

        const auto back = ReadScheduleFile(path);
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(fs::file_size(path), 5 * length);
        EXPECT_EQ(back->recordLength, length);
        EXPECT_EQ(back->bytes, file.bytes);
        EXPECT_EQ(LiveDates(*back), (std::vector<std::string>{"03/31/26", "04/01/26", "04/03/26"}));
        EXPECT_EQ(back->record(5)[0], 'D');
        EXPECT_EQ(back->date(5), "04/02/26");
        // The deleted date's game is not counted; the /N:2 slot is.
        EXPECT_EQ(CountScheduleGames(*back, {}), back->slotsPerRecord() + 1 + 2);
        const ScheduleSlot last = back->slot(2, back->slotsPerRecord());
        EXPECT_EQ(last.visitor, "V" + std::to_string(back->slotsPerRecord()));
        const ScheduleSlot cubs = back->slot(4, 1);
        EXPECT_EQ(cubs.visitor, "CUBS");
        EXPECT_EQ(cubs.options, "/N:2");
    }
}

TEST(ScheduleEdit, SortOrdersBySeasonKeepingEqualDatesInOrder) {
    ScheduleFile file = Build(kShortScheduleRecord, {{"01/02/00", {{"Y2K", "B", ""}}},
                                                     {"", {{"NODATE", "B", ""}}},
                                                     {"12/30/99", {{"LATE", "B", ""}}},
                                                     {"06/01/99", {{"FIRST", "B", ""}}},
                                                     {"06/01/99", {{"SECOND", "B", ""}}},
                                                     {"05/15/99", {{"GONE", "B", ""}}}});
    DeleteScheduleRecord(file, 7);
    const std::vector<int> moved = SortScheduleByDate(file);
    std::vector<std::string> order;
    for (int n = 2; n <= file.recordCount(); ++n) order.push_back(file.slot(n, 1).visitor);
    EXPECT_EQ(order,
              (std::vector<std::string>{"FIRST", "SECOND", "LATE", "Y2K", "NODATE", "GONE"}));
    EXPECT_TRUE(file.deleted(7));
    // Each old record's new place.
    EXPECT_EQ(moved, (std::vector<int>{0, 1, 5, 6, 4, 2, 3, 7}));
}

TEST(ScheduleEdit, GamesInsertedAndRemovedWithinADate) {
    ScheduleFile file = Build(kShortScheduleRecord,
                              {{"07/04/26", {{"A", "B", ""}, {"C", "D", "/N:2"}, {"E", "F", ""}}}});
    ASSERT_TRUE(InsertScheduleSlot(file, 2, 2));
    EXPECT_TRUE(file.slot(2, 2).empty());
    EXPECT_EQ(file.slot(2, 3).options, "/N:2");
    EXPECT_EQ(file.slot(2, 4).visitor, "E");
    RemoveScheduleSlot(file, 2, 1);
    EXPECT_TRUE(file.slot(2, 1).empty());
    EXPECT_EQ(file.slot(2, 2).visitor, "C");
    EXPECT_EQ(file.slot(2, 3).visitor, "E");
    EXPECT_TRUE(file.slot(2, 7).empty());

    // A full date takes no further game and is left as it was.
    for (int k = 1; k <= 7; ++k)
        SetRecordSlot(file.record(2), k, {"T" + std::to_string(k), "U", ""});
    const std::vector<std::uint8_t> full = file.bytes;
    EXPECT_FALSE(InsertScheduleSlot(file, 2, 3));
    EXPECT_EQ(file.bytes, full);
}

TEST(ScheduleEdit, BlankDatesAreDroppedOnlyWhenEmpty) {
    ScheduleFile file = NewScheduleFile();
    EXPECT_EQ(file.recordCount(), 2);
    EXPECT_EQ(file.record(1)[0], 'D');
    EXPECT_FALSE(file.deleted(2));
    const int withGame = InsertScheduleRecord(file, 2);
    SetRecordSlot(file.record(withGame), 1, {"A", "B", ""});
    EXPECT_EQ(DeleteBlankScheduleRecords(file), 1);
    EXPECT_TRUE(file.deleted(2));
    EXPECT_FALSE(file.deleted(withGame));
    EXPECT_EQ(ScheduleRecordProblem(file, withGame), kFilterDateMessage);
}

TEST(ScheduleEdit, DatesAsTyped) {
    const std::pair<const char*, const char*> cases[] = {
        {"04/01/26", "04/01/26"},
        {"4/1/26", "04/01/26"},
        {" 12/31/99 ", "12/31/99"},
        {"02/29/24", "02/29/24"},
        {"02/30/24", ""},
        {"04/31/26", ""},
        {"13/01/26", ""},
        {"00/10/26", ""},
        {"04/00/26", ""},
        {"04/01/2026", ""},
        {"4-1-26", ""},
        {"04/01", ""},
        {"", ""},
        {"a4/01/26", ""},
        {"104/1/26", ""},
    };
    for (const auto& [typed, normal] : cases) {
        const auto date = NormalScheduleDate(typed);
        EXPECT_EQ(date.value_or(""), normal) << typed;
        EXPECT_EQ(ScheduleDateProblem(typed).empty(), date.has_value()) << typed;
    }
    EXPECT_EQ(ScheduleDateProblem("9/31/26"), "** 09/31 is no day of the year **");
    EXPECT_EQ(ScheduleDateProblem("13/01/26"), kFilterDateMessage);
}

TEST(ScheduleEdit, SlotChecks) {
    const auto known = [](const std::string& team) { return team != "NOWHERE"; };
    const struct {
        ScheduleSlot slot;
        bool refused;
        bool warned;
    } cases[] = {
        {{"", "", ""}, false, false},
        {{"CUBS", "REDS", "/N:3 /vm:+"}, false, false},
        {{"cubs.dat", "reds", ""}, false, false},
        {{"CUBS", "", ""}, true, false},
        {{"", "REDS", "/N:2"}, true, false},
        {{"", "", "/N:2"}, true, false},
        {{"CUBS", "CUBS", ""}, true, false},
        {{"CU BS", "REDS", ""}, true, false},
        {{"CUBS", "RE/DS", ""}, true, false},
        {{"CUBS", "REDS", "/N:X"}, true, false},
        {{"CUBS", "REDS", "/VM:*"}, true, false},
        {{"CUBS", "REDS", "/DH:Q"}, true, false},
        {{"CUBS", "NOWHERE", ""}, false, true},
        {{"CUBS", "REDS", "/QQ"}, false, true},
    };
    for (const auto& c : cases) {
        const SlotFindings found = CheckScheduleSlot(c.slot, known);
        const std::string what = c.slot.visitor + "|" + c.slot.home + "|" + c.slot.options;
        EXPECT_EQ(!found.refused.empty(), c.refused) << what;
        EXPECT_EQ(!found.warnings.empty(), c.warned) << what;
    }
    EXPECT_EQ(NormalTeamName(" cubs.dat "), "CUBS");
}

TEST(ScheduleEdit, SavingKeepsTheSetsListedOnDiskAndFailsWhole) {
    ScratchFolder scratch;
    const std::string path = (scratch.dir / "LINKED.SCH").string();
    ScheduleFile onDisk = Build(kLongScheduleRecord, {{"04/01/26", {{"A", "B", ""}}}});
    ASSERT_FALSE(SaveEditedSchedule(path, onDisk).has_value());
    // The editor opened the file; then a replay listed its set in the header.
    ScheduleFile edited = *ReadScheduleFile(path);
    ASSERT_FALSE(LinkStatsSetInFile(path, "EAST", StatsLink::Add, false).has_value());
    SetRecordSlot(edited.record(2), 2, {"C", "D", ""});
    ASSERT_FALSE(SaveEditedSchedule(path, edited).has_value());
    const auto back = ReadScheduleFile(path);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(ScheduleStatsSlots(*back).front(), "EAST");
    EXPECT_EQ(back->slot(2, 2).visitor, "C");

    // A folder that cannot be written: a message, and the old file whole.
    if (::geteuid() != 0) {
        fs::permissions(scratch.dir, fs::perms::owner_read | fs::perms::owner_exec);
        SetRecordSlot(edited.record(2), 3, {"E", "F", ""});
        EXPECT_TRUE(SaveEditedSchedule(path, edited).has_value());
        fs::permissions(scratch.dir, fs::perms::owner_all);
        EXPECT_TRUE(ReadScheduleFile(path)->slot(2, 3).empty());
    }
    const std::string nowhere = (scratch.dir / "missing" / "X.SCH").string();
    EXPECT_TRUE(SaveEditedSchedule(nowhere, edited).has_value());
}

}  // namespace
}  // namespace vrk
