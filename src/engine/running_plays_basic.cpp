// Plain running plays used until the full steal and bunt handlers exist: the
// lead runner takes the next base unchallenged; a bunt is a sacrifice.
#include "engine/engine_helpers.h"
#include "engine/running_plays.h"

namespace vrk {

void ResolveSteal(Game& game) {
    GameState& s = game.state;
    int runner = 0;
    if (s.runnerOnThird == 0 && s.runnerOnSecond != 0) {
        runner = s.runnerOnSecond;
        s.runnerOnThird = runner;
        s.runnerOnSecond = 0;
    } else if (s.runnerOnSecond == 0 && s.runnerOnFirst != 0) {
        runner = s.runnerOnFirst;
        s.runnerOnSecond = runner;
        s.runnerOnFirst = 0;
    }
    if (runner != 0) {
        int entry = SlotPlayer(game, s.battingTeam, runner);
        ++game.counters.bat(s.battingTeam, entry).stolenBases;
        WriteScoreCard(game, s.battingTeam, entry, '6', "SB");
    }
    StepBack(game);
}

void ResolveBunt(Game& game) {
    GameState& s = game.state;
    ++s.outs;
    AddPitcherOut(game);
    CreditAssist(game, s.buntFielderDraw == 4 ? kThirdBase : s.buntFielderDraw);
    CreditPutout(game, kFirstBase);
    if (s.outs < 3) AdvanceRunners(game, 1, 1, 1);
    ++game.counters.bat(s.battingTeam, s.batter).sacrifices;
    TakeBackAtBat(game);
    s.playResult = "SAC";
}

}  // namespace vrk
