#include "screens/starter_screen.h"

#include <string>

#include "data/team.h"
#include "managers/starter_pick.h"
#include "presentation/console.h"
#include "screens/pitcher_list_screen.h"

namespace vrk {

int StarterScreen(Console& console, const Team& team, bool daysOffRule, bool escapeAllowed) {
    const std::vector<int> entries = StaffEntries(team);
    const PitcherList list{PitcherListTitle(kStarterTitle, team), kStarterListHeader,
                           escapeAllowed ? kStarterFooter : kStarterFooterNoEscape,
                           PitcherListLines(team, entries, kStarterListHeader), escapeAllowed};
    const std::string question = std::string(kDayOffWarning) + std::string(kDayOffQuestion);

    console.pushScreen();
    int starter = 0;
    int highlight = 0;
    while (starter == 0) {
        int line = PickFromPitcherList(console, list, highlight);
        if (line == kNoPick) break;
        int entry = entries[static_cast<std::size_t>(line)];
        if (StarterNeedsDayOffQuestion(team.player(entry), daysOffRule)) {
            std::string answer = PitcherListMessage(console, question);
            if (!StarterAnswerAccepts(answer.empty() ? ' ' : answer[0])) continue;
        }
        starter = entry;
    }
    console.popScreen();
    return starter;
}

}  // namespace vrk
