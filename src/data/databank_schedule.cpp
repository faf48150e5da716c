#include "data/databank_schedule.h"

#include <map>

#include "core/rng.h"
#include "data/league_rows.h"
#include "data/schedule_file.h"
#include "data/schedule_maker.h"

namespace vrk {

namespace {

// The number of games most of the league's clubs played (the larger on a
// tie): a tie-breaker game or a rained-out one does not set the season.
int seasonGames(char letter, const std::vector<DatabankTeamSeason>& clubRows) {
    std::map<long, int> count;
    for (const DatabankTeamSeason& row : clubRows)
        if (leagueLetter(row.league) == letter && row.games > 0) ++count[row.games];
    long best = kDefaultSeasonGames;
    int seen = 0;
    for (const auto& [games, n] : count) {
        if (n >= seen) {
            best = games;
            seen = n;
        }
    }
    return static_cast<int>(best);
}

std::string stem(const std::string& fileName) {
    return fileName.substr(0, fileName.find('.'));
}

}  // namespace

SeasonSchedule buildSeasonSchedule(int year, char wantedLeague,
                                   const std::vector<std::string>& teamFiles,
                                   const std::vector<DatabankTeamSeason>& clubRows) {
    SeasonSchedule out;
    out.fileName =
        std::to_string(year) + (wantedLeague != 0 ? std::string(1, wantedLeague) : "") + ".SCH";
    std::vector<std::string> names;
    std::map<char, std::vector<int>> leagues;
    for (const std::string& file : teamFiles) {
        leagues[TeamFileLeague(stem(file))].push_back(static_cast<int>(names.size()));
        names.push_back(stem(file));
    }
    std::vector<ScheduleSeries> series;
    for (const auto& [letter, clubs] : leagues) {
        if (clubs.size() < 2) {
            out.notes.push_back("league " + std::string(1, letter) +
                                " has one club only: it has no games in the schedule");
            continue;
        }
        const int games = seasonGames(letter, clubRows);
        if (clubs.size() % 2 == 1 && games % 2 == 1) {
            out.notes.push_back("league " + std::string(1, letter) + ": " +
                                std::to_string(clubs.size()) + " clubs cannot all play " +
                                std::to_string(games) + " games; the schedule has " +
                                std::to_string(games - 1) + " for each");
        }
        for (const ScheduleSeries& s : BalancedLeagueSeries(clubs, games)) {
            series.push_back(s);
            out.games += s.games;
        }
    }
    if (series.empty()) return out;
    Rng rng(static_cast<std::uint64_t>(year));
    const auto days = LayOutSeries(std::move(series), static_cast<int>(names.size()), rng);
    out.bytes = ScheduleFileBytes(days, names, year);
    return out;
}

}  // namespace vrk
