// One undisplayed game, and the team loading that precedes every game.
#include <benchmark/benchmark.h>

#include "shell/batch_game.h"
#include "shell/bench_league.h"
#include "shell/session.h"
#include "shell/startup.h"

namespace {

// The shipped home folder with its configuration read, as `vrk` starts.
vrk::Session& shippedSession() {
    static vrk::Session session = [] {
        vrk::Session s;
        vrk::StartupInputs inputs;
        inputs.sourceHome = VRK_SOURCE_HOME;
        inputs.timeSeed = 1;
        vrk::prepareSession(inputs, s);
        return s;
    }();
    return session;
}

void BM_UndisplayedGame(benchmark::State& state) {
    vrk::Session& session = shippedSession();
    std::vector<std::string> problems;
    auto pairings = vrk::loadPairings({{"CAMHAVEN", "FELVORA"}}, session.config, problems);
    if (pairings.empty()) {
        state.SkipWithError("the sample teams did not load");
        return;
    }
    vrk::Rng rng(7);
    const vrk::BatchRules rules;
    vrk::BatchCarry carry;
    vrk::TeamSlots teams;
    vrk::Game game(teams, rules.normalization.context, session.config, rng);
    for (auto _ : state) {
        teams[vrk::kVisitors] = pairings[0].teams[vrk::kVisitors];
        teams[vrk::kHome] = pairings[0].teams[vrk::kHome];
        benchmark::DoNotOptimize(vrk::playUndisplayedGame(game, rules, carry));
    }
}
BENCHMARK(BM_UndisplayedGame);

void BM_LoadTeamPair(benchmark::State& state) {
    vrk::Session& session = shippedSession();
    vrk::TeamSlots teams;
    for (auto _ : state) {
        auto result = vrk::loadTeamPair(teams, "CAMHAVEN", "FELVORA", session.config);
        if (result.abort) {
            state.SkipWithError("the sample teams did not load");
            return;
        }
        benchmark::DoNotOptimize(teams);
    }
}
BENCHMARK(BM_LoadTeamPair);

}  // namespace
