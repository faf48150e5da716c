#pragma once
#include <optional>
#include <string>
#include <vector>

#include "data/stats_set.h"
#include "data/team.h"

namespace vrk {

// Attaches the season-to-date figures of the statistics tables to every
// roster entry of a team slot (Player::sim and restDaysNeeded); a player
// without a record gets zeros. scheduleDay is the day number of the current
// schedule date when a schedule is being played. Returns the warnings of
// entries that had to be skipped ("|" separates the lines of each box).
std::vector<std::string> LoadSIMData(Team& team, const BattingTable& batting,
                                     const PitchingTable& pitching,
                                     std::optional<int> scheduleDay = std::nullopt);

// Same from an open set; with no set open every figure is 0.
std::vector<std::string> LoadSIMData(Team& team, const StatsSet& set,
                                     std::optional<int> scheduleDay = std::nullopt);

}  // namespace vrk
