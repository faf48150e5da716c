#include "shell/menu_actions.h"

#include <filesystem>

#include "core/text_fields.h"
#include "data/config_folders.h"
#include "data/stats_set.h"
#include "presentation/console_keys.h"
#include "screens/file_chooser.h"
#include "screens/file_viewer.h"
#include "screens/form_screen.h"
#include "screens/schedule_setup_screens.h"
#include "screens/statistics_report_screen.h"
#include "shell/file_actions.h"
#include "shell/schedule_mode.h"

namespace vrk {

namespace fs = std::filesystem;

namespace {

bool isDocument(const std::string& path) {
    const std::string extension = upperCase(fs::path(path).extension().string());
    return extension == ".DOC" || extension == ".RTF";
}

}  // namespace

bool deleteStatsSetAsked(Console& console, Session& session, const std::string& stsPath) {
    const int row = playAreaTop(console.rows()) + 12;
    const int col = playAreaLeft(console.cols()) + 30;
    if (!AskYesNo(console, row, col, " Are you sure? ", false)) return false;
    const fs::path path(stsPath);
    const IoResult done = DeleteStatsSet(path.parent_path().string(), path.stem().string());
    if (!done.ok) tellUser(console, session, " " + done.message + " ");
    return done.ok;
}

bool deleteFileAsked(Console& console, Session& session, const std::string& path) {
    const int row = playAreaTop(console.rows()) + 12;
    const int col = playAreaLeft(console.cols()) + 30;
    if (!AskYesNo(console, row, col, " Are you sure? ", false)) return false;
    std::error_code failed;
    if (fs::remove(path, failed)) return true;
    const std::string why = failed ? failed.message() : "it is no longer there";
    tellUser(console, session,
             " " + fs::path(path).filename().string() + " was not deleted: " + why + " ");
    return false;
}

void runReportsItem(Console& console, Session& session) {
    FileChooser chooser;
    chooser.title = "Statistics Files";
    chooser.patterns = {"*.STS"};
    chooser.footer = "DEL:Delete  ESC:Menu";
    chooser.help = StatisticsFilesHelp();
    chooser.actions = {
        {'D', [&](const std::string& path) { deleteStatsSetAsked(console, session, path); },
         std::string(kKeyDel)}};
    std::string folder = writeFolder(session.config);
    int highlight = 0;
    const auto chosen = ChooseFile(console, chooser, folder, highlight);
    if (!chosen) return;
    // The report is written beside the set, in the folder the user chose.
    Config config = session.config;
    config.writePath = fs::path(*chosen).parent_path().string();
    std::string name = fs::path(*chosen).stem().string();
    const auto outcome = StatisticsReportScreen(console, config, name);
    if (outcome && outcome->status == ReportStatus::Written)
        viewTextFile(console, session.config, outcome->path);
}

void runFileViewerItem(Console& console, Session& session) {
    FileChooser chooser;
    chooser.title = "View Misc. Files";
    chooser.patterns = {"*.PRN", "*.LOG", "*.TXT", "*. ", "*.RTF", "*.DOC"};
    chooser.footer = "ENTER:View  Del:Delete  ESC:Menu";
    chooser.actions = {{'D',
                        [&](const std::string& path) { deleteFileAsked(console, session, path); },
                        std::string(kKeyDel)}};
    std::string folder = writeFolder(session.config);
    int highlight = 0;
    while (const auto chosen = ChooseFile(console, chooser, folder, highlight)) {
        if (isDocument(*chosen)) {
            const std::string problem = openWithWordProcessor(session.config, *chosen);
            if (!problem.empty()) tellUser(console, session, problem);
        } else {
            viewTextFile(console, session.config, *chosen);
        }
    }
}

MenuActions standardMenuActions() {
    MenuActions actions;
    actions.schedule = runScheduleItem;
    actions.series = runSeriesItem;
    actions.reports = runReportsItem;
    actions.fileViewer = runFileViewerItem;
    return actions;
}

}  // namespace vrk
