#pragma once
#include <memory>
#include <string>

#include "presentation/console.h"

namespace vrk {

inline constexpr int kMinTerminalRows = 25;
inline constexpr int kMinTerminalCols = 80;

struct TerminalConsole {
    std::unique_ptr<Console> console;  // null when the terminal cannot be used
    std::string error;                 // then: why, in a sentence for the user
};

// Takes over the terminal (ncursesw) at its real size. Refuses, with a
// message and the terminal untouched, when there is no terminal or it is
// smaller than 80 x 25. Destroying the console gives the terminal back.
TerminalConsole openTerminalConsole();

}  // namespace vrk
