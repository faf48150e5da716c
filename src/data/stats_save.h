#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/stats_save_state.h"
#include "data/stats_set.h"

namespace vrk {

// The save of a statistics set. The totals (.STB .STP .STF), the restart
// files (.RES .ROT .STD) and the save point (.SAV, our own) are written as
// one: every new file goes beside the old one as "<name>.part" and reaches
// the disk; then the save point, naming each part by size and hash and
// recording how many games (.STS) and highlight bytes (.STH) the totals
// hold, is renamed into place. That rename is the moment of the save. The
// parts are renamed over the old files afterwards; a save cut short before
// the moment leaves the last save standing, one cut short after it is
// finished when the set is next opened.
inline constexpr std::string_view kSavePointExtension = ".SAV";

struct SavedFile {
    std::uint8_t id = 0;  // index into the set's restart-and-totals files
    std::uint64_t size = 0;
    std::uint64_t hash = 0;
};

struct SavePoint {
    std::uint32_t generation = 0;
    std::int32_t gameCounter = 0;      // as in the batting file's header
    std::uint32_t games = 0;           // game records of .STS the totals hold
    std::uint64_t highlightBytes = 0;  // bytes of .STH written by those games
    bool restartSaved = false;         // this save wrote (or removed) the restart files
    RestartState restart;
    std::vector<SavedFile> written;
    std::vector<std::uint8_t> removed;
};

std::vector<std::uint8_t> EncodeSavePoint(const SavePoint& point);
std::optional<SavePoint> DecodeSavePoint(std::span<const std::uint8_t> bytes);

// Saves the set's totals with the game counter, and, when `restart` is
// given, the restart files (written while the replay is in progress,
// removed when it has finished). The games and highlights files are
// flushed first: the save point must never count a game the disk may not
// hold. `last` is the previous save point and becomes the new one.
IoResult SaveSet(StatsSet& set, std::int32_t gameCounter, const RestartState* restart,
                 SavePoint& last);

struct RecoveredSet {
    IoResult result;
    std::vector<std::string> notes;
    std::optional<SavePoint> savePoint;  // the last complete save, when it matches the totals
};

// Run before a set is opened: finishes a save that had reached its moment,
// discards one that had not, and cuts the games and highlights files back
// to what the saved totals hold, so games played after the last save are
// neither lost twice nor counted twice.
RecoveredSet RecoverSet(std::string_view folder, std::string_view baseName);

// The restart state saved with the set: the save point's own when the
// restart files on disk are the ones it wrote, else what the files alone
// tell (a set saved by another program). Nothing without a ".RES".
std::optional<RestartState> SavedRestart(std::string_view folder, std::string_view baseName,
                                         const std::optional<SavePoint>& point);

}  // namespace vrk
