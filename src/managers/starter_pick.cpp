#include "managers/starter_pick.h"

#include <algorithm>

#include "managers/rotation.h"

namespace vrk {

bool StarterNeedsDayOffQuestion(const Player& pitcher, bool daysOffRule) {
    return daysOffRule && pitcher.restDaysNeeded > 0;
}

bool StarterAnswerAccepts(char answer) {
    return answer != 'N' && answer != 'n';
}

bool SetRotationFromPicks(RotationTable& table, const Team& team, std::span<const int> picks,
                          bool spotStarters) {
    RotationRecord* record = table.find(team.teamFileName);
    if (record == nullptr) {
        if (table.records.size() >= kMaxRotationRecords) return false;
        RotationRecord fresh;
        fresh.teamKey = RotationKey(team.teamFileName);
        fresh.spotStarterMark = spotStarters ? 'Y' : ' ';
        table.records.push_back(fresh);
        record = &table.records.back();
    }
    std::array<int, 6> starters{};
    int filled = 0;
    int last = std::min(team.lastPitcherEntry, kLastPitcherLimit);
    for (int entry : picks) {
        if (filled == 5) break;
        if (entry < kFirstPitcherEntry || entry > last) continue;
        auto begin = starters.begin() + 1;
        if (std::find(begin, begin + filled, entry) != begin + filled) continue;
        starters[static_cast<std::size_t>(++filled)] = entry;
    }
    record->starters = starters;
    record->turn = 0;
    return true;
}

}  // namespace vrk
