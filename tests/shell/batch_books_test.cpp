// The statistics files of unattended games balance: what the batters are
// credited with is what the pitchers allowed and what the games file holds,
// over every pairing of the shipped league and every rule combination. The
// files are read back with a decoder of this test's own, so a fault shared
// by the program's writer and reader cannot hide.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "data/stats_set.h"
#include "data/stats_test_support.h"
#include "engine/stats_record_game.h"
#include "shell/batch_game.h"
#include "shell/stats_books.h"
#include "test_paths.h"

namespace vrk {
namespace {

namespace fs = std::filesystem;
using testing::Books;
using testing::ReadBooks;

// A team's plate appearances in one game and the batters its pitchers faced.
long Appearances(const Game& game, int team) {
    long n = 0;
    for (const BatterCounters& b : game.counters.batter[static_cast<std::size_t>(team)])
        n += b.atBats + b.walks + b.hitByPitch + b.sacrifices + b.sacrificeFlies;
    return n;
}

long Faced(const Game& game, int team) {
    long n = 0;
    for (const PitcherCounters& p : game.counters.pitcher[static_cast<std::size_t>(team)])
        n += p.battersFaced;
    return n;
}

std::vector<std::string> ShippedTeams() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(vrk::test::sourceHome())) {
        if (entry.path().extension() == ".DAT") names.push_back(entry.path().stem().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Every ordered pair of the shipped teams (same league both ways and across
// leagues both ways), under home-team rules and with the designated hitter
// forced on and off, with and without the automatic runner; the computer
// manages both sides as in a batch run, so pitching changes, pinch hitters,
// double switches and line-ups adapted to the other league all occur.
TEST(BatchBooks, BattingEqualsPitchingAndGamesOverEveryPairing) {
    const std::vector<std::string> teams = ShippedTeams();
    ASSERT_GE(teams.size(), 4u);
    stats_testing::ScratchFolder dir;
    Config config;
    config.dataPath = std::string(vrk::test::sourceHome()) + "/";
    StatsSet set;
    ASSERT_TRUE(OpenStatsSet(set, dir.str(), "BOOKS").ok);
    HighlightLists lists;
    BatchRules rules = batchRulesFrom(RunSettings{}, config);
    BatchCarry carry;
    TeamSlots slots;
    Rng rng(2026);
    std::int32_t played = 0;
    std::vector<std::string> unbalanced;
    const char* dhChoices[] = {"H", "Y", "N"};
    for (std::size_t v = 0; v < teams.size(); ++v) {
        for (std::size_t h = 0; h < teams.size(); ++h) {
            if (v == h) continue;
            for (int kind = 0; kind < 6; ++kind) {
                rules.dhChoice = dhChoices[kind % 3];
                rules.autoRunnerChoice = kind < 3 ? "Y" : "N";
                TeamLoadResult load = loadTeamPair(slots, teams[v], teams[h], config);
                ASSERT_FALSE(load.abort) << teams[v] << " at " << teams[h];
                Game game(slots, rules.normalization.context, config, rng);
                playUndisplayedGame(game, rules, carry);
                RecordGameResult r = RecordGame(set, lists, game, {played, std::nullopt, 20});
                ASSERT_TRUE(r.result.ok) << r.result.message;
                ++played;
                // Every plate appearance is a batter some pitcher faced, game by game.
                for (int side : {kVisitors, kHome}) {
                    const long faced = Faced(game, otherTeam(side));
                    const long appearances = Appearances(game, side);
                    if (faced != appearances) {
                        unbalanced.push_back(teams[v] + " at " + teams[h] + " (" +
                                             std::to_string(kind) +
                                             "): " + std::to_string(appearances) +
                                             " appearances, " + std::to_string(faced) + " faced");
                    }
                }
            }
        }
    }
    ASSERT_TRUE(SaveStatistics(set, played).ok);
    EXPECT_TRUE(unbalanced.empty()) << unbalanced.size() << " unbalanced team-games, first "
                                    << (unbalanced.empty() ? "" : unbalanced.front());

    testing::ExpectBalanced(ReadBooks(dir.str(), "BOOKS"), played);
}

}  // namespace
}  // namespace vrk
