#include "reports/csv_tables.h"

#include <filesystem>

#include "core/paths.h"
#include "core/text_fields.h"
#include "reports/report_clubs.h"
#include "reports/report_figures.h"
#include "reports/report_format.h"
#include "reports/team_standings.h"

namespace vrk {

namespace {

constexpr const char* kStandingsColumns =
    "league,division,team,w,l,pct,gb,home_w,home_l,road_w,road_l,rs,ra";
constexpr const char* kBattingColumns =
    "league,team,name,g,ab,r,h,2b,3b,hr,rbi,sb,cs,bb,hbp,so,gidp,sh,sf,e,avg,obp,slg,ops,tavg,rc,"
    "rc27";
constexpr const char* kPitchingColumns =
    "league,team,name,w,l,sv,bs,g,gs,cg,sho,outs,ip,h,r,er,hr,bb,hbp,so,bf,era,so9,opp_avg,"
    "opp_slg";
constexpr const char* kFieldingColumns =
    "league,team,name,g,g_p,g_c,g_1b,g_2b,g_3b,g_ss,g_lf,g_cf,g_rf,g_dh,e,a,po,pct";

void AddRow(std::string& out, const std::vector<std::string>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) out += ',';
        out += CsvField(fields[i]);
    }
    out += '\n';
}

std::string Number(long n) {
    return std::to_string(n);
}

// Games behind the first club of the division, as a number.
std::string GamesBehind(const TeamStanding& first, const TeamStanding& t) {
    return Fixed(((first.wins - first.losses) - (t.wins - t.losses)) / 2.0, 1);
}

}  // namespace

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

CsvTables BuildCsvTables(const ReportInput& input, int teamLimit) {
    CsvTables tables;
    const int limit = EffectiveTeamLimit(teamLimit);
    StandingsBuild standings = BuildStandings(input.games, limit);
    tables.leftOut = standings.leftOut;
    const std::vector<ReportLeague> leagues = GroupClubs(input, standings, limit, tables.leftOut);

    SortStandings(standings.teams);
    AddLine(tables.standings, kStandingsColumns);
    const TeamStanding* first = nullptr;
    for (const TeamStanding& t : standings.teams) {
        if (first == nullptr || first->league != t.league || first->division != t.division)
            first = &t;
        double pct = t.games() > 0 ? static_cast<double>(t.wins) / t.games() : 0.0;
        AddRow(tables.standings, {std::string(1, t.league), std::string(1, t.division),
                                  std::string(trimRight(t.name)), Number(t.wins), Number(t.losses),
                                  Fixed(pct, 3), GamesBehind(*first, t), Number(t.homeWins),
                                  Number(t.homeLosses), Number(t.roadWins), Number(t.roadLosses),
                                  Number(t.runsScored()), Number(t.runsAllowed())});
    }

    AddLine(tables.batting, kBattingColumns);
    AddLine(tables.pitching, kPitchingColumns);
    AddLine(tables.fielding, kFieldingColumns);
    for (const ReportLeague& league : leagues) {
        const std::string letter(1, league.letter);
        for (const ReportClub& club : league.clubs) {
            const std::string team(trimRight(club.name));
            for (const BattingRecord* b : club.batters) {
                AddRow(tables.batting, {letter,
                                        team,
                                        KeyPlayerName(b->key),
                                        Number(b->games),
                                        Number(b->atBats.total),
                                        Number(b->runs),
                                        Number(b->hits.total),
                                        Number(b->doubles.total),
                                        Number(b->triples.total),
                                        Number(b->homeRuns.total),
                                        Number(b->runsBattedIn),
                                        Number(b->stolenBases),
                                        Number(b->caughtStealing),
                                        Number(b->walks.total),
                                        Number(b->hitByPitch),
                                        Number(b->strikeouts.total),
                                        Number(b->groundedIntoDoublePlays),
                                        Number(b->sacrificeHits),
                                        Number(b->sacrificeFlies),
                                        Number(b->errors),
                                        Fixed(BattingAverage(*b), 3),
                                        Fixed(OnBasePct(*b), 3),
                                        Fixed(SluggingPct(*b), 3),
                                        Fixed(Ops(*b), 3),
                                        Fixed(TotalAverage(*b), 3),
                                        Fixed(RunsCreated(*b), 2),
                                        Fixed(RunsCreatedPer27(*b), 2)});
            }
            for (const PitchingRecord* p : club.pitchers) {
                const long outs = OutsRecorded(*p);
                AddRow(tables.pitching, {letter,
                                         team,
                                         KeyPlayerName(p->key),
                                         Number(p->wins),
                                         Number(p->losses),
                                         Number(p->saves),
                                         Number(p->blownSaves),
                                         Number(p->games),
                                         Number(p->gamesStarted),
                                         Number(p->completeGames),
                                         Number(p->shutouts),
                                         Number(outs),
                                         Fixed(outs / 3.0, 2),
                                         Number(p->hits),
                                         Number(p->runs),
                                         Number(p->earnedRuns),
                                         Number(p->homeRuns),
                                         Number(p->walks),
                                         Number(p->hitBatsmen),
                                         Number(p->strikeouts),
                                         Number(p->battersFaced),
                                         Fixed(EarnedRunAverage(*p), 2),
                                         Fixed(StrikeoutsPerNine(*p), 2),
                                         Fixed(OpponentsAverage(*p), 3),
                                         Fixed(OpponentsSlugging(*p), 3)});
            }
            for (const FieldingRecord* f : club.fielders) {
                std::vector<std::string> row{letter, team, KeyPlayerName(f->key), Number(f->games)};
                for (int pos = 1; pos <= kChargedPositions; ++pos)
                    row.push_back(Number(f->gamesAt[static_cast<std::size_t>(pos)]));
                row.push_back(Number(FieldingErrors(*f)));
                row.push_back(Number(FieldingAssists(*f)));
                row.push_back(Number(FieldingPutouts(*f)));
                row.push_back(Fixed(FieldingPct(*f), 4));
                AddRow(tables.fielding, row);
            }
        }
    }
    return tables;
}

IoResult WriteCsvTables(const CsvTables& tables, std::string_view folder) {
    std::error_code ec;
    std::filesystem::create_directories(std::string(folder), ec);
    if (ec) return {false, "Cannot create the folder " + std::string(folder) + ": " + ec.message()};
    const std::pair<const char*, const std::string*> files[] = {
        {"standings.csv", &tables.standings},
        {"batting.csv", &tables.batting},
        {"pitching.csv", &tables.pitching},
        {"fielding.csv", &tables.fielding}};
    for (const auto& [name, text] : files) {
        const std::string path = joinPath(folder, name);
        IoResult written = ReplaceFile(
            SystemFileOps(), path,
            std::span(reinterpret_cast<const std::uint8_t*>(text->data()), text->size()));
        if (!written.ok) return written;
    }
    return {};
}

}  // namespace vrk
