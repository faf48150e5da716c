#include <algorithm>

#include "core/rounding.h"
#include "engine/expected_pitches.h"

namespace vrk {

namespace {

int WorkOutExpectedPitches(const Game& game, int pitcherEntry, int team, bool starter) {
    const Team& t = game.team(team);
    const Player& p = t.player(pitcherEntry);
    int gs = p.pitching.gamesStarted;
    int g = p.pitching.games;
    int ip = p.pitching.inningsPitched;
    long season = roundHalfEven(
        5.0 * p.pitching.strikeouts + 5.3 * p.pitching.walksAllowed +
        3.4 * (roundHalfEven(0.075 * p.pitching.walksAllowed) + p.pitching.hitsAllowed) +
        3.3 * (3.0 * ip - p.pitching.strikeouts));
    long result;
    if (gs > 0 && gs < g && ip > 0) {
        double share = static_cast<double>(gs) / g;
        if (starter) {
            if (share < 0.33) {
                result = 100;
            } else {
                long reliefInnings = roundHalfEven(1.7 * (g - gs));
                long startInnings = ip - reliefInnings;
                result = roundHalfEven(static_cast<double>(roundHalfEven(
                                           static_cast<double>(season) * startInnings / ip)) /
                                       gs);
                result = std::clamp(result, 64L, 125L);
            }
        } else if (share > 0.66) {
            result = 70;
        } else {
            long startInnings = roundHalfEven(5.3 * gs);
            long reliefInnings = ip - startInnings;
            result = roundHalfEven(static_cast<double>(roundHalfEven(static_cast<double>(season) *
                                                                     reliefInnings / ip)) /
                                   (g - gs));
            result = std::clamp(result, 15L, 100L);
        }
    } else if (g > 0) {
        result = std::max(roundHalfEven(static_cast<double>(season) / g), 15L);
    } else {
        result = 115;
    }
    const double stretch = DeadballStretch(game, team);
    if (stretch != 1) result = roundHalfEven(static_cast<double>(result) * stretch);
    // A pitcher never has a limit of zero pitches (the fatigue ratio divides by it).
    return static_cast<int>(std::max(result, 1L));
}

}  // namespace

double DeadballStretch(const Game& game, int team) {
    const Team& t = game.team(team);
    if (t.appearancesPerStart < 2.5 && game.config.deadballAdj == 'Y')
        return 1.375 - 0.15 * t.appearancesPerStart;
    return 1;
}

int WorkOutPitchesPerGame(const Game& game, int pitcherEntry, int team) {
    const bool starter = game.state.pitchersUsed[static_cast<std::size_t>(team)] == 1;
    if (team < 0 || team > 2 || pitcherEntry < 0 || pitcherEntry >= kRosterSize) {
        return WorkOutExpectedPitches(game, pitcherEntry, team, starter);
    }
    int& cell = game.pitchLimits.pitches[static_cast<std::size_t>(team)]
                                        [static_cast<std::size_t>(pitcherEntry)][starter ? 1 : 0];
    if (cell == 0) cell = WorkOutExpectedPitches(game, pitcherEntry, team, starter);
    return cell;
}

double WorkOutUsualOuting(const Game& game, int pitcherEntry, int team) {
    const double pitches =
        ExpectedPitchesPerGame(game, pitcherEntry, team) / DeadballStretch(game, team);
    if (team < 0 || team > 2) return pitches;
    PitchLimitCache::Usual& last = game.pitchLimits.lastUsual[team];
    last.pitches = pitches;
    last.team = team;
    last.entry = pitcherEntry;
    last.starter = game.state.pitchersUsed[static_cast<std::size_t>(team)] == 1;
    return last.pitches;
}

}  // namespace vrk
