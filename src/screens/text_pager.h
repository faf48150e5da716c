#pragma once
#include <string>
#include <vector>

namespace vrk {

class Console;

// The lines of a text file as the pager shows them: tabs become blanks,
// other control bytes dots, and a missing file gives nothing.
std::vector<std::string> PagerLines(const std::string& path);

// Shows lines a screen at a time over the play area: arrows, PgUp, PgDn,
// Home, End and the wheel scroll; ESC (or Enter) closes. The screen under it
// is restored.
void PageText(Console& console, const std::string& title, const std::vector<std::string>& lines);

}  // namespace vrk
