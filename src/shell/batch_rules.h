#pragma once
#include <map>
#include <string>
#include <string_view>

#include "data/team.h"

namespace vrk {

// The designated-hitter choice ("Y", "A", "N", "H" home-team rules, "E"
// either) applied to the loaded teams; any other choice keeps `current`.
bool designatedHitterGame(std::string_view choice, const Team& visitors, const Team& home,
                          bool current);

// The automatic-runner choice ("Y", "A", "N", "H"); any other keeps `current`.
bool automaticRunnerGame(std::string_view choice, const Team& home, bool current);

// Starting pitchers across an unattended run. Until the managers' rotation
// is wired in, each team's starters (games started above 0) take turns in
// roster order, so one ace does not start every game of a long run.
struct StarterTurns {
    std::map<std::string, int> gamesStarted;  // by team file name
};

// The roster entry of the team's next starter; 0 (the first of the staff)
// for a staff without starts.
int nextStarter(StarterTurns& turns, const Team& team);

}  // namespace vrk
