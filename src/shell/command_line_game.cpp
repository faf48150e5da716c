#include "shell/command_line_game.h"

#include <algorithm>
#include <memory>

#include "data/team_file.h"
#include "managers/auto_lineup.h"
#include "managers/batting_order.h"
#include "managers/starters.h"
#include "screens/game_messages.h"
#include "screens/strategy_window.h"
#include "shell/batch_game.h"
#include "shell/batch_rules.h"
#include "shell/designated_hitter_lineup.h"
#include "shell/displayed_game.h"

namespace vrk {

namespace {

constexpr int kShortestManualDelay = 2;
constexpr int kManualDelayInstead = 3;

bool userManages(const RunSettings& run, const std::string& team) {
    return std::find(run.userManagedTeams.begin(), run.userManagedTeams.end(), team) !=
           run.userManagedTeams.end();
}

}  // namespace

bool commandLineGameRequested(const RunSettings& run) {
    return !run.visitor.empty() && !run.home.empty() && !run.schedulePlay && !run.seriesPlay;
}

bool playCommandLineGame(Console& console, Session& session) {
    const RunSettings& run = session.run;
    TeamSlots teams;
    const TeamLoadResult load = loadTeamPair(teams, run.visitor, run.home, session.config);
    for (const std::string& warning : load.warnings) tellUser(console, warning, kRefusalAttribute);
    if (load.abort) return true;

    const BatchRules rules = batchRulesFrom(run, session.config);
    AutoManagerCounters counters;
    RotationTable rotations;
    AutoManagerHooks managers(counters, &rotations);
    SimulationRecord record;
    auto game =
        std::make_unique<Game>(teams, rules.normalization.context, session.config, session.rng);
    GameOptions& o = game->options;
    o.regressionOption = rules.regression;
    o.normalizeMode = rules.normalizeMode;
    o.normalizationHomeRunRate = rules.normalization.homeRunRate;
    const std::string dhChoice = run.dhRule.empty() ? "H" : run.dhRule;
    o.designatedHitter = designatedHitterGame(dhChoice, teams[1], teams[2], false);
    for (int t = 1; t <= 2; ++t) fitLineupToRule(teams[t], o.designatedHitter);
    o.automaticRunner = automaticRunnerGame(rules.autoRunnerChoice, teams[2], false);
    o.userManaged = {false, userManages(run, run.visitor), userManages(run, run.home)};
    const bool anyUser = o.userManaged[1] || o.userManaged[2];
    int delay = run.delaySet ? run.delay : session.config.mModeDelay;
    if (!run.delaySet && delay < kShortestManualDelay) delay = kManualDelayInstead;
    // Quick play is for games the computer manages on both sides.
    if (delay == 0 && anyUser) delay = kManualDelayInstead;
    o.playDelay = std::clamp(delay, 0, 7);
    o.displayed = true;
    o.sound = (run.sound.empty() ? session.config.mModeSound == 'Y' : run.sound == "Y") &&
              o.playDelay > 0;
    game->record = &record;

    ChooseStarters(*game, rotations, rules.rotation);
    for (int t = 1; t <= 2; ++t) {
        const auto i = static_cast<std::size_t>(t);
        const bool changed = rules.autoLineup[i] && AUTOLINEUP(*game, t);
        BattingOrder(*game, t, rules.battingOrder[i], changed);
    }

    DisplayedGameSettings settings;
    settings.mode = GameMode::Manual;
    settings.managers = &managers;
    settings.counters = &counters;
    settings.record = &record;
    // A side named with /VM:+ or /HM:+ is the user's to manage, as in Manual mode.
    UserSideManager user(console, managers);
    if (anyUser) {
        settings.userSide = &user;
        settings.strategyWindow = [&user](Console&, Session&, Game& g, int team) {
            user.openStrategyWindow(g, team);
        };
        game->decisions = &user;
    }
    const DisplayedGameOutcome outcome = playDisplayedGame(console, session, *game, settings);
    if (outcome.completed) ++session.completedGames;
    switch (outcome.after) {
        case AfterGame::EndProgram:
            return false;
        case AfterGame::MainMenu:
            return true;
        case AfterGame::NextGame:
            break;
    }
    return endOfSimulation(console, session, settings, game.get()) == AfterGame::MainMenu;
}

}  // namespace vrk
