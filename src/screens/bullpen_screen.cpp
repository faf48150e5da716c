#include "screens/bullpen_screen.h"

#include <string>
#include <vector>

#include "core/text_fields.h"
#include "engine/game.h"
#include "managers/bullpen_checks.h"
#include "managers/bullpen_state.h"
#include "presentation/console.h"
#include "screens/pitcher_list_screen.h"

namespace vrk {

namespace {

bool IsYes(const std::string& key) {
    return key == "Y" || key == "y";
}

// Runs the checks on one pick; true when he comes in.
bool Admit(Console& console, Game& game, BullpenState& bullpen, int team, int entry,
           bool reminderMode) {
    while (true) {
        const BullpenCheck check = CheckBullpenChoice(game, bullpen, team, entry, reminderMode);
        switch (check.verdict) {
            case BullpenVerdict::Enter:
                return true;
            case BullpenVerdict::NeedsRest:
                if (!IsYes(PitcherListMessage(console, check.text))) return false;
                OverrideRest(game, team, entry);
                break;  // the remaining checks still apply
            case BullpenVerdict::StartsThrowing:
                StartWarmUp(bullpen, team, entry, reminderMode);
                PitcherListMessage(console, check.text);
                return false;
            default:
                PitcherListMessage(console, check.text);
                return false;
        }
    }
}

}  // namespace

int BullpenScreen(Console& console, Game& game, BullpenState& bullpen, int team,
                  bool reminderMode) {
    const Team& staff = game.team(team);
    const std::vector<int> entries = StaffEntries(staff);
    const PitcherList list{std::string(trim(staff.teamName)), kBullpenListHeader, kBullpenFooter,
                           PitcherListLines(staff, entries, kBullpenListHeader), true};

    console.pushScreen();
    int chosen = 0;
    int highlight = 0;
    while (chosen == 0) {
        int line = PickFromPitcherList(console, list, highlight);
        if (line == kNoPick) break;
        int entry = entries[static_cast<std::size_t>(line)];
        if (Admit(console, game, bullpen, team, entry, reminderMode)) chosen = entry;
    }
    console.popScreen();
    return chosen;
}

}  // namespace vrk
