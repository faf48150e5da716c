// An out in the draw: a strikeout, a ground ball or a ball in the air, with
// the fielder and the error check on grounders.
#include <algorithm>
#include <cmath>
#include <exception>
#include <string>

#include "engine/ball_direction.h"
#include "engine/engine_helpers.h"
#include "engine/event_rates.h"
#include "engine/expected_pitches.h"
#include "engine/fielding.h"
#include "engine/fly_balls.h"
#include "engine/game.h"
#include "engine/ground_balls.h"
#include "engine/hits_single.h"
#include "engine/hits_support.h"
#include "engine/message_registry.h"
#include "engine/resolve_out.h"
#include "engine/strikeout.h"

namespace vrk {

namespace {

// kp and kL: the pitcher's and the league's strikeouts per out.
double StrikeoutChance(const Game& game, double kp, double kL, float extraPerAtBat) {
    const Player& b = game.team(game.state.battingTeam).player(game.state.batter);
    // The draw reaches this step on the batter's outs and on the plate
    // appearances his line has beyond at-bats and walks (sacrifice flies and
    // the like); his strikeouts are spread over all of them, as the pitcher's
    // are over all his outs.
    double outDraws = b.atBats - b.hits + extraPerAtBat * double(b.atBats);
    double kb = b.atBats > b.hits ? b.strikeouts / outDraws : 0.25;
    return CombineRates(kp, kb, kL);
}

double GroundToAirRatio(const Game& game, bool countTurnsGrounders) {
    const GameState& s = game.state;
    double g = 1.85;
    if (countTurnsGrounders) {
        double q = static_cast<double>(s.pitchCount[static_cast<std::size_t>(s.fieldingTeam)]) /
                   ExpectedPitchesPerGame(game, s.pitcher, s.fieldingTeam);
        g = std::min(g + 0.25 * q - 0.15, 2.2);
    }
    return g;
}

void TellGroundBallError(Game& game, int fielder, int c4) {
    if (!game.displayed()) return;
    SayBatter(game, msg::kGroundBall(fielder));
    if (c4 == 1) {
        if (fielder == kFirstBase) {
            SayText(game, "He flips to the pitcher covering...");
        } else {
            Say(game, msg::kGroundBallToFirst(fielder));
        }
        Say(game, msg::kThrowGetsAway);
    } else if (fielder == kPitcher || fielder == kCatcher) {
        Say(game, msg::kBatteryFieldingError(fielder));
    } else {
        Say(game, (c4 == 2 ? msg::kBallThrough(fielder) : msg::kBobble(fielder)));
    }
    Say(game, msg::kErrorCharged);
}

void GroundBall(Game& game, double v) {
    GameState& s = game.state;
    int fielder = GroundBallFielder(game, v);
    s.play.currentFielder = fielder;
    // The average is the chance of a clean play, made of the fielder's own
    // errors; the error is its complement and nothing more.
    const double x = game.rng.draw();
    if (x > kFieldingAverageFloor && x > PositionAverage(game, fielder)) {
        s.play.errorOnPlay = true;
        ChargeError(game, fielder, false);
        int c4 = s.play.buntFielderDraw;
        TellGroundBallError(game, fielder, c4);
        s.play.precedingError = c4 == 1 ? ErrorKind::Throwing : ErrorKind::Fielding;
        s.play.playResult = "E-";
        AppendPosition(game, fielder);
        // The single handler puts the batter on and moves the runners; no hit.
        s.play.hitType = 1;
        ResolveSingle(game);
        s.play.hitType = 0;
        return;
    }
    // The reserved text takes the fielder's digit without a string of its own.
    s.play.playResult.clear();
    AppendPosition(game, fielder);
    ResolveGroundBall(game);
    AddPitcherOut(game);
}

int AirBallFielder(Game& game, int zone) {
    double y = game.rng.draw();
    switch (zone) {
        case kLeftField:
            return y > 0.24 ? kLeftField : kLeftField - game.rng.randInt(2);
        case kCenterField:
            if (y > 0.47 && y < 0.52) return kCatcher;
            if (y > 0.2) return kCenterField;
            if (y > 0.1) return kShortstop;
            return kSecondBase;
        default:
            return y > 0.24 ? kRightField : 5 - game.rng.randInt(2);
    }
}

}  // namespace

PitcherOutTerms ComputePitcherOutTerms(const Game& game) {
    const GameState& s = game.state;
    const Team& fielding = game.team(s.fieldingTeam);
    const Player& p = fielding.player(s.pitcher);
    // The pull of the ball goes by the same strikeout rates as the strikeout.
    const double kL = LeagueStrikeoutsPerOut(game);
    const double kp = PitcherStrikeoutsPerOut(game, kL);
    return {kL, kp, PitcherPull(kp, kL),
            fielding.pitcherGamesData && p.pitching.games != 0 && p.pitching.inningsPitched != 0};
}

OutChances ComputeOutChances(const Game& game, const PitcherOutTerms& pitcher,
                             float extraPerAtBat) {
    return {StrikeoutChance(game, pitcher.pitcher, pitcher.league, extraPerAtBat),
            PullForHands(game, pitcher.pull), pitcher.countTurnsGrounders};
}

OutChances ComputeOutChances(const Game& game) {
    return ComputeOutChances(
        game, ComputePitcherOutTerms(game),
        ExtraAppearancesPerAtBat(game.team(game.state.battingTeam).averageTeamSpeed));
}

void ResolveOut(Game& game) {
    ResolveOut(game, ComputeOutChances(game));
}

void ResolveOut(Game& game, OutChances chances) {
    try {
        GameState& s = game.state;
        const double k = chances.strikeout;
        double x;
        if (!game.flags.hitAndRunCall) {
            x = game.rng.draw();
            if (x < k) {
                ResolveStrikeout(game);
                return;
            }
        } else {
            // The runner is going: the batter puts the ball in play.
            int span = std::max(1, static_cast<int>(std::floor(1000 * (1 - k))));
            x = (1000.0 - game.rng.randInt(span)) / 1000.0;
            SayBatter(game, msg::kHitAndRunOn);
        }
        // Only a ball in play asks how the pitcher's grounders and flies split.
        double groundThreshold = k + (1 - k) / GroundToAirRatio(game, chances.countTurnsGrounders);
        const double v = chances.pull;
        if (x <= groundThreshold) {
            GroundBall(game, v);
        } else {
            s.play.currentFielder = AirBallFielder(game, AirBallZone(game, v));
            ResolveAirBall(game);
        }
    } catch (const std::exception& e) {
        ReportFault(game, "OUTorERR_Error", e.what());
    }
}

}  // namespace vrk
