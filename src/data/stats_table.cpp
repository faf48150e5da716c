#include "data/stats_table.h"

#include <type_traits>

namespace vrk {

template <typename Record>
TableLoad<Record> ParseStatsTable(std::span<const std::uint8_t> bytes) {
    TableLoad<Record> load;
    const std::size_t size = Record::kSize;
    if (bytes.size() % size != 0) {
        load.problem = "its size (" + std::to_string(bytes.size()) +
                       " bytes) is not a whole number of " + std::to_string(size) + "-byte records";
        return load;
    }
    const std::size_t n = bytes.size() / size;
    if (n < 2) {
        load.problem = n == 0 ? "it is empty" : "it holds a header but no records";
        return load;
    }
    TableHeader header = DecodeHeader(bytes.first(size));
    if (header.count < 0 || static_cast<std::size_t>(header.count) != n - 1) {
        load.problem = "its header counts " + std::to_string(header.count) +
                       " records but the file holds " + std::to_string(n - 1);
        return load;
    }
    load.gameCounter = header.gameCounter;
    StatsTable<Record>& table = load.table;
    table.capacity = static_cast<int>(1 + n / Record::kChunk) * Record::kChunk;
    table.records.reserve(static_cast<std::size_t>(table.capacity));
    table.records.emplace_back();
    for (std::size_t i = 1; i < n; ++i) {
        table.records.push_back(Decode<Record>(bytes.subspan(i * size, size)));
        if (i > 1 && CompareKeys(table.records[i - 1].key, table.records[i].key) >= 0) {
            load.problem = "its records are not in key order (record " + std::to_string(i) + ")";
            return load;
        }
    }
    if (!(table.records.back().key == SentinelKey())) {
        load.problem = "its last record is not the end marker";
        return load;
    }
    return load;
}

template <typename Record>
std::vector<std::uint8_t> SerializeStatsTable(const StatsTable<Record>& table,
                                              std::int32_t gameCounter) {
    const std::size_t size = Record::kSize;
    std::vector<std::uint8_t> bytes(size * table.records.size());
    std::span<std::uint8_t> all(bytes);
    EncodeHeader({table.count(), gameCounter}, std::is_same_v<Record, BattingRecord>,
                 all.first(size));
    for (std::size_t i = 1; i < table.records.size(); ++i)
        Encode(table.records[i], all.subspan(i * size, size));
    return bytes;
}

template TableLoad<BattingRecord> ParseStatsTable<BattingRecord>(std::span<const std::uint8_t>);
template TableLoad<PitchingRecord> ParseStatsTable<PitchingRecord>(std::span<const std::uint8_t>);
template TableLoad<FieldingRecord> ParseStatsTable<FieldingRecord>(std::span<const std::uint8_t>);
template std::vector<std::uint8_t> SerializeStatsTable(const BattingTable&, std::int32_t);
template std::vector<std::uint8_t> SerializeStatsTable(const PitchingTable&, std::int32_t);
template std::vector<std::uint8_t> SerializeStatsTable(const FieldingTable&, std::int32_t);

}  // namespace vrk
