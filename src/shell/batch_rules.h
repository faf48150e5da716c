#pragma once
#include <string>
#include <string_view>

#include "data/team.h"

namespace vrk {

// The designated-hitter choice ("Y", "A", "N", "H" home-team rules, "E"
// either) applied to the loaded teams; any other choice keeps `current`.
bool designatedHitterGame(std::string_view choice, const Team& visitors, const Team& home,
                          bool current);

// True when the team's file line-up has a designated hitter and no pitcher's
// slot: it cannot take the field without one.
bool lineupNeedsDesignatedHitter(const Team& team);

// The automatic-runner choice ("Y", "A", "N", "H"); any other keeps `current`.
bool automaticRunnerGame(std::string_view choice, const Team& home, bool current);

}  // namespace vrk
