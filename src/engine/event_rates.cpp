// Per-plate-appearance event rates of the batter and the pitcher, with the
// league-strength and cross-era normalisation terms.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/rounding.h"
#include "core/text_fields.h"
#include "data/hit_by_pitch_grade.h"
#include "engine/engine_helpers.h"
#include "engine/event_rates.h"
#include "engine/game.h"

namespace vrk {

namespace {

void Scale(SideRates& r, float by) {
    r.walk *= by;
    r.single *= by;
    r.doubles *= by;
    r.triple *= by;
    r.homeRun *= by;
}

// Runs per out of a league; 0 when the league has no innings.
double RunsPerOut(const LeagueContext& league) {
    if (league.innings <= 0) return 0;
    return LinearRunValue(league) / (3.0 * league.innings);
}

// Ratio of the target league's run environment to the own league's; 0 when
// either is undefined (no normalisation then).
double EraRatio(const LeagueContext& target, const LeagueContext& own) {
    double t = RunsPerOut(target);
    double o = RunsPerOut(own);
    if (t <= 0 || o <= 0) return 0;
    return t / o;
}

// "H", "V" or "B" (a one-letter mode); anything else names no side.
char NormalizeModeLetter(const Game& game) {
    const std::string& modeText = game.options.normalizeMode;
    return modeText.size() == 1 ? modeText[0] : '\0';
}

}  // namespace

float PitchedToWalkShare(bool designatedHitter, double leagueHomeRunRate) {
    // A damaged or missing league row must not take away every walk.
    const double hr = leagueHomeRunRate > 0 ? std::min(leagueHomeRunRate, 0.05) : 0.0;
    const double given = designatedHitter ? 2.1 * hr : 0.049 + 1.47 * hr;
    return static_cast<float>(1 - given);
}

PitcherTerms ComputePitcherTerms(const Game& game) {
    const GameState& s = game.state;
    const Team& batting = game.team(s.battingTeam);
    const Team& fielding = game.team(s.fieldingTeam);
    const Player& p = fielding.player(s.pitcher);
    const LeagueContext& fieldLeague = fielding.leagueContext;
    PitcherTerms t;
    t.out = ComputePitcherOutTerms(game);
    SideRates& r = t.rates;

    float ip = static_cast<float>(p.pitching.inningsPitched);
    float bfp = static_cast<float>(EstimateBattersFaced(
        ip, p.pitching.hitsAllowed, p.pitching.walksAllowed, p.pitching.strikeouts));
    if (bfp <= 0) bfp = 1;

    t.hitByPitch =
        static_cast<float>(kHitByPitchPerWalk) * static_cast<float>(p.pitching.walksAllowed) / bfp;

    float hp = static_cast<float>(p.pitching.hitsAllowed) / bfp;

    r.homeRun =
        std::max(fielding.hrAllowedData ? static_cast<float>(p.pitching.homeRunsAllowed) / bfp
                                        : fieldLeague.homeRunShare * hp,
                 0.0015f);
    r.triple =
        std::max(p.pitching.triplesAllowed > 0 ? static_cast<float>(p.pitching.triplesAllowed) / bfp
                                               : fieldLeague.tripleShare * hp,
                 0.001f);
    r.doubles =
        std::max(p.pitching.doublesAllowed > 0 ? static_cast<float>(p.pitching.doublesAllowed) / bfp
                                               : fieldLeague.doubleShare * hp,
                 0.001f);
    r.single = hp - (r.triple + r.doubles + r.homeRun);
    r.walk = static_cast<float>(p.pitching.walksAllowed) / bfp;

    int batIndex = batting.leagueContext.leagueIndex > 0 ? batting.leagueContext.leagueIndex : 100;
    int fieldIndex = fieldLeague.leagueIndex > 0 ? fieldLeague.leagueIndex : 100;
    if (batIndex != fieldIndex) {
        Scale(r, 1 + (static_cast<float>(batIndex) / static_cast<float>(fieldIndex) - 1) / 2);
    }

    const char mode = NormalizeModeLetter(game);
    bool target = game.options.normalizationHomeRunRate > 0;
    bool pitcherNormalised = (s.battingTeam == kHome && mode == 'H') ||
                             (s.battingTeam == kVisitors && mode == 'V') || mode == 'B' || target;
    if (pitcherNormalised) {
        const LeagueContext& to = target ? game.normalization : batting.leagueContext;
        double d = EraRatio(to, fieldLeague);
        double bfp1 = EstimateBattersFaced(ip, p.pitching.hitsAllowed, p.pitching.walksAllowed,
                                           p.pitching.strikeouts);
        double bfp2 = EstimateBattersFaced(
            ip, static_cast<double>(roundHalfEven(d * p.pitching.hitsAllowed)),
            static_cast<double>(roundHalfEven(d * p.pitching.walksAllowed)), p.pitching.strikeouts);
        if (d > 0 && bfp2 > 0) Scale(r, static_cast<float>(d * bfp1 / bfp2));
    }

    t.walkShare = PitchedToWalkShare(game.options.designatedHitter, fieldLeague.homeRunRate);
    t.walk = PrepareRate(r.walk, fieldLeague.walkRate);
    t.single = PrepareRate(r.single, fieldLeague.singleRate);
    t.doubles = PrepareRate(r.doubles, fieldLeague.doubleRate);
    t.triple = PrepareRate(r.triple, fieldLeague.tripleRate);
    t.homeRun = PrepareRate(r.homeRun, fieldLeague.homeRunRate);
    return t;
}

BatterTerms ComputeBatterTerms(const Game& game) {
    const GameState& s = game.state;
    const Team& batting = game.team(s.battingTeam);
    const LeagueContext& fieldLeague = game.team(s.fieldingTeam).leagueContext;
    BatterTerms t;
    t.extraPerAtBat = ExtraAppearancesPerAtBat(batting.averageTeamSpeed);

    int batIndex = batting.leagueContext.leagueIndex > 0 ? batting.leagueContext.leagueIndex : 100;
    int fieldIndex = fieldLeague.leagueIndex > 0 ? fieldLeague.leagueIndex : 100;
    t.strengthApplies = batIndex != fieldIndex;
    if (t.strengthApplies) {
        t.strength = 1 + (static_cast<float>(batIndex) / static_cast<float>(fieldIndex) - 1) / 2;
    }

    const char mode = NormalizeModeLetter(game);
    bool target = game.options.normalizationHomeRunRate > 0;
    t.normalised = (s.battingTeam == kVisitors && mode == 'H') ||
                   (s.battingTeam == kHome && mode == 'V') || mode == 'B' || target;
    if (t.normalised) {
        const LeagueContext& to = target ? game.normalization : fieldLeague;
        t.eraRatio = EraRatio(to, batting.leagueContext);
    }
    return t;
}

EventRates ComputeEventRates(const Game& game, float homeRunScale) {
    return ComputeEventRates(game, homeRunScale, ComputePitcherTerms(game),
                             ComputeBatterTerms(game));
}

EventRates ComputeEventRates(const Game& game, float homeRunScale, const PitcherTerms& pitcher,
                             const BatterTerms& terms) {
    const GameState& s = game.state;
    const Player& b = game.team(s.battingTeam).player(s.batter);
    EventRates r;
    r.pitcher = pitcher.rates;

    float hbp = pitcher.hitByPitch;
    hbp *= static_cast<float>(HitByPitchGradeScale(b.walkGrade));
    r.hitByPitch = hbp;

    float e = terms.extraPerAtBat;
    float ab = static_cast<float>(b.atBats);
    float pa = static_cast<float>(b.walks) + ab + ab * (e + hbp);
    if (pa <= 0) pa = 1;

    r.batter.homeRun = std::max(homeRunScale * static_cast<float>(b.homeRuns) / pa, 0.001f);
    r.batter.triple = std::max(static_cast<float>(b.triples) / pa, 0.001f);
    r.batter.doubles = std::max(static_cast<float>(b.doubles) / pa, 0.001f);
    r.batter.single = static_cast<float>(b.hits - b.doubles - b.triples - b.homeRuns) / pa;
    r.batter.walk = static_cast<float>(b.walks) / pa;

    if (terms.strengthApplies) Scale(r.batter, terms.strength);

    if (terms.normalised) {
        double d = terms.eraRatio;
        double denominator = (b.walks + b.hits) * d + (b.atBats - b.hits);
        if (d > 0 && denominator > 0) {
            Scale(r.batter, static_cast<float>(d * (b.walks + b.atBats) / denominator));
        }
    }
    return r;
}

CombinedRates CombineEventRates(const PitcherTerms& pitcher, const EventRates& rates) {
    CombinedRates c;
    c.walk = pitcher.walkShare * static_cast<float>(CombineRates(pitcher.walk, rates.batter.walk));
    c.single = static_cast<float>(CombineRates(pitcher.single, rates.batter.single));
    c.doubles = static_cast<float>(CombineRates(pitcher.doubles, rates.batter.doubles));
    c.triple = static_cast<float>(CombineRates(pitcher.triple, rates.batter.triple));
    c.homeRun = static_cast<float>(CombineRates(pitcher.homeRun, rates.batter.homeRun));
    return c;
}

CombinedRates CombineEventRates(const Game& game, const EventRates& rates) {
    const LeagueContext& league = game.team(game.state.fieldingTeam).leagueContext;
    CombinedRates c;
    c.walk =
        PitchedToWalkShare(game.options.designatedHitter, league.homeRunRate) *
        static_cast<float>(CombineRates(rates.pitcher.walk, rates.batter.walk, league.walkRate));
    c.single = static_cast<float>(
        CombineRates(rates.pitcher.single, rates.batter.single, league.singleRate));
    c.doubles = static_cast<float>(
        CombineRates(rates.pitcher.doubles, rates.batter.doubles, league.doubleRate));
    c.triple = static_cast<float>(
        CombineRates(rates.pitcher.triple, rates.batter.triple, league.tripleRate));
    c.homeRun = static_cast<float>(
        CombineRates(rates.pitcher.homeRun, rates.batter.homeRun, league.homeRunRate));
    return c;
}

OutcomeThresholds ComputeThresholds(const Game& game, const EventRates& rates, float hitFactor) {
    return ComputeThresholds(game, rates, CombineEventRates(game, rates), hitFactor);
}

OutcomeThresholds ComputeThresholds(const Game& game, const EventRates& rates,
                                    const CombinedRates& combined, float hitFactor) {
    const LeagueContext& league = game.team(game.state.fieldingTeam).leagueContext;
    OutcomeThresholds out;
    float h = hitFactor;
    float w = 1;
    float walk = combined.walk;
    float hbp = rates.hitByPitch;
    bool afterHomeRun = game.state.afterHomeRun;
    if (game.flags.pitchAround) {
        if (walk < 0.3f) {
            w = 1.5f;
            h -= 0.5f * walk;
        }
    } else if (afterHomeRun) {
        w = 1.2f;
        h -= 0.2f * walk;
    }
    // After a home run the next batter is more likely to be hit; the walk band
    // is left as it is.
    const auto floor = static_cast<float>(kHitByPitchAfterHomeRun);
    if (afterHomeRun && hbp < floor) hbp = floor;

    float d = 1 - h;
    auto band = [&](float combinedRate, float share) { return combinedRate * (1 - d * share); };
    out.t[1] = w * walk;
    out.t[2] = out.t[1] + hbp;
    out.t[3] = out.t[2] + band(combined.single, league.singleShare);
    out.t[4] = out.t[3] + band(combined.doubles, league.doubleShare);
    out.t[5] = out.t[4] + band(combined.triple, league.tripleShare);
    out.t[6] = out.t[5] + band(combined.homeRun, league.homeRunShare);
    out.walk = walk;
    out.hitByPitch = hbp;
    out.hitFactor = h;
    out.walkFactor = w;
    return out;
}

}  // namespace vrk
