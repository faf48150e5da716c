#pragma once
#include <memory>
#include <string>

#include "presentation/console.h"

namespace vrk {

inline constexpr int kMinTerminalRows = 24;
inline constexpr int kMinTerminalCols = 80;

struct TerminalConsole {
    std::unique_ptr<Console> console;  // null when the terminal cannot be used
    std::string error;                 // then: why, in a sentence for the user
};

// Takes over the terminal (ncursesw) at its real size. Refuses, with a
// message and the terminal untouched, when there is no terminal or it is
// smaller than 80 x 24. Destroying the console gives the terminal back.
//
// While it is open, an interrupt (Ctrl-C, or SIGINT from outside) reads as
// the key "\x03", which the game takes as "Q"; after SIGTERM or SIGHUP every
// read is one, so a game stops with its statistics saved. A crash signal
// puts the terminal back as it was before the program dies.
TerminalConsole openTerminalConsole();

}  // namespace vrk
