// The computer manager's turn and the figures its decisions rest on.
#include "managers/auto_manager.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <exception>
#include <string>

#include "core/rounding.h"
#include "engine/engine_helpers.h"
#include "engine/steals_chance.h"
#include "managers/auto_manager_support.h"
#include "managers/bullpen_state.h"

namespace vrk {

std::string_view StarterRemovalLabel(int reason) {
    static constexpr std::string_view kLabels[] = {"",
                                                   "Bombed early",
                                                   "Bombed (7+)",
                                                   "Bombed other",
                                                   "Pitch Count",
                                                   "C.G. Reduction",
                                                   "PH - Gen Reliever",
                                                   "PH - Closer",
                                                   "PH (All)"};
    return reason >= 1 && reason <= kStarterRemovalReasons ? kLabels[reason] : "";
}

void Manage(Game& game, AutoManagerContext& context) {
    const GameState& s = game.state;
    const automan::Situation x = automan::Read(game);
    // Each piece is first ruled out by the plainest tests of the situation
    // it needs (runners, pitches thrown, the inning); a piece so ruled out
    // would have returned before reading a figure or drawing a number.
    const bool runners = !s.basesEmpty();
    try {
        if (!s.display.userManaged[s.fieldingTeam]) {
            if (runners) automan::InfieldAndPitchOut(game, context, x);
            // With a runner on first only the bases-loading walk (a runner on third) is left.
            if (s.runnerOnFirst == 0 || s.runnerOnThird != 0) automan::Walks(game, context, x);
            if (s.pitchCount[x.fielding] >= 10 && automan::PitchingChange(game, context, x)) {
                return;
            }
        }
        if (!s.display.userManaged[s.battingTeam]) {
            // No one is sent up for a position player in the first two innings.
            if ((x.pitcherBatting || s.inning > 2) && automan::PinchHitter(game, context, x)) {
                return;
            }
            if (!runners) return;
            if (automan::RunningPlay(game, context, x)) return;
            if ((s.runnerOnFirst != 0 || s.runnerOnSecond != 0) &&
                s.inning >= s.rules.regulationInnings - 2 && std::abs(x.deficit) < 3) {
                automan::PinchRunner(game, context, x);
            }
        }
    } catch (const std::exception& e) {
        game.errors->fault("ERROR in Manage ", e.what());
    }
}

double BattingValue(const Player& batter, bool seasonReplay) {
    if (batter.atBats <= 0) return 0;
    double value = (batter.hits + 1.5 * batter.homeRuns) / batter.atBats;
    double use = 1.2 * batter.sim.atBats;
    if (seasonReplay && use > 0 && batter.atBats < use) value *= batter.atBats / use;
    return value;
}

int KnockOutThreshold(double aps) {
    if (aps >= 2.5) return 5;
    if (aps < 1.2) return 10;
    return static_cast<int>(roundHalfEven(11 - 2 * aps));
}

double CompleteGameShare(double aps) {
    return (330.17 - 206.33 * aps + 42.39 * aps * aps - 2.84 * aps * aps * aps) / 162;
}

int PitchOutSpeedThreshold(int speed) {
    if (speed < 5) return 140;
    if (speed <= 6) return 135;
    if (speed == 7) return 145;
    if (speed == 8) return 150;
    return 165;
}

double StealAttemptsPerTimeOnFirst(const Team& team, const Player& runner) {
    static constexpr double kBySpeed[] = {0.01, 0.01, 0.03, 0.06, 0.09,
                                          0.12, 0.16, 0.22, 0.30, 0.42};
    if (team.stealColumns == 0) return kBySpeed[std::clamp(runner.speed, 0, 9)];
    const double caught = RunnerCaughtStealing(team, runner);
    int singles = runner.hits - runner.doubles - runner.triples - runner.homeRuns;
    return (runner.stolenBases + caught) / std::max(1, runner.walks + singles);
}

double StealAttemptRate(const Team& team, const Player& runner) {
    double rate = StealAttemptsPerTimeOnFirst(team, runner);
    if (runner.speed == 7) rate *= 1.05;
    if (runner.speed == 8) rate *= 1.1;
    if (runner.speed >= 9) rate *= 1.15;
    return rate;
}

double PinchHitMargin(int inning, bool pitcherBatting) {
    if (inning <= 3) return 0.205;
    if (inning == 4) return 0.165;
    if (inning == 5) return 0.155;
    if (inning == 6) return 0.145;
    if (inning == 7) return 0.135;
    return pitcherBatting ? 0.04 : 0.07;
}

}  // namespace vrk
