#pragma once
#include <string>
#include <string_view>

#include "engine/game.h"

namespace vrk {

// The steps of a game, in the order PlayGame runs them. Exposed so that tests
// can drive a game from any state.

// Resets the state and counters from the options and puts the starters in.
void StartGame(Game& game);
// Half inning: start (with the defence check, anthem and automatic runner),
// the plate appearances, the end. Returns false when the game ended inside.
void StartHalfInning(Game& game);
bool PlayHalfInning(Game& game);
// Passes of the plate-appearance loop after which a half inning is stopped
// as a fault (the game then has no decision).
inline constexpr int kHalfInningPassLimit = 2000;
void EndHalfInning(Game& game);
// Column 1..10 of an inning on its scoreboard page.
int ScoreboardColumn(int inning);
// The automatic runner of an extra half inning.
void PlaceAutomaticRunner(Game& game);
// True when the home side leads in (or after) its last regulation half.
bool WalkOffReached(const GameState& s);
// One pass of the plate-appearance loop: a pitch-level event or a whole plate
// appearance, then the tail.
void PlayPass(Game& game);
// Winner, save, the starter's win, highlights and the closing texts.
void FinishGame(Game& game);

// A new pitcher for a team: bookkeeping, pitch count and score card.
void BringInPitcher(Game& game, int team, int entry);
// Whether the computer makes a double switch when this reliever comes in.
bool WantsDoubleSwitch(Game& game, int reliever);

// Texts.
std::string InningSummaryText(int runs, int hits, int errors, int leftOnBase);
// The line about the batter's game so far ("'s hitless in 3 tries."); empty
// when he has no at-bat yet.
std::string BatterGameLine(const std::string& name, const BatterCounters& c);
std::string FatigueText(const Game& game);
// "First Last" from the roster's "Last, First".
std::string SpokenName(const Player& player);
bool IsCanadianTeam(std::string_view teamName);
// The anthem files of a game in the order they are played.
int AnthemOrder(const Game& game, std::string_view (&files)[2]);
// Whether a player is playing one of his own positions.
bool PlaysInPosition(const Player& player, int position);

}  // namespace vrk
