#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "managers/rotation.h"
#include "managers/rotation_file.h"
#include "managers/spot_starter.h"
#include "managers/starter_pick.h"
#include "managers_test_support.h"

namespace vrk {
namespace {

using mgrtest::BuildTeam;
using mgrtest::RecordingErrors;

std::vector<int> Starts(Team& team, const std::string& method, int games,
                        RotationTable* kept = nullptr) {
    RotationTable fresh;
    RotationTable& table = kept ? *kept : fresh;
    Rng rng(7);
    RecordingErrors errors;
    std::vector<int> starters;
    for (int g = 0; g < games; ++g) {
        starters.push_back(AutoPitcher(table, team, method, true, false, rng, errors));
    }
    EXPECT_TRUE(errors.faults.empty());
    return starters;
}

TEST(Rotation, MethodsPickWithinTheStaff) {
    // Staff size (from entry 10), method, the starters of successive games. Out-of-range
    // or missing counts mean five; "03" is rotation position 3, "A" number 10, "C" 12; a
    // position beyond a small staff never names a bench player.
    // clang-format off
    const std::tuple<int, const char*, std::vector<int>> cases[] = {
        {7, "S5", {10, 11, 12, 13, 14, 10, 11}}, {3, "S5", {10, 11, 12, 10, 11}},
        {9, "S9", {10, 11, 12, 13, 14, 10}},     {9, "S", {10, 11, 12, 13, 14, 10}},
        {9, "S2", {10, 11, 10}}, {12, "12", {21}}, {12, "7", {16}}, {12, "7x", {16}},
        {12, "03", {12}}, {12, "A", {19}}, {12, "C ", {21}}, {11, "12", {10}}, {11, "J", {10}},
        {3, "5", {10}}};
    // clang-format on
    Team team;
    for (const auto& [pitchers, method, starts] : cases) {
        BuildTeam(team, "TIGERS.DAT", pitchers);
        EXPECT_EQ(Starts(team, method, static_cast<int>(starts.size())), starts) << method;
    }
    BuildTeam(team, "TIGERS.DAT", 9);
    std::vector<int> random = Starts(team, "R3", 300);
    EXPECT_EQ(std::set<int>(random.begin(), random.end()), (std::set<int>{10, 11, 12}));
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
    EXPECT_EQ(std::tuple(r.teamKey, r.spotStarterMark, r.turn),
              std::tuple(std::string("TIGERS.DAT  "), 'Y', 2));
    EXPECT_EQ(AutoPitcher(table, team, "7", true, true, rng, errors), 16);
    EXPECT_TRUE(errors.faults.empty());

    EXPECT_EQ(AutoPitcher(table, team, "  ", true, false, rng, errors), 10);
    EXPECT_EQ(AutoPitcher(table, team, "X5", true, false, rng, errors), 10);
    RotationTable full;
    full.records.resize(kMaxRotationRecords);
    EXPECT_EQ(AutoPitcher(full, team, "S5", true, false, rng, errors), 10);
    EXPECT_EQ(full.records.size(), kMaxRotationRecords);
    EXPECT_EQ(errors.faults, (std::vector<std::string>{
                                 "AutoPitcher ERROR: No Rotation Method: |  ",
                                 "SUB AutoPitcher ERROR: Invalid Method: |X5",
                                 " SUB AutoPitcher ERROR: Rotation List Full. |TIGERS.DAT  "}));
}

// A team is found by its file name as the key keeps it: upper case, cut or
// padded to the key's width; a name that is only the start of a key is another team.
TEST(Rotation, RecordsAreFoundByTheKeptKey) {
    RotationTable table;
    for (const char* name : {"CAMHAVEN", "camhav", "LONGERNAMEOFTEAM"}) {
        table.records.emplace_back();
        table.records.back().teamKey = RotationKey(name);
    }
    EXPECT_EQ(table.find("camhaven"), &table.records[0]);
    EXPECT_EQ(table.find("CAMHAV"), &table.records[1]);
    EXPECT_EQ(table.find("LONGERNAMEOFANOTHER"), &table.records[2]);
    EXPECT_EQ(table.find("CAMHAVENS"), nullptr);
    EXPECT_EQ(table.find(""), nullptr);
}

TEST(Rotation, SpotStarterReplacesByShareOfStarts) {
    Team team;
    BuildTeam(team, "TIGERS.DAT", 8);
    RotationRecord record;
    for (int k = 1; k <= 5; ++k) record.starters[k] = 9 + k;
    // Staff starts: 100; entry 10 made 20 (a fifth), entry 11 made 10 (a tenth).
    int starts[] = {20, 10, 20, 20, 20, 6, 4, 0};
    for (int i = 0; i < 8; ++i) team.player(10 + i).pitching.gamesStarted = starts[i];
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

    // A rested-out rotation man always yields; a candidate needing rest is
    // redrawn up to four times, then the rotation man starts (0.6^4).
    rules.daysOffRule = rules.statisticsInUse = true;
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
    for (int i = 0; i < 20 && errors.faults.empty(); ++i) {
        ApplySpotStarter(team, nullptr, "S5", 11, rules, rng, errors);
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
    EXPECT_EQ((std::vector<int>{bytes[15], bytes[17], bytes[19]}), (std::vector<int>{3, 10, 12}));
    EXPECT_EQ(std::string(bytes.begin() + 29, bytes.begin() + 41), "YANKEES98.DA");

    RotationTable back;
    EXPECT_EQ(DecodeRotationList(bytes, back), "");
    ASSERT_EQ(back.records.size(), 2u);
    const RotationRecord& r = back.records[0];
    EXPECT_EQ(std::tuple(r.method, r.turn, r.starters, back.records[1].spotStarterMark),
              std::tuple(std::string("R4"), 3, a.starters, ' '));
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

TEST(Rotation, UserPicksBecomeTheRotation) {
    // Picks: repeats and entries off the staff are skipped.
    Team team;
    BuildTeam(team, "CUBS.DAT", 9);  // 10..18
    RotationTable table;
    int picks[] = {17, 12, 17, 40, 15, 11, 13, 10};
    ASSERT_TRUE(SetRotationFromPicks(table, team, picks, false));
    ASSERT_EQ(table.records.size(), 1u);
    EXPECT_EQ(Starts(team, "S5", 6, &table), (std::vector<int>{17, 12, 15, 11, 13, 17}));
    int two[] = {14, 16};
    ASSERT_TRUE(SetRotationFromPicks(table, team, two, false));
    EXPECT_EQ(Starts(team, "S2", 2, &table), (std::vector<int>{14, 16}));
}

}  // namespace
}  // namespace vrk
