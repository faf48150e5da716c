#include "shell/terminal_runner.h"

#include <curses.h>

#include "core/process.h"

namespace vrk {

int runInTerminal(const std::vector<std::string>& argv) {
    const bool screenActive = stdscr != nullptr && !isendwin();
    if (screenActive) {
        def_prog_mode();
        endwin();
    }
    const int status = runAndWait(argv);
    if (screenActive) {
        reset_prog_mode();
        clearok(curscr, TRUE);
        refresh();
    }
    return status;
}

}  // namespace vrk
