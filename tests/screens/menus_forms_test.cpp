#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "presentation/console_keys.h"
#include "presentation/console_memory.h"
#include "screens/file_chooser.h"
#include "screens/form_screen.h"
#include "screens/list_screen.h"
#include "screens/main_menu_screen.h"
#include "screens/options_windows.h"
#include "temp_dir.h"

namespace vrk {
namespace {

std::string Mouse(MouseKind kind, int row, int col) {
    return mouseCode({kind, row, col});
}

// The row of the screen showing the text, or 0.
int RowOf(const MemoryConsole& console, std::string_view text) {
    for (int r = 1; r <= console.rows(); ++r)
        if (console.rowText(r).find(text) != std::string::npos) return r;
    return 0;
}

TEST(MainMenuScreen, KeysMouseAndLetters) {
    // Row of the Two-Team item's description on a 25 x 80 screen, found once.
    MemoryConsole probe;
    int highlight = 0;
    probe.pushKey(kKeyEscape);
    MainMenuScreen(probe, highlight);
    const int twoTeamDescription = RowOf(probe, "Quick-Play computer-managed simulation");
    ASSERT_GT(twoTeamDescription, 0);

    struct Case {
        std::vector<std::string> keys;
        char expected;
    } cases[] = {
        {{"m"}, 'M'},
        {{"Z", "z", "7", std::string(kKeyF1), "t"}, 'T'},
        {{std::string(kKeyDown), std::string(kKeyDown), std::string(kKeyEnter)}, 'S'},
        {{std::string(kKeyUp), std::string(kKeyEnter)}, 'P'},  // wraps to the last item
        {{std::string(kKeyEnd), std::string(kKeyUp), std::string(kKeyEnter)}, 'F'},
        {{"e"}, 'E'},
        {{"a"}, 'A'},
        {{"Q"}, 'Q'},
        {{std::string(kKeyEscape)}, 'Q'},
        {{Mouse(MouseKind::LeftClick, twoTeamDescription, 40)}, 'T'},
        {{Mouse(MouseKind::LeftClick, 1, 1), "p"}, 'P'},  // a click off the menu does nothing
    };
    for (const Case& c : cases) {
        MemoryConsole console;
        for (const std::string& k : c.keys) console.pushKey(k);
        int h = 0;
        EXPECT_EQ(MainMenuScreen(console, h), c.expected) << c.keys.front();
        EXPECT_EQ(console.dryReads(), 0);
    }

    // "Z" alone leaves the menu up: only the script running dry ends it.
    MemoryConsole console;
    console.pushKey("Z");
    int h = 0;
    EXPECT_EQ(MainMenuScreen(console, h), 'Q');
    EXPECT_EQ(console.dryReads(), 1);
    EXPECT_TRUE(console.screenContains("VRK Main Menu"));
    EXPECT_TRUE(console.screenContains("Make Selection or [Q]uit"));
    for (const MainMenuItem& item : kMainMenuItems) {
        EXPECT_TRUE(console.screenContains(item.label));
        EXPECT_TRUE(console.screenContains(item.description));
    }
}

TEST(ListScreen, ScrollsPicksAndReturnsKeys) {
    ListWindow list;
    list.title = "Files";
    for (int i = 0; i < 40; ++i) list.lines.push_back("LINE" + std::to_string(i));
    list.footer = "[V]iew";
    list.keys = {"V", std::string(kKeyF4)};

    struct Case {
        std::vector<std::string> keys;
        ListEnd end;
        int index;
    } cases[] = {
        {{std::string(kKeyPgDn), std::string(kKeyEnter)}, ListEnd::Picked, 15},
        {{std::string(kKeyEnd), std::string(kKeyDown), std::string(kKeyEnter)},
         ListEnd::Picked,
         39},
        {{std::string(kKeyPgUp), std::string(kKeyEnter)}, ListEnd::Picked, 0},
        {{Mouse(MouseKind::WheelDown, 5, 40), Mouse(MouseKind::WheelDown, 5, 40), "v"},
         ListEnd::Key,
         2},
        {{std::string(kKeyDown), std::string(kKeyF4)}, ListEnd::Key, 1},
        {{std::string(kKeyDown), std::string(kKeyEscape)}, ListEnd::Escape, 1},
    };
    for (const Case& c : cases) {
        MemoryConsole console;
        for (const std::string& k : c.keys) console.pushKey(k);
        int highlight = 0;
        const ListResult r = RunListWindow(console, list, highlight);
        EXPECT_EQ(r.end, c.end) << c.keys.front();
        EXPECT_EQ(r.index, c.index) << c.keys.front();
    }

    // A click highlights a line, a double click picks it; after scrolling
    // the rows show later lines.
    MemoryConsole console;
    console.pushKey(kKeyEscape);
    int highlight = 20;
    RunListWindow(console, list, highlight);
    const int row = RowOf(console, "LINE20");
    ASSERT_GT(row, 0);
    EXPECT_EQ(RowOf(console, "LINE5 "), 0) << "scrolled past the first lines";
    console.pushKey(Mouse(MouseKind::LeftClick, row - 1, 40));
    console.pushKey(kKeyEnter);
    EXPECT_EQ(RunListWindow(console, list, highlight).index, 19);
    console.pushKey(kKeyEscape);  // draws the list as the next call shows it
    RunListWindow(console, list, highlight);
    const int row18 = RowOf(console, "LINE18");
    ASSERT_GT(row18, 0);
    console.pushKey(Mouse(MouseKind::DoubleClick, row18, 40));
    const ListResult picked = RunListWindow(console, list, highlight);
    EXPECT_EQ(picked.end, ListEnd::Picked);
    EXPECT_EQ(picked.index, 18);
}

struct ScratchFolder : testing::TempDir {
    ScratchFolder() {
        std::filesystem::create_directories(dir / "other");
        for (const char* name : {"b.DAT", "a.dat", "x.txt", "other/z.dat"}) write(name, "x\n");
    }
};

TEST(FileChooser, PicksActsAndChangesFolder) {
    ScratchFolder f;
    FileChooser chooser;
    chooser.title = "Team Files";
    chooser.patterns = {"*.DAT"};
    std::vector<std::string> viewed;
    chooser.actions = {{'V', [&](const std::string& p) { viewed.push_back(p); }}};

    MemoryConsole console;
    std::string folder = f.dir.string();
    int highlight = 0;
    console.pushKey("v");
    console.pushKey(kKeyDown);
    console.pushKey(kKeyEnter);
    const auto chosen = ChooseFile(console, chooser, folder, highlight);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(*chosen, (f.dir / "b.DAT").string());
    EXPECT_EQ(viewed, (std::vector<std::string>{(f.dir / "a.dat").string()}));

    // F4: the folder list; "other" is the third entry after ".." and "/".
    console.pushKey(kKeyF4);
    console.pushKey(kKeyEnd);
    console.pushKey(kKeyEnter);  // into "other"
    console.pushKey(kKeyF4);     // use it
    console.pushKey(kKeyEnter);
    const auto moved = ChooseFile(console, chooser, folder, highlight);
    ASSERT_TRUE(moved);
    EXPECT_EQ(folder, (f.dir / "other").string() + "/");
    EXPECT_EQ(*moved, (f.dir / "other" / "z.dat").string());

    // More files than the limit: told once, the first ones listed.
    folder = f.dir.string();
    chooser.limit = 1;
    console.pushKey(kKeyEnter);  // closes the message
    console.pushKey(kKeyEnd);
    console.pushKey(kKeyEnter);
    const auto limited = ChooseFile(console, chooser, folder, highlight);
    ASSERT_TRUE(limited);
    EXPECT_EQ(*limited, (f.dir / "a.dat").string());
    EXPECT_EQ(TooManyFilesText(1), "Error: Too Many Files. Limit is 1");
}

TEST(FormScreen, FieldsTakeOnlyWhatTheyAllow) {
    FormWindow form;
    form.title = "Test";
    form.fields = {{"Yes/no ", FieldKind::YesNo, "N", 1, {}},
                   {"Delay ", FieldKind::Digit, "3", 1, "01234567"},
                   {"Order ", FieldKind::Letters, "N", 1, "YNCF"},
                   {"Era ", FieldKind::Text, "", 5, {}}};
    MemoryConsole console;
    // "x" and "8" and "q" are refused with a beep; "y", "7", "c" are taken
    // and move on; the era field takes typed text, upper-cased.
    for (const char* k : {"x", "y", "8", "7", "q", "c", "1", "9", "9", "8", "a"})
        console.pushKey(k);
    console.pushKey(kKeyEscape);
    RunForm(console, form);
    EXPECT_EQ(form.fields[0].value, "Y");
    EXPECT_EQ(form.fields[1].value, "7");
    EXPECT_EQ(form.fields[2].value, "C");
    EXPECT_EQ(form.fields[3].value, "1998A");
    EXPECT_EQ(console.beeps(), 3);

    // A click enters the field clicked.
    MemoryConsole clicked;
    clicked.pushKey(kKeyEscape);
    RunForm(clicked, form);
    int delayRow = 0;
    const auto& shown = clicked.screenAtLastWait();
    for (std::size_t r = 0; r < shown.size(); ++r)
        if (shown[r].find("Delay ") != std::string::npos) delayRow = static_cast<int>(r) + 1;
    ASSERT_GT(delayRow, 0);
    clicked.pushKey(Mouse(MouseKind::LeftClick, delayRow, 40));
    clicked.pushKey("2");
    clicked.pushKey(kKeyEscape);
    RunForm(clicked, form);
    EXPECT_EQ(form.fields[1].value, "2");
    EXPECT_EQ(form.fields[0].value, "Y");
}

TEST(FormScreen, EnterAnswersAOneQuestionFormOnly) {
    // One question (a new file's name): Enter closes it with what was typed.
    FormWindow one;
    one.fields = {{"Name: ", FieldKind::Text, "", 8, {}}};
    MemoryConsole console;
    for (const char* k : {"t", "e", "s", "t"}) console.pushKey(k);
    console.pushKey(kKeyEnter);
    console.pushKey("z");  // not read: the form is closed by then
    EXPECT_TRUE(RunForm(console, one));
    EXPECT_EQ(one.fields[0].value, "TEST");

    // With two fields Enter moves to the next one and only ESC closes.
    FormWindow two;
    two.fields = {{"A: ", FieldKind::Text, "", 4, {}}, {"B: ", FieldKind::Text, "", 4, {}}};
    MemoryConsole moved;
    for (std::string_view k : {std::string_view("x"), kKeyEnter, std::string_view("y"), kKeyEnter,
                               std::string_view("z"), kKeyEscape})
        moved.pushKey(std::string(k));
    RunForm(moved, two);
    EXPECT_EQ(two.fields[0].value, "Z");
    EXPECT_EQ(two.fields[1].value, "Y");
}

TEST(OptionsWindows, NormalizationEntries) {
    struct Case {
        const char* typed;
        bool accepted;
    } cases[] = {{"", true},      {" h ", true},     {"v", true},      {"B", true},
                 {"1998a", true}, {"2026N", true},   {"98A", false},   {"AL", false},
                 {"1998", false}, {"1998AB", false}, {"19X8A", false}, {"X", false},
                 {"1998 ", false}};
    for (const Case& c : cases)
        EXPECT_EQ(NormalizationEntryAccepted(NormalizationEntry(c.typed)), c.accepted) << c.typed;
}

TEST(OptionsWindows, RefusedNormalizationIsToldForFiveSeconds) {
    MemoryConsole console;
    SimulationOptions o;
    // The era field comes first: "98A" is refused and the field is entered again.
    for (const char* k : {"9", "8", "A"}) console.pushKey(k);
    console.pushKey(kKeyDown);
    for (const char* k : {"2", "0", "2", "6", "n"}) console.pushKey(k);
    console.pushKey(kKeyEscape);
    MoreSimulationOptionsWindow(console, o);
    EXPECT_EQ(o.normalize, "2026N");
    EXPECT_EQ(console.sleptMs(), 5000);
}

TEST(OptionsWindows, ManualWindowDelayZeroSilences) {
    MemoryConsole console;
    ManagerOptions o;
    o.sound = true;
    // Visitor, Home, then the delay.
    for (const char* k : {"y", "y", "0"}) console.pushKey(k);
    console.pushKey(kKeyEscape);
    ManagerOptionsWindow(console, o);
    EXPECT_EQ(o.delay, 0);
    EXPECT_FALSE(o.sound);
    EXPECT_TRUE(o.computerManages[1] && o.computerManages[2]);
}

TEST(OptionsWindows, InGameChecksInOrder) {
    const std::array<bool, 3> both{false, true, true};
    const std::array<bool, 3> userHome{false, true, false};
    EXPECT_EQ(InGameOptionsProblem(5, 0, both), "");
    EXPECT_EQ(InGameOptionsProblem(7, 0, userHome), kColourSchemeRefusal) << "scheme first";
    EXPECT_EQ(InGameOptionsProblem(0, 3, both), kColourSchemeRefusal);
    EXPECT_EQ(InGameOptionsProblem(6, 0, userHome), kDelayZeroRefusal);
    EXPECT_EQ(InGameOptionsProblem(1, 1, userHome), "");

    // Through the window: the scheme is refused, then the delay, each time
    // the field entered again; then the values stand.
    InGameOptions current;
    current.computerManages = userHome;
    current.delay = 3;
    current.colourScheme = 5;
    MemoryConsole console;
    // Quick-Play, Visitor, Home, Delay, Scheme.
    for (const char* k : {"n", "y", "n", "0", "9"}) console.pushKey(k);
    console.pushKey(kKeyEscape);  // scheme refused: back in the scheme field
    console.pushKey("2");
    console.pushKey(kKeyEscape);  // delay 0 refused: back in the delay field
    console.pushKey("4");
    console.pushKey(kKeyEscape);
    const InGameOptions o = InGameOptionsWindow(console, current);
    EXPECT_EQ(o.colourScheme, 2);
    EXPECT_EQ(o.delay, 4);
    EXPECT_EQ(console.sleptMs(), 10000) << "two refusals, five seconds each";

    // Quick-Play means delay 0 and no sound.
    InGameOptions quick;
    quick.quickPlay = true;
    quick.delay = 5;
    quick.sound = true;
    SettleInGameOptions(quick);
    EXPECT_EQ(quick.delay, 0);
    EXPECT_FALSE(quick.sound);
}

}  // namespace
}  // namespace vrk
