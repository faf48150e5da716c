#include <gtest/gtest.h>

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

// A team whose only bench player is a catcher.
Team CatcherPlatoon(int regularAtBats, int backupAtBats, char backupMark, char backupHand) {
    Team team;
    BuildTeam(team, "PLATOON.DAT", 10, 1);
    team.player(1) = MakeBatter("Regular", kCatcher, regularAtBats);
    team.player(1).lineupPlayer = 1;
    int bench = team.lastPitcherEntry + 1;
    team.player(bench) = MakeBatter("Backup", kCatcher, backupAtBats, backupHand);
    team.player(bench).platoonMark = backupMark;
    team.player(bench).lineupPlayer = bench;
    return team;
}

TEST(Lineup, AutoLineupReportsAnUnfilledPositionAndGoesOn) {
    Team team;
    BuildTeam(team, "NOSS.DAT", 10);
    team.player(5).lineupPosition = kDesignatedHitter;  // the shortstop's slot
    Rng rng(5);
    RecordingErrors errors;
    AUTOLINEUP(team, 10, 'R', rng, errors);
    EXPECT_EQ(errors.faults,
              std::vector<std::string>{"AUTOLINEUP detected error:|Def. position  6 unfilled"});
}

TEST(Lineup, RegularsStartByShareOfAtBatsAndPlatoonsSitAgainstSameHand) {
    Rng rng(2024);
    RecordingErrors errors;
    const int games = 7000;
    int regular = 0;
    for (int g = 0; g < games; ++g) {
        Team team = CatcherPlatoon(600, 100, ' ', 'R');
        bool changed = AUTOLINEUP(team, 10, 'R', rng, errors);
        bool kept = team.player(1).playerName == "Regular";
        regular += kept;
        EXPECT_EQ(changed, !kept);
        EXPECT_EQ(team.player(1).lineupPosition, kCatcher);
    }
    EXPECT_NEAR(regular / double(games), 6.0 / 7.0, 0.015);

    // A marked left-handed backup with the most at-bats: sits against lefties.
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
    EXPECT_TRUE(errors.faults.empty());
}

// Nine hitters over 600 chances (540 at-bats, 60 walks), in file order.
Team OrderTeam(int leadoffSteals) {
    struct Line {
        const char* name;
        int position, steals, onBase, homeRuns, rbi;
    };
    const Line lines[] = {{"Slugger", 2, 0, 200, 45, 90},
                          {"Pitcher", kPitcher, 0, 80, 0, 5},
                          {"Runner", 3, leadoffSteals, 180, 5, 40},  // OBP .300
                          {"Patient", 4, 25, 216, 2, 30},            // OBP .360
                          {"Cleanup", 5, 0, 170, 30, 130},
                          {"Six", 6, 2, 160, 20, 60},
                          {"Seven", 7, 3, 150, 15, 55},
                          {"Eight", 8, 1, 140, 10, 50},
                          {"Nine", 9, 4, 130, 8, 45}};
    Team team;
    BuildTeam(team, "ORDER.DAT", 10, 0);
    for (int e = 1; e <= 9; ++e) {
        const Line& l = lines[e - 1];
        Player& p = team.player(e) = MakeBatter(l.name, l.position, 540);
        p.walks = 60;
        p.hits = l.onBase - 60;
        p.doubles = p.triples = 0;
        p.homeRuns = l.homeRuns;
        p.stolenBases = l.steals;
        p.runsBattedIn = l.rbi;
        p.lineupPlayer = e;
    }
    return team;
}

std::vector<std::string> Order(const Team& team) {
    std::vector<std::string> names;
    for (int slot = 1; slot <= 9; ++slot) names.push_back(team.player(slot).playerName);
    return names;
}

TEST(Lineup, OptimizedOrderAndOptions) {
    RecordingErrors errors;
    Team team = OrderTeam(30);
    BattingOrder(team, 'Y', false, false, errors);
    // Steal rates 30 and 25 are close; the better on-base man leads off. The pitcher bats ninth.
    EXPECT_EQ(Order(team), (std::vector<std::string>{"Patient", "Runner", "Slugger", "Cleanup",
                                                     "Six", "Seven", "Eight", "Nine", "Pitcher"}));
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

    team = OrderTeam(30);
    std::vector<std::string> file = Order(team);
    BattingOrder(team, 'N', false, true, errors);
    EXPECT_EQ(Order(team), file);
    BattingOrder(team, 'C', false, false, errors);
    EXPECT_EQ(Order(team), file);
    BattingOrder(team, 'C', false, true, errors);
    EXPECT_EQ(Order(team)[0], "Patient");

    // "F" puts the file's order back with the pitcher ninth, also after a 4-cycle.
    BattingOrder(team, 'F', false, false, errors);
    EXPECT_EQ(Order(team)[8], "Pitcher");
    EXPECT_EQ(Order(team)[0], "Slugger");
    for (int slot = 3; slot <= 8; ++slot) {
        EXPECT_EQ(team.player(slot).playerName, team.player(slot).nameAsLoaded);
    }
    team = OrderTeam(30);
    swapEntries(team, 1, 3);
    swapEntries(team, 3, 5);
    swapEntries(team, 5, 6);
    BattingOrder(team, 'F', true, false, errors);
    EXPECT_EQ(Order(team), file);
    EXPECT_TRUE(errors.faults.empty());
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
    g.state.currentPitcher[kHome] = g.state.pitcher = g.state.pitcherList[kHome][2] = 12;
    g.state.pitchersUsed[kHome] = 2;
    g.state.firstSaveMark = {kHome, 12};
    g.state.responsiblePitcher[kVisitors][3] = -12;
    g.counters.of(kHome).slotHistory[9].push({12, kPitcher});

    swapGameEntries(g, b, kHome, 12, 20);
    // The player and his game move; the entry keeps its own loaded name and place.
    const Player& moved = home.player(20);
    EXPECT_EQ(
        std::tuple(moved.playerName, moved.restDaysNeeded, moved.sim.wins, moved.lineupPlayer,
                   moved.nameAsLoaded, moved.defaultPosition, home.player(12).playerName),
        std::tuple(std::string("Arm12"), 3, 7, 20, std::string("Arm20"), 7, std::string("Arm20")));
    EXPECT_TRUE(b.used(kHome, 20) && !b.used(kHome, 12));
    const GameState& s = g.state;
    EXPECT_EQ(std::tuple(g.counters.pitch(kHome, 20).strikeouts, s.outsRecorded[kHome][20],
                         s.currentPitcher[kHome], s.pitcher, s.pitcherList[kHome][2],
                         s.responsiblePitcher[kVisitors][3],
                         g.counters.of(kHome).slotHistory[9][0].entry),
              std::tuple(4, 6, 20, 20, 20, -20, 20));
    EXPECT_EQ(s.firstSaveMark, (TeamEntry{kHome, 20}));
    // The other team's entries are not touched.
    EXPECT_EQ(g.state.currentPitcher[kVisitors], 10);
    EXPECT_EQ(g.team(kVisitors).player(12).playerName, "Arm12");
}

TEST(Lineup, RosterSwapsCarryEveryFigure) {
    Team team;
    // Every byte of the two entries' figures differs, so that a field left
    // behind by the swap shows wherever it lies.
    for (const int entry : {3, 14}) {
        Player& p = team.player(entry);
        auto* bytes = reinterpret_cast<unsigned char*>(static_cast<PlayerFigures*>(&p));
        for (std::size_t i = 0; i < sizeof(PlayerFigures); ++i)
            bytes[i] = static_cast<unsigned char>(entry + 3 * i);
        p.sharedLastName = entry == 3;
        p.sim.innings = entry;
        p.playerName = entry == 3 ? "Short" : "A name too long to sit inside the string";
        p.nameAsLoaded = "Loaded" + std::to_string(entry);
    }
    const Player was3 = team.player(3);
    const Player was14 = team.player(14);
    swapEntries(team, 3, 14);
    // Each player arrives whole but for what belongs to the entry.
    Player expect14 = was3;
    expect14.lineupPlayer = was14.lineupPlayer;
    expect14.nameAsLoaded = was14.nameAsLoaded;
    Player expect3 = was14;
    expect3.lineupPlayer = was3.lineupPlayer;
    expect3.nameAsLoaded = was3.nameAsLoaded;
    EXPECT_TRUE(team.player(14) == expect14);
    EXPECT_TRUE(team.player(3) == expect3);
}

}  // namespace
}  // namespace vrk
