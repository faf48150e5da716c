#include "data/databank_teams.h"

#include <string_view>

#include "core/csv.h"

namespace vrk {

namespace {

struct Columns {
    const CsvTable& table;
    const CsvTable::Row& row;

    std::string text(std::string_view name) const {
        const int c = table.column(name);
        if (c < 0 || static_cast<std::size_t>(c) >= row.fields.size()) return {};
        return row.fields[static_cast<std::size_t>(c)];
    }
    std::optional<long> number(std::string_view name) const { return csvInteger(text(name)); }
};

}  // namespace

DatabankTeams readDatabankTeams(const std::string& path) {
    DatabankTeams out;
    const CsvTable table = readCsvFile(path, "Teams.csv");
    out.problems = table.problems;
    for (const char* required : {"yearID", "lgID", "teamID", "G", "W", "L"}) {
        if (!table.header.empty() && table.column(required) < 0) {
            out.problems.push_back("Teams.csv: no column " + std::string(required));
            return out;
        }
    }
    for (const auto& row : table.rows) {
        const Columns c{table, row};
        DatabankTeamSeason s;
        s.line = row.line;
        const auto year = c.number("yearID");
        const auto games = c.number("G");
        const auto wins = c.number("W");
        const auto losses = c.number("L");
        s.league = c.text("lgID");
        s.teamId = c.text("teamID");
        if (!year || !games || !wins || !losses || s.league.empty() || s.teamId.empty() ||
            *games < 0 || *wins < 0 || *losses < 0) {
            out.problems.push_back("Teams.csv line " + std::to_string(row.line) +
                                   ": year, league, club, games, wins or losses unreadable");
            continue;
        }
        s.year = static_cast<int>(*year);
        s.games = *games;
        s.wins = *wins;
        s.losses = *losses;
        s.franchiseId = c.text("franchID");
        s.division = c.text("divID");
        s.name = c.text("name");
        s.park = c.text("park");
        s.runs = c.number("R");
        s.atBats = c.number("AB");
        s.hits = c.number("H");
        s.doubles = c.number("2B");
        s.triples = c.number("3B");
        s.homeRuns = c.number("HR");
        s.walks = c.number("BB");
        s.strikeouts = c.number("SO");
        s.stolenBases = c.number("SB");
        s.caughtStealing = c.number("CS");
        s.hitByPitch = c.number("HBP");
        s.sacrificeFlies = c.number("SF");
        s.runsAllowed = c.number("RA");
        s.earnedRuns = c.number("ER");
        s.completeGames = c.number("CG");
        s.shutouts = c.number("SHO");
        s.saves = c.number("SV");
        s.outsPitched = c.number("IPouts");
        s.hitsAllowed = c.number("HA");
        s.homeRunsAllowed = c.number("HRA");
        s.walksAllowed = c.number("BBA");
        s.strikeoutsByPitchers = c.number("SOA");
        s.errors = c.number("E");
        s.doublePlays = c.number("DP");
        s.battingParkFactor = c.number("BPF");
        s.pitchingParkFactor = c.number("PPF");
        out.seasons.push_back(std::move(s));
    }
    return out;
}

}  // namespace vrk
