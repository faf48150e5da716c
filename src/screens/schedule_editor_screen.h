#pragma once
#include <functional>
#include <string>

#include "data/schedule_file.h"

namespace vrk {

class Console;

inline constexpr const char* kScheduleEditorTitle = "Highlight Record  F2=Sort By Date";
inline constexpr const char* kScheduleEditorDone = "Hit ESC When Done";
inline constexpr const char* kScheduleEditorSure = "[ Are you sure? Y/N ]";

struct ScheduleEditorSetup {
    std::string path;  // where the schedule is saved
    std::string name;  // shown in the heading, e.g. "SEASON.SCH"
    // Whether the data folder holds a team file of this name (without
    // ".DAT"); an unknown name is told, not refused.
    std::function<bool(const std::string&)> teamExists;
};

// The schedule editor: one date per screen with its games (visitor, home,
// option string). PgUp/PgDn, Home and End go to other dates; Tab, Enter and
// the arrows between the fields; Ins adds a date (on the date) or a game
// (on a game's row, the later games moving down); Del deletes the date or
// the game after "[ Are you sure? Y/N ]"; F2 sorts the dates. ESC ends,
// offering to save what changed. Returns true when the file was saved.
bool RunScheduleEditor(Console& console, ScheduleFile& file, const ScheduleEditorSetup& setup);

}  // namespace vrk
