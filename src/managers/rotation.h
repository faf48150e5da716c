#pragma once
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "data/team.h"

namespace vrk {

class ErrorSink;
class Rng;

// One team's rotation: the method, whose turn it is and up to five starters.
struct RotationRecord {
    std::string teamKey;            // the team file name, upper case, blank-padded to 12
    std::string method = "  ";      // two characters; blank when none is set
    char spotStarterMark = ' ';     // 'Y' when spot starters are used for this team
    int turn = 0;                   // position 1..5 of the last starter used; 0 when new
    std::array<int, 6> starters{};  // [1..5] roster entries; 0 = empty position
};

inline constexpr std::size_t kMaxRotationRecords = 1500;
inline constexpr std::size_t kRotationKeyWidth = 12;

// The rotation list of a run, saved and restored by a schedule replay.
struct RotationTable {
    std::vector<RotationRecord> records;  // at most kMaxRotationRecords

    RotationRecord* find(std::string_view teamFileName);
    const RotationRecord* find(std::string_view teamFileName) const;
};

// The key a team file name is filed under.
std::string RotationKey(std::string_view teamFileName);

// Where the starting-pitcher methods come from: the default method, each
// team's own, and the spot-starter switches (global and per team).
struct RotationSettings {
    std::string defaultMethod = "S5";
    std::array<std::string, 3> teamMethod;  // [1..2]; empty = use the default
    char spotStarters = 'N';                // global setting
    std::array<char, 3> teamSpotStarters{' ', ' ', ' '};

    bool spotStartersFor(int team) const {
        return spotStarters == 'Y' || teamSpotStarters[static_cast<std::size_t>(team)] == 'Y';
    }
};

// The method text as two characters (blank-padded or cut).
std::string NormalizeMethod(std::string_view method);

// The rotation size N of an "S" or "R" method: its digit, 5 when it is not
// 1..5, then limited to the staff.
int RotationSize(std::string_view method, const Team& team);

// Roster entry of a pitcher number: 1..5 a position of the rotation, a larger
// number k entry 9 + k when the staff reaches it, anything else entry 10.
// Only an entry of the pitching staff is ever returned.
int PitcherNumberToEntry(int number, const RotationRecord& record, const Team& team);

// Finds or creates the team's record and returns the starter chosen by its
// method; with `setMethod` the record's method becomes `method`. Errors are
// shown through `errors` and entry 10 starts.
int AutoPitcher(RotationTable& table, const Team& team, std::string_view method, bool setMethod,
                bool spotStarters, Rng& rng, ErrorSink& errors);

}  // namespace vrk
