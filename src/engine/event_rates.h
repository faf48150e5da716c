#pragma once
// The matchup's event rates and the thresholds of the outcome draw.
#include <array>
#include <bit>
#include <cstdint>

#include "engine/resolve_out.h"

namespace vrk {

struct Game;

// Per-plate-appearance rates of one side: walk, single, double, triple, home run.
struct SideRates {
    float walk = 0;
    float single = 0;
    float doubles = 0;
    float triple = 0;
    float homeRun = 0;
};

struct EventRates {
    SideRates batter;
    SideRates pitcher;
    float hitByPitch = 0;
};

// The share of a season's walks that were pitched to the batter. The rest
// (intentional walks, pitching around, the wild spell after a home run) the
// defence chose to give, and here the managers' own decisions and the
// pitch-around and after-home-run terms give them again, so the walk band
// leaves them out. How many the managers give depends on the rules: with a
// pitcher in the order they walk and pitch around to get to him, and the
// spread of batting values they go by widens with the league's power, as
// the after-home-run walks grow with its home runs. Measured over replays
// of every season from 1920: about 0.049 + 1.47 x HR/PA of all walks where
// pitchers bat (6 per cent in 1920, 11 in 2019) and 2.1 x HR/PA under the
// designated hitter (4 per cent in 1975, 8 in 2019).
float PitchedToWalkShare(bool designatedHitter, double leagueHomeRunRate);

// The cumulative thresholds T1..T6 ([1..6]; [0] unused) of one draw.
struct OutcomeThresholds {
    std::array<float, 7> t{};
    float walk = 0;        // combined walk probability before the walk factor
    float hitByPitch = 0;  // after the after-home-run floor
    float hitFactor = 1;   // H after the walk adjustments
    float walkFactor = 1;  // W
};

// Plate appearances per at-bat beyond walks and hit batsmen (sacrifice
// flies and the like), by the batting team's speed.
inline float ExtraAppearancesPerAtBat(double averageTeamSpeed) {
    // Both worked out and one picked by a mask: asked on every out with the
    // two sides batting in turn, a jump here went the wrong way very often.
    const float fast = static_cast<float>(0.015 * averageTeamSpeed - 0.049);
    const std::uint32_t pick = 0u - static_cast<std::uint32_t>(averageTeamSpeed > 3.5);
    return std::bit_cast<float>((std::bit_cast<std::uint32_t>(fast) & pick) |
                                (std::bit_cast<std::uint32_t>(0.0035f) & ~pick));
}

// The ten event rates and the hit-by-pitch rate, with league strength and
// normalisation applied.
EventRates ComputeEventRates(const Game& game, float homeRunScale);

// The terms of CombineRates that do not take the batter, worked out once for a
// pitcher who meets many batters against one league.
struct RateAgainst {
    double p = 0;
    double notP = 1;  // 1 - p
    double l = 0;
    double notL = 1;  // 1 - l
    bool degenerate = true;
};
inline RateAgainst PrepareRate(double p, double l) {
    // Degenerate league rates cannot weigh anything: the batter's rate stands.
    return {p, 1 - p, l, 1 - l, l <= 0 || l >= 1};
}
// CombineRates of the prepared pitcher and league rates with a batter rate b.
inline double CombineRates(const RateAgainst& a, double b) {
    if (a.degenerate) return b;
    double x = a.p * b / a.l;
    double denominator = x + a.notP * (1 - b) / a.notL;
    if (denominator <= 0) return 0;
    return x / denominator;
}

// What the pitcher now on the mound brings to each of his matchups in a game:
// nothing here takes the batter, so it is worked out once per pitcher.
struct PitcherTerms {
    SideRates rates;       // league strength and normalisation applied
    float hitByPitch = 0;  // before the batter's walk grade
    float walkShare = 1;   // PitchedToWalkShare of the fielding side
    RateAgainst walk;      // each rate against the fielding side's league
    RateAgainst single;
    RateAgainst doubles;
    RateAgainst triple;
    RateAgainst homeRun;
    PitcherOutTerms out;
};
PitcherTerms ComputePitcherTerms(const Game& game);

// What holds for every batter of the side at bat in a game.
struct BatterTerms {
    float extraPerAtBat = 0;  // ExtraAppearancesPerAtBat of the team
    bool strengthApplies = false;
    float strength = 1;  // the leagues' strength ratio, when they differ
    bool normalised = false;
    double eraRatio = 0;  // toward the normalisation target; 0 = none
};
BatterTerms ComputeBatterTerms(const Game& game);

// ComputeEventRates from terms worked out before.
EventRates ComputeEventRates(const Game& game, float homeRunScale, const PitcherTerms& pitcher,
                             const BatterTerms& batter);

// The batter's and pitcher's rates combined against the fielding side's
// league, before the hit factor: the walk band at its pitched-to share and the
// four hit bands. They hold for the whole matchup, so they are kept with it.
struct CombinedRates {
    float walk = 0;
    float single = 0;
    float doubles = 0;
    float triple = 0;
    float homeRun = 0;
};
CombinedRates CombineEventRates(const Game& game, const EventRates& rates);
// The same with the pitcher's terms worked out before.
CombinedRates CombineEventRates(const PitcherTerms& pitcher, const EventRates& rates);

// A matchup's rates, the same combined against the league, and what its outs
// take from it.
struct KeptMatchup {
    EventRates rates;
    CombinedRates combined;
    OutChances out;
};

// Walk adjustments and thresholds for a hit factor and the rates.
OutcomeThresholds ComputeThresholds(const Game& game, const EventRates& rates, float hitFactor);
// The same from rates already combined by CombineEventRates.
OutcomeThresholds ComputeThresholds(const Game& game, const EventRates& rates,
                                    const CombinedRates& combined, float hitFactor);

}  // namespace vrk
