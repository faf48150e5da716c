// A strikeout, and the dropped third strike that lets the batter reach.
#include "engine/strikeout.h"
#include "engine/engine_helpers.h"
#include "engine/fielding.h"
#include "engine/game.h"
#include "engine/message_registry.h"

namespace vrk {

void ResolveStrikeout(Game& game) {
    GameState& s = game.state;
    int ft = s.fieldingTeam;
    const Player& pitcher = game.pitcherPlayer();
    ++s.outs;
    BatterCounters& b = game.counters.bat(s.battingTeam, s.batter);
    ++b.strikeouts;
    ++b.vsHand[static_cast<std::size_t>(handIndex(pitcher.hand))].strikeouts;
    AddPitcherOut(game);
    PitcherCounters& pc = game.counters.pitch(ft, s.pitcher);
    ++pc.strikeouts;
    CreditPutout(game, kCatcher);

    if (game.displayed()) {
        if (game.flags.hitAndRunCall) {
            SayText(game, "Swing and a miss!");
            SayText(game, "Struck him out!");
            PlayEffect(game, 10);
        } else {
            int detail = game.wording.randInt(2);
            SayBatter(game, msg::kStrikeout(detail));
            SayBatter(game, msg::kStrikeoutFollow(detail));
        }
    }
    s.play.playResult.assign(1, 'K');

    if (!s.basesEmpty()) return;
    double z = game.rng.draw();
    double bfp = EstimateBattersFaced(pitcher.pitching.inningsPitched, pitcher.pitching.hitsAllowed,
                                      pitcher.pitching.walksAllowed, pitcher.pitching.strikeouts);
    if (bfp <= 0) bfp = 1;
    double leagueWalk = game.team(ft).leagueContext.walkRate;
    double w = leagueWalk > 0 ? (pitcher.pitching.walksAllowed / bfp) / leagueWalk * 0.017 / 9 : 0;
    bool wildPitch = w > z;
    bool passedBall = false;
    if (!wildPitch) {
        double fc = PositionAverage(game, kCatcher);
        passedBall = 0.03 * (1 - fc) + w > z;
    }
    if (!wildPitch && !passedBall) return;

    TeamCounters& tc = game.counters.of(ft);
    if (wildPitch) {
        tc.wildPitches.push(s.pitcher);
        ++pc.wildPitches;
        s.play.playResult = "K-DTS WP";
    } else {
        tc.passedBalls.push(FielderEntry(game, kCatcher));
        s.play.playResult = "K-DTS PB";
    }
    --s.outs;
    AddPitcherOut(game, -1);
    int catcher = FielderEntry(game, kCatcher);
    if (catcher > 0) --game.counters.field(ft, catcher).putouts;
    --tc.positionPutouts[kCatcher];
    SayText(game, "The ball gets away!");
    SayText(game, "And the batter is going to be safe at first!");
    SayText(game, wildPitch ? "Score that one a 'wild pitch'" : "Score that one a 'passed ball'");
    s.runnerOnFirst = s.currentBatterSlot;
    s.responsiblePitcher[static_cast<std::size_t>(s.battingTeam)]
                        [static_cast<std::size_t>(s.currentBatterSlot)] = s.pitcher;
}

}  // namespace vrk
