#include "engine/advance_runners.h"
#include "engine/score_run.h"

namespace vrk {

namespace {

int& BaseRef(GameState& s, int base) {
    if (base == 1) return s.runnerOnFirst;
    if (base == 2) return s.runnerOnSecond;
    return s.runnerOnThird;
}

void Move(Game& game, int from, int bases) {
    GameState& s = game.state;
    int& origin = BaseRef(s, from);
    int runner = origin;
    if (runner == 0 || bases <= 0) return;
    int target = from + bases;
    if (target >= 4) {
        // After the third out nobody scores: the runner stays and is left on base.
        if (s.outs >= 3) return;
        origin = 0;
        ScoreRun(game, runner);
        return;
    }
    int& destination = BaseRef(s, target);
    if (s.outs >= 3 && destination != 0) return;
    origin = 0;
    destination = runner;
}

}  // namespace

void AdvanceRunners(Game& game, int first, int second, int third) {
    Move(game, 3, third);
    Move(game, 2, second);
    Move(game, 1, first);
}

}  // namespace vrk
