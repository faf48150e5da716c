// Fidelity report: plays many seeded undisplayed games across the sample
// league and sets the season rates of the team files beside the simulated
// ones, per league and per player, as a table, a CSV file and an SVG plot.
//
//   fidelity_report [--rounds N] [--seed S] [--out FOLDER] [--min-pa N] [--min-bf N]
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "core/text_fields.h"
#include "engine/engine_helpers.h"
#include "reports/scatter_svg.h"
#include "shell/bench_run.h"
#include "shell/config_file.h"
#include "shell/session.h"
#include "shell/startup.h"

namespace {

using namespace vrk;

std::size_t Idx(int i) {
    return static_cast<std::size_t>(i);
}

double ratio(double a, double b) {
    return b > 0 ? a / b : 0.0;
}

// A batting line in counts; the team file's line has no hit batsmen or
// sacrifices, so those stay 0 on the input side.
struct BatLine {
    double ab = 0, h = 0, d = 0, t = 0, hr = 0, bb = 0, hbp = 0, so = 0, sf = 0, sh = 0;
    double pa() const { return ab + bb + hbp + sf + sh; }
    void add(const BatLine& o, double w = 1) {
        ab += w * o.ab, h += w * o.h, d += w * o.d, t += w * o.t, hr += w * o.hr;
        bb += w * o.bb, hbp += w * o.hbp, so += w * o.so, sf += w * o.sf, sh += w * o.sh;
    }
};

struct BatRates {
    double avg, obp, slg, hr, bb, so;  // the last three per plate appearance
};

BatRates rates(const BatLine& l) {
    const double tb = l.h + l.d + 2 * l.t + 3 * l.hr;
    return {ratio(l.h, l.ab),    ratio(l.h + l.bb + l.hbp, l.ab + l.bb + l.hbp + l.sf),
            ratio(tb, l.ab),     ratio(l.hr, l.pa()),
            ratio(l.bb, l.pa()), ratio(l.so, l.pa())};
}

struct PitchLine {
    double bf = 0, outs = 0, h = 0, bb = 0, so = 0, hr = 0, er = 0;
    void add(const PitchLine& o, double w = 1) {
        bf += w * o.bf, outs += w * o.outs, h += w * o.h, bb += w * o.bb;
        so += w * o.so, hr += w * o.hr, er += w * o.er;
    }
};

struct PitchRates {
    double h, bb, so, hr, era;  // per batter faced; earned runs per nine innings
};

PitchRates rates(const PitchLine& l) {
    return {ratio(l.h, l.bf), ratio(l.bb, l.bf), ratio(l.so, l.bf), ratio(l.hr, l.bf),
            ratio(27 * l.er, l.outs)};
}

BatLine inputBatting(const Player& p) {
    BatLine l;
    l.ab = p.atBats, l.h = p.hits, l.d = p.doubles, l.t = p.triples, l.hr = p.homeRuns;
    l.bb = p.walks, l.so = p.strikeouts;
    return l;
}

PitchLine inputPitching(const Player& p) {
    PitchLine l;
    const double ip = p.pitching.inningsPitched;
    l.bf = EstimateBattersFaced(ip, p.pitching.hitsAllowed, p.pitching.walksAllowed,
                                p.pitching.strikeouts);
    l.outs = 3 * ip, l.h = p.pitching.hitsAllowed, l.bb = p.pitching.walksAllowed,
    l.so = p.pitching.strikeouts, l.hr = p.pitching.homeRunsAllowed;
    l.er = p.pitching.eraTimes100 / 100.0 * ip / 9.0;
    return l;
}

struct PlayerTally {
    std::string file;  // team file, the key of the team tallies
    std::string team;
    char league = ' ';
    std::string name;
    bool pitcher = false;
    BatLine inBat, simBat;
    PitchLine inPitch, simPitch;
    long starts = 0, relief = 0;        // simulated appearances
    double inStarts = 0, inRelief = 0;  // the file's, per season
};

struct TeamTally {
    std::string name;
    char league = ' ';
    int wins = 0, losses = 0;
    long runs = 0, games = 0;
    double inputWins = 0, inputLosses = 0;  // the pitchers' won-lost records
    // Management: simulated totals, and the files' season totals over the
    // season's games (the staff's starts).
    long sb = 0, cs = 0, saves = 0, sacrifices = 0, pitchersUsed = 0, completeGames = 0;
    double inputSb = 0, inputCs = 0, inputSaves = 0, seasonGames = 0, inputAppearances = 0;
};

// Who is who, from the teams as loaded: substitutions move players between
// roster entries during a game, so players are found by name.
struct RosterPlayer {
    bool pitcher = false;  // on the pitching staff of the file
    Player line;           // the file's figures
};

struct Report {
    std::map<std::string, std::map<std::string, RosterPlayer>> rosters;  // team file, name
    std::map<std::string, PlayerTally> players;                          // team file + name
    std::map<std::string, TeamTally> teams;                              // team file
};

void learnRoster(Report& report, const Team& team) {
    auto& roster = report.rosters[team.teamFileName];
    if (!roster.empty()) return;
    for (int e = 1; e <= team.playerCount && e <= kMaxRosterEntries; ++e) {
        const Player& p = team.player(e);
        roster[p.playerName] = {e >= kFirstPitcherEntry && e <= team.lastPitcherEntry, p};
    }
}

void observe(Report& report, const Game& game, const GameResult& result) {
    for (int t = kVisitors; t <= kHome; ++t) {
        const Team& team = game.team(t);
        TeamTally& tt = report.teams[team.teamFileName];
        const auto& roster = report.rosters[team.teamFileName];
        if (tt.games == 0) {
            tt.name = std::string(trim(team.teamName));
            tt.league = team.league;
            for (const auto& [name, rp] : roster) {
                if (!rp.pitcher) {
                    tt.inputSb += rp.line.stolenBases;
                    tt.inputCs += rp.line.caughtStealing;
                    continue;
                }
                tt.inputWins += rp.line.pitching.wins;
                tt.inputLosses += rp.line.pitching.losses;
                tt.inputSaves += rp.line.pitching.saves;
                tt.seasonGames += rp.line.pitching.gamesStarted;
                tt.inputAppearances += rp.line.pitching.games;
            }
            if (team.stealColumns == 0) tt.inputSb = tt.inputCs = -1;  // speed ratings only
        }
        ++tt.games;
        tt.runs += result.score[Idx(t)];
        (result.winner == t ? tt.wins : tt.losses) += 1;
        if (result.savePitcher.team == t) ++tt.saves;
        const int used = game.state.pitchersUsed[Idx(t)];
        tt.pitchersUsed += used;
        if (used == 1) ++tt.completeGames;

        // The counters of an entry belong to the player now at that entry.
        for (int e = 1; e <= kMaxRosterEntries; ++e) {
            const Player& p = team.player(e);
            const auto found = roster.find(p.playerName);
            if (found == roster.end()) continue;
            const RosterPlayer& rp = found->second;
            const BatterCounters& b = game.counters.batter[Idx(t)][Idx(e)];
            const PitcherCounters& pc = game.counters.pitcher[Idx(t)][Idx(e)];
            const int outs = game.state.outsRecorded[Idx(t)][Idx(e)];
            // A staff pitcher's own batting is no sample of a batter.
            const bool batted =
                !rp.pitcher &&
                b.atBats + b.walks + b.hitByPitch + b.sacrificeFlies + b.sacrifices > 0;
            const bool pitched = rp.pitcher && pc.battersFaced > 0;
            tt.sb += b.stolenBases;
            tt.cs += b.caughtStealing;
            tt.sacrifices += b.sacrifices;
            if (!batted && !pitched) continue;
            PlayerTally& pt = report.players[team.teamFileName + "#" + p.playerName];
            if (pt.name.empty()) {
                pt.file = team.teamFileName;
                pt.team = team.teamFileName.substr(0, team.teamFileName.find('.'));
                pt.league = team.league;
                pt.name = std::string(trim(p.playerName));
                pt.pitcher = rp.pitcher;
                if (rp.pitcher) {
                    pt.inPitch = inputPitching(rp.line);
                    pt.inStarts = rp.line.pitching.gamesStarted;
                    pt.inRelief = rp.line.pitching.games - rp.line.pitching.gamesStarted;
                } else {
                    pt.inBat = inputBatting(rp.line);
                }
            }
            if (batted) {
                BatLine s;
                s.ab = b.atBats, s.h = b.hits, s.d = b.doubles, s.t = b.triples;
                s.hr = b.homeRuns, s.bb = b.walks, s.hbp = b.hitByPitch, s.so = b.strikeouts;
                s.sf = b.sacrificeFlies, s.sh = b.sacrifices;
                pt.simBat.add(s);
            }
            if (pitched) {
                PitchLine s;
                s.bf = pc.battersFaced, s.outs = outs, s.h = pc.hits, s.bb = pc.walks;
                s.so = pc.strikeouts, s.hr = pc.homeRuns, s.er = pc.earnedRuns;
                pt.simPitch.add(s);
                (pc.started ? pt.starts : pt.relief) += 1;
            }
        }
    }
}

struct Options {
    long rounds = 0;  // 0: enough rounds for about 20,000 games
    std::uint64_t seed = 20261207;
    std::string out = "fidelity";
    double minPa = 500;
    double minBf = 500;
};

bool parseOptions(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const bool hasValue = i + 1 < argc;
        if (a == "--rounds" && hasValue) {
            o.rounds = std::max(1L, static_cast<long>(numericPrefix(argv[++i], false)));
        } else if (a == "--seed" && hasValue) {
            o.seed = static_cast<std::uint64_t>(std::max(1.0, numericPrefix(argv[++i], false)));
        } else if (a == "--out" && hasValue) {
            o.out = argv[++i];
        } else if (a == "--min-pa" && hasValue) {
            o.minPa = numericPrefix(argv[++i], false);
        } else if (a == "--min-bf" && hasValue) {
            o.minBf = numericPrefix(argv[++i], false);
        } else {
            std::cerr << "usage: fidelity_report [--rounds N] [--seed S] [--out FOLDER] "
                         "[--min-pa N] [--min-bf N]\n";
            return false;
        }
    }
    return true;
}

std::string fmt(const char* format, double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, format, v);
    return buf;
}

// League figures: the input side is every player's file line scaled to the
// plate appearances (batters faced) he had in the simulation, so both sides
// weigh the players alike.
struct LeagueFigures {
    BatLine inBat, simBat;
    PitchLine inPitch, simPitch;
    long runs = 0, teamGames = 0;
    std::vector<double> inputPct, simPct;
};

double spread(const std::vector<double>& v) {
    if (v.size() < 2) return 0;
    double mean = 0;
    for (double x : v) mean += x;
    mean /= static_cast<double>(v.size());
    double ss = 0;
    for (double x : v) ss += (x - mean) * (x - mean);
    return std::sqrt(ss / static_cast<double>(v.size() - 1));
}

void printLeague(std::ostream& out, std::ofstream& csv, const std::string& label,
                 const LeagueFigures& f) {
    const BatRates ib = rates(f.inBat), sb = rates(f.simBat);
    const PitchRates ip = rates(f.inPitch), sp = rates(f.simPitch);
    out << "League " << label << "  (" << f.teamGames << " team games)\n";
    out << "  batting       input   simulated\n";
    const std::pair<const char*, std::pair<double, double>> bat[] = {
        {"AVG", {ib.avg, sb.avg}}, {"OBP", {ib.obp, sb.obp}}, {"SLG", {ib.slg, sb.slg}},
        {"HR/PA", {ib.hr, sb.hr}}, {"BB/PA", {ib.bb, sb.bb}}, {"SO/PA", {ib.so, sb.so}}};
    for (const auto& [name, v] : bat) {
        out << "  " << name << std::string(12 - std::string(name).size(), ' ')
            << fmt("%7.3f", v.first) << fmt("%12.3f", v.second) << "\n";
        csv << "league," << label << ",,," << name << "," << fmt("%.4f", v.first) << ","
            << fmt("%.4f", v.second) << "," << f.simBat.pa() << "\n";
    }
    out << "  pitching\n";
    const std::pair<const char*, std::pair<double, double>> pit[] = {{"H/BF", {ip.h, sp.h}},
                                                                     {"BB/BF", {ip.bb, sp.bb}},
                                                                     {"SO/BF", {ip.so, sp.so}},
                                                                     {"HR/BF", {ip.hr, sp.hr}},
                                                                     {"ERA", {ip.era, sp.era}}};
    for (const auto& [name, v] : pit) {
        out << "  " << name << std::string(12 - std::string(name).size(), ' ')
            << fmt("%7.3f", v.first) << fmt("%12.3f", v.second) << "\n";
        csv << "league," << label << ",,," << name << "," << fmt("%.4f", v.first) << ","
            << fmt("%.4f", v.second) << "," << f.simPitch.bf << "\n";
    }
    const double inputRuns = ip.era;  // earned runs per nine innings of the files
    const double simRuns = ratio(static_cast<double>(f.runs), static_cast<double>(f.teamGames));
    out << "  R/G         " << fmt("%7.2f", inputRuns) << fmt("%12.2f", simRuns)
        << "   (input: the pitchers' earned runs per 9 innings)\n";
    out << "  W% spread   " << fmt("%7.3f", spread(f.inputPct)) << fmt("%12.3f", spread(f.simPct))
        << "   (standard deviation of team win shares)\n\n";
    csv << "league," << label << ",,,R/G," << fmt("%.4f", inputRuns) << "," << fmt("%.4f", simRuns)
        << "," << f.teamGames << "\n";
    csv << "league," << label << ",,,W% spread," << fmt("%.4f", spread(f.inputPct)) << ","
        << fmt("%.4f", spread(f.simPct)) << "," << f.inputPct.size() << "\n";
}

std::string csvText(const std::string& s) {
    std::string out = "\"";
    for (char c : s) out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    if (!parseOptions(argc, argv, o)) return 2;

    StartupInputs inputs = hostStartupInputs(argc, argv);
    inputs.args.clear();
    Session session;
    const StartupOutcome outcome = prepareSession(inputs, session);
    if (outcome.status != StartupStatus::Ready) {
        std::cerr << outcome.message << "\n";
        return 1;
    }
    std::vector<std::string> problems;
    const std::vector<std::string>& teams = sampleLeagueTeams();
    auto pairings = loadPairings(roundRobin(teams), session.config, problems);
    if (pairings.empty()) {
        for (const auto& p : problems) std::cerr << p << "\n";
        std::cerr << "fidelity_report: no league in " << dataFolder(session.config) << "\n";
        return 1;
    }
    const long perRound = static_cast<long>(pairings.size());
    const long rounds = o.rounds > 0 ? o.rounds : (20000 + perRound - 1) / perRound;

    Report report;
    for (const LoadedPairing& p : pairings) {
        learnRoster(report, p.teams[kVisitors]);
        learnRoster(report, p.teams[kHome]);
    }
    const BenchFigures figures =
        playPairings(pairings, session.config, rounds * perRound, o.seed,
                     [&](const Game& game, const GameResult& r) { observe(report, game, r); });

    std::error_code ec;
    std::filesystem::create_directories(o.out, ec);
    std::ofstream csv(std::filesystem::path(o.out) / "fidelity.csv");
    if (!csv) {
        std::cerr << "fidelity_report: cannot write in " << o.out << "\n";
        return 1;
    }
    csv << "kind,league,team,player,figure,input,simulated,sample\n";
    std::cout << "Fidelity report: " << figures.games << " games (" << rounds << " rounds of "
              << perRound << " pairings), seed " << o.seed << "\n\n";

    std::map<char, LeagueFigures> leagues;
    for (const auto& [key, p] : report.players) {
        LeagueFigures& f = leagues[p.league];
        if (p.pitcher) {
            f.inPitch.add(p.inPitch, ratio(p.simPitch.bf, p.inPitch.bf));
            f.simPitch.add(p.simPitch);
        } else {
            f.inBat.add(p.inBat, ratio(p.simBat.pa(), p.inBat.pa()));
            f.simBat.add(p.simBat);
        }
    }
    for (const auto& [file, t] : report.teams) {
        LeagueFigures& f = leagues[t.league];
        f.runs += t.runs;
        f.teamGames += t.games;
        f.inputPct.push_back(ratio(t.inputWins, t.inputWins + t.inputLosses));
        f.simPct.push_back(ratio(t.wins, t.wins + t.losses));
    }
    LeagueFigures all;
    for (const auto& [letter, f] : leagues) {
        printLeague(std::cout, csv, std::string(1, letter), f);
        all.inBat.add(f.inBat), all.simBat.add(f.simBat);
        all.inPitch.add(f.inPitch), all.simPitch.add(f.simPitch);
        all.runs += f.runs, all.teamGames += f.teamGames;
        all.inputPct.insert(all.inputPct.end(), f.inputPct.begin(), f.inputPct.end());
        all.simPct.insert(all.simPct.end(), f.simPct.begin(), f.simPct.end());
    }
    printLeague(std::cout, csv, "all", all);

    std::cout << "Teams            W-L (files)   W-L (sim)   R/G sim\n";
    for (const auto& [file, t] : report.teams) {
        char line[120];
        std::snprintf(line, sizeof line, "%-14s %6.3f        %6.3f      %5.2f", t.name.c_str(),
                      ratio(t.inputWins, t.inputWins + t.inputLosses),
                      ratio(t.wins, t.wins + t.losses), ratio(t.runs, t.games));
        std::cout << line << "\n";
    }

    // The managers' work per team game beside the files' season figures
    // (per game of the season: the staff's starts).
    std::cout << "\nManagement per team game: file / simulated (SB and CS only for files with"
                 " steal columns)\n"
              << "Team            SB            CS            SV            "
                 "Pitchers      CG%     SH\n";
    long allSacrifices = 0, allGames = 0;
    for (const auto& [file, t] : report.teams) {
        const double g = static_cast<double>(t.games);
        const double season = t.seasonGames > 0 ? t.seasonGames : 162;
        auto pair = [&](double input, double sim) {
            return input < 0 ? std::string("    -/") + fmt("%.2f", sim)
                             : fmt("%5.2f", input / season) + "/" + fmt("%.2f", sim);
        };
        char line[200];
        std::snprintf(line, sizeof line, "%-14s %-13s %-13s %-13s %-13s %4.1f%%  %5.2f",
                      t.name.c_str(), pair(t.inputSb, ratio(t.sb, g)).c_str(),
                      pair(t.inputCs, ratio(t.cs, g)).c_str(),
                      pair(t.inputSaves, ratio(t.saves, g)).c_str(),
                      pair(t.inputAppearances, ratio(t.pitchersUsed, g)).c_str(),
                      100 * ratio(t.completeGames, g), ratio(t.sacrifices, g));
        std::cout << line << "\n";
        const std::pair<const char*, std::pair<double, double>> rows[] = {
            {"SB/G", {t.inputSb < 0 ? -1 : t.inputSb / season, ratio(t.sb, g)}},
            {"CS/G", {t.inputCs < 0 ? -1 : t.inputCs / season, ratio(t.cs, g)}},
            {"SV/G", {t.inputSaves / season, ratio(t.saves, g)}},
            {"pitchers/G", {t.inputAppearances / season, ratio(t.pitchersUsed, g)}},
            {"CG%", {-1, 100 * ratio(t.completeGames, g)}},
            {"SH/G", {-1, ratio(t.sacrifices, g)}}};
        for (const auto& [name, v] : rows) {
            csv << "team," << t.league << "," << file << ",," << name << "," << fmt("%.4f", v.first)
                << "," << fmt("%.4f", v.second) << "," << t.games << "\n";
        }
        allSacrifices += t.sacrifices;
        allGames += t.games;
    }
    const AutoManagerCounters& mc = figures.managerCounters;
    const long intentional =
        mc.intentionalWalkDesperate + mc.intentionalWalkToPitcher + mc.intentionalWalkRegular;
    std::cout << "All teams: intentional walks " << fmt("%.3f", ratio(intentional, allGames))
              << " and sacrifice hits " << fmt("%.3f", ratio(allSacrifices, allGames))
              << " per team game; " << mc.pitchingChanges << " pitching changes, " << mc.pinchHits
              << " pinch hitters, " << mc.pinchRuns << " pinch runners\n";

    std::vector<std::pair<double, double>> points;
    std::cout << "\nBatters (at least " << o.minPa << " simulated PA): input / simulated\n"
              << "Team      Player              PA      AVG          OBP          SLG        "
                 "  HR/PA        BB/PA        SO/PA\n";
    for (const auto& [key, p] : report.players) {
        if (p.pitcher || p.simBat.pa() < o.minPa || p.inBat.ab < 1) continue;
        const BatRates i = rates(p.inBat), s = rates(p.simBat);
        char line[300];
        std::snprintf(line, sizeof line,
                      "%-9s %-18s %6.0f  %.3f/%.3f  %.3f/%.3f  %.3f/%.3f  %.3f/%.3f  %.3f/%.3f  "
                      "%.3f/%.3f",
                      p.team.c_str(), p.name.c_str(), p.simBat.pa(), i.avg, s.avg, i.obp, s.obp,
                      i.slg, s.slg, i.hr, s.hr, i.bb, s.bb, i.so, s.so);
        std::cout << line << "\n";
        points.emplace_back(i.avg, s.avg);
        const std::pair<const char*, std::pair<double, double>> rows[] = {
            {"AVG", {i.avg, s.avg}}, {"OBP", {i.obp, s.obp}}, {"SLG", {i.slg, s.slg}},
            {"HR/PA", {i.hr, s.hr}}, {"BB/PA", {i.bb, s.bb}}, {"SO/PA", {i.so, s.so}}};
        for (const auto& [name, v] : rows) {
            csv << "batter," << p.league << "," << p.team << "," << csvText(p.name) << "," << name
                << "," << fmt("%.4f", v.first) << "," << fmt("%.4f", v.second) << ","
                << p.simBat.pa() << "\n";
        }
    }
    std::cout << "\nPitchers (at least " << o.minBf
              << " simulated batters faced): input / simulated\n"
              << "Team      Player              BF      H/BF         BB/BF        SO/BF      "
                 "  HR/BF        ERA          GS per season  relief per season\n";
    // A pitcher's simulated appearances scaled to his team's season.
    auto perSeason = [&](const PlayerTally& p, long count) {
        const auto team = report.teams.find(p.file);
        if (team == report.teams.end() || team->second.games == 0) return 0.0;
        const double season = team->second.seasonGames > 0 ? team->second.seasonGames : 162;
        return static_cast<double>(count) * season / static_cast<double>(team->second.games);
    };
    for (const auto& [key, p] : report.players) {
        if (!p.pitcher || p.simPitch.bf < o.minBf || p.inPitch.bf < 1) continue;
        const PitchRates i = rates(p.inPitch), s = rates(p.simPitch);
        char line[300];
        std::snprintf(line, sizeof line,
                      "%-9s %-18s %6.0f  %.3f/%.3f  %.3f/%.3f  %.3f/%.3f  %.3f/%.3f  %.2f/%.2f"
                      "   %5.1f/%5.1f    %5.1f/%5.1f",
                      p.team.c_str(), p.name.c_str(), p.simPitch.bf, i.h, s.h, i.bb, s.bb, i.so,
                      s.so, i.hr, s.hr, i.era, s.era, p.inStarts, perSeason(p, p.starts),
                      p.inRelief, perSeason(p, p.relief));
        std::cout << line << "\n";
        const std::pair<const char*, std::pair<double, double>> rows[] = {{"H/BF", {i.h, s.h}},
                                                                          {"BB/BF", {i.bb, s.bb}},
                                                                          {"SO/BF", {i.so, s.so}},
                                                                          {"HR/BF", {i.hr, s.hr}},
                                                                          {"ERA", {i.era, s.era}}};
        for (const auto& [name, v] : rows) {
            csv << "pitcher," << p.league << "," << p.team << "," << csvText(p.name) << "," << name
                << "," << fmt("%.4f", v.first) << "," << fmt("%.4f", v.second) << ","
                << p.simPitch.bf << "\n";
        }
    }
    const auto svgPath = (std::filesystem::path(o.out) / "batting_average.svg").string();
    ScatterPlot plot;
    plot.title = "Batting average per batter: team file against simulation";
    plot.xLabel = "team file AVG";
    plot.yLabel = "simulated AVG";
    if (points.empty()) points.push_back({0.2, 0.2});
    plot.points = points;
    writeScatterSvg(svgPath, plot);
    std::cout << "\nWrote " << (std::filesystem::path(o.out) / "fidelity.csv").string() << " and "
              << svgPath << "\n";
    return 0;
}
