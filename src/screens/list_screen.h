#pragma once
#include <string>
#include <vector>

namespace vrk {

class Console;

// A framed, scrollable list over the play area: a title, an optional prompt
// line, the lines, and a footer naming the keys. Keys the caller wants back
// (letters, compared without case, or key codes such as F4 and Del) end the
// list with the highlighted line.
struct ListWindow {
    std::string title;
    std::string prompt;
    std::vector<std::string> lines;
    std::string footer;
    std::vector<std::string> keys;
    bool escapeAllowed = true;
    int visibleLines = 15;
    int width = 0;  // 0: as wide as the widest text
};

enum class ListEnd { Picked, Key, Escape };

struct ListResult {
    ListEnd end = ListEnd::Escape;
    int index = -1;   // the line highlighted when the list ended; -1 when empty
    std::string key;  // for ListEnd::Key: the key as the caller listed it
};

// Arrows, PgUp, PgDn, Home, End and the wheel move the highlight; a click
// moves it to a line; Enter or a double click picks; ESC backs out when
// allowed. `highlight` is where it starts and is kept for the next call.
ListResult RunListWindow(Console& console, const ListWindow& list, int& highlight);

}  // namespace vrk
