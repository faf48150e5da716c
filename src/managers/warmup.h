#pragma once
#include <string_view>

namespace vrk {

struct Game;
struct BullpenState;

// After every pitch under WARMUP-RULE: the user-managed fielding team's
// throwers count down (a pitcher going cold after throwing while he needed
// rest pitches with the penalty); the user-managed batting team's counters
// stop at 2, so a reliever stays warm while his team bats.
void WarmUpClock(Game& game, BullpenState& bullpen);

inline constexpr std::string_view kStartSomeoneThrowing =
    "Start someone throwing in your bullpen...";

enum class PinchHitReminder {
    PitcherTakesOver,  // the pinch hitter was one of the team's pitchers
    KeepWarming,       // someone is already throwing
    OpenBullpen,       // show kStartSomeoneThrowing, then the bullpen in reminder mode
};

// A user-managed team under WARMUP-RULE pinch-hit in its pitcher's slot.
PinchHitReminder RemindAfterPinchHit(Game& game, BullpenState& bullpen, int team, int pinchHitter);

}  // namespace vrk
