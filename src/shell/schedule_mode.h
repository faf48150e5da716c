#pragma once
#include <functional>

#include "presentation/console.h"
#include "shell/batch_run.h"
#include "shell/session.h"

namespace vrk {

// The main menu's Schedule Mode and Series Mode: the file lists with their
// keys, the statistics file, the filter and rule questions, then the games
// played without display, their results logged to NAME.LOG in the write
// folder while the screen shows the progress and the standings. Q or ESC
// stops after the game in play; the set is saved and a schedule goes on
// from there the next time.
void runScheduleItem(Console& console, Session& session);
void runSeriesItem(Console& console, Session& session);

// The unattended part on the console: `play` gets streams that land in the
// log and on the screen, and a stop request read from the keyboard. Returns
// the run's status (130 when stopped by the user).
int playOnConsole(Console& console, Session& session, const std::string& heading,
                  const std::string& logPath, const std::function<int(BatchIo&)>& play);

}  // namespace vrk
