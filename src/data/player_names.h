#pragma once
#include <string>
#include <string_view>

#include "data/team.h"

namespace vrk {

// Names are kept as "Last, First" (or "Last" alone). A comma in the first
// character does not split: such a name is all last name.
std::string lastName(std::string_view name);
std::string firstName(std::string_view name);

// The stored form of a name as written in a team file: "Marsh,Tom" gives
// "Marsh, Tom", "Marsh" stays "Marsh".
std::string storedPlayerName(std::string_view written);

// The entry in first..last whose playerName is exactly name (and whose
// lineupPosition is position, unless position is 0), or 0. An entry with an
// empty name ends the scan: the roster has no players after it.
int findPlayer(const Team& team, int first, int last, std::string_view name, int position = 0);

}  // namespace vrk
