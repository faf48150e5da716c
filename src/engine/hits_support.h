#pragma once
#include <string>
#include <string_view>

#include "engine/game.h"

namespace vrk {

// Small pieces shared by the ground-ball, fly-ball and hit handlers.

// A user manages the batting side and AUTOCOACH does not answer for him.
bool HumanBattingSide(const Game& game);
// A user manages the fielding side and AUTODEFENSE does not answer for him.
bool HumanFieldingSide(const Game& game);

// Speed (1..9) of the batting team's player in a slot, and of the batter.
int RunnerSpeed(const Game& game, int slot);
int BatterSpeed(const Game& game);
// Surname of the batting team's player in a slot, for the program's own texts.
std::string RunnerSurname(const Game& game, int slot);

// Appends to the play's scoring notation; `position` variants add a fielder number.
void AppendResult(Game& game, std::string_view text);
void AppendPosition(Game& game, int position);

// The batter takes first base; his run is unearned when he reached on an error.
void PutBatterOn(Game& game, int base, bool unearned);

// Moves the runners with `errorOnPlay` set, so that their runs are unearned and
// bring in no run batted in.
void AdvanceOnError(Game& game, int first, int second, int third);

// A double play for the fielding team, in the game state and the box score.
void CountDoublePlay(Game& game);

// A yes/no question to the manager of `team` showing a success chance; the
// question text is only built by the caller when a user is asked.
bool AskSide(Game& game, int team, std::string_view question, double percent);

// "92" for whole percentages, "91.5" for the tag-up chances.
std::string WholePercent(int value);
std::string TenthsPercent(double value);

// The outfielder who backs up an infielder on a ball through the infield.
int OutfielderBehind(int infielder);

// Collects the branch marks of a play for the run-time fault report.
struct BranchTrace {
    char marks[24] = {};
    int count = 0;
    void mark(char c) {
        if (count < static_cast<int>(sizeof marks) - 1) marks[count++] = c;
    }
    std::string_view text() const { return {marks, static_cast<std::size_t>(count)}; }
};

}  // namespace vrk
