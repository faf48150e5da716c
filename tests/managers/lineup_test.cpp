#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "managers/auto_lineup.h"
#include "managers/batting_order.h"
#include "managers/bullpen_state.h"
#include "managers/roster_swap.h"
#include "managers_test_support.h"

namespace vrk {
namespace {

using mgrtest::BuildTeam;
using mgrtest::MakeBatter;
using mgrtest::RecordingErrors;

// One position only, with all his games there.
Player OnlyAt(const std::string& name, int position, int atBats, char hand = 'R') {
    Player p = MakeBatter(name, position, atBats);
    p.hand = hand;
    return p;
}

// A team whose only bench player is a catcher.
Team CatcherPlatoon(int regularAtBats, int backupAtBats, char backupMark, char backupHand) {
    Team team;
    BuildTeam(team, "PLATOON.DAT", 10, 1);
    team.player(1) = OnlyAt("Regular", kCatcher, regularAtBats);
    Player backup = OnlyAt("Backup", kCatcher, backupAtBats, backupHand);
    backup.platoonMark = backupMark;
    int bench = team.lastPitcherEntry + 1;
    team.player(bench) = backup;
    for (int e = 1; e <= team.playerCount; ++e) team.player(e).lineupPlayer = e;
    return team;
}

std::multiset<std::string> Names(const Team& team) {
    std::multiset<std::string> names;
    for (int e = 1; e <= team.playerCount; ++e) names.insert(team.player(e).playerName);
    return names;
}

TEST(Lineup, AutoLineupReportsAnUnfilledPositionAndGoesOn) {
    Team team;
    BuildTeam(team, "NOSS.DAT", 10);
    team.player(5).lineupPosition = kDesignatedHitter;  // the shortstop's slot
    Rng rng(5);
    RecordingErrors errors;
    AUTOLINEUP(team, 10, 'R', rng, errors);
    ASSERT_EQ(errors.faults.size(), 1u);
    EXPECT_EQ(errors.faults[0], "AUTOLINEUP detected error:|Def. position  6 unfilled");
}

TEST(Lineup, RegularStartsByHisShareOfAtBats) {
    const int games = 7000;
    int regular = 0;
    Rng rng(2024);
    RecordingErrors errors;
    for (int g = 0; g < games; ++g) {
        Team team = CatcherPlatoon(600, 100, ' ', 'R');
        bool changed = AUTOLINEUP(team, 10, 'R', rng, errors);
        bool kept = team.player(1).playerName == "Regular";
        regular += kept;
        EXPECT_EQ(changed, !kept);
        EXPECT_EQ(team.player(1).lineupPosition, kCatcher);
    }
    EXPECT_NEAR(regular / double(games), 6.0 / 7.0, 0.015);
    EXPECT_TRUE(errors.faults.empty());
}

TEST(Lineup, PlatoonPlayersSitAgainstSameHandedStarters) {
    Rng rng(77);
    RecordingErrors errors;
    int vsLeft = 0, vsRight = 0;
    for (int g = 0; g < 2000; ++g) {
        Team team = CatcherPlatoon(100, 600, 'X', 'L');
        AUTOLINEUP(team, 10, 'L', rng, errors);
        vsLeft += team.player(1).playerName == "Backup";
        team = CatcherPlatoon(100, 600, 'X', 'L');
        AUTOLINEUP(team, 10, 'r', rng, errors);
        vsRight += team.player(1).playerName == "Backup";
    }
    EXPECT_LT(vsLeft, 2000 * 0.03);
    EXPECT_NEAR(vsRight / 2000.0, 6.0 / 7.0, 0.03);
}

TEST(Lineup, MovedLineupPlayerIsReplacedFromTheBench) {
    Rng rng(11);
    RecordingErrors errors;
    int moved = 0;
    for (int g = 0; g < 500; ++g) {
        Team team;
        BuildTeam(team, "MOVES.DAT", 10, 2);
        // The second baseman (slot 3) is also a shortstop; the bench has a
        // second baseman and a little-used shortstop.
        Player& utility = team.player(3);
        utility.positionCode[2] = kShortstop;
        utility.gamesAtPosition[2] = 100;
        int bench = team.lastPitcherEntry + 1;
        team.player(bench) = OnlyAt("Spare2B", kSecondBase, 200);
        team.player(bench + 1) = OnlyAt("SpareSS", kShortstop, 20);
        for (int e = 1; e <= team.playerCount; ++e) team.player(e).lineupPlayer = e;
        std::multiset<std::string> before = Names(team);

        AUTOLINEUP(team, 10, 'R', rng, errors);
        EXPECT_EQ(Names(team), before);
        std::multiset<int> positions;
        for (int slot = 1; slot <= 9; ++slot) positions.insert(team.player(slot).lineupPosition);
        EXPECT_EQ(positions, (std::multiset<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
        for (int slot = 1; slot <= 9; ++slot) {
            EXPECT_EQ(team.player(slot).lineupPlayer, slot);
            if (team.player(slot).playerName == "Fielder3" &&
                team.player(slot).lineupPosition == kShortstop) {
                ++moved;
            }
        }
    }
    EXPECT_GT(moved, 50);
}

// Nine hitters with given steal and on-base figures over 600 chances.
Player Hitter(const std::string& name, int position, int steals, int onBase, int homeRuns,
              int rbi) {
    Player p = MakeBatter(name, position, 540);
    p.walks = 60;
    p.hits = onBase - 60;
    p.doubles = 0;
    p.triples = 0;
    p.homeRuns = homeRuns;
    p.stolenBases = steals;
    p.runsBattedIn = rbi;
    return p;
}

Team OrderTeam(int leadoffSteals) {
    Team team;
    BuildTeam(team, "ORDER.DAT", 10, 0);
    team.player(1) = Hitter("Slugger", 2, 0, 200, 45, 90);
    team.player(2) = Hitter("Pitcher", kPitcher, 0, 80, 0, 5);
    team.player(3) = Hitter("Runner", 3, leadoffSteals, 180, 5, 40);  // OBP .300
    team.player(4) = Hitter("Patient", 4, 25, 216, 2, 30);            // OBP .360
    team.player(5) = Hitter("Cleanup", 5, 0, 170, 30, 130);
    team.player(6) = Hitter("Six", 6, 2, 160, 20, 60);
    team.player(7) = Hitter("Seven", 7, 3, 150, 15, 55);
    team.player(8) = Hitter("Eight", 8, 1, 140, 10, 50);
    team.player(9) = Hitter("Nine", 9, 4, 130, 8, 45);
    for (int e = 1; e <= 9; ++e) {
        team.player(e).nameAsLoaded = team.player(e).playerName;
        team.player(e).lineupPlayer = e;
    }
    return team;
}

std::vector<std::string> Order(const Team& team) {
    std::vector<std::string> names;
    for (int slot = 1; slot <= 9; ++slot) names.push_back(team.player(slot).playerName);
    return names;
}

TEST(Lineup, OptimizedOrder) {
    RecordingErrors errors;
    Team team = OrderTeam(30);
    BattingOrder(team, 'Y', false, false, errors);
    std::vector<std::string> order = Order(team);
    EXPECT_EQ(order[2], "Slugger");
    EXPECT_EQ(order[3], "Cleanup");
    // Steal rates 30 and 25 are close; the better on-base man leads off.
    EXPECT_EQ(order[0], "Patient");
    EXPECT_EQ(order[1], "Runner");
    EXPECT_EQ((std::vector<std::string>(order.begin() + 4, order.end())),
              (std::vector<std::string>{"Six", "Seven", "Eight", "Nine", "Pitcher"}));
    EXPECT_EQ(team.player(9).lineupPosition, kPitcher);

    team = OrderTeam(40);  // rates 40 and 25: the faster man leads off
    BattingOrder(team, 'y', false, false, errors);
    EXPECT_EQ(Order(team)[0], "Runner");

    // With a designated hitter the pitcher's figures compete like anyone's.
    team = OrderTeam(30);
    BattingOrder(team, 'Y', true, false, errors);
    EXPECT_EQ(Order(team)[8], "Pitcher");
    team.player(9).hits = 300;
    team.player(9).homeRuns = 60;
    BattingOrder(team, 'Y', true, false, errors);
    EXPECT_EQ(Order(team)[2], "Pitcher");
    EXPECT_TRUE(errors.faults.empty());
}

TEST(Lineup, OrderOptions) {
    RecordingErrors errors;
    Team team = OrderTeam(30);
    std::vector<std::string> file = Order(team);
    BattingOrder(team, 'N', false, true, errors);
    EXPECT_EQ(Order(team), file);
    BattingOrder(team, 'C', false, false, errors);
    EXPECT_EQ(Order(team), file);
    BattingOrder(team, 'C', false, true, errors);
    EXPECT_EQ(Order(team)[0], "Patient");

    // "F" puts the file's order back (the pitcher batting ninth), also when
    // the players were moved round a long cycle.
    BattingOrder(team, 'F', false, false, errors);
    std::vector<std::string> expected = file;
    expected.erase(expected.begin() + 1);
    expected.push_back("Pitcher");
    std::vector<std::string> restored = Order(team);
    EXPECT_EQ(restored[8], "Pitcher");
    EXPECT_EQ(restored[0], "Slugger");
    for (int slot = 3; slot <= 8; ++slot) {
        EXPECT_EQ(team.player(slot).playerName, team.player(slot).nameAsLoaded);
    }
    team = OrderTeam(30);
    swapEntries(team, 1, 3);
    swapEntries(team, 3, 5);
    swapEntries(team, 5, 6);
    BattingOrder(team, 'F', true, false, errors);
    EXPECT_EQ(Order(team), file);
}

TEST(Lineup, MetricsOfAnEmptyLine) {
    Player none;
    EXPECT_EQ(OnBasePlusSlugging(none), 0);
    EXPECT_EQ(OnBasePercentage(none), 0);
    EXPECT_EQ(StealRate(none), 0);
    Player p = Hitter("X", 2, 30, 180, 10, 0);
    EXPECT_DOUBLE_EQ(StealRate(p), 30);
    EXPECT_DOUBLE_EQ(OnBasePercentage(p), 0.3);
    EXPECT_DOUBLE_EQ(OnBasePlusSlugging(p), (120 + 30) / 540.0 + 0.3);
}

TEST(Lineup, RosterSwapsMoveThePlayerAndHisGame) {
    mgrtest::StaffGame f;
    Game& g = *f.game;
    BullpenState b;
    Team& home = g.team(kHome);
    home.player(12).restDaysNeeded = 3;
    home.player(12).defaultPosition = 7;
    home.player(12).sim.wins = 7;
    g.counters.pitch(kHome, 12).strikeouts = 4;
    g.state.outsRecorded[kHome][12] = 6;
    b.markUsed(kHome, 12);
    g.state.currentPitcher[kHome] = 12;
    g.state.pitcher = 12;
    g.state.pitchersUsed[kHome] = 2;
    g.state.pitcherList[kHome][2] = 12;
    g.state.firstSaveMark = {kHome, 12};
    g.state.responsiblePitcher[kVisitors][3] = -12;
    g.counters.of(kHome).slotHistory[9].push({12, kPitcher});

    swapGameEntries(g, b, kHome, 12, 20);
    EXPECT_EQ(home.player(20).playerName, "Arm12");
    EXPECT_EQ(home.player(20).restDaysNeeded, 3);
    EXPECT_EQ(home.player(20).sim.wins, 7);
    EXPECT_EQ(home.player(20).lineupPlayer, 20);
    EXPECT_EQ(home.player(20).nameAsLoaded, "Arm20");
    EXPECT_EQ(home.player(20).defaultPosition, 7);
    EXPECT_EQ(home.player(12).playerName, "Arm20");
    EXPECT_EQ(g.counters.pitch(kHome, 20).strikeouts, 4);
    EXPECT_EQ(g.state.outsRecorded[kHome][20], 6);
    EXPECT_TRUE(b.used(kHome, 20));
    EXPECT_FALSE(b.used(kHome, 12));
    EXPECT_EQ(g.state.currentPitcher[kHome], 20);
    EXPECT_EQ(g.state.pitcher, 20);
    EXPECT_EQ(g.state.pitcherList[kHome][2], 20);
    EXPECT_EQ(g.state.firstSaveMark, (TeamEntry{kHome, 20}));
    EXPECT_EQ(g.state.responsiblePitcher[kVisitors][3], -20);
    EXPECT_EQ(g.counters.of(kHome).slotHistory[9][0].entry, 20);
    // The other team's entries are not touched.
    EXPECT_EQ(g.state.currentPitcher[kVisitors], 10);
    EXPECT_EQ(g.team(kVisitors).player(12).playerName, "Arm12");
}

}  // namespace
}  // namespace vrk
