#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vrk {

// A schedule (.SCH): fixed-length records with no line ends. Record 1 is the
// header (the names of the statistics sets played with it); each further
// record is one date with its game slots. The bytes are kept as read, so
// what playing does not look at survives an edit untouched.
inline constexpr std::size_t kShortScheduleRecord = 210;  // 7 game slots
inline constexpr std::size_t kLongScheduleRecord = 430;   // 15 game slots
inline constexpr std::size_t kScheduleSlotWidth = 28;
inline constexpr std::size_t kScheduleTeamWidth = 8;
inline constexpr std::size_t kScheduleOptionsWidth = 12;
inline constexpr int kScheduleStatsSlots = 10;
inline constexpr std::size_t kScheduleStatsSlotWidth = 16;

// One game slot as written: the three fields right-trimmed, case kept.
struct ScheduleSlot {
    std::string visitor;
    std::string home;
    std::string options;

    bool empty() const { return visitor.empty() || home.empty(); }
};

struct ScheduleFile {
    std::vector<std::uint8_t> bytes;
    std::size_t recordLength = 0;  // 0: the size fits neither layout, no games

    int recordCount() const;
    int slotsPerRecord() const;
    // Records are numbered from 1 (the header).
    std::span<std::uint8_t> record(int n);
    std::span<const std::uint8_t> record(int n) const;
    bool deleted(int n) const;  // "D" in the first byte: passed over
    std::string date(int n) const;
    ScheduleSlot slot(int n, int k) const;  // k from 1
    // No later slot of the record holds a game.
    bool lastSlotOfDate(int n, int k) const;
};

// 430-byte records when the size allows them, else 210-byte ones, else none.
std::size_t ScheduleRecordLength(std::uintmax_t size);

ScheduleFile ParseSchedule(std::vector<std::uint8_t> bytes);
// Nothing when the file cannot be read.
std::optional<ScheduleFile> ReadScheduleFile(const std::string& path);

// A blank record of the file's length: "D" in a header, blanks elsewhere.
std::vector<std::uint8_t> BlankScheduleRecord(std::size_t length, bool header);
void SetRecordDate(std::span<std::uint8_t> record, std::string_view date);
void SetRecordSlot(std::span<std::uint8_t> record, int k, const ScheduleSlot& slot);

// The league letter a team file name carries: the fifth character after a
// four-digit season, otherwise the third; blank when the name is shorter.
char TeamFileLeague(std::string_view teamFileName);

// The ten statistics-set names of the header, trimmed (blank = free).
std::vector<std::string> ScheduleStatsSlots(const ScheduleFile& file);

enum class StatsLink { Add, Remove };
// Adds the set's name to the first free slot (a listed name stays as it is)
// or removes it, moving the later names up. False when all ten slots are
// taken by other names.
bool LinkStatsSet(ScheduleFile& file, std::string_view setName, StatsLink how);

// The file form: reads, links and writes the schedule back (through a
// temporary file). Nothing is done when `protect` is set (PROTECT-SCH).
// A message when the file could not be read or written, or has no room.
std::optional<std::string> LinkStatsSetInFile(const std::string& path, std::string_view setName,
                                              StatsLink how, bool protect);

}  // namespace vrk
