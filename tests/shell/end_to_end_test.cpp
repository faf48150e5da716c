#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include "test_paths.h"

#include "data/team_file.h"
#include "shell/vt_screen.h"

namespace vrk {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// The real program in a pseudo-terminal of 80 x 25, started in a copy of the
// shipped home folder; keys are typed into it and its screen is read back.
class Terminal {
  public:
    static constexpr int kRows = 25;
    static constexpr int kCols = 80;

    explicit Terminal(const fs::path& home) : screen_(kRows, kCols) {
        winsize size{};
        size.ws_row = kRows;
        size.ws_col = kCols;
        // The modes the program must give back are taken from a pty of our
        // own and handed to the new one: read from it after the fork they
        // could already be the program's (it may run first).
        int probeMaster = -1;
        int probeSlave = -1;
        if (openpty(&probeMaster, &probeSlave, nullptr, nullptr, &size) == 0) {
            tcgetattr(probeSlave, &before_);
            close(probeSlave);
            close(probeMaster);
        }
        pid_ = forkpty(&master_, nullptr, &before_, &size);
        if (pid_ == 0) {
            if (chdir(home.c_str()) != 0) _exit(126);
            setenv("TERM", "xterm", 1);
            setenv("LANG", "C.UTF-8", 1);
            unsetenv("LC_ALL");
            execl(vrk::test::vrkBinary(), "vrk", "/SEED:5", static_cast<char*>(nullptr));
            _exit(127);
        }
    }
    ~Terminal() {
        if (pid_ > 0 && !exited_) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        if (master_ >= 0) close(master_);
    }
    bool started() const { return pid_ > 0; }

    void type(const std::string& keys) {
        // One key at a time, as a person types: the escape key must not run
        // into the next key and read as an escape sequence.
        for (char c : keys) {
            ASSERT_EQ(write(master_, &c, 1), 1);
            readFor(std::chrono::milliseconds(c == '\x1b' ? 80 : 15));
        }
    }

    // A key that sends an escape sequence (arrows, PgDn), in one write so
    // that it does not read as the escape key.
    void press(const std::string& sequence) {
        ASSERT_EQ(write(master_, sequence.data(), sequence.size()),
                  static_cast<ssize_t>(sequence.size()));
        readFor(std::chrono::milliseconds(40));
    }

    // Reads the screen until the text shows (true) or the time is up.
    bool waitFor(const std::string& text, std::chrono::milliseconds limit) {
        const auto end = Clock::now() + limit;
        while (Clock::now() < end) {
            if (screen_.contains(text)) return true;
            readFor(std::chrono::milliseconds(50));
        }
        return screen_.contains(text);
    }

    // Waits for the program to end; its exit status, or -1.
    int waitExit(std::chrono::milliseconds limit) {
        const auto end = Clock::now() + limit;
        while (Clock::now() < end) {
            readFor(std::chrono::milliseconds(50));
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                exited_ = true;
                readFor(std::chrono::milliseconds(50));
                return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            }
        }
        return -1;
    }

    bool modesRestored() const {
        termios after{};
        if (tcgetattr(master_, &after) != 0) return false;
        const tcflag_t local = ICANON | ECHO | ISIG;
        return (after.c_lflag & local) == (before_.c_lflag & local) &&
               (after.c_iflag & ICRNL) == (before_.c_iflag & ICRNL) &&
               (after.c_oflag & OPOST) == (before_.c_oflag & OPOST);
    }

    const testing::VtScreen& screen() const { return screen_; }

  private:
    void readFor(std::chrono::milliseconds span) {
        const auto end = Clock::now() + span;
        char buffer[4096];
        while (true) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count();
            if (left <= 0) return;
            pollfd fd{master_, POLLIN, 0};
            if (poll(&fd, 1, static_cast<int>(left)) <= 0) return;
            const ssize_t n = read(master_, buffer, sizeof buffer);
            if (n <= 0) return;
            screen_.feed(std::string(buffer, static_cast<std::size_t>(n)));
        }
    }

    int master_ = -1;
    pid_t pid_ = -1;
    bool exited_ = false;
    termios before_{};
    testing::VtScreen screen_;
};

struct HomeCopy {
    fs::path dir;
    HomeCopy() {
        dir = fs::temp_directory_path() / ("vrk_e2e_" + std::to_string(getpid()) + "_" +
                                           std::to_string(reinterpret_cast<std::uintptr_t>(this)));
        fs::remove_all(dir);
        fs::copy(vrk::test::sourceHome(), dir, fs::copy_options::recursive);
    }
    ~HomeCopy() {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
};

constexpr auto kScreenWait = std::chrono::milliseconds(4000);

TEST(EndToEnd, TwoTeamRunThenAWatchedManualGame) {
    HomeCopy home;
    Terminal t(home.dir);
    ASSERT_TRUE(t.started());
    ASSERT_TRUE(t.waitFor("VRK Main Menu", kScreenWait)) << t.screen().text();
    EXPECT_TRUE(t.screen().alternateScreen());

    // Two-Team: the first two teams, 3 games, the simulation options as they
    // stand (delay 0, no pause): the standings-only run.
    t.type("t");
    ASSERT_TRUE(t.waitFor("VISITING TEAM", kScreenWait)) << t.screen().text();
    t.type("\r");
    ASSERT_TRUE(t.waitFor("HOME TEAM", kScreenWait)) << t.screen().text();
    t.type("\r");
    ASSERT_TRUE(t.waitFor("How many games", kScreenWait)) << t.screen().text();
    t.type("3\x1b");
    ASSERT_TRUE(t.waitFor("More Simulation Options", kScreenWait)) << t.screen().text();
    t.type("\x1b");
    ASSERT_TRUE(t.waitFor("simulation is complete", kScreenWait)) << t.screen().text();
    EXPECT_TRUE(t.screen().contains("Game 3 of 3")) << t.screen().text();

    // Back at the menu; a Manual game, both sides to the computer at delay 0.
    t.type("x");
    ASSERT_TRUE(t.waitFor("VRK Main Menu", kScreenWait)) << t.screen().text();
    t.type("m");
    ASSERT_TRUE(t.waitFor("VISITING TEAM", kScreenWait)) << t.screen().text();
    t.type("\r");
    ASSERT_TRUE(t.waitFor("HOME TEAM", kScreenWait));
    t.type("\r");
    ASSERT_TRUE(t.waitFor("Use Designated Hitter?", kScreenWait)) << t.screen().text();
    t.type("x");
    ASSERT_TRUE(t.waitFor("Use Automatic Runner?", kScreenWait)) << t.screen().text();
    t.type("x");
    ASSERT_TRUE(t.waitFor("Manager Options and other Preferences", kScreenWait))
        << t.screen().text();
    t.type("yy0\x1b");
    ASSERT_TRUE(t.waitFor("Hit/Click Any Key to Begin", kScreenWait)) << t.screen().text();
    EXPECT_TRUE(t.screen().contains("Tip: Click on any empty area"));
    t.type("x");
    ASSERT_TRUE(t.waitFor("That's the ballgame!", kScreenWait)) << t.screen().text();
    EXPECT_TRUE(t.screen().contains("WINNER: '"));
    EXPECT_TRUE(t.screen().contains("Manual")) << "the status bar of the game";

    // The end-of-game bar: "Q" leaves it for the completion screen, whose
    // "Q" asks for the main menu.
    t.type("q");
    ASSERT_TRUE(t.waitFor("Manual game simulation is complete", kScreenWait)) << t.screen().text();
    t.type("q");
    ASSERT_TRUE(t.waitFor("Return to Main Menu?", kScreenWait)) << t.screen().text();
    t.type("y");
    ASSERT_TRUE(t.waitFor("VRK Main Menu", kScreenWait)) << t.screen().text();
    t.type("q");
    EXPECT_EQ(t.waitExit(kScreenWait), 0);
    EXPECT_FALSE(t.screen().alternateScreen()) << "the alternate screen is left";
    EXPECT_EQ(t.screen().alternateEntries(), 1);
    EXPECT_TRUE(t.modesRestored()) << "echo and line mode are back";
}

// A Manual game in which the user manages the visitors from the keyboard:
// a pinch hitter in the first half inning, then a look at the line-up (the
// man he batted for is out of the game) and a pitching change in the second.
TEST(EndToEnd, ManagedGameWithAPinchHitterAndAPitchingChange) {
    HomeCopy home;
    {
        // The computer runs the bases and makes the throws: the keys below
        // are the only ones the game asks for.
        std::ofstream cfg(home.dir / "BASEBALL.CFG", std::ios::app);
        cfg << "AUTOCOACH=Y\nAUTODEFENSE=Y\n";
    }
    Terminal t(home.dir);
    ASSERT_TRUE(t.started());
    ASSERT_TRUE(t.waitFor("VRK Main Menu", kScreenWait)) << t.screen().text();
    t.type("m");
    ASSERT_TRUE(t.waitFor("VISITING TEAM", kScreenWait)) << t.screen().text();
    t.type("\r");
    ASSERT_TRUE(t.waitFor("HOME TEAM", kScreenWait));
    t.type("\r");
    ASSERT_TRUE(t.waitFor("Use Designated Hitter?", kScreenWait)) << t.screen().text();
    t.type("x");
    ASSERT_TRUE(t.waitFor("Use Automatic Runner?", kScreenWait)) << t.screen().text();
    t.type("x");
    ASSERT_TRUE(t.waitFor("Manager Options and other Preferences", kScreenWait));
    // The user manages the visitors, the computer the home side, delay 1, no sound.
    t.type("ny1n\x1b");
    ASSERT_TRUE(t.waitFor("Select Starting Pitcher for '", kScreenWait)) << t.screen().text();
    t.type("\r");
    ASSERT_TRUE(t.waitFor("[S]wap  [M]ore Lineups", kScreenWait)) << t.screen().text();
    t.type("\x1b");
    ASSERT_TRUE(t.waitFor("Hit/Click Any Key to Begin", kScreenWait)) << t.screen().text();
    EXPECT_TRUE(t.screen().contains("Visiting team: Press S to pop up Strategy window."));
    t.type("x");

    // Top of the first: " Pinch Hit "; the starting pitcher heads the bench
    // and is refused, then a bench player from the foot of the list bats.
    t.type("s");
    ASSERT_TRUE(t.waitFor("Pinch Hit", kScreenWait)) << t.screen().text();
    t.type("\r");
    ASSERT_TRUE(t.waitFor("Dbl-click (or Enter) selection or ESC", kScreenWait));
    t.type("\r");
    ASSERT_TRUE(t.waitFor("Already used as a pitcher!", kScreenWait)) << t.screen().text();
    t.type("x");
    for (int i = 0; i < 3; ++i) t.press("\x1b[6~");
    t.type("\r");

    // Bottom of the first: the line-up shows the man who left as out.
    ASSERT_TRUE(t.waitFor("Bot 1", std::chrono::milliseconds(90000))) << t.screen().text();
    t.type("s");
    ASSERT_TRUE(t.waitFor("Visit Mound", kScreenWait)) << t.screen().text();
    t.press("\x1bOB");
    t.type("\r");
    ASSERT_TRUE(t.waitFor("Lineup for '", kScreenWait)) << t.screen().text();
    for (int i = 0; i < 3; ++i) t.press("\x1b[6~");
    EXPECT_TRUE(t.waitFor("(out)", kScreenWait)) << t.screen().text();
    t.type("\x1b");

    // Visit Mound: the starter is refused, the next pitcher comes in.
    t.type("s");
    ASSERT_TRUE(t.waitFor("Visit Mound", kScreenWait)) << t.screen().text();
    t.type("\r");
    ASSERT_TRUE(t.waitFor("Dbl-click (or Enter) selection or ESC", kScreenWait));
    t.press("\x1bOB");
    t.type("\r");
    // The second pitcher of the visitors' file, as the screen names him.
    Config config;
    config.dataPath = home.dir.string() + "/";
    TeamSlots teams;
    ASSERT_FALSE(loadTeamPair(teams, "ARDMOUTH", "CAMHAVEN", config).abort);
    const std::string name = teams[1].player(kFirstPitcherEntry + 1).playerName;
    const std::size_t comma = name.find(", ");
    ASSERT_NE(comma, std::string::npos);
    const std::string shown = name.substr(comma + 2) + " " + name.substr(0, comma);
    EXPECT_TRUE(t.waitFor("Pitcher: " + shown, std::chrono::milliseconds(20000)))
        << t.screen().text();

    t.type("q");
    ASSERT_TRUE(t.waitFor("Hit 'Q' again to Quit", kScreenWait)) << t.screen().text();
    t.type("q");
    EXPECT_EQ(t.waitExit(kScreenWait), 0);
    EXPECT_TRUE(t.modesRestored());
}

}  // namespace
}  // namespace vrk
