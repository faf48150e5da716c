#include <gtest/gtest.h>

#include <string>

#include "data/stats_table.h"

namespace vrk {
namespace {

PlayerKey Key(const std::string& name) {
    return MakePlayerKey('A', "Hawks", name);
}

TEST(StatsTable, NewTableHoldsHeaderAndSentinelInOneChunk) {
    PitchingTable t = NewStatsTable<PitchingRecord>();
    EXPECT_EQ(t.count(), 1);
    EXPECT_EQ(t.capacity, 540);
    EXPECT_EQ(t.at(1).key, SentinelKey());
    FindResult absent = FindRecord(t, Key("Nobody"));
    EXPECT_EQ(absent.record, 0);
    EXPECT_EQ(absent.insertAt, 1);
}

TEST(StatsTable, InsertKeepsKeyOrderAndSearchFindsEveryRecord) {
    BattingTable t = NewStatsTable<BattingRecord>();
    const char* names[] = {"Mays", "Aaron", "Ruth", "Zimmer", "Banks", "Cobb", "Aaron"};
    for (const char* n : names) FindOrInsert(t, Key(n), 'R');
    ASSERT_EQ(t.count(), 7);  // six players and the sentinel; the second Aaron found the first
    for (int i = 2; i <= t.count(); ++i) EXPECT_LT(CompareKeys(t.at(i - 1).key, t.at(i).key), 0);
    EXPECT_EQ(t.at(t.count()).key, SentinelKey());
    for (const char* n : names) {
        FindResult f = FindRecord(t, Key(n));
        ASSERT_NE(f.record, 0) << n;
        EXPECT_EQ(t.at(f.record).key, Key(n));
    }
    FindResult between = FindRecord(t, Key("Bonds"));
    EXPECT_EQ(between.record, 0);
    EXPECT_EQ(between.insertAt, 3);  // after Aaron and Banks
    BattingRecord& fresh = InsertRecord(t, Key("Bonds"), 'L', between.insertAt);
    EXPECT_EQ(fresh.hand, 'L');
    EXPECT_EQ(fresh.games, 0);
    EXPECT_EQ(t.at(3).key, Key("Bonds"));
}

TEST(StatsTable, FullTableGrowsByOneChunkKeepingItsRecords) {
    PitchingTable t = NewStatsTable<PitchingRecord>();
    for (int i = 0; i < 539; ++i) {
        PitchingRecord& r = FindOrInsert(t, Key("P" + std::to_string(1000 + i)), 'R');
        r.wins = i;
    }
    EXPECT_EQ(t.count(), 540);
    EXPECT_EQ(t.capacity, 540);
    FindOrInsert(t, Key("Q"), 'R');
    EXPECT_EQ(t.capacity, 1080);
    EXPECT_EQ(t.at(FindRecord(t, Key("P1500")).record).wins, 500);
}

TEST(StatsTable, SerializedTableParsesBackWithCapacityByChunks) {
    BattingTable t = NewStatsTable<BattingRecord>();
    FindOrInsert(t, Key("Mays"), 'R').hits.total = 3;
    FindOrInsert(t, Key("Aaron"), 'R').homeRuns.total = 2;
    std::vector<std::uint8_t> bytes = SerializeStatsTable(t, 41);
    ASSERT_EQ(bytes.size(), 4u * 162);
    TableLoad<BattingRecord> load = ParseStatsTable<BattingRecord>(bytes);
    ASSERT_TRUE(load.ok()) << load.problem;
    EXPECT_EQ(load.gameCounter, 41);
    EXPECT_EQ(load.table.count(), 3);
    EXPECT_EQ(load.table.capacity, 1020);
    EXPECT_EQ(load.table.records, t.records);
}

}  // namespace
}  // namespace vrk
