#include "data/databank_import.h"

#include <filesystem>
#include <fstream>

#include "data/databank_players.h"
#include "data/databank_roster.h"
#include "data/databank_schedule.h"
#include "data/databank_teams.h"
#include "data/league_context.h"
#include "data/league_rows.h"
#include "data/stats_file_io.h"

namespace vrk {

namespace fs = std::filesystem;

namespace {

std::string teamsCsvPath(const std::string& folder) {
    const fs::path direct = fs::path(folder) / "Teams.csv";
    return fs::exists(direct) ? direct.string()
                              : (fs::path(folder) / "core" / "Teams.csv").string();
}

// "AL", "al" and "A" all name the American League of a season; 0 = any.
char wantedLetter(const std::string& wanted) {
    if (wanted.empty()) return 0;
    std::string upper;
    for (const char c : wanted)
        upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper.size() == 1 ? upper[0] : leagueLetter(upper);
}

std::vector<DatabankTeamSeason> seasonRowsOf(const std::vector<const DatabankTeamSeason*>& rows) {
    std::vector<DatabankTeamSeason> out;
    for (const auto* row : rows) out.push_back(*row);
    return out;
}

}  // namespace

DatabankImportResult importDatabankSeason(const DatabankImportRequest& request,
                                          const Config& config) {
    DatabankImportResult result;
    const DatabankTeams teams = readDatabankTeams(teamsCsvPath(request.folder));
    const bool haveTeams = !teams.seasons.empty();
    DatabankSeason season = readDatabankSeason(request.folder, request.year, "");
    result.messages = season.problems;
    if (haveTeams) {
        for (const auto& p : teams.problems) result.messages.push_back(p);
    } else {
        result.messages.push_back(
            "Teams.csv not read: club names, divisions and won-lost "
            "records are left out");
    }
    std::vector<const DatabankTeamSeason*> clubRows;
    for (const auto& s : teams.seasons)
        if (s.year == request.year) clubRows.push_back(&s);

    const char wanted = wantedLetter(request.league);
    std::error_code ec;
    fs::create_directories(request.outFolder, ec);
    if (ec) {
        result.messages.push_back("cannot create " + request.outFolder + ": " + ec.message());
        return result;
    }
    for (const auto& [clubId, players] : season.clubs) {
        const auto lg = season.clubLeague.find(clubId);
        const std::string league = lg != season.clubLeague.end() ? lg->second : std::string();
        if (wanted != 0 && leagueLetter(league) != wanted) continue;
        const DatabankTeamSeason* club = nullptr;
        for (const auto* row : clubRows)
            if (row->teamId == clubId) club = row;
        const ImportedTeamFile file = buildImportedTeam(season, clubId, request.year, club);
        for (const auto& note : file.notes) result.messages.push_back(clubId + ": " + note);
        if (!file.leftOut.empty()) {
            std::string names;
            for (const auto& n : file.leftOut) names += (names.empty() ? "" : ", ") + n;
            result.messages.push_back(clubId +
                                      ": more players than the 51 lines of a team file; "
                                      "the least used are left out: " +
                                      names);
        }
        if (file.text.empty()) continue;
        const fs::path path = fs::path(request.outFolder) / file.fileName;
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << file.text;
        out.close();
        if (!out) {
            result.messages.push_back("cannot write " + path.string());
            return result;
        }
        result.written.push_back(file.fileName);
    }
    if (result.written.empty()) {
        result.messages.push_back("no club of " + std::to_string(request.year) +
                                  (request.league.empty() ? "" : " " + request.league) +
                                  " was found in the databank's files");
        return result;
    }
    const SeasonSchedule schedule =
        buildSeasonSchedule(request.year, wanted, result.written, seasonRowsOf(clubRows));
    for (const auto& note : schedule.notes) result.messages.push_back("schedule: " + note);
    if (!schedule.bytes.empty()) {
        const fs::path path = fs::path(request.outFolder) / schedule.fileName;
        const IoResult wrote = ReplaceFile(SystemFileOps(), path.string(), schedule.bytes);
        if (!wrote.ok) {
            result.messages.push_back(wrote.message);
            return result;
        }
        result.schedule = schedule.fileName;
        result.scheduleGames = schedule.games;
    }
    // The season's league rows: the imported teams play against their own
    // league only when the configuration has its row.
    for (const auto& line : leagueSeasonLines(seasonRowsOf(clubRows))) {
        if (wanted != 0 && line.letter != wanted) continue;
        const LeagueAverageRow* have =
            findLeagueRow(config.leagueRows, std::to_string(line.year), line.letter);
        if (have == nullptr || have->year != std::to_string(line.year))
            result.missingLeagueRows.push_back(formatLeagueRow(line));
    }
    result.ok = true;
    return result;
}

}  // namespace vrk
