#pragma once
#include <string_view>

#include "data/team.h"

namespace vrk {

// What a player line got wrong that the loader tells the user about.
struct PlayerLineProblems {
    bool emptyName = false;
    bool positionOutOfRange = false;
    long positionAsWritten = 0;
};

// Reads one player line (padded to at least 100 columns) as roster entry
// `entry`. Lines after the staff separator are bench lines.
PlayerLineProblems readPlayerLine(Player& player, std::string_view line, int entry,
                                  bool separatorRead);

// A position-1 slot among the listed positions is removed and the later
// slots move up; the slot that moves in is not looked at again.
void removePitcherPositions(Player& player);

}  // namespace vrk
