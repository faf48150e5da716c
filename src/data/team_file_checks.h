#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/team.h"

namespace vrk {

// What reading a team file found, each text beginning "line N, column C:".
// Problems make the figures wrong (batch play stops on them); notes are
// values that were read otherwise than written (clamped or ignored).
struct TeamFileFindings {
    std::vector<std::string> problems;
    std::vector<std::string> notes;
};

// Bytes that break the fixed columns: a tab (a problem) and bytes outside
// ASCII, which a UTF-8 letter makes two of, moving every later field.
void checkLineBytes(std::string_view line, int lineNumber, TeamFileFindings& findings);

// A player line as written (not padded): negative counts, hits above
// at-bats on a batter's line, a line ending before the batting hand.
void checkPlayerFields(std::string_view line, int lineNumber, bool batterLine,
                       TeamFileFindings& findings);

// A keyword item that was not used as written ("PE=abc", "COL=NOPE").
std::optional<std::string> keywordItemProblem(std::string_view item);

// Why the line-up cannot play a game that ends: no batter who can be put out
// (hits as many as at-bats for all nine), or none who can reach base. A
// player who went 1 for 1, or 0 for 12, is a line-up like any other.
std::optional<std::string> unplayableLineup(const Team& team);

// More than one line-up line at position 1 (the pitcher's batting slot).
bool lineupHasTwoPitchers(const Team& team);

}  // namespace vrk
