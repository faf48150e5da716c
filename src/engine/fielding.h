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
// (with a designated hitter the pitcher holds no slot).
int FielderSlot(const Game& game, int position);
// Roster entry of the fielding team's player at the position (the current
// pitcher for position 1).
int FielderEntry(const Game& game, int position);
double FieldingAverage(const Game& game, int slot);
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
