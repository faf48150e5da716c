#include "reports/team_standings.h"

#include <algorithm>
#include <cstdio>

#include "core/rounding.h"
#include "core/text_fields.h"

namespace vrk {

namespace {

// The club's record, created when first met; null when it is left out
// because the report already holds as many clubs as the limit allows.
TeamStanding* ClubOf(StandingsBuild& build, const GameTeamLine& line, int teamLimit) {
    const std::string name = padRight(line.teamName, 12);
    for (TeamStanding& t : build.teams) {
        if (t.league == line.league && t.name == name) {
            t.division = line.division;
            return &t;
        }
    }
    const std::string club = std::string(1, line.league) + name;
    if (std::find(build.leftOut.begin(), build.leftOut.end(), club) != build.leftOut.end())
        return nullptr;
    if (static_cast<int>(build.teams.size()) >= teamLimit) {
        build.leftOut.push_back(club);
        return nullptr;
    }
    TeamStanding fresh;
    fresh.league = line.league;
    fresh.division = line.division;
    fresh.name = name;
    build.teams.push_back(fresh);
    return &build.teams.back();
}

void Credit(StandingsBuild& build, const GameTeamLine& own, const GameTeamLine& other, bool home,
            int teamLimit) {
    TeamStanding* club = ClubOf(build, own, teamLimit);
    if (club == nullptr) return;
    TeamStanding& t = *club;
    const bool won = own.runs > other.runs;
    const bool lost = own.runs < other.runs;
    if (home) {
        t.homeWins += won;
        t.homeLosses += lost;
        t.homeRunsScored += own.runs;
        t.homeRunsAllowed += other.runs;
    } else {
        t.roadWins += won;
        t.roadLosses += lost;
        t.roadRunsScored += own.runs;
        t.roadRunsAllowed += other.runs;
    }
    t.wins += won;
    t.losses += lost;
    t.hits += own.hits;
    t.errors += own.errors;
    t.leftOnBase += own.leftOnBase;
    t.doublePlays += own.doublePlays;
}

}  // namespace

int EffectiveTeamLimit(int configured) {
    return configured <= 0 ? kDefaultStatTeamLimit : configured;
}

StandingsBuild BuildStandings(const std::vector<GameRecord>& games, int teamLimit) {
    StandingsBuild build;
    for (const GameRecord& g : games) {
        Credit(build, g.visitors, g.home, false, teamLimit);
        Credit(build, g.home, g.visitors, true, teamLimit);
    }
    // Shown as the clubs' names, without the league letter used to tell them apart.
    for (std::string& name : build.leftOut) name = std::string(trimRight(name.substr(1)));
    return build;
}

int ReportPctKey(int wins, int losses) {
    if (wins + losses <= 0) return 0;
    return static_cast<int>(static_cast<double>(wins) / (wins + losses) * 1000 + 0.5);
}

std::string ReportPctText(int key) {
    if (key > 998) return "1.000";
    char text[8];
    std::snprintf(text, sizeof text, ".%03d", key % 1000);
    return text;
}

void SortStandings(std::vector<TeamStanding>& teams) {
    std::stable_sort(teams.begin(), teams.end(), [](const TeamStanding& a, const TeamStanding& b) {
        if (a.league != b.league) return a.league > b.league;
        if (a.division != b.division) return a.division > b.division;
        return ReportPctKey(a.wins, a.losses) > ReportPctKey(b.wins, b.losses);
    });
}

std::string GamesBehindText(const TeamStanding& first, const TeamStanding& team) {
    if (&first == &team) return "    -";
    const int d = (first.wins - first.losses) - (team.wins - team.losses);
    const int whole = d / 2;
    const double half = d / 2.0;
    if (whole == 0 && half < 0.002) return "    -";
    if (whole < 0) return "     ";
    std::string text = std::to_string(whole);
    if (half - whole > 0.002) text += ".5";
    return std::string(text.size() < 5 ? 5 - text.size() : 0, ' ') + text;
}

int MostTeamGames(const std::vector<TeamStanding>& teams) {
    int most = 0;
    for (const TeamStanding& t : teams) most = std::max(most, t.games());
    return most;
}

long QualifyingPlateAppearances(int mostGames) {
    return roundHalfEven(3.05 * mostGames);
}

long QualifyingInnings(int mostGames) {
    return std::max(1L, roundHalfEven(0.9 * mostGames));
}

}  // namespace vrk
