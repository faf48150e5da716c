#pragma once
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vrk {

class Console;
struct Player;
struct Team;

// A list of pitchers to pick from, drawn in a framed window over the play
// area: title, column header, one line per pitcher and a footer.
struct PitcherList {
    std::string title;
    std::string_view header;
    std::string_view footer;
    std::vector<std::string> lines;
    bool escapeAllowed = true;
};

inline constexpr int kNoPick = -1;
// Lines shown at once; PgUp and PgDn move by this many.
inline constexpr int kVisiblePitcherLines = 17;

// The roster entries of the pitching staff, in roster order.
std::vector<int> StaffEntries(const Team& team);

// A pitcher's figures laid out under `header`: the name under "Name", the
// throwing hand under "L/R" and every figure ending where its column title
// ends, so one function serves headers with and without saves.
std::string PitcherListLine(const Player& pitcher, std::string_view header);
std::vector<std::string> PitcherListLines(const Team& team, std::span<const int> entries,
                                          std::string_view header);

// A list title: the text, then the team name in quotes ("...for 'Name'").
std::string PitcherListTitle(std::string_view text, const Team& team);

// Draws the list and runs its keys: the arrows, PgUp, PgDn, Home, End and the
// mouse wheel move the highlight, a click on a line moves it there; Enter or
// a double click on a line picks. Returns the index of the line picked, or
// kNoPick for ESC when it is allowed (and at once for an empty list).
// `highlight` is the line highlighted at the start and is kept, so a screen
// that shows the list again after a refused pick keeps the user's place.
int PickFromPitcherList(Console& console, const PitcherList& list, int& highlight);

// A message box over the list; returns the key that closed it.
std::string PitcherListMessage(Console& console, std::string_view text);

}  // namespace vrk
