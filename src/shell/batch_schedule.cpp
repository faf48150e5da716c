#include "shell/batch_schedule.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <set>

#include "core/paths.h"
#include "core/text_fields.h"
#include "data/option_string.h"
#include "data/schedule_filter.h"
#include "data/schedule_option_check.h"
#include "data/schedule_position.h"
#include "data/stats_schedule_day.h"
#include "managers/rotation_file.h"
#include "shell/batch_game.h"
#include "shell/batch_game_files.h"
#include "shell/batch_plan.h"
#include "shell/batch_stats.h"
#include "shell/command_line.h"
#include "shell/config_file.h"
#include "shell/schedule_standings.h"
#include "shell/startup.h"

namespace vrk {

namespace {

constexpr long kProgressEvery = 50;

void tell(std::ostream& err, const std::string& text) {
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('|', start);
        if (end == std::string::npos) end = text.size();
        err << text.substr(start, end - start) << "\n";
        start = end + 1;
    }
}

// Games the filter admits before the position: what a resumed replay has
// already played, so progress counts on from there.
long gamesBefore(const ScheduleFile& file, const ScheduleFilter& filter,
                 const SchedulePosition& at) {
    long games = 0;
    for (ScheduleCursor c = FindPlayableSlot(file, filter, 2, 1);
         !c.finished() && !(c == at.cursor); c = NextPlayableSlot(file, filter, c)) {
        games += ScheduleSlotGames(file.slot(c.record, c.slot));
    }
    return games + at.gamesPlayed;
}

std::string scheduleKey(std::string_view name) {
    return upperCase(trim(name));
}

void boundElsewhere(std::ostream& err, const std::string& selected, const std::string& path,
                    const RestartRecord& r) {
    err << "*** ERROR ***\n"
        << " VRK believes this Stat File is currently \n"
        << " being used by another Schedule file.     \n"
        << " Selected SCH Name: " << selected << "\n"
        << " Restart File     : " << path << "\n"
        << " Restart SCH Name : " << r.scheduleName << "\n"
        << " Restart Date     : " << r.date << "\n"
        << " Restart Slot     : " << r.slot << "\n"
        << " Slot Game        : " << r.slotGame << "\n"
        << "        of        : " << r.slotSize << "\n"
        << " Restart Sch Game : " << r.gameCounter << "\n"
        << " (The SCH names must match)\n";
}

void printGame(std::ostream& out, long number, const std::string& date, const Game& game,
               const GameResult& r) {
    char line[256];
    std::snprintf(line, sizeof line, "%5ld %-8s %-12s %3d  %-12s %3d  W: %-18s L: %s", number,
                  date.c_str(), shownTeamName(game.team(kVisitors)).c_str(), r.score[kVisitors],
                  shownTeamName(game.team(kHome)).c_str(), r.score[kHome],
                  pitcherOfRecord(game, r.winningPitcher).c_str(),
                  pitcherOfRecord(game, r.losingPitcher).c_str());
    out << line << "\n";
}

StandingsSide side(const Game& game, int t, const GameResult& r) {
    const Team& team = game.team(t);
    return {team.league, team.division, shownTeamName(team), r.score[static_cast<std::size_t>(t)]};
}

std::array<bool, 3> userSides(const RunSettings& s) {
    const auto mine = [&](const std::string& team) {
        return std::find(s.userManagedTeams.begin(), s.userManagedTeams.end(), team) !=
               s.userManagedTeams.end();
    };
    return {false, mine(s.visitor), mine(s.home)};
}

// Everything the replay carries from game to game and saves with the set.
struct Replay {
    Replay(const ScheduleFile& f, const ScheduleFilter& fl, std::string name, Session& s,
           BatchIo& i)
        : file(f), filter(fl), scheduleName(std::move(name)), session(s), io(i) {}

    const ScheduleFile& file;
    const ScheduleFilter& filter;
    std::string scheduleName;
    Session& session;
    BatchIo& io;
    BatchStats stats;
    BatchCarry carry;
    StandingsTable standings;
    bool saveEachDate = true;
    long played = 0;  // games of this run
    long done = 0;    // games of the schedule played, earlier runs included
    long total = 0;

    RestartState stateAt(ScheduleCursor cursor, int slotGame, int slotSize, bool finished) const {
        RestartState s;
        s.inProgress = !finished;
        s.restart = {scheduleName, file.date(cursor.record), cursor.slot, slotGame,
                     slotSize,     stats.gameCounter};
        s.rotation = EncodeRotationList(carry.rotations);
        s.standings = EncodeStandings(standings);
        s.scheduleRecord = cursor.record;
        s.rngSaved = true;
        s.rng = session.rng.state();
        s.designatedHitter = carry.designatedHitter;
        s.automaticRunner = carry.automaticRunner;
        return s;
    }

    void restore(const RestartState& s) {
        if (s.rngSaved) session.rng.restore(s.rng);
        carry.designatedHitter = s.designatedHitter;
        carry.automaticRunner = s.automaticRunner;
        const std::string problem = DecodeRotationList(s.rotation, carry.rotations);
        if (!problem.empty()) io.err << "The rotation file was not used: " << problem << "\n";
        if (auto table = DecodeStandings(s.standings)) standings = std::move(*table);
    }

    int stop(int status, const RestartState& state) { return stop(status, &state); }
    int stop(int status, const RestartState* state) {
        if (const auto problem = saveBatchStats(stats, state)) {
            tell(io.err, *problem);
            return status == 0 ? 1 : status;
        }
        return status;
    }
};

void showProgress(const Replay& r) {
    if (!r.io.progress || (r.done % kProgressEvery != 0 && r.done != r.total)) return;
    r.io.err << "\rGame " << r.done << " of " << r.total << std::flush;
    if (r.done == r.total) r.io.err << "\r" << std::string(40, ' ') << "\r" << std::flush;
}

// What the set keeps when this run plays no game: where it stood, or, when
// no game of the whole schedule is left after that, a finished replay (its
// restart files go). Nothing: the restart files stay as they are. A filter
// that admits no game does not finish the schedule.
std::optional<RestartState> restingState(const ScheduleFile& file, const std::string& scheduleName,
                                         const RestartState* saved) {
    const ScheduleFilter everything;
    RestartState finished;
    finished.restart.scheduleName = scheduleName;
    if (saved != nullptr) {
        if (PositionSchedule(file, everything, &saved->restart, saved->scheduleRecord)
                .cursor.finished()) {
            return finished;
        }
        return *saved;
    }
    if (FindPlayableSlot(file, everything, 2, 1).finished()) return finished;
    return std::nullopt;
}

}  // namespace

int runScheduleBatch(Session& session, BatchIo& io, const ScheduleHooks* hooks) {
    const Config& config = session.config;
    const auto path = findFile(dataFolder(config), session.run.scheduleName);
    const auto file = path ? ReadScheduleFile(*path) : std::nullopt;
    if (!file) {
        io.err << kScheduleNotFound << "\n";
        return 1;
    }
    ScheduleFilter filter{session.run.filterLeague, session.run.filterTeam, session.run.filterFrom,
                          session.run.filterTo};
    if (const auto problem = PrepareFilter(filter, *file)) {
        io.err << "vrk --batch: " << *problem << "\n";
        return 1;
    }
    // A value no game can honour stops the replay before its first game,
    // not when the replay reaches it.
    const ScheduleOptionReport options = CheckScheduleOptions(*path, *file, filter);
    for (const std::string& line : options.lines) io.err << "vrk: " << line << "\n";
    if (options.refused) return 2;

    Replay r(*file, filter, session.run.scheduleName, session, io);
    r.saveEachDate = session.run.saveEachDate != "N";
    if (const auto problem = useStatsSet(r.stats, session.run, config)) {
        tell(io.err, *problem);
        return 1;
    }
    for (const std::string& note : r.stats.notes) tell(io.err, note);
    if (io.notesFound && !r.stats.notes.empty()) io.notesFound(r.stats.notes);

    // A replay killed after its last save but before it ended must not be
    // played a second time when the command is run again.
    const SavePoint& point = r.stats.savePoint;
    if (point.restartSaved && !point.restart.inProgress &&
        scheduleKey(point.restart.restart.scheduleName) == scheduleKey(r.scheduleName)) {
        io.err << r.scheduleName << " has been played to its end with " << session.run.statsSet
               << "; nothing is left to play. Name a new statistics file to replay it again.\n";
        return 0;
    }
    const RestartState* saved = nullptr;
    if (r.stats.savedRestart && r.stats.savedRestart->inProgress) {
        saved = &*r.stats.savedRestart;
        if (scheduleKey(saved->restart.scheduleName) != scheduleKey(r.scheduleName)) {
            boundElsewhere(io.err, r.scheduleName,
                           StatsFilePath(r.stats.folder, session.run.statsSet, ".RES"),
                           saved->restart);
            return 1;
        }
    }
    const SchedulePosition start = PositionSchedule(
        *file, filter, saved ? &saved->restart : nullptr, saved ? saved->scheduleRecord : 0);
    if (start.restartMissing) {
        io.err << "vrk --batch: the restart point of " << session.run.statsSet << " ("
               << saved->restart.date << ", slot " << saved->restart.slot << ") is not in "
               << r.scheduleName << ".\n";
        return 1;
    }
    if (saved != nullptr) {
        r.restore(*saved);
        // A set saved by another program keeps its game counter in .RES only.
        if (!saved->rngSaved) r.stats.gameCounter = saved->restart.gameCounter;
        io.err << "Resuming " << r.scheduleName << " at " << saved->restart.date << ", slot "
               << saved->restart.slot << ".\n";
    }
    if (!session.run.statsSet.empty()) {
        if (const auto problem = LinkStatsSetInFile(*path, session.run.statsSet, StatsLink::Add,
                                                    config.protectSch)) {
            tell(io.err, *problem);
        }
    }
    r.total = CountScheduleGames(*file, filter);
    r.done = gamesBefore(*file, filter, start);

    RunSettings settings = session.run;
    Config current = config;
    std::set<std::string> told;
    std::vector<std::string> notes;
    TeamSlots teams;
    BatchGameFiles files;
    const int refresh = config.refreshStandings;
    const bool quiet = session.run.quiet == "Y";

    ScheduleCursor cursor = start.cursor;
    int gamesPlayed = start.gamesPlayed;
    std::optional<RestartState> state = restingState(*file, r.scheduleName, saved);
    while (!cursor.finished()) {
        const ScheduleSlot slot = file->slot(cursor.record, cursor.slot);
        const std::string date = file->date(cursor.record);
        settings.visitor = upperCase(trim(slot.visitor));
        settings.home = upperCase(trim(slot.home));
        parseOptionString(slot.options, settings);
        applyRunSettingsToConfig(settings, current, ConfigReadMode::Reread);
        RunSettings check = settings;
        check.schedulePlay = false;
        const std::array<bool, 3> userSide = userSides(settings);
        const bool userGame = hooks && hooks->userGame && (userSide[1] || userSide[2]);
        if (userGame) check.userManagedTeams.clear();
        if (const auto refusal = batchRefusal(check)) {
            tell(io.err, *refusal);
            io.err << "The replay stopped before " << date << ", slot " << cursor.slot
                   << "; it is saved and goes on from there when run again.\n";
            return r.stop(1, r.stateAt(cursor, gamesPlayed, settings.games, false));
        }
        const BatchRules rules = batchRulesFrom(settings, current);
        files.use(settings, current);
        r.stats.scheduleDay = ScheduleDayNumber(date);
        const ScheduleCursor next = NextPlayableSlot(*file, filter, cursor);
        for (int g = gamesPlayed; g < settings.games; ++g) {
            if (io.stopRequested && io.stopRequested()) {
                io.err << "vrk --batch: stopped after " << r.played
                       << " games; run the same command again to go on.\n";
                return r.stop(130, r.stateAt(cursor, g, settings.games, false));
            }
            const TeamLoadResult load =
                loadTeamPair(teams, settings.visitor, settings.home, current);
            for (const std::string& w : load.warnings)
                if (load.abort || told.insert(w).second) tell(io.err, w);
            if (load.abort) return r.stop(1, r.stateAt(cursor, g, settings.games, false));
            for (const std::string& w : attachSimData(r.stats, teams))
                if (told.insert(w).second) tell(io.err, w);
            auto game =
                std::make_unique<Game>(teams, rules.normalization.context, current, session.rng);
            files.attach(*game);
            GameResult result;
            if (userGame) {
                // A game left unfinished leaves no trace: the generator and the
                // rotations go back to where they stood before it.
                const auto rngBefore = session.rng.state();
                const RotationTable rotationsBefore = r.carry.rotations;
                const bool dhBefore = r.carry.designatedHitter;
                const bool runnerBefore = r.carry.automaticRunner;
                UserGame user{*game,   rules, r.carry,  r.done + 1,
                              r.total, date,  userSide, r.standings};
                const UserGameOutcome shown = hooks->userGame(user);
                if (!shown.played) {
                    session.rng.restore(rngBefore);
                    r.carry.rotations = rotationsBefore;
                    r.carry.designatedHitter = dhBefore;
                    r.carry.automaticRunner = runnerBefore;
                    io.err << "Stopped before game " << r.done + 1 << "; it is saved and goes on "
                           << "from there.\n";
                    return r.stop(130, r.stateAt(cursor, g, settings.games, false));
                }
                result = shown.result;
            } else {
                result = playUndisplayedGame(*game, rules, r.carry);
            }
            for (const std::string& fault : r.carry.faults.takeNew()) tell(io.err, fault);
            ++r.played;
            ++r.done;
            ++session.completedGames;
            printGame(io.out, r.done, date, *game, result);
            if (!CreditStandings(r.standings, side(*game, kVisitors, result),
                                 side(*game, kHome, result))) {
                io.err << kStandingsFullMessage << "\n";
            }
            const bool slotDone = g + 1 == settings.games;
            // A filter plays part of the schedule: the rest is still to play.
            const bool finished = slotDone && NextPlayableSlot(*file, {}, cursor).finished();
            // Recorded with the state after it: a journaled game knows where
            // the replay goes on.
            const int counterBefore = r.stats.gameCounter;
            r.stats.gameCounter += r.stats.set.isOpen() ? 1 : 0;
            state = r.stateAt(cursor, g + 1, settings.games, finished);
            r.stats.gameCounter = counterBefore;
            auto problem = recordBatchGame(r.stats, *game, notes, &*state);
            if (!problem) {
                const bool set = r.stats.set.isOpen();
                problem = files.write(*game, set ? &r.stats.set : nullptr,
                                      set ? r.stats.gameCounter : r.done, notes);
            }
            for (const std::string& note : notes) tell(io.err, note);
            notes.clear();
            if (problem) {
                tell(io.err, *problem);
                return 1;
            }
            showProgress(r);
            const bool dateDone = slotDone && (next.finished() || file->date(next.record) != date);
            if (dateDone && r.saveEachDate) {
                if (const auto saveProblem = saveBatchStats(r.stats, &*state)) {
                    tell(io.err, *saveProblem);
                    return 1;
                }
            }
            const bool refreshDue = !quiet && refresh > 0 && r.played % refresh == 0 && !finished;
            if (hooks && hooks->afterGame) {
                hooks->afterGame(r.standings, r.carry.record.highlights, refreshDue);
            } else if (io.progress && refreshDue) {
                io.err << "\n";
                printStandings(io.err, r.standings);
            }
        }
        cursor = next;
        gamesPlayed = 0;
    }
    const int status = r.stop(0, state ? &*state : nullptr);
    io.out << "\n";
    printStandings(io.out, r.standings);
    if (!quiet)
        io.out << "Your Schedule game simulation is complete! (" << r.played
               << (r.played == 1 ? " game" : " games") << " this run)\n";
    return status;
}

}  // namespace vrk
