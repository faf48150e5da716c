#pragma once
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vrk {

// A series file is a text list of game entries, one option string a line.
// Lines of blanks only are not entries.
std::vector<std::string> readSeriesEntries(std::istream& in);

// An entry with the number of its line in the file, for messages.
struct SeriesLine {
    int number = 0;
    std::string text;
};
std::vector<SeriesLine> readSeriesLines(std::istream& in);
std::optional<std::vector<SeriesLine>> readSeriesLinesFile(const std::string& path);

// The entries of the file at path; nothing when it cannot be opened.
std::optional<std::vector<std::string>> readSeriesFile(const std::string& path);

// Games an entry stands for: the number after its first "/N:" (in any case),
// else 1; bounded to 0..1,000,000 as the option is.
long seriesEntryGames(std::string_view entry);

// Games of the whole series, the total that progress is told against.
long countSeriesGames(const std::vector<std::string>& entries);

}  // namespace vrk
