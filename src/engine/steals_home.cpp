// The steal of home, alone or as the front end of a double steal.
#include "engine/steals_home.h"
#include "engine/engine_helpers.h"
#include "engine/fielding.h"
#include "engine/message_registry.h"
#include "engine/score_run.h"
#include "engine/steals.h"
#include "engine/steals_chance.h"
#include "engine/steals_support.h"

namespace vrk::steals {

namespace {

// The runners behind the one on third take a base each; they are credited
// with stolen bases.
void TrailersMoveUp(Game& game) {
    GameState& s = game.state;
    int second = s.runnerOnSecond;
    int first = s.runnerOnFirst;
    if (s.outs >= 3) return;
    if (second != 0) {
        s.runnerOnThird = second;
        s.runnerOnSecond = 0;
        CreditSteal(game, second, "SB");
    }
    if (first != 0) {
        s.runnerOnSecond = first;
        s.runnerOnFirst = 0;
        CreditSteal(game, first, "SB");
    }
}

}  // namespace

void StealHome(Game& game, double r) {
    GameState& s = game.state;
    const int bt = s.battingTeam;
    const int runner = s.runnerOnThird;
    const Player& player = game.team(bt).player(RunnerEntry(game, runner));
    double p = StealHomeChance(player.speed, game.flags.pitchOut);
    double h = kStealHomeHandicap;
    if (s.runnerOnFirst != 0 && s.runnerOnSecond == 0) {
        if (!BattingSideTries(game, 0.1)) {
            StealBase(game, r, true);
            return;
        }
        h = kDoubleStealHomeHandicap;
    }
    SayText(game, "The 'Steal' is on!!");
    Say(game, msg::kRunnerBreaksForHome, RunnerEntry(game, runner), bt);

    if (r + h < p) {
        SayText(game, "He stole home!!!");
        Say(game, msg::kSafeAtBase(4), RunnerEntry(game, runner), bt);
        Say(game, msg::kCrowdReaction);
        CreditSteal(game, runner, "SB");
        s.runnerOnThird = 0;
        bool before = s.play.noRbiOnPlay;
        s.play.noRbiOnPlay = true;
        ScoreRun(game, runner);
        s.play.noRbiOnPlay = before;
        TrailersMoveUp(game);
        return;
    }

    Say(game, msg::kOutAtBase(4), RunnerEntry(game, runner), bt);
    Say(game, msg::kCrowdReaction);
    int cover = MiddleInfielderCovering(game);
    s.runnerOnThird = 0;
    CreditPutout(game, kCatcher);
    CreditAssist(game, cover);
    ChargeCaught(game, runner, 4, "CS " + std::to_string(cover) + "-2");
    s.play.resultCode = 90;
    TrailersMoveUp(game);
}

}  // namespace vrk::steals
