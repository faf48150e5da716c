#pragma once
#include <string>
#include <vector>

#include "data/schedule_filter.h"

namespace vrk {

// What the option strings of a schedule's games hold, told before the first
// game rather than when a replay reaches them: one line per finding, naming
// the file, the date and the game slot. `refused` when any of them cannot be
// honoured (play must not start).
struct ScheduleOptionReport {
    std::vector<std::string> lines;
    bool refused = false;
};

// Every slot the filter admits, checked as written. Unknown tokens are let
// be, as schedules have always had notes in them.
ScheduleOptionReport CheckScheduleOptions(const std::string& path, const ScheduleFile& file,
                                          const ScheduleFilter& filter);

}  // namespace vrk
