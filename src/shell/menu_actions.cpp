#include "shell/menu_actions.h"

#include <filesystem>

#include "core/text_fields.h"
#include "data/config_folders.h"
#include "screens/file_chooser.h"
#include "screens/file_viewer.h"
#include "screens/statistics_report_screen.h"
#include "shell/file_actions.h"

namespace vrk {

namespace fs = std::filesystem;

namespace {

bool isDocument(const std::string& path) {
    const std::string extension = upperCase(fs::path(path).extension().string());
    return extension == ".DOC" || extension == ".RTF";
}

}  // namespace

void runReportsItem(Console& console, Session& session) {
    FileChooser chooser;
    chooser.title = "Statistics Files";
    chooser.patterns = {"*.STS"};
    chooser.footer = "ESC:Menu";
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
    chooser.footer = "ENTER:View  ESC:Menu";
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
    actions.reports = runReportsItem;
    actions.fileViewer = runFileViewerItem;
    return actions;
}

}  // namespace vrk
