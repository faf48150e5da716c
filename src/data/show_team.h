#pragma once
#include <ostream>
#include <string>

#include "data/config.h"
#include "data/team.h"

namespace vrk {

// `vrk --show-team NAME`: loads one team file from the data folder and
// prints it as the loader read it, so a hand-written file can be checked.
// Warnings go to err. Returns 0, or 1 when the file cannot be loaded.
int showTeamCommand(const Config& config, const std::string& name, std::ostream& out,
                    std::ostream& err);

// The report itself, for a team already loaded.
void printTeam(const Team& team, std::ostream& out);

}  // namespace vrk
