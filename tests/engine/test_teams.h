#pragma once
#include <array>
#include <memory>
#include <string>

#include "core/rng.h"
#include "engine/game.h"
#include "team_fixtures.h"

namespace vrk::testing {

// Two average teams, a configuration and a generator, with a Game over them.
struct GameFixture {
    explicit GameFixture(std::uint64_t seed = 1, bool designatedHitter = true) : rng(seed) {
        teams[1] = AverageTeam("VISITORS    ", designatedHitter);
        teams[2] = AverageTeam("HOMETOWN    ", designatedHitter);
        normalization = AverageLeague();
        game = std::make_unique<Game>(teams, normalization, config, rng);
        game->options.designatedHitter = designatedHitter;
    }
    std::array<Team, 3> teams;
    LeagueContext normalization;
    Config config;
    Rng rng;
    std::unique_ptr<Game> game;
};

// Visitors' slot `slot` at the plate against entry 10 as the half-inning
// loop leaves him: bases empty, nobody out, no score, no strategy.
inline void AtThePlate(Game& g, int slot) {
    GameState& s = g.state;
    s.battingTeam = kVisitors;
    s.fieldingTeam = kHome;
    s.lastBatterSlot[kVisitors] = slot;
    s.currentBatterSlot = slot;
    s.batter = slot;
    s.pitcher = 10;
    s.outs = 0;
    s.appearance.continues = false;
    SetBases(s, 0, 0, 0);
    s.score = {0, 0, 0};
    s.play.playResult.clear();
    g.flags = StrategyFlags{};
}

// Outs made by a fielding team so far: its pitchers' outs and its putouts.
struct FieldingOuts {
    int pitcherOuts = 0;
    int putouts = 0;
};
inline FieldingOuts OutsSoFar(const Game& g, int team) {
    FieldingOuts outs;
    for (int e = 1; e <= kMaxRosterEntries; ++e) {
        outs.pitcherOuts += g.state.outsRecorded[team][e];
        outs.putouts += g.counters.fielder[team][e].putouts;
    }
    return outs;
}

}  // namespace vrk::testing
