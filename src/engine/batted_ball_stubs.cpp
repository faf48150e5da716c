// Minimal handlers for balls in play until the full ground-ball, fly-ball and
// hit handlers replace this file: a grounder is an out at first, a fly is
// caught, and hits move every runner by the hit's bases.
#include "engine/batted_ball_handlers.h"
#include "engine/engine_helpers.h"

namespace vrk {

namespace {

void PlaceBatter(Game& game, int base) {
    GameState& s = game.state;
    int rp = s.errorOnPlay ? -s.pitcher : s.pitcher;
    s.responsiblePitcher[static_cast<std::size_t>(s.battingTeam)]
                        [static_cast<std::size_t>(s.currentBatterSlot)] = rp;
    if (base == 1) s.runnerOnFirst = s.currentBatterSlot;
    if (base == 2) s.runnerOnSecond = s.currentBatterSlot;
    if (base == 3) s.runnerOnThird = s.currentBatterSlot;
}

void Hit(Game& game, int bases, const char* notation) {
    if (!game.state.errorOnPlay) RecordHit(game, bases);
    AdvanceRunners(game, bases, bases, bases);
    PlaceBatter(game, bases);
    if (!game.state.errorOnPlay) game.state.playResult = notation;
}

}  // namespace

void ResolveGroundBall(Game& game) {
    GameState& s = game.state;
    CreditAssist(game, s.currentFielder);
    CreditPutout(game, kFirstBase);
    s.playResult += "-3";
    ++s.outs;
    if (s.outs < 3) {
        // Forced runners move up behind the out.
        if (s.runnerOnFirst != 0 && s.runnerOnSecond != 0 && s.runnerOnThird != 0) {
            AdvanceRunners(game, 1, 1, 1);
        } else if (s.runnerOnFirst != 0 && s.runnerOnSecond != 0) {
            AdvanceRunners(game, 1, 1, 0);
        } else if (s.runnerOnFirst != 0) {
            AdvanceRunners(game, 1, 0, 0);
        }
    }
}

void ResolveAirBall(Game& game) {
    GameState& s = game.state;
    CreditPutout(game, s.currentFielder);
    s.playResult = std::to_string(s.currentFielder);
    ++s.outs;
    AddPitcherOut(game);
}

void ResolveSingle(Game& game) {
    Hit(game, 1, "1B");
}
void ResolveDouble(Game& game) {
    Hit(game, 2, "2B");
}
void ResolveTriple(Game& game) {
    Hit(game, 3, "3B");
}

void ResolveHomeRun(Game& game) {
    GameState& s = game.state;
    s.homeRunInProgress = true;
    RecordHit(game, 4);
    AdvanceRunners(game, 4, 4, 4);
    ScoreBatterRun(game);
    s.homeRunInProgress = false;
    s.playResult = "HR";
}

}  // namespace vrk
