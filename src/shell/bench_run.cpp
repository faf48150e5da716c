#include "shell/bench_run.h"

#include <sys/resource.h>

#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <iostream>

#include "core/text_fields.h"
#include "data/team_restore.h"
#include "shell/batch_game.h"
#include "shell/config_file.h"
#include "shell/session.h"
#include "shell/startup.h"

namespace vrk {

namespace {

constexpr const char* kBenchVisitors = "CAMHAVEN";
constexpr const char* kBenchHome = "FELVORA";

void printRun(std::ostream& out, const char* label, const BenchFigures& f) {
    char line[200];
    std::snprintf(line, sizeof line, "%-34s %7ld games  signature %016" PRIx64 "  %9.0f games/s",
                  label, f.games, f.signature, f.gamesPerSecond());
    out << line << "\n";
}

long peakMemoryKb() {
    rusage usage{};
    if (getrusage(RUSAGE_SELF, &usage) != 0) return 0;
    return usage.ru_maxrss;  // kilobytes on Linux
}

}  // namespace

void Signature::add(std::int64_t number) {
    auto bits = static_cast<std::uint64_t>(number);
    for (int i = 0; i < 8; ++i) {
        value ^= bits & 0xff;
        value *= 0x100000001b3ULL;
        bits >>= 8;
    }
}

void addGameToSignature(Signature& signature, const Game& game, const GameResult& result) {
    signature.add(result.innings);
    const int shown = result.innings < 30 ? result.innings : 30;
    for (int t = kVisitors; t <= kHome; ++t) {
        for (int inning = 1; inning <= shown; ++inning) {
            signature.add(result.runsByInning[t][inning]);
        }
        signature.add(result.score[t]);
        signature.add(game.counters.team[t].hits);
        signature.add(game.counters.team[t].errors);
    }
}

BenchFigures playPairings(std::vector<LoadedPairing>& pairings, const Config& config, long games,
                          std::uint64_t seed, const GameObserver& observer,
                          const BatchRules& rules) {
    BenchFigures figures;
    if (pairings.empty()) return figures;
    Rng rng(seed);
    BatchCarry carry;
    TeamSlots teams;
    Game game(teams, rules.normalization.context, config, rng);
    Signature signature;
    // Each round plays the pairings in a fresh order. In a fixed order every
    // team plays the same number of games per round, so its rotation turn
    // would fall the same way every round and one team would meet nothing
    // but aces.
    Rng orderRng(seed ^ 0x5DEECE66DULL);
    std::vector<std::size_t> order(pairings.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    const auto start = std::chrono::steady_clock::now();
    for (long g = 0; g < games; ++g) {
        const std::size_t inRound = static_cast<std::size_t>(g) % pairings.size();
        if (inRound == 0) {
            for (std::size_t i = order.size() - 1; i > 0; --i) {
                const auto j =
                    static_cast<std::size_t>(orderRng.randInt(static_cast<int>(i + 1)) - 1);
                std::swap(order[i], order[j]);
            }
        }
        const LoadedPairing& p = pairings[order[inRound]];
        restoreTeam(teams[kVisitors], p.teams[kVisitors]);
        restoreTeam(teams[kHome], p.teams[kHome]);
        const GameResult result = playUndisplayedGame(game, rules, carry);
        addGameToSignature(signature, game, result);
        if (observer) observer(game, result);
    }
    const auto end = std::chrono::steady_clock::now();
    figures.games = games;
    figures.signature = signature.value;
    figures.managerCounters = carry.managerCounters;
    figures.seconds = std::chrono::duration<double>(end - start).count();
    return figures;
}

int runBench(const StartupInputs& inputs, std::ostream& out, std::ostream& err) {
    long twoTeamGames = kBenchTwoTeamGames;
    long leagueGames = -1;  // rounds of the league when not given
    if (!inputs.args.empty()) {
        const double n = numericPrefix(inputs.args.front(), false);
        if (n < 1 || n > 100000000) {
            err << "vrk bench: the number of games must be 1 to 100000000.\n";
            return 2;
        }
        twoTeamGames = leagueGames = static_cast<long>(n);
    }

    StartupInputs quiet = inputs;
    quiet.args.clear();  // the bench's own settings, whatever the command line says
    Session session;
    const StartupOutcome outcome = prepareSession(quiet, session);
    if (outcome.status != StartupStatus::Ready) {
        err << outcome.message << "\n";
        return 1;
    }
    const std::string folder = dataFolder(session.config);
    std::vector<std::string> problems;
    auto pair = loadPairings({{kBenchVisitors, kBenchHome}}, session.config, problems);
    auto league = loadPairings(roundRobin(sampleLeagueTeams()), session.config, problems);
    if (pair.empty() || league.empty()) {
        for (const std::string& p : problems) err << p << "\n";
        err << "vrk bench: the sample league was not found in " << folder << "\n";
        return 1;
    }
    if (leagueGames < 0) leagueGames = kBenchLeagueRounds * static_cast<long>(league.size());

    out << "vrk bench  seed " << kBenchSeed << "\n";
    const BenchFigures two = playPairings(pair, session.config, twoTeamGames, kBenchSeed);
    const std::string twoLabel = std::string(kBenchVisitors) + " at " + kBenchHome;
    printRun(out, twoLabel.c_str(), two);
    const BenchFigures all = playPairings(league, session.config, leagueGames, kBenchSeed);
    const std::string leagueLabel = "league of " + std::to_string(sampleLeagueTeams().size()) +
                                    " teams, " + std::to_string(league.size()) + " pairings";
    printRun(out, leagueLabel.c_str(), all);
    out << "peak memory " << peakMemoryKb() << " KB\n";
    return 0;
}

int runBenchCommand(int argc, char** argv) {
    StartupInputs inputs = hostStartupInputs(argc, argv);
    inputs.args.clear();
    for (int i = 2; i < argc; ++i) inputs.args.emplace_back(argv[i]);
    return runBench(inputs, std::cout, std::cerr);
}

}  // namespace vrk
