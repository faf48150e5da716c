// Built as its own program (vrk_alloc_tests): it replaces the global
// operator new to count allocations, which must not disturb the other tests.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "data/team_cache.h"
#include "shell/batch_game.h"
#include "shell/bench_league.h"
#include "test_paths.h"

// The replacement pairs malloc with free, which the compiler cannot see through
// an inlined operator delete.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

namespace {

std::atomic<bool> counting{false};
std::atomic<long> allocations{0};

}  // namespace

void* operator new(std::size_t size) {
    if (counting.load(std::memory_order_relaxed)) allocations.fetch_add(1);
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept {
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace vrk {
namespace {

// Games of the whole sample league, undisplayed and without per-game files,
// allocate nothing from the first pitch to the last out. The first round
// lets what lives across games (the rotation list, the faults told) grow.
TEST(GameAllocations, NoneDuringAnUndisplayedGame) {
    Config config;
    config.dataPath = std::string(vrk::test::sourceHome()) + "/";
    config.homeDir = std::string(vrk::test::sourceHome());
    std::vector<std::string> problems;
    auto pairings = loadPairings(roundRobin(sampleLeagueTeams()), config, problems);
    ASSERT_FALSE(pairings.empty()) << (problems.empty() ? "" : problems.front());

    Rng rng(20261207);
    const BatchRules rules;
    BatchCarry carry;
    TeamSlots teams;
    Game game(teams, rules.normalization.context, config, rng);
    long measured = 0;
    for (int round = 0; round < 3; ++round) {
        for (const LoadedPairing& p : pairings) {
            teams[kVisitors] = p.teams[kVisitors];
            teams[kHome] = p.teams[kHome];
            counting = round > 0;
            const long before = allocations.load();
            playUndisplayedGame(game, rules, carry);
            counting = false;
            if (round > 0) {
                ++measured;
                EXPECT_EQ(allocations.load() - before, 0)
                    << p.names.visitor << " at " << p.names.home << ", round " << round;
            }
        }
    }
    EXPECT_EQ(measured, 2 * static_cast<long>(pairings.size()));
}

}  // namespace
}  // namespace vrk
