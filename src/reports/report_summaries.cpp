#include "reports/report_summaries.h"

#include <vector>

#include "reports/report_figures.h"
#include "reports/report_format.h"
#include "reports/report_team_tables.h"

namespace vrk {

namespace {

constexpr const char* kBattingSummaryHeader =
    "Team                Avg            AB   Runs   Hits     TB    2B    3B     HR    RBI    SH "
    "   SF    HB     BB     SO    SB    CS   SB%  GIDP   ERR ";
constexpr const char* kPitchingSummaryHeader =
    "Name                 W     L     S   BS    ERA                CG  ShO     Inns   Hits   Run"
    "s   ERun     HR    HB     BB     SO  SO/9   Avg   Slg   ";
constexpr const char* kFieldingSummaryHeader = "Team               Errs   Assts     POs   Pct%";

// The summaries leave out the games columns of the club tables.
std::vector<std::string> Without(std::vector<std::string> values,
                                 std::initializer_list<std::size_t> drop) {
    for (auto it = drop.end(); it != drop.begin();) {
        --it;
        values.erase(values.begin() + static_cast<std::ptrdiff_t>(*it));
    }
    return values;
}

std::vector<std::string> BattingSummary(const BattingRecord& b) {
    return Without(BattingValues(b, 4, ""), {1});
}

std::vector<std::string> PitchingSummary(const PitchingRecord& p) {
    return Without(PitchingValues(p, ""), {5, 6});
}

std::vector<std::string> FieldingSummary(const FieldingRecord& f) {
    return {Count(FieldingErrors(f)), Count(FieldingAssists(f)), Count(FieldingPutouts(f)),
            Fixed(FieldingPct(f), 4)};
}

}  // namespace

void WriteLeagueSummaries(std::string& out, const ReportLeague& league) {
    static const std::vector<int> batEnds = HeaderColumnEnds(kBattingSummaryHeader);
    static const std::vector<int> pitEnds = HeaderColumnEnds(kPitchingSummaryHeader);
    static const std::vector<int> fldEnds = HeaderColumnEnds(kFieldingSummaryHeader);
    BattingRecord leagueBatting;
    PitchingRecord leaguePitching;
    FieldingRecord leagueFielding;

    AddLine(out);
    AddLine(out, "LEAGUE BATTING SUMMARY BY TEAM");
    AddLine(out, kBattingSummaryHeader);
    for (const ReportClub& club : league.clubs) {
        const BattingRecord b = ClubBatting(club);
        AddBatting(leagueBatting, b);
        AddLine(out, AlignedRow(club.name, batEnds, BattingSummary(b)));
    }
    AddLine(out, AlignedRow("LEAGUE BAT.:", batEnds, BattingSummary(leagueBatting)));

    AddLine(out);
    AddLine(out, "LEAGUE PITCHING SUMMARY BY TEAM");
    AddLine(out, kPitchingHeaderTop);
    AddLine(out, kPitchingSummaryHeader);
    for (const ReportClub& club : league.clubs) {
        const PitchingRecord p = ClubPitching(club);
        AddPitching(leaguePitching, p);
        AddLine(out, AlignedRow(club.name, pitEnds, PitchingSummary(p)));
    }
    AddLine(out, AlignedRow("LEAGUE PIT.:", pitEnds, PitchingSummary(leaguePitching)));

    AddLine(out);
    AddLine(out, "LEAGUE FIELDING SUMMARY BY TEAM");
    AddLine(out, kFieldingSummaryHeader);
    for (const ReportClub& club : league.clubs) {
        const FieldingRecord f = ClubFielding(club);
        AddFielding(leagueFielding, f);
        AddLine(out, AlignedRow(club.name, fldEnds, FieldingSummary(f)));
    }
    AddLine(out, AlignedRow("LEAGUE FLD.:", fldEnds, FieldingSummary(leagueFielding)));
}

}  // namespace vrk
