#pragma once
#include <cstdint>
#include <functional>
#include <ostream>
#include <vector>
#include "managers/auto_manager.h"

#include "engine/game.h"
#include "shell/batch_game.h"
#include "shell/bench_league.h"
#include "shell/host_info.h"

namespace vrk {

// FNV-1a, 64 bits: the result signature of a run.
struct Signature {
    std::uint64_t value = 0xcbf29ce484222325ULL;
    void add(std::int64_t number);
};

// What the signature takes from a finished game: innings, and per team its
// line score, runs, hits and errors.
void addGameToSignature(Signature& signature, const Game& game, const GameResult& result);

struct BenchFigures {
    long games = 0;
    std::uint64_t signature = 0;
    double seconds = 0;
    AutoManagerCounters managerCounters;  // the computer managers' decisions over the run
    double gamesPerSecond() const { return seconds > 0 ? static_cast<double>(games) / seconds : 0; }
};

// Called after every game of a measured run (the fidelity report reads the
// game's counters here); may be empty.
using GameObserver = std::function<void(const Game&, const GameResult&)>;

// Plays `games` undisplayed games from one seed, cycling through the
// pairings in order, and signs every result. The bench plays under the
// default rules; a replay of a real season may start its part-time players.
BenchFigures playPairings(std::vector<LoadedPairing>& pairings, const Config& config, long games,
                          std::uint64_t seed, const GameObserver& observer = {},
                          const BatchRules& rules = {});

inline constexpr std::uint64_t kBenchSeed = 20261207;
inline constexpr long kBenchTwoTeamGames = 20000;
inline constexpr long kBenchLeagueRounds = 20;

// `vrk bench [GAMES]`: the fixed two-team run and the league run, their
// signatures and speeds. GAMES replaces both runs' game counts.
int runBench(const StartupInputs& inputs, std::ostream& out, std::ostream& err);

int runBenchCommand(int argc, char** argv);

}  // namespace vrk
