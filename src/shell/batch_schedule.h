#pragma once
#include "shell/batch_run.h"
#include "shell/session.h"

namespace vrk {

// `vrk --batch /SCH:NAME [/ST:SET]`: replays the schedule's games in order,
// those the filter options (/LEAGUE: /TEAM: /FROM: /TO:) admit, without a
// screen. With a statistics set the replay is saved at the end of every
// date (unless /PD:N), journaled after every game with /PG:Y, saved when a
// stop is asked for, and run again it goes on where the last save left it.
int runScheduleBatch(Session& session, BatchIo& io);

}  // namespace vrk
