#pragma once
#include <array>
#include <cstdint>

#include "core/numbering.h"
#include "engine/game_state.h"

namespace vrk {

// What the managers keep about each team's pitchers during one game, beside
// the engine's GameState. Reset before every game.
struct BullpenState {
    // Has played in this game; a used pitcher cannot come back.
    std::array<std::array<bool, kRosterSize>, 3> usedInGame{};
    // Warm-up counter: 0 not throwing, 12 (10 in reminder mode) when he starts,
    // warm while 1..10.
    std::array<std::array<int, kRosterSize>, 3> warmUp{};
    // Pitch-count allowance: multiplies the current pitcher's pitch limit.
    std::array<double, 3> allowance{1.0, 1.0, 1.0};
    std::array<bool, 3> closerUsed{};
    // Bumped by every exchange of two of a team's entries in a game: the slot
    // histories then name other entries though their lengths stay the same.
    // An exchange touches only its own team's roster and line-up.
    std::array<int, 3> entrySwaps{};
    // The entrySwaps count of the last exchange that moved each entry (0 =
    // none this game): what is kept per entry need only be worked out again
    // for the entries an exchange moved.
    std::array<std::array<int, kRosterSize>, 3> exchangedAt{};
    // Bumped by every use mark of the team's entries, so a list drawn from
    // one team's marks can be kept until that team adds one.
    std::array<int, 3> useMarks{};
    // Each team's current pitcher, pitchers used and exchanges when the
    // managers last completed the current pitchers' entries: until one of
    // them moves there is no pitcher left to complete. -1 = never.
    struct PitchersSeen {
        int visitorsPitcher = -1;
        int homePitcher = -1;
        int visitorsUsed = -1;
        int homeUsed = -1;
        int visitorsSwaps = -1;
        int homeSwaps = -1;
        bool operator==(const PitchersSeen&) const = default;
    };
    PitchersSeen entriesSeen;

    // Who is or has been in each team's batting line-up, as a mask over
    // roster entries. The answer changes only on a substitution, while the
    // managers ask it for every reliever on nearly every pitch, so it is kept
    // until the slot histories grow or entries are exchanged.
    struct LineupMask {
        std::uint64_t entries = 0;
        int swaps = -1;  // entrySwaps when computed; -1 = never
        int historyLength = 0;
    };
    mutable std::array<LineupMask, 3> lineupMask{};

    // The staff's most saves, asked by the closer rules on most late passes;
    // only an exchange of entries changes who is on the staff.
    struct StaffSaves {
        int best = 0;
        int swaps = -1;  // entrySwaps when worked out; -1 = never
    };
    mutable std::array<StaffSaves, 3> staffSaves{};

    int swaps(int team) const { return entrySwaps[static_cast<std::size_t>(team)]; }
    int marks(int team) const { return useMarks[static_cast<std::size_t>(team)]; }
    int exchanged(int team, int entry) const {
        return exchangedAt[static_cast<std::size_t>(team)][static_cast<std::size_t>(entry)];
    }
    bool used(int team, int entry) const {
        return usedInGame[static_cast<std::size_t>(team)][static_cast<std::size_t>(entry)];
    }
    void markUsed(int team, int entry) {
        ++useMarks[static_cast<std::size_t>(team)];
        usedInGame[static_cast<std::size_t>(team)][static_cast<std::size_t>(entry)] = true;
    }
    int& warm(int team, int entry) {
        return warmUp[static_cast<std::size_t>(team)][static_cast<std::size_t>(entry)];
    }
    int warm(int team, int entry) const {
        return warmUp[static_cast<std::size_t>(team)][static_cast<std::size_t>(entry)];
    }
};

}  // namespace vrk
