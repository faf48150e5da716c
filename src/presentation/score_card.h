#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "presentation/gender_text.h"

namespace vrk {

inline constexpr std::size_t kMaxScoreCardRecords = 300;
inline constexpr std::size_t kMaxScoreCardLines = 300;
inline constexpr std::size_t kScoreCardLineWidth = 120;

// One event of a game's score card.
struct ScoreCardRecord {
    int inning = 0;
    int side = 0;      // 1 visitors, 2 home
    int player = 0;    // roster entry
    char code = ' ';   // kind of line: ' ' plate appearance, 'X' free text, 'A' pitcher ...
    std::string text;  // 30 characters
    std::string onFirst, onSecond, onThird;  // " X" or " ."
    std::string runs;  // runs since the last snapshot, right-aligned in 2, or blanks
    // The player's name when the record was made; empty = look it up by
    // entry when the lines are built. Entries change hands with every
    // substitution, so a card kept over a whole game stores the name.
    std::string name;
};

struct ScoreCard {
    std::vector<ScoreCardRecord> records;
};

// The game situation a record is stamped with, as the game loop has it.
struct ScoreCardSituation {
    int inning = 0;
    bool onFirst = false;
    bool onSecond = false;
    bool onThird = false;
    // The side's runs now minus the snapshot the game loop took at the
    // start of the half inning or after the last plate-appearance record.
    int runsSinceSnapshot = 0;
};

// Appends a record; the 301st and later records of a game are dropped.
void ScoreCardEntry(ScoreCard& card, int side, int player, char code, std::string_view text,
                    const ScoreCardSituation& situation);

// The lines of the card for the viewer and SCORECRD.LOG: at most 300,
// header lines ("~     Inn. 3: Team") included, each at most 120
// characters with trailing blanks dropped.
std::vector<std::string> ScoreCardLines(const ScoreCard& card, const TeamRefs& teams);

// A roster name fitted to a field: "Last, First" as it stands when it fits,
// else "Last, F", else cut.
std::string ScoreCardName(std::string_view rosterName, std::size_t width);

}  // namespace vrk
