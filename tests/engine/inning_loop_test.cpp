#include <gtest/gtest.h>

#include <tuple>

#include "engine/advance_runners.h"
#include "engine/anthem.h"
#include "engine/end_of_game.h"
#include "engine/game.h"
#include "engine/game_start.h"
#include "engine/game_texts.h"
#include "engine/half_inning.h"
#include "engine/message_registry.h"
#include "engine/plate_appearance_loop.h"
#include "engine/play_game.h"
#include "engine/recording_seams.h"
#include "engine/score_run.h"
#include "engine/test_teams.h"

namespace vrk {
namespace {

using testing::GameFixture;
using testing::LoopNarration;
using testing::RecordingScoreCard;

// The nine starters bat 500 times with only these hits, home runs and strikeouts.
void Lineup(Team& t, int hits, int homeRuns, int strikeouts) {
    for (int e = 1; e <= 9; ++e) {
        testing::SetLine(t.player(e), 500, hits, 0, 0, homeRuns, 0, strikeouts);
    }
}

void SetHalf(Game& g, int inning, int battingTeam) {
    g.state.inning = inning;
    g.state.battingTeam = battingTeam;
    g.state.fieldingTeam = otherTeam(battingTeam);
}

TEST(ScoreRun, RunsOutsAndTheWalkOffCut) {
    testing::StartedGame f;
    Game& g = f.g;
    SetHalf(g, 3, kVisitors);
    StartHalfInning(g);
    g.state.batter = g.state.currentBatterSlot = 2;
    const PitcherCounters& pitcher = g.counters.pitch(kHome, 10);
    // Slot `runner` on third, put there against `responsible`, comes home.
    auto scoreFromThird = [&](int runner, int responsible) {
        g.state.runnerOnThird = runner;
        g.state.responsiblePitcher[kVisitors][runner] = responsible;
        AdvanceRunners(g, 0, 0, 1);
    };

    // The third out scores no run: the runner stays and is left on base.
    g.state.outs = 3;
    scoreFromThird(1, 10);
    EXPECT_EQ(g.state.score[kVisitors], 0);
    EXPECT_EQ(g.state.runnerOnThird, 1);

    g.state.outs = 1;
    AdvanceRunners(g, 1, 1, 1);
    EXPECT_EQ(g.state.score[kVisitors], 1);
    EXPECT_EQ(g.state.runnerOnThird, 0);
    EXPECT_EQ(g.state.lineScore[kVisitors][3], 1);
    EXPECT_EQ(g.counters.of(kVisitors).runsByInning[3], 1);
    EXPECT_EQ(g.counters.bat(kVisitors, 2).runsBattedIn, 1);
    EXPECT_EQ(g.counters.bat(kVisitors, 1).runs, 1);
    EXPECT_EQ(pitcher.earnedRuns, 1);
    // The go-ahead run: pitchers of record.
    EXPECT_EQ(g.state.winningPitcher, (TeamEntry{kVisitors, 10}));
    EXPECT_EQ(g.state.losingPitcher, (TeamEntry{kHome, 10}));

    // An error on the play: no RBI and no earned run.
    g.state.play.errorOnPlay = true;
    scoreFromThird(3, 10);
    EXPECT_EQ(g.counters.bat(kVisitors, 2).runsBattedIn, 1);
    EXPECT_EQ(pitcher.runs, 2);
    EXPECT_EQ(pitcher.earnedRuns, 1);
    g.state.play.errorOnPlay = false;

    // Outs the defence lost through errors make later runs unearned, unless
    // that error came while runners advanced.
    g.state.outs = 2;
    g.state.halfInningErrors = 1;
    scoreFromThird(4, 10);
    EXPECT_EQ(pitcher.earnedRuns, 1);
    g.state.halfInningAdvanceErrors = 1;
    scoreFromThird(5, 10);
    EXPECT_EQ(pitcher.earnedRuns, 2);
    // An automatic runner's run is charged to nobody as earned.
    scoreFromThird(6, -10);
    EXPECT_EQ(pitcher.runs, 5);
    EXPECT_EQ(pitcher.earnedRuns, 2);

    // Bottom of the 9th, tied, bases loaded: a walk scores one run, which wins
    // it, and the runners behind him no longer count.
    testing::StartedGame h;
    Game& w = h.g;
    w.state.score = {0, 2, 2};
    SetHalf(w, 9, kHome);
    StartHalfInning(w);
    testing::SetBases(w.state, 1, 2, 3);
    w.state.batter = w.state.currentBatterSlot = 4;
    AdvanceRunners(w, 3, 2, 1);
    EXPECT_EQ(w.state.score[kHome], 3);
    EXPECT_TRUE(WalkOffReached(w.state));
}

TEST(ScoreRun, TyingRunClearsTheRecordAndBlowsTheSave) {
    testing::StartedGame f;
    Game& g = f.g;
    g.state.score = {0, 3, 2};
    SetHalf(g, 8, kHome);
    StartHalfInning(g);
    g.state.currentPitcher[kVisitors] = 12;
    g.state.pitcher = 12;
    g.state.winningPitcher = {kVisitors, 10};
    g.state.losingPitcher = {kHome, 10};
    g.state.firstSaveMark = {kVisitors, 12};
    g.state.batter = g.state.currentBatterSlot = 1;
    g.state.runnerOnThird = 9;
    g.state.responsiblePitcher[kHome][9] = 12;
    AdvanceRunners(g, 0, 0, 1);
    EXPECT_TRUE(g.state.winningPitcher.empty());
    EXPECT_TRUE(g.state.losingPitcher.empty());
    EXPECT_TRUE(g.state.firstSaveMark.empty());
    EXPECT_EQ(g.counters.pitch(kVisitors, 12).blownSaves, 1);
    // Early in the game a tying run is no blown save.
    g.state.score = {0, 3, 2};
    g.state.inning = 5;
    g.state.secondSaveMark = {kVisitors, 12};
    g.state.runnerOnThird = 8;
    AdvanceRunners(g, 0, 0, 1);
    EXPECT_EQ(g.counters.pitch(kVisitors, 12).blownSaves, 1);
    EXPECT_TRUE(g.state.secondSaveMark.empty());
}

// Visitors ahead after nine win once the home side has batted in the 9th
// (the top of the 10th never comes); a home side ahead skips the bottom.
TEST(InningLoop, NineInningsEndOnTheLeadersTerms) {
    for (int strong : {kVisitors, kHome}) {
        GameFixture f(strong == kVisitors ? 31 : 32);
        Lineup(f.teams[static_cast<std::size_t>(strong)], 200, 200, 0);
        Lineup(f.teams[static_cast<std::size_t>(otherTeam(strong))], 0, 0, 200);
        RecordingScoreCard card(f.game->state);
        f.game->scoreCard = &card;
        GameResult r = PlayGame(*f.game);
        EXPECT_EQ(r.winner, strong);
        EXPECT_EQ(r.innings, 9);
        EXPECT_GT(r.score[strong], r.score[otherTeam(strong)]);
        bool homeBatted = false, homeBattedPlay = false;
        for (const auto& l : card.lines) {
            bool homeNinth = l.inning == 9 && l.team == kHome;
            homeBatted |= homeNinth && (l.code == ' ' || l.code == '8');
            homeBattedPlay |= homeNinth && l.code == ' ';
        }
        EXPECT_TRUE(strong == kHome || homeBatted);
        EXPECT_TRUE(strong == kVisitors || (!homeBattedPlay && r.runsByInning[kHome][9] == 0));
    }
}

// The line-up's card entries are built only where a card keeps them: a kept
// card gets each side's heading and nine positions, and the game played
// without one is the same game.
TEST(GameStart, LineUpReachesAKeptCard) {
    GameFixture kept(7);
    GameFixture unkept(7);
    RecordingScoreCard card(kept.game->state);
    kept.game->scoreCard = &card;
    StartGame(*kept.game);
    ASSERT_EQ(card.lines.size(), 20u);
    for (int t = kVisitors; t <= kHome; ++t) {
        const auto first = static_cast<std::size_t>((t - 1) * 10);
        EXPECT_EQ(card.lines[first].code, 'X');
        EXPECT_EQ(card.lines[first].text.rfind("~Lineup: ", 0), 0u);
        for (std::size_t slot = 1; slot <= 9; ++slot) {
            EXPECT_EQ(card.lines[first + slot].team, t);
            EXPECT_EQ(card.lines[first + slot].code, '0');
            EXPECT_EQ(card.lines[first + slot].text.size(), 2u);
        }
    }
    const GameResult withCard = PlayGame(*kept.game);
    const GameResult without = PlayGame(*unkept.game);
    EXPECT_EQ(withCard.score, without.score);
    EXPECT_EQ(withCard.innings, without.innings);
    EXPECT_TRUE(kept.game->counters == unkept.game->counters);
    EXPECT_GT(card.lines.size(), 60u);
}

TEST(InningLoop, WalkOffHomeRunAndSingleEndTheGameAtOnce) {
    for (bool single : {false, true}) {
        GameFixture f(40 + single);
        Lineup(f.teams[2], single ? 500 : 200, single ? 0 : 200, 0);
        Game& g = *f.game;
        StartGame(g);
        g.state.score = {0, 4, 4};
        g.state.lastBatterSlot[kHome] = 3;
        SetHalf(g, 9, kHome);
        StartHalfInning(g);
        if (single) g.state.runnerOnThird = 3;
        EXPECT_FALSE(PlayHalfInning(g));  // the game ended inside the half inning
        EXPECT_TRUE(WalkOffReached(g.state));
        EXPECT_TRUE(single ? g.state.score[kHome] == 5 : g.state.score[kHome] >= 5);
        EXPECT_LT(g.state.outs, 3);
        FinishGame(g);
        EXPECT_EQ(g.state.winner, kHome);
    }
}

TEST(InningLoop, AutomaticRunnerStartsExtraInnings) {
    // The runner is the batter before the leadoff man: in the 10th, in the
    // 8th of a seven-inning game, and never without the rule.
    const std::tuple<int, bool, int, int, int, int> kCases[] = {
        {9, true, kVisitors, 4, 10, 4}, {7, true, kHome, 9, 8, 9}, {9, false, kVisitors, 4, 12, 0}};
    for (auto [regulation, rule, team, lastSlot, extraInning, runner] : kCases) {
        GameFixture f;
        f.config.regulationInnings = regulation;
        Game& g = *f.game;
        g.options.automaticRunner = rule;
        StartGame(g);
        g.state.lastBatterSlot[team] = lastSlot;
        SetHalf(g, regulation, team);
        StartHalfInning(g);
        EXPECT_EQ(g.state.runnerOnSecond, 0);
        SetHalf(g, extraInning, team);
        StartHalfInning(g);
        EXPECT_EQ(g.state.runnerOnSecond, runner) << regulation;
        if (runner == 0) continue;
        EXPECT_EQ(g.state.responsiblePitcher[team][runner], -10);
        EXPECT_EQ(g.state.lastBatterSlot[team], lastSlot);  // the next batter follows him
    }
}

TEST(InningLoop, ScoreboardPages) {
    const int kColumns[][2] = {{1, 1}, {10, 10}, {11, 1}, {30, 10}, {41, 1}};
    for (const auto& c : kColumns) EXPECT_EQ(ScoreboardColumn(c[0]), c[1]) << c[0];
    testing::StartedGame f;
    Game& g = f.g;
    g.state.lineScore[kVisitors][5] = 2;
    g.state.score = {0, 2, 0};
    SetHalf(g, 11, kVisitors);
    StartHalfInning(g);
    EXPECT_EQ(g.state.lineScore[kVisitors][5], 0);
    EXPECT_EQ(g.state.score[kVisitors], 2);
    EXPECT_EQ(g.state.scoreboardInning, 1);
}

TEST(EndOfGame, SaveAndWinRules) {
    const TeamEntry starter{kHome, 10}, middle{kHome, 11}, closer{kHome, 12};
    // The home starter leads 3-2 after `starterOuts`; 11 pitches an inning, then
    // the closer gets `closerOuts` holding the save marks as given.
    const std::tuple<int, int, TeamEntry, TeamEntry, TeamEntry, TeamEntry> kCases[] = {
        {18, 3, closer, {}, starter, closer},
        {14, 3, closer, {}, middle, closer},  // the starter did not go five
        {18, 2, {}, closer, starter, {}},
        {18, 3, {}, closer, starter, closer},
        {18, 8, {}, {}, starter, {}},
        {18, 9, {}, {}, starter, closer},
        {18, 3, middle, {}, starter, {}},  // a mark held by another pitcher earns nothing
    };
    for (auto [starterOuts, closerOuts, firstMark, secondMark, winner, save] : kCases) {
        testing::StartedGame f;
        GameState& s = f.g.state;
        s.score = {0, 2, 3};
        s.pitchersUsed[kHome] = 3;
        s.pitcherList[kHome][2] = 11;
        s.pitcherList[kHome][3] = 12;
        s.outsRecorded[kHome][10] = starterOuts;
        s.outsRecorded[kHome][11] = 3;
        s.outsRecorded[kHome][12] = closerOuts;
        s.winningPitcher = starter;
        s.firstSaveMark = firstMark;
        s.secondSaveMark = secondMark;
        FinishGame(f.g);
        EXPECT_EQ(s.winningPitcher, winner) << starterOuts << " " << closerOuts;
        EXPECT_EQ(s.savePitcher, save) << starterOuts << " " << closerOuts;
    }
}

TEST(EndOfGame, HighlightsAndNoHitters) {
    GameFixture f;
    Game& g = *f.game;
    SimulationRecord record;
    g.record = &record;
    StartGame(g);
    g.counters.pitch(kHome, 10).strikeouts = 14;
    BatterCounters& c = g.counters.bat(kVisitors, 2);
    c.hits = 5;
    c.doubles = c.triples = c.homeRuns = 1;
    c.runsBattedIn = 7;
    g.counters.team[kVisitors].hits = 5;  // home held hitless by one pitcher
    g.state.score = {0, 3, 0};
    FinishGame(g);
    const char* expected[] = {"Pitcher, No10, 14 K's", "Baker, Bo, 5 hits", "Baker, Bo, 7 RBI's",
                              "Baker, Bo, hit for cycle", "Pitcher, No10, No-Hitter"};
    ASSERT_EQ(record.highlights.size(), 5u);
    for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(record.highlights[i].text.view(), expected[i]);
    EXPECT_EQ(record.highlights[0].gameNumber, 1);
    EXPECT_EQ(record.gamesCompleted, 1);

    record.highlights.clear();
    record.highlights.resize(kMaxHighlights - 1);
    StartGame(g);
    g.counters.pitch(kHome, 10).strikeouts = 15;
    g.counters.pitch(kVisitors, 10).strikeouts = 15;
    FinishGame(g);
    EXPECT_EQ(record.highlights.size(), static_cast<std::size_t>(kMaxHighlights));

    // Hits of both sides, the visitors' pitchers used and the score; "" for no line.
    record.highlights.clear();
    const std::tuple<int, int, int, int, int, const char*> kCases[] = {
        {0, 6, 1, 0, 1, "Pitcher, No10, No-Hitter"},
        {5, 1, 1, 2, 1, "Pitcher, No10, 1-Hitter"},  // home held to one hit by the starter
        {4, 0, 3, 1, 0, "VISITORS, multi-pit. No-Hitter"},
        {4, 1, 3, 1, 0, ""},  // several pitchers and a hit
    };
    for (auto [visitorsHits, homeHits, visitorsPitchers, visitorsRuns, homeRuns, line] : kCases) {
        std::size_t before = record.highlights.size();
        StartGame(g);
        g.counters.team[kVisitors].hits = visitorsHits;
        g.counters.team[kHome].hits = homeHits;
        g.state.pitchersUsed[kVisitors] = visitorsPitchers;
        g.state.score = {0, visitorsRuns, homeRuns};
        FinishGame(g);
        ASSERT_EQ(record.highlights.size(), before + (*line ? 1 : 0)) << line;
        EXPECT_EQ(*line ? record.highlights.back().text.view() : std::string_view(), line);
    }
}

TEST(GameTexts, SummaryBatterLinesNamesAndAnthems) {
    EXPECT_EQ(InningSummaryText(0, 0, 0, 0), "No runs - no hits - no errors, nobody left");
    EXPECT_EQ(InningSummaryText(1, 1, 1, 1), "1 run - 1 hit - 1 error, 1 left on base");
    EXPECT_EQ(InningSummaryText(3, 4, 2, 2), "3 runs - 4 hits - 2 errors, 2 left on base");
    const std::tuple<int, int, int, const char*> kLines[] = {
        {0, 0, 0, ""},
        {3, 0, 0, "Smith's hitless in 3 tries."},
        {4, 2, 3, "Smith's 2 for 4 with 3 RBI's!"},
        {4, 2, 1, "Smith's 2 for 4 with an RBI."},
        {4, 2, 0, "Smith's 2 for 4."}};
    for (auto [atBats, hits, runsBattedIn, line] : kLines) {
        BatterCounters c;
        c.atBats = atBats;
        c.hits = hits;
        c.runsBattedIn = runsBattedIn;
        EXPECT_EQ(BatterGameLine("Smith", c), line);
    }
    Player p;
    p.playerName = "Ruth, Babe         ";
    EXPECT_EQ(SpokenName(p), "Babe Ruth");
    p.playerName = "Ichiro   ";
    EXPECT_EQ(SpokenName(p), "Ichiro");

    for (const char* name : {"Blue Jays", "Montreal", "1977EXPOS", "1998EDMONTON"}) {
        EXPECT_TRUE(IsCanadianTeam(name)) << name;
    }
    EXPECT_FALSE(IsCanadianTeam("Yankees"));
    // The visitors' anthem first, each country's once.
    const std::tuple<const char*, const char*, const char*, const char*> kCases[] = {
        {"VISITORS", "HOMETOWN", "usan.mid", ""},
        {"TORONTO", "HOMETOWN", "canada.mid", "usan.mid"},
        {"BOSTON", "EXPOS", "usan.mid", "canada.mid"},
        {"Blue Jays", "EXPOS", "canada.mid", ""}};
    GameFixture f;
    for (auto [visitors, home, first, second] : kCases) {
        f.teams[1].teamName = visitors;
        f.teams[2].teamName = home;
        std::string_view files[2];
        ASSERT_EQ(AnthemOrder(*f.game, files), *second ? 2 : 1) << visitors;
        EXPECT_EQ(files[0], first);
        EXPECT_EQ(*second ? files[1] : "", second);
    }
}

TEST(FullGame, DisplayedGameTellsTheInningSummaryAndTheEnd) {
    GameFixture f(77);
    Game& g = *f.game;
    LoopNarration narration;
    g.narration = &narration;
    g.options.displayed = true;
    g.options.playDelay = 1;
    PlayGame(g);
    ASSERT_FALSE(narration.windows.empty());
    EXPECT_EQ(narration.windows.front(), "Inning Summary");
    EXPECT_TRUE(narration.has("That's the ballgame!"));
    EXPECT_TRUE(narration.has("We're set for the first pitch..."));
    EXPECT_TRUE(narration.has(msg::kBatterUp.display()));
}

}  // namespace
}  // namespace vrk
