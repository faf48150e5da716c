#include "reports/report_standings_section.h"

#include <algorithm>

#include "core/text_fields.h"
#include "reports/report_format.h"

namespace vrk {

namespace {

constexpr const char* kHeaderTop =
    "                                      --------- Home --------   --------- Road --------    "
    "                                           Avg. ";
constexpr const char* kHeader =
    "Team             W     L   Pct   GB     W     L     RS     RA     W     L     RS     RA    "
    "   RS     RA   Hits  Errs    LOB    DP    Score";
constexpr std::size_t kRowWidth = 139;

std::string PerGame(long runs, int games) {
    return Fixed(games > 0 ? static_cast<double>(runs) / games : 0.0, 1);
}

void AddInto(TeamStanding& total, const TeamStanding& t) {
    total.wins += t.wins;
    total.losses += t.losses;
    total.homeWins += t.homeWins;
    total.homeLosses += t.homeLosses;
    total.homeRunsScored += t.homeRunsScored;
    total.homeRunsAllowed += t.homeRunsAllowed;
    total.roadWins += t.roadWins;
    total.roadLosses += t.roadLosses;
    total.roadRunsScored += t.roadRunsScored;
    total.roadRunsAllowed += t.roadRunsAllowed;
    total.hits += t.hits;
    total.errors += t.errors;
    total.leftOnBase += t.leftOnBase;
    total.doublePlays += t.doublePlays;
}

}  // namespace

std::string DivisionTitle(char division) {
    switch (division) {
        case 'E':
            return "E Division";
        case 'C':
            return "C Division";
        case 'W':
            return "W Division";
        default:
            return "";
    }
}

std::string StandingsRow(const std::string& label, const TeamStanding& t,
                         const std::string& gamesBehind) {
    static const std::vector<int> ends = HeaderColumnEnds(kHeader);
    const std::string score = PadLeft(PerGame(t.runsScored(), t.games()), 4) + "-" +
                              PadLeft(PerGame(t.runsAllowed(), t.games()), 4);
    std::string row = AlignedRow(
        label.size() < 12 ? padRight(label, 12) : label, ends,
        {Count(t.wins), Count(t.losses), ReportPctText(ReportPctKey(t.wins, t.losses)), gamesBehind,
         Count(t.homeWins), Count(t.homeLosses), Count(t.homeRunsScored), Count(t.homeRunsAllowed),
         Count(t.roadWins), Count(t.roadLosses), Count(t.roadRunsScored), Count(t.roadRunsAllowed),
         Count(t.runsScored()), Count(t.runsAllowed()), Count(t.hits), Count(t.errors),
         Count(t.leftOnBase), Count(t.doublePlays), score});
    return padRight(row, std::max(kRowWidth, row.size()));
}

void WriteStandingsSection(std::string& out, const std::vector<TeamStanding>& teams) {
    TeamStanding grand;
    TeamStanding league;
    const TeamStanding* first = nullptr;
    for (std::size_t i = 0; i < teams.size(); ++i) {
        const TeamStanding& t = teams[i];
        const bool newLeague = i == 0 || teams[i - 1].league != t.league;
        if (newLeague || teams[i - 1].division != t.division) {
            first = &t;
            AddLine(out);
            AddLine(out, DivisionTitle(t.division));
            AddLine(out, kHeaderTop);
            AddLine(out, kHeader);
        }
        AddLine(out, StandingsRow(t.name, t, GamesBehindText(*first, t)));
        AddInto(league, t);
        AddInto(grand, t);
        if (i + 1 == teams.size() || teams[i + 1].league != t.league) {
            AddLine(out, StandingsRow("League Totals", league, ""));
            league = TeamStanding{};
        }
    }
    AddLine(out);
    AddLine(out, "**** Grand Totals ****");
    AddLine(out, StandingsRow("", grand, ""));
}

}  // namespace vrk
