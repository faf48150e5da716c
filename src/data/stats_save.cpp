#include "data/stats_save.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "core/le_record.h"

namespace vrk {

namespace {

constexpr std::string_view kMagic = "VRKSAVE1";
constexpr std::array<std::string_view, 6> kSavedExtensions = {".STB", ".STP", ".STF",
                                                              ".RES", ".ROT", ".STD"};
constexpr std::uint8_t kBatting = 0, kPitching = 1, kFielding = 2, kRestart = 3, kRotation = 4,
                       kStandings = 5;
constexpr std::size_t kCounterOffset = 34;

std::string PartPath(const std::string& path) {
    return path + ".part";
}

std::string SetPath(std::string_view folder, std::string_view base, std::uint8_t id) {
    return StatsFilePath(folder, base, kSavedExtensions[id]);
}

IoResult Failure(std::string_view what, const std::string& path) {
    return {false, std::string(what) + " " + path + ": " + std::strerror(errno)};
}

void SyncFolder(FileOps& ops, const std::string& path) {
    std::filesystem::path parent = std::filesystem::path(path).parent_path();
    int fd = ::open(parent.empty() ? "." : parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ops.sync(fd);
    ::close(fd);
}

IoResult WritePart(FileOps& ops, const std::string& part, std::span<const std::uint8_t> bytes) {
    int fd = ::open(part.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return Failure("Cannot create", part);
    const bool ok = ops.writeAll(fd, bytes) && ops.sync(fd);
    IoResult result = ok ? IoResult{} : Failure("Cannot write", part);
    if (::close(fd) != 0 && result.ok) result = Failure("Cannot write", part);
    if (!result.ok) ::unlink(part.c_str());
    return result;
}

// Flushes an appended file and tells its length (0 when there is none).
IoResult FlushAppended(FileOps& ops, const std::string& path, std::uint64_t& size) {
    size = 0;
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT ? IoResult{} : Failure("Cannot open", path);
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0 && ops.sync(fd);
    IoResult result = ok ? IoResult{} : Failure("Cannot flush", path);
    size = static_cast<std::uint64_t>(st.st_size);
    ::close(fd);
    return result;
}

bool CutBack(const std::string& path, std::uint64_t keep) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    if (ec || size <= keep) return false;
    std::filesystem::resize_file(path, keep, ec);
    return !ec;
}

void Remove(const std::string& path) {
    std::error_code ec;
    std::filesystem::remove(path, ec);
}

// The game counter in the header of the batting file on disk; 0 without one.
std::int32_t DiskGameCounter(std::string_view folder, std::string_view base) {
    FileBytes file = ReadFileBytes(SetPath(folder, base, kBatting));
    if (!file.exists || file.bytes.size() < kCounterOffset + 4) return 0;
    return RecordReader(file.bytes).int32(kCounterOffset);
}

}  // namespace

std::vector<std::uint8_t> EncodeSavePoint(const SavePoint& p) {
    SaveWriter out;
    out.raw({reinterpret_cast<const std::uint8_t*>(kMagic.data()), kMagic.size()});
    out.u32(p.generation);
    out.u32(static_cast<std::uint32_t>(p.gameCounter));
    out.u32(p.games);
    out.u64(p.highlightBytes);
    out.u8(p.restartSaved ? 1 : 0);
    WriteRestartState(out, p.restart);
    out.u32(static_cast<std::uint32_t>(p.written.size()));
    for (const SavedFile& f : p.written) {
        out.u8(f.id);
        out.u64(f.size);
        out.u64(f.hash);
    }
    out.blob(p.removed);
    out.u64(SaveHash(out.bytes()));
    return std::move(out.bytes());
}

std::optional<SavePoint> DecodeSavePoint(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kMagic.size() + 8) return std::nullopt;
    const auto body = bytes.first(bytes.size() - 8);
    SaveReader tail(bytes.last(8));
    if (tail.u64() != SaveHash(body)) return std::nullopt;
    SaveReader in(body);
    auto magic = in.raw(kMagic.size());
    if (!std::equal(magic.begin(), magic.end(), kMagic.begin())) return std::nullopt;
    SavePoint p;
    p.generation = in.u32();
    p.gameCounter = static_cast<std::int32_t>(in.u32());
    p.games = in.u32();
    p.highlightBytes = in.u64();
    p.restartSaved = in.u8() != 0;
    p.restart = ReadRestartState(in);
    const std::uint32_t files = in.u32();
    for (std::uint32_t i = 0; i < files && in.ok(); ++i) {
        SavedFile f;
        f.id = in.u8();
        f.size = in.u64();
        f.hash = in.u64();
        if (f.id >= kSavedExtensions.size()) return std::nullopt;
        p.written.push_back(f);
    }
    p.removed = in.blob();
    for (std::uint8_t id : p.removed)
        if (id >= kSavedExtensions.size()) return std::nullopt;
    if (!in.ok() || !in.atEnd()) return std::nullopt;
    return p;
}

IoResult SaveSet(StatsSet& set, std::int32_t gameCounter, const RestartState* restart,
                 SavePoint& last) {
    if (!set.isOpen()) return {false, "No statistics file is open."};
    FileOps& ops = *set.ops;
    const std::string_view folder = set.folder;
    const std::string_view base = set.baseName;

    SavePoint point;
    point.generation = last.generation + 1;
    point.gameCounter = gameCounter;
    point.games = static_cast<std::uint32_t>(set.gamesInFile);
    std::uint64_t gamesBytes = 0;
    IoResult flushed = FlushAppended(ops, StatsFilePath(folder, base, ".STS"), gamesBytes);
    if (flushed.ok)
        flushed = FlushAppended(ops, StatsFilePath(folder, base, ".STH"), point.highlightBytes);
    if (!flushed.ok) {
        set.unsaved = true;
        return {false,
                "Statistics were not saved (the files on disk are unchanged): " + flushed.message};
    }

    struct Pending {
        std::uint8_t id;
        std::vector<std::uint8_t> bytes;
    };
    std::vector<Pending> pending;
    pending.push_back({kBatting, SerializeStatsTable(set.batting, gameCounter)});
    pending.push_back({kPitching, SerializeStatsTable(set.pitching, 0)});
    pending.push_back({kFielding, SerializeStatsTable(set.fielding, 0)});
    if (restart != nullptr) {
        point.restartSaved = true;
        point.restart = *restart;
        if (restart->inProgress) {
            pending.push_back({kRestart, EncodeRestart(restart->restart)});
            if (restart->rotation.empty()) {
                point.removed.push_back(kRotation);
            } else {
                pending.push_back({kRotation, restart->rotation});
            }
            if (restart->standings.empty()) {
                point.removed.push_back(kStandings);
            } else {
                pending.push_back({kStandings, restart->standings});
            }
        } else {
            point.removed = {kRestart, kRotation, kStandings};
        }
    }

    std::vector<std::string> parts;
    auto abandon = [&](const IoResult& failed) {
        for (const std::string& part : parts) Remove(part);
        set.unsaved = true;
        return IoResult{false, "Statistics were not saved (the files on disk are unchanged): " +
                                   failed.message};
    };
    for (const Pending& p : pending) {
        const std::string part = PartPath(SetPath(folder, base, p.id));
        IoResult written = WritePart(ops, part, p.bytes);
        if (!written.ok) return abandon(written);
        parts.push_back(part);
        point.written.push_back({p.id, p.bytes.size(), SaveHash(p.bytes)});
    }

    // The moment of the save.
    const std::string savePath = StatsFilePath(folder, base, kSavePointExtension);
    IoResult written = WritePart(ops, PartPath(savePath), EncodeSavePoint(point));
    if (!written.ok) return abandon(written);
    if (!ops.rename(PartPath(savePath), savePath)) {
        IoResult failed = Failure("Cannot replace", savePath);
        Remove(PartPath(savePath));
        return abandon(failed);
    }
    SyncFolder(ops, savePath);
    last = point;

    IoResult result;
    for (const Pending& p : pending) {
        const std::string path = SetPath(folder, base, p.id);
        if (!ops.rename(PartPath(path), path) && result.ok) {
            result = {false, "The save was made but " + path +
                                 " could not be put in place yet; it will be when the "
                                 "statistics file is next opened: " +
                                 std::strerror(errno)};
        }
    }
    for (std::uint8_t id : point.removed) Remove(SetPath(folder, base, id));
    SyncFolder(ops, savePath);
    set.unsaved = !result.ok;
    return result;
}

RecoveredSet RecoverSet(std::string_view folder, std::string_view baseName) {
    RecoveredSet out;
    const std::string savePath = StatsFilePath(folder, baseName, kSavePointExtension);
    Remove(PartPath(savePath));  // a save that never reached its moment
    FileBytes file = ReadFileBytes(savePath);
    if (!file.result.ok) {
        out.result = file.result;
        return out;
    }
    std::optional<SavePoint> point;
    if (file.exists) {
        point = DecodeSavePoint(file.bytes);
        if (!point) {
            out.notes.push_back("The save point " + savePath +
                                " is damaged and was not used; the statistics are taken as "
                                "they stand.");
        }
    }
    if (point) {
        for (const SavedFile& f : point->written) {
            const std::string path = SetPath(folder, baseName, f.id);
            FileBytes part = ReadFileBytes(PartPath(path));
            if (!part.exists) continue;
            if (part.bytes.size() == f.size && SaveHash(part.bytes) == f.hash) {
                std::error_code ec;
                std::filesystem::rename(PartPath(path), path, ec);
                if (ec) {
                    out.result = {false,
                                  "Cannot finish the last save of " + path + ": " + ec.message()};
                    return out;
                }
            }
        }
        for (std::uint8_t id : point->removed) Remove(SetPath(folder, baseName, id));
    }
    for (std::uint8_t id = 0; id < kSavedExtensions.size(); ++id)
        Remove(PartPath(SetPath(folder, baseName, id)));
    SyncFolder(SystemFileOps(), savePath);

    if (!point) return out;
    if (DiskGameCounter(folder, baseName) != point->gameCounter) {
        out.notes.push_back("The statistics file " + std::string(baseName) +
                            " was saved after its last save point; its games file is used as "
                            "it stands.");
        return out;
    }
    const std::string games = StatsFilePath(folder, baseName, ".STS");
    if (CutBack(games, std::uint64_t{point->games} * GameRecord::kSize)) {
        out.notes.push_back("Games played after the last save of " + std::string(baseName) +
                            " were taken out of its games file; they are played again.");
    }
    CutBack(StatsFilePath(folder, baseName, ".STH"), point->highlightBytes);
    out.savePoint = point;
    return out;
}

std::optional<RestartState> SavedRestart(std::string_view folder, std::string_view baseName,
                                         const std::optional<SavePoint>& point) {
    FileBytes res = ReadFileBytes(SetPath(folder, baseName, kRestart));
    if (!res.exists) return std::nullopt;
    auto record = DecodeRestart(res.bytes);
    if (!record) return std::nullopt;
    if (point && point->restartSaved && point->restart.inProgress &&
        EncodeRestart(point->restart.restart) == res.bytes) {
        return point->restart;
    }
    RestartState state;
    state.inProgress = true;
    state.restart = *record;
    state.rotation = ReadFileBytes(SetPath(folder, baseName, kRotation)).bytes;
    state.standings = ReadFileBytes(SetPath(folder, baseName, kStandings)).bytes;
    return state;
}

}  // namespace vrk
