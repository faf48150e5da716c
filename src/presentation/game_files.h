#pragma once
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "presentation/box_score.h"

namespace vrk {

// The line that opens each game's entry in a per-game file: date, time,
// "  #" and the game number, a run of dashes (41, or 42 in the box score
// file), then the schedule date or ten more dashes.
std::string PerGameHeader(const std::tm& now, long gameNumber, int dashes,
                          std::string_view scheduleDate = {});

inline constexpr int kLineScoreDashes = 41;
inline constexpr int kBoxScoreDashes = 42;
inline constexpr int kScoreCardDashes = 41;

// The entries themselves, header line first.
std::vector<std::string> LineScoreFileEntry(const std::string& header, const LineScore& score);
std::vector<std::string> BoxScoreFileEntry(const std::string& header,
                                           const std::vector<std::string>& boxLines);
std::vector<std::string> ScoreCardFileEntry(const std::string& header, const LineScore& score,
                                            const std::vector<std::string>& cardLines);

}  // namespace vrk
