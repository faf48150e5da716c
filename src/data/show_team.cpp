#include "data/show_team.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

#include "core/numbering.h"
#include "core/text_fields.h"
#include "data/team_file.h"

namespace vrk {

namespace {

std::string format(const char* pattern, ...) __attribute__((format(printf, 1, 2)));

std::string format(const char* pattern, ...) {
    char buffer[512];
    va_list args;
    va_start(args, pattern);
    std::vsnprintf(buffer, sizeof buffer, pattern, args);
    va_end(args);
    return buffer;
}

const char* positionName(int position) {
    static constexpr const char* kNames[] = {"-",  "P",  "C",  "1B", "2B", "3B",
                                             "SS", "LF", "CF", "RF", "DH"};
    return position >= 0 && position <= kDesignatedHitter ? kNames[position] : "?";
}

const char* yesNo(bool value) {
    return value ? "yes" : "no";
}

std::string printable(std::string_view text) {
    std::string out;
    for (char c : text) out += (static_cast<unsigned char>(c) < 32 || c == 127) ? '?' : c;
    return out;
}

std::string listedPositions(const Player& p) {
    std::string out;
    for (std::size_t k = 1; k <= 4; ++k) {
        if (p.positionCode[k] == 0 && p.gamesAtPosition[k] == 0) continue;
        out += format(" %s %d", positionName(p.positionCode[k]), p.gamesAtPosition[k]);
    }
    return out;
}

void printBatters(const Team& t, int first, int last, std::ostream& out) {
    out << format(
        " #  %-18s Pos  H   AB   H  2B  3B  HR  BB W  SO RBI %s  SB  CS   G Spd "
        "Positions\n",
        "Name", t.defenseIsErrors ? "ERR" : "DEF");
    for (int e = first; e <= last; ++e) {
        const Player& p = t.player(e);
        out << format(
            "%2d%c %-18s %-3s  %c %4d %3d %3d %3d %3d %3d %c %3d %3d %3d %3d %3d %3d "
            "%3d%s\n",
            e, p.platoonMark == ' ' ? ' ' : '*', printable(p.playerName).c_str(),
            positionName(p.lineupPosition), p.hand, p.atBats, p.hits, p.doubles, p.triples,
            p.homeRuns, p.walks, p.walkGrade, p.strikeouts, p.runsBattedIn, p.defense,
            p.stolenBases, p.caughtStealing, p.games, p.speed, listedPositions(p).c_str());
    }
}

void printPitchers(const Team& t, int first, int last, std::ostream& out) {
    out << format(
        " #  %-18s  T   IP   H  HR  BB  SO   ERA   W   L  SV   G  GS Grd "
        "Batting AB/H/HR/BB/SO\n",
        "Name");
    for (int e = first; e <= last; ++e) {
        const Player& p = t.player(e);
        const PitcherBattingLine& b = p.pitcherBattingLine;
        const std::string batting = b.atBats > 0 ? format(" %d/%d/%d/%d/%d", b.atBats, b.hits,
                                                          b.homeRuns, b.walks, b.strikeouts)
                                                 : std::string(" -");
        out << format("%2d  %-18s  %c %4d %3d %3d %3d %3d %2d.%02d %3d %3d %3d %3d %3d  %c %s\n", e,
                      printable(p.playerName).c_str(), p.hand, p.pitching.inningsPitched,
                      p.pitching.hitsAllowed, p.pitching.homeRunsAllowed, p.pitching.walksAllowed,
                      p.pitching.strikeouts, p.pitching.eraTimes100 / 100,
                      p.pitching.eraTimes100 % 100, p.pitching.wins, p.pitching.losses,
                      p.pitching.saves, p.pitching.games, p.pitching.gamesStarted,
                      p.pitcherBattingGrade, batting.c_str());
    }
}

void printLeagueContext(const LeagueContext& c, std::ostream& out) {
    out << "League context: " << (c.fromRow ? c.rowKey : std::string("built-in")) << "\n";
    out << format(
        "  walks/PA %.4f  SO/out %.4f  SO/PA %.4f  1B/PA %.4f  2B/PA %.4f  "
        "3B/PA %.4f  HR/PA %.4f\n",
        c.walkRate, c.strikeoutsPerOut, c.strikeoutRate, c.singleRate, c.doubleRate, c.tripleRate,
        c.homeRunRate);
    out << format("  innings %d  hits %d  doubles %d  triples %d  home runs %d  walks %d\n",
                  c.innings, c.hits, c.doubles, c.triples, c.homeRuns, c.walks);
    out << format(
        "  run factor %.3f  index %d  column 60 %d  shares 1B %.3f 2B %.3f 3B %.3f "
        "HR %.3f\n",
        c.runFactor, c.leagueIndex, c.column60Value, c.singleShare, c.doubleShare, c.tripleShare,
        c.homeRunShare);
}

}  // namespace

void printTeam(const Team& t, std::ostream& out) {
    out << "Team file: " << t.teamFileName << "\n";
    out << format("league %c  division %c  season %s  team name \"%s\"\n", t.league, t.division,
                  printable(t.season).c_str(), printable(trimRight(t.teamName)).c_str());
    out << format("stealColumns %d  defenseIsErrors %s  lastPitcherEntry %d  playerCount %d\n",
                  t.stealColumns, yesNo(t.defenseIsErrors), t.lastPitcherEntry, t.playerCount);
    out << format("dhRule %d  femaleTeam %s  teamColor %d  parkFactorA %.2f  parkFactorB %.2f\n",
                  t.dhRule, yesNo(t.femaleTeam), t.teamColor, t.parkFactorA, t.parkFactorB);
    out << format(
        "hrAllowedData %s  pitcherGamesData %s  appearancesPerStart %.2f  "
        "savesData %s\n",
        yesNo(t.hrAllowedData), yesNo(t.pitcherGamesData), t.appearancesPerStart,
        yesNo(t.savesData));
    out << format("averageTeamSpeed %.2f  twoWayPlayer %s\n", t.averageTeamSpeed,
                  yesNo(t.twoWayPlayer));
    out << "wonLostText \"" << printable(t.wonLostText) << "\"  logoFile \""
        << printable(t.logoFile) << "\"\n";
    printLeagueContext(t.leagueContext, out);

    const int staffEnd = std::min(t.lastPitcherEntry, t.playerCount);
    const int lineupEnd = std::min(kLineupSize, t.playerCount);
    out << "\nLine-up (entries 1-" << lineupEnd << ")\n";
    printBatters(t, 1, lineupEnd, out);
    if (staffEnd >= kFirstPitcherEntry) {
        out << "\nPitchers (entries " << kFirstPitcherEntry << "-" << staffEnd << ")\n";
        printPitchers(t, kFirstPitcherEntry, staffEnd, out);
    }
    if (t.playerCount > staffEnd && staffEnd >= kLineupSize) {
        out << "\nBench (entries " << staffEnd + 1 << "-" << t.playerCount << ")\n";
        printBatters(t, staffEnd + 1, t.playerCount, out);
    }
}

int showTeamCommand(const Config& config, const std::string& name, std::ostream& out,
                    std::ostream& err) {
    Team team;
    team.teamFileName = name;
    const TeamLoadResult result = loadTeam(team, kVisitors, nullptr, config);
    for (std::string warning : result.warnings) {
        std::replace(warning.begin(), warning.end(), '|', '\n');
        err << warning << "\n";
    }
    if (result.abort) return 1;
    printTeam(team, out);
    // Printed so the figures can be checked, but a file with problems is not
    // a team file the program will play unattended.
    return result.problem ? 1 : 0;
}

}  // namespace vrk
