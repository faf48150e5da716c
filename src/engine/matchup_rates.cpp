#include "engine/matchup_rates.h"

#include "engine/game.h"

namespace vrk {

EventRates MatchupRates(Game& game, float homeRunScale) {
    const GameState& s = game.state;
    const int team = s.battingTeam;
    const int slot = s.currentBatterSlot;
    if ((team != kVisitors && team != kHome) || slot < 1 || slot > kLineupSize || s.batter <= 0) {
        return ComputeEventRates(game, homeRunScale);
    }
    MatchupRateCache::Cell& cell = game.matchupRates.cells[team][slot];
    // A regressed line gives a new home-run scale on most plate appearances,
    // so the scale is part of the key rather than assumed.
    if (cell.batter != s.batter || cell.pitcher != s.pitcher || cell.homeRunScale != homeRunScale) {
        cell.rates = ComputeEventRates(game, homeRunScale);
        cell.batter = s.batter;
        cell.pitcher = s.pitcher;
        cell.homeRunScale = homeRunScale;
    }
    return cell.rates;
}

void ForgetMatchupRates(Game& game) {
    game.matchupRates = MatchupRateCache{};
}

}  // namespace vrk
