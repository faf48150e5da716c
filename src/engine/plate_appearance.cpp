// The outcome of a plate appearance: one draw against the thresholds, then
// the handler of what was drawn, and the pitches it took.
#include "engine/plate_appearance.h"

#include <string_view>

#include "engine/engine_helpers.h"
#include "engine/event_rates.h"
#include "engine/game.h"
#include "engine/hit_factor.h"
#include "engine/hits_extra_bases.h"
#include "engine/hits_single.h"
#include "engine/matchup_rates.h"
#include "engine/message_registry.h"
#include "engine/resolve_out.h"
#include "engine/walk.h"

namespace vrk {

namespace {

constexpr int kPitchTable[4][10] = {
    {1, 1, 2, 3, 3, 4, 4, 5, 5, 6},  // hit or hit batsman
    {3, 3, 4, 5, 5, 5, 6, 6, 6, 7},  // strikeout
    {1, 1, 2, 3, 3, 4, 4, 4, 5, 6},  // other out
    {4, 4, 5, 5, 5, 5, 5, 6, 6, 8},  // walk
};

void AddPitches(Game& game, PitchColumn column, int k) {
    GameState& s = game.state;
    int n = PitchesFor(column, k);
    s.pitchCount[static_cast<std::size_t>(s.fieldingTeam)] += n;
    game.counters.pitch(s.fieldingTeam, s.pitcher).pitches += n;
}

}  // namespace

int PitchesFor(PitchColumn column, int k) {
    if (k < 1 || k > 10) return 0;
    return kPitchTable[static_cast<int>(column)][k - 1];
}

void ResolvePlateAppearance(Game& game) {
    GameState& s = game.state;
    HitFactorResult factor = HitFactor(game);
    const KeptMatchup& matchup = MatchupRates(game, factor.homeRunScale);
    OutcomeThresholds th =
        ComputeThresholds(game, matchup.rates, matchup.combined, factor.hitFactor);

    s.play.hitType = 0;
    double r = game.rng.draw();
    int k = game.rng.randInt(10);
    if (game.flags.hitAndRunCall && r < th.t[6]) SayBatter(game, msg::kHitAndRunOn);

    if (r > th.t[6]) {
        ResolveOut(game, matchup.out);
        AddPitches(
            game,
            std::string_view(s.play.playResult) == "K" ? PitchColumn::Strikeout : PitchColumn::Out,
            k);
    } else if (r > th.t[5]) {
        const Player& batter = game.batterPlayer();
        s.play.insideTheParkHomeRun = game.rng.draw() < 0.01 * batter.speed - 0.05;
        // A game-winning hit in the home half is not run out around the bases.
        if (s.inning >= s.rules.regulationInnings && s.battingTeam == kHome &&
            s.score[kHome] + s.runnersOn() > s.score[kVisitors]) {
            s.play.insideTheParkHomeRun = false;
        }
        s.play.hitType = 4;
        s.play.homeRunThisPass = true;
        ResolveHomeRun(game);
        s.play.insideTheParkHomeRun = false;
        AddPitches(game, PitchColumn::Hit, k);
    } else if (r > th.t[4]) {
        s.play.hitType = 3;
        ResolveTriple(game);
        AddPitches(game, PitchColumn::Hit, k);
    } else if (r > th.t[3]) {
        s.play.hitType = 2;
        ResolveDouble(game);
        AddPitches(game, PitchColumn::Hit, k);
    } else if (r > th.t[2]) {
        s.play.hitType = 1;
        ResolveSingle(game);
        AddPitches(game, PitchColumn::Hit, k);
    } else if (r > th.t[1]) {
        ResolveHitByPitch(game);
        AddPitches(game, PitchColumn::Hit, k);
    } else {
        ResolveWalk(game);
        AddPitches(game, PitchColumn::Walk, k);
    }
}

}  // namespace vrk
