#include "data/series_file.h"

#include <algorithm>
#include <fstream>

#include "core/text_fields.h"

namespace vrk {

std::vector<SeriesLine> readSeriesLines(std::istream& in) {
    std::vector<SeriesLine> entries;
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        const std::string_view text = chompCr(line);
        if (text.find_first_not_of(" \t") == std::string_view::npos) continue;
        entries.push_back({number, std::string(text)});
    }
    return entries;
}

std::optional<std::vector<SeriesLine>> readSeriesLinesFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return readSeriesLines(in);
}

std::vector<std::string> readSeriesEntries(std::istream& in) {
    std::vector<std::string> entries;
    for (SeriesLine& line : readSeriesLines(in)) entries.push_back(std::move(line.text));
    return entries;
}

std::optional<std::vector<std::string>> readSeriesFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return readSeriesEntries(in);
}

long seriesEntryGames(std::string_view entry) {
    const std::string upper = upperCase(entry);
    const std::size_t at = upper.find("/N:");
    if (at == std::string::npos) return 1;
    // The same bounds as the option itself, so the count is what is played.
    const double games = numericPrefix(std::string_view(upper).substr(at + 3), false);
    return static_cast<long>(std::clamp(games, 0.0, 1000000.0));
}

long countSeriesGames(const std::vector<std::string>& entries) {
    long total = 0;
    for (const std::string& entry : entries) total += seriesEntryGames(entry);
    return total;
}

}  // namespace vrk
