#include "data/schedule_position.h"

#include <algorithm>

namespace vrk {

namespace {

bool Playable(const ScheduleFile& file, const ScheduleFilter& filter, int record, int slot) {
    const ScheduleSlot s = file.slot(record, slot);
    return !s.empty() && PassesFilter(filter, file.date(record), s);
}

int RestartRecordIndex(const ScheduleFile& file, const RestartRecord& restart, int hint) {
    if (hint >= 2 && hint <= file.recordCount() && !file.deleted(hint) &&
        file.date(hint) == restart.date) {
        return hint;
    }
    for (int n = 2; n <= file.recordCount(); ++n) {
        if (!file.deleted(n) && file.date(n) == restart.date) return n;
    }
    return 0;
}

}  // namespace

ScheduleCursor FindPlayableSlot(const ScheduleFile& file, const ScheduleFilter& filter, int record,
                                int slot) {
    for (int n = std::max(record, 2); n <= file.recordCount(); ++n, slot = 1) {
        if (file.deleted(n)) continue;
        for (int k = std::max(slot, 1); k <= file.slotsPerRecord(); ++k) {
            if (Playable(file, filter, n, k)) return {n, k};
        }
    }
    return {};
}

ScheduleCursor NextPlayableSlot(const ScheduleFile& file, const ScheduleFilter& filter,
                                ScheduleCursor after) {
    if (after.finished()) return after;
    return FindPlayableSlot(file, filter, after.record, after.slot + 1);
}

SchedulePosition PositionSchedule(const ScheduleFile& file, const ScheduleFilter& filter,
                                  const RestartRecord* restart, int recordHint) {
    SchedulePosition position;
    if (restart == nullptr || restart->date.empty()) {
        position.cursor = FindPlayableSlot(file, filter, 2, 1);
        return position;
    }
    const int record = RestartRecordIndex(file, *restart, recordHint);
    if (record == 0 || restart->slot < 1 || restart->slot > file.slotsPerRecord()) {
        position.restartMissing = true;
        return position;
    }
    const ScheduleCursor at{record, restart->slot};
    if (restart->slotSize > restart->slotGame && restart->slotGame >= 0 &&
        Playable(file, filter, record, restart->slot)) {
        position.cursor = at;
        position.gamesPlayed = restart->slotGame;
        return position;
    }
    position.cursor = NextPlayableSlot(file, filter, at);
    return position;
}

}  // namespace vrk
