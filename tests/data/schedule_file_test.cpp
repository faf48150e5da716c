#include <gtest/gtest.h>

#include <sstream>

#include "core/text_fields.h"
#include "data/option_string.h"
#include "data/schedule_csv.h"
#include "data/schedule_file.h"
#include "data/schedule_filter.h"
#include "data/schedule_position.h"
#include "data/stats_schedule_day.h"

namespace vrk {
namespace {

struct Date {
    std::string date;
    std::vector<ScheduleSlot> games;
    bool deleted = false;
};

ScheduleFile Build(std::size_t length, const std::vector<Date>& dates) {
    std::vector<std::uint8_t> bytes = BlankScheduleRecord(length, true);
    for (const Date& d : dates) {
        auto record = BlankScheduleRecord(length, false);
        if (d.deleted) record[0] = 'D';
        SetRecordDate(record, d.date);
        for (std::size_t k = 0; k < d.games.size(); ++k)
            SetRecordSlot(record, static_cast<int>(k) + 1, d.games[k]);
        bytes.insert(bytes.end(), record.begin(), record.end());
    }
    return ParseSchedule(std::move(bytes));
}

TEST(ScheduleFile, RecordLengthFollowsTheSize) {
    const struct {
        std::size_t size;
        std::size_t length;
        int records;
        int slots;
    } cases[] = {
        {2 * 210, 210, 2, 7},
        {3 * 430, 430, 3, 15},
        {90300, 430, 210, 15},
        {211, 0, 0, 0},
    };
    for (const auto& c : cases) {
        const ScheduleFile f = ParseSchedule(std::vector<std::uint8_t>(c.size, ' '));
        EXPECT_EQ(f.recordLength, c.length) << c.size;
        EXPECT_EQ(f.recordCount(), c.records) << c.size;
        EXPECT_EQ(f.slotsPerRecord(), c.slots) << c.size;
    }
    // A size that fits neither layout holds no games.
    const ScheduleFile odd = ParseSchedule(std::vector<std::uint8_t>(211, ' '));
    EXPECT_TRUE(FindPlayableSlot(odd, {}, 2, 1).finished());
}

TEST(ScheduleFile, SlotsDatesAndCounts) {
    const ScheduleFile f =
        Build(210, {{"04/01/99", {{"TIGERS", "CUBS", "/N:3"}, {"", "", ""}, {"SOX", "METS", ""}}},
                    {"04/02/99", {{"A", "B", ""}}, true}});
    EXPECT_EQ(f.date(2), "04/01/99");
    EXPECT_EQ(f.slot(2, 1).options, "/N:3");
    EXPECT_TRUE(f.slot(2, 2).empty());
    EXPECT_FALSE(f.lastSlotOfDate(2, 1));
    EXPECT_TRUE(f.lastSlotOfDate(2, 3));
    EXPECT_TRUE(f.deleted(3));
    EXPECT_EQ(CountScheduleGames(f, {}), 4) << "3 + 1; the deleted date is passed over";
}

TEST(ScheduleFile, StatsSetLinks) {
    ScheduleFile f = Build(430, {{"04/01/99", {{"A", "B", ""}}}});
    EXPECT_TRUE(LinkStatsSet(f, "one", StatsLink::Add));
    EXPECT_TRUE(LinkStatsSet(f, "TWO", StatsLink::Add));
    EXPECT_TRUE(LinkStatsSet(f, "One ", StatsLink::Add)) << "already listed";
    EXPECT_TRUE(LinkStatsSet(f, "three", StatsLink::Add));
    EXPECT_EQ(ScheduleStatsSlots(f)[0], "ONE");
    EXPECT_EQ(ScheduleStatsSlots(f)[3], "");
    EXPECT_TRUE(LinkStatsSet(f, "two", StatsLink::Remove));
    EXPECT_EQ(ScheduleStatsSlots(f)[1], "THREE") << "later names move up";
    EXPECT_EQ(ScheduleStatsSlots(f)[2], "");
    EXPECT_EQ(f.record(1)[0], 'D');
    for (int i = 0; i < 8; ++i) LinkStatsSet(f, concat({"S", std::to_string(i)}), StatsLink::Add);
    EXPECT_FALSE(LinkStatsSet(f, "ELEVEN", StatsLink::Add)) << "ten slots only";
}

TEST(ScheduleFilter, LeagueTeamAndDates) {
    const ScheduleSlot national{"98NCUBS", "98NMETS", ""};
    const ScheduleSlot mixed{"1998ATIG", "98NMETS", ""};
    const struct {
        ScheduleFilter filter;
        ScheduleSlot slot;
        const char* date;
        bool passes;
    } cases[] = {
        {{"A", "", "", ""}, national, "04/01/98", false},
        {{"N", "", "", ""}, national, "04/01/98", true},
        {{"A", "", "", ""}, mixed, "04/01/98", true},  // fifth character after a season
        {{"", "98NMETS", "", ""}, national, "04/01/98", true},
        {{"", "98NCARDS", "", ""}, national, "04/01/98", false},
        {{"", "", "04/01/98", "04/30/98"}, national, "04/30/98", true},
        {{"", "", "04/01/98", "04/30/98"}, national, "05/01/98", false},
        // Text order: December to January admits nothing.
        {{"", "", "12/01/98", "01/31/99"}, national, "12/15/98", false},
        {{"", "", "12/01/98", "01/31/99"}, national, "01/15/99", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PassesFilter(c.filter, c.date, c.slot), c.passes)
            << c.filter.league << "|" << c.filter.team << "|" << c.filter.fromDate << " " << c.date;
    }
}

TEST(ScheduleFilter, WindowChecks) {
    const ScheduleFile f = Build(430, {{"04/01/99", {{"TIGERS", "CUBS", ""}}}});
    ScheduleFilter bad{"", "", "4/1/99", ""};
    EXPECT_EQ(PrepareFilter(bad, f), std::string(kFilterDateMessage));
    ScheduleFilter month{"", "", "13/01/99", ""};
    EXPECT_EQ(PrepareFilter(month, f), std::string(kFilterDateMessage));
    ScheduleFilter absent{"", " mets ", "", ""};
    EXPECT_EQ(PrepareFilter(absent, f), std::string(kFilterTeamMessage));
    ScheduleFilter one{" g ", " cubs", "04/01/99 ", ""};  // TIGERS: "G" third
    EXPECT_EQ(PrepareFilter(one, f), std::nullopt);
    EXPECT_EQ(one.league, "G");
    EXPECT_EQ(one.toDate, "04/01/99") << "a lone from-date is the whole range";
}

TEST(SchedulePosition, StartsAndResumes) {
    const ScheduleFile f = Build(430, {{"04/01/99", {{"A", "B", "/N:3"}, {"C", "D", ""}}},
                                       {"04/02/99", {{"E", "F", ""}}, true},
                                       {"04/03/99", {{"G", "H", ""}}}});
    EXPECT_EQ(PositionSchedule(f, {}, nullptr).cursor, (ScheduleCursor{2, 1}));
    const struct {
        RestartRecord restart;
        ScheduleCursor cursor;
        int played;
    } cases[] = {
        {{"X.SCH", "04/01/99", 1, 2, 3, 2}, {2, 1}, 2},  // inside a slot: its third game
        {{"X.SCH", "04/01/99", 1, 3, 3, 3}, {2, 2}, 0},  // after a slot: the next one
        {{"X.SCH", "04/01/99", 2, 1, 1, 4}, {4, 1}, 0},  // past the deleted date
        {{"X.SCH", "04/03/99", 1, 1, 1, 5}, {0, 0}, 0},  // the schedule is complete
    };
    for (const auto& c : cases) {
        const SchedulePosition p = PositionSchedule(f, {}, &c.restart);
        EXPECT_FALSE(p.restartMissing);
        EXPECT_EQ(p.cursor, c.cursor) << c.restart.date << " " << c.restart.slot;
        EXPECT_EQ(p.gamesPlayed, c.played);
    }
    const RestartRecord elsewhere{"X.SCH", "09/09/99", 1, 0, 1, 0};
    EXPECT_TRUE(PositionSchedule(f, {}, &elsewhere).restartMissing);
}

TEST(SchedulePosition, SameDateInTwoRecordsUsesTheSavedRecord) {
    const ScheduleFile f = Build(
        210, {{"04/01/99", {{"A", "B", ""}, {"C", "D", ""}}}, {"04/01/99", {{"E", "F", ""}}}});
    const RestartRecord r{"X.SCH", "04/01/99", 1, 0, 1, 0};
    EXPECT_EQ(PositionSchedule(f, {}, &r, 3).cursor, (ScheduleCursor{3, 1}));
    EXPECT_EQ(PositionSchedule(f, {}, &r, 0).cursor, (ScheduleCursor{2, 1}));
}

TEST(ScheduleOptions, SlotOptionStrings) {
    RunSettings s;
    parseOptionString("xx /V:TIGERS.DAT/H:CUBS", s);
    EXPECT_EQ(s.visitor, "TIGERS");
    EXPECT_EQ(s.home, "CUBS");
    parseOptionString("/N:3 /vm:+", s);
    EXPECT_EQ(s.games, 3);
    EXPECT_EQ(s.userManagedTeams, std::vector<std::string>{"TIGERS"});
    parseOptionString("/H:METS", s);
    EXPECT_EQ(s.games, 1);
    EXPECT_EQ(s.userManagedTeams, std::vector<std::string>{"TIGERS"}) << "stays managed";
    parseOptionString("/V:TIGERS /vm:-", s);
    EXPECT_TRUE(s.userManagedTeams.empty());
    parseOptionString("/LEAGUE:n /TEAM:cubs.dat /FROM:04-01-99 /TO:04.30.99", s);
    EXPECT_EQ(s.filterLeague, "N");
    EXPECT_EQ(s.filterTeam, "CUBS");
    EXPECT_EQ(s.filterFrom, "04/01/99");
    EXPECT_EQ(s.filterTo, "04/30/99");
}

TEST(ScheduleDays, DayNumbers) {
    EXPECT_EQ(ScheduleDayNumber("03/01/99"), 60);
    EXPECT_EQ(ScheduleDayNumber("03/01/00"), 60);
    EXPECT_EQ(*ScheduleDayNumber("01/02/00") - *ScheduleDayNumber("12/30/99"), -362);
    EXPECT_EQ(DaysBetween(*ScheduleDayNumber("12/30/99"), *ScheduleDayNumber("01/02/00")), 3);
}

TEST(ScheduleCsv, ConvertsAndNamesBadLines) {
    std::istringstream sheet(
        "Date,Visitor,Home,Options\n2099-04-01,tigers.dat,CUBS,/N:2\n04/02/99,A,B\n");
    const CsvSchedule made = ScheduleFromCsv(sheet);
    ASSERT_EQ(made.problem, "");
    const ScheduleFile f = ParseSchedule(made.bytes);
    EXPECT_EQ(f.recordCount(), 3);
    EXPECT_EQ(f.date(2), "04/01/99");
    EXPECT_EQ(f.slot(2, 1).visitor, "TIGERS");
    EXPECT_EQ(CountScheduleGames(f, {}), 3);

    std::string many;
    for (int i = 0; i < 17; ++i) many += "04/01/99,A" + std::to_string(i) + ",B\n";
    std::istringstream big(many);
    const ScheduleFile two = ParseSchedule(ScheduleFromCsv(big).bytes);
    EXPECT_EQ(two.recordCount(), 3) << "16th game continues in a second record";
    EXPECT_EQ(two.date(3), "04/01/99");
    EXPECT_EQ(two.slot(3, 2).visitor, "A16");

    const struct {
        const char* text;
        const char* problem;
    } bad[] = {
        {"04/01/99,A,B\n04/31/9,A,B\n", "line 2: the date"},
        {"04/01/99,A\n", "line 1: expected"},
        {"\n04/01/99,TOOLONGNAME,B\n", "line 2: the visitor"},
        {"04/01/99,A,B,/N:3 /DH:Y /X:Y\n", "line 1: the options"},
    };
    for (const auto& b : bad) {
        std::istringstream in(b.text);
        EXPECT_EQ(ScheduleFromCsv(in).problem.rfind(b.problem, 0), 0u) << b.text;
    }
}

}  // namespace
}  // namespace vrk
