#pragma once
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "core/rng.h"
#include "engine/fielding.h"
#include "engine/game.h"
#include "engine/test_teams.h"

namespace vrk::plays_testing {

// Positions of the nine batting-order slots of both test teams.
inline constexpr std::array<int, 10> kSlotPosition{0, 8, 6, 9, 3, 5, 7, 4, 2, 1};

// A plausible team: nine regulars who play their own positions well, a
// staff of three pitchers at entries 10..12.
inline Team MakeTeam(const std::string& name) {
    Team team;
    testing::BuildTeam(team, "", 3, 0);
    team.teamName = name;
    team.averageTeamSpeed = 5;
    team.leagueContext.singleShare = 0.7f;
    team.leagueContext.doubleShare = 0.18f;
    team.leagueContext.tripleShare = 0.03f;
    team.leagueContext.homeRunShare = 0.09f;
    for (int slot = 1; slot <= 9; ++slot) {
        Player& p = team.player(slot) = testing::MakeBatter(
            "Slot" + std::to_string(slot) + ", Sam", kSlotPosition[static_cast<std::size_t>(slot)],
            500, slot % 3 == 0 ? 'L' : 'R');
        testing::SetLine(p, 500, 135, 25, 3, 15, 50, 90);
        p.defense = 985;
        p.speed = 5;
        p.games = 140;
    }
    for (int entry = 10; entry <= 12; ++entry) {
        Player& p = team.player(entry) = testing::MakePitcher(
            "Arm" + std::to_string(entry) + ", Al", 32, entry == 10 ? 32 : 0, 200);
        testing::SetPitchingLine(p, 200, 190, 35, 4, 20, 65, 150);
        p.hand = entry == 11 ? 'L' : 'R';
        p.speed = 3;
    }
    return team;
}

// One game in the middle of a half inning: visitors bat, the home team's
// entry 10 pitches, slot 1 is up.
struct PlaysFixture {
    std::array<Team, 3> teams;
    LeagueContext normalization;
    Config config;
    Rng rng;
    std::unique_ptr<Game> game;

    explicit PlaysFixture(std::uint64_t seed = 1) : rng(seed) {
        teams[1] = MakeTeam("Visitors");
        teams[2] = MakeTeam("Home");
        game = std::make_unique<Game>(teams, normalization, config, rng);
        GameState& s = game->state;
        s.currentPitcher = {0, 10, 10};
        s.pitcher = 10;
        s.battingTeam = kVisitors;
        s.fieldingTeam = kHome;
        s.inning = 3;
        s.pitchersUsed = {0, 1, 1};
        s.pitcherList[1][1] = 10;
        s.pitcherList[2][1] = 10;
        Bat(1);
    }

    // The home team bats in `inning` with the score as given.
    void HomeBats(int inning, int visitorsScore, int homeScore) {
        GameState& s = game->state;
        s.battingTeam = kHome;
        s.fieldingTeam = kVisitors;
        s.inning = inning;
        s.score = {0, visitorsScore, homeScore};
    }

    GameState& state() { return game->state; }
    Team& fielding() { return teams[game->state.fieldingTeam]; }
    Team& batting() { return teams[game->state.battingTeam]; }

    // The batter in `slot` comes up with the bases as given (slots, 0 = empty).
    void Bat(int slot, int first = 0, int second = 0, int third = 0, int outs = 0) {
        GameState& s = game->state;
        s.currentBatterSlot = s.batter = slot;
        testing::SetBases(s, first, second, third);
        s.outs = outs;
        for (int r : {first, second, third}) {
            if (r != 0) s.responsiblePitcher[s.battingTeam][r] = s.pitcher;
        }
        s.play.playResult.clear();
        s.play.errorOnPlay = false;
        s.play.precedingError = ErrorKind::None;
        // The pitch loop counts the at-bat before the outcome.
        game->counters.bat(s.battingTeam, s.batter).atBats += 1;
    }

    // The fielder at `position` of the fielding team gets this defence rating.
    void SetDefense(int position, int rating) {
        for (int slot = 1; slot <= 9; ++slot) {
            Player& p = fielding().player(slot);
            if (p.lineupPosition == position) p.defense = rating;
        }
    }
    void SetSpeed(int slot, int speed) { batting().player(slot).speed = speed; }

    int TotalPutouts() { return testing::OutsSoFar(*game, game->state.fieldingTeam).putouts; }
    int PitcherOuts() {
        return game->state.outsRecorded[game->state.fieldingTeam][game->state.pitcher];
    }
    int Runs() { return game->state.score[game->state.battingTeam]; }
    int FielderCount(int position, int FielderCounters::*field) {
        int entry = FielderEntry(*game, position);
        return game->counters.field(game->state.fieldingTeam, entry).*field;
    }
};

// Every base state and out count over `seeds` plays: each out made is one
// putout and one pitcher's out, and no runner is lost. `play` resolves the
// ball (setting flags first as it likes) and returns false to skip a case.
template <class Play>
void ExpectBalancedBooks(std::uint64_t seeds, Play play) {
    for (std::uint64_t seed = 1; seed <= seeds; ++seed) {
        PlaysFixture f(seed);
        int bases = static_cast<int>(seed % 8);
        int outs = static_cast<int>((seed / 8) % 3);
        f.Bat(1, bases & 1 ? 7 : 0, bases & 2 ? 8 : 0, bases & 4 ? 9 : 0, outs);
        int before = f.state().runnersOn() + 1;
        if (!play(f, seed)) continue;
        const GameState& s = f.state();
        int made = s.outs - outs;
        ASSERT_GE(made, 0);
        ASSERT_LE(s.outs, 3);
        EXPECT_EQ(f.TotalPutouts(), made) << s.play.playResult;
        EXPECT_EQ(f.PitcherOuts(), made) << s.play.playResult;
        EXPECT_TRUE(s.outs == 3 || s.runnersOn() + f.Runs() + made == before) << s.play.playResult;
    }
}

}  // namespace vrk::plays_testing
