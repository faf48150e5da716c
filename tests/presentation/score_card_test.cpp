#include <gtest/gtest.h>

#include "presentation/score_card.h"

namespace vrk {
namespace {

struct Game {
    Team visitors, home;
    ScoreCard card;
    Game() {
        visitors.teamName = "Harbor Cats ";
        home.teamName = "Mill City   ";
        visitors.player(1).playerName = "Abernathy-Whitcombe, Jonathan";
        visitors.player(2).playerName = "Diaz, Luis";
        visitors.player(10).playerName = "Stone, Bill";
        home.player(1).playerName = "Kovacs, Emil";
        home.player(12).playerName = "Fenwick, Al";
    }
    TeamRefs teams() { return {nullptr, &visitors, &home}; }
};

TEST(ScoreCard, StampsBasesAndRunsAndDropsThe301stRecord) {
    ScoreCard card;
    ScoreCardEntry(card, 1, 2, ' ', "1B", {3, true, false, true, 0});
    ScoreCardEntry(card, 1, 2, ' ', std::string(40, 'z'), {3, false, true, false, 2});
    ASSERT_EQ(card.records.size(), 2u);
    const auto& r = card.records[0];
    EXPECT_EQ(r.inning, 3);
    EXPECT_EQ(r.onFirst, " X");
    EXPECT_EQ(r.onSecond, " .");
    EXPECT_EQ(r.onThird, " X");
    EXPECT_EQ(r.runs, "  ");
    EXPECT_EQ(r.text, "1B" + std::string(28, ' '));
    EXPECT_EQ(card.records[1].runs, " 2");
    EXPECT_EQ(card.records[1].text, std::string(30, 'z'));
    for (int i = 0; i < 400; ++i) ScoreCardEntry(card, 1, 2, ' ', "K", {4, false, false, false, 0});
    EXPECT_EQ(card.records.size(), 300u);
    EXPECT_EQ(card.records.back().text.substr(0, 1), "K");
}

TEST(ScoreCard, ListsEveryLineCodeWithHeadersPerSide) {
    Game g;
    const ScoreCardSituation none{1, false, false, false, 0};
    ScoreCardEntry(g.card, 1, 0, 'X', "~Lineup: Harbor Cats", none);
    ScoreCardEntry(g.card, 1, 2, '0', "SS", none);
    ScoreCardEntry(g.card, 1, 12, 'A', "[Starter] ", none);
    ScoreCardEntry(g.card, 1, 1, ' ', "6-3", {1, false, false, false, 0});
    ScoreCardEntry(g.card, 1, 2, '8', "2B", {1, true, false, false, 1});
    ScoreCardEntry(g.card, 1, 2, '6', "SB", {1, false, true, false, 0});
    ScoreCardEntry(g.card, 1, 2, '3', "CS 2-5", none);
    ScoreCardEntry(g.card, 1, 2, '7', "", none);
    ScoreCardEntry(g.card, 1, 2, '9', "for Diaz", none);
    ScoreCardEntry(g.card, 1, 2, '5', "WP", none);
    ScoreCardEntry(g.card, 1, 2, 'R', "Auto-R", none);
    ScoreCardEntry(g.card, 2, 1, ' ', "HR", {2, false, false, false, 1});
    const auto lines = ScoreCardLines(g.card, g.teams());
    const std::vector<std::string> expected = {
        "~Lineup: Harbor Cats",
        "Diaz, Luis        SS",
        "~     Inn. 1: Harbor Cats",
        "[Starter] Fenwick, Al",
        "Abernathy-Whitcomb6-3        . . .",
        "*PH:Diaz, Luis    2B         . . X 1",
        "*SB:Diaz, Luis    SB         . X .",
        "X@3:Diaz, Luis    CS 2-5     . . .",
        "*PR:Diaz, Luis",
        "*EX:Diaz, Luis for Diaz",
        "Diaz, Luis        WP         . . .",
        "- Diaz, Luis      Auto-R     . . .",
        "~     Inn. 2: Mill City",
        "Kovacs, Emil      HR         . . . 1",
    };
    EXPECT_EQ(lines, expected);
}

TEST(ScoreCard, ListingStopsAt300LinesHeadersIncluded) {
    Game g;
    for (int i = 0; i < 300; ++i)
        ScoreCardEntry(g.card, i % 2 + 1, 1, ' ', "K", {i / 2 + 1, false, false, false, 0});
    const auto lines = ScoreCardLines(g.card, g.teams());
    EXPECT_EQ(lines.size(), 300u);
    EXPECT_EQ(lines[0], "~     Inn. 1: Harbor Cats");
    EXPECT_EQ(lines[299], "Kovacs, Emil      K          . . .");
    EXPECT_EQ(lines[151], "Kovacs, Emil      K          . . .");
}

TEST(ScoreCard, NamesAreShortenedToTheirField) {
    EXPECT_EQ(ScoreCardName("Diaz, Luis", 14), "Diaz, Luis    ");
    EXPECT_EQ(ScoreCardName("Montgomery, Alexander", 14), "Montgomery, A ");
    EXPECT_EQ(ScoreCardName("Abernathy-Whitcombe, Jon", 14), "Abernathy-Whit");
    EXPECT_EQ(ScoreCardName("", 3), "   ");
}

}  // namespace
}  // namespace vrk
