#include "data/schedule_file.h"

#include <algorithm>
#include <cctype>

#include "core/text_fields.h"
#include "data/stats_file_io.h"

namespace vrk {

namespace {

constexpr std::size_t kDateOffset = 2;
constexpr std::size_t kDateWidth = 8;
constexpr std::size_t kFirstSlotOffset = 10;
constexpr std::size_t kStatsSlotsOffset = 18;

std::string FieldText(std::span<const std::uint8_t> record, std::size_t offset, std::size_t width) {
    std::string text(record.begin() + static_cast<std::ptrdiff_t>(offset),
                     record.begin() + static_cast<std::ptrdiff_t>(offset + width));
    return std::string(trimRight(text));
}

void PutField(std::span<std::uint8_t> record, std::size_t offset, std::size_t width,
              std::string_view text) {
    const std::string padded = padRight(text, width);
    std::copy(padded.begin(), padded.end(), record.begin() + static_cast<std::ptrdiff_t>(offset));
}

std::size_t SlotOffset(int k) {
    return kFirstSlotOffset + kScheduleSlotWidth * static_cast<std::size_t>(k - 1);
}

std::string SlotName(const ScheduleFile& file, int k) {
    return upperCase(trim(FieldText(
        file.record(1), kStatsSlotsOffset + kScheduleStatsSlotWidth * static_cast<std::size_t>(k),
        kScheduleStatsSlotWidth)));
}

}  // namespace

int ScheduleFile::recordCount() const {
    return recordLength == 0 ? 0 : static_cast<int>(bytes.size() / recordLength);
}

int ScheduleFile::slotsPerRecord() const {
    return recordLength == kLongScheduleRecord ? 15 : recordLength == kShortScheduleRecord ? 7 : 0;
}

std::span<std::uint8_t> ScheduleFile::record(int n) {
    return std::span<std::uint8_t>(bytes).subspan(static_cast<std::size_t>(n - 1) * recordLength,
                                                  recordLength);
}

std::span<const std::uint8_t> ScheduleFile::record(int n) const {
    return std::span<const std::uint8_t>(bytes).subspan(
        static_cast<std::size_t>(n - 1) * recordLength, recordLength);
}

bool ScheduleFile::deleted(int n) const {
    return record(n)[0] == 'D';
}

std::string ScheduleFile::date(int n) const {
    return FieldText(record(n), kDateOffset, kDateWidth);
}

ScheduleSlot ScheduleFile::slot(int n, int k) const {
    const auto r = record(n);
    const std::size_t at = SlotOffset(k);
    return {FieldText(r, at, kScheduleTeamWidth),
            FieldText(r, at + kScheduleTeamWidth, kScheduleTeamWidth),
            FieldText(r, at + 2 * kScheduleTeamWidth, kScheduleOptionsWidth)};
}

bool ScheduleFile::lastSlotOfDate(int n, int k) const {
    for (int later = k + 1; later <= slotsPerRecord(); ++later) {
        if (!slot(n, later).empty()) return false;
    }
    return true;
}

std::size_t ScheduleRecordLength(std::uintmax_t size) {
    if (size % kLongScheduleRecord == 0) return kLongScheduleRecord;
    if (size % kShortScheduleRecord == 0) return kShortScheduleRecord;
    return 0;
}

ScheduleFile ParseSchedule(std::vector<std::uint8_t> bytes) {
    ScheduleFile file;
    file.recordLength = ScheduleRecordLength(bytes.size());
    file.bytes = std::move(bytes);
    return file;
}

std::optional<ScheduleFile> ReadScheduleFile(const std::string& path) {
    FileBytes read = ReadFileBytes(path);
    if (!read.exists || !read.result.ok) return std::nullopt;
    return ParseSchedule(std::move(read.bytes));
}

std::vector<std::uint8_t> BlankScheduleRecord(std::size_t length, bool header) {
    std::vector<std::uint8_t> record(length, ' ');
    if (header) record[0] = 'D';
    return record;
}

void SetRecordDate(std::span<std::uint8_t> record, std::string_view date) {
    PutField(record, kDateOffset, kDateWidth, date);
}

void SetRecordSlot(std::span<std::uint8_t> record, int k, const ScheduleSlot& slot) {
    const std::size_t at = SlotOffset(k);
    PutField(record, at, kScheduleTeamWidth, slot.visitor);
    PutField(record, at + kScheduleTeamWidth, kScheduleTeamWidth, slot.home);
    PutField(record, at + 2 * kScheduleTeamWidth, kScheduleOptionsWidth, slot.options);
}

char TeamFileLeague(std::string_view name) {
    const bool season = name.size() >= 4 && std::all_of(name.begin(), name.begin() + 4, [](char c) {
                            return std::isdigit(static_cast<unsigned char>(c));
                        });
    const std::size_t at = season ? 4 : 2;
    return at < name.size() ? upperChar(name[at]) : ' ';
}

std::vector<std::string> ScheduleStatsSlots(const ScheduleFile& file) {
    std::vector<std::string> names;
    if (file.recordCount() < 1) return names;
    for (int k = 0; k < kScheduleStatsSlots; ++k) names.push_back(SlotName(file, k));
    return names;
}

bool LinkStatsSet(ScheduleFile& file, std::string_view setName, StatsLink how) {
    if (file.recordCount() < 1) return false;
    const std::string name = upperCase(trim(setName));
    auto slotAt = [&](int k) {
        return file.record(1).subspan(
            kStatsSlotsOffset + kScheduleStatsSlotWidth * static_cast<std::size_t>(k),
            kScheduleStatsSlotWidth);
    };
    int k = 0;
    while (k < kScheduleStatsSlots && !SlotName(file, k).empty() && SlotName(file, k) != name) ++k;
    if (how == StatsLink::Add) {
        if (k == kScheduleStatsSlots) return false;
        if (SlotName(file, k).empty()) PutField(slotAt(k), 0, kScheduleStatsSlotWidth, name);
        return true;
    }
    if (k == kScheduleStatsSlots || SlotName(file, k).empty()) return true;
    for (; k + 1 < kScheduleStatsSlots; ++k) {
        auto next = slotAt(k + 1);
        std::copy(next.begin(), next.end(), slotAt(k).begin());
    }
    PutField(slotAt(kScheduleStatsSlots - 1), 0, kScheduleStatsSlotWidth, "");
    return true;
}

std::optional<std::string> LinkStatsSetInFile(const std::string& path, std::string_view setName,
                                              StatsLink how, bool protect) {
    if (protect || trim(setName).empty()) return std::nullopt;
    auto file = ReadScheduleFile(path);
    if (!file) return "The schedule file " + path + " cannot be read.";
    if (file->recordCount() < 1) return std::nullopt;
    if (!LinkStatsSet(*file, setName, how)) {
        return "The schedule " + path + " already lists ten statistics files; " +
               std::string(trim(setName)) + " was not added to them.";
    }
    const IoResult written = ReplaceFile(SystemFileOps(), path, file->bytes);
    if (!written.ok) return written.message;
    return std::nullopt;
}

}  // namespace vrk
