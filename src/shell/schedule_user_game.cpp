#include "shell/schedule_user_game.h"

#include <algorithm>

#include "managers/rotation.h"
#include "screens/file_viewer.h"
#include "screens/manual_manage_screen.h"
#include "screens/standings_screen.h"
#include "screens/statistics_report_screen.h"
#include "screens/strategy_window.h"
#include "shell/displayed_game.h"
#include "shell/schedule_standings.h"

namespace vrk {

namespace {

constexpr int kShortestDelay = 2;
constexpr int kDelayInstead = 3;

std::vector<int> RotationOf(const RotationTable& rotations, const Team& team) {
    std::vector<int> entries;
    if (const RotationRecord* record = rotations.find(team.teamFileName)) {
        const int size = RotationSize(record->method, team);
        for (int i = 1; i <= std::min(size, 5); ++i)
            if (record->starters[static_cast<std::size_t>(i)] > 0)
                entries.push_back(record->starters[static_cast<std::size_t>(i)]);
    }
    return entries;
}

StandingsSide SideOf(const Game& game, int t, const GameResult& result) {
    const Team& team = game.team(t);
    return {team.league, team.division, shownTeamName(team),
            result.score[static_cast<std::size_t>(t)]};
}

ManualManageRequest RequestFor(const UserGame& user, const Config& config) {
    ManualManageRequest request;
    request.number = user.number;
    request.total = user.total;
    request.designatedHitter = user.game.options.designatedHitter;
    request.daysOffRule = config.daysOffRule;
    for (int t = 1; t <= 2; ++t) {
        const auto i = static_cast<std::size_t>(t);
        if (!user.userSide[i]) continue;
        ManualManageSide& side = request.sides[i];
        side.own = &user.game.team(t);
        side.opponent = &user.game.team(3 - t);
        side.candidates = StarterCandidates(RotationOf(user.carry.rotations, *side.own),
                                            user.game.options.starter[i]);
    }
    return request;
}

// The pace of a game the user manages or watches: the manual game's delay
// (never so short that the play cannot be followed), with its sound.
void ShowOnScreen(GameOptions& o, const Config& config) {
    int delay = config.mModeDelay < kShortestDelay ? kDelayInstead : config.mModeDelay;
    o.playDelay = std::clamp(delay, 1, 7);
    o.displayed = true;
    o.sound = config.mModeSound == 'Y';
}

}  // namespace

void showReplayStandings(Console& console, const StandingsTable& table,
                         const std::vector<Highlight>& highlights,
                         const std::optional<std::pair<StandingsSide, StandingsSide>>& extra) {
    StandingsTable withGame = table;
    if (extra) (void)CreditStandings(withGame, extra->first, extra->second);
    ClubStandings clubs = ClubsOfReplay(withGame);
    ShowStandingsScreen(console, clubs, StandingsLayout::Narrow, highlights);
}

UserGameOutcome playScheduleUserGame(Console& console, Session& session, UserGame& user,
                                     ReplayConsoleState& state) {
    Game& game = user.game;
    prepareUndisplayedGame(game, user.rules, user.carry);
    const ManualManageAnswer answer =
        RunManualManageOptions(console, RequestFor(user, session.config));
    if (answer.quit) {
        state.quitPending = true;
        return {};
    }
    for (int t = 1; t <= 2; ++t) {
        const auto i = static_cast<std::size_t>(t);
        if (answer.starter[i] > 0) game.options.starter[i] = answer.starter[i];
    }
    if (answer.play == UserGamePlay::Simulate)
        return {true, PlayManagedGame(game, user.carry.managers)};

    ShowOnScreen(game.options, session.config);
    const bool manage = answer.play == UserGamePlay::Manage;
    if (manage) game.options.userManaged = {false, user.userSide[1], user.userSide[2]};

    DisplayedGameSettings settings;
    settings.mode = GameMode::Schedule;
    settings.simulation = true;
    settings.lastGame = user.number >= user.total;
    settings.managers = &user.carry.managers;
    settings.counters = &user.carry.managerCounters;
    settings.record = &user.carry.record;
    UserSideManager userSide(console, user.carry.managers);
    Decisions* const oldDecisions = game.decisions;
    if (manage) {
        settings.userSide = &userSide;
        settings.strategyWindow = [&userSide](Console&, Session&, Game& g, int team) {
            userSide.openStrategyWindow(g, team);
        };
        game.decisions = &userSide;
    }
    std::optional<std::pair<StandingsSide, StandingsSide>> over;
    settings.gameOver = [&over](const Game& g, const GameResult& result) {
        over.emplace(SideOf(g, kVisitors, result), SideOf(g, kHome, result));
    };
    settings.standings = [&](Console& c, Session&) {
        showReplayStandings(c, user.standings, user.carry.record.highlights, over);
    };
    if (!session.run.statsSet.empty()) {
        settings.statisticsReport = [](Console& c, Session& s) {
            // What the set held at its last save.
            std::string name = s.run.statsSet;
            const auto outcome = StatisticsReportScreen(c, s.config, name);
            if (outcome && outcome->status == ReportStatus::Written)
                viewTextFile(c, s.config, outcome->path);
        };
    }
    const DisplayedGameOutcome outcome = playDisplayedGame(console, session, game, settings);
    game.decisions = oldDecisions;
    if (!outcome.completed) {
        state.quitPending = true;
        state.endProgram = outcome.after == AfterGame::EndProgram;
        return {};
    }
    if (outcome.quitPending || outcome.after == AfterGame::MainMenu) state.quitPending = true;
    return {true, outcome.result};
}

}  // namespace vrk
