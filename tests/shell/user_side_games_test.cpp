#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "data/team_file.h"
#include "managers/bullpen_checks.h"
#include "managers/user_moves.h"
#include "presentation/console_keys.h"
#include "presentation/console_memory.h"
#include "screens/pitcher_list_screen.h"
#include "screens/strategy_window.h"
#include "shell/batch_rules.h"
#include "shell/config_file.h"
#include "shell/displayed_game.h"
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
        if (!move_.later.empty()) {
            for (const std::string& k : move_.later) console_.pushKey(k);
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

int RunnersOn(const Game& g) {
    return g.state.runnersOn();
}

const std::vector<Move>& Moves() {
    static const std::vector<Move> moves = {
        {"pinch hitter for the pitcher",
         true,
         [](const Game& g) {
             return g.state.inning >= 3 &&
                    PitcherSlot(g, g.state.battingTeam, g.state.currentBatterSlot);
         },
         [](Game& g, BullpenState& b) {
             return BenchPick(g, b, g.state.currentBatterSlot, {std::string(kKeyEnter)});
         },
         [](const Game& g) { return g.flags.pinchHitCall && g.flags.pinchHitter > 0; },
         // Taking the field without a pitcher: the reminder, ESC in the
         // bullpen (the computer's choice), the new pitcher told.
         {std::string(kKeyEnter), std::string(kKeyEscape), std::string(kKeyEnter)}},
        {"pinch runner with two on",
         true,
         [](const Game& g) { return RunnersOn(g) >= 2; },
         [](Game& g, BullpenState& b) {
             const std::vector<int> runners = RunnerSlots(g.state);
             const int base = runners[0] != 0 ? 0 : 1;
             return BenchPick(g, b, runners[static_cast<std::size_t>(base)],
                              Downs(1, {std::string(kKeyEnter), std::to_string(base + 1)}));
         },
         [](const Game& g) { return g.flags.pinchRunCall && g.flags.pinchRunner > 0; },
         {}},
        {"steal",
         true,
         [](const Game& g) { return g.state.runnerOnFirst != 0 && g.state.runnerOnSecond == 0; },
         [](Game&, BullpenState&) { return Downs(6, {std::string(kKeyEnter)}); },
         [](const Game& g) { return g.flags.stealCall; },
         {}},
        {"squeeze",
         true,
         [](const Game& g) { return g.state.runnerOnThird != 0 && g.state.outs < 2; },
         [](Game&, BullpenState&) { return Downs(7, {std::string(kKeyEnter)}); },
         [](const Game& g) { return g.flags.buntCall; },
         {}},
        {"intentional walk",
         false,
         [](const Game& g) { return g.state.inning >= 2; },
         [](Game&, BullpenState&) { return Downs(6, {std::string(kKeyEnter)}); },
         [](const Game& g) { return g.flags.intentionalWalk; },
         {}},
        {"infield in",
         false,
         [](const Game& g) { return g.state.runnerOnThird != 0; },
         [](Game&, BullpenState&) { return Downs(7, {std::string(kKeyEnter)}); },
         [](const Game& g) { return g.flags.infieldIn; },
         {}},
        {"pitch-out",
         false,
         [](const Game& g) { return g.state.runnerOnFirst != 0; },
         [](Game&, BullpenState&) { return Downs(8, {std::string(kKeyEnter)}); },
         [](const Game& g) { return g.flags.pitchOut; },
         {}},
        {"pitching change",
         false,
         [](const Game& g) { return g.state.inning >= 5; },
         [](Game& g, BullpenState& b) {
             const int ft = g.state.fieldingTeam;
             const std::vector<int> staff = StaffEntries(g.team(ft));
             const int index = FirstAdmitted(staff, [&](int e) {
                 return CheckBullpenChoice(g, b, ft, e, false).verdict == BullpenVerdict::Enter;
             });
             Keys keys = Downs(index, {std::string(kKeyEnter)});
             keys.insert(keys.begin(), std::string(kKeyEnter));  // " Visit Mound "
             return keys;
         },
         [](const Game& g) {
             return g.flags.changePitcher[static_cast<std::size_t>(g.state.fieldingTeam)];
         },
         {}},
    };
    return moves;
}

// Each move in a game of its own between two shipped teams, both sides
// managed from the keyboard; the engine's questions are left to AUTOCOACH
// and AUTODEFENSE so that only the move's keys are read.
TEST(UserSideGames, EachMoveIsMadeAndTheBooksBalance) {
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
        ASSERT_FALSE(loadTeamPair(teams, "CAMHAVEN", "FELVORA", session.config).abort);
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

        } else if (name == "pitching change") {
            int pitched = 0;
            for (int team = kVisitors; team <= kHome; ++team)
                for (int e = 1; e <= kMaxRosterEntries; ++e)
                    pitched += game.counters.pitcher[team][e].battersFaced > 0;
            EXPECT_GE(pitched, 3) << "two starters and the reliever";
        }

        const GameResult& result = outcome.result;
        for (int team = kVisitors; team <= kHome; ++team) {
            std::array<int, 5> batting{}, allowed{};
            int outs = 0;
            for (int e = 1; e <= kMaxRosterEntries; ++e) {
                const BatterCounters& b = game.counters.batter[team][e];
                const PitcherCounters& p = game.counters.pitcher[otherTeam(team)][e];
                const std::array<int, 5> bat{b.hits, b.walks, b.strikeouts, b.homeRuns, b.runs};
                const std::array<int, 5> all{p.hits, p.walks, p.strikeouts, p.homeRuns, p.runs};
                for (std::size_t k = 0; k < 5; ++k) batting[k] += bat[k], allowed[k] += all[k];
                outs += game.state.outsRecorded[static_cast<std::size_t>(otherTeam(team))]
                                               [static_cast<std::size_t>(e)];
            }
            EXPECT_EQ(batting, allowed) << "team " << team;
            int lineScore = 0;
            for (int column = 1; column <= 30; ++column)
                lineScore += result.runsByInning[static_cast<std::size_t>(team)]
                                                [static_cast<std::size_t>(column)];
            EXPECT_EQ(batting[4], result.score[static_cast<std::size_t>(team)]) << team;
            EXPECT_EQ(lineScore, result.score[static_cast<std::size_t>(team)]) << team;
            // The visitors bat every half they are due; the home side may stop short.
            if (team == kVisitors) {
                EXPECT_EQ(outs, 3 * result.innings);
            } else {
                EXPECT_GE(outs, 3 * (result.innings - 1));
                EXPECT_LE(outs, 3 * result.innings);
            }
        }
    }
}

}  // namespace
}  // namespace vrk
