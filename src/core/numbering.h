#pragma once

namespace vrk {

// Team slots: 1 visitors, 2 home, 3 the league that statistics are
// normalised to. Arrays are sized one larger and index 0 is left unused,
// so the numbers read the same everywhere.
inline constexpr int kVisitors = 1;
inline constexpr int kHome = 2;
inline constexpr int kNormalizationSlot = 3;

inline constexpr int kMaxRosterEntries = 51;
inline constexpr int kLastPitcherLimit = 35;  // per-pitcher tables end here
inline constexpr int kFirstPitcherEntry = 10;
inline constexpr int kLineupSize = 9;

// Position numbers.
inline constexpr int kPitcher = 1;
inline constexpr int kCatcher = 2;
inline constexpr int kFirstBase = 3;
inline constexpr int kSecondBase = 4;
inline constexpr int kThirdBase = 5;
inline constexpr int kShortstop = 6;
inline constexpr int kLeftField = 7;
inline constexpr int kCenterField = 8;
inline constexpr int kRightField = 9;
inline constexpr int kDesignatedHitter = 10;

// Truth values as the game's arithmetic uses them.
inline constexpr int kTrue = -1;
inline constexpr int kFalse = 0;

inline constexpr int otherTeam(int team) { return 3 - team; }

}  // namespace vrk
