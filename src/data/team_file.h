#pragma once
#include <array>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "data/config.h"
#include "data/team.h"

namespace vrk {

// Team slots of a game: [1] visitors, [2] home; [0] is unused.
using TeamSlots = std::array<Team, 3>;

// The outcome of loading a team file. Loading never talks to the user: the
// caller shows each warning in a message box ("|" starts a new line) and
// goes back to the main menu when abort is set.
// `problem` marks a file whose figures cannot be right (a tab, hits above
// at-bats, a nameless player...): shown like any warning, but unattended play
// stops on it rather than play a team nobody looked at.
struct TeamLoadResult {
    bool abort = false;
    bool problem = false;
    std::vector<std::string> warnings;
};

// A file name without a "." gets ".DAT".
std::string teamFileNameWithExtension(std::string_view name);

// Loads team.teamFileName from the data folder into `team`, which is
// cleared first (the file name is kept). `visitors` is the team already in
// slot 1 when slot 2 is loaded (colours must not clash), else null.
TeamLoadResult loadTeam(Team& team, int slot, Team* visitors, const Config& config);

// Loads the slot's teamFileName; slot 2 checks its colour against slot 1.
TeamLoadResult loadTeam(TeamSlots& teams, int slot, const Config& config);

// Clears both slots, then loads the visitors into slot 1 and the home team
// into slot 2; stops at the first load that aborts.
TeamLoadResult loadTeamPair(TeamSlots& teams, std::string_view visitorsFile,
                            std::string_view homeFile, const Config& config);

// The reading itself, from any stream; `displayPath` names the file in
// messages. The team must be cleared beforehand.
TeamLoadResult readTeamFile(Team& team, int slot, Team* visitors, std::istream& in,
                            const Config& config, const std::string& displayPath);

}  // namespace vrk
