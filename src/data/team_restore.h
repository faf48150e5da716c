#pragma once
#include "data/team.h"

namespace vrk {

// Makes `to` equal to `from` (afterwards to == from), as a copy would, for a
// team that was copied from `from` and then played: names a game left alone
// are not copied again, and the buffers of those it changed are reused.
// Both teams must keep every entry past their roster's end empty, as a load
// leaves them and a game keeps them (see Team::players).
void restoreTeam(Team& to, const Team& from);

}  // namespace vrk
