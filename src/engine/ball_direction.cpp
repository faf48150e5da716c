// Where a batted ball goes: the batter's pull tendency and the fielder or
// outfield zone it reaches.
#include <algorithm>
#include <array>

#include "core/text_fields.h"
#include "engine/ball_direction.h"
#include "engine/matchup_rates.h"

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

double PitcherPull(double kp, double kL) {
    return std::clamp(0.9 - 0.32 * (kp / kL), 0.38, 0.78);
}

double PullForHands(const Game& game, double v) {
    const Player& pitcher = game.team(game.state.fieldingTeam).player(game.state.pitcher);
    const Player& batter = game.team(game.state.battingTeam).player(game.state.batter);
    char throws = asciiUpper(pitcher.hand);
    if (batter.hand == 'L' || ((batter.hand == 'B' || batter.hand == 'S') && throws == 'R')) {
        v = 1 - v;
    }
    return v;
}

double PullValue(const Game& game, double kp, double kL) {
    return PullForHands(game, PitcherPull(kp, kL));
}

double PullValue(Game& game) {
    // Asked on hits, when the matchup at the plate has nearly always been kept.
    if (const KeptMatchup* kept = KeptMatchupNow(game)) return kept->out.pull;
    const double kL = LeagueStrikeoutsPerOut(game);
    return PullValue(game, PitcherStrikeoutsPerOut(game, kL), kL);
}

// Where the ball goes is a coin no branch predictor can call: the fielder is
// found by counting the marks the ball passed, not by a chain of tests.
int GroundBallFielder(Game& game, double v) {
    static constexpr std::array<int, 6> kPastMarks{kFirstBase,  kCatcher,   kPitcher,
                                                   kSecondBase, kShortstop, kThirdBase};
    int i = game.rng.randInt(41);
    int j = game.rng.randInt(81);
    double s = v + (21 - i) / 100.0 + (41 - j) / 100.0;
    const int past = int(s > 0.16) + int(s > 0.18) + int(s > 0.26) + int(s > 0.51) + int(s > 0.78);
    return kPastMarks[static_cast<std::size_t>(past)];
}

int AirBallZone(Game& game, double v) {
    static constexpr std::array<int, 3> kPastMarks{kRightField, kCenterField, kLeftField};
    int i = game.rng.randInt(71);
    double s = v + (36 - i) / 100.0;
    return kPastMarks[static_cast<std::size_t>(int(s > 0.32) + int(s > 0.66))];
}

}  // namespace vrk
