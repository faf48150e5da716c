#include "data/stats_journal.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

namespace vrk {

namespace {

// The journal grows by this much at a time.
constexpr std::uint64_t kJournalChunk = std::uint64_t{1} << 20;
// An entry's head: the payload's length and its hash. One of zeros ends the
// journal.
constexpr std::size_t kEntryHead = 4 + 8;
// Room for a usual entry (two teams' records, a game, its highlights), so
// that building one seldom moves it.
constexpr std::size_t kEntryReserve = 64 * 1024;

IoResult Failure(std::string_view what, const std::string& path) {
    return {false, std::string(what) + " " + path + ": " + std::strerror(errno)};
}

std::string JournalPath(const StatsSet& set) {
    return StatsFilePath(set.folder, set.baseName, kJournalExtension);
}

std::uint64_t FileSize(const std::string& path) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    return ec ? 0 : static_cast<std::uint64_t>(size);
}

std::vector<std::uint8_t> ReadRange(const std::string& path, std::uint64_t from) {
    std::vector<std::uint8_t> bytes;
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return bytes;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && static_cast<std::uint64_t>(st.st_size) > from) {
        bytes.resize(static_cast<std::size_t>(static_cast<std::uint64_t>(st.st_size) - from));
        const ssize_t n = ::pread(fd, bytes.data(), bytes.size(), static_cast<off_t>(from));
        bytes.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    }
    ::close(fd);
    return bytes;
}

// Writes the bytes at `at`; with `cut` the file ends after them.
bool WriteAt(const std::string& path, std::uint64_t at, std::span<const std::uint8_t> bytes,
             bool cut = true) {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    bool ok = (!cut || ::ftruncate(fd, static_cast<off_t>(at)) == 0) &&
              ::pwrite(fd, bytes.data(), bytes.size(), static_cast<off_t>(at)) ==
                  static_cast<ssize_t>(bytes.size());
    return ::close(fd) == 0 && ok;
}

bool HasPrefix(const PlayerKey& key, const TeamKeyPrefix& prefix) {
    return std::equal(prefix.begin(), prefix.end(), key.bytes.begin());
}

// The records of one team: contiguous, since the key starts with the team.
template <typename Record>
std::pair<int, int> TeamRange(const StatsTable<Record>& table, const TeamKeyPrefix& prefix) {
    const std::string_view p(prefix.data(), prefix.size());
    auto first = table.records.begin() + 1;
    auto last = table.records.end();
    auto lo = std::lower_bound(first, last, p, [](const Record& r, std::string_view want) {
        return r.key.view().substr(0, want.size()) < want;
    });
    auto hi = lo;
    while (hi != last && HasPrefix(hi->key, prefix)) ++hi;
    return {static_cast<int>(lo - table.records.begin()),
            static_cast<int>(hi - table.records.begin())};
}

// The count, then the records encoded in place at the end of the entry.
template <typename Record>
void WriteTeams(SaveWriter& out, const StatsTable<Record>& table,
                const std::vector<TeamKeyPrefix>& teams) {
    std::uint32_t count = 0;
    for (const TeamKeyPrefix& prefix : teams) {
        const auto [lo, hi] = TeamRange(table, prefix);
        count += static_cast<std::uint32_t>(hi - lo);
    }
    out.u32(count);
    std::vector<std::uint8_t>& bytes = out.bytes();
    std::size_t at = bytes.size();
    bytes.resize(at + std::size_t{count} * Record::kSize);
    for (const TeamKeyPrefix& prefix : teams) {
        const auto [lo, hi] = TeamRange(table, prefix);
        for (int n = lo; n < hi; ++n) {
            Encode(table.at(n), std::span<std::uint8_t>(bytes).subspan(at, Record::kSize));
            at += Record::kSize;
        }
    }
}

template <typename Record>
bool ReadTeams(SaveReader& in, StatsTable<Record>& table, const std::vector<TeamKeyPrefix>& teams) {
    const std::uint32_t count = in.u32();
    std::vector<Record> records;
    for (std::uint32_t i = 0; i < count && in.ok(); ++i) {
        auto bytes = in.raw(Record::kSize);
        if (!in.ok()) return false;
        records.push_back(Decode<Record>(bytes));
    }
    if (!in.ok()) return false;
    for (const TeamKeyPrefix& prefix : teams) {
        const auto [lo, hi] = TeamRange(table, prefix);
        table.records.erase(table.records.begin() + lo, table.records.begin() + hi);
        std::vector<Record> mine;
        for (const Record& r : records)
            if (HasPrefix(r.key, prefix)) mine.push_back(r);
        table.records.insert(table.records.begin() + lo, mine.begin(), mine.end());
    }
    while (table.count() > table.capacity) table.capacity += Record::kChunk;
    return true;
}

}  // namespace

JournalMark MarkJournal(const StatsSet& set) {
    return {set.gamesInFile, FileSize(StatsFilePath(set.folder, set.baseName, ".STH"))};
}

TeamKeyPrefix TeamPrefix(char league, std::string_view teamName) {
    const PlayerKey key = MakePlayerKey(league, teamName, "");
    TeamKeyPrefix prefix{};
    std::copy_n(key.bytes.begin(), prefix.size(), prefix.begin());
    return prefix;
}

IoResult JournalGame(StatsSet& set, const JournalMark& before, std::int32_t gameCounter,
                     const std::vector<TeamKeyPrefix>& teams, const RestartState* restart) {
    if (!set.isOpen()) return {false, "No statistics file is open."};
    // The entry is built where it is written: its head first, filled in once
    // the payload after it is complete.
    SaveWriter payload;
    payload.bytes().reserve(kEntryReserve);
    payload.bytes().resize(kEntryHead);
    payload.u32(static_cast<std::uint32_t>(gameCounter));
    auto games = ReadRange(StatsFilePath(set.folder, set.baseName, ".STS"),
                           std::uint64_t(before.games) * GameRecord::kSize);
    games.resize(std::size_t(set.gamesInFile - before.games) * GameRecord::kSize);
    payload.blob(games);
    payload.blob(ReadRange(StatsFilePath(set.folder, set.baseName, ".STH"), before.highlightBytes));
    std::vector<TeamKeyPrefix> distinct;
    for (const TeamKeyPrefix& t : teams)
        if (std::find(distinct.begin(), distinct.end(), t) == distinct.end()) distinct.push_back(t);
    payload.u8(static_cast<std::uint8_t>(distinct.size()));
    for (const TeamKeyPrefix& t : distinct)
        payload.raw({reinterpret_cast<const std::uint8_t*>(t.data()), t.size()});
    WriteTeams(payload, set.batting, distinct);
    WriteTeams(payload, set.pitching, distinct);
    WriteTeams(payload, set.fielding, distinct);
    payload.u8(restart != nullptr ? 1 : 0);
    if (restart != nullptr) WriteRestartState(payload, *restart);

    std::vector<std::uint8_t> bytes = std::move(payload.bytes());
    const std::span<const std::uint8_t> body =
        std::span<const std::uint8_t>(bytes).subspan(kEntryHead);
    SaveWriter head;
    head.u32(static_cast<std::uint32_t>(body.size()));
    head.u64(SaveHash(body));
    std::copy(head.bytes().begin(), head.bytes().end(), bytes.begin());
    const std::uint64_t entrySize = bytes.size();
    bytes.resize(bytes.size() + kEntryHead, 0);  // the end of the journal

    const std::string path = JournalPath(set);
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return Failure("Cannot open", path);
    bool ok = true;
    if (set.journalRoom == 0) {
        struct stat st {};
        ok = ::fstat(fd, &st) == 0;
        set.journalRoom = ok ? static_cast<std::uint64_t>(st.st_size) : 0;
    }
    const std::uint64_t needed = set.journalEnd + bytes.size();
    if (ok && needed > set.journalRoom) {
        // Zeros written out, not a hole: a later write into them changes
        // no block map, and the flush that grows the file is a full one.
        const std::uint64_t room = (needed + kJournalChunk - 1) / kJournalChunk * kJournalChunk;
        const std::vector<std::uint8_t> zeros(static_cast<std::size_t>(room - set.journalRoom), 0);
        ok = ::lseek(fd, static_cast<off_t>(set.journalRoom), SEEK_SET) >= 0 &&
             set.ops->writeAll(fd, zeros) && ::fsync(fd) == 0;
        if (ok) set.journalRoom = room;
    }
    ok = ok && ::lseek(fd, static_cast<off_t>(set.journalEnd), SEEK_SET) >= 0 &&
         set.ops->writeAll(fd, bytes) && ::fdatasync(fd) == 0;
    IoResult result = ok ? IoResult{} : Failure("Cannot write", path);
    if (::close(fd) != 0 && result.ok) result = Failure("Cannot write", path);
    if (result.ok) set.journalEnd += entrySize;
    return result;
}

JournalReplay ReplayJournal(StatsSet& set, std::int32_t fromCounter) {
    JournalReplay out;
    out.gameCounter = fromCounter;
    FileBytes file = ReadFileBytes(JournalPath(set));
    if (!file.result.ok) {
        out.result = file.result;
        return out;
    }
    const std::string gamesPath = StatsFilePath(set.folder, set.baseName, ".STS");
    const std::string highlightsPath = StatsFilePath(set.folder, set.baseName, ".STH");
    SaveReader entries(file.bytes);
    while (!entries.atEnd()) {
        const std::uint32_t size = entries.u32();
        const std::uint64_t hash = entries.u64();
        if (size == 0) break;  // the end of the journal
        const auto payload = entries.raw(size);
        if (!entries.ok() || SaveHash(payload) != hash) break;  // the game in play
        SaveReader in(payload);
        const auto counter = static_cast<std::int32_t>(in.u32());
        if (counter <= out.gameCounter) continue;  // already in the saved totals
        if (counter != out.gameCounter + 1) break;
        const std::vector<std::uint8_t> games = in.blob();
        const std::vector<std::uint8_t> highlights = in.blob();
        std::vector<TeamKeyPrefix> teams(in.u8());
        for (TeamKeyPrefix& t : teams) {
            auto bytes = in.raw(t.size());
            std::copy(bytes.begin(), bytes.end(), t.begin());
        }
        StatsSet next = set;
        if (!in.ok() || games.size() % GameRecord::kSize != 0 ||
            !ReadTeams(in, next.batting, teams) || !ReadTeams(in, next.pitching, teams) ||
            !ReadTeams(in, next.fielding, teams)) {
            break;
        }
        std::optional<RestartState> restart;
        if (in.u8() != 0) restart = ReadRestartState(in);
        if (!in.ok()) break;
        if (!WriteAt(gamesPath, std::uint64_t(set.gamesInFile) * GameRecord::kSize, games) ||
            !WriteAt(highlightsPath, FileSize(highlightsPath), highlights)) {
            out.result = Failure("Cannot replay the journal into", gamesPath);
            return out;
        }
        next.gamesInFile += static_cast<int>(games.size() / GameRecord::kSize);
        next.unsaved = true;
        set = std::move(next);
        out.gameCounter = counter;
        ++out.games;
        if (restart) out.restart = std::move(restart);
    }
    return out;
}

IoResult ClearJournal(StatsSet& set, bool keepRoom) {
    const std::string path = JournalPath(set);
    set.journalEnd = 0;
    if (!keepRoom || set.journalRoom == 0) {
        set.journalRoom = 0;
        if (::truncate(path.c_str(), 0) != 0 && errno != ENOENT)
            return Failure("Cannot empty", path);
        return {};
    }
    // An empty head at the start ends the journal. It needs no flush: the
    // entries it hides are all in the save just made, and the replay passes
    // over entries a save already holds.
    const std::array<std::uint8_t, kEntryHead> end{};
    if (!WriteAt(path, 0, end, false)) return Failure("Cannot empty", path);
    return {};
}

}  // namespace vrk
