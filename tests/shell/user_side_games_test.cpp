#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/text_fields.h"
#include "data/stats_set.h"
#include "data/stats_test_support.h"
#include "data/team_file.h"
#include "engine/stats_record_game.h"
#include "managers/bullpen_checks.h"
#include "managers/lineup_changes.h"
#include "managers/user_moves.h"
#include "presentation/console_keys.h"
#include "presentation/console_memory.h"
#include "screens/pitcher_list_screen.h"
#include "screens/strategy_window.h"
#include "shell/batch_rules.h"
#include "shell/config_file.h"
#include "shell/displayed_game.h"
#include "shell/stats_books.h"
#include "test_paths.h"

namespace vrk {
namespace {

using Keys = std::vector<std::string>;

class CardLines final : public ScoreCardSink {
  public:
    void entry(int team, int, char code, std::string_view text) override {
        lines.push_back(std::to_string(team) + code + std::string(text));
    }
    // A line of `code` containing `text` (an empty text: any line of the code).
    bool has(char code, std::string_view text) const {
        for (const std::string& l : lines)
            if (l.size() > 1 && l[1] == code && l.find(text) != std::string::npos) return true;
        return false;
    }
    std::vector<std::string> lines;
};

Keys Downs(int n, Keys tail) {
    Keys keys(static_cast<std::size_t>(n), std::string(kKeyDown));
    keys.insert(keys.end(), tail.begin(), tail.end());
    return keys;
}

// One manager's move: when it is due, the keys typed into that side's
// strategy window, and what the window must have set.
struct Move {
    const char* name;
    bool offence;  // made by the batting side, else by the fielding side
    std::function<bool(const Game&)> due;
    std::function<Keys(Game&, BullpenState&)> keys;
    std::function<bool(const Game&)> set;  // checked right after the window
    Keys later{};  // the keys of the screens the move brings up later in the game
    // The same when they depend on the game as it stands when the move is made.
    std::function<Keys(const Game&, const BullpenState&)> lateKeys{};
    const char* visitors = "CAMHAVEN";
    const char* home = "FELVORA";
};

// Stands in for the user at the keyboard: at each pitch it opens the
// window of the side whose move is due and types the move's keys.
class Director final : public ManagerHooks {
  public:
    Director(MemoryConsole& console, UserSideManager& user, BullpenState& bullpen, const Move& move)
        : console_(console), user_(user), bullpen_(bullpen), move_(move) {}

    void input(Game& game) override {
        if (made_ || !move_.due(game)) return;
        made_ = true;
        const int team = move_.offence ? game.state.battingTeam : game.state.fieldingTeam;
        for (const std::string& k : move_.keys(game, bullpen_)) console_.pushKey(k);
        user_.openStrategyWindow(game, team);
        setOk_ = move_.set(game);
        // The rest of the game is watched; "Q" answers the end-of-game bar.
        console_.pushQuietPolls();
        Keys later = move_.later;
        if (move_.lateKeys) later = move_.lateKeys(game, bullpen_);
        if (!later.empty()) {
            for (const std::string& k : later) console_.pushKey(k);
            console_.pushQuietPolls();
        }
        console_.pushKey("q");
    }
    void autoManage(Game& game) override { user_.autoManage(game); }
    int substitutions(Game& game) override { return user_.substitutions(game); }
    bool doubleSwitch(Game& game, int reliever) override {
        return user_.doubleSwitch(game, reliever);
    }
    int replacePitcher(Game& game, int team) override { return user_.replacePitcher(game, team); }
    void warmups(Game& game) override { user_.warmups(game); }

    bool made_ = false;
    bool setOk_ = false;

  private:
    MemoryConsole& console_;
    UserSideManager& user_;
    BullpenState& bullpen_;
    const Move& move_;
};

// The first entry of `entries` that `admits`; its index in the list.
int FirstAdmitted(const std::vector<int>& entries, const std::function<bool(int)>& admits) {
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (admits(entries[i])) return static_cast<int>(i);
    return -1;
}

Keys BenchPick(const Game& game, const BullpenState& bullpen, int slot, Keys head) {
    const int bt = game.state.battingTeam;
    const std::vector<int> bench = BenchEntries(game, bt);
    const int index = FirstAdmitted(bench, [&](int e) {
        return e > game.team(bt).lastPitcherEntry &&
               CheckSubstitute(game, bullpen, bt, slot, e) == SubstituteRefusal::None;
    });
    // The starting pitcher heads the list: refused first, then the pick.
    head.insert(head.end(), {std::string(kKeyEnter), std::string(kKeyEnter)});
    Keys tail = Downs(index, {std::string(kKeyEnter)});
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

Keys Downs(int n, Keys tail, Keys head) {
    Keys keys = Downs(n, std::move(tail));
    keys.insert(keys.begin(), head.begin(), head.end());
    return keys;
}

int SlotWith(const Game& g, int team, int position) {
    for (int slot = 1; slot <= kLineupSize; ++slot)
        if (g.team(team).player(slot).lineupPosition == position) return slot;
    return 0;
}

// Batting slots of the team other than the pitcher's, in order.
std::vector<int> FieldersSlots(const Game& g, int team) {
    std::vector<int> slots;
    for (int slot = 1; slot <= kLineupSize; ++slot)
        if (g.team(team).player(slot).lineupPosition != kPitcher) slots.push_back(slot);
    return slots;
}

// The number the line-up screen gives an entry.
int ListNumber(const Game& g, int team, int entry) {
    const std::vector<int> entries = LineupScreenEntries(g.team(team));
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i] == entry) return static_cast<int>(i) + 1;
    return 0;
}

int FreshBench(const Game& g, const BullpenState& b, int team) {
    const Team& t = g.team(team);
    for (int e = t.lastPitcherEntry + 1; e <= t.playerCount; ++e)
        if (!t.player(e).playerName.empty() && !b.used(team, e)) return e;
    return 0;
}

Keys Pair(int first, int second, Keys tail = {}) {
    Keys keys{"s"};
    for (char c : std::to_string(first)) keys.emplace_back(1, c);
    keys.push_back(std::string(kKeyTab));
    for (char c : std::to_string(second)) keys.emplace_back(1, c);
    keys.push_back(std::string(kKeyEnter));
    keys.insert(keys.end(), tail.begin(), tail.end());
    return keys;
}

Keys PitchingChangeKeys(Game& g, BullpenState& b) {
    const int ft = g.state.fieldingTeam;
    const std::vector<int> staff = StaffEntries(g.team(ft));
    const int index = FirstAdmitted(staff, [&](int e) {
        return CheckBullpenChoice(g, b, ft, e, false).verdict == BullpenVerdict::Enter;
    });
    Keys keys = Downs(index, {std::string(kKeyEnter)});
    keys.insert(keys.begin(), std::string(kKeyEnter));  // " Visit Mound "
    return keys;
}

bool DoubleSwitchDue(const Game& g) {
    return g.state.inning >= 4 && SlotWith(g, g.state.fieldingTeam, kPitcher) != 0;
}

// Yes to the question, then on the line-up screen every refusal in turn,
// a bench player in for a batter and the new pitcher into his place.
Keys DoubleSwitchKeys(const Game& g, const BullpenState& b) {
    const int ft = g.state.fieldingTeam;
    const int pitcher = SlotWith(g, ft, kPitcher);
    const std::vector<int> fielders = FieldersSlots(g, ft);
    const int x = fielders[0], y = fielders[1], z = fielders[2];
    const int bench = ListNumber(g, ft, FreshBench(g, b, ft));
    const int starter = ListNumber(g, ft, g.state.pitcherList[static_cast<std::size_t>(ft)][1]);
    const std::string ok = " ";  // dismisses a refusal
    Keys keys{"y", "m", ok};
    for (const Keys& part :
         {Pair(99, 1, {ok}), Pair(pitcher, bench, {ok}), Pair(x, starter, {ok}), Pair(x, bench),
          Pair(y, bench, {ok}), Pair(y, z, {ok}), Pair(pitcher, x)})
        keys.insert(keys.end(), part.begin(), part.end());
    keys.push_back(std::string(kKeyEscape));
    return keys;
}

// " Swap Positions ": the pitcher with a fielder who cannot pitch, then two
// fielders, then a blank answer.
Keys PositionSwapKeys(Game& g, BullpenState&) {
    const int ft = g.state.fieldingTeam;
    const int pitcher = SlotWith(g, ft, kPitcher);
    const std::vector<int> fielders = FieldersSlots(g, ft);
    Keys keys = Downs(2, {std::string(kKeyEnter)});
    for (const Keys& part : {Pair(pitcher, fielders[0], {" "}), Pair(fielders[1], fielders[2])})
        keys.insert(keys.end(), part.begin() + 1, part.end());  // no "s" on this screen
    keys.insert(keys.end(), {std::string(kKeyEnter), std::string(kKeyEnter)});
    return keys;
}

int RunnersOn(const Game& g) {
    return g.state.runnersOn();
}

const std::vector<Move>& Moves() {
    using G = const Game&;
    const std::string enter(kKeyEnter), escape(kKeyEscape);
    const auto menu = [enter](int downs) {
        return [=](Game&, BullpenState&) { return Downs(downs, {enter}); };
    };
    // clang-format off
    static const std::vector<Move> moves = {
        {"pinch hitter for the pitcher", true,
         [](G g) { return g.state.inning >= 3 &&
                          PitcherSlot(g, g.state.battingTeam, g.state.currentBatterSlot); },
         [enter](Game& g, BullpenState& b) {
             return BenchPick(g, b, g.state.currentBatterSlot, {enter}); },
         [](G g) { return g.flags.pinchHitCall && g.flags.pinchHitter > 0; },
         // Taking the field without a pitcher: the reminder, ESC in the
         // bullpen (the computer's choice), the new pitcher told.
         {enter, escape, enter}},
        {"pinch runner with two on", true, [](G g) { return RunnersOn(g) >= 2; },
         [enter](Game& g, BullpenState& b) {
             const std::vector<int> runners = RunnerSlots(g.state);
             const int base = runners[0] != 0 ? 0 : 1;
             return BenchPick(g, b, runners[static_cast<std::size_t>(base)],
                              Downs(1, {enter, std::to_string(base + 1)}));
         },
         [](G g) { return g.flags.pinchRunCall && g.flags.pinchRunner > 0; }},
        {"steal", true,
         [](G g) { return g.state.runnerOnFirst != 0 && g.state.runnerOnSecond == 0; },
         menu(6), [](G g) { return g.flags.stealCall; }},
        {"squeeze", true, [](G g) { return g.state.runnerOnThird != 0 && g.state.outs < 2; },
         menu(7), [](G g) { return g.flags.buntCall; }},
        {"intentional walk", false, [](G g) { return g.state.inning >= 2; },
         menu(6), [](G g) { return g.flags.intentionalWalk; }},
        {"infield in", false, [](G g) { return g.state.runnerOnThird != 0; },
         menu(7), [](G g) { return g.flags.infieldIn; }},
        {"pitch-out", false, [](G g) { return g.state.runnerOnFirst != 0; },
         menu(8), [](G g) { return g.flags.pitchOut; }},
        {"pitching change", false, [](G g) { return g.state.inning >= 5; }, PitchingChangeKeys,
         [](G g) { return g.flags.changePitcher[static_cast<std::size_t>(g.state.fieldingTeam)]; },
         {"n"}},  // no double switch
        {"double switch", false, DoubleSwitchDue, PitchingChangeKeys,
         [](G g) { return g.flags.changePitcher[static_cast<std::size_t>(g.state.fieldingTeam)]; },
         {}, DoubleSwitchKeys, "FELVORA", "GORWICK"},
        {"position swap", false,
         [](G g) { return g.state.inning >= 2 &&
                          SlotWith(g, g.state.fieldingTeam, kPitcher) != 0; },
         PositionSwapKeys, [](G) { return true; }, {}, {}, "GORWICK", "FELVORA"},
        {"infield in on the panel", false, [](G g) { return g.state.inning >= 3; },
         [enter, escape](Game&, BullpenState&) { return Downs(13, {enter, escape}, {"p"}); },
         [](G g) { return g.flags.infieldIn; }, {}, {}, "FELVORA", "GORWICK"},
    };
    // clang-format on
    return moves;
}

// Each move in a game of its own between two shipped teams, both sides
// managed from the keyboard; the engine's questions are left to AUTOCOACH
// and AUTODEFENSE so that only the move's keys are read.
TEST(UserSideGames, EachMoveIsMadeAndTheBooksBalance) {
    stats_testing::ScratchFolder dir;
    StatsSet set;
    ASSERT_TRUE(OpenStatsSet(set, dir.str(), "MANAGED").ok);
    HighlightLists lists;
    std::int32_t played = 0;
    for (const Move& move : Moves()) {
        SCOPED_TRACE(move.name);
        Session session;
        session.config.homeDir = test::sourceHome();
        readConfigFile(std::string(test::sourceHome()) + "/BASEBALL.CFG", session.config,
                       ConfigReadMode::Startup);
        session.config.autoCoach = true;
        session.config.autoDefense = true;
        session.config.warmupRule = false;
        LoadPlayByPlayFromHome(session.catalogue, session.config.homeDir);
        session.rng = Rng(29);
        TeamSlots teams;
        LeagueContext normalization;
        ASSERT_FALSE(loadTeamPair(teams, move.visitors, move.home, session.config).abort);
        Game game(teams, normalization, session.config, session.rng);
        game.options.displayed = true;
        game.options.playDelay = 0;
        game.options.userManaged = {false, true, true};
        CardLines card;
        game.scoreCard = &card;

        MemoryConsole console(24, 80);
        AutoManagerCounters counters;
        AutoManagerHooks managers{counters};
        UserSideManager user(console, managers);
        Director director(console, user, managers.bullpen(), move);
        DisplayedGameSettings settings;
        settings.managers = &managers;
        settings.userSide = &director;
        game.decisions = &user;
        DisplayedGameOutcome outcome;
        try {
            outcome = playDisplayedGame(console, session, game, settings);
        } catch (const std::logic_error& e) {
            std::string screen;
            for (const std::string& row : console.screenAtLastWait()) screen += row + "\n";
            for (const std::string& l : card.lines) screen += l + "\n";
            FAIL() << e.what() << "\n" << screen;
        }
        ASSERT_TRUE(outcome.completed);
        ASSERT_TRUE(director.made_) << "the move never came due";
        EXPECT_TRUE(director.setOk_) << "the window did not set the move";
        EXPECT_EQ(console.dryReads(), 0) << "a screen waited for more keys than were typed";

        const std::string_view name = move.name;
        if (name == "pinch hitter for the pitcher") {
            EXPECT_TRUE(console.shownAtSomeWait("Already used as a pitcher! Try again."));
            EXPECT_TRUE(card.has('9', "(for PH)"));
            EXPECT_TRUE(console.shownAtSomeWait("This player will be the new pitcher."));
        } else if (name == "pinch runner with two on") {
            EXPECT_TRUE(console.shownAtSomeWait("The Baserunners are:"));
            EXPECT_TRUE(card.has('9', "(for PR)"));
            EXPECT_TRUE(card.has('7', ""));

        } else if (name == "double switch") {
            for (std::string_view refusal :
                 {kNotAfterStart, kOutOfRange, kUseBullpen, kUsedPitcherOnBench, kSentToShowers,
                  kBattingOrderFixed}) {
                EXPECT_TRUE(console.shownAtSomeWait(trim(refusal))) << refusal;
            }
            EXPECT_TRUE(console.shownAtSomeWait("Want to Double-Switch with the new pitcher?"));
            EXPECT_TRUE(card.has('X', "[SUB]"));
            EXPECT_TRUE(card.has('X', "[DBL-SW]"));
            EXPECT_EQ(game.counters.doubleSwitches, 1);
        } else if (name == "position swap") {
            EXPECT_TRUE(console.shownAtSomeWait("can't pitch."));
            int moved = 0;
            for (const std::string& l : card.lines) moved += l.find("[DEF]") != std::string::npos;
            EXPECT_EQ(moved, 2);
        } else if (name == "infield in on the panel") {
            EXPECT_TRUE(console.shownAtSomeWait("  *  Infield In"));
        } else if (name == "pitching change") {
            int pitched = 0;
            for (int team = kVisitors; team <= kHome; ++team)
                for (int e = 1; e <= kMaxRosterEntries; ++e)
                    pitched += game.counters.pitcher[team][e].battersFaced > 0;
            EXPECT_GE(pitched, 3) << "two starters and the reliever";
        }

        const RecordGameResult recorded = RecordGame(set, lists, game, {played, std::nullopt, 20});
        ASSERT_TRUE(recorded.result.ok) << recorded.result.message;
        ++played;
    }
    // Every substitution kept the written books whole.
    ASSERT_TRUE(SaveStatistics(set, played).ok);
    testing::ExpectBalanced(testing::ReadBooks(dir.str(), "MANAGED"), played);
}

}  // namespace
}  // namespace vrk
