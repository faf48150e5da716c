#include "engine/matchup_rates.h"

#include "engine/game.h"

namespace vrk {

namespace {

void WorkOut(const Game& game, float homeRunScale, KeptMatchup& into) {
    into.rates = ComputeEventRates(game, homeRunScale);
    into.combined = CombineEventRates(game, into.rates);
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

void ForgetMatchupRates(Game& game) {
    MatchupRateCache& cache = game.matchupRates;
    // Cells are stamped with the stamp of their time; a stamp that came round
    // again could match an old cell, so the cells start over then.
    if (++cache.stamp == 0) cache = MatchupRateCache{};
}

}  // namespace vrk
