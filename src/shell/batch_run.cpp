#include "shell/batch_run.h"

#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <csignal>

#include <cstdio>
#include <iostream>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "core/paths.h"
#include "core/text_fields.h"
#include "data/config_folders.h"
#include "data/series_file.h"
#include "data/team_cache.h"
#include "data/team_file.h"
#include "shell/batch_game.h"
#include "shell/batch_game_files.h"
#include "shell/batch_plan.h"
#include "shell/batch_schedule.h"
#include "shell/batch_stats.h"
#include "shell/config_file.h"
#include "shell/home_directory.h"
#include "shell/option_report.h"
#include "shell/projection.h"
#include "shell/projection_schedule.h"
#include "shell/session.h"
#include "shell/startup.h"

namespace vrk {

namespace {

constexpr const char* kProjectionRecordsNothing =
    "vrk --batch: /REPEAT: projects seasons in memory and records nothing: leave out /ST:.";

// Games below this are over before progress would help.
constexpr long kProgressThreshold = 200;
constexpr long kProgressEvery = 50;

struct TeamTally {
    int wins = 0;
    int losses = 0;
    long runs = 0;
    int games = 0;
};

struct RunTally {
    long games = 0;
    long visitorRuns = 0;
    long homeRuns = 0;
    std::map<std::string, TeamTally> teams;
};

// A message-box text on a line-based stream: "|" starts a new line, and
// nothing waits for a key here.
void writeMessage(std::ostream& err, const std::string& text) {
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('|', start);
        if (end == std::string::npos) end = text.size();
        const std::string_view line = std::string_view(text).substr(start, end - start);
        if (line != "Hit any key to Abort.") err << line << "\n";
        start = end + 1;
    }
}

// Loader messages: an abort or a problem in the file ends the run (nobody is
// there to decide whether such a team should play); other warnings are told
// once, however often the team is reloaded.
bool reportLoad(const TeamLoadResult& load, std::set<std::string>& told, std::ostream& err) {
    const bool stop = load.abort || load.problem;
    for (const std::string& warning : load.warnings) {
        if (stop || told.insert(warning).second) writeMessage(err, warning);
    }
    return !stop;
}

void printGame(std::ostream& out, long number, const Game& game, const GameResult& r) {
    char line[256];
    std::snprintf(line, sizeof line, "%5ld  %-12s %3d  %-12s %3d  W: %-18s L: %s", number,
                  shownTeamName(game.team(kVisitors)).c_str(), r.score[kVisitors],
                  shownTeamName(game.team(kHome)).c_str(), r.score[kHome],
                  pitcherOfRecord(game, r.winningPitcher).c_str(),
                  pitcherOfRecord(game, r.losingPitcher).c_str());
    out << line << "\n";
}

void tallyGame(RunTally& tally, const Game& game, const GameResult& r) {
    ++tally.games;
    tally.visitorRuns += r.score[kVisitors];
    tally.homeRuns += r.score[kHome];
    for (int t = kVisitors; t <= kHome; ++t) {
        TeamTally& team = tally.teams[shownTeamName(game.team(t))];
        ++team.games;
        team.runs += r.score[static_cast<std::size_t>(t)];
        if (r.winner == t) {
            ++team.wins;
        } else {
            ++team.losses;
        }
    }
}

double perGame(long runs, long games) {
    return games > 0 ? static_cast<double>(runs) / static_cast<double>(games) : 0.0;
}

void printSummary(std::ostream& out, const RunTally& tally, std::uint64_t seed) {
    char line[160];
    out << "\nGames: " << tally.games << "  Seed: " << seed << "\n";
    std::snprintf(line, sizeof line, "%-12s %5s %5s %7s", "Team", "W", "L", "Runs/G");
    out << line << "\n";
    for (const auto& [name, t] : tally.teams) {
        std::snprintf(line, sizeof line, "%-12s %5d %5d %7.2f", name.c_str(), t.wins, t.losses,
                      perGame(t.runs, t.games));
        out << line << "\n";
    }
    std::snprintf(line, sizeof line, "Runs per game: %.2f (visitors %.2f, home %.2f)",
                  perGame(tally.visitorRuns + tally.homeRuns, tally.games),
                  perGame(tally.visitorRuns, tally.games), perGame(tally.homeRuns, tally.games));
    out << line << "\n";
}

void showProgress(const BatchIo& io, long done, long total) {
    if (!io.progress || total < kProgressThreshold) return;
    if (done % kProgressEvery != 0 && done != total) return;
    io.err << "\rGame " << done << " of " << total << std::flush;
    if (done == total) io.err << "\r" << std::string(40, ' ') << "\r" << std::flush;
}

// The entries of a run: the command line's own, or one per series line
// applied in turn to a single entry.
struct RunPlan {
    BatchEntry start;
    const std::vector<SeriesLine>* lines = nullptr;
};

// Calls visit for each entry in order; stops at the first that returns false.
template <typename Visit>
bool walkEntries(const RunPlan& plan, Visit&& visit) {
    if (plan.lines == nullptr) return visit(plan.start);
    BatchEntry entry = plan.start;
    for (const SeriesLine& line : *plan.lines) {
        applySeriesLine(line.text, entry);
        if (!visit(entry)) return false;
    }
    return true;
}

// Everything that can be found wrong before the first game: options that
// cannot be honoured, folders, team files.
bool checkEntry(const BatchEntry& e, TeamFileCache& files, std::set<std::string>& told,
                std::ostream& err) {
    if (const auto refusal = batchRefusal(e.settings)) {
        err << *refusal << "\n";
        return false;
    }
    if (const auto problem = folderProblem(e.config)) {
        err << *problem << "\n";
        return false;
    }
    if (e.settings.visitor.empty() || e.settings.home.empty()) {
        err << "vrk --batch: name the visiting and the home team with /V: and /H: "
               "(or a series with /SER:).\n";
        return false;
    }
    TeamSlots scratch;
    return reportLoad(files.loadPair(scratch, e.settings.visitor, e.settings.home, e.config), told,
                      err);
}

// Saves what the run recorded; a failure to save turns any status into one.
int finish(BatchStats& stats, std::ostream& err, int status) {
    if (const auto problem = saveBatchStats(stats)) {
        writeMessage(err, *problem);
        return status == 0 ? 1 : status;
    }
    return status;
}

int playEntries(const RunPlan& plan, Session& session, BatchIo& io, long total) {
    std::set<std::string> told;
    TeamFileCache teamFiles;
    if (!walkEntries(plan,
                     [&](const BatchEntry& e) { return checkEntry(e, teamFiles, told, io.err); })) {
        return 1;
    }

    RunTally tally;
    BatchCarry carry;
    BatchStats stats;
    TeamSlots teams;
    BatchGameFiles files;
    std::vector<std::string> notes;
    long stopped = 0;
    int status = -1;
    walkEntries(plan, [&](const BatchEntry& e) {
        const BatchRules rules = batchRulesFrom(e.settings, e.config);
        files.use(e.settings, e.config);
        const auto problem = useStatsSet(stats, e.settings, e.config);
        for (const std::string& note : stats.notes) writeMessage(io.err, note);
        if (io.notesFound && !stats.notes.empty()) io.notesFound(stats.notes);
        stats.notes.clear();
        if (problem) {
            // Not through finish: the set before this one was saved before the
            // new one was opened, and saving again would only repeat the failure.
            writeMessage(io.err, *problem);
            status = 1;
            return false;
        }
        for (int g = 0; g < e.settings.games; ++g) {
            if (io.stopRequested && io.stopRequested()) {
                printSummary(io.out, tally, session.seed);
                io.err << "vrk --batch: stopped after " << tally.games << " games.\n";
                status = finish(stats, io.err, 130);
                return false;
            }
            // Every game starts from the teams as a fresh load gives them;
            // a file is parsed again only when it changed.
            if (!reportLoad(
                    teamFiles.loadPair(teams, e.settings.visitor, e.settings.home, e.config), told,
                    io.err)) {
                status = finish(stats, io.err, 1);
                return false;
            }
            for (const std::string& w : attachSimData(stats, teams)) {
                if (told.insert(w).second) writeMessage(io.err, w);
            }
            auto game =
                std::make_unique<Game>(teams, rules.normalization.context, e.config, session.rng);
            files.attach(*game);
            const GameResult result = playUndisplayedGame(*game, rules, carry);
            for (const std::string& fault : carry.faults.takeNew()) writeMessage(io.err, fault);
            if (result.stopped) {
                ++stopped;
                io.err << "vrk --batch: a game of " << shownTeamName(game->team(kVisitors))
                       << " at " << shownTeamName(game->team(kHome))
                       << " was stopped without a decision; it is not counted or recorded.\n";
                continue;
            }
            printGame(io.out, tally.games + 1, *game, result);
            tallyGame(tally, *game, result);
            ++session.completedGames;
            auto problem = recordBatchGame(stats, *game, notes);
            if (!problem) {
                const bool set = stats.set.isOpen();
                problem = files.write(*game, set ? &stats.set : nullptr,
                                      set ? stats.gameCounter : tally.games, notes);
            }
            for (const std::string& note : notes) writeMessage(io.err, note);
            notes.clear();
            if (problem) {
                writeMessage(io.err, *problem);
                status = finish(stats, io.err, 1);
                return false;
            }
            showProgress(io, tally.games, total);
        }
        return true;
    });
    if (status >= 0) return status;
    printSummary(io.out, tally, session.seed);
    if (stopped > 0) {
        io.err << "vrk --batch: " << stopped << " game(s) stopped without a decision.\n";
        return finish(stats, io.err, 1);
    }
    return finish(stats, io.err, 0);
}

// /REPEAT: plays the whole run many times in memory and tells what the
// seasons add up to; nothing is recorded.
int projectEntries(const std::vector<ProjectionEntry>& entries, Session& session, BatchIo& io) {
    for (const ProjectionEntry& p : entries) {
        if (!p.entry.settings.statsSet.empty()) {
            io.err << kProjectionRecordsNothing << "\n";
            return 2;
        }
    }
    ProjectionPlan plan;
    if (const auto problem = readProjectionCounts(session.run.repeat, session.run.jobs, plan)) {
        io.err << *problem << "\n";
        return 2;
    }
    std::set<std::string> told;
    TeamFileCache files;
    std::set<std::string> checkedPairs;
    for (const ProjectionEntry& p : entries) {
        // Entries that differ only in the teams need their teams checked.
        const std::string pair = concat({p.entry.settings.visitor, "\n", p.entry.settings.home,
                                         "\n", dataFolder(p.entry.config)});
        if (!checkedPairs.insert(pair).second && p.rulesAsBefore) continue;
        if (!checkEntry(p.entry, files, told, io.err)) return 1;
    }
    plan.seed = session.seed;
    const auto start = std::chrono::steady_clock::now();
    const ProjectionResult result = projectSeasons(entries, plan);
    if (!result.problem.empty()) {
        writeMessage(io.err, result.problem);
        return 1;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    printProjection(io.out, result);
    io.out << "Seed " << session.seed << "\n";
    char took[32];
    std::snprintf(took, sizeof took, "%.2f", seconds);
    io.err << plan.seasons << " seasons on " << plan.jobs << " threads in " << took << " s\n";
    return 0;
}

int projectPlan(const RunPlan& run, Session& session, BatchIo& io) {
    std::vector<ProjectionEntry> entries;
    walkEntries(run, [&](const BatchEntry& e) {
        entries.push_back({e, std::nullopt});
        return true;
    });
    return projectEntries(entries, session, io);
}

int projectSchedule(Session& session, BatchIo& io) {
    std::vector<ProjectionEntry> entries;
    if (const auto problem = scheduleProjectionEntries(session, entries)) {
        io.err << *problem << "\n";
        return 1;
    }
    return projectEntries(entries, session, io);
}

}  // namespace

int runBatch(const StartupInputs& inputs, BatchIo io) {
    const std::string home =
        findHomeDirectory(inputs.currentDir, inputs.exePath, inputs.sourceHome);
    if (const int status = reportCommandLineOptions(inputs.args, home, io.err)) return status;
    Session session;
    const StartupOutcome outcome = prepareSession(inputs, session);
    for (const std::string& warning : outcome.warnings) writeMessage(io.err, warning);
    if (outcome.status != StartupStatus::Ready) {
        io.err << outcome.message << "\n";
        return 1;
    }
    // Refused before anything is looked for: the two cannot go together.
    const bool projection = !session.run.repeat.empty();
    if (projection && !session.run.statsSet.empty()) {
        io.err << kProjectionRecordsNothing << "\n";
        return 2;
    }
    if (const auto problem = folderProblem(session.config)) {
        io.err << *problem << "\n";
        return 1;
    }
    const StartupOutcome requested = checkRequestedRun(session);
    if (requested.status != StartupStatus::Ready) {
        io.err << requested.message << "\n";
        return 1;
    }
    if (session.run.schedulePlay) {
        return projection ? projectSchedule(session, io) : runScheduleBatch(session, io);
    }

    if (!session.run.seriesPlay) {
        RunPlan plan{commandLineEntry(session.run, session.config)};
        if (projection) return projectPlan(plan, session, io);
        return playEntries(plan, session, io, session.run.games);
    }
    return runSeriesBatch(session, io);
}

int runSeriesBatch(Session& session, BatchIo& io) {
    RunPlan plan{commandLineEntry(session.run, session.config)};
    const auto found = findFile(dataFolder(session.config), session.run.seriesName);
    const auto lines = found ? readSeriesLinesFile(*found) : std::nullopt;
    if (!lines) {
        io.err << kSeriesNotFound << "\n";
        return 1;
    }
    // Every line is about to be played: a value that cannot be honoured
    // stops the run before its first game.
    if (!seriesLinesUsable(*found, *lines, io.err)) return 2;
    // The series' own lines name the games; the command line's settings are
    // where they start from.
    plan.lines = &*lines;
    if (!session.run.repeat.empty()) return projectPlan(plan, session, io);
    long total = 0;
    for (const SeriesLine& line : *lines) total += seriesEntryGames(line.text);
    return playEntries(plan, session, io, total);
}

namespace {

// A signal handler can only leave a mark where the run looks for it: the one
// piece of process-wide state, set by the handler and read between games.
volatile std::sig_atomic_t interruptSignal = 0;

// The first signal asks for a stop after the game in play; a second one
// ends the run at once. What is on disk stays good: saves replace files whole,
// and a games record cut short is told and replaced when the set is reopened.
void markInterrupt(int signal) {
    if (interruptSignal != 0) {
        constexpr char kText[] = "\nvrk --batch: stopped at once; the last save is kept.\n";
        [[maybe_unused]] const ssize_t n = ::write(STDERR_FILENO, kText, sizeof kText - 1);
        ::_exit(130);
    }
    interruptSignal = signal;
}

}  // namespace

int runBatchCommand(int argc, char** argv) {
    StartupInputs inputs = hostStartupInputs(argc, argv);
    inputs.args.clear();
    for (int i = 2; i < argc; ++i) inputs.args.emplace_back(argv[i]);
    // Ctrl-C or a kill ends the run after the game in play, with the
    // statistics saved; a second one ends it at once.
    struct sigaction action {};
    action.sa_handler = markInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    BatchIo io{std::cout, std::cerr, isatty(STDERR_FILENO) != 0,
               [] { return interruptSignal != 0; }};
    return runBatch(inputs, io);
}

}  // namespace vrk
