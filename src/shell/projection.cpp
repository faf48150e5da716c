#include "shell/projection.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <thread>

#include "core/rng.h"
#include "core/text_fields.h"
#include "data/config_folders.h"
#include "data/sim_data.h"
#include "data/team_cache.h"
#include "data/team_restore.h"
#include "engine/stats_record_game.h"
#include "shell/batch_game.h"

namespace vrk {

namespace {

// HILITE's seventh number: the shortest hitting streak worth a highlight.
constexpr std::size_t kStreakThreshold = 6;

// An entry with what every season shares: read-only once the threads start.
struct PreparedEntry {
    const ProjectionEntry* entry = nullptr;
    const Config* config = nullptr;  // shared with the entries before when their rules hold
    const BatchRules* rules = nullptr;
    const TeamSlots* teams = nullptr;  // as loaded, copied before every game
    std::array<int, 3> index{};        // team of each slot in the result list
};

// One projected season: wins per team of the result list.
using SeasonWins = std::vector<int>;

void playSeason(const std::vector<PreparedEntry>& prepared, std::uint64_t seed, SeasonWins& wins) {
    Rng rng(seed);
    BatchCarry carry;
    StatsSet season;  // never opened: the season's tables in memory only
    season.batting = NewStatsTable<BattingRecord>();
    season.pitching = NewStatsTable<PitchingRecord>();
    season.fielding = NewStatsTable<FieldingRecord>();
    HighlightLists highlights;
    TeamSlots teams;
    std::optional<Game> game;
    const Config* gameConfig = nullptr;
    const BatchRules* gameRules = nullptr;
    std::int32_t gameCounter = 0;
    for (const PreparedEntry& p : prepared) {
        const BatchEntry& e = p.entry->entry;
        for (int g = 0; g < e.settings.games; ++g) {
            restoreTeam(teams[kVisitors], (*p.teams)[kVisitors]);
            restoreTeam(teams[kHome], (*p.teams)[kHome]);
            for (int t = kVisitors; t <= kHome; ++t) {
                LoadSIMData(teams[t], season.batting, season.pitching, p.entry->scheduleDay);
            }
            // One game object while the rules stay: every game starts afresh
            // in it, and building one costs as much as a tenth of a game.
            if (!game || gameConfig != p.config || gameRules != p.rules) {
                game.emplace(teams, p.rules->normalization.context, *p.config, rng);
                gameConfig = p.config;
                gameRules = p.rules;
            }
            const GameResult result = playUndisplayedGame(*game, *p.rules, carry);
            carry.faults.takeNew();
            // A game stopped by a fault has no decision and is no game of the season.
            if (result.stopped) continue;
            if (result.winner == kVisitors || result.winner == kHome) {
                ++wins[p.index[result.winner]];
            }
            RecordGameContext context;
            context.gameCounter = gameCounter++;
            context.scheduleDay = p.entry->scheduleDay;
            context.streakMinimum = p.config->hilite[kStreakThreshold];
            RecordGame(season, highlights, *game, context);
            highlights.run.clear();
            highlights.recent.clear();
        }
    }
}

}  // namespace

std::uint64_t seasonSeed(std::uint64_t seed, int index) {
    // The first season is the one a replay with the same seed plays.
    if (index == 0 && seed != 0) return seed;
    // splitmix64 of the run's seed and the season number: neighbouring
    // seasons get unrelated streams.
    std::uint64_t z = seed + 0x9E3779B97F4A7C15ULL * (static_cast<std::uint64_t>(index) + 1);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    return z == 0 ? 1 : z;
}

int nearestRank(const std::vector<int>& sorted, int percent) {
    if (sorted.empty()) return 0;
    const auto n = static_cast<long>(sorted.size());
    long rank = (static_cast<long>(percent) * n + 99) / 100;  // ceil(p/100 * n)
    rank = std::clamp(rank, 1L, n);
    return sorted[static_cast<std::size_t>(rank - 1)];
}

ProjectionResult projectSeasons(const std::vector<ProjectionEntry>& entries,
                                const ProjectionPlan& plan) {
    ProjectionResult out;
    out.seasons = plan.seasons;
    std::vector<PreparedEntry> prepared;
    prepared.reserve(entries.size());
    std::map<std::string, int> position;
    TeamFileCache files;
    // A season of a schedule meets the same pairs again and again: each pair
    // is loaded once (the visitors' colour depends on the home team).
    std::map<std::string, std::unique_ptr<TeamSlots>> pairs;
    std::deque<BatchRules> ruleSets;  // stay where they are as more are added
    for (const ProjectionEntry& projected : entries) {
        const BatchEntry& e = projected.entry;
        PreparedEntry& p = prepared.emplace_back();
        p.entry = &projected;
        if (projected.rulesAsBefore && prepared.size() > 1) {
            p.config = prepared[prepared.size() - 2].config;
            p.rules = prepared[prepared.size() - 2].rules;
        } else {
            p.config = &e.config;
            BatchRules& rules = ruleSets.emplace_back(batchRulesFrom(e.settings, e.config));
            // Each season is recorded, in memory: the rules of a recorded season apply.
            rules.statisticsRecorded = true;
            p.rules = &rules;
        }
        const std::string pairKey =
            concat({dataFolder(e.config), "\n", upperCase(e.settings.visitor), "\n",
                    upperCase(e.settings.home)});
        std::unique_ptr<TeamSlots>& loaded = pairs[pairKey];
        if (loaded == nullptr) {
            loaded = std::make_unique<TeamSlots>();
            const TeamLoadResult load =
                files.loadPair(*loaded, e.settings.visitor, e.settings.home, e.config);
            if (load.abort) {
                out.problem = load.warnings.empty() ? "A team file could not be loaded."
                                                    : load.warnings.front();
                return out;
            }
        }
        p.teams = loaded.get();
        const std::array<const std::string*, 3> names{nullptr, &e.settings.visitor,
                                                      &e.settings.home};
        for (int t = kVisitors; t <= kHome; ++t) {
            const std::string key = upperCase(*names[t]);
            auto [it, added] = position.emplace(key, static_cast<int>(out.teams.size()));
            if (added) {
                const Team& team = (*p.teams)[t];
                TeamProjection line;
                line.file = key;
                line.name = std::string(trim(team.teamName));
                line.league = team.league;
                line.division = team.division;
                out.teams.push_back(line);
            }
            p.index[t] = it->second;
        }
        out.gamesPerSeason += e.settings.games;
    }

    const std::size_t teamCount = out.teams.size();
    std::vector<SeasonWins> seasons(static_cast<std::size_t>(std::max(plan.seasons, 0)),
                                    SeasonWins(teamCount, 0));
    // Each season is written by the one thread that took its number, so the
    // threads share nothing they change; the seasons' seeds make the result
    // the same for any number of threads.
    std::atomic<int> next{0};
    auto work = [&] {
        for (int i = next.fetch_add(1); i < plan.seasons; i = next.fetch_add(1)) {
            playSeason(prepared, seasonSeed(plan.seed, i), seasons[i]);
        }
    };
    const int jobs = std::clamp(plan.jobs, 1, std::max(plan.seasons, 1));
    std::vector<std::thread> workers;
    for (int j = 1; j < jobs; ++j) workers.emplace_back(work);
    work();
    for (std::thread& w : workers) w.join();

    for (std::size_t t = 0; t < teamCount; ++t) {
        std::vector<int> wins;
        wins.reserve(seasons.size());
        long total = 0;
        for (const SeasonWins& s : seasons) {
            wins.push_back(s[t]);
            total += s[t];
        }
        std::sort(wins.begin(), wins.end());
        TeamProjection& line = out.teams[t];
        line.meanWins = seasons.empty() ? 0 : static_cast<double>(total) / seasons.size();
        line.wins10th = nearestRank(wins, 10);
        line.wins90th = nearestRank(wins, 90);
    }
    // First in the division: the teams tied for the most wins share it.
    for (const SeasonWins& s : seasons) {
        std::map<std::pair<char, char>, std::pair<int, int>> best;  // most wins, teams with it
        for (std::size_t t = 0; t < teamCount; ++t) {
            auto key = std::make_pair(out.teams[t].league, out.teams[t].division);
            auto [it, added] = best.emplace(key, std::make_pair(s[t], 1));
            if (added) continue;
            if (s[t] > it->second.first) {
                it->second = {s[t], 1};
            } else if (s[t] == it->second.first) {
                ++it->second.second;
            }
        }
        for (std::size_t t = 0; t < teamCount; ++t) {
            const auto& b = best[std::make_pair(out.teams[t].league, out.teams[t].division)];
            if (s[t] == b.first) out.teams[t].firstShare += 1.0 / b.second;
        }
    }
    if (!seasons.empty()) {
        for (TeamProjection& line : out.teams)
            line.firstShare /= static_cast<double>(seasons.size());
    }
    return out;
}

void printProjection(std::ostream& out, const ProjectionResult& result) {
    char line[160];
    std::snprintf(line, sizeof line, "Projection: %d season%s of %ld games", result.seasons,
                  result.seasons == 1 ? "" : "s", result.gamesPerSeason);
    out << line << "\n";
    out << "Team          Lg Div  Mean W  10th  90th  First in div\n";
    // A division's clubs together, the most wins first, as standings read.
    std::vector<const TeamProjection*> order;
    for (const TeamProjection& t : result.teams) order.push_back(&t);
    std::stable_sort(order.begin(), order.end(), [](const auto* a, const auto* b) {
        if (a->league != b->league) return a->league < b->league;
        if (a->division != b->division) return a->division < b->division;
        return a->meanWins > b->meanWins;
    });
    for (const TeamProjection* p : order) {
        const TeamProjection& t = *p;
        std::snprintf(line, sizeof line, "%-12s  %c  %c   %6.1f  %4d  %4d  %11.1f%%",
                      t.name.c_str(), t.league, t.division, t.meanWins, t.wins10th, t.wins90th,
                      100.0 * t.firstShare);
        out << line << "\n";
    }
}

std::optional<std::string> readProjectionCounts(const std::string& repeat, const std::string& jobs,
                                                ProjectionPlan& plan) {
    auto whole = [](const std::string& text, long lo, long hi) -> std::optional<long> {
        if (text.empty() || text.size() > 9) return std::nullopt;
        long value = 0;
        for (char c : text) {
            if (c < '0' || c > '9') return std::nullopt;
            value = value * 10 + (c - '0');
        }
        if (value < lo || value > hi) return std::nullopt;
        return value;
    };
    const auto seasons = whole(repeat, 1, 1000000);
    if (!seasons) return "vrk --batch: /REPEAT: takes a number of seasons from 1 to 1000000.";
    plan.seasons = static_cast<int>(*seasons);
    if (jobs.empty()) {
        plan.jobs = static_cast<int>(std::max(1U, std::thread::hardware_concurrency()));
        return std::nullopt;
    }
    const auto threads = whole(jobs, 1, 1024);
    if (!threads) return "vrk --batch: /JOBS: takes a number of worker threads from 1 to 1024.";
    plan.jobs = static_cast<int>(*threads);
    return std::nullopt;
}

}  // namespace vrk
