#pragma once
#include <optional>
#include <string>
#include <vector>

#include "data/schedule_file.h"
#include "data/schedule_filter.h"

namespace vrk {

class Console;

// What the Schedule Files and Series Files lists say about their files.
const std::vector<std::string>& ScheduleFilesHelp();
const std::vector<std::string>& SeriesFilesHelp();
const std::vector<std::string>& StatisticsFilesHelp();

// A window of a question and its answers that waits until one of `letters`
// is typed (either case); returns it in capitals.
char AskRuleLetter(Console& console, const std::string& question, const std::string& answers,
                   const std::string& letters);

// The designated-hitter and automatic-runner questions of a schedule or
// series start.
std::string AskDesignatedHitterRule(Console& console);
std::string AskAutomaticRunnerRule(Console& console);

// "Stat Files for this .SCH": the sets linked in the schedule's header and a
// line for a new one (named by the user, `suggested` offered). F10 unlinks
// the highlighted set from the list (its files stay). Returns the set's
// name, "" for none (ESC).
std::string ChooseScheduleStatsSet(Console& console, const std::string& schedulePath,
                                   const std::string& suggested, bool protect);

// A one-field form asking for a statistics set's name; "" when left blank.
std::string AskStatsSetName(Console& console, const std::string& title,
                            const std::string& suggested);

// The Schedule Filter window: runs until the fields pass their checks;
// nothing when F3 abandons the schedule's start.
std::optional<ScheduleFilter> RunScheduleFilterWindow(Console& console, const ScheduleFile& file);

}  // namespace vrk
