#pragma once
// Who fields where, how surely, and the credit for it.
#include <array>

#include "engine/game.h"

namespace vrk {

// By position (1 pitcher .. 9 right field, 10 designated hitter): its share of
// the chances a team fields, and the league's fielding percentage there.
inline constexpr std::array<double, 11> kPositionWeight{0,   1.0,  1.0,  2.2,  5.7, 2.9,
                                                        4.8, 1.85, 2.45, 1.85, 0};
inline constexpr std::array<double, 11> kLeagueFieldingPct{0,    .952, .990, .993, .981, .953,
                                                           .967, .977, .984, .981, .999};
inline constexpr double kPitcherFieldingAverage = kLeagueFieldingPct[1];

// Batting-order slot of the fielding team's player at the position; 0 when none
// (with a designated hitter the pitcher holds no slot). The search behind the
// kept slot, for when that slot no longer plays the position.
int SearchFielderSlot(const Game& game, int position);
inline int FielderSlot(const Game& game, int position) {
    const int t = game.state.fieldingTeam;
    if ((t == kVisitors || t == kHome) && position >= 0 && position <= kDesignatedHitter) {
        const int kept = game.fielderSlots.slots[t][static_cast<std::size_t>(position)];
        if (kept != 0 && game.team(t).player(kept).lineupPosition == position) return kept;
    }
    return SearchFielderSlot(game, position);
}
// Roster entry of the fielding team's player at the position (the current
// pitcher for position 1).
inline int FielderEntry(const Game& game, int position) {
    if (position == kPitcher) return game.state.pitcher;
    const int slot = FielderSlot(game, position);
    if (slot == 0) return 0;
    const int entry = game.team(game.state.fieldingTeam).player(slot).lineupPlayer;
    return entry > 0 ? entry : slot;
}
double FieldingAverage(const Game& game, int slot);
// Drops a team's kept averages that were worked out from entry a's or b's
// figures: the two entries have just exchanged players.
void ForgetFieldingAverages(Game& game, int team, int a, int b);
// Fielding average of the player at a position (the pitcher's fixed value at 1).
double PositionAverage(const Game& game, int position);
// Whether a player is playing one of his own positions.
bool PlaysInPosition(const Player& player, int position);
double PositionFieldingAverage(const Player& player, int presentPosition, double x, double f);
// Fielding credit for the fielding team's player at a position.
void CreditPutout(Game& game, int position);
void CreditAssist(Game& game, int position);
// An error by the player at a position: team, half inning, player and position
// counts; `whileAdvancing` also counts it in halfInningAdvanceErrors.
void ChargeError(Game& game, int position, bool whileAdvancing);

}  // namespace vrk
