#include <gtest/gtest.h>

#include <unistd.h>
#include <cstdio>

#include "presentation/console_keys.h"
#include "presentation/console_memory.h"
#include "screens/end_of_game_bar.h"
#include "shell/batch_test_home.h"
#include "shell/game_modes.h"
#include "shell/startup.h"

namespace vrk {
namespace {

std::string ClubRowOf(const char* name, int wins, int losses) {
    char row[64];
    std::snprintf(row, sizeof row, "%-11.11s%6d%7d", name, wins, losses);
    return row;
}

// R at the end-of-game bar of a Two-Team run shows the standings screen in
// its wide layout with the game just played counted; so does the screen at
// the end of a run in the standings-only mode.
TEST(TwoTeamStandings, BarStandingsHoldTheGameJustPlayed) {
    testing::BatchHome home{"twoteam" + std::to_string(::getpid())};
    Session session;
    StartupInputs inputs;
    inputs.currentDir = home.dir.string();
    inputs.timeSeed = 5;
    ASSERT_EQ(prepareSession(inputs, session).status, StartupStatus::Ready);

    MemoryConsole console(25, 80);
    // CAMHAVEN at FELVORA, one game, a pause after every game: displayed.
    for (std::string_view k : std::initializer_list<std::string_view>{
             kKeyEnter, kKeyEnter, "1", kKeyEscape, kKeyDown, kKeyDown, "y", kKeyEscape})
        console.pushKey(k);
    GameSetup setup;
    ASSERT_TRUE(setUpTwoTeamGames(console, session, setup));
    console.pushQuietPolls();
    // At the bar: R, then ESC closes the Hi-Lites window; Q leaves the bar,
    // Q at the completion screen and "y" for the main menu.
    for (std::string_view k :
         std::initializer_list<std::string_view>{"r", kKeyEscape, "q", "q", "y"})
        console.pushKey(k);
    TwoTeamTally tally;
    EXPECT_EQ(runTwoTeamGames(console, session, setup, tally), RunEnd::Finished);
    ASSERT_EQ(tally.games, 1);
    EXPECT_EQ(console.keysLeft(), 0u);
    EXPECT_TRUE(console.shownAtSomeWait("              Won   Lost  Pct")) << "the wide layout";
    EXPECT_TRUE(console.shownAtSomeWait(" Hi-Lites "));
    EXPECT_TRUE(console.shownAtSomeWait(ClubRowOf("26 Camhaven", tally.wins[1], tally.wins[2])));
    EXPECT_TRUE(console.shownAtSomeWait(ClubRowOf("26 Felvora", tally.wins[2], tally.wins[1])));
}

}  // namespace
}  // namespace vrk
