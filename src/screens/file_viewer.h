#pragma once
#include <functional>
#include <string>
#include <vector>

#include "data/config.h"
#include "presentation/console.h"
#include "presentation/text_output.h"

namespace vrk {

// Shows a text file in the scrolling viewer until the user closes it:
// paging, line and column moves, top and bottom, [P]rint to the printer
// command and [S]ave As (a copy in the write folder, or where a path typed
// says). A missing file is told in a message box.
void viewTextFile(Console& console, const Config& config, const std::string& path,
                  const Printer& printer = SystemPrinter());

// Opens a .DOC or .RTF file with the program of WORDPAD= (its words are
// the program and its arguments, the file is added last; no shell). Returns
// "" when it was started, else what went wrong in a sentence.
using ProgramLauncher = std::function<bool(const std::vector<std::string>&)>;
std::string openWithWordProcessor(const Config& config, const std::string& path,
                                  const ProgramLauncher& launch);
std::string openWithWordProcessor(const Config& config, const std::string& path);

// A one-line text field at (row, col) of `width` characters: printable keys
// type, Backspace erases, Enter accepts (true), Escape cancels (false).
bool readTextField(Console& console, int row, int col, int width, std::string& text, int attribute);

}  // namespace vrk
