#include "engine/matchup_rates.h"

#include "engine/game.h"

namespace vrk {

namespace {

KeptMatchup WorkOut(const Game& game, float homeRunScale) {
    KeptMatchup m;
    m.rates = ComputeEventRates(game, homeRunScale);
    m.combined = CombineEventRates(game, m.rates);
    return m;
}

}  // namespace

KeptMatchup MatchupRates(Game& game, float homeRunScale) {
    const GameState& s = game.state;
    const int team = s.battingTeam;
    const int slot = s.currentBatterSlot;
    if ((team != kVisitors && team != kHome) || slot < 1 || slot > kLineupSize || s.batter <= 0) {
        return WorkOut(game, homeRunScale);
    }
    MatchupRateCache::Cell& cell = game.matchupRates.cells[team][slot];
    // A regressed line gives a new home-run scale on most plate appearances,
    // so the scale is part of the key rather than assumed.
    const std::uint32_t stamp = game.matchupRates.stamp;
    if (cell.stamp != stamp || cell.batter != s.batter || cell.pitcher != s.pitcher ||
        cell.homeRunScale != homeRunScale) {
        const KeptMatchup m = WorkOut(game, homeRunScale);
        cell.rates = m.rates;
        cell.combined = m.combined;
        cell.stamp = stamp;
        cell.batter = s.batter;
        cell.pitcher = s.pitcher;
        cell.homeRunScale = homeRunScale;
    }
    return {cell.rates, cell.combined};
}

void ForgetMatchupRates(Game& game) {
    MatchupRateCache& cache = game.matchupRates;
    // Cells are stamped with the stamp of their time; a stamp that came round
    // again could match an old cell, so the cells start over then.
    if (++cache.stamp == 0) cache = MatchupRateCache{};
}

}  // namespace vrk
