// Warm-up counters of user-managed bullpens.
#include "managers/warmup.h"

#include "engine/game.h"
#include "managers/bullpen_state.h"

namespace vrk {

void WarmUpClock(Game& game, BullpenState& bullpen) {
    const GameState& s = game.state;
    int ft = s.fieldingTeam;
    int bt = s.battingTeam;
    if (s.display.userManaged[static_cast<std::size_t>(ft)]) {
        for (int e = kFirstPitcherEntry; e <= kLastPitcherLimit; ++e) {
            int& counter = bullpen.warm(ft, e);
            if (counter <= 0) continue;
            if (--counter == 0) {
                Player& p = game.team(ft).player(e);
                if (p.restDaysNeeded > 0) p.restDaysNeeded = -p.restDaysNeeded;
            }
        }
    }
    if (s.display.userManaged[static_cast<std::size_t>(bt)]) {
        for (int e = kFirstPitcherEntry; e <= kLastPitcherLimit; ++e) {
            int& counter = bullpen.warm(bt, e);
            if (counter > 2) --counter;
        }
    }
}

PinchHitReminder RemindAfterPinchHit(Game& game, BullpenState& bullpen, int team, int pinchHitter) {
    const Team& t = game.team(team);
    int last = std::min(t.lastPitcherEntry, kLastPitcherLimit);
    int staffEntry = 0;
    if (pinchHitter >= kFirstPitcherEntry && pinchHitter <= last) {
        staffEntry = pinchHitter;
    } else if (pinchHitter >= 1 && pinchHitter <= kMaxRosterEntries) {
        const std::string& name = t.player(pinchHitter).playerName;
        for (int e = kFirstPitcherEntry; e <= last && !name.empty(); ++e) {
            if (t.player(e).playerName == name) staffEntry = e;
        }
    }
    if (staffEntry != 0) {
        game.state.currentPitcher[static_cast<std::size_t>(team)] = staffEntry;
        bullpen.warm(team, staffEntry) = 1;
        return PinchHitReminder::PitcherTakesOver;
    }
    bool warming = false;
    for (int e = kFirstPitcherEntry; e <= kLastPitcherLimit; ++e) {
        int& counter = bullpen.warm(team, e);
        if (counter > 8) counter = 8;
        if (counter > 0) warming = true;
    }
    return warming ? PinchHitReminder::KeepWarming : PinchHitReminder::OpenBullpen;
}

}  // namespace vrk
