#include "engine/matchup_rates.h"

#include <utility>

#include "engine/game.h"
#include "engine/resolve_out.h"

namespace vrk {

namespace {

// The entry that holds a player after entries a and b exchanged players.
int Follow(int entry, int a, int b) {
    if (entry == a) return b;
    if (entry == b) return a;
    return entry;
}

bool ValidTeam(int team) {
    return team == kVisitors || team == kHome;
}

void WorkOut(const Game& game, float homeRunScale, KeptMatchup& into) {
    into.rates = ComputeEventRates(game, homeRunScale);
    into.combined = CombineEventRates(game, into.rates);
    into.out = ComputeOutChances(game);
}

// A new matchup at a slot: only the batter's side is worked out, the rest is
// kept for the game like the matchups.
void WorkOutKept(Game& game, int team, float homeRunScale, KeptMatchup& into) {
    MatchupRateCache& cache = game.matchupRates;
    const int pitcher = game.state.pitcher;
    if (pitcher < 1 || pitcher > kMaxRosterEntries) {
        WorkOut(game, homeRunScale, into);
        return;
    }
    MatchupRateCache::PitcherCell& p = cache.pitchers[team][pitcher];
    if (p.stamp != cache.stamp) {
        p.terms = ComputePitcherTerms(game);
        p.stamp = cache.stamp;
    }
    MatchupRateCache::BatterCell& b = cache.batters[team];
    if (b.stamp != cache.stamp) {
        b.terms = ComputeBatterTerms(game);
        b.stamp = cache.stamp;
    }
    into.rates = ComputeEventRates(game, homeRunScale, p.terms, b.terms);
    into.combined = CombineEventRates(p.terms, into.rates);
    into.out = ComputeOutChances(game, p.terms.out, b.terms.extraPerAtBat);
}

}  // namespace

const KeptMatchup& MatchupRates(Game& game, float homeRunScale) {
    const GameState& s = game.state;
    const int team = s.battingTeam;
    const int slot = s.currentBatterSlot;
    if ((team != kVisitors && team != kHome) || slot < 1 || slot > kLineupSize || s.batter <= 0) {
        WorkOut(game, homeRunScale, game.matchupRates.unkept);
        return game.matchupRates.unkept;
    }
    MatchupRateCache::Cell& cell = game.matchupRates.cells[team][slot];
    // A regressed line gives a new home-run scale on most plate appearances,
    // so the scale is part of the key rather than assumed.
    const std::uint32_t stamp = game.matchupRates.stamp;
    if (cell.stamp != stamp || cell.batter != s.batter || cell.pitcher != s.pitcher ||
        cell.homeRunScale != homeRunScale) {
        WorkOutKept(game, team, homeRunScale, cell.kept);
        cell.stamp = stamp;
        cell.batter = s.batter;
        cell.pitcher = s.pitcher;
        cell.homeRunScale = homeRunScale;
    }
    return cell.kept;
}

const KeptMatchup* KeptMatchupNow(const Game& game) {
    const GameState& s = game.state;
    const int team = s.battingTeam;
    const int slot = s.currentBatterSlot;
    if (!ValidTeam(team) || slot < 1 || slot > kLineupSize) return nullptr;
    const MatchupRateCache::Cell& cell = game.matchupRates.cells[team][slot];
    if (cell.stamp != game.matchupRates.stamp || cell.batter != s.batter ||
        cell.pitcher != s.pitcher) {
        return nullptr;
    }
    return &cell.kept;
}

void ForgetMatchupRates(Game& game) {
    MatchupRateCache& cache = game.matchupRates;
    // Cells are stamped with the stamp of their time; a stamp that came round
    // again could match an old cell, so the cells start over then.
    if (++cache.stamp == 0) cache = MatchupRateCache{};
}

void ForgetBatterMatchups(Game& game, int team, int entry) {
    if (!ValidTeam(team)) return;
    // Stamp 0 is never the cache's, so these cells are worked out on next use.
    for (MatchupRateCache::Cell& cell : game.matchupRates.cells[team]) {
        if (cell.batter == entry) cell.stamp = 0;
    }
}

void ExchangeMatchupEntries(Game& game, int team, int a, int b) {
    if (!ValidTeam(team) || a < 1 || a > kMaxRosterEntries || b < 1 || b > kMaxRosterEntries) {
        ForgetMatchupRates(game);
        return;
    }
    MatchupRateCache& cache = game.matchupRates;
    // The team's entries bat in its own cells and pitch in the other side's;
    // its pitchers' terms are kept under the other side, which bats against them.
    for (MatchupRateCache::Cell& cell : cache.cells[team]) cell.batter = Follow(cell.batter, a, b);
    const int other = otherTeam(team);
    for (MatchupRateCache::Cell& cell : cache.cells[other]) {
        cell.pitcher = Follow(cell.pitcher, a, b);
    }
    // Most exchanges move no pitcher whose terms are kept, and at most one
    // usually; the cells are large, so only what is kept is moved.
    MatchupRateCache::PitcherCell& pa = cache.pitchers[other][a];
    MatchupRateCache::PitcherCell& pb = cache.pitchers[other][b];
    const bool keptA = pa.stamp == cache.stamp;
    const bool keptB = pb.stamp == cache.stamp;
    if (keptA && keptB) {
        std::swap(pa, pb);
    } else if (keptA) {
        pb = pa;
        pa.stamp = 0;
    } else if (keptB) {
        pa = pb;
        pb.stamp = 0;
    }
}

}  // namespace vrk
