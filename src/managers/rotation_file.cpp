// The 29-byte rotation records of a schedule replay's restart data.
#include "managers/rotation_file.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/le_record.h"

namespace vrk {

namespace {

constexpr std::size_t kKeyOffset = 0;
constexpr std::size_t kMethodOffset = 12;
constexpr std::size_t kSpotOffset = 14;
constexpr std::size_t kTurnOffset = 15;
constexpr std::size_t kStartersOffset = 17;
constexpr std::size_t kReservedOffset = 27;

std::int16_t Clamp16(int v) {
    return static_cast<std::int16_t>(std::clamp(v, -32768, 32767));
}

}  // namespace

void EncodeRotationRecord(const RotationRecord& record, std::span<std::uint8_t> bytes) {
    RecordWriter w(bytes.first(kRotationRecordSize));
    w.putText(kKeyOffset, kRotationKeyWidth, record.teamKey);
    w.putText(kMethodOffset, 2, record.method);
    w.putText(kSpotOffset, 1, std::string(1, record.spotStarterMark));
    w.putInt16(kTurnOffset, Clamp16(record.turn));
    for (std::size_t k = 1; k <= 5; ++k) {
        w.putInt16(kStartersOffset + 2 * (k - 1), Clamp16(record.starters[k]));
    }
    w.putInt16(kReservedOffset, 0);
}

RotationRecord DecodeRotationRecord(std::span<const std::uint8_t> bytes) {
    RecordReader r(bytes.first(kRotationRecordSize));
    RotationRecord record;
    record.teamKey = r.text(kKeyOffset, kRotationKeyWidth);
    record.method = r.text(kMethodOffset, 2);
    record.spotStarterMark = r.text(kSpotOffset, 1)[0];
    record.turn = r.int16(kTurnOffset);
    for (std::size_t k = 1; k <= 5; ++k) {
        record.starters[k] = r.int16(kStartersOffset + 2 * (k - 1));
    }
    return record;
}

std::vector<std::uint8_t> EncodeRotationList(const RotationTable& table) {
    std::vector<std::uint8_t> bytes(table.records.size() * kRotationRecordSize);
    for (std::size_t i = 0; i < table.records.size(); ++i) {
        EncodeRotationRecord(table.records[i], std::span(bytes).subspan(i * kRotationRecordSize));
    }
    return bytes;
}

std::string DecodeRotationList(std::span<const std::uint8_t> bytes, RotationTable& table) {
    if (bytes.size() % kRotationRecordSize != 0) {
        return "The rotation file is not a whole number of 29-byte records.";
    }
    std::size_t count = std::min(bytes.size() / kRotationRecordSize, kMaxRotationRecords);
    std::vector<RotationRecord> records;
    records.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        records.push_back(DecodeRotationRecord(bytes.subspan(i * kRotationRecordSize)));
    }
    table.records = std::move(records);
    return {};
}

std::string ReadRotationFile(const std::string& path, RotationTable& table) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return "Cannot open the rotation file " + path + ".";
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                    std::istreambuf_iterator<char>());
    if (in.bad()) return "Cannot read the rotation file " + path + ".";
    std::string error = DecodeRotationList(bytes, table);
    return error.empty() ? error : error + " (" + path + ")";
}

std::string WriteRotationFile(const std::string& path, const RotationTable& table) {
    std::vector<std::uint8_t> bytes = EncodeRotationList(table);
    std::string temp = path + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return "Cannot write the rotation file " + path + ".";
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::remove(temp.c_str());
            return "Cannot write the rotation file " + path + ".";
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, path, ec);
    if (ec) {
        std::remove(temp.c_str());
        return "Cannot replace the rotation file " + path + ".";
    }
    return {};
}

}  // namespace vrk
