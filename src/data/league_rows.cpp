#include "data/league_rows.h"

#include <cstdio>
#include <map>
#include <utility>

namespace vrk {

char leagueLetter(std::string_view databankLeague) {
    if (databankLeague == "AL" || databankLeague == "AA") return 'A';
    if (databankLeague == "NL" || databankLeague == "NA") return 'N';
    if (databankLeague == "UA") return 'U';
    if (databankLeague == "PL") return 'P';
    if (databankLeague == "FL") return 'F';
    return databankLeague.empty() ? ' ' : databankLeague.front();
}

std::vector<LeagueSeasonLine> leagueSeasonLines(const std::vector<DatabankTeamSeason>& seasons) {
    struct Sums {
        LeagueSeasonLine line;
        long outs = 0;
        long runs = 0;
        long games = 0;
    };
    std::map<std::pair<int, char>, Sums> byKey;
    for (const auto& s : seasons) {
        const char letter = leagueLetter(s.league);
        Sums& sums = byKey[{s.year, letter}];
        sums.line.year = s.year;
        sums.line.letter = letter;
        sums.line.teams += 1;
        sums.line.hits += s.hits.value_or(0);
        sums.line.doubles += s.doubles.value_or(0);
        sums.line.triples += s.triples.value_or(0);
        sums.line.homeRuns += s.homeRuns.value_or(0);
        sums.line.walks += s.walks.value_or(0);
        sums.line.strikeouts += s.strikeouts.value_or(0);
        sums.outs += s.outsPitched.value_or(0);
        sums.runs += s.runs.value_or(0);
        sums.games += s.games;
    }
    std::vector<LeagueSeasonLine> out;
    for (auto& [key, sums] : byKey) {
        // The row's estimate of plate appearances (hits + walks + the outs of
        // its innings) is the one each pitcher's line is measured by, so an
        // average pitcher meets the league at its own rates. Innings made of
        // the outs of at-bats alone would put every pitcher below the league
        // by the outs made outside at-bats (5 to 9 per cent) and take as much
        // off every hit, walk and strikeout.
        sums.line.innings = (sums.outs + 1) / 3;
        sums.line.runsPerGame =
            sums.games > 0 ? static_cast<double>(sums.runs) / static_cast<double>(sums.games) : 0;
        out.push_back(sums.line);
    }
    return out;
}

std::string formatLeagueRow(const LeagueSeasonLine& line) {
    char text[96];
    std::snprintf(text, sizeof text, "%04d%c     %6ld %6ld %6ld %6ld %6ld %6ld %6ld %6d %6.2f 100",
                  line.year % 10000, line.letter, line.innings, line.hits, line.doubles,
                  line.triples, line.homeRuns, line.walks, line.strikeouts, line.teams,
                  line.runsPerGame);
    return text;
}

}  // namespace vrk
