#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "data/stats_records.h"
#include "data/stats_table.h"

namespace vrk {

// No count of a real set comes near this, and a game added to it cannot
// reach the 32-bit limit: a value beyond it (or below 0) marks damage.
inline constexpr std::int32_t kMostRecordedCount = 1'000'000'000;

// The first record (1-based, as in the file) holding a count below 0 or
// beyond kMostRecordedCount, with the field; nothing when all are in range.
std::optional<std::string> damagedRecord(const BattingTable& table);
std::optional<std::string> damagedRecord(const PitchingTable& table);
std::optional<std::string> damagedRecord(const FieldingTable& table);

// Whether a games-file record can be a game: league letters and team names
// of printable text, figures a game can have.
bool plausibleGame(const GameRecord& game);

}  // namespace vrk
