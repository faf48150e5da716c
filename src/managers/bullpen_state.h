#pragma once
#include <array>

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

    bool used(int team, int entry) const {
        return usedInGame[static_cast<std::size_t>(team)][static_cast<std::size_t>(entry)];
    }
    void markUsed(int team, int entry) {
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
