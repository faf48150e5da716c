#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/config.h"
#include "data/team.h"

namespace vrk {

// The text of a keyword line after its "*", split into trimmed items at
// commas that do not stand between double quotes. Case is kept.
std::vector<std::string> splitKeywordItems(std::string_view text);

// A park effect given in percent, damped toward neutral and kept to 0.2..5.0.
double parkFactorFromPercent(double percent);

// The scoreboard attribute for a colour name ("BRIGHT BLUE"): the colour as
// background with black or white text, whichever reads; none for an
// unknown name.
std::optional<int> teamColorFromName(std::string_view name);

inline constexpr int kClashColor = 0 + 16 * 7;

// Applies one keyword line to the team in `slot`. `visitors` is the team in
// slot 1 when the home team (slot 2) is being loaded, for the colour clash
// rule; null otherwise.
void applyKeywordLine(Team& team, int slot, Team* visitors, std::string_view textAfterStar,
                      const Config& config);

}  // namespace vrk
