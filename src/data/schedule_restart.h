#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vrk {

// Where a schedule replay stands (".RES", one 30-byte record).
//
//   offset  width  field
//    0      12     schedule name, blank-padded
//   12       8     date of the current record, "MM/DD/YY"
//   20       2     slot within that date
//   22       2     games of the slot already played
//   24       2     games of the slot (/N:)
//   26       4     the run's game counter
inline constexpr std::size_t kRestartRecordSize = 30;

struct RestartRecord {
    std::string scheduleName;
    std::string date;
    int slot = 0;
    int slotGame = 0;
    int slotSize = 0;
    std::int32_t gameCounter = 0;

    bool operator==(const RestartRecord&) const = default;
};

std::vector<std::uint8_t> EncodeRestart(const RestartRecord& record);
// Nothing when the bytes are not one record.
std::optional<RestartRecord> DecodeRestart(std::span<const std::uint8_t> bytes);

// One team of the running standings (".STD", 26-byte records).
//
//   offset  width  field
//    0      12     team name
//   12       4     wins
//   16       4     losses
//   20       1     league letter
//   21       1     division letter
//   22       4     text, "0000" when the record is made
inline constexpr std::size_t kStandingsRecordSize = 26;
inline constexpr std::size_t kMaxStandingsTeams = 1500;
inline constexpr std::string_view kStandingsFullMessage = "ERROR: SearchSta";

struct StandingsEntry {
    std::string teamName;  // trimmed
    std::int32_t wins = 0;
    std::int32_t losses = 0;
    char league = ' ';
    char division = ' ';
    std::string text = "0000";
};

struct StandingsTable {
    std::vector<StandingsEntry> teams;  // in the order they were first seen
};

// The team's entry, added with no games when it is new; nothing when the
// table is full.
StandingsEntry* StandingsTeam(StandingsTable& table, char league, char division,
                              std::string_view teamName);

struct StandingsSide {
    char league = ' ';
    char division = ' ';
    std::string teamName;
    int runs = 0;
};

// Credits the game: the visitors win unless the home team scored more.
// False (and nothing credited) when a team could not be added.
bool CreditStandings(StandingsTable& table, const StandingsSide& visitors,
                     const StandingsSide& home);

std::vector<std::uint8_t> EncodeStandings(const StandingsTable& table);
// Nothing when the size is not a whole number of records.
std::optional<StandingsTable> DecodeStandings(std::span<const std::uint8_t> bytes);

}  // namespace vrk
