// The hit factor of a matchup: handedness, park, home field, infield,
// fatigue, rest and regression toward the real season line.
#include <algorithm>
#include <cmath>

#include "core/text_fields.h"
#include "engine/expected_pitches.h"
#include "engine/game.h"
#include "engine/hit_factor.h"

namespace vrk {

namespace {

// Looked up, not branched to: the hands of successive matchups follow no
// pattern a predictor could learn. Rows: bats right, left, neither (or a
// platoon player against the other hand); columns: throws other than
// right, throws right.
constexpr float kPlatoonTerm[4][2] = {{0.068f, -0.025f}, {-0.108f, 0.04f}, {0, 0}, {0, 0}};

float PlatoonTerm(const Player& batter, const Player& pitcher) {
    const char b = batter.hand;
    const char p = asciiUpper(pitcher.hand);
    const unsigned notRight = b != 'R';
    const unsigned row = notRight + (notRight & static_cast<unsigned>(b != 'L'));
    const unsigned platoonOff = static_cast<unsigned>(batter.platoonMark != ' ') & (b != p);
    return kPlatoonTerm[row | (platoonOff << 1)][p == 'R'];
}

float FatigueTerm(const Game& game) {
    const GameState& s = game.state;
    const Team& fielding = game.team(s.fieldingTeam);
    const Player& pitcher = fielding.player(s.pitcher);
    if (fielding.pitcherGamesData && pitcher.pitching.games != 0 &&
        pitcher.pitching.inningsPitched != 0) {
        // Against his usual outing: the longer leash a staff of few relievers
        // gives its pitchers decides when they leave, not how tired they are
        // at a count (measured against it, the term averaged -0.010 a plate
        // appearance in 1925 and hits fell short in every such season).
        const double usual = UsualOuting(game, s.pitcher, s.fieldingTeam);
        float q =
            static_cast<float>(s.pitchCount[static_cast<std::size_t>(s.fieldingTeam)] / usual);
        // Zero halfway through an outing of his usual length: his real line
        // already holds his average tiredness, so only the departure from it
        // may move the hit factor (an offset of 0.0965 left every replayed
        // pitcher about 1.5 per cent of hits better than his line).
        return 0.175f * (q - 0.5f);
    }
    float o = static_cast<float>(s.outsRecorded[static_cast<std::size_t>(s.fieldingTeam)]
                                               [static_cast<std::size_t>(s.pitcher)]);
    if (s.pitchersUsed[static_cast<std::size_t>(s.fieldingTeam)] == 1) return 0.005f * o - 0.05f;
    return 0.01f * o - 0.05f;
}

}  // namespace

HitFactorResult HitFactor(Game& game) {
    const GameState& s = game.state;
    const Player& batter = game.batterPlayer();
    const Player& pitcher = game.pitcherPlayer();
    HitFactorResult result;
    float h = 1;

    h += PlatoonTerm(batter, pitcher);
    // Terms that do not apply add zero, which leaves h as it was: adding them
    // always spares branches whose way changes with the side at bat.
    const float park =
        static_cast<float>(s.parkBattingAdjustment[static_cast<std::size_t>(s.battingTeam)] +
                           s.parkPitchingAdjustment[static_cast<std::size_t>(s.fieldingTeam)]);
    const float parkTerm[2] = {0, park};
    h += parkTerm[game.config.parkEffects == 'Y'];
    const float f = static_cast<float>(game.config.homeFieldFactor / 100.0);
    const float bySide[2] = {-0.9444f * f, f};
    h += bySide[s.battingTeam == kHome];
    h += game.flags.infieldIn ? 0.2f : -0.004f;
    h += FatigueTerm(game);
    if (pitcher.restDaysNeeded < 0) h += static_cast<float>(-pitcher.restDaysNeeded) / 3.0f;

    if (game.options.regressionOption && game.options.statisticsRecorded) {
        float term1 = 0, term2 = 0, term3 = 0;
        const SimStats& bs = batter.sim;
        double u = game.rng.draw();
        if (u < 0.75 && bs.atBats > 0 && batter.atBats / 2 < bs.atBats && batter.atBats > 0) {
            if (bs.hits > 0 && batter.hits > 0) {
                float a = static_cast<float>(batter.hits) / static_cast<float>(batter.atBats);
                float sim = static_cast<float>(bs.hits) / static_cast<float>(bs.atBats);
                term1 = (a - sim) / a;
            }
            if (bs.homeRuns > 0 && batter.homeRuns > 0) {
                float a = static_cast<float>(batter.homeRuns) / static_cast<float>(batter.atBats);
                float sim = static_cast<float>(bs.homeRuns) / static_cast<float>(bs.atBats);
                result.homeRunScale = 1 + (a - sim) / a;
            }
        }
        if (game.config.batterOveruse && bs.atBats != 0 && batter.atBats < 350 &&
            1.5 * batter.atBats < bs.atBats) {
            term2 = std::clamp(
                0.5f * (static_cast<float>(batter.atBats) / static_cast<float>(bs.atBats) - 1),
                -0.25f, 0.25f);
        }
        const SimStats& ps = pitcher.sim;
        int ip = pitcher.pitching.inningsPitched;
        if (u >= 0.75 && ip > 0 && ip / 2.0 < ps.innings && ps.hitsAllowed != 0 &&
            pitcher.pitching.hitsAllowed > 0) {
            float a = static_cast<float>(pitcher.pitching.hitsAllowed) / static_cast<float>(ip);
            float sim = static_cast<float>(ps.hitsAllowed / ps.innings);
            term3 = (a - sim) / a;
        }
        h += term1 + term2 + term3;
    }
    result.hitFactor = std::clamp(h, 0.0f, 2.0f);
    return result;
}

}  // namespace vrk
