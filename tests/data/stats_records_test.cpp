#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <utility>
#include <vector>

#include <string>
#include "core/text_fields.h"
#include "data/stats_records.h"
#include "data/stats_table.h"

namespace vrk {
namespace {

void put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}

void putText(std::vector<std::uint8_t>& b, std::size_t at, const std::string& s) {
    std::memcpy(b.data() + at, s.data(), s.size());
}

std::int32_t get32(const std::vector<std::uint8_t>& b, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | b[at + static_cast<std::size_t>(i)];
    return static_cast<std::int32_t>(v);
}

const std::string kKeyText = "AHawks       Marsh, Tom      ";

TEST(StatsRecords, PlayerKeyIsLeagueTeamAndNamePaddedOrCut) {
    PlayerKey k = MakePlayerKey('A', "Hawks", "Marsh, Tom");
    EXPECT_EQ(k.view(), kKeyText);
    PlayerKey cut = MakePlayerKey('N', "Philadelphia Phils", "Abcdefghijklmnopqrstu");
    EXPECT_EQ(cut.view(), "NPhiladelphiaAbcdefghijklmnop");
    EXPECT_EQ(SentinelKey().view(), std::string(29, 'Z'));
    // Compared as unsigned bytes: a code-page-437 letter sorts after 'Z'.
    EXPECT_LT(CompareKeys(MakePlayerKey('A', "X", "Zz"), MakePlayerKey('A', "X", "\x81z")), 0);
    EXPECT_LT(CompareKeys(MakePlayerKey('A', "Hawks", "Marsh"), SentinelKey()), 0);
    EXPECT_EQ(CompareKeys(k, MakePlayerKey('A', "Hawks", "Marsh, Tom")), 0);
}

// Keys that differ in one byte, at every position (the comparison reads them
// in overlapping words): the order is the unsigned byte order wherever the
// difference falls, and the bytes after it never decide.
TEST(StatsRecords, KeysOrderByTheirFirstDifferingByteAtEveryPosition) {
    const std::array<std::pair<unsigned char, unsigned char>, 4> pairs{
        {{' ', 'A'}, {0x7F, 0x80}, {'Z', 0x81}, {0x00, 0xFF}}};
    for (std::size_t at = 0; at < kPlayerKeySize; ++at) {
        for (const auto& [low, high] : pairs) {
            PlayerKey a = MakePlayerKey('A', "Hawks", "Marsh, Tom");
            PlayerKey b = a;
            a.bytes[at] = static_cast<char>(low);
            b.bytes[at] = static_cast<char>(high);
            // A later byte pulling the other way must not count.
            if (at + 1 < kPlayerKeySize) {
                a.bytes[at + 1] = 'z';
                b.bytes[at + 1] = 'a';
            }
            EXPECT_EQ(CompareKeys(a, b), -1) << "byte " << at;
            EXPECT_EQ(CompareKeys(b, a), 1) << "byte " << at;
            EXPECT_EQ(CompareKeys(b, b), 0) << "byte " << at;
        }
    }
}

TEST(StatsRecords, BattingHandBuiltBytesDecodeFieldByField) {
    std::vector<std::uint8_t> b(162, 0);
    putText(b, 0, kKeyText);
    b[29] = 'L';
    for (std::size_t off = 30; off < 162; off += 4) put32(b, off, static_cast<std::uint32_t>(off));
    put32(b, 146, 0xFFFFFFFE);  // -2: two's complement
    BattingRecord r = DecodeBatting(b);
    EXPECT_EQ(r.key.view(), kKeyText);
    EXPECT_EQ(r.hand, 'L');
    EXPECT_EQ(r.lastGame, 30);
    EXPECT_EQ(r.games, 34);
    EXPECT_EQ(r.atBats, (SplitCount{38, 42, 46}));
    EXPECT_EQ(r.hits, (SplitCount{54, 58, 62}));
    EXPECT_EQ(r.doubles, (SplitCount{70, 74, 78}));
    EXPECT_EQ(r.triples, (SplitCount{82, 86, 90}));
    EXPECT_EQ(r.homeRuns, (SplitCount{94, 98, 102}));

    EXPECT_EQ(r.walks, (SplitCount{114, 118, 122}));

    EXPECT_EQ(r.strikeouts, (SplitCount{130, 134, 138}));
    EXPECT_EQ(std::vector({r.runs, r.runsBattedIn, r.stolenBases, r.caughtStealing, r.hitByPitch,
                           r.errors, r.hitStreak, r.groundedIntoDoublePlays, r.sacrificeHits,
                           r.sacrificeFlies}),
              std::vector({50, 66, 106, 110, 126, 142, -2, 150, 154, 158}));
    std::vector<std::uint8_t> again(162, 0xAA);
    EncodeBatting(r, again);
    EXPECT_EQ(again, b);
}

TEST(StatsRecords, PitchingHandBuiltBytesDecodeFieldByField) {
    std::vector<std::uint8_t> b(126, 0);
    putText(b, 0, kKeyText);
    b[29] = 'R';
    for (std::size_t off = 30; off < 126; off += 4) put32(b, off, static_cast<std::uint32_t>(off));
    PitchingRecord p = DecodePitching(b);
    EXPECT_EQ(p.hand, 'R');
    const std::int32_t got[] = {
        p.lastGame,     p.games,          p.gamesStarted,  p.completeGames,   p.shutouts,
        p.innings,      p.extraOuts,      p.runs,          p.earnedRuns,      p.hits,
        p.doubles,      p.triples,        p.homeRuns,      p.walks,           p.hitBatsmen,
        p.strikeouts,   p.wins,           p.losses,        p.saves,           p.blownSaves,
        p.battersFaced, p.restDaysNeeded, p.lastDayNumber, p.consecutiveGames};
    std::int32_t offset = 30;
    for (std::int32_t v : got) {
        EXPECT_EQ(v, offset);
        offset += 4;
    }
    EXPECT_EQ(offset, 126);
    std::vector<std::uint8_t> again(126);
    EncodePitching(p, again);
    EXPECT_EQ(again, b);
}

TEST(StatsRecords, FieldingHandBuiltBytesDecodeFieldByField) {
    std::vector<std::uint8_t> b(202, 0);
    putText(b, 0, kKeyText);
    b[29] = 'S';
    for (std::size_t off = 30; off < 202; off += 4) put32(b, off, static_cast<std::uint32_t>(off));
    FieldingRecord f = DecodeFielding(b);
    EXPECT_EQ(f.hand, 'S');
    EXPECT_EQ(std::vector({f.games, f.gamesAt[1], f.gamesAt[12], f.errorsAt[1], f.errorsAt[10],
                           f.assistsAt[1], f.assistsAt[10], f.putoutsAt[1], f.putoutsAt[10]}),
              std::vector({30, 34, 78, 82, 118, 122, 158, 162, 198}));
    std::vector<std::uint8_t> again(202);
    EncodeFielding(f, again);
    EXPECT_EQ(again, b);
}

TEST(StatsRecords, GameRecordLayoutAndBlankSave) {
    GameRecord g;
    g.visitors = {'A', 'E', "Hawks", 5, 9, 1, 7, 2};
    g.home = {'N', 'W', "Owls", 4, 8, 0, 6, 1};
    g.winningPitcher = "Marsh, Tom";
    g.losingPitcher = "A very long pitcher name";
    std::vector<std::uint8_t> b(112, 0xAA);
    EncodeGame(g, b);
    EXPECT_EQ(std::string(b.begin(), b.begin() + 14), "AEHawks       ");
    for (auto [at, v] : {std::pair{14, 5}, {18, 9}, {22, 1}, {26, 7}, {30, 2}, {48, 4}, {64, 1}})
        EXPECT_EQ(get32(b, std::size_t(at)), v) << at;
    EXPECT_EQ(std::string(b.begin() + 34, b.begin() + 48), "NWOwls        ");
    EXPECT_EQ(std::string(b.begin() + 68, b.begin() + 82), "Marsh, Tom    ");
    EXPECT_EQ(std::string(b.begin() + 82, b.begin() + 96), "A very long pi");
    EXPECT_EQ(std::string(b.begin() + 96, b.begin() + 110), std::string(14, ' '));
    EXPECT_EQ(b[110] | b[111], 0);
    GameRecord back = DecodeGame(b);
    EXPECT_EQ(back.visitors.teamName, "Hawks       ");
    EXPECT_EQ(back.home.doublePlays, 1);
    EXPECT_EQ(back.losingPitcher, "A very long pi");
}

TEST(StatsRecords, HeaderHoldsCountAndOnlyTheBattingFileTheGameCounter) {
    std::vector<std::uint8_t> b(162, 0xAA), expected(162, 0);
    EncodeHeader({7, 1234}, true, b);
    put32(expected, 30, 7);
    put32(expected, 34, 1234);
    EXPECT_EQ(b, expected);
    EXPECT_EQ(DecodeHeader(b).count, 7);
    EXPECT_EQ(DecodeHeader(b).gameCounter, 1234);
    std::vector<std::uint8_t> p(126, 0xAA);
    EncodeHeader({3, 99}, false, p);
    EXPECT_EQ(get32(p, 30), 3);
    EXPECT_EQ(get32(p, 34), 0);
}

TEST(StatsRecords, WrongSizedBuffersAreRefused) {
    std::vector<std::uint8_t> shortRecord(161);
    EXPECT_THROW(DecodeBatting(shortRecord), std::invalid_argument);
    EXPECT_THROW(EncodePitching(PitchingRecord{}, shortRecord), std::invalid_argument);
    EXPECT_THROW(DecodeGame(shortRecord), std::invalid_argument);
}

PlayerKey Key(const std::string& name) {
    return MakePlayerKey('A', "Hawks", name);
}

TEST(StatsTable, InsertKeepsKeyOrderAndSearchFindsEveryRecord) {
    BattingTable t = NewStatsTable<BattingRecord>();
    EXPECT_EQ(FindRecord(t, Key("Nobody")).insertAt, 1);  // before the sentinel
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
        PitchingRecord& r = FindOrInsert(t, Key(concat({"P", std::to_string(1000 + i)})), 'R');
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
