#include "shell/projection_schedule.h"

#include "core/paths.h"
#include "core/text_fields.h"
#include "data/config_folders.h"
#include "data/option_string.h"
#include "data/schedule_filter.h"
#include "data/schedule_position.h"
#include "data/stats_schedule_day.h"
#include "shell/command_line.h"
#include "shell/startup.h"

namespace vrk {

std::optional<std::string> scheduleProjectionEntries(const Session& session,
                                                     std::vector<ProjectionEntry>& entries) {
    const auto path = findFile(dataFolder(session.config), session.run.scheduleName);
    const auto file = path ? ReadScheduleFile(*path) : std::nullopt;
    if (!file) return std::string(kScheduleNotFound);
    ScheduleFilter filter{session.run.filterLeague, session.run.filterTeam, session.run.filterFrom,
                          session.run.filterTo};
    if (const auto problem = PrepareFilter(filter, *file))
        return concat({"vrk --batch: ", *problem});

    // Options of a slot stay in force for the slots after it, as in a replay.
    BatchEntry current{session.run, session.config};
    current.settings.schedulePlay = false;
    for (ScheduleCursor c = FindPlayableSlot(*file, filter, 2, 1); !c.finished();
         c = NextPlayableSlot(*file, filter, c)) {
        const ScheduleSlot slot = file->slot(c.record, c.slot);
        current.settings.visitor = upperCase(trim(slot.visitor));
        current.settings.home = upperCase(trim(slot.home));
        parseOptionString(slot.options, current.settings);
        current.settings.schedulePlay = false;
        applyRunSettingsToConfig(current.settings, current.config, ConfigReadMode::Reread);
        const bool asBefore = !entries.empty() && trim(slot.options).empty();
        entries.push_back({current, ScheduleDayNumber(file->date(c.record)), asBefore});
    }
    if (entries.empty()) return std::string("vrk --batch: the schedule has no game to project.");
    return std::nullopt;
}

}  // namespace vrk
