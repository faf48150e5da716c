#include "screens/rotation_screen.h"

#include <algorithm>
#include <vector>

#include "data/team.h"
#include "managers/rotation.h"
#include "managers/starter_pick.h"
#include "presentation/console.h"
#include "screens/pitcher_list_screen.h"

namespace vrk {

namespace {

constexpr std::size_t kRotationPlaces = 5;

// Each picked pitcher shows his place in the rotation before his name.
std::vector<std::string> MarkedLines(const Team& team, const std::vector<int>& entries,
                                     const std::vector<int>& picks) {
    std::vector<std::string> lines = PitcherListLines(team, entries, kStarterListHeader);
    for (std::size_t place = 0; place < picks.size(); ++place) {
        auto it = std::find(entries.begin(), entries.end(), picks[place]);
        std::string& line = lines[static_cast<std::size_t>(it - entries.begin())];
        line[0] = static_cast<char>('1' + place);
    }
    return lines;
}

}  // namespace

bool RotationScreen(Console& console, RotationTable& table, const Team& team, bool spotStarters) {
    const std::vector<int> entries = StaffEntries(team);
    PitcherList list{
        PitcherListTitle(kRotationTitle, team), kStarterListHeader, kRotationFooter, {}, true};
    std::vector<int> picks;

    console.pushScreen();
    int highlight = 0;
    while (picks.size() < kRotationPlaces) {
        list.lines = MarkedLines(team, entries, picks);
        int line = PickFromPitcherList(console, list, highlight);
        if (line == kNoPick) break;
        int entry = entries[static_cast<std::size_t>(line)];
        if (std::find(picks.begin(), picks.end(), entry) != picks.end()) {
            console.beep();
            continue;
        }
        picks.push_back(entry);
        highlight = line + 1;  // the next pick is usually the next man down
    }
    console.popScreen();
    if (picks.empty()) return false;
    return SetRotationFromPicks(table, team, picks, spotStarters);
}

}  // namespace vrk
