#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "managers/allowance.h"
#include "managers/bullpen_checks.h"
#include "managers/bullpen_state.h"
#include "managers/pitcher_entry.h"
#include "managers/relief_selection.h"
#include "managers/rotation.h"
#include "managers/warmup.h"
#include "managers_test_support.h"
#include "presentation/message_registry.h"

namespace vrk {
namespace {

using mgrtest::StaffGame;

TEST(Bullpen, UserPickChecksInOrder) {
    StaffGame f;
    Game& g = *f.game;
    BullpenState b;
    f.config.daysOffRule = true;
    b.markUsed(kHome, 11);
    g.team(kHome).player(11).restDaysNeeded = 2;
    EXPECT_EQ(CheckBullpenChoice(g, b, kHome, 11, false).verdict, BullpenVerdict::Used);

    g.team(kHome).player(12).restDaysNeeded = 2;
    BullpenCheck c = CheckBullpenChoice(g, b, kHome, 12, false);
    EXPECT_EQ(c.verdict, BullpenVerdict::NeedsRest);
    EXPECT_EQ(c.text,
              " This pitcher needs the day off. | Hit 'Y' to select anyway (with performance "
              "penalty). ");
    OverrideRest(g, kHome, 12);
    EXPECT_EQ(g.team(kHome).player(12).restDaysNeeded, -2);
    EXPECT_EQ(CheckBullpenChoice(g, b, kHome, 12, false).verdict, BullpenVerdict::Enter);

    // A two-way pitcher playing the outfield.
    g.team(kHome).player(13).playerName = g.team(kHome).player(7).playerName;
    g.team(kHome).twoWayPlayer = true;  // as the loader marks such a team
    c = CheckBullpenChoice(g, b, kHome, 13, false);
    EXPECT_EQ(c.verdict, BullpenVerdict::InLineup);
    EXPECT_EQ(c.text, " Sorry, that pitcher is/has been in the lineup! ");
    c = CheckBullpenChoice(g, b, kHome, 10, false);
    EXPECT_EQ(c.verdict, BullpenVerdict::PitchingNow);
    EXPECT_EQ(c.text, " Oops, that player seems to be pitching now! ");
}

TEST(Bullpen, WarmUpRuleNeedsTwoMorePitchesAndAtMostTwoThrowers) {
    StaffGame f;
    Game& g = *f.game;
    BullpenState b;
    f.config.warmupRule = true;
    g.state.userManaged = {false, false, true};  // the home side fields

    BullpenCheck c = CheckBullpenChoice(g, b, kHome, 15, false);
    EXPECT_EQ(c.verdict, BullpenVerdict::StartsThrowing);
    EXPECT_EQ(c.text, " He'll get up and start throwing! ");
    StartWarmUp(b, kHome, 15, false);
    WarmUpClock(g, b);
    c = CheckBullpenChoice(g, b, kHome, 15, false);
    EXPECT_EQ(c.verdict, BullpenVerdict::NotWarm);
    EXPECT_EQ(c.text, " He's not quite warm yet! ");
    WarmUpClock(g, b);
    EXPECT_EQ(CheckBullpenChoice(g, b, kHome, 15, false).verdict, BullpenVerdict::Enter);

    // Two fresh throwers: a third may not start; the female team's texts.
    g.team(kHome).femaleTeam = true;
    StartWarmUp(b, kHome, 16, false);
    StartWarmUp(b, kHome, 17, false);
    c = CheckBullpenChoice(g, b, kHome, 18, false);
    EXPECT_EQ(c.verdict, BullpenVerdict::TwoThrowing);
    EXPECT_EQ(c.text, " You already have two people throwing! ");
    EXPECT_EQ(CheckBullpenChoice(g, b, kHome, 16, false).text, " She's not quite warm yet! ");
    b.warm(kHome, 17) = 0;
    EXPECT_EQ(CheckBullpenChoice(g, b, kHome, 18, false).text,
              " She'll get up and start throwing! ");

    // A thrower goes cold after twelve pitches in the field and then pitches
    // with the rest penalty; while his team bats he stays at 2.
    b = BullpenState{};
    g.team(kHome).player(19).restDaysNeeded = 1;
    StartWarmUp(b, kHome, 19, false);
    for (int i = 0; i < 11; ++i) WarmUpClock(g, b);
    EXPECT_EQ(b.warm(kHome, 19), 1);
    EXPECT_EQ(g.team(kHome).player(19).restDaysNeeded, 1);
    WarmUpClock(g, b);
    EXPECT_EQ(b.warm(kHome, 19), 0);
    EXPECT_EQ(g.team(kHome).player(19).restDaysNeeded, -1);
    std::swap(g.state.battingTeam, g.state.fieldingTeam);
    StartWarmUp(b, kHome, 20, true);
    EXPECT_EQ(b.warm(kHome, 20), 10);
    for (int i = 0; i < 20; ++i) WarmUpClock(g, b);
    EXPECT_EQ(b.warm(kHome, 20), 2);
}

TEST(Bullpen, PinchHitReminder) {
    StaffGame f;
    Game& g = *f.game;
    BullpenState b;
    EXPECT_EQ(RemindAfterPinchHit(g, b, kVisitors, 41), PinchHitReminder::OpenBullpen);
    StartWarmUp(b, kVisitors, 14, false);
    EXPECT_EQ(RemindAfterPinchHit(g, b, kVisitors, 41), PinchHitReminder::KeepWarming);
    EXPECT_EQ(b.warm(kVisitors, 14), 8);
    g.team(kVisitors).player(41).playerName = g.team(kVisitors).player(18).playerName;
    EXPECT_EQ(RemindAfterPinchHit(g, b, kVisitors, 41), PinchHitReminder::PitcherTakesOver);
    EXPECT_EQ(g.state.currentPitcher[kVisitors], 18);
    EXPECT_EQ(b.warm(kVisitors, 18), 1);
}

TEST(Bullpen, CloserSituations) {
    GameState s;
    s.score = {0, 3, 3};
    s.inning = 9;
    EXPECT_FALSE(CloserSituation(s, kVisitors, true));  // tied in the 9th
    EXPECT_TRUE(CloserSituation(s, kVisitors, false));
    s.score = {0, 4, 3};
    EXPECT_TRUE(CloserSituation(s, kVisitors, true));
    EXPECT_FALSE(CloserSituation(s, kHome, false));  // trailing
    s.score = {0, 7, 3};
    EXPECT_FALSE(CloserSituation(s, kVisitors, false));  // lead of 4
    s.score = {0, 4, 3};
    s.inning = 8;
    EXPECT_FALSE(CloserSituation(s, kVisitors, false));  // nobody out, bases empty
    EXPECT_FALSE(CloserSituation(s, kVisitors, true));
    s.outs = 1;
    EXPECT_TRUE(CloserSituation(s, kVisitors, false));
    s.outs = 0;
    s.runnerOnSecond = 4;
    EXPECT_TRUE(CloserSituation(s, kVisitors, false));
    s.inning = 7;
    EXPECT_FALSE(CloserSituation(s, kVisitors, false));
}

TEST(Bullpen, ClosersWithAndWithoutSavesData) {
    StaffGame f(12);  // entries 10..21
    Game& g = *f.game;
    BullpenState b;
    g.state.inning = 9;
    g.state.score = {0, 2, 4};  // home leads by 2
    // No saves data: entry 15 closes.
    EXPECT_EQ(AutoSelectReliever(g, b, nullptr, kHome), 15);
    EXPECT_TRUE(b.closerUsed[kHome]);
    EXPECT_TRUE(b.used(kHome, 10));  // the outgoing pitcher

    // Saves data: candidates from entry 15 on, weighted by their saves.
    Team& home = g.team(kHome);
    home.savesData = true;
    home.player(12).caughtStealing = 30;  // before the range
    home.player(16).caughtStealing = 30;
    home.player(19).caughtStealing = 10;
    BullpenState fresh;
    ReliefCandidates c = CloserCandidates(g, fresh, kHome);
    ASSERT_EQ(c.count, 2);
    EXPECT_EQ(c.leader, 16);
    EXPECT_DOUBLE_EQ(c.weights[0], 0.75);
    EXPECT_DOUBLE_EQ(c.weights[1], 0.25);
    int bySixteen = 0;
    for (int i = 0; i < 2000; ++i) bySixteen += DrawReliever(c, 9, f.rng) == 16;
    EXPECT_NEAR(bySixteen / 2000.0, 0.75, 0.04);
    // Small staffs start the range earlier.
    home.lastPitcherEntry = 14;
    EXPECT_EQ(CloserCandidates(g, fresh, kHome).entries[0], 12);
}

TEST(Bullpen, GeneralRelieverWeightsAndRotationBar) {
    StaffGame f(12);
    Game& g = *f.game;
    BullpenState b;
    Team& home = g.team(kHome);
    home.savesData = true;
    // 10..14 start every game (no relief appearances) and are never candidates.
    home.player(15) = mgrtest::MakePitcher("Swing", 40, 25, 170);     // starts >= half: 2 x 15
    home.player(16) = mgrtest::MakePitcher("Long", 50, 5, 100);       // 100 - 30 = 70
    home.player(17) = mgrtest::MakePitcher("Closer", 60, 0, 60, 30);  // saves rate 0.5
    home.player(18) = mgrtest::MakePitcher("Opener", 20, 9, 40);      // 40 - 54 < 0
    for (int e = 19; e <= 21; ++e) home.player(e) = mgrtest::MakePitcher("Mop", 10, 0, 0);
    home.player(21).atBats = 30;
    ReliefCandidates c = GeneralRelievers(g, b, nullptr, kHome);
    ASSERT_EQ(c.count, 3);
    EXPECT_EQ(c.entries[0], 15);
    EXPECT_EQ(c.entries[1], 16);
    EXPECT_EQ(c.entries[2], 21);
    EXPECT_DOUBLE_EQ(c.weights[0], 30.0 / 130);
    EXPECT_DOUBLE_EQ(c.weights[1], 70.0 / 130);
    EXPECT_EQ(c.top, 16);

    // The top reliever is redrawn a quarter of the time from the 7th on.
    int early = 0, late = 0;
    for (int i = 0; i < 4000; ++i) {
        early += DrawReliever(c, 6, f.rng) == 16;
        late += DrawReliever(c, 7, f.rng) == 16;
    }
    double p = 70.0 / 130;
    EXPECT_NEAR(early / 4000.0, p, 0.03);
    EXPECT_NEAR(late / 4000.0, p * (0.75 + 0.25 * p), 0.03);

    // Rotation starters may relieve only with STARTERS-MAY-RELIEVE and spot starters.
    home.player(11) = mgrtest::MakePitcher("Starter", 40, 20, 150);
    RotationTable rotations;
    Rng rng(3);
    mgrtest::RecordingErrors errors;
    AutoPitcher(rotations, home, "S5", true, false, rng, errors);
    auto has = [](const ReliefCandidates& list, int entry) {
        for (int i = 0; i < list.count; ++i)
            if (list.entries[static_cast<std::size_t>(i)] == entry) return true;
        return false;
    };
    EXPECT_TRUE(has(GeneralRelievers(g, b, nullptr, kHome), 11));
    EXPECT_FALSE(has(GeneralRelievers(g, b, &rotations, kHome), 11));
    f.config.startersMayRelieve = true;
    EXPECT_FALSE(has(GeneralRelievers(g, b, &rotations, kHome), 11));
    rotations.records[0].spotStarterMark = 'Y';
    EXPECT_TRUE(has(GeneralRelievers(g, b, &rotations, kHome), 11));
}

TEST(Bullpen, RestedPitchersOnlyThroughTheFallback) {
    StaffGame f(12);
    Game& g = *f.game;
    f.config.daysOffRule = true;
    Team& home = g.team(kHome);
    g.state.inning = 5;
    for (int e = 11; e <= 21; ++e) home.player(e).restDaysNeeded = e == 17 ? 0 : 1;
    for (int i = 0; i < 300; ++i) {
        BullpenState b;
        EXPECT_EQ(AutoSelectReliever(g, b, nullptr, kHome), 17);
    }
    // Nobody rested: the fallback ignores rest, entry 15 first, then from the top down.
    home.player(17).restDaysNeeded = 1;
    BullpenState b;
    EXPECT_EQ(AutoSelectReliever(g, b, nullptr, kHome), 15);
    b.markUsed(kHome, 15);
    EXPECT_EQ(AutoSelectReliever(g, b, nullptr, kHome), 21);
    EXPECT_TRUE(f.errors.faults.empty());

    // Everybody used: the bullpen error, with the team's file name.
    for (int e = 10; e <= 21; ++e) b.markUsed(kHome, e);
    EXPECT_EQ(AutoSelectReliever(g, b, nullptr, kHome), 0);
    ASSERT_EQ(f.errors.faults.size(), 1u);
    EXPECT_EQ(f.errors.faults[0], "Bullpen Error-General: Out of Pitchers|HOME.DAT");
    g.state.inning = 9;
    g.state.score = {0, 0, 1};
    EXPECT_EQ(AutoSelectReliever(g, b, nullptr, kHome), 0);
    EXPECT_EQ(f.errors.faults[1], "Bullpen Error-Closer: Out of Pitchers|HOME.DAT");
    EXPECT_EQ(ComputerBullpen(g, b, nullptr, kHome), 0);
    ASSERT_EQ(f.errors.faults.size(), 4u);
    EXPECT_EQ(f.errors.faults[3], "AutoManager is out of pitchers!");
}

TEST(Bullpen, EnteringPitcher) {
    StaffGame f(12);
    Game& g = *f.game;
    BullpenState b;
    f.config.warmupRule = true;
    g.state.showPlayByPlay = true;
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
    ASSERT_EQ(f.narration.messages.size(), 2u);
    EXPECT_EQ(f.narration.messages[0].first, msg::kPitchingChange);
    EXPECT_EQ(f.narration.messages[0].second[0], 10);
    EXPECT_EQ(f.narration.messages[1].first, msg::kRelieverIn);
    EXPECT_EQ(f.narration.messages[1].second[0], 16);
    EXPECT_EQ(f.narration.messages[1].second[2], 10);
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

TEST(Bullpen, AllowanceRanges) {
    StaffGame f;
    Game& g = *f.game;
    BullpenState b;
    std::set<int> seen;
    for (int i = 0; i < 500; ++i) {
        g.state.pitchersUsed[kHome] = 1;
        double a = Allowance(g, b, kHome);
        EXPECT_GT(a, 0.865);  // sigma 0.205: r at 0 or 1
        EXPECT_LT(a, 1.946);  // r at 0.5
        g.state.pitchersUsed[kHome] = 2;
        g.state.inning = 3;
        a = Allowance(g, b, kHome);
        EXPECT_GE(a, 10.0 / 20 - 1e-9);
        EXPECT_LE(a, 1.0 + 1e-9);
        g.state.inning = 9;
        a = Allowance(g, b, kHome);
        seen.insert(static_cast<int>(std::lround(10.0 / a)));
    }
    EXPECT_EQ(seen, (std::set<int>{8, 9, 10, 11, 12, 13, 14}));
}

}  // namespace
}  // namespace vrk
