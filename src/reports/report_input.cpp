#include "reports/report_input.h"

#include "data/stats_file_io.h"
#include "data/stats_set.h"

namespace vrk {

namespace {

template <typename Record>
bool WholeRecords(const FileBytes& file) {
    return file.bytes.size() % Record::kSize == 0;
}

// A table that is damaged beyond its layout (counts or order) is named
// plainly: the report would otherwise print wrong figures.
template <typename Record>
bool ParseInto(const FileBytes& file, const std::string& path, StatsTable<Record>& table,
               std::string& problem) {
    TableLoad<Record> load = ParseStatsTable<Record>(file.bytes);
    if (!load.ok()) {
        problem = "The statistics file " + path + " cannot be used:|" + load.problem + ".";
        return false;
    }
    table = std::move(load.table);
    return true;
}

}  // namespace

ReportInputLoad LoadReportInput(std::string_view folder, std::string_view name) {
    ReportInputLoad load;
    ReportInput& in = load.input;
    in.name = std::string(name);
    const std::string gamesPath = StatsFilePath(folder, name, ".STS");
    const std::string pitchingPath = StatsFilePath(folder, name, ".STP");
    const std::string battingPath = StatsFilePath(folder, name, ".STB");
    const std::string fieldingPath = StatsFilePath(folder, name, ".STF");

    FileBytes games = ReadFileBytes(gamesPath);
    if (!games.exists) {
        load.problem = "Statistics File: " + std::string(name) +
                       ".STS not found. |Please check to make sure the stat file you want "
                       "exists. ";
        return load;
    }
    FileBytes pitching = ReadFileBytes(pitchingPath);
    if (!pitching.exists) {
        load.problem = std::string(kNoPitcherFile);
        return load;
    }
    FileBytes batting = ReadFileBytes(battingPath);
    if (!batting.exists) {
        load.problem = std::string(kNoBatterFile);
        return load;
    }
    for (const FileBytes* file : {&games, &pitching, &batting}) {
        if (!file->result.ok) {
            load.problem = file->result.message;
            return load;
        }
    }
    if (!WholeRecords<PitchingRecord>(pitching) || !WholeRecords<BattingRecord>(batting)) {
        load.problem = "Sorry. Statistics File: " + std::string(name) + " is an old format. ";
        return load;
    }
    if (!ParseInto(batting, battingPath, in.batting, load.problem) ||
        !ParseInto(pitching, pitchingPath, in.pitching, load.problem)) {
        return load;
    }
    FileBytes fielding = ReadFileBytes(fieldingPath);
    if (!fielding.result.ok) {
        load.problem = fielding.result.message;
        return load;
    }
    if (!fielding.exists) {
        in.fielding = NewStatsTable<FieldingRecord>();
    } else if (!ParseInto(fielding, fieldingPath, in.fielding, load.problem)) {
        return load;
    }

    const std::size_t whole = games.bytes.size() / GameRecord::kSize;
    in.games.reserve(whole);
    std::span<const std::uint8_t> all(games.bytes);
    for (std::size_t i = 0; i < whole; ++i)
        in.games.push_back(DecodeGame(all.subspan(i * GameRecord::kSize, GameRecord::kSize)));
    if (games.bytes.size() % GameRecord::kSize != 0)
        in.notes.push_back("The games file " + gamesPath +
                           " ends with an incomplete game record; it is left out.");

    HighlightFile highlights = ReadHighlightsFile(StatsFilePath(folder, name, ".STH"));
    in.highlights = std::move(highlights.lines);
    if (!highlights.result.ok) in.notes.push_back(highlights.result.message);
    if (highlights.skippedLines > 0)
        in.notes.push_back(std::to_string(highlights.skippedLines) +
                           " damaged line(s) of the highlights file were left out.");
    return load;
}

}  // namespace vrk
