#include <gtest/gtest.h>

#include <deque>
#include <stdexcept>

#include "managers/bullpen_checks.h"
#include "managers/bullpen_state.h"
#include "managers/managers_test_support.h"
#include "managers/rotation.h"
#include "managers/starter_pick.h"
#include "presentation/console_keys.h"
#include "presentation/console_memory.h"
#include "screens/bullpen_screen.h"
#include "screens/pitcher_list_screen.h"
#include "screens/rotation_dialog_screen.h"
#include "screens/rotation_screen.h"
#include "screens/starter_screen.h"

namespace vrk {
namespace {

using mgrtest::BuildTeam;
using mgrtest::StaffGame;

// On a 25 x 80 screen the first line of a pitcher list is on row 5.
constexpr int kFirstListRow = 5;

std::string DoubleClick(int row) {
    return mouseCode({MouseKind::DoubleClick, row, 30});
}
std::string Click(int row) {
    return mouseCode({MouseKind::LeftClick, row, 30});
}

// Keeps the whole screen of every wait, so that a run of message boxes can be
// checked in order (the memory console keeps only the last).
class TracingConsole final : public Console {
  public:
    TracingConsole() : Console(25, 80) {}
    void push(std::string_view key) { keys_.emplace_back(key); }
    std::string waitKey() override {
        std::string screen;
        for (int r = 1; r <= rows(); ++r) {
            for (int c = 1; c <= cols(); ++c) screen += static_cast<char>(cellAt(r, c).ch);
            screen += '\n';
        }
        waits.push_back(screen);
        if (keys_.empty()) throw std::logic_error("key script exhausted");
        std::string key = keys_.front();
        keys_.pop_front();
        return key;
    }
    std::string pollKey() override { return {}; }
    void beep() override {}
    void setTitle(std::string_view) override {}
    void sleepMs(int) override {}
    void refresh() override {}
    int runForeground(const std::vector<std::string>&) override { return 0; }

    // The first of `texts` found on each wait's screen, in order.
    std::vector<std::string> seen(std::initializer_list<std::string_view> texts) const {
        std::vector<std::string> found;
        for (const std::string& screen : waits)
            for (std::string_view t : texts)
                if (screen.find(t) != std::string::npos) {
                    found.emplace_back(t);
                    break;
                }
        return found;
    }

    std::vector<std::string> waits;

  private:
    std::deque<std::string> keys_;
};

bool ShownAtLastWait(const MemoryConsole& console, std::string_view text) {
    for (const std::string& row : console.screenAtLastWait())
        if (row.find(text) != std::string::npos) return true;
    return false;
}

TEST(PitcherScreens, ListLinesFollowTheirHeaders) {
    Player p = mgrtest::MakePitcher("Delgado, Ramon Esteban", 34, 33, 221, 2);
    p.hand = 'l';
    p.pitching.wins = 17;
    p.pitching.losses = 9;
    p.pitching.hitsAllowed = 198;
    p.pitching.walksAllowed = 61;
    p.pitching.strikeouts = 187;
    p.pitching.eraTimes100 = 312;
    EXPECT_EQ(PitcherListLine(p, kStarterListHeader),
              "  Delgado, Ramon Es  L   17  9 34  33  221  198  61 187 3.12");
    EXPECT_EQ(PitcherListLine(p, kBullpenListHeader),
              "  Delgado, Ramon Es  L   17  9  2 34  33   221   198   61 187 3.12");
    EXPECT_EQ(PitcherListLine(p, kStarterListHeader).size(), kStarterListHeader.size());
    // A figure too wide for its column still stands apart from the next.
    p.pitching.eraTimes100 = 12345;
    EXPECT_EQ(PitcherListLine(p, kStarterListHeader).substr(51), " 187 123.45");
}

TEST(PitcherScreens, StarterListDrawsAndPicksWithKeysAndMouse) {
    Team team;
    BuildTeam(team, "VISIT.DAT", 26);
    MemoryConsole console;

    console.pushKey(kKeyDown);
    console.pushKey(kKeyDown);
    console.pushKey(kKeyEnter);
    EXPECT_EQ(StarterScreen(console, team, false, true), 12);
    EXPECT_TRUE(ShownAtLastWait(console, "Select Starting Pitcher for 'VISIT'"));
    EXPECT_TRUE(ShownAtLastWait(console, kStarterListHeader));
    EXPECT_TRUE(ShownAtLastWait(console, kStarterFooter));
    EXPECT_FALSE(console.screenContains("Select"));  // the screen is restored

    console.pushKey(DoubleClick(kFirstListRow + 3));
    EXPECT_EQ(StarterScreen(console, team, false, true), 13);
    console.pushKey(Click(kFirstListRow + 5));
    console.pushKey(kKeyEnter);
    EXPECT_EQ(StarterScreen(console, team, false, true), 15);
    // A double click outside the lines picks nothing.
    console.pushKey(DoubleClick(kFirstListRow - 1));
    console.pushKey(kKeyEscape);
    EXPECT_EQ(StarterScreen(console, team, false, true), 0);

    // 26 pitchers do not fit: End scrolls, and the lines under the mouse follow.
    console.pushKey(kKeyEnd);
    console.pushKey(kKeyEnter);
    EXPECT_EQ(StarterScreen(console, team, false, true), 35);
    EXPECT_TRUE(ShownAtLastWait(console, "Arm35"));
    EXPECT_FALSE(ShownAtLastWait(console, "Arm18 "));
    console.pushKey(kKeyEnd);
    console.pushKey(DoubleClick(kFirstListRow));
    EXPECT_EQ(StarterScreen(console, team, false, true), 19);
    console.pushKey(kKeyPgDn);
    console.pushKey(kKeyPgDn);
    console.pushKey(kKeyPgUp);
    console.pushKey(kKeyUp);
    console.pushKey(DoubleClick(kFirstListRow));  // scrolled back up to the highlight
    EXPECT_EQ(StarterScreen(console, team, false, true), 17);
    console.pushKey(kKeyUp);
    console.pushKey(kKeyHome);
    console.pushKey(kKeyEnter);
    EXPECT_EQ(StarterScreen(console, team, false, true), 10);
    EXPECT_EQ(console.dryReads(), 0);
}

TEST(PitcherScreens, StarterEscapeOnlyWhenAllowedAndTheDayOffQuestion) {
    Team team;
    BuildTeam(team, "HOME.DAT", 7);
    MemoryConsole console;
    console.pushKey(kKeyEscape);
    EXPECT_EQ(StarterScreen(console, team, false, true), 0);

    console.pushKey(kKeyEscape);
    console.pushKey(kKeyEscape);
    console.pushKey(kKeyEnter);
    EXPECT_EQ(StarterScreen(console, team, false, false), 10);
    EXPECT_TRUE(ShownAtLastWait(console, kStarterFooterNoEscape));
    EXPECT_FALSE(ShownAtLastWait(console, "ESC"));

    // "N" sends the user back to the list, anything else starts him.
    team.player(11).restDaysNeeded = 2;
    TracingConsole traced;
    for (auto key : {kKeyDown, kKeyEnter, std::string_view("n"), kKeyEnter, std::string_view("x")})
        traced.push(key);
    EXPECT_EQ(StarterScreen(traced, team, true, true), 11);
    EXPECT_EQ(traced.seen({"Start this pitcher anyway? [Y/n]", "Select Starting"}),
              (std::vector<std::string>{"Select Starting", "Select Starting",
                                        "Start this pitcher anyway? [Y/n]", "Select Starting",
                                        "Start this pitcher anyway? [Y/n]"}));
    EXPECT_NE(traced.waits[2].find("That pitcher seems to have the day off."), std::string::npos);
    // Without the days-off rule nobody is asked.
    console.pushKey(kKeyDown);
    console.pushKey(kKeyEnter);
    EXPECT_EQ(StarterScreen(console, team, false, true), 11);
    EXPECT_EQ(console.keysLeft(), 0u);
}

TEST(PitcherScreens, RotationPicksInOrderUntilEscOrFive) {
    Team team;
    BuildTeam(team, "VISIT.DAT", 8);
    RotationTable table;
    MemoryConsole console;

    for (auto key : {kKeyDown, kKeyEnter, kKeyEnter, kKeyUp, kKeyUp, kKeyEnter, kKeyHome, kKeyEnter,
                     kKeyEscape})
        console.pushKey(key);
    EXPECT_TRUE(RotationScreen(console, table, team, true));
    EXPECT_TRUE(ShownAtLastWait(console, "Select Pitching Rotation for 'VISIT'"));
    EXPECT_TRUE(ShownAtLastWait(console, kRotationFooter));
    EXPECT_TRUE(ShownAtLastWait(console, "3 Arm10"));  // places are shown as picked
    EXPECT_EQ(console.beeps(), 1);                     // 11 a second time
    const RotationRecord* record = table.find("VISIT.DAT");
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->starters, (std::array<int, 6>{0, 11, 12, 10, 0, 0}));
    EXPECT_EQ(record->spotStarterMark, 'Y');

    // ESC at once keeps the old rotation.
    console.pushKey(kKeyEscape);
    EXPECT_FALSE(RotationScreen(console, table, team, true));
    EXPECT_EQ(table.find("VISIT.DAT")->starters[1], 11);

    // The fifth pick ends the screen.
    for (int i = 0; i < 5; ++i) console.pushKey(DoubleClick(kFirstListRow + 7 - i));
    EXPECT_TRUE(RotationScreen(console, table, team, false));
    EXPECT_EQ(table.find("VISIT.DAT")->starters, (std::array<int, 6>{0, 17, 16, 15, 14, 13}));
    EXPECT_EQ(console.dryReads(), 0);
}

TEST(PitcherScreens, BullpenChecksInOrderAndWarmUp) {
    StaffGame f;
    Game& g = *f.game;
    BullpenState b;
    f.config.daysOffRule = true;
    f.config.warmupRule = true;
    g.state.display.userManaged = {false, false, true};
    b.markUsed(kHome, 11);
    g.team(kHome).player(12).restDaysNeeded = 2;
    g.team(kHome).player(13).restDaysNeeded = 1;
    g.team(kHome).player(12).playerName = g.team(kHome).player(7).playerName;
    g.team(kHome).twoWayPlayer = true;

    TracingConsole traced;
    for (auto key : {kKeyDown,  kKeyEnter, kKeyEnter,  // 11: used
                     kKeyDown,  kKeyEnter, std::string_view("y"),
                     kKeyEnter,                                    // 12: rest, Y, line-up
                     kKeyDown,  kKeyEnter, std::string_view("q"),  // 13: rest, not Y
                     kKeyHome,  kKeyEnter, kKeyEnter,              // 10: pitching now
                     kKeyDown,  kKeyDown,  kKeyDown,
                     kKeyDown,  kKeyDown,  kKeyEnter,
                     kKeyEnter,             // 15
                     kKeyEnter, kKeyEnter,  // 15 again: not warm yet
                     kKeyEscape})
        traced.push(key);
    EXPECT_EQ(BullpenScreen(traced, g, b, kHome, false), 0);
    EXPECT_EQ(
        traced.seen({"has been used", "needs the day off", "is/has been in the lineup",
                     "seems to be pitching now", "start throwing", "not quite warm"}),
        (std::vector<std::string>{"has been used", "needs the day off", "is/has been in the lineup",
                                  "needs the day off", "seems to be pitching now", "start throwing",
                                  "not quite warm"}));
    EXPECT_NE(traced.waits[0].find(kBullpenListHeader), std::string::npos);
    EXPECT_NE(traced.waits[0].find(kBullpenFooter), std::string::npos);
    EXPECT_EQ(g.team(kHome).player(12).restDaysNeeded, -2);
    EXPECT_EQ(g.team(kHome).player(13).restDaysNeeded, 1);
    EXPECT_EQ(b.warm(kHome, 15), 12);

    // Warm: he comes in.
    b.warm(kHome, 15) = 9;
    MemoryConsole console;
    console.pushKey(DoubleClick(kFirstListRow + 5));
    EXPECT_EQ(BullpenScreen(console, g, b, kHome, false), 15);

    // In reminder mode a starting thrower counts 10, which is already warm.
    console.pushKey(DoubleClick(kFirstListRow + 6));
    console.pushKey(kKeyEnter);
    console.pushKey(DoubleClick(kFirstListRow + 6));
    EXPECT_EQ(BullpenScreen(console, g, b, kHome, true), 16);
    EXPECT_EQ(b.warm(kHome, 16), 10);
    EXPECT_EQ(console.dryReads(), 0);
}

TEST(PitcherScreens, RotationDialogAcceptsOnlyItsCharacters) {
    MemoryConsole console;
    RotationSettings settings;
    settings.defaultMethod = "R4";
    settings.spotStarters = 'N';

    // Field 1 refuses "R" and "7", field 2 "X", field 3 "5"; "5" then "s" give S5.
    for (auto key : {"R", "7", "3", "5", "\t", "X", "s", "\t", "5", "y"}) console.pushKey(key);
    console.pushKey(kKeyEscape);
    EXPECT_EQ(RotationDialogScreen(console, settings), RotationDialogExit::Continue);
    EXPECT_EQ(console.beeps(), 4);
    EXPECT_EQ(settings.defaultMethod, "S5");
    EXPECT_EQ(settings.spotStarters, 'Y');
    for (auto text : {kRotationDialogTitle, kRotationCountPrompt, kRotationOrderPrompt,
                      kRotationSpotPrompt, kRotationDialogFooter})
        EXPECT_TRUE(ShownAtLastWait(console, text)) << text;

    // Up wraps to the last field, Enter and a click move too.
    for (auto key : {kKeyUp, std::string_view("n"), kKeyEnter, std::string_view("2")})
        console.pushKey(key);
    int orderRow = 0;
    for (int r = 1; r <= console.rows(); ++r)
        if (console.screenAtLastWait()[static_cast<std::size_t>(r - 1)].find(
                kRotationOrderPrompt) != std::string::npos)
            orderRow = r;
    console.pushKey(Click(orderRow));
    console.pushKey("r");
    console.pushKey(kKeyEscape);
    RotationDialogScreen(console, settings);
    EXPECT_EQ(settings.defaultMethod, "R2");
    EXPECT_EQ(settings.spotStarters, 'N');

    // F3 changes nothing.
    console.pushKey("3");
    console.pushKey(kKeyF3);
    EXPECT_EQ(RotationDialogScreen(console, settings), RotationDialogExit::Abort);
    EXPECT_EQ(settings.defaultMethod, "R2");
    EXPECT_EQ(settings.spotStarters, 'N');
    EXPECT_EQ(console.dryReads(), 0);
}

}  // namespace
}  // namespace vrk
