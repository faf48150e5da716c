#include "shell/command_line_game.h"

#include <gtest/gtest.h>

#include "presentation/console_keys.h"
#include "presentation/console_memory.h"
#include "shell/batch_test_home.h"
#include "shell/startup.h"

namespace vrk {
namespace {

// A side named with /HM:+ on the command line is the user's: the strategy
// window opens on its key (it used to say it was not available and let the
// computer manage the side).
TEST(CommandLineGame, SideNamedForTheUserOpensItsStrategyWindow) {
    testing::BatchHome home("cmdline_user");
    Session session;
    StartupInputs inputs;
    inputs.currentDir = home.dir.string();
    inputs.args = {"/V:CAMHAVEN", "/H:FELVORA", "/HM:+", "/SEED:3", "/SOUND:N"};
    const StartupOutcome out = prepareSession(inputs, session);
    ASSERT_EQ(out.status, StartupStatus::Ready) << out.message;
    ASSERT_TRUE(commandLineGameRequested(session.run));

    MemoryConsole console(25, 80);
    // Past the opening pause, the home side's key in the top of the first,
    // out of the window, then quit the program.
    for (std::string_view key : {std::string_view("x"), std::string_view("s"), kKeyEscape,
                                 std::string_view("q"), std::string_view("q")})
        console.pushKey(std::string(key));
    EXPECT_FALSE(playCommandLineGame(console, session));
    EXPECT_TRUE(console.shownAtSomeWait("Visit Mound"));
    EXPECT_FALSE(console.shownAtSomeWait("not available yet"));
}

}  // namespace
}  // namespace vrk
