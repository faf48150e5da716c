#pragma once
// A pitcher's expected pitches in a game, the measure of his stamina.
#include "engine/game.h"

namespace vrk {

// The factor by which a staff that seldom went to its bullpen lets its
// pitchers go longer than their lines' usual outings; 1 for any other.
double DeadballStretch(const Game& game, int team);

// The two below are asked for on nearly every pitch and nearly always answered
// from what the game keeps: that answer is given here, the rest out of line.
int WorkOutPitchesPerGame(const Game& game, int pitcherEntry, int team);
double WorkOutUsualOuting(const Game& game, int pitcherEntry, int team);

// Pitches the pitcher at the entry is expected to throw in a game for the team.
inline int ExpectedPitchesPerGame(const Game& game, int pitcherEntry, int team) {
    if (team >= 0 && team <= 2 && pitcherEntry >= 0 && pitcherEntry < kRosterSize) {
        const auto t = static_cast<std::size_t>(team);
        const bool starter = game.state.pitchersUsed[t] == 1;
        const int kept =
            game.pitchLimits.pitches[t][static_cast<std::size_t>(pitcherEntry)][starter ? 1 : 0];
        if (kept != 0) return kept;
    }
    return WorkOutPitchesPerGame(game, pitcherEntry, team);
}

// His expected pitches without the dead-ball stretch: the outing his real line
// holds, which the fatigue term measures his pitch count against.
inline double UsualOuting(const Game& game, int pitcherEntry, int team) {
    if (team >= 0 && team <= 2) {
        const bool starter = game.state.pitchersUsed[static_cast<std::size_t>(team)] == 1;
        const PitchLimitCache::Usual& last = game.pitchLimits.lastUsual[team];
        if (last.team == team && last.entry == pitcherEntry && last.starter == starter)
            return last.pitches;
    }
    return WorkOutUsualOuting(game, pitcherEntry, team);
}

}  // namespace vrk
