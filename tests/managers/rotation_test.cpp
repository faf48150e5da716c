#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "managers/rest_days.h"
#include "managers/rotation.h"
#include "managers/rotation_dialog.h"
#include "managers/rotation_file.h"
#include "managers/spot_starter.h"
#include "managers/starter_pick.h"
#include "managers_test_support.h"

namespace vrk {
namespace {

using mgrtest::BuildTeam;
using mgrtest::RecordingErrors;

std::vector<int> Starts(Team& team, const std::string& method, int games, std::uint64_t seed = 7) {
    RotationTable table;
    Rng rng(seed);
    RecordingErrors errors;
    std::vector<int> starters;
    for (int g = 0; g < games; ++g) {
        starters.push_back(AutoPitcher(table, team, method, true, false, rng, errors));
    }
    EXPECT_TRUE(errors.faults.empty());
    return starters;
}

TEST(Rotation, SequentialRotationIsLimitedByTheStaff) {
    Team team;
    BuildTeam(team, "TIGERS.DAT", 7);
    EXPECT_EQ(Starts(team, "S5", 7), (std::vector<int>{10, 11, 12, 13, 14, 10, 11}));
    BuildTeam(team, "TIGERS.DAT", 3);
    EXPECT_EQ(Starts(team, "S5", 5), (std::vector<int>{10, 11, 12, 10, 11}));
    // Out-of-range and missing counts mean five.
    BuildTeam(team, "TIGERS.DAT", 9);
    EXPECT_EQ(Starts(team, "S9", 6), (std::vector<int>{10, 11, 12, 13, 14, 10}));
    EXPECT_EQ(Starts(team, "S", 6), (std::vector<int>{10, 11, 12, 13, 14, 10}));
    EXPECT_EQ(Starts(team, "S2", 3), (std::vector<int>{10, 11, 10}));
}

TEST(Rotation, RandomRotationStaysWithinItsFirstPositions) {
    Team team;
    BuildTeam(team, "TIGERS.DAT", 9);
    std::vector<int> starts = Starts(team, "R3", 300);
    std::set<int> seen(starts.begin(), starts.end());
    EXPECT_EQ(seen, (std::set<int>{10, 11, 12}));
}

TEST(Rotation, FixedPitcherMethods) {
    Team team;
    BuildTeam(team, "TIGERS.DAT", 12);  // entries 10..21
    EXPECT_EQ(Starts(team, "12", 1)[0], 21);
    EXPECT_EQ(Starts(team, "7", 1)[0], 16);
    EXPECT_EQ(Starts(team, "7x", 1)[0], 16);
    EXPECT_EQ(Starts(team, "03", 1)[0], 12);  // rotation position 3
    EXPECT_EQ(Starts(team, "A", 1)[0], 19);   // number 10
    EXPECT_EQ(Starts(team, "C ", 1)[0], 21);  // number 12
    BuildTeam(team, "TIGERS.DAT", 11);        // entries 10..20
    EXPECT_EQ(Starts(team, "12", 1)[0], 10);
    EXPECT_EQ(Starts(team, "J", 1)[0], 10);
    // A rotation position beyond a small staff never names a bench player.
    BuildTeam(team, "TIGERS.DAT", 3);
    EXPECT_EQ(Starts(team, "5", 1)[0], 10);
}

TEST(Rotation, RecordsAreCreatedOnceAndErrorsStartEntryTen) {
    Team team;
    BuildTeam(team, "tigers.dat", 7);
    RotationTable table;
    Rng rng(1);
    RecordingErrors errors;
    // Without the set flag the record keeps the method it was created with.
    EXPECT_EQ(AutoPitcher(table, team, "S5", false, true, rng, errors), 10);
    EXPECT_EQ(AutoPitcher(table, team, "7", false, true, rng, errors), 11);
    ASSERT_EQ(table.records.size(), 1u);
    const RotationRecord& r = table.records[0];
    EXPECT_EQ(r.teamKey, "TIGERS.DAT  ");
    EXPECT_EQ(r.spotStarterMark, 'Y');
    EXPECT_EQ(r.turn, 2);
    EXPECT_EQ(AutoPitcher(table, team, "7", true, true, rng, errors), 16);
    EXPECT_TRUE(errors.faults.empty());

    EXPECT_EQ(AutoPitcher(table, team, "  ", true, false, rng, errors), 10);
    EXPECT_EQ(AutoPitcher(table, team, "X5", true, false, rng, errors), 10);
    ASSERT_EQ(errors.faults.size(), 2u);
    EXPECT_EQ(errors.faults[0], "AutoPitcher ERROR: No Rotation Method: |  ");
    EXPECT_EQ(errors.faults[1], "SUB AutoPitcher ERROR: Invalid Method: |X5");

    RotationTable full;
    full.records.resize(kMaxRotationRecords);
    EXPECT_EQ(AutoPitcher(full, team, "S5", true, false, rng, errors), 10);
    EXPECT_EQ(errors.faults.back(), " SUB AutoPitcher ERROR: Rotation List Full. |TIGERS.DAT  ");
    EXPECT_EQ(full.records.size(), kMaxRotationRecords);
}

TEST(Rotation, SpotStarterReplacesByShareOfStarts) {
    Team team;
    BuildTeam(team, "TIGERS.DAT", 8);
    RotationRecord record;
    for (int k = 1; k <= 5; ++k) record.starters[static_cast<std::size_t>(k)] = 9 + k;
    // Staff starts: 100; entry 10 made 20 (a fifth), entry 11 made 10 (a tenth).
    int starts[] = {20, 10, 20, 20, 20, 6, 4, 0};
    for (int i = 0; i < 8; ++i) team.player(10 + i).gamesAtPosition[1] = starts[i];
    Rng rng(99);
    RecordingErrors errors;
    SpotStarterRules rules;
    int replacedFifth = 0, replacedTenth = 0, by15 = 0;
    const int runs = 4000;
    for (int i = 0; i < runs; ++i) {
        if (ApplySpotStarter(team, &record, "S5", 10, rules, rng, errors) != 10) ++replacedFifth;
        int pick = ApplySpotStarter(team, &record, "S5", 11, rules, rng, errors);
        if (pick != 11) {
            ++replacedTenth;
            EXPECT_TRUE(pick == 15 || pick == 16) << pick;  // 17 has no starts
            by15 += pick == 15;
        }
    }
    EXPECT_EQ(replacedFifth, 0);
    EXPECT_NEAR(replacedTenth / double(runs), 0.5, 0.04);
    EXPECT_NEAR(by15 / double(replacedTenth), 0.6, 0.05);

    // A rested-out rotation man always yields; candidates who need rest are
    // redrawn up to four draws, after which the rotation man starts after all
    // (here 0.6^4 of the time).
    rules.daysOffRule = true;
    rules.statisticsInUse = true;
    team.player(10).restDaysNeeded = 2;
    team.player(15).restDaysNeeded = 1;
    int kept = 0;
    for (int i = 0; i < runs; ++i) {
        int p = ApplySpotStarter(team, &record, "S5", 10, rules, rng, errors);
        EXPECT_TRUE(p == 16 || p == 10) << p;
        kept += p == 10;
    }
    EXPECT_NEAR(kept / double(runs), 0.1296, 0.02);
    team.player(16).restDaysNeeded = 1;
    EXPECT_EQ(ApplySpotStarter(team, &record, "S5", 10, rules, rng, errors), 10);
    EXPECT_TRUE(errors.faults.empty());

    // Without a record: reported, and nobody is excluded.
    team.player(10).restDaysNeeded = 0;
    rules = {};
    int pick = ApplySpotStarter(team, nullptr, "S5", 11, rules, rng, errors);
    for (int i = 0; i < 20 && pick == 11; ++i) {
        pick = ApplySpotStarter(team, nullptr, "S5", 11, rules, rng, errors);
    }
    ASSERT_FALSE(errors.faults.empty());
    EXPECT_EQ(errors.faults[0], "AutoPit: Spot Starter Error: |TIGERS.DAT");
}

TEST(Rotation, FileRecordsRoundTripAndWrongSizesAreRefused) {
    RotationTable table;
    RotationRecord a;
    a.teamKey = RotationKey("TIGERS.DAT");
    a.method = "R4";
    a.spotStarterMark = 'Y';
    a.turn = 3;
    a.starters = {0, 10, 12, 11, 14, 0};
    RotationRecord b;
    b.teamKey = RotationKey("YANKEES98.DAT");
    b.method = "  ";
    table.records = {a, b};
    std::vector<std::uint8_t> bytes = EncodeRotationList(table);
    ASSERT_EQ(bytes.size(), 58u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 15), "TIGERS.DAT  R4Y");
    EXPECT_EQ(bytes[15], 3);
    EXPECT_EQ(bytes[17], 10);
    EXPECT_EQ(bytes[19], 12);
    EXPECT_EQ(std::string(bytes.begin() + 29, bytes.begin() + 41), "YANKEES98.DA");

    RotationTable back;
    EXPECT_EQ(DecodeRotationList(bytes, back), "");
    ASSERT_EQ(back.records.size(), 2u);
    EXPECT_EQ(back.records[0].method, "R4");
    EXPECT_EQ(back.records[0].turn, 3);
    EXPECT_EQ(back.records[0].starters, a.starters);
    EXPECT_EQ(back.records[1].spotStarterMark, ' ');

    bytes.pop_back();
    EXPECT_NE(DecodeRotationList(bytes, back), "");
    EXPECT_EQ(back.records.size(), 2u);

    auto dir =
        std::filesystem::temp_directory_path() / ("vrk_rotation_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::string path = (dir / "SEASON.ROT").string();
    EXPECT_EQ(WriteRotationFile(path, table), "");
    EXPECT_EQ(std::filesystem::file_size(path), 58u);
    RotationTable read;
    EXPECT_EQ(ReadRotationFile(path, read), "");
    EXPECT_EQ(read.records.size(), 2u);
    EXPECT_NE(ReadRotationFile((dir / "MISSING.ROT").string(), read), "");
    std::filesystem::remove_all(dir);
}

TEST(Rotation, DefaultMethodDialogAndRestDays) {
    EXPECT_TRUE(AcceptRotationDialogField(1, "3"));
    EXPECT_FALSE(AcceptRotationDialogField(1, "6"));
    EXPECT_FALSE(AcceptRotationDialogField(1, "R"));
    EXPECT_TRUE(AcceptRotationDialogField(2, "r"));
    EXPECT_TRUE(AcceptRotationDialogField(2, "4"));
    EXPECT_FALSE(AcceptRotationDialogField(2, "X"));
    EXPECT_FALSE(AcceptRotationDialogField(2, ""));
    EXPECT_TRUE(AcceptRotationDialogField(3, "n"));
    EXPECT_FALSE(AcceptRotationDialogField(3, "YES"));

    RotationSettings settings;
    ApplyRotationDialog({"4", "r", "y"}, RotationDialogExit::Continue, settings);
    EXPECT_EQ(settings.defaultMethod, "R4");
    EXPECT_EQ(settings.spotStarters, 'Y');
    ApplyRotationDialog({"2", "S", "N"}, RotationDialogExit::Abort, settings);
    EXPECT_EQ(settings.defaultMethod, "R4");

    EXPECT_EQ(RestDaysNeeded(std::nullopt, 3), 0);
    EXPECT_EQ(RestDaysNeeded(3, std::nullopt), 3);
    EXPECT_EQ(RestDaysNeeded(9, std::nullopt), 4);
    EXPECT_EQ(RestDaysNeeded(4, 2), 3);  // 4 + 1 - 2
    EXPECT_EQ(RestDaysNeeded(4, 7), 0);
    EXPECT_EQ(RestDaysNeeded(-2, std::nullopt), 0);
}

}  // namespace
}  // namespace vrk

namespace vrk {
namespace {

TEST(Rotation, UserPicksBecomeTheRotation) {
    Team team;
    mgrtest::BuildTeam(team, "CUBS.DAT", 9);  // 10..18
    RotationTable table;
    int picks[] = {17, 12, 17, 40, 15, 11, 13, 10};
    ASSERT_TRUE(SetRotationFromPicks(table, team, picks, false));
    ASSERT_EQ(table.records.size(), 1u);
    EXPECT_EQ(table.records[0].starters, (std::array<int, 6>{0, 17, 12, 15, 11, 13}));
    Rng rng(1);
    mgrtest::RecordingErrors errors;
    std::vector<int> starts;
    for (int i = 0; i < 6; ++i) {
        starts.push_back(AutoPitcher(table, team, "S5", true, false, rng, errors));
    }
    EXPECT_EQ(starts, (std::vector<int>{17, 12, 15, 11, 13, 17}));
    int two[] = {14, 16};
    ASSERT_TRUE(SetRotationFromPicks(table, team, two, false));
    EXPECT_EQ(AutoPitcher(table, team, "S2", true, false, rng, errors), 14);
    EXPECT_EQ(AutoPitcher(table, team, "S2", true, false, rng, errors), 16);

    team.player(12).restDaysNeeded = 1;
    EXPECT_TRUE(StarterNeedsDayOffQuestion(team.player(12), true));
    EXPECT_FALSE(StarterNeedsDayOffQuestion(team.player(12), false));
    EXPECT_FALSE(StarterNeedsDayOffQuestion(team.player(13), true));
    EXPECT_FALSE(StarterAnswerAccepts('n'));
    EXPECT_TRUE(StarterAnswerAccepts('x'));
}

}  // namespace
}  // namespace vrk
