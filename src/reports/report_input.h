#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "data/stats_records.h"
#include "data/stats_table.h"
#include "engine/stats_highlights.h"

namespace vrk {

inline constexpr std::string_view kNoPitcherFile = "No Pitcher File Found.";
inline constexpr std::string_view kNoBatterFile = "No Batter File Found.";

// Everything a report reads from one statistics set.
struct ReportInput {
    std::string name;  // the set's base name
    std::vector<GameRecord> games;
    BattingTable batting;
    PitchingTable pitching;
    FieldingTable fielding;  // empty table when the set has no fielding file
    std::vector<HighlightFileLine> highlights;
    std::vector<std::string> notes;  // things worth telling that do not stop the report
};

struct ReportInputLoad {
    ReportInput input;
    // Empty when the set can be reported on; else the message-box text
    // (lines separated by '|').
    std::string problem;
    bool ok() const { return problem.empty(); }
};

// Reads the set named `name` in `folder`, checking in order: the games
// file, the pitching file, the batting file, then the record layout.
ReportInputLoad LoadReportInput(std::string_view folder, std::string_view name);

}  // namespace vrk
