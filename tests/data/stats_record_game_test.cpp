#include <gtest/gtest.h>

#include "data/stats_highlights.h"
#include "data/stats_record_game.h"
#include "data/stats_test_support.h"

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
    ASSERT_EQ(stb.size() % 162, 0u);
    const std::size_t n = stb.size() / 162;
    // Nine batters a side (slot 9 is the pitcher) and the sentinel.
    ASSERT_EQ(n, 1u + 18u + 1u);
    std::span<const std::uint8_t> bytes(stb);
    TableHeader header = DecodeHeader(bytes.first(162));
    EXPECT_EQ(header.count, 19);
    EXPECT_EQ(header.gameCounter, 1);
    for (std::size_t i = 2; i < n; ++i) {
        EXPECT_LT(CompareKeys(DecodeBatting(bytes.subspan((i - 1) * 162, 162)).key,
                              DecodeBatting(bytes.subspan(i * 162, 162)).key),
                  0);
    }
    EXPECT_EQ(DecodeBatting(bytes.subspan(1 * 162, 162)).key.view().substr(0, 6), "AHawks");
    EXPECT_EQ(DecodeBatting(bytes.subspan((n - 1) * 162, 162)).key, SentinelKey());

    std::vector<std::uint8_t> sts = stats_testing::readBytes(dir.file("SEASON.STS"));
    ASSERT_EQ(sts.size(), 112u);
    GameRecord g = DecodeGame(sts);
    EXPECT_EQ(g.visitors.teamName, "Hawks       ");
    EXPECT_EQ(g.visitors.runs, 3);
    EXPECT_EQ(g.home.runs, 2);
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
    EXPECT_EQ(b.games, 1);
    EXPECT_EQ(b.lastGame, 0);
    EXPECT_EQ(b.atBats, (SplitCount{4, 3, 1}));
    EXPECT_EQ(b.hits, (SplitCount{2, 2, 0}));
    EXPECT_EQ(b.homeRuns, (SplitCount{1, 1, 0}));
    EXPECT_EQ(b.walks, (SplitCount{1, 0, 1}));
    EXPECT_EQ(b.runsBattedIn, 3);
    for (int v :
         {b.sacrificeHits, b.sacrificeFlies, b.groundedIntoDoublePlays, b.errors, b.hitStreak})
        EXPECT_EQ(v, 1);
    EXPECT_EQ(batting(1, 3).hand, 'L');  // "r" bats the other way
    nextGame();
    play();
    EXPECT_EQ(batting(1, 2).games, 2);
    EXPECT_EQ(batting(1, 2).lastGame, 1);
    EXPECT_EQ(batting(1, 2).atBats.total, 4);
}

TEST_F(RecordGameTest, PlayerInTwoSlotsCountsOneGameAndHisCountersOnce) {
    // Entry 14 pinch-hits in slot 3, later takes slot 7 and centre field.
    fx.addToSlot(1, 3, 14, kPinchHitterPosition);
    fx.addToSlot(1, 7, 14, 8);
    fx.bat(1, 14).atBats = 3, fx.bat(1, 14).hits = 1, fx.field(1, 14).putouts = 2;
    play();
    const BattingRecord& b = batting(1, 14);
    EXPECT_EQ(b.games, 1);
    EXPECT_EQ(b.atBats.total, 3);
    EXPECT_EQ(b.hits.total, 1);
    const FieldingRecord& f = fielding(1, 14);
    EXPECT_EQ(f.games, 1);
    EXPECT_EQ(f.gamesAt[kPinchHitterPosition], 1);
    EXPECT_EQ(f.gamesAt[8], 1);
    EXPECT_EQ(f.putoutsAt[8], 2);
}

TEST_F(RecordGameTest, RecordsGoUnderTheNameOfThePlayerNowInTheEntry) {
    // Entries 5 and 15 were exchanged during the game: entry 5 now holds the
    // bench player, while the as-loaded name stays with the entry.
    std::swap(fx.teams[1].player(5).playerName, fx.teams[1].player(15).playerName);
    fx.bat(1, 5).hits = 3;
    play();
    PlayerKey bench = MakePlayerKey('A', "Hawks", "HPlayer15, Al");
    ASSERT_NE(FindRecord(set.batting, bench).record, 0);
    EXPECT_EQ(set.batting.at(FindRecord(set.batting, bench).record).hits.total, 3);
    EXPECT_EQ(FindRecord(set.batting, MakePlayerKey('A', "Hawks", "HPlayer5, Al")).record, 0);
}

TEST_F(RecordGameTest, FieldingCreditsPositionsAndThePitcherCarriesHisOwn) {
    fx.field(1, 1).putouts = 9, fx.field(1, 1).errors = 1;  // the catcher
    fx.field(1, 4).assists = 5;                             // third base
    fx.field(1, 10).assists = 2;
    // A line-up entry listed at position 1 is only the pitcher's batting slot.
    fx.addToSlot(1, 9, 9, kPitcher);
    play();
    EXPECT_EQ(fielding(1, 1).gamesAt[kCatcher], 1);
    EXPECT_EQ(fielding(1, 1).putoutsAt[kCatcher], 9);
    EXPECT_EQ(fielding(1, 1).errorsAt[kCatcher], 1);
    EXPECT_EQ(fielding(1, 4).assistsAt[kThirdBase], 5);
    EXPECT_EQ(fielding(1, 10).gamesAt[kPitcher], 1);
    EXPECT_EQ(fielding(1, 10).assistsAt[kPitcher], 2);
    EXPECT_EQ(fielding(1, 10).games, 1);
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
    EXPECT_EQ(batting(1, 10).games, 1);
    EXPECT_EQ(batting(1, 10).atBats.total, 0);
    EXPECT_EQ(batting(2, 12).games, 1);
    EXPECT_EQ(fielding(1, 9).gamesAt[kDesignatedHitter], 1);
    EXPECT_EQ(fielding(2, 12).gamesAt[kPitcher], 1);
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
    EXPECT_EQ(pitching(2, 11).restDaysNeeded, 1);  // 2 innings: floor(sqrt 8 - 1.4)
    EXPECT_EQ(pitching(2, 11).gamesStarted, 0);
    EXPECT_EQ(pitching(2, 12).restDaysNeeded, 0);  // 1 inning
    EXPECT_EQ(pitching(2, 10).completeGames, 0);
    EXPECT_EQ(pitching(2, 10).restDaysNeeded, 2);  // 5 innings as a starter: 1 + sqrt 3.75

    for (int g = 2; g <= 3; ++g) {
        nextGame();
        fx.setPitchers(2, {10, 12}, {24, 3});
        play();
    }
    EXPECT_EQ(pitching(2, 12).consecutiveGames, 3);
    EXPECT_EQ(pitching(2, 12).restDaysNeeded, 1);
    // Reliever 11 sat out two games outside schedule play: 1 - 2, no lower than 0.
    EXPECT_EQ(pitching(2, 11).restDaysNeeded, 0);
    EXPECT_EQ(pitching(2, 11).consecutiveGames, 0);
}

TEST_F(RecordGameTest, SevenAndSevenOutsMakeFourInningsAndTwoOuts) {
    for (int g = 0; g < 2; ++g) {
        fx.setPitchers(1, {10, 11}, {20, 7});
        play();
        nextGame();
    }
    EXPECT_EQ(pitching(1, 11).innings, 4);
    EXPECT_EQ(pitching(1, 11).extraOuts, 2);
    EXPECT_NEAR(pitching(1, 11).inningsPitched(), 4 + 2.0 / 3, 1e-9);
}

TEST_F(RecordGameTest, ScheduleDaysRestAPitcherWhoSitsOut) {
    play(100);
    EXPECT_EQ(pitching(1, 10).lastDayNumber, 100);
    EXPECT_EQ(pitching(1, 10).restDaysNeeded, 3);
    nextGame();
    fx.setPitchers(1, {11}, {27});
    play(102);  // two days later: 3 - 2
    EXPECT_EQ(pitching(1, 10).restDaysNeeded, 1);
    EXPECT_EQ(pitching(1, 10).lastDayNumber, 102);
    nextGame();
    fx.setPitchers(1, {12}, {27});
    play(2);  // across the new year: 2 - 102 + 365 days, at most 5
    EXPECT_EQ(pitching(1, 10).restDaysNeeded, 0);

    // A pitcher needing 3 days and 5 days off is fully rested.
    nextGame();
    play(10);
    nextGame();
    fx.setPitchers(1, {11}, {27});
    play(15);
    EXPECT_EQ(pitching(1, 10).restDaysNeeded, 0);
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
    ASSERT_EQ(lists.recent.size(), 2u);
    EXPECT_EQ(lists.recent[0], "OPlayer3, Al, 5 hits");
    EXPECT_EQ(lists.recent[1], "Tom Marsh, 25-game streak ends");
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

}  // namespace
}  // namespace vrk
