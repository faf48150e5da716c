#include "reports/report_highlights_section.h"

#include <cstdio>

#include "reports/report_format.h"

namespace vrk {

namespace {
constexpr int kLongestQuietStreak = 9;
}

void WriteHighlightsSection(std::string& out, const ReportInput& input,
                            const std::vector<ReportLeague>& leagues) {
    AddLine(out);
    AddLine(out, "Highlights of this Simulation");
    AddLine(out);
    AddLine(out, "Game/Event");
    for (const HighlightFileLine& line : input.highlights)
        AddLine(out, HighlightLine(line.gameNumber, line.text));
    AddLine(out);
    AddLine(out, "Batting Streaks in Progress (at least 10 games)");
    bool any = false;
    for (const ReportLeague& league : leagues) {
        for (const ReportClub& club : league.clubs) {
            for (const BattingRecord* b : club.batters) {
                if (b->hitStreak <= kLongestQuietStreak) continue;
                char line[80];
                std::snprintf(line, sizeof line, "%-12s  %-16s %4d", KeyTeamName(b->key).c_str(),
                              KeyPlayerName(b->key).c_str(), b->hitStreak);
                AddLine(out, line);
                any = true;
            }
        }
    }
    if (!any) AddLine(out, "None");
}

}  // namespace vrk
