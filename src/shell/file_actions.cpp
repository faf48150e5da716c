#include "shell/file_actions.h"

#include "screens/file_viewer.h"

#include "core/paths.h"
#include "core/process.h"
#include "screens/text_pager.h"
#include "shell/config_edit.h"

namespace vrk {

namespace {
constexpr int kMessageAttribute = 15 + 16 * 4;
}

void tellUser(Console& console, const Session& session, std::string_view text) {
    const ScreenLayout l = layoutFor(console.rows(), console.cols());
    (void)session;
    console.messageBox(l.top + 10, l.left + 12, text, kMessageAttribute);
}

void viewFile(Console& console, Session& session, const std::string& path) {
    viewTextFile(console, session.config, path);
}

void editFile(Console& console, Session& session, const std::string& path) {
    const std::vector<std::string> command = editorCommand(session.config.editor, path);
    if (console.runForeground(command) < 0) {
        tellUser(console, session,
                 "The editor \"" + command.front() +
                     "\" could not be started.|"
                     "Name one with EDITOR= in BASEBALL.CFG.");
    }
}

void auxFile(Console& console, Session& session, const std::string& path) {
    if (session.config.aux.find_first_not_of(' ') == std::string::npos) {
        tellUser(console, session, "No AUX= program is named in BASEBALL.CFG.");
        return;
    }
    const std::vector<std::string> command = editorCommand(session.config.aux, path);
    if (!launchDetached(command)) {
        tellUser(console, session,
                 "The AUX= program \"" + command.front() + "\" could not be started.");
    }
}

}  // namespace vrk
