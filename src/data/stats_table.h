#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "data/stats_records.h"

namespace vrk {

// A sorted record table of the statistics set, as held in memory. Record 0
// stands for the header; records 1..count are in ascending key order and
// the last of them is the sentinel. Capacity grows by whole chunks, as the
// file sizes it was read from suggest.
template <typename Record>
struct StatsTable {
    std::vector<Record> records;  // size() == count + 1
    int capacity = 0;             // records, header included

    int count() const { return static_cast<int>(records.size()) - 1; }
    Record& at(int n) { return records[static_cast<std::size_t>(n)]; }
    const Record& at(int n) const { return records[static_cast<std::size_t>(n)]; }
};

using BattingTable = StatsTable<BattingRecord>;
using PitchingTable = StatsTable<PitchingRecord>;
using FieldingTable = StatsTable<FieldingRecord>;

// record = 0 when the key is absent; insertAt is where it would go.
struct FindResult {
    int record = 0;
    int insertAt = 1;
};

// A table of one chunk holding only the header and the sentinel.
template <typename Record>
StatsTable<Record> NewStatsTable() {
    StatsTable<Record> table;
    table.capacity = Record::kChunk;
    table.records.reserve(static_cast<std::size_t>(table.capacity));
    table.records.emplace_back();
    Record sentinel;
    sentinel.key = SentinelKey();
    table.records.push_back(sentinel);
    return table;
}

// Binary search over records 1..count.
template <typename Record>
FindResult FindRecord(const StatsTable<Record>& table, const PlayerKey& key) {
    int low = 1;
    int high = table.count();
    while (low <= high) {
        int mid = (low + high) / 2;
        int c = CompareKeys(table.at(mid).key, key);
        if (c == 0) return {mid, mid};
        if (c > 0) {
            high = mid - 1;
        } else {
            low = mid + 1;
        }
    }
    return {0, low};
}

// A zeroed record with the key and hand letter at `position`; the records
// from there on move up by one.
template <typename Record>
Record& InsertRecord(StatsTable<Record>& table, const PlayerKey& key, char hand, int position) {
    if (table.count() >= table.capacity) {
        table.capacity += Record::kChunk;
        table.records.reserve(static_cast<std::size_t>(table.capacity));
    }
    Record fresh;
    fresh.key = key;
    fresh.hand = hand;
    auto at = table.records.begin() + position;
    return *table.records.insert(at, fresh);
}

template <typename Record>
Record& FindOrInsert(StatsTable<Record>& table, const PlayerKey& key, char hand) {
    FindResult found = FindRecord(table, key);
    if (found.record != 0) return table.at(found.record);
    return InsertRecord(table, key, hand, found.insertAt);
}

}  // namespace vrk

namespace vrk {

// What reading a table file found. problem is empty when the bytes make a
// sound table; otherwise it says what is wrong and `table` is unusable.
template <typename Record>
struct TableLoad {
    StatsTable<Record> table;
    std::int32_t gameCounter = 0;  // header field (batting file)
    std::string problem;
    bool ok() const { return problem.empty(); }
};

// A table from the bytes of its file. The size must be a whole number of
// records, at least the header and the sentinel; the header count must
// match the records present; the keys must ascend strictly and end with
// the sentinel.
template <typename Record>
TableLoad<Record> ParseStatsTable(std::span<const std::uint8_t> bytes);

// Header and records 1..count, ready to be written from the first byte on.
// The game counter goes into the header of the batting file only.
template <typename Record>
std::vector<std::uint8_t> SerializeStatsTable(const StatsTable<Record>& table,
                                              std::int32_t gameCounter);

}  // namespace vrk
