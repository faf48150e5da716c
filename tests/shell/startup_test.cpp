#include "shell/startup.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "presentation/console_memory.h"
#include "shell/config_edit.h"
#include "shell/home_directory.h"
#include "temp_dir.h"

namespace vrk {
namespace {

namespace fs = std::filesystem;

using testing::TempDir;

StartupInputs inputsFor(const TempDir& dir) {
    StartupInputs in;
    in.currentDir = dir.str();
    in.nanoAvailable = true;
    in.osRelease = "6.1.0-test";
    in.timeSeed = 777;
    return in;
}

bool linesContain(const std::vector<std::string>& screen, std::string_view text) {
    for (const auto& row : screen)
        if (row.find(text) != std::string::npos) return true;
    return false;
}

TEST(Startup, ShowsWarningsThenTheInitialisationScreen) {
    TempDir home;
    home.write("baseball.msg", "catalogue\n");
    home.write("STADIUM.TXT", "park\n");
    home.write("BASEBALL.CFG",
               "editor=my-editor\n"
               "HILITE        5      0      7      4      2     14     20\n"
               "TEXT-MODE\n");
    MemoryConsole console(30, 100);
    console.pushKey("x");  // the HILITE warning
    console.pushKey("x");  // the initialisation screen
    Session session;
    const int status = runStartup(console, inputsFor(home), session, {});
    EXPECT_EQ(status, 0);
    EXPECT_EQ(console.keysLeft(), 0u);
    EXPECT_EQ(console.title(), "Varkon Simulator 4.9.4 Beta");

    const auto& screen = console.screenAtLastWait();
    EXPECT_TRUE(screen[0].starts_with("Your Linux version is: 6.1.0-test"));
    EXPECT_TRUE(screen[1].starts_with("---------------------------------"));
    EXPECT_TRUE(screen[2].starts_with("Initializing..."));
    EXPECT_TRUE(screen[3].starts_with("Home Directory: " + home.str()));
    EXPECT_TRUE(screen[4].starts_with("USA midi: " + home.str() + "/usan.mid"));
    EXPECT_TRUE(screen[5].starts_with("CAN midi: " + home.str() + "/canada.mid"));
    EXPECT_TRUE(screen[6].starts_with("WordPad path: (none) ")) << "the inputs have no xdg-open";
    EXPECT_TRUE(screen[7].starts_with("Editor path: my-editor "));

    EXPECT_EQ(session.config.homeDir, home.str());
    EXPECT_EQ(session.config.rows, 25);
    EXPECT_EQ(session.config.hilite[1], 0);
    EXPECT_EQ(session.layout.top, 3);
    EXPECT_EQ(session.layout.left, 10);
    EXPECT_EQ(session.seed, 777u);
    EXPECT_EQ(session.tables.positionAbbreviations[6], "SS");
    EXPECT_EQ(session.tables.usaAnthem, home.str() + "/usan.mid");
}

TEST(Startup, MissingCompanionFilesEndTheProgram) {
    TempDir home;
    {
        MemoryConsole console;
        console.pushKey("x");
        Session session;
        EXPECT_EQ(runStartup(console, inputsFor(home), session, {}), 1);
        EXPECT_TRUE(linesContain(console.screenAtLastWait(),
                                 "The BASEBALL.MSG file was not found in the home directory."));
    }
    home.write("BASEBALL.MSG", "x\n");
    Session session;
    const StartupOutcome out = prepareSession(inputsFor(home), session);
    EXPECT_EQ(out.status, StartupStatus::MissingFile);
    EXPECT_EQ(out.message, "The STADIUM.TXT file was not found in the home directory.");
}

TEST(Startup, HomeDirectoryIsTheFirstFolderHoldingTheCatalogue) {
    TempDir root;
    fs::create_directories(root.dir / "work");
    fs::create_directories(root.dir / "bin");
    fs::create_directories(root.dir / "home");
    const std::string exe = (root.dir / "bin" / "vrk").string();
    const std::string work = (root.dir / "work").string();
    EXPECT_EQ(findHomeDirectory(work, exe, ""), work);  // nowhere: the current folder
    root.write("home/BASEBALL.MSG", "x");
    EXPECT_EQ(findHomeDirectory(work, exe, ""), (root.dir / "home").string());
    fs::create_directories(root.dir / "src");
    root.write("src/BASEBALL.MSG", "x");
    EXPECT_EQ(findHomeDirectory(work, exe, (root.dir / "src").string()),
              (root.dir / "src").string());
    // An installed program uses its own copy, whatever tree it was built in.
    fs::create_directories(root.dir / "share" / "vrk" / "home");
    root.write("share/vrk/home/BASEBALL.MSG", "x");
    EXPECT_EQ(findHomeDirectory(work, exe, (root.dir / "src").string()),
              (root.dir / "share" / "vrk" / "home").string());
    root.write("work/BASEBALL.MSG", "x");
    EXPECT_EQ(findHomeDirectory(work, exe, (root.dir / "src").string()), work);
}

TEST(Startup, CommandLineAndCommandFile) {
    TempDir home;
    home.write("BASEBALL.MSG", "x\n");
    home.write("STADIUM.TXT", "x\n");
    home.write("BASEBALL.CFG", "DATA-PATH=cfgdata\nHOME-FIELD-FACTOR=2\n");
    home.write("RUN.TXT", "/V:tigers /H:cubs /N:4 /P:teams /T:N /SEED:99 /CR:30\nsecond line\n");

    StartupInputs in = inputsFor(home);
    in.args = {"/CMD:run.txt"};
    Session session;
    const StartupOutcome out = prepareSession(in, session);
    ASSERT_EQ(out.status, StartupStatus::Ready);
    EXPECT_TRUE(out.warnings.empty());
    EXPECT_EQ(session.run.visitor, "TIGERS");
    EXPECT_EQ(session.run.games, 4);
    EXPECT_EQ(session.config.dataPath, "teams/");
    EXPECT_EQ(session.config.homeFieldFactor, 0);
    EXPECT_EQ(session.config.rows, 30);
    EXPECT_EQ(session.seed, 99u);

    in.args = {"/CMD:nothere.txt"};
    Session other;
    const StartupOutcome missing = prepareSession(in, other);
    ASSERT_EQ(missing.warnings.size(), 1u);
    EXPECT_EQ(missing.warnings[0], "The command file nothere.txt was not found.");
    EXPECT_EQ(other.config.dataPath, "cfgdata/");
    EXPECT_EQ(other.seed, 777u);

    // A schedule that is not in the data folder ends start-up with its message.
    // Folders in options are written with "\\": a "/" starts the next option.
    fs::create_directories(home.dir / "sched" / "in");
    in.args = {"/SCH:season", "/P:sched\\in"};
    Session sched;
    ASSERT_EQ(prepareSession(in, sched).status, StartupStatus::Ready);
    EXPECT_EQ(checkRequestedRun(sched).message, "The schedule file was not found.");
    EXPECT_EQ(sched.config.dataPath, "sched/in/");
    home.write("sched/in/season.sch", "");
    EXPECT_EQ(checkRequestedRun(sched).status, StartupStatus::Ready);
    in.args = {"/SER:playoff"};
    Session series;
    prepareSession(in, series);
    EXPECT_EQ(checkRequestedRun(series).status, StartupStatus::SeriesMissing);
}

TEST(Startup, EditingTheConfigurationAppliesOnYesOnly) {
    TempDir home;
    home.write("BASEBALL.MSG", "x\n");
    home.write("STADIUM.TXT", "x\n");
    home.write("BASEBALL.CFG", "REGULATION-INNINGS=9\n");
    const StartupInputs in = inputsFor(home);
    Session session;
    ASSERT_EQ(prepareSession(in, session).status, StartupStatus::Ready);

    std::vector<std::string> launched;
    const ProgramRunner editor = [&](const std::vector<std::string>& argv) {
        launched = argv;
        home.write("BASEBALL.CFG",
                   "REGULATION-INNINGS=7\nCONSOLE-ROWS=50\nALTERNATE-FONT=Y\nHILITE\n");
        return 0;
    };
    MemoryConsole console;
    console.pushKey("n");
    EXPECT_FALSE(editConfiguration(console, session, in, editor));
    EXPECT_EQ(launched, (std::vector<std::string>{"nano", home.str() + "/BASEBALL.CFG"}));
    EXPECT_TRUE(linesContain(console.screenAtLastWait(), " Apply changes now? [y/N] "));
    EXPECT_EQ(session.config.regulationInnings, 9);

    console.pushKey("y");
    console.pushKey("x");  // the HILITE warning
    EXPECT_TRUE(editConfiguration(console, session, in, editor));
    EXPECT_EQ(session.config.regulationInnings, 7);
    EXPECT_EQ(session.config.rows, 44);  // the console size is not re-read
    EXPECT_EQ(session.glyphs.up, "^");
    EXPECT_TRUE(linesContain(console.screenAtLastWait(),
                             "Warning: Problem with HILITE line of BASEBALL.CFG!"));

    const ProgramRunner broken = [](const std::vector<std::string>&) { return -1; };
    console.pushKey("x");
    EXPECT_FALSE(editConfiguration(console, session, in, broken));
    EXPECT_TRUE(
        linesContain(console.screenAtLastWait(), "The editor \"nano\" could not be started."));
    EXPECT_EQ(editorCommand("emacs  -nw ", "f"), (std::vector<std::string>{"emacs", "-nw", "f"}));
}

}  // namespace
}  // namespace vrk
