#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "managers/rotation.h"

namespace vrk {

// The rotation list as a schedule replay keeps it (".ROT"): fixed 29-byte
// records, little-endian, no separators.
//
//   offset  width  field
//    0      12     team key (file name, blank-padded)
//   12       2     method (blank when none)
//   14       1     spot-starter mark ('Y' or blank)
//   15       2     turn, int16
//   17      10     starters at positions 1..5, 5 x int16
//   27       2     reserved, written as zero and ignored on reading
inline constexpr std::size_t kRotationRecordSize = 29;

void EncodeRotationRecord(const RotationRecord& record, std::span<std::uint8_t> bytes);
RotationRecord DecodeRotationRecord(std::span<const std::uint8_t> bytes);

std::vector<std::uint8_t> EncodeRotationList(const RotationTable& table);
// Replaces the table's records. Returns an error text (empty on success) when
// the size is not a whole number of records; the table is then left as it was.
// Records beyond the table's limit are dropped.
std::string DecodeRotationList(std::span<const std::uint8_t> bytes, RotationTable& table);

// File forms of the two above. Writing goes through a temporary file in the
// same folder that is renamed over the old one.
std::string ReadRotationFile(const std::string& path, RotationTable& table);
std::string WriteRotationFile(const std::string& path, const RotationTable& table);

}  // namespace vrk
