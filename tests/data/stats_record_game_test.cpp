#include <gtest/gtest.h>

#include "data/stats_set.h"
#include "data/stats_test_support.h"
#include "engine/stats_highlights.h"
#include "engine/stats_record_game.h"

namespace vrk {
namespace {

using stats_testing::GameFixture;
using stats_testing::ScratchFolder;

struct RecordGameTest : ::testing::Test {
    ScratchFolder dir;
    GameFixture fx;
    StatsSet set;
    HighlightLists lists;
    int counter = 0;

    void SetUp() override { ASSERT_TRUE(OpenStatsSet(set, dir.str(), "SEASON").ok); }

    // Records the fixture's game, then clears its counters for the next one.
    RecordGameResult play(std::optional<int> day = std::nullopt,
                          std::vector<std::string> engineHighlights = {}) {
        RecordGameResult r =
            RecordGame(set, lists, *fx.game, {counter++, day, 20}, engineHighlights);
        EXPECT_TRUE(r.result.ok) << r.result.message;
        return r;
    }
    void nextGame() {
        fx.game->counters = GameCounters{};
        fx.game->state.outsRecorded = {};
        for (int t = 1; t <= 2; ++t) {
            for (int slot = 1; slot <= 8; ++slot) fx.addToSlot(t, slot, slot, slot + 1);
            fx.setPitchers(t, {10}, {27});
        }
    }
    template <typename Table>
    auto& find(Table& table, int t, int e) {
        FindResult f = FindRecord(table, fx.key(t, e));
        EXPECT_NE(f.record, 0);
        return table.at(f.record);
    }
    BattingRecord& batting(int t, int e) { return find(set.batting, t, e); }
    const PitchingRecord& pitching(int t, int e) { return find(set.pitching, t, e); }
    const FieldingRecord& fielding(int t, int e) { return find(set.fielding, t, e); }
};

TEST_F(RecordGameTest, NewSetAfterOneGameHoldsTheBattersInKeyOrderAndTheSentinelLast) {
    fx.game->state.savePitcher = {1, 10};  // ignored: he already has the win
    play();
    ASSERT_TRUE(SaveStatistics(set, 1).ok);
    std::vector<std::uint8_t> stb = stats_testing::readBytes(dir.file("SEASON.STB"));
    // Header, nine batters a side (slot 9 is the pitcher's) and the sentinel.
    constexpr std::size_t n = 1 + 18 + 1;
    ASSERT_EQ(stb.size(), n * 162);
    auto key = [&](std::size_t i) {
        return DecodeBatting(std::span<const std::uint8_t>(stb).subspan(i * 162, 162)).key;
    };
    const TableHeader header = DecodeHeader(std::span<const std::uint8_t>(stb).first(162));
    EXPECT_EQ(header.count, 19);
    EXPECT_EQ(header.gameCounter, 1);
    for (std::size_t i = 2; i < n; ++i) EXPECT_LT(CompareKeys(key(i - 1), key(i)), 0) << i;
    EXPECT_EQ(key(1).view().substr(0, 6), "AHawks");
    EXPECT_EQ(key(n - 1), SentinelKey());

    std::vector<std::uint8_t> sts = stats_testing::readBytes(dir.file("SEASON.STS"));
    ASSERT_EQ(sts.size(), 112u);
    GameRecord g = DecodeGame(sts);
    EXPECT_EQ(g.visitors.teamName, "Hawks       ");
    EXPECT_EQ(std::vector({g.visitors.runs, g.home.runs}), std::vector({3, 2}));
    EXPECT_EQ(g.winningPitcher, "HPlayer10, Al ");
    EXPECT_EQ(g.losingPitcher, "OPlayer10, Al ");
    EXPECT_EQ(g.savePitcher, "HPlayer10, Al ");  // the record names whom the game credited
    EXPECT_EQ(pitching(1, 10).saves, 0);         // one pitcher never takes both
    EXPECT_EQ(pitching(1, 10).wins, 1);
    EXPECT_EQ(pitching(2, 10).losses, 1);
}

TEST_F(RecordGameTest, BattingCountersSplitsAndHandLetters) {
    BatterCounters& c = fx.bat(1, 2);  // entry 2 bats left
    c.atBats = 4, c.hits = 2, c.homeRuns = 1, c.walks = 1, c.runsBattedIn = 3;
    c.vsHand[1].atBats = 3, c.vsHand[1].hits = 2, c.vsHand[1].homeRuns = 1;
    c.vsHand[0].atBats = 1, c.vsHand[0].walks = 1;
    c.sacrifices = c.sacrificeFlies = c.groundedIntoDoublePlays = c.errors = 1;
    fx.teams[1].player(3).hand = 'r';
    play();
    const BattingRecord& b = batting(1, 2);
    EXPECT_EQ(b.hand, 'L');
    EXPECT_EQ(std::vector({b.games, b.lastGame}), std::vector({1, 0}));
    EXPECT_EQ(b.atBats, (SplitCount{4, 3, 1}));
    EXPECT_EQ(b.hits, (SplitCount{2, 2, 0}));
    EXPECT_EQ(b.homeRuns, (SplitCount{1, 1, 0}));
    EXPECT_EQ(b.walks, (SplitCount{1, 0, 1}));
    EXPECT_EQ(std::vector({b.runsBattedIn, b.sacrificeHits, b.sacrificeFlies,
                           b.groundedIntoDoublePlays, b.errors, b.hitStreak}),
              std::vector({3, 1, 1, 1, 1, 1}));
    EXPECT_EQ(batting(1, 3).hand, 'L');  // "r" bats the other way
    nextGame();
    play();
    EXPECT_EQ(
        std::vector({batting(1, 2).games, batting(1, 2).lastGame, batting(1, 2).atBats.total}),
        std::vector({2, 1, 4}));
}

TEST_F(RecordGameTest, PlayerInTwoSlotsCountsOneGameAndHisCountersOnce) {
    // Entry 14 pinch-hits in slot 3, later takes slot 7 and centre field.
    fx.addToSlot(1, 3, 14, kPinchHitterPosition);
    fx.addToSlot(1, 7, 14, 8);
    fx.bat(1, 14).atBats = 3, fx.bat(1, 14).hits = 1, fx.field(1, 14).putouts = 2;
    play();
    const BattingRecord& b = batting(1, 14);
    const FieldingRecord& f = fielding(1, 14);
    EXPECT_EQ(std::vector({b.games, b.atBats.total, b.hits.total, f.games,
                           f.gamesAt[kPinchHitterPosition], f.gamesAt[8], f.putoutsAt[8]}),
              std::vector({1, 3, 1, 1, 1, 1, 2}));
}

TEST_F(RecordGameTest, RecordsGoUnderTheNameOfThePlayerNowInTheEntry) {
    // Entries 5 and 15 were exchanged during the game: entry 5 now holds the
    // bench player, while the as-loaded name stays with the entry.
    std::swap(fx.teams[1].player(5).playerName, fx.teams[1].player(15).playerName);
    fx.bat(1, 5).hits = 3;
    play();
    EXPECT_EQ(find(set.batting, 1, 15).hits.total, 3);
    EXPECT_EQ(FindRecord(set.batting, MakePlayerKey('A', "Hawks", "HPlayer5, Al")).record, 0);
}

TEST_F(RecordGameTest, FieldingCreditsPositionsAndThePitcherCarriesHisOwn) {
    fx.field(1, 1).putouts = 9, fx.field(1, 1).errors = 1;  // the catcher
    fx.field(1, 4).assists = 5;                             // third base
    fx.field(1, 10).assists = 2;
    // A line-up entry listed at position 1 is only the pitcher's batting slot.
    fx.addToSlot(1, 9, 9, kPitcher);
    play();
    const FieldingRecord &c = fielding(1, 1), &p = fielding(1, 10);
    EXPECT_EQ(std::vector({c.gamesAt[kCatcher], c.putoutsAt[kCatcher], c.errorsAt[kCatcher],
                           fielding(1, 4).assistsAt[kThirdBase], p.gamesAt[kPitcher],
                           p.assistsAt[kPitcher], p.games}),
              std::vector({1, 9, 1, 5, 1, 2, 1}));
    EXPECT_EQ(FindRecord(set.fielding, fx.key(1, 9)).record, 0);
}

TEST_F(RecordGameTest, DesignatedHitterGamesGiveThePitchersABattingGame) {
    fx.game->options.designatedHitter = true;
    fx.game->counters.team[1].slotHistory[9] = {};
    fx.addToSlot(1, 9, 9, kDesignatedHitter);
    fx.setPitchers(2, {10, 12}, {20, 7});
    fx.game->counters.team[2].slotHistory[9] = {};
    fx.addToSlot(2, 9, 9, kDesignatedHitter);
    play();
    EXPECT_EQ(
        std::vector({batting(1, 10).games, batting(1, 10).atBats.total, batting(2, 12).games,
                     fielding(1, 9).gamesAt[kDesignatedHitter], fielding(2, 12).gamesAt[kPitcher]}),
        std::vector({1, 0, 1, 1, 1}));
}

TEST_F(RecordGameTest, RestDaysForStartersRelieversAndThirdStraightGame) {
    // Starter for 9 innings: floor(1 + sqrt(6.75)) = 3; complete game, shutout.
    fx.setPitchers(2, {10, 11, 12}, {15, 6, 3});
    fx.pitch(2, 11).runs = 1;
    play();
    const PitchingRecord& s = pitching(1, 10);
    EXPECT_EQ(
        std::vector({s.restDaysNeeded, s.gamesStarted, s.completeGames, s.shutouts, s.innings}),
        std::vector({3, 1, 1, 1, 9}));
    // 2 innings: floor(sqrt 8 - 1.4); 1 inning; 5 innings as a starter: 1 + sqrt 3.75.
    EXPECT_EQ(std::vector({pitching(2, 11).restDaysNeeded, pitching(2, 11).gamesStarted,
                           pitching(2, 12).restDaysNeeded, pitching(2, 10).completeGames,
                           pitching(2, 10).restDaysNeeded}),
              std::vector({1, 0, 0, 0, 2}));

    for (int g = 2; g <= 3; ++g) {
        nextGame();
        fx.setPitchers(2, {10, 12}, {24, 3});
        play();
    }
    // Reliever 11 sat out two games outside schedule play: 1 - 2, no lower than 0.
    EXPECT_EQ(std::vector({pitching(2, 12).consecutiveGames, pitching(2, 12).restDaysNeeded,
                           pitching(2, 11).restDaysNeeded, pitching(2, 11).consecutiveGames}),
              std::vector({3, 1, 0, 0}));
}

TEST_F(RecordGameTest, SevenAndSevenOutsMakeFourInningsAndTwoOuts) {
    for (int g = 0; g < 2; ++g) {
        fx.setPitchers(1, {10, 11}, {20, 7});
        play();
        nextGame();
    }
    EXPECT_EQ(std::vector({pitching(1, 11).innings, pitching(1, 11).extraOuts}),
              std::vector({4, 2}));
    EXPECT_NEAR(pitching(1, 11).inningsPitched(), 4 + 2.0 / 3, 1e-9);
}

TEST_F(RecordGameTest, ScheduleDaysRestAPitcherWhoSitsOut) {
    // {day, starter, pitcher 10's days needed after it}: two days later 3 - 2;
    // across the new year 2 - 102 + 365 days, at most 5; needing 3 with 5 off.
    const int days[][3] = {{100, 10, 3}, {102, 11, 1}, {2, 12, 0}, {10, 10, 3}, {15, 11, 0}};
    for (const auto& [day, starter, needed] : days) {
        nextGame();
        fx.setPitchers(1, {starter}, {27});
        play(day);
        EXPECT_EQ(pitching(1, 10).restDaysNeeded, needed) << day;
        EXPECT_EQ(pitching(1, 10).lastDayNumber, day);
    }
}

TEST_F(RecordGameTest, EndedHittingStreakWritesAHighlight) {
    fx.teams[1].player(1).playerName = fx.teams[1].player(1).nameAsLoaded = "Marsh, Tom";
    play();  // creates the records
    batting(1, 1).hitStreak = 25;

    nextGame();
    fx.bat(1, 1).walks = 2;  // walks only: the streak stands
    play();
    EXPECT_EQ(batting(1, 1).hitStreak, 25);
    EXPECT_TRUE(lists.run.empty());

    nextGame();
    fx.bat(1, 1).atBats = 4;
    RecordGameResult r = play(std::nullopt, {"OPlayer3, Al, 5 hits"});
    EXPECT_TRUE(r.warnings.empty());
    EXPECT_EQ(batting(1, 1).hitStreak, 0);
    EXPECT_EQ(lists.recent,
              (std::vector<std::string>{"OPlayer3, Al, 5 hits", "Tom Marsh, 25-game streak ends"}));
    EXPECT_EQ(lists.run[1].gameNumber, 3);
    EXPECT_EQ(stats_testing::readText(dir.file("SEASON.STH")),
              "3     OPlayer3, Al, 5 hits\n3     Tom Marsh, 25-game streak ends\n");

    // Below the minimum a streak ends quietly.
    batting(1, 1).hitStreak = 19;
    nextGame();
    fx.bat(1, 1).atBats = 3;
    play();
    EXPECT_EQ(lists.recent.size(), 2u);
}

TEST_F(RecordGameTest, HighlightListsStopFillingButTheFileGoesOn) {
    for (int i = 0; i < kMaxHighlights; ++i)
        ASSERT_TRUE(
            AddHighlight(nullptr, lists, 1,
                         "Line " + std::to_string(i) + " with a text longer than forty characters")
                .ok);
    EXPECT_EQ(lists.run.size(), static_cast<std::size_t>(kMaxHighlights));
    EXPECT_EQ(lists.run[0].text, "Line 0 with a text longer than forty cha");
    EXPECT_EQ(lists.recent.size(), 5u);
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(AddHighlight(&set, lists, 2, "late").ok);
    EXPECT_EQ(lists.run.size(), static_cast<std::size_t>(kMaxHighlights));
    EXPECT_EQ(stats_testing::readText(dir.file("SEASON.STH")),
              "2     late\n2     late\n2     late\n");
    ClearRecentHighlights(lists);
    ASSERT_TRUE(AddHighlight(nullptr, lists, 2, "after").ok);
    EXPECT_EQ(lists.recent, std::vector<std::string>{"after"});
}

TEST(StatsHighlightsFile, JunkLinesAreSkippedAndCounted) {
    ScratchFolder dir;
    std::string junk = "12    Tom Marsh, 25-game streak ends\r\n";
    junk += std::string("\x00\x01\xff\xfe binary", 11) + "\n";
    junk += "no number here\n\n";
    junk += "7     Owls, multi-pit. No-Hitter\n";
    junk += "x12   letters before the number\n";
    junk += "8     tail without newline";
    stats_testing::writeText(dir.file("S.STH"), junk);
    HighlightFile f = ReadHighlightsFile(dir.file("S.STH"));
    ASSERT_TRUE(f.result.ok);
    ASSERT_EQ(f.lines.size(), 3u);
    EXPECT_EQ(f.lines[0].gameNumber, 12);
    EXPECT_EQ(f.lines[0].text, "Tom Marsh, 25-game streak ends");
    EXPECT_EQ(f.lines[1].gameNumber, 7);
    EXPECT_EQ(f.skippedLines, 3);
    // A new line never joins the torn last one.
    HighlightLists lists;
    StatsSet set;
    ASSERT_TRUE(OpenStatsSet(set, dir.str(), "S").ok);
    ASSERT_TRUE(AddHighlight(&set, lists, 9, "next").ok);
    f = ReadHighlightsFile(dir.file("S.STH"));
    EXPECT_EQ(f.lines.back().gameNumber, 9);
    EXPECT_EQ(f.lines[f.lines.size() - 2].text, "tail without newline");
    EXPECT_EQ(ReadHighlightsFile(dir.file("MISSING.STH")).lines.size(), 0u);
    EXPECT_EQ(HighlightLine(1234567, "x"), "1234567x");
}

}  // namespace
}  // namespace vrk
