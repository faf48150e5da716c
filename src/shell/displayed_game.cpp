#include "shell/displayed_game.h"
#include "core/text_fields.h"

#include <cctype>
#include <memory>

#include "managers/warmup.h"
#include "presentation/console_keys.h"
#include "presentation/console_narration.h"
#include "presentation/console_sound.h"
#include "presentation/score_card_recorder.h"
#include "presentation/status_bar.h"
#include "screens/debug_statistics_screen.h"
#include "screens/end_of_game_bar.h"
#include "screens/game_messages.h"
#include "screens/quit_pending.h"

namespace vrk {

namespace {

// Thrown through the engine when the user stops a game in its middle. It is
// no std::exception, so the engine's own fault handlers let it pass; the
// game is left half played and not recorded.
struct GameStopped {
    AfterGame after;
};

constexpr std::string_view kNoGamesYet =
    " The standings are shown once a game of the simulation has been played. ";

ScoreboardColours boardColours(const Config& config) {
    return {config.fieldTextColor + 16 * config.fieldBackColor, 0 + 16 * config.fieldBackColor};
}

FieldColours fieldColours(const Config& config) {
    FieldColours c;
    c.field = config.fieldTextColor + 16 * config.fieldBackColor;
    c.fieldDark = 0 + 16 * config.fieldBackColor;
    return c;
}

// Keeps the game's score card for the viewer and passes every entry on to
// the sink the caller set (the per-game files).
class ShownScoreCard final : public ScoreCardSink {
  public:
    ShownScoreCard(const Game& game, ScoreCardSink& next) : recorder_(game), next_(next) {}
    void entry(int team, int player, char code, std::string_view text) override {
        recorder_.entry(team, player, code, text);
        next_.entry(team, player, code, text);
    }
    std::vector<std::string> lines(const Game& game) const {
        const TeamRefs teams{nullptr, &game.team(kVisitors), &game.team(kHome)};
        return ScoreCardLines(recorder_.card(), teams);
    }

  private:
    ScoreCardRecorder recorder_;
    ScoreCardSink& next_;
};

void notAvailable(Console& console, std::string_view what) {
    tellUser(console, concat({" ", what, " not available yet. "}));
}

// The watch-mode keys between passes, and the input of a user-managed
// side, for one displayed game.
class GameKeys final : public Pacer, public ManagerHooks {
  public:
    GameKeys(Console& console, Session& session, Game& game, ConsoleNarration& narration,
             const ShownScoreCard& card, AutoManagerHooks& managers,
             const DisplayedGameSettings& settings, DisplayedGameOutcome& outcome)
        : console_(console),
          session_(session),
          game_(game),
          narration_(narration),
          card_(card),
          managers_(managers),
          settings_(settings),
          outcome_(outcome) {}

    void drawAll() {
        narration_.drawScreen();
        drawBar();
        drawnAt_ = console_.resizeCount();
    }

    // Pacer
    void wait(int milliseconds) override {
        if (milliseconds > 0) console_.sleepMs(milliseconds);
    }
    bool pollKey() override { return handle(console_.pollKey()); }

    // ManagerHooks of a user-managed side: its keys, then its manager.
    void input(Game& game) override {
        handle(console_.pollKey());
        if (settings_.userSide) settings_.userSide->input(game);
    }
    void autoManage(Game& game) override {
        if (settings_.userSide) settings_.userSide->autoManage(game);
    }
    int substitutions(Game& game) override {
        return settings_.userSide ? settings_.userSide->substitutions(game) : 0;
    }
    bool doubleSwitch(Game& game, int reliever) override {
        return settings_.userSide && settings_.userSide->doubleSwitch(game, reliever);
    }
    int replacePitcher(Game& game, int team) override {
        return settings_.userSide ? settings_.userSide->replacePitcher(game, team) : 0;
    }
    // The computer managers hand the warm-up clock to a user side's manager
    // once there is one; without a strategy menu it stays theirs, so a game
    // goes the same with or without this object in between.
    void warmups(Game& game) override {
        if (settings_.userSide) {
            settings_.userSide->warmups(game);
        } else {
            WarmUpClock(game, managers_.bullpen());
        }
    }

  private:
    bool watching() const {
        return !game_.state.display.userManaged[1] && !game_.state.display.userManaged[2];
    }
    char visitorsKey() const { return 'S'; }
    char homeKey() const { return settings_.concealed ? '5' : 'S'; }

    void drawBar() {
        StatusBarSettings bar;
        bar.mode = std::string(modeName(settings_.mode));
        bar.playDelay = game_.state.display.playDelay;
        bar.bar = watching() ? KeyBar::Watch : KeyBar::UserSide;
        bar.visitorsKey = game_.state.display.userManaged[1];
        bar.homeKey = game_.state.display.userManaged[2];
        bar.visitorsLetter = visitorsKey();
        bar.homeLetter = homeKey();
        zones_ = drawStatusBar(console_, bar);
    }

    // A window of another screen over the game, then the game again.
    template <typename F>
    void over(F&& show) {
        console_.pushScreen();
        show();
        console_.popScreen();
        drawAll();
    }

    char keyOf(const std::string& code) const {
        if (isMouseCode(code)) return hotZoneKey(zones_, code);
        if (code.size() != 1) return 0;
        return static_cast<char>(std::toupper(static_cast<unsigned char>(code[0])));
    }

    bool handle(const std::string& code) {
        if (console_.resizeCount() != drawnAt_) drawAll();
        const char key = keyOf(code);
        if (key == 0) return false;
        switch (key) {
            case 'O':
                over([&] {
                    if (settings_.optionsWindow) {
                        settings_.optionsWindow(console_, session_, game_);
                    } else {
                        openInGameOptions(console_, session_, game_, outcome_.watch);
                    }
                    // A changed scheme is applied at once; the rest is read as
                    // the game goes on.
                    narration_.announcerOn = outcome_.watch.announcer;
                    narration_.setColours(boardColours(session_.config),
                                          fieldColours(session_.config));
                });
                return true;
            case 'R':
                if (!watching()) return false;
                if (session_.completedGames == 0) {
                    tellUser(console_, kNoGamesYet);
                } else if (settings_.standings) {
                    over([&] { settings_.standings(console_, session_); });
                } else {
                    notAvailable(console_, "The standings are");
                }
                return true;
            case 'B':
                over([&] { showBoxScoreSoFar(console_, session_.config, game_); });
                return true;
            case 'C':
                over([&] { showScoreCard(console_, session_.config, card_.lines(game_)); });
                return true;
            case 'D':
                if (watching()) return false;
                showDocumentation(console_, session_.config);
                return true;
            case 'T':
                if (!watching() || game_.state.display.playDelay != 0) return false;
                toggleStandingsMode();
                return true;
            case 'Q':
            case kInterruptKey:
                quit();
                return true;
            default:
                break;
        }
        for (int team = 1; team <= 2; ++team) {
            const char mine = team == 1 ? visitorsKey() : homeKey();
            if (!game_.state.display.userManaged[static_cast<std::size_t>(team)] || key != mine)
                continue;
            over([&] {
                if (settings_.strategyWindow) {
                    settings_.strategyWindow(console_, session_, game_, team);
                } else {
                    notAvailable(console_, "The strategy window is");
                }
            });
            return true;
        }
        return false;
    }

    void toggleStandingsMode() {
        if (!outcome_.standingsOnly &&
            (outcome_.watch.pauseAfterGame || outcome_.watch.pauseAfterDate)) {
            tellUser(console_, kStandingsModeRefused, kRefusalAttribute);
            return;
        }
        outcome_.standingsOnly = !outcome_.standingsOnly;
        game_.state.display.showPlayByPlay = !outcome_.standingsOnly;
        if (outcome_.standingsOnly && settings_.standings) {
            settings_.standings(console_, session_);
        } else {
            drawAll();
        }
    }

    void quit() {
        const bool schedule = settings_.mode == GameMode::Schedule;
        const QuitChoice choice =
            askQuitPending(console_, quitVariantFor(schedule, !outcome_.standingsOnly));
        switch (choice) {
            case QuitChoice::Continue:
                return;
            case QuitChoice::QuitPending:
                outcome_.quitPending = true;
                return;
            case QuitChoice::EndProgram:
            case QuitChoice::MainMenu:
                if (settings_.saveStatistics) settings_.saveStatistics(console_, session_);
                if (schedule && settings_.saveScheduleState)
                    settings_.saveScheduleState(console_, session_);
                throw GameStopped{choice == QuitChoice::MainMenu ? AfterGame::MainMenu
                                                                 : AfterGame::EndProgram};
        }
    }

    Console& console_;
    Session& session_;
    Game& game_;
    ConsoleNarration& narration_;
    const ShownScoreCard& card_;
    AutoManagerHooks& managers_;
    const DisplayedGameSettings& settings_;
    DisplayedGameOutcome& outcome_;
    std::vector<HotZone> zones_;
    int drawnAt_ = -1;
};

GameBarActions barActions(Console& console, Session& session, const Game* game,
                          const std::vector<std::string>* card,
                          const DisplayedGameSettings& settings) {
    GameBarActions a;
    if (game) {
        a.boxScore = [&console, &session, game] {
            showBoxScoreSoFar(console, session.config, *game);
        };
    }
    if (card) {
        a.scoreCard = [&console, &session, card] { showScoreCard(console, session.config, *card); };
    }
    if (settings.standings) a.standings = [&] { settings.standings(console, session); };
    if (settings.statisticsReport)
        a.statisticsReport = [&] { settings.statisticsReport(console, session); };
    a.documentation = [&] { showDocumentation(console, session.config); };
    if (settings.mode == GameMode::Schedule && settings.saveScheduleState)
        a.saveScheduleState = [&] { settings.saveScheduleState(console, session); };
    return a;
}

}  // namespace

std::string_view modeName(GameMode mode) {
    switch (mode) {
        case GameMode::Manual:
            return "Manual  ";
        case GameMode::TwoTeam:
            return "Two-Team";
        case GameMode::Schedule:
            return "Schedule";
        case GameMode::Series:
            return "Series  ";
    }
    return "Manual  ";
}

DisplayedGameOutcome playDisplayedGame(Console& console, Session& session, Game& game,
                                       const DisplayedGameSettings& settings) {
    DisplayedGameOutcome outcome;
    outcome.watch.announcer = settings.announcer;
    outcome.watch.pauseAfterGame = settings.pauseAfterGame;
    outcome.watch.pauseAfterDate = settings.pauseAfterDate;
    AutoManagerCounters ownCounters;
    std::unique_ptr<AutoManagerHooks> ownManagers;
    AutoManagerHooks* managers = settings.managers;
    if (!managers) {
        ownManagers = std::make_unique<AutoManagerHooks>(ownCounters);
        managers = ownManagers.get();
    }

    ConsoleNarration narration(console, session.catalogue,
                               DefaultAnnouncerEnvironment(session.config.announcer));
    Narration* const oldNarration = game.narration;
    Pacer* const oldPacer = game.pacer;
    ErrorSink* const oldErrors = game.errors;
    SoundSink* const oldSound = game.sound;
    ManagerHooks* const oldManagers = game.managers;
    ScoreCardSink* const oldScoreCard = game.scoreCard;
    ShownScoreCard card(game, *oldScoreCard);
    game.scoreCard = &card;
    narration.attach(game);
    narration.announcerOn = settings.announcer;
    narration.setColours(boardColours(session.config), fieldColours(session.config));
    GameKeys keys(console, session, game, narration, card, *managers, settings, outcome);
    game.pacer = &keys;
    game.managers = managers;
    managers->setUserSide(&keys);

    SystemSoundPlayer player;
    SoundSettings sound;
    sound.homeFolder = session.config.homeDir;
    sound.homeRunWav = session.config.homeRunWav;
    ConsoleSound consoleSound(console, player, sound, session.seed + 1);
    game.sound = &consoleSound;

    // The game's state is set up by the engine as the game starts; until
    // then the screen shows the line-ups the game will start with.
    game.state.display.showPlayByPlay = game.options.displayed;
    game.state.display.userManaged = game.options.userManaged;
    game.state.display.playDelay = game.options.playDelay;
    console.clear(7);
    keys.drawAll();

    const int savedBefore = console.savedScreens();
    try {
        outcome.result = PlayManagedGame(game, *managers);
        outcome.completed = true;
    } catch (const GameStopped& stopped) {
        outcome.after = stopped.after;
        // A game stopped in a window leaves its saved screen behind.
        while (console.savedScreens() > savedBefore) console.popScreen();
    }
    managers->setUserSide(nullptr);

    if (outcome.completed) {
        if (settings.gameOver) settings.gameOver(game, outcome.result);
        EndOfGameBarSettings bar;
        bar.mode = std::string(modeName(settings.mode));
        bar.simulation = settings.simulation;
        bar.lastGame = settings.lastGame;
        bar.continuesByItself = settings.continuesByItself;
        const std::vector<std::string> cardLines = card.lines(game);
        GameBarActions actions = barActions(console, session, &game, &cardLines, settings);
        // The closing window, drawn again over the new screen.
        actions.redraw = [&] { narration.drawScreenAndWindow(); };
        outcome.after = runEndOfGameBar(console, bar, actions) == BarChoice::MainMenu
                            ? AfterGame::MainMenu
                            : AfterGame::NextGame;
        narration.closeWindow();
    }
    game.narration = oldNarration;
    game.pacer = oldPacer;
    game.errors = oldErrors;
    game.sound = oldSound;
    game.managers = oldManagers;
    game.scoreCard = oldScoreCard;
    return outcome;
}

AfterGame endOfSimulation(Console& console, Session& session, const DisplayedGameSettings& settings,
                          Game* lastGame) {
    if (session.run.debug == "Y" && settings.counters && settings.record)
        showDebugStatistics(console, debugStatisticsLines(*settings.counters, *settings.record));
    EndOfGameBarSettings bar;
    bar.mode = std::string(modeName(settings.mode));
    bar.simulation = settings.simulation;
    GameBarActions actions = barActions(console, session, lastGame, nullptr, settings);
    actions.redraw = [&console] { console.clear(7); };
    console.clear(7);
    return runEndOfSimulation(console, bar, actions) == SimulationEnd::MainMenu
               ? AfterGame::MainMenu
               : AfterGame::EndProgram;
}

}  // namespace vrk
