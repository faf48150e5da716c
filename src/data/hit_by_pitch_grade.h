#pragma once
// How often a batter is hit by a pitch: the outcome model's base rate, the
// scale of a batter's grade letter, and the floor after a home run.
#include <string_view>

namespace vrk {

// Hit batsmen per walk the pitcher issues (per batter faced).
inline constexpr double kHitByPitchPerWalk = 0.075;
// The chance the batter after a home run is hit, at least.
inline constexpr double kHitByPitchAfterHomeRun = 0.04;

// The multiplier of a batter's grade: "A" x5 down to "E" x1, then "F" x1/2
// to "I" and later letters x1/5; anything below "A" (a blank) x1.
double HitByPitchGradeScale(char grade);

// The letters in order of their multipliers, highest first.
inline constexpr std::string_view kHitByPitchGrades = "ABCDEFGHI";

}  // namespace vrk
