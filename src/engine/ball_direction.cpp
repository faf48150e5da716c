// Where a batted ball goes: the batter's pull tendency and the fielder or
// outfield zone it reaches.
#include <algorithm>

#include "core/text_fields.h"
#include "engine/ball_direction.h"

namespace vrk {

double LeagueStrikeoutsPerOut(const Game& game) {
    double k = game.team(game.state.fieldingTeam).leagueContext.strikeoutsPerOut;
    return k > 0 ? k : 0.239;
}

double PitcherStrikeoutsPerOut(const Game& game, double kL) {
    const Player& pitcher = game.team(game.state.fieldingTeam).player(game.state.pitcher);
    // A pitcher without innings pulls nobody either way: take the league rate.
    return pitcher.pitching.inningsPitched > 0
               ? pitcher.pitching.strikeouts / (3.0 * pitcher.pitching.inningsPitched)
               : kL;
}

double PullValue(const Game& game, double kp, double kL) {
    const Player& pitcher = game.team(game.state.fieldingTeam).player(game.state.pitcher);
    const Player& batter = game.team(game.state.battingTeam).player(game.state.batter);
    double v = std::clamp(0.9 - 0.32 * (kp / kL), 0.38, 0.78);
    char throws = asciiUpper(pitcher.hand);
    if (batter.hand == 'L' || ((batter.hand == 'B' || batter.hand == 'S') && throws == 'R')) {
        v = 1 - v;
    }
    return v;
}

double PullValue(Game& game) {
    const double kL = LeagueStrikeoutsPerOut(game);
    return PullValue(game, PitcherStrikeoutsPerOut(game, kL), kL);
}

int GroundBallFielder(Game& game, double v) {
    int i = game.rng.randInt(41);
    int j = game.rng.randInt(81);
    double s = v + (21 - i) / 100.0 + (41 - j) / 100.0;
    if (s > 0.78) return kThirdBase;
    if (s > 0.51) return kShortstop;
    if (s > 0.26) return kSecondBase;
    if (s > 0.18) return kPitcher;
    if (s > 0.16) return kCatcher;
    return kFirstBase;
}

int AirBallZone(Game& game, double v) {
    int i = game.rng.randInt(71);
    double s = v + (36 - i) / 100.0;
    if (s > 0.66) return kLeftField;
    if (s > 0.32) return kCenterField;
    return kRightField;
}

}  // namespace vrk
