#include "fuzz_entries.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "core/rng.h"
#include "data/option_check.h"
#include "data/option_string.h"
#include "data/series_file.h"
#include "data/stats_set.h"
#include "data/team_file.h"
#include "engine/game.h"
#include "engine/play_game.h"
#include "engine/stats_record_game.h"
#include "presentation/catalogue.h"
#include "shell/config_file.h"

namespace vrk::fuzz {

namespace {

std::string text(const std::uint8_t* data, std::size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}

Config shippedConfig() {
    Config config;
    config.homeDir = VRK_FUZZ_HOME;
    readConfigFile(std::string(VRK_FUZZ_HOME) + "/BASEBALL.CFG", config, ConfigReadMode::Startup);
    return config;
}

const Config& config() {
    static const Config kConfig = shippedConfig();
    return kConfig;
}

// A folder of this process for the statistics files, emptied per input.
std::filesystem::path scratch() {
    static const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("vrk_fuzz_" + std::to_string(::getpid()));
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
    std::filesystem::create_directories(dir, ec);
    return dir;
}

}  // namespace

void TeamFile(const std::uint8_t* data, std::size_t size) {
    Team team;
    std::istringstream in(text(data, size));
    readTeamFile(team, kVisitors, nullptr, in, config(), "FUZZ.DAT");
}

void Configuration(const std::uint8_t* data, std::size_t size) {
    Config config;
    applyConfigText(text(data, size), config, ConfigReadMode::Startup);
    applyConfigText(text(data, size), config, ConfigReadMode::Reread);
}

void Catalogue(const std::uint8_t* data, std::size_t size) {
    PlayByPlayCatalogue catalogue;
    std::istringstream in(text(data, size));
    LoadPlayByPlay(catalogue, in);
}

void Options(const std::uint8_t* data, std::size_t size) {
    const std::string all = text(data, size);
    RunSettings settings;
    parseOptionString(all, settings);
    checkOptionString(all, UnknownOptions::Warn);
    std::istringstream in(all);
    for (const SeriesLine& line : readSeriesLines(in)) {
        parseOptionString(line.text, settings);
        checkOptionString(line.text, UnknownOptions::Ignore);
        seriesEntryGames(line.text);
    }
}

// The input is cut into the games, batting, pitching and fielding files
// (four 16-bit little-endian lengths first); the set is opened, a game
// between two shipped teams recorded into it and the set saved.
void StatisticsSet(const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path dir = scratch();
    constexpr std::array<const char*, 4> kFiles = {"F.STS", "F.STB", "F.STP", "F.STF"};
    constexpr std::size_t kLengths = 2 * kFiles.size();
    if (size < kLengths) return;
    std::size_t at = kLengths;
    for (std::size_t i = 0; i < kFiles.size(); ++i) {
        const std::size_t want = data[2 * i] | static_cast<std::size_t>(data[2 * i + 1]) << 8;
        const std::size_t n = std::min(want, size - at);
        std::ofstream(dir / kFiles[i], std::ios::binary)
            .write(reinterpret_cast<const char*>(data + at), static_cast<std::streamsize>(n));
        at += n;
    }
    StatsSet set;
    const OpenStatsResult opened = OpenStatsSet(set, dir.string(), "F");
    if (!opened.ok) return;
    std::array<Team, 3> teams;
    if (loadTeamPair(teams, "CAMHAVEN", "FELVORA", config()).abort) return;
    static LeagueContext normalization;
    Rng rng(7);
    auto game = std::make_unique<Game>(teams, normalization, config(), rng);
    PlayGame(*game);
    HighlightLists lists;
    RecordGame(set, lists, *game, {set.savedGameCounter, std::nullopt, 20});
    SaveStatistics(set, set.savedGameCounter + 1);
}

void GameAgainstShippedTeam(const std::uint8_t* data, std::size_t size) {
    std::array<Team, 3> teams;
    std::istringstream in(text(data, size));
    const TeamLoadResult visitors =
        readTeamFile(teams[kVisitors], kVisitors, nullptr, in, config(), "FUZZ.DAT");
    if (visitors.abort) return;
    teams[kHome].teamFileName = "FELVORA";
    if (loadTeam(teams, kHome, config()).abort) return;
    static LeagueContext normalization;
    Rng rng(42);
    auto game = std::make_unique<Game>(teams, normalization, config(), rng);
    PlayGame(*game);
}

Entry EntryNamed(std::string_view name) {
    const std::pair<std::string_view, Entry> kEntries[] = {
        {"team_file", TeamFile},           {"configuration", Configuration},
        {"catalogue", Catalogue},          {"options", Options},
        {"statistics_set", StatisticsSet}, {"game", GameAgainstShippedTeam},
    };
    for (const auto& [n, entry] : kEntries) {
        if (n == name) return entry;
    }
    return nullptr;
}

}  // namespace vrk::fuzz
