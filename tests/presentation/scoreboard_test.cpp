#include <gtest/gtest.h>

#include "presentation/console_memory.h"
#include "presentation/scoreboard.h"

namespace vrk {
namespace {

const std::string kBlock(1, static_cast<char>(219));

ScoreboardView view(int column, int battingTeam) {
    ScoreboardView v;
    v.names = {"", "26Camhaven  ", "26Felvora   "};
    v.column = column;
    v.battingTeam = battingTeam;
    return v;
}

TEST(Scoreboard, InningCells) {
    struct Case {
        const char* what;
        int column, battingTeam, runsVisitors, runsHome, team, cell;
        std::string shown;
    };
    const Case cases[] = {
        {"first pitch of the game", 1, 1, 0, 0, 1, 1, kBlock + " "},
        {"home side not yet up", 1, 1, 0, 0, 2, 1, "  "},
        {"runs in the current inning", 3, 1, 2, 0, 1, 3, kBlock + "2"},
        {"ten or more without the block", 3, 1, 12, 0, 1, 3, "12"},
        {"visitors' finished half", 3, 2, 4, 1, 1, 3, " 4"},
        {"home side batting", 3, 2, 4, 1, 2, 3, kBlock + "1"},
        {"home side scoreless so far", 3, 2, 4, 0, 2, 3, kBlock + " "},
        {"column after the current one", 3, 1, 0, 0, 1, 4, "  "},
    };
    for (const Case& c : cases) {
        ScoreboardView v = view(c.column, c.battingTeam);
        v.lineScore[1][static_cast<std::size_t>(c.column)] = c.runsVisitors;
        v.lineScore[2][static_cast<std::size_t>(c.column)] = c.runsHome;
        v.lineScore[1][1] = c.column > 1 ? 7 : v.lineScore[1][1];
        EXPECT_EQ(scoreboardCell(v, c.team, c.cell), c.shown) << c.what;
    }
    ScoreboardView v = view(4, 1);
    v.lineScore[1][1] = 7;
    EXPECT_EQ(scoreboardCell(v, 1, 1), " 7");
}

// The eleventh inning starts a fresh page in column 1; the board shows only
// that page's innings, the current one highlighted, with R H E and outs.
TEST(Scoreboard, SecondPageAndTotals) {
    MemoryConsole console(24, 80);
    ScoreboardColours colours{7, 14};
    drawScoreboardFrame(console, 0, 0, colours);
    ScoreboardView v = view(1, 2);  // bottom of the 11th
    v.lineScore[1][1] = 1;
    v.runs = {0, 5, 4};
    v.hits = {0, 11, 9};
    v.errors = {0, 1, 0};
    v.outs = 2;
    drawScoreboard(console, 0, 0, v, colours);
    EXPECT_EQ(console.textAt(2, 12, 20), "1 2 3 4 5 6 7 8 9 10");
    EXPECT_EQ(console.rowText(3).substr(0, 40),
              "\xB3"
              "Camhaven   1                   5 11  1\xB3");
    EXPECT_EQ(console.textAt(4, 2, 9), "Felvora  ");
    EXPECT_EQ(console.textAt(4, 12, 4), kBlock + "   ");
    EXPECT_EQ(console.attributeAt(4, 12), 14);
    EXPECT_EQ(console.attributeAt(3, 12), 7);
    EXPECT_EQ(console.textAt(5, 4, 6), "Out: 2");
    EXPECT_EQ(console.textAt(1, 41, 1), "\xD5");  // the play-by-play panel's frame
}

TEST(Scoreboard, ClubNames) {
    EXPECT_EQ(scoreboardName("26Camhaven  "), "Camhaven");
    EXPECT_EQ(scoreboardName("Longer Club Name"), "Longer Cl");
    EXPECT_EQ(scoreboardName(""), "");
}

}  // namespace
}  // namespace vrk
