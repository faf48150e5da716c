#include "reports/report_leaders_section.h"

#include <vector>

#include "core/text_fields.h"
#include "reports/leaders.h"
#include "reports/report_format.h"

namespace vrk {

namespace {

constexpr const char* kRule = "=============================";
constexpr const char* kGap = "    ";

void WritePairs(std::string& out, const std::vector<LeaderList>& lists) {
    for (std::size_t i = 0; i + 1 < lists.size(); i += 2) {
        const LeaderList& left = lists[i];
        const LeaderList& right = lists[i + 1];
        AddLine(out);
        AddLine(out, padRight(left.title, kLeaderWidth) + kGap + right.title);
        for (int place = 0; place < kLeaderPlaces; ++place) {
            std::string line = LeaderPlaceText(left, place) + kGap + LeaderPlaceText(right, place);
            AddLine(out, trimRight(line));
        }
    }
}

}  // namespace

void WriteLeadersSection(std::string& out, const ReportLeague& league, long qualifyingPA,
                         long qualifyingInnings) {
    const std::string name(1, league.letter);
    AddLine(out);
    AddLine(out, kRule);
    AddLine(out, "League Batting Leaders - " + name);
    AddLine(out, kRule);
    WritePairs(out, BattingLeaders(league, qualifyingPA));
    AddLine(out);
    AddLine(out, kRule);
    AddLine(out, "League Pitching Leaders - " + name);
    AddLine(out, kRule);
    WritePairs(out, PitchingLeaders(league, qualifyingInnings));
}

}  // namespace vrk
