#include "data/stats_set.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>
#include <span>

#include "core/paths.h"
#include "data/stats_ranges.h"

namespace vrk {

namespace {

// With the save point and the per-game journal the save keeps beside them.
constexpr std::array<std::string_view, 10> kSetExtensions = {
    ".STS", ".STB", ".STF", ".STP", ".STH", ".RES", ".ROT", ".STD", ".SAV", ".JNL"};

template <typename Record>
bool LoadTable(const std::string& path, std::string_view what, StatsTable<Record>& table,
               std::int32_t* gameCounter, OpenStatsResult& result) {
    FileBytes file = ReadFileBytes(path);
    if (!file.result.ok) {
        result.message = file.result.message;
        return false;
    }
    if (!file.exists) {
        table = NewStatsTable<Record>();
        return true;
    }
    TableLoad<Record> load = ParseStatsTable<Record>(file.bytes);
    if (!load.ok()) {
        result.message = "The " + std::string(what) + " file " + path +
                         " cannot be used: " + load.problem + ". It was left as it is.";
        return false;
    }
    if (const auto damage = damagedRecord(load.table)) {
        result.message = "The " + std::string(what) + " file " + path + " is damaged: " + *damage +
                         ". It was left as it is.";
        return false;
    }
    table = std::move(load.table);
    if (gameCounter != nullptr) *gameCounter = load.gameCounter;
    return true;
}

// A size that is not a whole number of records: when the header's count
// of records divides the file evenly, they are records of another length,
// an older program's layout; otherwise the file was cut or damaged.
bool CutShort(const std::string& path, std::size_t recordSize) {
    constexpr std::size_t kHeaderBytes = 38;
    FileBytes file = ReadFileBytes(path);
    if (!file.result.ok || file.bytes.size() < kHeaderBytes) return true;
    std::vector<std::uint8_t> first(recordSize, 0);
    std::copy_n(file.bytes.begin(), std::min(recordSize, file.bytes.size()), first.begin());
    const TableHeader header = DecodeHeader(first);
    if (header.count < 0) return true;
    const auto records = static_cast<std::uint64_t>(header.count) + 1;
    return file.bytes.size() % records != 0 || file.bytes.size() / records < kHeaderBytes;
}

// Every record of the games file must be one a game could write; random
// bytes or another file's content are refused rather than counted.
std::optional<std::string> GamesFileProblem(const std::string& path) {
    FileBytes file = ReadFileBytes(path);
    if (!file.result.ok) return file.result.message;
    const std::size_t whole = file.bytes.size() / GameRecord::kSize;
    const std::span<const std::uint8_t> all(file.bytes);
    for (std::size_t i = 0; i < whole; ++i) {
        if (!plausibleGame(DecodeGame(all.subspan(i * GameRecord::kSize, GameRecord::kSize)))) {
            return "The games file " + path + " cannot be used: its record " +
                   std::to_string(i + 1) +
                   " is not a game. It was left as it is; move it away (or delete the set) to "
                   "start the set's games afresh.";
        }
    }
    return std::nullopt;
}

// A save that was cut short leaves its temporary file; the real file beside
// it is still the last complete one, so the leftover is only clutter.
void DropUnfinishedSave(const std::string& path, OpenStatsResult& result) {
    std::error_code ec;
    std::string temp = TemporaryPathFor(path);
    if (!std::filesystem::exists(temp, ec)) return;
    std::filesystem::remove(temp, ec);
    result.notes.push_back("An unfinished save (" + temp +
                           ") was found and discarded; the last complete save is used.");
}

std::int64_t RecordedWins(const PitchingTable& pitching) {
    std::int64_t wins = 0;
    for (int n = 1; n < pitching.count(); ++n) wins += pitching.at(n).wins;
    return wins;
}

}  // namespace

std::string StatsFilePath(std::string_view folder, std::string_view baseName,
                          std::string_view extension) {
    std::string name = std::string(baseName) + std::string(extension);
    if (auto found = findFile(folder, name)) return *found;
    return joinPath(folder, name);
}

OpenStatsResult OpenStatsSet(StatsSet& set, std::string_view folder, std::string_view baseName) {
    OpenStatsResult result;
    FileOps* ops = set.ops;
    set = StatsSet{};
    set.ops = ops;
    if (baseName.empty()) {
        result.message = "No statistics file was named.";
        return result;
    }
    // Version check: a size that is not a whole number of records marks the
    // layout of an older program.
    const std::pair<std::string_view, std::size_t> versioned[] = {{".STP", PitchingRecord::kSize},
                                                                  {".STB", BattingRecord::kSize}};
    for (const auto& [extension, recordSize] : versioned) {
        std::error_code ec;
        std::string path = StatsFilePath(folder, baseName, extension);
        auto size = std::filesystem::file_size(path, ec);
        if (!ec && size % recordSize != 0) {
            result.message =
                std::string(CutShort(path, recordSize) ? kDamagedSetMessage : kOldVersionMessage);
            return result;
        }
    }

    StatsSet loaded;
    loaded.ops = ops;
    loaded.folder = std::string(folder);
    loaded.baseName = std::string(baseName);
    const std::string battingPath = StatsFilePath(folder, baseName, ".STB");
    const std::string pitchingPath = StatsFilePath(folder, baseName, ".STP");
    const std::string fieldingPath = StatsFilePath(folder, baseName, ".STF");
    for (const std::string& path : {battingPath, pitchingPath, fieldingPath})
        DropUnfinishedSave(path, result);
    if (!LoadTable(battingPath, "batting", loaded.batting, &loaded.savedGameCounter, result) ||
        !LoadTable(pitchingPath, "pitching", loaded.pitching, nullptr, result) ||
        !LoadTable(fieldingPath, "fielding", loaded.fielding, nullptr, result)) {
        return result;
    }

    const std::string gamesPath = StatsFilePath(folder, baseName, ".STS");
    std::error_code ec;
    auto gamesSize = std::filesystem::file_size(gamesPath, ec);
    if (!ec) {
        if (const auto problem = GamesFileProblem(gamesPath)) {
            result.message = *problem;
            return result;
        }
        loaded.gamesInFile = static_cast<int>(gamesSize / GameRecord::kSize);
        if (gamesSize % GameRecord::kSize != 0) {
            result.notes.push_back("The games file " + gamesPath +
                                   " ends with an incomplete game record; the next game "
                                   "recorded replaces it.");
        }
    } else if (std::filesystem::exists(gamesPath, ec)) {
        result.message = "Cannot read the games file " + gamesPath + ".";
        return result;
    }

    // Every game credits exactly one win, so the pitching totals say how many
    // games the tables hold.
    const std::int64_t tableGames = RecordedWins(loaded.pitching);
    if (loaded.gamesInFile > tableGames) {
        result.notes.push_back(
            std::to_string(loaded.gamesInFile - tableGames) +
            " game(s) in the games file are missing from the player totals: they were played "
            "after the last save of an interrupted run. They count in the standings but not in "
            "the players' figures; to have both agree, delete the set and play the run again "
            "(/PG:Y saves after every game).");
    } else if (loaded.gamesInFile < tableGames) {
        result.notes.push_back("The player totals hold " +
                               std::to_string(tableGames - loaded.gamesInFile) +
                               " game(s) more than the games file " + gamesPath +
                               ": its last games were lost. The standings miss them; the "
                               "players' figures are complete.");
    }
    set = std::move(loaded);
    result.ok = true;
    return result;
}

IoResult AppendGameRecord(StatsSet& set, const GameRecord& game) {
    if (!set.isOpen()) return {false, "No statistics file is open."};
    std::array<std::uint8_t, GameRecord::kSize> bytes{};
    EncodeGame(game, bytes);
    IoResult result = AppendRecord(*set.ops, StatsFilePath(set.folder, set.baseName, ".STS"),
                                   GameRecord::kSize, bytes, set.syncEachGame);
    if (result.ok) ++set.gamesInFile;
    return result;
}

IoResult SaveStatistics(StatsSet& set, std::int32_t gameCounter) {
    if (!set.isOpen()) return {false, "No statistics file is open."};
    struct Pending {
        std::string path;
        std::vector<std::uint8_t> bytes;
    };
    std::array<Pending, 3> files = {Pending{StatsFilePath(set.folder, set.baseName, ".STB"),
                                            SerializeStatsTable(set.batting, gameCounter)},
                                    Pending{StatsFilePath(set.folder, set.baseName, ".STP"),
                                            SerializeStatsTable(set.pitching, 0)},
                                    Pending{StatsFilePath(set.folder, set.baseName, ".STF"),
                                            SerializeStatsTable(set.fielding, 0)}};
    for (std::size_t i = 0; i < files.size(); ++i) {
        IoResult written = WriteTemporaryFile(*set.ops, files[i].path, files[i].bytes);
        if (!written.ok) {
            set.unsaved = true;
            for (std::size_t j = 0; j < i; ++j) {
                std::error_code ec;
                std::filesystem::remove(TemporaryPathFor(files[j].path), ec);
            }
            return {false, "Statistics were not saved (the files on disk are unchanged): " +
                               written.message};
        }
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        IoResult committed = CommitTemporaryFile(*set.ops, files[i].path);
        if (!committed.ok) {
            set.unsaved = true;
            for (std::size_t j = i + 1; j < files.size(); ++j) {
                std::error_code ec;
                std::filesystem::remove(TemporaryPathFor(files[j].path), ec);
            }
            return {false, "Statistics were only partly saved; save again before quitting: " +
                               committed.message};
        }
    }
    set.unsaved = false;
    return {};
}

IoResult DeleteStatsSet(std::string_view folder, std::string_view baseName) {
    IoResult result;
    if (baseName.empty()) return result;
    for (std::string_view extension : kSetExtensions) {
        std::string name = std::string(baseName) + std::string(extension);
        for (const std::string& candidate : {name, name + ".tmp", name + ".part"}) {
            auto found = findFile(folder, candidate);
            if (!found) continue;
            std::error_code ec;
            if (!std::filesystem::remove(*found, ec) && ec) {
                result.ok = false;
                if (!result.message.empty()) result.message += " ";
                result.message += "Cannot delete " + *found + ": " + ec.message() + ".";
            }
        }
    }
    return result;
}

}  // namespace vrk
