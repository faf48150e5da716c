#include "shell/schedule_mode.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <ostream>

#include "core/paths.h"
#include "core/text_fields.h"
#include "data/config_folders.h"
#include "data/schedule_file.h"
#include "data/schedule_option_check.h"
#include "presentation/console_keys.h"
#include "screens/file_chooser.h"
#include "screens/file_viewer.h"
#include "screens/form_screen.h"
#include "screens/schedule_setup_screens.h"
#include "screens/standings_screen.h"
#include "shell/batch_schedule.h"
#include "shell/console_pane.h"
#include "shell/file_actions.h"
#include "shell/notice_window.h"
#include "shell/schedule_edit_action.h"
#include "shell/schedule_standings.h"
#include "shell/schedule_user_game.h"
#include "shell/startup.h"

namespace vrk {

namespace fs = std::filesystem;

namespace {

constexpr int kScreenAttribute = 7;
constexpr int kHeadingAttribute = 15 + 16 * 1;
constexpr int kBarAttribute = 0 + 16 * 7;
constexpr int kQuitAttribute = 15 + 16 * 4;

std::string folderWithSeparator(const std::string& folder) {
    if (folder.empty() || folder.back() == '/') return folder;
    return folder + "/";
}

std::string baseName(const std::string& path) {
    return upperCase(fs::path(path).stem().string());
}

// What a mode changes in the session for its run, put back afterwards so
// the next choice at the menu starts from the configuration again.
struct SessionRestore {
    Session& session;
    Config config;
    RunSettings run;
    explicit SessionRestore(Session& s) : session(s), config(s.config), run(s.run) {}
    ~SessionRestore() {
        session.config = config;
        session.run = run;
    }
};

void offerLog(Console& console, Session& session, const std::string& logPath,
              const std::string& message) {
    const int row = playAreaTop(console.rows()) + 21;
    const int col = playAreaLeft(console.cols()) + 3;
    if (AskYesNo(console, row, col, message + " View the log? [Y/n] ", true))
        viewTextFile(console, session.config, logPath);
}

std::string newFileName(Console& console, const std::string& question) {
    FormWindow form;
    form.title = "New File";
    form.fields = {{question, FieldKind::Text, "", 8, ""}};
    form.footer = "ESC:Continue";
    RunForm(console, form);
    const std::string name = std::string(trim(form.fields[0].value));
    return name.substr(0, name.find('.'));
}

// The screen of a replay played without display: a heading, the last
// result line, the messages, and (in a schedule) the standings as they are
// refreshed; the bottom row tells the keys.
class ReplayScreen {
  public:
    ReplayScreen(Console& console, std::string heading, std::string keys)
        : console_(console),
          top_(playAreaTop(console.rows())),
          left_(playAreaLeft(console.cols())),
          heading_(std::move(heading)),
          keys_(std::move(keys)) {}

    int top() const { return top_; }
    int left() const { return left_; }

    void drawFrame() {
        console_.clear(kScreenAttribute);
        if (standings_ == nullptr) {
            console_.fillArea(top_ + 1, left_ + 1, 1, 80, kHeadingAttribute);
            console_.printAt(top_ + 1, left_ + 2, heading_.substr(0, 78), kHeadingAttribute);
        } else {
            DrawStandings(console_, *standings_, StandingsLayout::Narrow);
        }
        drawBar();
        showLine(line_);
    }

    void drawBar() {
        console_.fillArea(top_ + 24, left_ + 1, 1, 80, kBarAttribute);
        console_.printAt(top_ + 24, left_ + 2, keys_, kBarAttribute);
        if (quitShown_) console_.printAt(top_ + 24, left_ + 60, " Quit Pending ", kQuitAttribute);
        console_.refresh();
    }

    void showLine(const std::string& line) {
        line_ = line;
        const int row = standings_ == nullptr ? top_ + 3 : top_ + 23;
        console_.fillArea(row, left_ + 1, 1, 80, kScreenAttribute);
        console_.printAt(row, left_ + 2, line.substr(0, 78), kScreenAttribute);
        console_.refresh();
    }

    void showQuitPending() {
        quitShown_ = true;
        drawBar();
    }

    // From now on the standings fill the screen above the result line.
    void showStandings(const StandingsTable& table) {
        clubs_ = ClubsOfReplay(table);
        RecomputeStandingsKeys(clubs_);
        SortStandingsTable(clubs_);
        standings_ = &clubs_;
        drawFrame();
    }

  private:
    Console& console_;
    int top_, left_;
    std::string heading_, keys_, line_;
    bool quitShown_ = false;
    ClubStandings clubs_;
    const ClubStandings* standings_ = nullptr;
};

using ReplayPlay = std::function<int(BatchIo&, const ScheduleHooks*)>;

// A schedule's replay gets the standings and the user's games; a series
// plays as it is.
int runReplayOnConsole(Console& console, Session& session, const std::string& heading,
                       const std::string& logPath, bool schedule, ReplayConsoleState& state,
                       const ReplayPlay& play) {
    ReplayScreen screen(console, heading,
                        schedule ? "Q or ESC: stop after the game in play   R: standings"
                                 : "Q or ESC: stop after the game in play");
    screen.drawFrame();
    screen.showLine("Playing...");

    std::ofstream log(logPath, std::ios::trunc);
    if (!log) {
        tellUser(console, session, " Cannot write " + logPath + " ");
        return 1;
    }
    LineTee tee(log, [&](const std::string& line) { screen.showLine(line); });
    ConsolePane pane(console, screen.top() + 5, screen.left() + 1, 18, 40, 2, kScreenAttribute);
    std::ostream out(&tee);
    std::ostream err(&pane);
    const StandingsTable* table = nullptr;
    const std::vector<Highlight>* highlights = nullptr;
    std::optional<StandingsTable> final;
    BatchIo io{out, err, !schedule, [&] {
                   // One key a game: what is typed later waits for its own turn.
                   const std::string key = console.pollKey();
                   if (key == "q" || key == "Q" || key == kKeyEscape) state.quitPending = true;
                   if ((key == "r" || key == "R") && table != nullptr) {
                       showReplayStandings(console, *table, *highlights);
                       screen.drawFrame();
                   }
                   if (state.quitPending) screen.showQuitPending();
                   return state.quitPending;
               }};
    io.notesFound = [&](const std::vector<std::string>& notes) {
        showNotices(console, session, "About the statistics file:", notes);
    };
    ScheduleHooks hooks;
    hooks.afterGame = [&](const StandingsTable& t, const std::vector<Highlight>& h, bool refresh) {
        table = &t;
        highlights = &h;
        final = t;  // the replay's own table ends with it
        if (refresh) screen.showStandings(t);
    };
    hooks.userGame = [&](UserGame& user) {
        const UserGameOutcome outcome = playScheduleUserGame(console, session, user, state);
        screen.drawFrame();
        if (state.quitPending) screen.showQuitPending();
        return outcome;
    };
    const int status = play(io, schedule ? &hooks : nullptr);
    out.flush();
    err.flush();
    if (final && status != 1) screen.showStandings(*final);
    // What the screen showed goes to the log too, after the games.
    log << "\n" << pane.transcript();
    log.close();
    return status;
}

}  // namespace

int playOnConsole(Console& console, Session& session, const std::string& heading,
                  const std::string& logPath, const std::function<int(BatchIo&)>& play) {
    ReplayConsoleState state;
    return runReplayOnConsole(console, session, heading, logPath, false, state,
                              [&](BatchIo& io, const ScheduleHooks*) { return play(io); });
}

void runScheduleItem(Console& console, Session& session) {
    FileChooser chooser;
    chooser.title = "Schedule Files";
    chooser.patterns = {"*.SCH"};
    chooser.footer = "[E]dit [N]ew  ESC:Menu";
    chooser.help = ScheduleFilesHelp();
    std::string folder = dataFolder(session.config);
    const auto edit = [&](const std::string& path) { editScheduleFile(console, session, path); };
    const auto create = [&](const std::string&) { newScheduleFile(console, session, folder); };
    chooser.actions = {{'E', edit}, {'N', create, "", true}};
    int highlight = 0;
    console.clear(kScreenAttribute);
    const auto chosen = ChooseFile(console, chooser, folder, highlight);
    if (!chosen) return;
    const auto file = ReadScheduleFile(*chosen);
    if (!file) {
        tellUser(console, session, kScheduleNotFound);
        return;
    }
    const std::string name = baseName(*chosen);
    console.clear(kScreenAttribute);
    const std::string set =
        ChooseScheduleStatsSet(console, *chosen, name, session.config.protectSch);
    console.clear(kScreenAttribute);
    const auto chosenFilter = RunScheduleFilterWindow(console, *file);
    if (!chosenFilter) return;
    const ScheduleFilter& filter = *chosenFilter;
    const ScheduleOptionReport options = CheckScheduleOptions(name + ".SCH", *file, filter);
    if (options.refused) {
        showNotices(console, session,
                    "These games cannot be played; correct them first:", options.lines);
        return;
    }
    const std::string dh = AskDesignatedHitterRule(console);
    const std::string runner = AskAutomaticRunnerRule(console);

    SessionRestore restore(session);
    session.config.dataPath = folderWithSeparator(folder);
    RunSettings& run = session.run;
    run.schedulePlay = true;
    run.scheduleName = name + ".SCH";
    run.statsSet = set;
    run.filterLeague = filter.league;
    run.filterTeam = filter.team;
    run.filterFrom = filter.fromDate;
    run.filterTo = filter.toDate;
    run.dhRule = dh;
    run.autoRunnerRule = runner;
    run.delay = 0;
    const std::string logPath = joinPath(writeFolder(session.config), name + ".LOG");
    const std::string heading = "Schedule Mode - " + name + ".SCH" +
                                (set.empty() ? "  (no statistics file)" : "  Stat file: " + set);
    ReplayConsoleState state;
    const int status = runReplayOnConsole(console, session, heading, logPath, true, state,
                                          [&](BatchIo& io, const ScheduleHooks* hooks) {
                                              return runScheduleBatch(session, io, hooks);
                                          });
    if (state.endProgram) {
        session.endProgram = true;
        return;
    }
    std::string message;
    if (status == 0) {
        message = "Your Schedule game simulation is complete!";
    } else if (status == 130) {
        message =
            set.empty() ? "Stopped." : "Stopped; " + set + " is saved and goes on from there.";
    } else {
        message = "The replay stopped (see the messages above).";
    }
    offerLog(console, session, logPath, message);
}

void runSeriesItem(Console& console, Session& session) {
    FileChooser chooser;
    chooser.title = "Series Files";
    chooser.patterns = {"*.SER"};
    chooser.footer = "[V]iew [E]dit [N]ew  ESC:Menu";
    chooser.help = SeriesFilesHelp();
    std::string folder = dataFolder(session.config);
    const auto view = [&](const std::string& path) { viewFile(console, session, path); };
    const auto edit = [&](const std::string& path) { editFile(console, session, path); };
    const auto create = [&](const std::string&) {
        const std::string name = newFileName(console, "Enter filename of NEW File: ");
        if (name.empty()) return;
        const std::string path = joinPath(folder, upperCase(name) + ".SER");
        if (!fs::exists(path)) std::ofstream(path) << "";
        editFile(console, session, path);
    };
    chooser.actions = {{'V', view}, {'E', edit}, {'N', create, "", true}};
    int highlight = 0;
    console.clear(kScreenAttribute);
    const auto chosen = ChooseFile(console, chooser, folder, highlight);
    if (!chosen) return;
    console.clear(kScreenAttribute);
    const std::string name = baseName(*chosen);
    const std::string set = AskStatsSetName(console, "Stat File for this series", name);
    const std::string dh = AskDesignatedHitterRule(console);
    const std::string runner = AskAutomaticRunnerRule(console);

    SessionRestore restore(session);
    session.config.dataPath = folderWithSeparator(folder);
    RunSettings& run = session.run;
    run.seriesPlay = true;
    run.seriesName = name + ".SER";
    run.statsSet = set;
    run.dhRule = dh;
    run.autoRunnerRule = runner;
    run.delay = 0;
    const std::string logPath = joinPath(writeFolder(session.config), name + ".LOG");
    const std::string heading = "Series Mode - " + name + ".SER" +
                                (set.empty() ? "  (no statistics file)" : "  Stat file: " + set);
    const int status = playOnConsole(console, session, heading, logPath,
                                     [&](BatchIo& io) { return runSeriesBatch(session, io); });
    std::string message;
    if (status == 0) {
        message = "Your Series game simulation is complete!";
    } else if (status == 130) {
        message = "Stopped; the games played so far are saved.";
    } else {
        message = "The series stopped (see the messages above).";
    }
    offerLog(console, session, logPath, message);
}

}  // namespace vrk
