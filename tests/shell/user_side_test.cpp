#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "core/text_fields.h"
#include "data/team_file.h"
#include "managers/user_moves.h"
#include "presentation/console_keys.h"
#include "presentation/console_memory.h"
#include "screens/strategy_window.h"
#include "shell/batch_rules.h"
#include "shell/config_file.h"
#include "shell/displayed_game.h"
#include "test_paths.h"

namespace vrk {
namespace {

class CardLines final : public ScoreCardSink {
  public:
    void entry(int team, int, char code, std::string_view text) override {
        lines.push_back(std::to_string(team) + code + std::string(text));
    }
    bool has(std::string_view text) const {
        for (const std::string& l : lines)
            if (l.find(text) != std::string::npos) return true;
        return false;
    }
    std::vector<std::string> lines;
};

// A displayed game at delay 0 between two shipped teams, both sides
// managed from the keyboard; the engine's questions go to the computer's
// rule (AUTOCOACH, AUTODEFENSE) so that only the script's keys are read.
struct UserGame {
    Session session;
    TeamSlots teams;
    LeagueContext normalization;
    std::unique_ptr<Game> game;
    AutoManagerCounters counters;
    AutoManagerHooks managers{counters};
    CardLines card;

    UserGame() {
        session.config.homeDir = test::sourceHome();
        readConfigFile(std::string(test::sourceHome()) + "/BASEBALL.CFG", session.config,
                       ConfigReadMode::Startup);
        session.config.autoCoach = true;
        session.config.autoDefense = true;
        LoadPlayByPlayFromHome(session.catalogue, session.config.homeDir);
        session.rng = Rng(11);
        EXPECT_FALSE(loadTeamPair(teams, "CAMHAVEN", "FELVORA", session.config).abort);
        game = std::make_unique<Game>(teams, normalization, session.config, session.rng);
        game->options.displayed = true;
        game->options.playDelay = 0;
        game->options.userManaged = {false, true, true};
        game->scoreCard = &card;
    }

    DisplayedGameOutcome play(MemoryConsole& console) {
        UserSideManager user(console, managers);
        DisplayedGameSettings settings;
        settings.managers = &managers;
        settings.userSide = &user;
        settings.strategyWindow = [&user](Console&, Session&, Game& g, int team) {
            user.openStrategyWindow(g, team);
        };
        game->decisions = &user;
        return playDisplayedGame(console, session, *game, settings);
    }

    void expectBalancedBooks(const GameResult& result) const {
        for (int team = kVisitors; team <= kHome; ++team) {
            std::array<int, 5> batting{}, allowed{};
            for (int e = 1; e <= kMaxRosterEntries; ++e) {
                const BatterCounters& b = game->counters.batter[team][e];
                const PitcherCounters& p = game->counters.pitcher[otherTeam(team)][e];
                const std::array<int, 5> bat{b.hits, b.walks, b.strikeouts, b.homeRuns, b.runs};
                const std::array<int, 5> all{p.hits, p.walks, p.strikeouts, p.homeRuns, p.runs};
                for (std::size_t k = 0; k < 5; ++k) batting[k] += bat[k], allowed[k] += all[k];
            }
            EXPECT_EQ(batting, allowed) << "team " << team;
            int lineScore = 0;
            for (int column = 1; column <= 10; ++column)
                lineScore += game->state.lineScore[team][column];
            EXPECT_EQ(batting[4], result.score[team]) << "team " << team;
            EXPECT_EQ(lineScore, result.score[team]) << "team " << team;
        }
    }
};

TEST(UserSide, MenusShowTheirItems) {
    const std::vector<std::string> off = OffenceMenu(false);
    ASSERT_EQ(off.size(), 9u);
    EXPECT_EQ(off[4].substr(0, 15), "% Call Bullpen ") << "disabled without the warm-up rule";
    EXPECT_EQ(OffenceMenu(true)[4].substr(0, 14), " Call Bullpen ");
    const std::vector<std::string> def = DefenceMenu();
    ASSERT_EQ(def.size(), 10u);
    EXPECT_EQ(def[0].substr(0, 13), " Visit Mound ");
    EXPECT_EQ(def[9].substr(0, 14), " Pitch-Around ");
}

TEST(UserSide, PinchHitterWithARefusalKeepsTheBooks) {
    UserGame g;
    MemoryConsole console(24, 80);
    // First pitch: the visitors' window, Pinch Hit; the first name on the
    // bench list is the starting pitcher (refused), the next one bats.
    for (std::string_view k : std::initializer_list<std::string_view>{
             "s", kKeyEnter, kKeyEnter, kKeyEnter, kKeyDown, kKeyEnter})
        console.pushKey(k);
    console.pushQuietPolls();
    console.pushKey("q");
    const DisplayedGameOutcome outcome = g.play(console);
    ASSERT_TRUE(outcome.completed);
    EXPECT_TRUE(console.shownAtSomeWait("Already used as a pitcher! Try again."));
    EXPECT_TRUE(g.card.has("(for PH)"));
    g.expectBalancedBooks(outcome.result);
}

// A steal or hit-and-run with nobody on is refused in the window itself and
// the menu comes back; nothing waits for a key at the pitch.
TEST(UserSide, NothingToSendIsRefusedInTheWindow) {
    for (const int downs : {6, 8}) {
        UserGame g;
        MemoryConsole console(24, 80);
        UserSideManager user(console, g.managers);
        for (int i = 0; i < downs; ++i) console.pushKey(kKeyDown);
        for (std::string_view k : {kKeyEnter, kKeyEnter, kKeyEscape}) console.pushKey(k);
        user.openStrategyWindow(*g.game, kVisitors);
        EXPECT_TRUE(console.shownAtSomeWait(std::string(trim(kNoBaserunners)))) << downs;
        EXPECT_FALSE(g.game->flags.stealCall || g.game->flags.hitAndRunCall) << downs;
        EXPECT_EQ(console.dryReads(), 0) << "the menu came back for the last Escape";
    }
}

// The visitors choose Steal on the first pitch, both sides managed from
// the keyboard: after the refusal and leaving the menu, the game plays to
// its end bar and the books balance.
TEST(UserSide, StealOnTheFirstPitchNeverStrandsTheUser) {
    UserGame g;
    MemoryConsole console(24, 80);
    console.pushKey("s");
    for (int i = 0; i < 6; ++i) console.pushKey(kKeyDown);
    for (std::string_view k : {kKeyEnter, kKeyEscape, kKeyEscape}) console.pushKey(k);
    console.pushQuietPolls();
    console.pushKey("q");
    const DisplayedGameOutcome outcome = g.play(console);
    ASSERT_TRUE(outcome.completed);
    EXPECT_EQ(console.dryReads(), 0);
    g.expectBalancedBooks(outcome.result);
}

}  // namespace
}  // namespace vrk
