#include "shell/config_edit.h"

#include "core/paths.h"
#include "shell/startup.h"

namespace vrk {

std::vector<std::string> editorCommand(const std::string& editor, const std::string& file) {
    std::vector<std::string> words;
    std::string word;
    for (char c : editor) {
        if (c == ' ' || c == '\t') {
            if (!word.empty()) words.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.empty()) words.push_back(word);
    words.push_back(file);
    return words;
}

bool editConfiguration(Console& console, Session& session, const StartupInputs& in,
                       const ProgramRunner& run) {
    const std::string& home = session.config.homeDir;
    const std::string file =
        findFile(home, "BASEBALL.CFG").value_or(joinPath(home, "BASEBALL.CFG"));
    const std::vector<std::string> command = editorCommand(session.config.editor, file);
    if (run(command) < 0) {
        showWarning(console, session,
                    "The editor \"" + command.front() +
                        "\" could not be started.|Name one with EDITOR= in BASEBALL.CFG.");
        return false;
    }

    const ScreenLayout& l = session.layout;
    console.clear();
    console.printAt(l.top + 10, l.left + 15, " Apply changes now? [y/N] ", 15);
    console.printAt(l.top + 12, l.left + 15, " Note: Changes to the console window size require   ",
                    7);
    console.printAt(l.top + 13, l.left + 15, "       shutting down and restarting VRK before they ",
                    7);
    console.printAt(l.top + 14, l.left + 15, "       take effect.                                 ",
                    7);
    const std::string key = console.waitKey();
    console.clear();
    if (key != "Y" && key != "y") return false;

    const auto warnings = loadSettings(in, session, ConfigReadMode::Reread);
    for (const std::string& warning : warnings) showWarning(console, session, warning);
    return true;
}

}  // namespace vrk
