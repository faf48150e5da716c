#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "data/stats_file_io.h"
#include "engine/game.h"

namespace vrk {

struct StatsSet;

inline constexpr int kMaxRecentHighlights = 5;
inline constexpr std::size_t kHighlightListTextWidth = 40;

// Highlights kept in memory: the first 400 of the run (game number and the
// first 40 characters) for the end-of-simulation display, and the first five
// texts since the shell last cleared them, for the end-of-game screen.
struct HighlightLists {
    std::vector<Highlight> run;
    std::vector<std::string> recent;
};

void ClearRecentHighlights(HighlightLists& lists);

// The file line: the game number left-justified in six characters, then the text.
std::string HighlightLine(int gameNumber, std::string_view text);

// "Tom Marsh, 25-game streak ends" for "Marsh, Tom" (a name without a comma
// is used as stored).
std::string StreakEndsText(std::string_view playerName, int streak);

// Keeps the highlight in the lists while they have room and appends it to
// the set's highlights file when a set is open (set may be null). A failed
// file write is returned; the lists are filled regardless.
IoResult AddHighlight(const StatsSet* set, HighlightLists& lists, int gameNumber,
                      std::string_view text);

struct HighlightFileLine {
    int gameNumber = 0;
    std::string text;
};

// The highlights file as read back for reports. Lines that do not start with
// a game number or that hold control characters (a damaged file) are
// skipped and counted, never passed on.
struct HighlightFile {
    std::vector<HighlightFileLine> lines;
    int skippedLines = 0;
    IoResult result;  // failure when the file exists but cannot be read
};

HighlightFile ReadHighlightsFile(const std::string& path);

}  // namespace vrk
