#pragma once
#include <string>

#include "presentation/console.h"
#include "shell/session.h"

namespace vrk {

// The Schedule Files list's E and N keys: the schedule editor on the chosen
// file, or on a new file named by the user in `folder`. Refused while
// PROTECT-SCH is set.
void editScheduleFile(Console& console, Session& session, const std::string& path);
void newScheduleFile(Console& console, Session& session, const std::string& folder);

}  // namespace vrk
