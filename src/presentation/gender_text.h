#pragma once
#include <array>
#include <string>
#include <string_view>

#include "data/team.h"

namespace vrk {

// The two team slots a game speaks of, indexed 1 (visitors) and 2 (home);
// slot 0 is unused. A null slot is a team nobody is told about.
using TeamRefs = std::array<const Team*, 3>;

// True when `team` is 1 or 2, that slot is filled and its file said GEN=F.
bool IsFemaleTeam(const TeamRefs& teams, int team);

// Turns the male pronouns of a play-by-play text into female ones. Only
// whole-word forms preceded by a blank (or "He" at a sentence start) are
// touched, so names and other words are left alone.
std::string GenderText(std::string_view text);

// The conversion for the team spoken of: unchanged unless it is female.
std::string GenderText(const TeamRefs& teams, int team, std::string_view text);

}  // namespace vrk
