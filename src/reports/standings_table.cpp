#include "reports/standings_table.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/rounding.h"
#include "core/text_fields.h"

namespace vrk {

ClubStanding& StandingsClub(ClubStandings& table, char league, char division,
                            const std::string& name) {
    const std::string padded = padRight(name, 12);
    for (ClubStanding& c : table.clubs) {
        if (c.league == league && c.name == padded) {
            c.division = division;
            return c;
        }
    }
    ClubStanding club;
    club.name = padded;
    club.league = league;
    club.division = division;
    table.clubs.push_back(club);
    return table.clubs.back();
}

void AddGameToStandings(ClubStandings& table, const GameRecord& game) {
    const GameTeamLine& v = game.visitors;
    const GameTeamLine& h = game.home;
    if (v.runs == h.runs) return;  // no decision to count
    ClubStanding& visitors = StandingsClub(table, v.league, v.division, v.teamName);
    (v.runs > h.runs ? visitors.wins : visitors.losses) += 1;
    ClubStanding& home = StandingsClub(table, h.league, h.division, h.teamName);
    (h.runs > v.runs ? home.wins : home.losses) += 1;
}

ClubStandings StandingsFromGames(const std::vector<GameRecord>& games) {
    ClubStandings table;
    for (const GameRecord& g : games) AddGameToStandings(table, g);
    RecomputeStandingsKeys(table);
    SortStandingsTable(table);
    return table;
}

std::string ScreenPctKey(int wins, int losses) {
    if (wins + losses <= 0) return "0000";
    const double pct = static_cast<double>(wins) / (wins + losses);
    char text[8];
    std::snprintf(text, sizeof text, "%04ld", roundHalfEven((pct + 0.00005) * 1000));
    return text;
}

std::string ScreenPctText(const std::string& key) {
    if (key > "0998") return "1.00";
    return concat({".", std::string_view(key).substr(key.size() >= 3 ? key.size() - 3 : 0)});
}

std::string LeagueName(char league) {
    switch (league) {
        case 'A':
            return "A.L.";
        case 'N':
            return "N.L.";
        case 'F':
            return "Federal";
        default:
            return std::string(1, league);
    }
}

std::string DivisionName(char division) {
    switch (division) {
        case 'N':
            return "North";
        case 'S':
            return "South";
        case 'E':
            return "East";
        case 'C':
            return "Central";
        case 'W':
            return "West";
        default:
            return std::string(1, division);
    }
}

void RecomputeStandingsKeys(ClubStandings& table) {
    for (ClubStanding& c : table.clubs) c.pctKey = ScreenPctKey(c.wins, c.losses);
}

void SortStandingsTable(ClubStandings& table) {
    std::stable_sort(table.clubs.begin(), table.clubs.end(),
                     [](const ClubStanding& a, const ClubStanding& b) {
                         if (a.league != b.league) return a.league < b.league;
                         if (a.division != b.division) return a.division < b.division;
                         return a.pctKey > b.pctKey;
                     });
}

std::vector<ShownLeague> GroupForScreen(const ClubStandings& table) {
    std::vector<ShownLeague> leagues;
    for (const ClubStanding& c : table.clubs) {
        if (leagues.empty() || leagues.back().letter != c.league) {
            if (leagues.size() == kMaxShownLeagues) break;
            leagues.push_back({c.league, {}});
        }
        std::vector<ShownDivision>& divisions = leagues.back().divisions;
        if (divisions.empty() || divisions.back().letter != c.division) {
            if (divisions.size() == kMaxShownDivisions) continue;
            divisions.push_back({c.division, {}});
        }
        divisions.back().clubs.push_back(&c);
    }
    return leagues;
}

}  // namespace vrk
