#include "shell/game_modes.h"

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "core/text_fields.h"
#include "reports/standings_table.h"
#include "screens/standings_screen.h"
#include "screens/strategy_window.h"
#include "shell/displayed_game.h"
#include "shell/file_actions.h"

namespace vrk {

namespace {

constexpr int kStatusAttribute = 0 + 16 * 7;

// The run's two clubs as the standings screen shows them.
ClubStandings Clubs(const GameSetup& setup, const TwoTeamTally& tally) {
    ClubStandings table;
    for (int t = 1; t <= 2; ++t) {
        const auto i = static_cast<std::size_t>(t);
        const Team& team = setup.teams[i];
        ClubStanding& club =
            StandingsClub(table, team.league, team.division, std::string(trim(team.teamName)));
        club.wins += tally.wins[i];
        club.losses += tally.wins[3 - i];
    }
    RecomputeStandingsKeys(table);
    SortStandingsTable(table);
    return table;
}

void Count(TwoTeamTally& tally, const GameResult& result) {
    ++tally.games;
    ++tally.wins[static_cast<std::size_t>(result.winner)];
    tally.runs[1] += result.score[1];
    tally.runs[2] += result.score[2];
}

void StatusLine(Console& console, const std::string& text) {
    console.printAt(
        console.rows(), 1,
        padRight(" VRK v4.9.4b  Two-Team  " + text, static_cast<std::size_t>(console.cols())),
        kStatusAttribute);
}

bool StopAsked(Console& console) {
    for (std::string key = console.pollKey(); !key.empty(); key = console.pollKey())
        if (key == "Q" || key == "q" || key == "\x1b") return true;
    return false;
}

// The standings in the wide layout, with how far the run has come and the
// runs each side scores a game.
void DrawRunStandings(Console& console, const GameSetup& setup, const TwoTeamTally& tally) {
    const int last = DrawStandings(console, Clubs(setup, tally), StandingsLayout::Wide);
    const int left = playAreaLeft(console.cols());
    console.printAt(
        last + 2, left + 3,
        "Game " + std::to_string(tally.games) + " of " + std::to_string(setup.twoTeam.games), 7);
    std::string runs = "Runs per game:";
    for (int t = 1; t <= 2; ++t) {
        const auto i = static_cast<std::size_t>(t);
        char figure[16];
        std::snprintf(figure, sizeof figure, " %.2f",
                      tally.games > 0 ? static_cast<double>(tally.runs[i]) / tally.games : 0.0);
        runs += concat({"  ", trim(setup.teams[i].teamName), figure});
    }
    console.printAt(last + 3, left + 3, runs, 7);
    console.refresh();
}

void ShowQuietTable(Console& console, const GameSetup& setup, const TwoTeamTally& tally) {
    DrawRunStandings(console, setup, tally);
    StatusLine(console, "Q: stop after this game");
}

DisplayedGameSettings SettingsFor(const GameSetup& setup, BatchCarry& carry) {
    DisplayedGameSettings s;
    s.mode = setup.mode == 'M' ? GameMode::Manual : GameMode::TwoTeam;
    s.simulation = setup.mode == 'T';
    s.concealed = setup.conceal;
    s.managers = &carry.managers;
    s.counters = &carry.managerCounters;
    s.record = &carry.record;
    if (setup.mode == 'T') {
        s.pauseAfterGame = setup.simulation.pauseAfterGame;
        s.pauseAfterDate = setup.simulation.pauseAfterDate;
        s.continuesByItself = !s.pauseAfterGame;
    }
    return s;
}

RunEnd EndOf(AfterGame after) {
    return after == AfterGame::EndProgram ? RunEnd::EndProgram : RunEnd::MainMenu;
}

}  // namespace

RunEnd runTwoTeamGames(Console& console, Session& session, GameSetup& setup, TwoTeamTally& tally) {
    bool quiet = setup.standingsOnly();
    const int total = setup.twoTeam.games;
    auto carry = std::make_unique<BatchCarry>();
    DisplayedGameSettings settings = SettingsFor(setup, *carry);
    settings.standings = [&](Console& c, Session&) {
        ClubStandings table = Clubs(setup, tally);
        ShowStandingsScreen(c, table, StandingsLayout::Wide, carry->record.highlights);
    };
    // Counted at the last out, so the bar's standings hold the game.
    settings.gameOver = [&](const Game&, const GameResult& result) { Count(tally, result); };
    if (quiet) ShowQuietTable(console, setup, tally);
    for (int g = 1; g <= total; ++g) {
        // Teams are read afresh for every game, as each game starts from the file.
        if (g > 1 && !reloadTeams(console, session, setup)) return RunEnd::Failed;
        auto game = std::make_unique<Game>(setup.teams, setup.rules.normalization.context,
                                           session.config, session.rng);
        prepareGame(*game, setup, *carry, !quiet);
        if (quiet) {
            Count(tally, PlayManagedGame(*game, carry->managers));
            ++session.completedGames;
            ShowQuietTable(console, setup, tally);
            if (g < total && StopAsked(console)) {
                StatusLine(console, kQuitPending);
                return RunEnd::Stopped;
            }
            continue;
        }
        settings.lastGame = g == total;
        const DisplayedGameOutcome outcome = playDisplayedGame(console, session, *game, settings);
        if (!outcome.completed) return EndOf(outcome.after);
        ++session.completedGames;
        settings.announcer = outcome.watch.announcer;
        settings.pauseAfterGame = outcome.watch.pauseAfterGame;
        settings.pauseAfterDate = outcome.watch.pauseAfterDate;
        settings.continuesByItself = !settings.pauseAfterGame;
        if (outcome.after != AfterGame::NextGame) return EndOf(outcome.after);
        if (outcome.quitPending && g < total) return RunEnd::Stopped;
        if (outcome.standingsOnly) {
            quiet = true;
            ShowQuietTable(console, setup, tally);
        }
    }
    tally.standingsOnly = quiet;
    if (!quiet) {
        settings.lastGame = true;
        return EndOf(endOfSimulation(console, session, settings, nullptr)) == RunEnd::EndProgram
                   ? RunEnd::EndProgram
                   : RunEnd::Finished;
    }
    return RunEnd::Finished;
}

bool runManualMode(Console& console, Session& session) {
    auto setup = std::make_unique<GameSetup>();
    if (!setUpManualGame(console, session, *setup)) return true;
    showBeginScreen(console, session, *setup);
    auto carry = std::make_unique<BatchCarry>();
    auto game = std::make_unique<Game>(setup->teams, setup->rules.normalization.context,
                                       session.config, session.rng);
    prepareGame(*game, *setup, *carry, true);
    DisplayedGameSettings settings = SettingsFor(*setup, *carry);
    UserSideManager user(console, carry->managers);
    if (setup->userManages(1) || setup->userManages(2)) {
        settings.userSide = &user;
        settings.strategyWindow = [&user](Console&, Session&, Game& g, int team) {
            user.openStrategyWindow(g, team);
        };
        game->decisions = &user;
    }
    const DisplayedGameOutcome outcome = playDisplayedGame(console, session, *game, settings);
    if (outcome.completed) ++session.completedGames;
    if (outcome.after != AfterGame::NextGame) return outcome.after != AfterGame::EndProgram;
    return endOfSimulation(console, session, settings, game.get()) != AfterGame::EndProgram;
}

bool runTwoTeamMode(Console& console, Session& session) {
    auto setup = std::make_unique<GameSetup>();
    if (!setUpTwoTeamGames(console, session, *setup)) return true;
    if (!setup->standingsOnly()) showBeginScreen(console, session, *setup);
    TwoTeamTally tally;
    const RunEnd end = runTwoTeamGames(console, session, *setup, tally);
    switch (end) {
        case RunEnd::EndProgram:
            return false;
        case RunEnd::MainMenu:
        case RunEnd::Failed:
            return true;
        case RunEnd::Finished:
        case RunEnd::Stopped:
            break;
    }
    if (!tally.standingsOnly && end == RunEnd::Finished) return true;
    DrawRunStandings(console, *setup, tally);
    // Below the table, which stays in view.
    const ScreenLayout l = layoutFor(console.rows(), console.cols());
    console.messageBox(l.top + 16, l.left + 18,
                       end == RunEnd::Finished
                           ? "Your Two-Team game simulation is complete! |"
                             "Hit any key for the Main Menu."
                           : "The simulation was stopped.|Hit any key for the Main Menu.",
                       15 + 16 * 4);
    return true;
}

}  // namespace vrk
