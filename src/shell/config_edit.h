#pragma once
#include <functional>
#include <string>
#include <vector>

#include "presentation/console.h"
#include "shell/host_info.h"
#include "shell/session.h"

namespace vrk {

// Starts a program and waits for it; returns its exit status or -1.
using ProgramRunner = std::function<int(const std::vector<std::string>&)>;

// The editor command words followed by the file: the configured text is
// split at blanks, so "emacs -nw " works as well as "nano ".
std::vector<std::string> editorCommand(const std::string& editor, const std::string& file);

// The main menu's "edit BASEBALL.CFG": runs the editor on the file, asks
// whether to apply the changes and, on "Y", reads the settings again (the
// console size stays as it is) and shows any warnings. Returns true when the
// settings were read again. The terminal is handed to the editor by the
// runner (which suspends and restores the screen around it).
bool editConfiguration(Console& console, Session& session, const StartupInputs& in,
                       const ProgramRunner& run);

}  // namespace vrk
