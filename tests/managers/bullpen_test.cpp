#include <gtest/gtest.h>

#include "engine/message_registry.h"
#include "managers/auto_manager_support.h"
#include "managers/bullpen_checks.h"
#include "managers/bullpen_state.h"
#include "managers/pitcher_entry.h"
#include "managers/relief_selection.h"
#include "managers/roster_swap.h"
#include "managers/rotation.h"
#include "managers/warmup.h"
#include "managers_test_support.h"

namespace vrk {
namespace {

using mgrtest::StaffGame;

// Twelve pitchers a side (entries 10..21), entry 10 pitching.
struct Bullpen : ::testing::Test {
    StaffGame f;
    Game& g = *f.game;
    BullpenState b;
    BullpenVerdict Check(int entry) {
        return CheckBullpenChoice(g, b, kHome, entry, false).verdict;
    }
};

TEST_F(Bullpen, WarmUpRuleNeedsTwoMorePitchesAndAtMostTwoThrowers) {
    f.config.warmupRule = true;
    g.state.display.userManaged = {false, false, true};  // the home side fields
    EXPECT_EQ(Check(15), BullpenVerdict::StartsThrowing);
    StartWarmUp(b, kHome, 15, false);
    WarmUpClock(g, b);
    EXPECT_EQ(Check(15), BullpenVerdict::NotWarm);
    WarmUpClock(g, b);
    EXPECT_EQ(Check(15), BullpenVerdict::Enter);
    // Two fresh throwers: a third may not start until one is done.
    StartWarmUp(b, kHome, 16, false);
    StartWarmUp(b, kHome, 17, false);
    EXPECT_EQ(Check(18), BullpenVerdict::TwoThrowing);
    b.warm(kHome, 17) = 0;
    EXPECT_EQ(Check(18), BullpenVerdict::StartsThrowing);

    // Cold after twelve pitches in the field, then the rest penalty; while
    // his team bats he stays at 2.
    b = BullpenState{};
    g.team(kHome).player(19).restDaysNeeded = 1;
    StartWarmUp(b, kHome, 19, false);
    int& rest = g.team(kHome).player(19).restDaysNeeded;
    for (int i = 0; i < 11; ++i) WarmUpClock(g, b);
    EXPECT_EQ(std::pair(b.warm(kHome, 19), rest), std::pair(1, 1));
    WarmUpClock(g, b);
    EXPECT_EQ(std::pair(b.warm(kHome, 19), rest), std::pair(0, -1));
    std::swap(g.state.battingTeam, g.state.fieldingTeam);
    StartWarmUp(b, kHome, 20, true);
    EXPECT_EQ(b.warm(kHome, 20), 10);
    for (int i = 0; i < 20; ++i) WarmUpClock(g, b);
    EXPECT_EQ(b.warm(kHome, 20), 2);
}

TEST_F(Bullpen, CloserSituations) {
    // Inning, outs, runner on second, visitors' and home runs, team, strict, expected.
    const std::array<int, 8> cases[] = {
        {9, 0, 0, 3, 3, kVisitors, 1, 0},  // tied in the 9th, strict
        {9, 0, 0, 3, 3, kVisitors, 0, 1}, {9, 0, 0, 4, 3, kVisitors, 1, 1},
        {9, 0, 0, 4, 3, kHome, 0, 0},      // trailing
        {9, 0, 0, 7, 3, kVisitors, 0, 0},  // lead of 4
        {8, 0, 0, 4, 3, kVisitors, 0, 0},  // nobody out, bases empty
        {8, 0, 0, 4, 3, kVisitors, 1, 0}, {8, 1, 0, 4, 3, kVisitors, 0, 1},
        {8, 0, 4, 4, 3, kVisitors, 0, 1}, {7, 0, 4, 4, 3, kVisitors, 0, 0},
    };
    for (const auto& c : cases) {
        GameState s;
        s.inning = c[0];
        s.outs = c[1];
        s.runnerOnSecond = c[2];
        s.score = {0, c[3], c[4]};
        EXPECT_EQ(CloserSituation(s, c[5], c[6] != 0), c[7] != 0) << c[0] << c[1] << c[2] << c[6];
    }
}

TEST_F(Bullpen, ClosersWithAndWithoutSavesData) {
    g.state.inning = 9;
    g.state.score = {0, 2, 4};  // home leads by 2
    // No saves data: entry 15 closes.
    EXPECT_EQ(AutoSelectReliever(g, b, nullptr, kHome), 15);
    EXPECT_TRUE(b.closerUsed[kHome] && b.used(kHome, 10));  // 10 is the outgoing pitcher

    // Saves data: candidates from entry 15 on, weighted by their saves.
    Team& home = g.team(kHome);
    home.savesData = true;
    home.player(12).pitching.saves = 30;  // before the range
    home.player(16).pitching.saves = 30;
    home.player(19).pitching.saves = 10;
    BullpenState fresh;
    ReliefCandidates c = CloserCandidates(g, fresh, kHome);
    EXPECT_EQ(std::tuple(c.count, c.leader, c.weights[0]), std::tuple(2, 16, 0.75));
    int bySixteen = 0;
    for (int i = 0; i < 2000; ++i) bySixteen += DrawReliever(c, 9, f.rng) == 16;
    EXPECT_NEAR(bySixteen / 2000.0, 0.75, 0.04);
    // Small staffs start the range earlier.
    home.lastPitcherEntry = 14;
    EXPECT_EQ(CloserCandidates(g, fresh, kHome).entries[0], 12);
}

// The staff's saves are kept between looks: an exchange that moves the
// saves leader off the staff must be seen by the next look.
TEST_F(Bullpen, CloserRulesFollowTheStaffAcrossExchanges) {
    Team& home = g.team(kHome);
    home.appearancesPerStart = 3.0;
    home.player(18).pitching.saves = 20;
    home.player(3).pitching.saves = 0;
    EXPECT_TRUE(automan::HasCloser(g, b, kHome));
    swapGameEntries(g, b, kHome, 18, 3);  // as a double switch does
    EXPECT_FALSE(automan::HasCloser(g, b, kHome));
    swapGameEntries(g, b, kHome, 18, 3);
    EXPECT_TRUE(automan::HasCloser(g, b, kHome));
    home.player(18).pitching.saves = 9;
    EXPECT_FALSE(automan::HasCloser(g, BullpenState{}, kHome));
    b.closerUsed[kHome] = true;
    EXPECT_FALSE(automan::HasCloser(g, b, kHome));
}

TEST_F(Bullpen, RestedPitchersOnlyThroughTheFallback) {
    f.config.daysOffRule = true;
    Team& home = g.team(kHome);
    g.state.inning = 5;
    for (int e = 11; e <= 21; ++e) home.player(e).restDaysNeeded = e == 17 ? 0 : 1;
    for (int i = 0; i < 300; ++i) {
        BullpenState fresh;
        EXPECT_EQ(AutoSelectReliever(g, fresh, nullptr, kHome), 17);
    }
    // Nobody rested: the fallback ignores rest, entry 15 first, then from the top down.
    home.player(17).restDaysNeeded = 1;
    EXPECT_EQ(AutoSelectReliever(g, b, nullptr, kHome), 15);
    b.markUsed(kHome, 15);
    EXPECT_EQ(AutoSelectReliever(g, b, nullptr, kHome), 21);
    EXPECT_TRUE(f.errors.faults.empty());

    // Everybody used: the bullpen error, with the team's file name.
    for (int e = 10; e <= 21; ++e) b.markUsed(kHome, e);
    EXPECT_EQ(AutoSelectReliever(g, b, nullptr, kHome), 0);
    g.state.inning = 9;
    g.state.score = {0, 0, 1};
    EXPECT_EQ(AutoSelectReliever(g, b, nullptr, kHome), 0);
    EXPECT_EQ(ComputerBullpen(g, b, nullptr, kHome), 0);
    ASSERT_EQ(f.errors.faults.size(), 4u);
    EXPECT_EQ(f.errors.faults[0], "Bullpen Error-General: Out of Pitchers|HOME.DAT");
    EXPECT_EQ(f.errors.faults[1], "Bullpen Error-Closer: Out of Pitchers|HOME.DAT");
    EXPECT_EQ(f.errors.faults[3], "AutoManager is out of pitchers!");
}

// The entry itself: state, allowance, the pitcher's batting slot, save marks, texts.
TEST_F(Bullpen, EnteringPitcher) {
    f.config.warmupRule = true;
    g.state.display.showPlayByPlay = true;
    g.state.inning = 8;
    g.state.score = {0, 0, 2};  // home leads by 2
    g.state.runnerOnFirst = 3;
    Team& home = g.team(kHome);
    home.player(16).pitcherBattingLine = {50, 10, 1, 4, 20};
    home.player(16).hand = 'l';
    b.warm(kHome, 16) = 5;
    g.counters.bat(kHome, 9).atBats = 2;
    g.counters.bat(kHome, 9).hits = 1;

    EnterPitcher(g, b, kHome, 16);
    const GameState& s = g.state;
    EXPECT_EQ(s.currentPitcher[kHome], 16);
    EXPECT_EQ(s.pitcher, 16);
    EXPECT_EQ(s.pitchersUsed[kHome], 2);
    EXPECT_EQ(s.pitcherList[kHome][2], 16);
    EXPECT_EQ(s.pitchCount[kHome], 0);
    EXPECT_TRUE(b.used(kHome, 16));
    EXPECT_EQ(b.warm(kHome, 16), 0);
    EXPECT_GE(b.allowance[kHome], 10.0 / 14 - 1e-9);
    EXPECT_LE(b.allowance[kHome], 10.0 / 8 + 1e-9);
    // His batting takes the pitcher's slot; the starter's line goes with him.
    const Player& slot = home.player(9);
    EXPECT_EQ(slot.playerName, "Arm16");
    EXPECT_EQ(slot.atBats, 50);
    EXPECT_EQ(slot.hits, 10);
    EXPECT_EQ(slot.hand, 'R');
    EXPECT_EQ(g.counters.bat(kHome, 10).hits, 1);
    EXPECT_EQ(g.counters.bat(kHome, 9).atBats, 0);
    // Lead 2 with one on: the tying run is on deck, and the bases are not empty.
    EXPECT_EQ(s.firstSaveMark, (TeamEntry{kHome, 16}));
    EXPECT_TRUE(s.secondSaveMark.empty());
    ASSERT_EQ(f.narration.lines.size(), 2u);
    EXPECT_EQ(f.narration.lines[0], msg::kPitchingChange.display());
    EXPECT_EQ(f.narration.lines[1], msg::kRelieverIn.display());
    EXPECT_TRUE(f.errors.faults.empty());

    // A generated line from the batting grade; no pitcher slot is reported.
    g.state.runnerOnFirst = 0;
    home.player(17).pitcherBattingGrade = 'B';
    EnterPitcher(g, b, kHome, 17);
    EXPECT_EQ(home.player(9).atBats, 100);
    EXPECT_EQ(home.player(9).hits, 20);
    EXPECT_EQ(home.player(9).strikeouts, 31);  // round(49.1 - 18)
    EXPECT_EQ(home.player(9).runsBattedIn, 8);
    EXPECT_EQ(s.secondSaveMark, (TeamEntry{kHome, 17}));
    home.player(9).lineupPosition = 8;
    EnterPitcher(g, b, kHome, 18);
    EXPECT_EQ(f.errors.faults.back(), "ERROR(BULL1): No Pitcher Found in Lineup:|HOME.DAT");
}

}  // namespace
}  // namespace vrk
