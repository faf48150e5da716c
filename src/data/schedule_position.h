#pragma once
#include <optional>

#include "data/schedule_file.h"
#include "data/schedule_filter.h"
#include "data/schedule_restart.h"

namespace vrk {

// A slot of a schedule: record (from 2) and slot (from 1). Record 0 means
// the schedule has been played to its end.
struct ScheduleCursor {
    int record = 0;
    int slot = 0;

    bool finished() const { return record == 0; }
    bool operator==(const ScheduleCursor&) const = default;
};

// The first slot at or after (record, slot) that holds a game the filter
// admits, passing over deleted records.
ScheduleCursor FindPlayableSlot(const ScheduleFile& file, const ScheduleFilter& filter, int record,
                                int slot);
ScheduleCursor NextPlayableSlot(const ScheduleFile& file, const ScheduleFilter& filter,
                                ScheduleCursor after);

struct SchedulePosition {
    ScheduleCursor cursor;
    int gamesPlayed = 0;  // games of the cursor's slot already played
    // The restart record names a date and slot the schedule does not have.
    bool restartMissing = false;
};

// Where play starts: the first playable slot, or, with a restart record, its
// slot when games of it remain and otherwise the playable slot after it.
// `recordHint` is the record the restart was saved at when known: a date
// with more games than one record holds continues in a second record with
// the same date, which the date alone cannot tell apart.
SchedulePosition PositionSchedule(const ScheduleFile& file, const ScheduleFilter& filter,
                                  const RestartRecord* restart, int recordHint = 0);

}  // namespace vrk
