#include "data/schedule_option_check.h"

#include "data/option_check.h"
#include "data/schedule_position.h"

namespace vrk {

ScheduleOptionReport CheckScheduleOptions(const std::string& path, const ScheduleFile& file,
                                          const ScheduleFilter& filter) {
    ScheduleOptionReport report;
    for (ScheduleCursor c = FindPlayableSlot(file, filter, 2, 1); !c.finished();
         c = NextPlayableSlot(file, filter, c)) {
        const ScheduleSlot slot = file.slot(c.record, c.slot);
        for (const OptionFinding& f : checkOptionString(slot.options, UnknownOptions::Ignore)) {
            report.lines.push_back(path + ", " + file.date(c.record) + ", game " +
                                   std::to_string(c.slot) + " (" + slot.visitor + " at " +
                                   slot.home + "): " + (f.refused ? "" : "warning: ") + f.text);
            report.refused = report.refused || f.refused;
        }
    }
    return report;
}

}  // namespace vrk
