// Walks and hit batsmen: forced runners move up and the batter takes first.
#include "engine/walk.h"
#include "engine/advance_runners.h"
#include "engine/engine_helpers.h"
#include "engine/game.h"
#include "engine/message_registry.h"

namespace vrk {

namespace {

void ForceRunners(Game& game) {
    const GameState& s = game.state;
    if (s.runnerOnFirst == 0) return;
    // Only runners pushed by the batter move; a runner on third with second
    // empty stays where he is.
    if (s.runnerOnSecond != 0) {
        AdvanceRunners(game, 1, 1, s.runnerOnThird != 0 ? 1 : 0);
    } else {
        AdvanceRunners(game, 1, 0, 0);
    }
}

void BatterToFirst(Game& game) {
    GameState& s = game.state;
    ForceRunners(game);
    s.runnerOnFirst = s.currentBatterSlot;
    s.responsiblePitcher[static_cast<std::size_t>(s.battingTeam)]
                        [static_cast<std::size_t>(s.currentBatterSlot)] = s.pitcher;
    TakeBackAtBat(game);
}

}  // namespace

void ResolveWalk(Game& game) {
    GameState& s = game.state;
    SayBatter(game, game.flags.intentionalWalk ? msg::kIntentionalWalk : msg::kWalk);
    BatterToFirst(game);
    BatterCounters& b = game.counters.bat(s.battingTeam, s.batter);
    ++b.walks;
    ++b.vsHand[static_cast<std::size_t>(handIndex(game.pitcherPlayer().hand))].walks;
    ++game.counters.pitch(s.fieldingTeam, s.pitcher).walks;
    s.play.playResult = game.flags.intentionalWalk ? "Int BB" : "BB";
}

void ResolveHitByPitch(Game& game) {
    GameState& s = game.state;
    PlayEffect(game, 11);
    SayBatter(game, msg::kHitByPitch);
    SayBatter(game, msg::kHitByPitchTakesBase);
    BatterToFirst(game);
    BatterCounters& b = game.counters.bat(s.battingTeam, s.batter);
    ++b.hitByPitch;
    ++b.vsHand[static_cast<std::size_t>(handIndex(game.pitcherPlayer().hand))].hitByPitch;
    ++game.counters.pitch(s.fieldingTeam, s.pitcher).hitBatsmen;
    game.counters.of(s.fieldingTeam).hitByPitch.push({s.battingTeam, s.batter});
    s.play.playResult = "HBP";
}

}  // namespace vrk
