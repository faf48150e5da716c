// Pinch running late in a close game: the fastest fresh bench player who
// can take the runner's position.
#include <cstdlib>

#include "engine/engine_helpers.h"
#include "managers/auto_manager.h"
#include "managers/auto_manager_support.h"

namespace vrk {

namespace automan {

void PinchRunner(Game& game, AutoManagerContext& context, const Situation& x) {
    const GameState& s = game.state;
    if (s.inning < s.rules.regulationInnings - 2 || std::abs(x.deficit) >= 3) return;
    int slot = s.runnerOnSecond == 0 ? s.runnerOnFirst : s.runnerOnSecond;
    if (slot == 0 || automan::PitcherBatsInSlot(game, x.batting, slot)) return;
    const Team& team = game.team(x.batting);
    int position = team.player(slot).lineupPosition;
    int speed = team.player(SlotPlayer(game, x.batting, slot)).speed;
    int best = 0;
    int bestSpeed = 0;
    int last = std::min(team.playerCount, kMaxRosterEntries);
    const std::uint64_t pitched = automan::PitchedEntries(game, x.batting);
    for (int e = team.lastPitcherEntry + 1; e <= last; ++e) {
        if (!automan::FreshBenchPlayer(game, context.bullpen, x.batting, e, pitched)) continue;
        const Player& p = team.player(e);
        bool plays = false;
        for (std::size_t k = 1; k < p.positionCode.size(); ++k) {
            if (p.positionCode[k] == position) plays = true;
        }
        if (!plays || p.speed < speed + 3 || p.speed <= bestSpeed) continue;
        best = e;
        bestSpeed = p.speed;
    }
    if (best == 0 || !(game.rng.draw() < 0.8)) return;
    game.flags.pinchRunCall = true;
    game.flags.pinchRunner = best;
    game.flags.pinchRunnerSlot = slot;
    ++context.counters.pinchRuns;
}

}  // namespace automan

void ManagePinchRunner(Game& game, AutoManagerContext& context) {
    automan::PinchRunner(game, context, automan::Read(game));
}

}  // namespace vrk
