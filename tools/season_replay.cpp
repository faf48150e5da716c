// season_replay: replays a real season from the databank's club totals and
// compares the simulated clubs and leagues with the real ones.
//
//   season_replay --teams PATH/Teams.csv --season YEAR [--replays N] [--seed S]
//                 [--park none|averaged|own] [--opponents league|own] [--out DIR]
//                 [--rebuild each|once] [--lineups auto|file] [--clubs]
//
// Each club becomes a team file whose players add up to its real totals
// (with --opponents league, its batting restated as against the whole league
// rather than the other clubs' staffs it met);
// every club meets every other of its league home and away until a season's
// worth of games is played, N times over from derived seeds. Each replay
// rebuilds the clubs from its own seed (--rebuild once keeps the first
// rebuild for all): how a club's totals are shared among its players is not
// in the databank, so one chance sharing would stay in every replay's lines
// and be taken for the engine's error. Line-ups are drawn before each game
// from the players' at-bats by position (--lineups file keeps the files'
// line-ups). It prints per club the real and simulated runs scored and
// allowed per game and winning share, their correlations and mean errors, and each league's real
// and simulated AVG, OBP, SLG and HR, BB, SO per plate appearance; it writes DIR/season_YEAR.csv
// and DIR/runs_YEAR.svg. With --clubs it also prints each club's real and simulated batting line
// and what parts the runs gap: a line played differently, or the same line turned into runs
// differently. Each club's pitchers are compared too: hits, home runs, walks and strikeouts per
// batter faced, outs and unearned runs a game, runs allowed and the BaseRuns of the allowed line,
// each with its slope of simulated on real (below 1, the differences between staffs are squeezed).

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <numeric>
#include <string>
#include <vector>

#include "core/numbering.h"
#include "core/text_fields.h"
#include "data/club_rebuild.h"
#include "data/config_folders.h"
#include "data/databank_roster.h"
#include "data/databank_teams.h"
#include "data/league_rows.h"
#include "data/opponent_strength.h"
#include "reports/base_runs.h"
#include "reports/scatter_svg.h"
#include "shell/bench_league.h"
#include "shell/bench_run.h"
#include "shell/config_file.h"

namespace {

using namespace vrk;

struct Options {
    std::string teams;
    int season = 0;
    int replays = 10;
    std::uint64_t seed = 20261207;
    ParkLine park = ParkLine::OwnPark;
    std::string out = "fidelity";
    bool clubs = false;
    bool wholeLeague = false;  // batting restated as against the whole league
    bool rebuildEachReplay = true;
    bool autoLineup = true;  // part-time players start their share of games
};

bool parse(int argc, char** argv, Options& o) {
    bool complete = true;
    for (int i = 1; i < argc; i += 2) {
        const std::string key = argv[i];
        if (key == "--clubs") {
            o.clubs = true;
            --i;
            continue;
        }
        if (i + 1 >= argc) {
            complete = false;
            break;
        }
        const std::string value = argv[i + 1];
        if (key == "--teams")
            o.teams = value;
        else if (key == "--season")
            o.season = std::atoi(value.c_str());
        else if (key == "--replays")
            o.replays = std::atoi(value.c_str());
        else if (key == "--seed")
            o.seed = std::strtoull(value.c_str(), nullptr, 10);
        else if (key == "--out")
            o.out = value;
        else if (key == "--park" && value == "none")
            o.park = ParkLine::None;
        else if (key == "--park" && value == "averaged")
            o.park = ParkLine::Averaged;
        else if (key == "--park" && value == "own")
            o.park = ParkLine::OwnPark;
        else if (key == "--opponents" && value == "league")
            o.wholeLeague = true;
        else if (key == "--opponents" && value == "own")
            o.wholeLeague = false;
        else if (key == "--rebuild" && value == "each")
            o.rebuildEachReplay = true;
        else if (key == "--rebuild" && value == "once")
            o.rebuildEachReplay = false;
        else if (key == "--lineups" && value == "auto")
            o.autoLineup = true;
        else if (key == "--lineups" && value == "file")
            o.autoLineup = false;
        else {
            std::cerr << "season_replay: unknown option " << key << " " << value << "\n";
            return false;
        }
    }
    if (!complete || o.teams.empty() || o.season <= 0 || o.replays <= 0) {
        std::cerr << "usage: season_replay --teams PATH/Teams.csv --season YEAR [--replays N] "
                     "[--seed S] [--park none|averaged|own] [--opponents league|own] [--out DIR] "
                     "[--rebuild each|once] [--lineups auto|file] [--clubs]\n";
        return false;
    }
    return true;
}

using Line = BattingLine;

// What a club's pitchers gave up. Teams.csv has no hit batsmen, doubles or
// triples allowed, so batters faced are outs, hits and walks on both sides.
struct AllowedLine {
    double outs = 0, h = 0, hr = 0, bb = 0, so = 0, runs = 0, earned = 0;
    double bf() const { return outs + h + bb; }
};

// One figure of a club's allowed line; counts are per game.
struct AllowedFigure {
    const char* name;
    double (*of)(const AllowedLine&, double games, double doubleShare, double tripleShare);
};

// The allowed line as a batting line for BaseRuns, its extra-base hits at the
// league's shares, as the real clubs' lines do not split their hits allowed.
double allowedBaseRuns(const AllowedLine& a, double doubleShare, double tripleShare) {
    BattingLine l;
    l.ab = a.outs + a.h, l.h = a.h, l.hr = a.hr, l.bb = a.bb, l.so = a.so;
    l.d = a.h * doubleShare, l.t = a.h * tripleShare;
    return baseRuns(l);
}

const AllowedFigure kAllowedFigures[] = {
    {"H/BF", [](const AllowedLine& a, double, double, double) { return a.h / a.bf(); }},
    {"HR/BF", [](const AllowedLine& a, double, double, double) { return a.hr / a.bf(); }},
    {"BB/BF", [](const AllowedLine& a, double, double, double) { return a.bb / a.bf(); }},
    {"SO/BF", [](const AllowedLine& a, double, double, double) { return a.so / a.bf(); }},
    {"OUTS/G", [](const AllowedLine& a, double g, double, double) { return a.outs / g; }},
    {"UER/G",
     [](const AllowedLine& a, double g, double, double) { return (a.runs - a.earned) / g; }},
    {"RA/G", [](const AllowedLine& a, double g, double, double) { return a.runs / g; }},
    // BaseRuns last: the split of the gap below reads it there.
    {"aBsR/G", [](const AllowedLine& a, double g, double d,
                  double t) { return allowedBaseRuns(a, d, t) / g; }},
};

// What decides runs beyond the batting line, per game: errors, unearned
// runs, steals, caught stealing and double plays turned.
struct GameLine {
    double games = 0, runs = 0, errors = 0, unearned = 0, dp = 0;
    bool unearnedKnown = true, csKnown = true, dpKnown = true;
};

// The position players' batting of a league, three ways: as their team
// files give it, at the plate appearances the games gave each of them, and
// as they batted. The first two differ when the managers play the players
// otherwise than the files' at-bats say; the last two when the outcome
// model does not give a player his own rates.
struct PlayingTimeLine {
    double filePa = 0, simPa = 0;
    double pitchersFilePa = 0, pitchersSimPa = 0;     // the pitchers' own batting
    std::array<double, 4> file{}, expected{}, sim{};  // H, HR, BB, SO
};
constexpr std::array<const char*, 4> kPlayingTimeFigures = {"H/PA", "HR/PA", "BB/PA", "SO/PA"};

void addPlayingTime(PlayingTimeLine& line, const Team& team,
                    const OneBased<BatterCounters, kMaxRosterEntries>& counters) {
    for (int e = 1; e <= kMaxRosterEntries; ++e) {
        // The line-up's first nine and the bench after the staff; the
        // pitcher's batting place takes whoever pitches.
        const Player& p = team.player(e);
        const BatterCounters& b = counters[e];
        const double simPa = double(b.atBats + b.walks);
        const bool staff = e >= kFirstPitcherEntry && e <= team.lastPitcherEntry;
        if (staff || p.defaultPosition == 1) {
            line.pitchersSimPa += simPa;
            if (staff)
                line.pitchersFilePa +=
                    double(p.pitcherBattingLine.atBats + p.pitcherBattingLine.walks);
            continue;
        }
        const double pa = double(p.atBats + p.walks);
        if (pa <= 0) continue;
        const std::array<double, 4> file = {double(p.hits), double(p.homeRuns), double(p.walks),
                                            double(p.strikeouts)};
        const std::array<double, 4> sim = {double(b.hits), double(b.homeRuns), double(b.walks),
                                           double(b.strikeouts)};
        line.filePa += pa, line.simPa += simPa;
        for (std::size_t k = 0; k < file.size(); ++k) {
            line.file[k] += file[k];
            line.expected[k] += simPa * file[k] / pa;
            line.sim[k] += sim[k];
        }
    }
}

void showPlayingTime(const std::map<std::string, PlayingTimeLine>& lines) {
    std::printf("Position players: figure  files   at the simulated PA  simulated\n");
    for (const auto& [league, l] : lines) {
        if (l.filePa <= 0 || l.simPa <= 0) continue;
        for (std::size_t k = 0; k < kPlayingTimeFigures.size(); ++k)
            std::printf("  league %-6s  %-6s  %.4f  %.4f               %.4f\n", league.c_str(),
                        kPlayingTimeFigures[k], l.file[k] / l.filePa, l.expected[k] / l.simPa,
                        l.sim[k] / l.simPa);
        if (l.pitchersFilePa > 0)
            std::printf(
                "  league %-6s  pitchers' share of the plate appearances %.4f, simulated "
                "%.4f\n",
                league.c_str(), l.pitchersFilePa / (l.pitchersFilePa + l.filePa),
                l.pitchersSimPa / (l.pitchersSimPa + l.simPa));
    }
    std::printf("\n");
}

struct ClubTally {
    std::string name, league;
    double realRuns = 0, realAllowed = 0, realPct = 0;
    double baseRuns = 0;  // per game, from the club's real line: what a perfect model could reach
    long games = 0, runs = 0, allowed = 0, wins = 0;
    double realGames = 0;
    Line real, sim;                     // batting, steals included
    double realErrors = 0, realDp = 0;  // made and turned in the field, season totals
    double simErrors = 0, simDp = 0;
    AllowedLine realAllowedLine, simAllowedLine;  // by the club's pitchers, season totals
};

// One figure of a club's line, real and simulated; counts are per game.
struct LineFigure {
    const char* name;
    const char* format;
    double (*of)(const Line&, double errors, double dp, double games);
};

const LineFigure kLineFigures[] = {
    {"AVG", "%6.3f", [](const Line& l, double, double, double) { return l.avg(); }},
    {"OBP", "%6.3f", [](const Line& l, double, double, double) { return l.obp(); }},
    {"SLG", "%6.3f", [](const Line& l, double, double, double) { return l.slg(); }},
    {"HR/PA", "%7.4f", [](const Line& l, double, double, double) { return l.hr / l.pa(); }},
    {"BB/PA", "%7.4f", [](const Line& l, double, double, double) { return l.bb / l.pa(); }},
    {"SO/PA", "%7.4f", [](const Line& l, double, double, double) { return l.so / l.pa(); }},
    {"SB/G", "%5.2f", [](const Line& l, double, double, double g) { return l.sb / g; }},
    {"CS/G", "%5.2f", [](const Line& l, double, double, double g) { return l.cs / g; }},
    {"E/G", "%5.2f", [](const Line&, double e, double, double g) { return e / g; }},
    {"DP/G", "%5.2f", [](const Line&, double, double dp, double g) { return dp / g; }},
    {"PA/G", "%5.1f", [](const Line& l, double, double, double g) { return l.pa() / g; }},
    // BaseRuns last: the split of the runs gap below reads it there.
    {"BsR/G", "%6.2f", [](const Line& l, double, double, double g) { return baseRuns(l) / g; }},
};

// Splits each club's runs gap in two: its simulated line against its real
// one (BaseRuns of each), and how each line turned into runs (runs less
// BaseRuns, simulated against real). The first points at the rates the
// rebuild and the outcome model give, the second at what happens between
// the events: steals, errors, double plays, the order of the events.
void compareClubLines(const std::map<std::string, ClubTally>& tally, bool detailed,
                      std::ostream& csv) {
    constexpr std::size_t kFigures = std::size(kLineFigures);
    std::vector<double> real[kFigures], sim[kFigures];
    std::vector<double> realRuns, simRuns, lineGap, conversionGap, runsGap;
    std::vector<double> realConversion, simConversion;
    if (detailed) {
        std::printf("Club lines, real above simulated (E and DP made and turned in the field)\n");
        std::printf("Club  Lg  ");
        for (const auto& f : kLineFigures) std::printf(" %*s", int(f.format[1] - '0'), f.name);
        std::printf("    R/G\n");
    }
    for (const auto& [file, c] : tally) {
        const double simGames = double(std::max(1L, c.games));
        const double simR = double(c.runs) / simGames;
        for (int side = 0; side < 2; ++side) {
            if (detailed)
                std::printf("%-5s %-3s ", side == 0 ? c.name.c_str() : "",
                            side == 0 ? c.league.c_str() : "");
            for (std::size_t i = 0; i < kFigures; ++i) {
                const double v = side == 0
                                     ? kLineFigures[i].of(c.real, c.realErrors, c.realDp,
                                                          std::max(1.0, c.realGames))
                                     : kLineFigures[i].of(c.sim, c.simErrors, c.simDp, simGames);
                (side == 0 ? real : sim)[i].push_back(v);
                if (detailed) {
                    std::printf(" ");
                    std::printf(kLineFigures[i].format, v);
                }
            }
            if (detailed) std::printf(" %6.2f\n", side == 0 ? c.realRuns : simR);
        }
        for (std::size_t i = 0; i < kFigures; ++i)
            csv << "club," << c.league << "," << c.name << "," << kLineFigures[i].name << ","
                << real[i].back() << "," << sim[i].back() << "\n";
        // The lines themselves, per game, for a reader who weighs each event.
        const double rg = std::max(1.0, c.realGames);
        const std::pair<const char*, double Line::*> counts[] = {
            {"AB/G", &Line::ab}, {"H/G", &Line::h},     {"2B/G", &Line::d},
            {"3B/G", &Line::t},  {"HR/G", &Line::hr},   {"BB/G", &Line::bb},
            {"SO/G", &Line::so}, {"HBP/G", &Line::hbp}, {"SF/G", &Line::sf}};
        for (const auto& [name, field] : counts)
            csv << "club," << c.league << "," << c.name << "," << name << "," << c.real.*field / rg
                << "," << c.sim.*field / simGames << "\n";
        const double realBsR = real[kFigures - 1].back(), simBsR = sim[kFigures - 1].back();
        realRuns.push_back(c.realRuns), simRuns.push_back(simR);
        lineGap.push_back(simBsR - realBsR);
        conversionGap.push_back((simR - simBsR) - (c.realRuns - realBsR));
        realConversion.push_back(c.realRuns - realBsR);
        simConversion.push_back(simR - simBsR);
        runsGap.push_back(simR - c.realRuns);
    }
    const std::vector<double>& realBsR = real[kFigures - 1];
    const std::vector<double>& simBsR = sim[kFigures - 1];
    std::printf("\nClub figure  r(real,sim)  mean sim-real  spread real  spread sim\n");
    for (std::size_t i = 0; i < kFigures; ++i) {
        double diff = 0;
        for (std::size_t k = 0; k < real[i].size(); ++k)
            diff += (sim[i][k] - real[i][k]) / double(real[i].size());
        std::printf("  %-9s  %11.3f  %+13.4f  %11.4f  %10.4f\n", kLineFigures[i].name,
                    correlation(real[i], sim[i]), diff, spread(real[i]), spread(sim[i]));
    }
    std::printf("Simulated runs against BaseRuns of the simulated lines: r %.3f, error %.3f\n",
                correlation(simRuns, simBsR), meanAbsoluteError(simRuns, simBsR));
    std::printf("Real runs against BaseRuns of the real lines:           r %.3f, error %.3f\n",
                correlation(realRuns, realBsR), meanAbsoluteError(realRuns, realBsR));
    std::printf("BaseRuns, simulated lines against real lines:            r %.3f, error %.3f\n",
                correlation(simBsR, realBsR), meanAbsoluteError(simBsR, realBsR));
    // The gap of runs per game is the line's gap plus the conversion's.
    std::printf(
        "Runs gap per club: spread %.3f = line (sim BsR - real BsR) %.3f, mean %+.3f"
        " + conversion ((sim R - sim BsR) - (real R - real BsR)) %.3f, mean %+.3f;"
        " r(line, conversion) %.2f\n",
        spread(runsGap), spread(lineGap),
        lineGap.empty()
            ? 0
            : std::accumulate(lineGap.begin(), lineGap.end(), 0.0) / double(lineGap.size()),
        spread(conversionGap),
        conversionGap.empty() ? 0
                              : std::accumulate(conversionGap.begin(), conversionGap.end(), 0.0) /
                                    double(conversionGap.size()),
        correlation(lineGap, conversionGap));
    // Were the real clubs' runs beyond their lines something the replay
    // plays too (steals, double plays, errors), the two would go together.
    std::printf("Runs less BaseRuns per club: real spread %.3f, simulated spread %.3f, r %.2f\n\n",
                spread(realConversion), spread(simConversion),
                correlation(realConversion, simConversion));
}

// Whether the clubs' pitchers give up in the replay what they gave up in
// truth, and whether the runs allowed follow: a slope below 1 is a squeeze
// of the differences between staffs, in the line or in its runs.
void compareAllowedLines(const std::map<std::string, ClubTally>& tally,
                         const std::map<std::string, std::pair<double, double>>& xbhShare,
                         bool detailed, std::ostream& csv) {
    constexpr std::size_t kFigures = std::size(kAllowedFigures);
    std::vector<double> real[kFigures], sim[kFigures];
    if (detailed) {
        std::printf("Club allowed lines, real above simulated\n");
        std::printf("Club  Lg  ");
        for (const auto& f : kAllowedFigures) std::printf(" %7s", f.name);
        std::printf("\n");
    }
    for (const auto& [file, c] : tally) {
        const auto share = xbhShare.at(c.league);
        const double games[2] = {std::max(1.0, c.realGames), double(std::max(1L, c.games))};
        for (int side = 0; side < 2; ++side) {
            const AllowedLine& a = side == 0 ? c.realAllowedLine : c.simAllowedLine;
            if (detailed)
                std::printf("%-5s %-3s ", side == 0 ? c.name.c_str() : "",
                            side == 0 ? c.league.c_str() : "");
            for (std::size_t i = 0; i < kFigures; ++i) {
                const double v =
                    a.bf() > 0 ? kAllowedFigures[i].of(a, games[side], share.first, share.second)
                               : 0;
                (side == 0 ? real : sim)[i].push_back(v);
                if (detailed) std::printf(" %7.4f", v);
            }
            if (detailed) std::printf("\n");
        }
        for (std::size_t i = 0; i < kFigures; ++i)
            csv << "allowed," << c.league << "," << c.name << "," << kAllowedFigures[i].name << ","
                << real[i].back() << "," << sim[i].back() << "\n";
    }
    std::printf("\nAllowed     r(real,sim)  slope  mean sim-real  spread real  spread sim\n");
    for (std::size_t i = 0; i < kFigures; ++i) {
        double diff = 0;
        for (std::size_t k = 0; k < real[i].size(); ++k)
            diff += (sim[i][k] - real[i][k]) / double(real[i].size());
        std::printf("  %-9s  %11.3f  %5.2f  %+13.4f  %11.4f  %10.4f\n", kAllowedFigures[i].name,
                    correlation(real[i], sim[i]), slope(real[i], sim[i]), diff, spread(real[i]),
                    spread(sim[i]));
    }
    // Runs allowed less their BaseRuns: what the defence and the order of
    // events make of the line, real against simulated.
    std::vector<double> realRest, simRest;
    for (std::size_t k = 0; k < real[kFigures - 1].size(); ++k) {
        realRest.push_back(real[kFigures - 2][k] - real[kFigures - 1][k]);
        simRest.push_back(sim[kFigures - 2][k] - sim[kFigures - 1][k]);
    }
    std::printf(
        "Runs allowed less their BaseRuns: real spread %.3f, simulated %.3f, r %.2f,"
        " slope %.2f\n\n",
        spread(realRest), spread(simRest), correlation(realRest, simRest),
        slope(realRest, simRest));
}

// Every club, season and replay gets draws of its own: a seed from the club's
// name alone gave a franchise the same players' shares in every season, so a
// sweep over seasons repeated a few chance sharings instead of averaging them.
std::uint64_t rebuildSeed(std::uint64_t seed, const DatabankTeamSeason& club, int replay) {
    std::uint64_t h = seed * 0x9E3779B97F4A7C15ULL;
    for (const std::uint64_t part :
         {std::uint64_t(club.year), std::uint64_t(std::hash<std::string>{}(club.teamId)),
          std::uint64_t(replay)})
        h = (h ^ part) * 0x100000001B3ULL + 0x632BE59BD9B4E019ULL;
    return h;
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    if (!parse(argc, argv, o)) return 2;
    const DatabankTeams all = readDatabankTeams(o.teams);
    for (const auto& p : all.problems) std::cerr << p << "\n";
    std::vector<DatabankTeamSeason> clubs;
    for (const auto& s : all.seasons)
        if (s.year == o.season) clubs.push_back(s);
    if (clubs.empty()) {
        std::cerr << "season_replay: no club of " << o.season << " in " << o.teams << "\n";
        return 1;
    }

    namespace fs = std::filesystem;
    // The loader finds team files under the data path, so a relative output
    // folder would be taken twice over.
    o.out = fs::absolute(o.out).lexically_normal().string();
    const fs::path teamDir = fs::path(o.out) / ("season_" + std::to_string(o.season));
    fs::create_directories(teamDir);
    Config config;
    config.homeDir = teamDir.string();
    config.dataPath = teamDir.string() + "/";
    std::vector<std::string> warnings;
    for (const auto& line : leagueSeasonLines(clubs))
        config.leagueRows.push_back(readLeagueAverageLine(formatLeagueRow(line), warnings));
    for (const auto& w : warnings) std::cerr << w << "\n";

    std::map<std::string, ClubTally> tally;  // by team file name
    std::map<std::string, std::vector<std::string>> leagues;
    std::map<std::string, Line> realLeague;
    std::map<std::string, GameLine> realGames, simGames;
    bool hbpKnown = true, sfKnown = true;
    // The real lines stay for the comparison; the players are rebuilt from
    // what the club's batting would have been against the whole league.
    const std::vector<DatabankTeamSeason> talent =
        o.wholeLeague ? battingAgainstWholeLeague(clubs) : clubs;
    // Writes every club's team file for one replay and gives the file names.
    auto writeClubs = [&](int replay) {
        std::vector<std::string> names;
        for (std::size_t i = 0; i < clubs.size(); ++i) {
            ClubRebuildOptions options;
            options.pitchersBat = !designatedHitterSeason(clubs[i].year, clubs[i].league);
            options.park = o.park;
            options.seed = rebuildSeed(o.seed, clubs[i], replay);
            const RebuiltClub club = rebuildClub(talent[i], options);
            std::ofstream(teamDir / club.fileName, std::ios::binary) << club.text();
            names.push_back(club.fileName);
        }
        return names;
    };
    const std::vector<std::string> fileNames = writeClubs(0);
    for (std::size_t i = 0; i < clubs.size(); ++i) {
        const DatabankTeamSeason& c = clubs[i];
        leagues[c.league].push_back(fileNames[i]);
        ClubTally& t = tally[fileNames[i]];
        t.name = c.teamId;
        t.league = c.league;
        t.realRuns = double(c.runs.value_or(0)) / double(c.games);
        t.realAllowed = double(c.runsAllowed.value_or(0)) / double(c.games);
        t.realPct = double(c.wins) / double(std::max(1L, c.wins + c.losses));
        Line real;
        real.ab = double(c.atBats.value_or(0)), real.h = double(c.hits.value_or(0));
        real.d = double(c.doubles.value_or(0)), real.t = double(c.triples.value_or(0));
        real.hr = double(c.homeRuns.value_or(0)), real.bb = double(c.walks.value_or(0));
        real.so = double(c.strikeouts.value_or(0));
        hbpKnown &= c.hitByPitch.has_value();
        sfKnown &= c.sacrificeFlies.has_value();
        real.hbp = double(c.hitByPitch.value_or(0));
        real.sf = double(c.sacrificeFlies.value_or(0));
        real.sb = double(c.stolenBases.value_or(0));
        real.cs = double(c.caughtStealing.value_or(0));
        realLeague[c.league].add(real);
        t.real = real;
        t.realGames = double(c.games);
        t.realErrors = double(c.errors.value_or(0));
        t.realDp = double(c.doublePlays.value_or(0));
        t.baseRuns = baseRuns(real) / double(c.games);
        AllowedLine& ra = t.realAllowedLine;
        ra.outs = double(c.outsPitched.value_or(0)), ra.h = double(c.hitsAllowed.value_or(0));
        ra.hr = double(c.homeRunsAllowed.value_or(0)), ra.bb = double(c.walksAllowed.value_or(0));
        ra.so = double(c.strikeoutsByPitchers.value_or(0));
        ra.runs = double(c.runsAllowed.value_or(0)), ra.earned = double(c.earnedRuns.value_or(0));
        GameLine& g = realGames[c.league];
        g.games += double(c.games);
        g.runs += double(c.runs.value_or(0));
        g.errors += double(c.errors.value_or(0));
        g.unearned += double(c.runsAllowed.value_or(0) - c.earnedRuns.value_or(0));
        g.dp += double(c.doublePlays.value_or(0));
        g.unearnedKnown &= c.earnedRuns.has_value() && c.runsAllowed.has_value();
        g.csKnown &= c.caughtStealing.has_value();
        g.dpKnown &= c.doublePlays.has_value();
    }

    std::map<std::string, Line> simLeague;
    std::map<std::string, PlayingTimeLine> playingTime;
    // Each league plays its own schedule: as many games as its clubs
    // usually played, so strike years, short seasons and leagues of unequal
    // size keep their length.
    struct LeagueSchedule {
        std::vector<LoadedPairing> pairings;
        long games = 0;
    };
    std::vector<LeagueSchedule> schedules;
    auto loadSchedules = [&] {
        schedules.clear();
        for (const auto& [league, files] : leagues) {
            if (files.size() < 2) {
                std::cerr << "season_replay: league " << league
                          << " has one club and plays no games\n";
                continue;
            }
            std::vector<long> clubGames;
            for (const auto& c : clubs)
                if (c.league == league) clubGames.push_back(c.games);
            std::vector<std::string> problems;
            LeagueSchedule s{loadPairings(roundRobin(files), config, problems),
                             leagueScheduleGames(clubGames)};
            for (const auto& p : problems) std::cerr << p << "\n";
            if (!s.pairings.empty()) schedules.push_back(std::move(s));
        }
    };
    loadSchedules();
    if (schedules.empty()) return 1;
    long played = 0;
    BatchRules rules;
    if (o.autoLineup) {
        // As a season is replayed with a schedule file: the line-up drawn
        // from each player's at-bats by position, then put in batting order.
        rules.autoLineup = {false, true, true};
        rules.battingOrder = {' ', 'C', 'C'};
    }
    for (int r = 0; r < o.replays; ++r) {
        if (r > 0 && o.rebuildEachReplay) {
            writeClubs(r);
            loadSchedules();
        }
        for (std::size_t l = 0; l < schedules.size(); ++l) {
            const auto figures = playPairings(
                schedules[l].pairings, config, schedules[l].games,
                (o.seed * 1000003ULL + std::uint64_t(r)) * 31ULL + l,
                [&](const Game& game, const GameResult& result) {
                    for (int t = kVisitors; t <= kHome; ++t) {
                        const Team& team = game.team(t);
                        ClubTally& c = tally[team.teamFileName];
                        ++c.games;
                        c.runs += result.score[std::size_t(t)];
                        c.allowed += result.score[std::size_t(3 - t)];
                        if (result.winner == t) ++c.wins;
                        GameLine& g = simGames[c.league];
                        const TeamCounters& tc = game.counters.team[std::size_t(t)];
                        g.games += 1;
                        g.runs += result.score[std::size_t(t)];
                        g.errors += tc.errors;
                        g.dp += tc.doublePlays;
                        addPlayingTime(playingTime[c.league], team,
                                       game.counters.batter[std::size_t(t)]);
                        c.simErrors += tc.errors;
                        c.simDp += tc.doublePlays;
                        g.unearned += result.score[std::size_t(3 - t)];
                        for (int e = 1; e <= kMaxRosterEntries; ++e)
                            g.unearned -=
                                game.counters.pitcher[std::size_t(t)][std::size_t(e)].earnedRuns;
                        AllowedLine& al = c.simAllowedLine;
                        al.runs += result.score[std::size_t(3 - t)];
                        for (int e = 1; e <= kMaxRosterEntries; ++e) {
                            const PitcherCounters& p =
                                game.counters.pitcher[std::size_t(t)][std::size_t(e)];
                            al.h += p.hits, al.hr += p.homeRuns, al.bb += p.walks;
                            al.so += p.strikeouts, al.earned += p.earnedRuns;
                            al.outs += game.state.outsRecorded[std::size_t(t)][std::size_t(e)];
                        }
                        for (int e = 1; e <= kMaxRosterEntries; ++e) {
                            const BatterCounters& b =
                                game.counters.batter[std::size_t(t)][std::size_t(e)];
                            Line& s = c.sim;
                            s.ab += b.atBats, s.h += b.hits, s.d += b.doubles, s.t += b.triples;
                            s.hr += b.homeRuns, s.bb += b.walks, s.so += b.strikeouts;
                            // Left out where the real lines lack them, so both
                            // sides count the same events.
                            if (hbpKnown) s.hbp += b.hitByPitch;
                            if (sfKnown) s.sf += b.sacrificeFlies;
                            s.sb += b.stolenBases, s.cs += b.caughtStealing;
                        }
                    }
                },
                rules);
            played += figures.games;
        }
    }

    for (const auto& [file, c] : tally) simLeague[c.league].add(c.sim);

    std::ofstream csv(fs::path(o.out) / ("season_" + std::to_string(o.season) + ".csv"));
    csv << "kind,league,club,figure,real,simulated\n";
    std::printf(
        "Season %d replayed %d times: %ld games, seed %llu, clubs rebuilt %s, park lines %s, "
        "batting %s\n\n",
        o.season, o.replays, played, static_cast<unsigned long long>(o.seed),
        o.rebuildEachReplay ? "for each replay" : "once",
        o.park == ParkLine::None       ? "none"
        : o.park == ParkLine::Averaged ? "averaged"
                                       : "own park",
        o.wholeLeague ? "against the whole league" : "as made");
    std::printf("Club  Lg   R/G real  sim    RA/G real  sim    W%% real  sim\n");
    std::vector<double> rr, rs, ar, as, wr, ws, br;
    ScatterPlot plot;
    plot.title = "Runs per game: real against replayed, season " + std::to_string(o.season);
    plot.xLabel = "real runs per game";
    plot.yLabel = "simulated runs per game";
    plot.tick = 0.5;
    plot.tickFormat = "%.1f";
    for (const auto& [file, c] : tally) {
        const double g = double(std::max(1L, c.games));
        const double sr = double(c.runs) / g, sa = double(c.allowed) / g, sw = double(c.wins) / g;
        std::printf("%-5s %-3s  %8.2f %5.2f  %9.2f %5.2f  %7.3f %5.3f\n", c.name.c_str(),
                    c.league.c_str(), c.realRuns, sr, c.realAllowed, sa, c.realPct, sw);
        rr.push_back(c.realRuns), rs.push_back(sr), br.push_back(c.baseRuns);
        ar.push_back(c.realAllowed), as.push_back(sa);
        wr.push_back(c.realPct), ws.push_back(sw);
        plot.points.push_back({c.realRuns, sr});
        csv << "club," << c.league << "," << c.name << ",runs_per_game," << c.realRuns << "," << sr
            << "\nclub," << c.league << "," << c.name << ",runs_allowed_per_game," << c.realAllowed
            << "," << sa << "\nclub," << c.league << "," << c.name << ",win_share," << c.realPct
            << "," << sw << "\n";
    }
    std::printf("\nRuns scored:  correlation %.3f, mean absolute error %.3f runs per game\n",
                correlation(rr, rs), meanAbsoluteError(rr, rs));
    // BaseRuns of the real lines: a replay that plays every line exactly can
    // do no better, as runs also hang on the order of the events.
    std::printf("  BaseRuns:   correlation %.3f, mean absolute error %.3f (of the real lines)\n",
                correlation(rr, br), meanAbsoluteError(rr, br));
    std::printf("Runs allowed: correlation %.3f, mean absolute error %.3f\n", correlation(ar, as),
                meanAbsoluteError(ar, as));
    std::printf("Win share:    correlation %.3f, mean absolute error %.3f\n\n", correlation(wr, ws),
                meanAbsoluteError(wr, ws));
    compareClubLines(tally, o.clubs, csv);
    std::map<std::string, std::pair<double, double>> xbhShare;
    for (const auto& [league, real] : realLeague)
        xbhShare[league] = {real.h > 0 ? real.d / real.h : 0, real.h > 0 ? real.t / real.h : 0};
    compareAllowedLines(tally, xbhShare, o.clubs, csv);
    showPlayingTime(playingTime);
    std::printf("League  figure   real    sim     diff\n");
    for (const auto& [league, real] : realLeague) {
        const Line& sim = simLeague[league];
        auto show = [&](const char* name, double a, double b, bool relative) {
            std::printf("%-6s  %-6s  %.4f  %.4f  %+.4f%s\n", league.c_str(), name, a, b,
                        relative ? (a > 0 ? (b - a) / a : 0) : b - a, relative ? " (share)" : "");
            csv << "league," << league << ",," << name << "," << a << "," << b << "\n";
        };
        auto obp = [&](const Line& l) { return (l.h + l.bb + l.hbp) / l.pa(); };
        auto slg = [&](const Line& l) { return (l.h + l.d + 2 * l.t + 3 * l.hr) / l.ab; };
        show("AVG", real.h / real.ab, sim.h / sim.ab, false);
        show("OBP", obp(real), obp(sim), false);
        show("SLG", slg(real), slg(sim), false);
        show("HR/PA", real.hr / real.pa(), sim.hr / sim.pa(), true);
        show("BB/PA", real.bb / real.pa(), sim.bb / sim.pa(), true);
        show("SO/PA", real.so / real.pa(), sim.so / sim.pa(), true);
        if (hbpKnown) show("HBP/PA", real.hbp / real.pa(), sim.hbp / sim.pa(), true);
        if (sfKnown) show("SF/PA", real.sf / real.pa(), sim.sf / sim.pa(), true);
        const GameLine& rg = realGames[league];
        const GameLine& sg = simGames[league];
        auto perGame = [&](const char* name, double a, double b, bool known) {
            if (known && rg.games > 0 && sg.games > 0) show(name, a / rg.games, b / sg.games, true);
        };
        perGame("R/G", rg.runs, sg.runs, true);
        // Runs against what the batting line predicts: a gap here lies in how
        // runners advance and score, not in the rates of the events.
        show("R/BsR", rg.runs / baseRuns(real), sg.runs / baseRuns(sim), true);
        perGame("E/G", rg.errors, sg.errors, true);
        perGame("UER/G", rg.unearned, sg.unearned, rg.unearnedKnown);
        perGame("SB/G", real.sb, sim.sb, true);
        perGame("CS/G", real.cs, sim.cs, rg.csKnown);
        perGame("DP/G", rg.dp, sg.dp, rg.dpKnown);
    }
    const fs::path svg = fs::path(o.out) / ("runs_" + std::to_string(o.season) + ".svg");
    writeScatterSvg(svg.string(), plot);
    std::printf(
        "\nWrote %s and %s\n",
        (fs::path(o.out) / ("season_" + std::to_string(o.season) + ".csv")).string().c_str(),
        svg.string().c_str());
    return 0;
}
