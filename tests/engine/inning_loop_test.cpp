#include <gtest/gtest.h>

#include <numeric>

#include "engine/engine_helpers.h"
#include "engine/game_flow.h"
#include "engine/recording_seams.h"
#include "engine/test_teams.h"
#include "presentation/message_registry.h"

namespace vrk {
namespace {

using testing::GameFixture;
using testing::LoopNarration;
using testing::RecordingScoreCard;

// Batters who hit a home run nearly every time up.
void MakeSluggers(Team& t) {
    for (int e = 1; e <= 9; ++e) {
        Player& p = t.player(e);
        p.atBats = 500;
        p.hits = p.homeRuns = 200;
        p.doubles = p.triples = 0;
        p.walks = p.strikeouts = 0;
    }
}

// Batters who single nearly every time up.
void MakeSingleHitters(Team& t) {
    for (int e = 1; e <= 9; ++e) {
        Player& p = t.player(e);
        p.atBats = 500;
        p.hits = 500;
        p.doubles = p.triples = p.homeRuns = 0;
        p.walks = p.strikeouts = 0;
    }
}

// Batters who never reach base on their own.
void MakeHopeless(Team& t) {
    for (int e = 1; e <= 9; ++e) {
        Player& p = t.player(e);
        p.atBats = 500;
        p.hits = p.doubles = p.triples = p.homeRuns = p.walks = 0;
        p.strikeouts = 200;
    }
}

void SetHalf(Game& g, int inning, int battingTeam) {
    g.state.inning = inning;
    g.state.battingTeam = battingTeam;
    g.state.fieldingTeam = otherTeam(battingTeam);
}

TEST(ScoreRun, RunsOutsAndTheWalkOffCut) {
    GameFixture f;
    Game& g = *f.game;
    StartGame(g);
    SetHalf(g, 3, kVisitors);
    StartHalfInning(g);
    g.state.batter = 2;
    g.state.currentBatterSlot = 2;
    g.state.runnerOnThird = 1;
    g.state.responsiblePitcher[kVisitors][1] = 10;

    // The third out scores no run: the runner stays and is left on base.
    g.state.outs = 3;
    AdvanceRunners(g, 1, 1, 1);
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
    EXPECT_EQ(g.counters.pitch(kHome, 10).earnedRuns, 1);
    // The go-ahead run: pitchers of record.
    EXPECT_EQ(g.state.winningPitcher, (TeamEntry{kVisitors, 10}));
    EXPECT_EQ(g.state.losingPitcher, (TeamEntry{kHome, 10}));

    // An error on the play: no RBI and no earned run.
    g.state.errorOnPlay = true;
    g.state.runnerOnThird = 3;
    g.state.responsiblePitcher[kVisitors][3] = 10;
    AdvanceRunners(g, 0, 0, 1);
    EXPECT_EQ(g.counters.bat(kVisitors, 2).runsBattedIn, 1);
    EXPECT_EQ(g.counters.pitch(kHome, 10).runs, 2);
    EXPECT_EQ(g.counters.pitch(kHome, 10).earnedRuns, 1);
    g.state.errorOnPlay = false;

    // Outs the defence lost through errors make later runs unearned.
    g.state.outs = 2;
    g.state.halfInningErrors = 1;
    g.state.runnerOnThird = 4;
    g.state.responsiblePitcher[kVisitors][4] = 10;
    AdvanceRunners(g, 0, 0, 1);
    EXPECT_EQ(g.counters.pitch(kHome, 10).earnedRuns, 1);
    g.state.halfInningAdvanceErrors = 1;  // that error came while runners advanced
    g.state.runnerOnThird = 5;
    g.state.responsiblePitcher[kVisitors][5] = 10;
    AdvanceRunners(g, 0, 0, 1);
    EXPECT_EQ(g.counters.pitch(kHome, 10).earnedRuns, 2);

    // An automatic runner's run is charged to nobody as earned.
    g.state.runnerOnThird = 6;
    g.state.responsiblePitcher[kVisitors][6] = -10;
    AdvanceRunners(g, 0, 0, 1);
    EXPECT_EQ(g.counters.pitch(kHome, 10).runs, 5);
    EXPECT_EQ(g.counters.pitch(kHome, 10).earnedRuns, 2);

    // Bottom of the 9th, tied, bases loaded, a walk: one run wins it and
    // the runners behind him no longer count.
    GameFixture h;
    Game& w = *h.game;
    StartGame(w);
    w.state.score = {0, 2, 2};
    SetHalf(w, 9, kHome);
    StartHalfInning(w);
    w.state.runnerOnFirst = 1;
    w.state.runnerOnSecond = 2;
    w.state.runnerOnThird = 3;
    w.state.batter = w.state.currentBatterSlot = 4;
    AdvanceRunners(w, 3, 2, 1);
    EXPECT_EQ(w.state.score[kHome], 3);
    EXPECT_TRUE(WalkOffReached(w.state));
    // A home run counts every run.
    w.state.score = {0, 2, 2};
    w.state.runnerOnFirst = 1;
    w.state.runnerOnSecond = 2;
    w.state.runnerOnThird = 3;
    w.state.homeRunInProgress = true;
    AdvanceRunners(w, 3, 2, 1);
    ScoreBatterRun(w);
    w.state.homeRunInProgress = false;
    EXPECT_EQ(w.state.score[kHome], 6);
}

TEST(ScoreRun, TyingRunClearsTheRecordAndBlowsTheSave) {
    GameFixture f;
    Game& g = *f.game;
    StartGame(g);
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

TEST(InningLoop, VisitorsAheadAfterANineInningGameWinAtTheTopOfTheTenth) {
    GameFixture f(31);
    MakeSluggers(f.teams[1]);
    MakeHopeless(f.teams[2]);
    RecordingScoreCard card(f.game->state);
    f.game->scoreCard = &card;
    GameResult r = PlayGame(*f.game);
    EXPECT_EQ(r.winner, kVisitors);
    EXPECT_EQ(r.innings, 9);
    EXPECT_GT(r.score[kVisitors], r.score[kHome]);
    // The home side did bat in the 9th.
    bool homeBatted = false;
    for (const auto& l : card.lines) {
        if (l.inning == 9 && l.team == kHome && (l.code == ' ' || l.code == '8')) homeBatted = true;
    }
    EXPECT_TRUE(homeBatted);
}

TEST(InningLoop, HomeSideAheadSkipsTheBottomOfTheNinth) {
    GameFixture f(32);
    MakeHopeless(f.teams[1]);
    MakeSluggers(f.teams[2]);
    RecordingScoreCard card(f.game->state);
    f.game->scoreCard = &card;
    GameResult r = PlayGame(*f.game);
    EXPECT_EQ(r.winner, kHome);
    EXPECT_EQ(r.innings, 9);
    for (const auto& l : card.lines) {
        EXPECT_FALSE(l.inning == 9 && l.team == kHome && l.code == ' ') << l.text;
    }
    EXPECT_EQ(r.runsByInning[kHome][9], 0);
}

TEST(InningLoop, WalkOffHomeRunAndSingleEndTheGameAtOnce) {
    for (bool single : {false, true}) {
        GameFixture f(40 + single);
        if (single) {
            MakeSingleHitters(f.teams[2]);
        } else {
            MakeSluggers(f.teams[2]);
        }
        Game& g = *f.game;
        StartGame(g);
        g.state.score = {0, 4, 4};
        g.state.lastBatterSlot[kHome] = 3;
        SetHalf(g, 9, kHome);
        StartHalfInning(g);
        if (single) g.state.runnerOnThird = 3;
        EXPECT_FALSE(PlayHalfInning(g));  // the game ended inside the half inning
        EXPECT_TRUE(WalkOffReached(g.state));
        if (single) {
            EXPECT_EQ(g.state.score[kHome], 5);
        } else {
            EXPECT_GE(g.state.score[kHome], 5);
        }
        EXPECT_LT(g.state.outs, 3);
        FinishGame(g);
        EXPECT_EQ(g.state.winner, kHome);
    }
}

TEST(InningLoop, AutomaticRunnerStartsExtraInnings) {
    GameFixture f;
    Game& g = *f.game;
    g.options.automaticRunner = true;
    StartGame(g);
    g.state.lastBatterSlot[kVisitors] = 4;
    SetHalf(g, 9, kVisitors);
    StartHalfInning(g);
    EXPECT_EQ(g.state.runnerOnSecond, 0);
    SetHalf(g, 10, kVisitors);
    StartHalfInning(g);
    EXPECT_EQ(g.state.runnerOnSecond, 4);
    EXPECT_EQ(g.state.responsiblePitcher[kVisitors][4], -10);
    // Next batter is the one after the runner.
    EXPECT_EQ(g.state.lastBatterSlot[kVisitors] % 9 + 1, 5);

    GameFixture seven;
    seven.config.regulationInnings = 7;
    Game& s = *seven.game;
    s.options.automaticRunner = true;
    StartGame(s);
    s.state.lastBatterSlot[kHome] = 9;
    SetHalf(s, 7, kHome);
    StartHalfInning(s);
    EXPECT_EQ(s.state.runnerOnSecond, 0);
    SetHalf(s, 8, kHome);
    StartHalfInning(s);
    EXPECT_EQ(s.state.runnerOnSecond, 9);

    // Without the rule nobody is placed.
    GameFixture off;
    StartGame(*off.game);
    off.game->state.lastBatterSlot[kVisitors] = 4;
    SetHalf(*off.game, 12, kVisitors);
    StartHalfInning(*off.game);
    EXPECT_EQ(off.game->state.runnerOnSecond, 0);
}

TEST(InningLoop, ScoreboardPages) {
    EXPECT_EQ(ScoreboardColumn(1), 1);
    EXPECT_EQ(ScoreboardColumn(10), 10);
    EXPECT_EQ(ScoreboardColumn(11), 1);
    EXPECT_EQ(ScoreboardColumn(30), 10);
    EXPECT_EQ(ScoreboardColumn(41), 1);
    GameFixture f;
    Game& g = *f.game;
    StartGame(g);
    g.state.lineScore[kVisitors][5] = 2;
    g.state.score = {0, 2, 0};
    SetHalf(g, 11, kVisitors);
    StartHalfInning(g);
    EXPECT_EQ(g.state.lineScore[kVisitors][5], 0);
    EXPECT_EQ(g.state.score[kVisitors], 2);
    EXPECT_EQ(g.state.scoreboardInning, 1);
}

TEST(EndOfGame, SaveAndWinRules) {
    auto finish = [](int starterOuts, int closerOuts, TeamEntry firstMark, TeamEntry secondMark) {
        GameFixture f;
        Game& g = *f.game;
        StartGame(g);
        GameState& s = g.state;
        s.score = {0, 2, 3};
        s.pitchersUsed[kHome] = 3;
        s.pitcherList[kHome][2] = 11;
        s.pitcherList[kHome][3] = 12;
        s.outsRecorded[kHome][10] = starterOuts;
        s.outsRecorded[kHome][11] = 3;
        s.outsRecorded[kHome][12] = closerOuts;
        s.winningPitcher = {kHome, 10};
        s.firstSaveMark = firstMark;
        s.secondSaveMark = secondMark;
        FinishGame(g);
        return std::pair{s.winningPitcher, s.savePitcher};
    };
    TeamEntry closer{kHome, 12};
    auto [w1, s1] = finish(18, 3, closer, {});
    EXPECT_EQ(w1, (TeamEntry{kHome, 10}));
    EXPECT_EQ(s1, closer);
    auto [w2, s2] = finish(14, 3, closer, {});
    EXPECT_EQ(w2, (TeamEntry{kHome, 11}));  // the starter did not go five
    EXPECT_EQ(s2, closer);
    EXPECT_EQ(finish(18, 2, {}, closer).second, TeamEntry{});
    EXPECT_EQ(finish(18, 3, {}, closer).second, closer);
    EXPECT_EQ(finish(18, 8, {}, {}).second, TeamEntry{});
    EXPECT_EQ(finish(18, 9, {}, {}).second, closer);
    // A mark held by another pitcher earns nothing.
    EXPECT_EQ(finish(18, 3, {kHome, 11}, {}).second, TeamEntry{});
}

TEST(EndOfGame, HighlightsInOrderAndCapped) {
    GameFixture f;
    Game& g = *f.game;
    SimulationRecord record;
    g.record = &record;
    StartGame(g);
    g.counters.pitch(kHome, 10).strikeouts = 14;
    BatterCounters& c = g.counters.bat(kVisitors, 2);
    c.hits = 5;
    c.doubles = 1;
    c.triples = 1;
    c.homeRuns = 1;
    c.runsBattedIn = 7;
    g.state.teamHits = {0, 5, 0};  // home held hitless by one pitcher
    g.state.score = {0, 3, 0};
    FinishGame(g);
    ASSERT_EQ(record.highlights.size(), 5u);
    EXPECT_EQ(record.highlights[0].text, "Pitcher, No10, 14 K's");
    EXPECT_EQ(record.highlights[1].text, "Baker, Bo, 5 hits");
    EXPECT_EQ(record.highlights[2].text, "Baker, Bo, 7 RBI's");
    EXPECT_EQ(record.highlights[3].text, "Baker, Bo, hit for cycle");
    EXPECT_EQ(record.highlights[0].gameNumber, 1);
    EXPECT_EQ(record.gamesCompleted, 1);
    // The home side had no hits against the visitors' only pitcher.
    EXPECT_EQ(record.highlights[4].text, "Pitcher, No10, No-Hitter");
    record.highlights.clear();
    g.state.teamHits = {0, 5, 0};
    record.highlights.resize(kMaxHighlights - 1);
    StartGame(g);
    g.counters.pitch(kHome, 10).strikeouts = 15;
    g.counters.pitch(kVisitors, 10).strikeouts = 15;
    FinishGame(g);
    EXPECT_EQ(record.highlights.size(), static_cast<std::size_t>(kMaxHighlights));
}

TEST(EndOfGame, NoHitters) {
    GameFixture f;
    Game& g = *f.game;
    SimulationRecord record;
    g.record = &record;
    StartGame(g);
    g.state.teamHits = {0, 0, 6};
    g.state.score = {0, 0, 1};
    FinishGame(g);
    ASSERT_EQ(record.highlights.size(), 1u);
    EXPECT_EQ(record.highlights[0].text, "Pitcher, No10, No-Hitter");
    StartGame(g);
    g.state.teamHits = {0, 5, 1};  // home held to one hit by the visitors' starter
    g.state.score = {0, 2, 1};
    FinishGame(g);
    ASSERT_EQ(record.highlights.size(), 2u);
    EXPECT_EQ(record.highlights[1].text, "Pitcher, No10, 1-Hitter");
    StartGame(g);
    g.state.teamHits = {0, 4, 0};
    g.state.pitchersUsed[kVisitors] = 3;
    g.state.score = {0, 1, 0};
    FinishGame(g);
    EXPECT_EQ(record.highlights.back().text, "VISITORS, multi-pit. No-Hitter");
    // Several pitchers and a hit: no line.
    std::size_t before = record.highlights.size();
    StartGame(g);
    g.state.teamHits = {0, 4, 1};
    g.state.pitchersUsed[kVisitors] = 3;
    g.state.score = {0, 1, 0};
    FinishGame(g);
    EXPECT_EQ(record.highlights.size(), before);
}

TEST(GameTexts, SummaryAndBatterLines) {
    EXPECT_EQ(InningSummaryText(0, 0, 0, 0), "No runs - no hits - no errors, nobody left");
    EXPECT_EQ(InningSummaryText(1, 1, 1, 1), "1 run - 1 hit - 1 error, 1 left on base");
    EXPECT_EQ(InningSummaryText(3, 4, 2, 2), "3 runs - 4 hits - 2 errors, 2 left on base");
    BatterCounters c;
    EXPECT_EQ(BatterGameLine("Smith", c), "");
    c.atBats = 3;
    EXPECT_EQ(BatterGameLine("Smith", c), "Smith's hitless in 3 tries.");
    c.atBats = 4;
    c.hits = 2;
    c.runsBattedIn = 3;
    EXPECT_EQ(BatterGameLine("Smith", c), "Smith's 2 for 4 with 3 RBI's!");
    c.runsBattedIn = 1;
    EXPECT_EQ(BatterGameLine("Smith", c), "Smith's 2 for 4 with an RBI.");
    c.runsBattedIn = 0;
    EXPECT_EQ(BatterGameLine("Smith", c), "Smith's 2 for 4.");
    Player p;
    p.playerName = "Ruth, Babe         ";
    EXPECT_EQ(SpokenName(p), "Babe Ruth");
    p.playerName = "Ichiro   ";
    EXPECT_EQ(SpokenName(p), "Ichiro");
}

TEST(GameTexts, Anthems) {
    EXPECT_TRUE(IsCanadianTeam("Blue Jays"));
    EXPECT_TRUE(IsCanadianTeam("Montreal"));
    EXPECT_TRUE(IsCanadianTeam("1977EXPOS"));
    EXPECT_TRUE(IsCanadianTeam("1998EDMONTON"));
    EXPECT_FALSE(IsCanadianTeam("Yankees"));
    GameFixture f;
    std::string_view files[2];
    ASSERT_EQ(AnthemOrder(*f.game, files), 1);
    EXPECT_EQ(files[0], "usan.mid");
    f.teams[1].teamName = "TORONTO";
    ASSERT_EQ(AnthemOrder(*f.game, files), 2);
    EXPECT_EQ(files[0], "canada.mid");
    EXPECT_EQ(files[1], "usan.mid");
    f.teams[1].teamName = "BOSTON";
    f.teams[2].teamName = "EXPOS";
    ASSERT_EQ(AnthemOrder(*f.game, files), 2);
    EXPECT_EQ(files[0], "usan.mid");
    EXPECT_EQ(files[1], "canada.mid");
    f.teams[1].teamName = "Blue Jays";
    ASSERT_EQ(AnthemOrder(*f.game, files), 1);
    EXPECT_EQ(files[0], "canada.mid");
}

TEST(FullGame, SeededGamesEndWithAWinnerAndAConsistentLineScore) {
    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
        GameFixture f(seed, seed % 2 == 0);
        GameResult r = PlayGame(*f.game);
        const Game& g = *f.game;
        ASSERT_TRUE(r.winner == kVisitors || r.winner == kHome) << seed;
        EXPECT_GT(r.score[r.winner], r.score[otherTeam(r.winner)]) << seed;
        EXPECT_GE(r.innings, 9) << seed;
        EXPECT_FALSE(r.winningPitcher.empty()) << seed;
        EXPECT_EQ(r.winningPitcher.team, r.winner) << seed;
        EXPECT_EQ(r.losingPitcher.team, otherTeam(r.winner)) << seed;
        for (int t = kVisitors; t <= kHome; ++t) {
            const auto& byInning = r.runsByInning[static_cast<std::size_t>(t)];
            EXPECT_EQ(std::accumulate(byInning.begin(), byInning.end(), 0), r.score[t]) << seed;
            int runs = 0, hits = 0, hitsAllowed = 0;
            for (int e = 1; e <= kMaxRosterEntries; ++e) {
                runs += g.counters.batter[t][e].runs;
                hits += g.counters.batter[t][e].hits;
                hitsAllowed += g.counters.pitcher[otherTeam(t)][e].hits;
                EXPECT_GE(g.counters.batter[t][e].atBats, 0);
            }
            EXPECT_EQ(runs, r.score[t]) << seed;
            EXPECT_EQ(hits, g.state.teamHits[t]) << seed;
            EXPECT_EQ(hitsAllowed, hits) << seed;
        }
        // Home outs: 3 per inning the visitors batted.
        int outs = 0;
        for (int e = 1; e <= kMaxRosterEntries; ++e) outs += g.state.outsRecorded[kHome][e];
        EXPECT_EQ(outs, 3 * r.innings) << seed;
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

    // Undisplayed: the narration is never called.
    GameFixture quiet(77);
    LoopNarration silent;
    quiet.game->narration = &silent;
    PlayGame(*quiet.game);
    EXPECT_TRUE(silent.lines.empty());
}

}  // namespace
}  // namespace vrk
