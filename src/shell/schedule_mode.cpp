#include "shell/schedule_mode.h"

#include <filesystem>
#include <fstream>
#include <ostream>

#include "core/paths.h"
#include "core/text_fields.h"
#include "data/config_folders.h"
#include "data/schedule_file.h"
#include "presentation/console_keys.h"
#include "screens/file_chooser.h"
#include "screens/file_viewer.h"
#include "screens/form_screen.h"
#include "screens/schedule_setup_screens.h"
#include "shell/batch_schedule.h"
#include "shell/console_pane.h"
#include "shell/file_actions.h"
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

}  // namespace

int playOnConsole(Console& console, Session& session, const std::string& heading,
                  const std::string& logPath, const std::function<int(BatchIo&)>& play) {
    const int top = playAreaTop(console.rows());
    const int left = playAreaLeft(console.cols());
    console.clear(kScreenAttribute);
    console.fillArea(top + 1, left + 1, 1, 80, kHeadingAttribute);
    console.printAt(top + 1, left + 2, heading.substr(0, 78), kHeadingAttribute);
    console.fillArea(top + 24, left + 1, 1, 80, kBarAttribute);
    console.printAt(top + 24, left + 2, "Q or ESC: stop after the game in play", kBarAttribute);
    console.printAt(top + 3, left + 2, "Playing...", kScreenAttribute);
    console.refresh();

    std::ofstream log(logPath, std::ios::trunc);
    if (!log) {
        tellUser(console, session, " Cannot write " + logPath + " ");
        return 1;
    }
    long lines = 0;
    LineTee tee(log, [&](const std::string& line) {
        ++lines;
        console.fillArea(top + 3, left + 1, 1, 80, kScreenAttribute);
        console.printAt(top + 3, left + 2, line.substr(0, 78), kScreenAttribute);
        console.refresh();
    });
    ConsolePane pane(console, top + 5, left + 1, 18, 40, 2, kScreenAttribute);
    std::ostream out(&tee);
    std::ostream err(&pane);
    bool quitPending = false;
    BatchIo io{out, err, true, [&] {
                   // One key a game: what is typed later waits for its own turn.
                   const std::string key = console.pollKey();
                   if (key == "q" || key == "Q" || key == kKeyEscape) quitPending = true;
                   if (quitPending) {
                       console.printAt(top + 24, left + 60, " Quit Pending ", kQuitAttribute);
                       console.refresh();
                   }
                   return quitPending;
               }};
    const int status = play(io);
    out.flush();
    err.flush();
    // What the screen showed goes to the log too, after the games.
    log << "\n" << pane.transcript();
    log.close();
    return status;
}

void runScheduleItem(Console& console, Session& session) {
    FileChooser chooser;
    chooser.title = "Schedule Files";
    chooser.patterns = {"*.SCH"};
    chooser.footer = "[E]dit [N]ew  ESC:Menu";
    chooser.help = ScheduleFilesHelp();
    const auto noEditor = [&](const std::string&) {
        tellUser(console, session,
                 session.config.protectSch
                     ? " Schedule files are protected (PROTECT-SCH); they cannot be edited. "
                     : " The schedule editor is not available in this version. ");
    };
    chooser.actions = {{'E', noEditor}, {'N', noEditor, "", true}};
    std::string folder = dataFolder(session.config);
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
    const ScheduleFilter filter = RunScheduleFilterWindow(console, *file);
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
    const int status = playOnConsole(console, session, heading, logPath,
                                     [&](BatchIo& io) { return runScheduleBatch(session, io); });
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
