#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/stats_file_io.h"
#include "data/stats_records.h"
#include "data/stats_table.h"

namespace vrk {

inline constexpr std::string_view kOldVersionMessage =
    " Hmmm. The stat file you selected appears to have been | generated from an older version "
    "of VRK and cannot be used | with this version. Returning to the main menu.";
// A batting or pitching file cut short inside its records is damaged, not old.
inline constexpr std::string_view kDamagedSetMessage =
    " The stat file you selected is damaged: its batting or pitching | file ends inside a "
    "record and cannot be used. ";
inline constexpr std::string_view kSavingStatsText = "Saving stats to disk...";

// An open statistics set: the three player tables in memory, the games
// file on disk (appended game by game).
struct StatsSet {
    std::string folder;    // the write folder
    std::string baseName;  // empty when no set is open
    BattingTable batting;
    PitchingTable pitching;
    FieldingTable fielding;
    std::int32_t savedGameCounter = 0;  // game counter in the batting header when opened
    int gamesInFile = 0;                // game records in the games file
    bool unsaved = false;               // tables changed since they were last written
    // Each game record (and highlight line) forced to the disk as it is
    // written; off, they reach it with the next save of the set.
    bool syncEachGame = true;
    // The journal of /PG:Y is written in place: where its next entry goes
    // and how long the file is (0: not looked at yet).
    std::uint64_t journalEnd = 0;
    std::uint64_t journalRoom = 0;
    FileOps* ops = &SystemFileOps();

    bool isOpen() const { return !baseName.empty(); }
};

// The path of one file of a set: the existing file when one matches the name
// ignoring case, else folder + base + extension.
std::string StatsFilePath(std::string_view folder, std::string_view baseName,
                          std::string_view extension);

struct OpenStatsResult {
    bool ok = false;
    // On failure: the old-version message for a batting or pitching file of
    // the wrong size, otherwise a sentence naming the file and its fault.
    std::string message;
    // Things the user should know although the set opened.
    std::vector<std::string> notes;
};

// Reads the set's tables (missing files are empty tables) and counts its
// games. Nothing is written. On failure the set is left closed, and the
// files on disk are untouched.
OpenStatsResult OpenStatsSet(StatsSet& set, std::string_view folder, std::string_view baseName);

// Appends one game record to the games file.
IoResult AppendGameRecord(StatsSet& set, const GameRecord& game);

// Rewrites the batting, pitching and fielding files from memory. All three
// are written beside the old ones first; only when all three are safely on
// disk do they replace the old files. On failure the old files stand and
// the tables stay marked unsaved.
IoResult SaveStatistics(StatsSet& set, std::int32_t gameCounter);

// Removes the set's files (and the restart files kept with it) that exist.
IoResult DeleteStatsSet(std::string_view folder, std::string_view baseName);

}  // namespace vrk
