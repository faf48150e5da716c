#pragma once
#include <string_view>
#include <vector>

#include "engine/game.h"
#include "managers/bullpen_state.h"

namespace vrk {

// The strategy a user sets for his side's next pitch from the strategy window.
enum class StrategyCall {
    Steal,
    Bunt,
    HitAndRun,
    IntentionalWalk,
    InfieldIn,
    PitchOut,
    PitchAround
};

// Sets the call's flag; steal, bunt and hit-and-run exclude one another.
void SetStrategyCall(StrategyFlags& flags, StrategyCall call);

// Why a bench player cannot come in (none: he can).
enum class SubstituteRefusal { None, AlreadyUsed, UsedAsPitcher, NoPitchersLeft };

inline constexpr std::string_view kHitTheShowers =
    " Player has already hit the showers! Try again. ";
inline constexpr std::string_view kAlreadyUsedThatGuy =
    " You've already used that guy! Try again. ";
inline constexpr std::string_view kUsedAsPitcher = " Already used as a pitcher! Try again. ";
inline constexpr std::string_view kNoPitchersLeft = " You don't have any pitchers left! ";
inline constexpr std::string_view kNoBaserunners = " There are no baserunners! ";

// The players not in the batting order: the pitching staff, then the bench.
std::vector<int> BenchEntries(const Game& game, int team);

// Whether `entry` may replace the player in `slot` of the batting team.
// Batting for the pitcher needs a pitcher left who has not been in the game
// (the rest rule does not count here).
SubstituteRefusal CheckSubstitute(const Game& game, const BullpenState& bullpen, int team, int slot,
                                  int entry);
// The slot's player bats in the pitcher's place.
bool PitcherSlot(const Game& game, int team, int slot);

// The slots of the runners on base, first to third (0 = nobody there).
std::vector<int> RunnerSlots(const GameState& state);

// Asks the managers to put `entry` in for the batter, or for the runner of
// `slot`; they carry it out before the pitch.
void CallPinchHitter(StrategyFlags& flags, int entry);
void CallPinchRunner(StrategyFlags& flags, int slot, int entry);

}  // namespace vrk
