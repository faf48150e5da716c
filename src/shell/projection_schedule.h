#pragma once
#include <optional>
#include <string>
#include <vector>

#include "shell/projection.h"
#include "shell/session.h"

namespace vrk {

// The games of the run's schedule (/SCH:), those the filter options admit,
// in the order a replay plays them: one entry per slot with the settings in
// force there and the day number of its date. A message when the schedule
// cannot be read, the filter is wrong or a slot asks for what unattended
// play cannot do.
std::optional<std::string> scheduleProjectionEntries(const Session& session,
                                                     std::vector<ProjectionEntry>& entries);

}  // namespace vrk
