#include "engine/stats_highlights.h"

#include "core/text_fields.h"
#include "data/player_names.h"
#include "data/stats_set.h"

namespace vrk {

namespace {

bool HasControlBytes(std::string_view line) {
    for (char c : line) {
        auto u = static_cast<unsigned char>(c);
        if ((u < 32 && c != '\t') || u == 127) return true;
    }
    return false;
}

}  // namespace

void ClearRecentHighlights(HighlightLists& lists) {
    lists.recent.clear();
}

std::string HighlightLine(int gameNumber, std::string_view text) {
    std::string number = std::to_string(gameNumber);
    // Pad, never cut: a number is not shortened to fit.
    if (number.size() < 6) number = padRight(number, 6);
    return number + std::string(text);
}

std::string StreakEndsText(std::string_view playerName, int streak) {
    std::string first = firstName(playerName);
    std::string name =
        first.empty() ? std::string(trimRight(playerName)) : first + " " + lastName(playerName);
    return name + ", " + std::to_string(streak) + "-game streak ends";
}

IoResult AddHighlight(const StatsSet* set, HighlightLists& lists, int gameNumber,
                      std::string_view text) {
    if (static_cast<int>(lists.run.size()) < kMaxHighlights) {
        lists.run.push_back({gameNumber, RunHighlightText(text.substr(0, kHighlightListTextWidth))});
    }
    if (static_cast<int>(lists.recent.size()) < kMaxRecentHighlights)
        lists.recent.emplace_back(text);
    if (set == nullptr || !set->isOpen()) return {};
    return AppendTextLine(*set->ops, StatsFilePath(set->folder, set->baseName, ".STH"),
                          HighlightLine(gameNumber, text), set->syncEachGame);
}

HighlightFile ReadHighlightsFile(const std::string& path) {
    HighlightFile out;
    FileBytes file = ReadFileBytes(path);
    out.result = file.result;
    std::string_view all(reinterpret_cast<const char*>(file.bytes.data()), file.bytes.size());
    while (!all.empty()) {
        std::size_t end = all.find('\n');
        std::string_view line = chompCr(all.substr(0, end));
        all = end == std::string_view::npos ? std::string_view() : all.substr(end + 1);
        if (line.empty()) continue;
        std::string_view number = trim(field(line, 1, 6));
        bool digits = !number.empty() && number.find_first_not_of("0123456789") == number.npos;
        if (!digits || number.size() > 6 || HasControlBytes(line)) {
            ++out.skippedLines;
            continue;
        }
        out.lines.push_back(
            {static_cast<int>(integerPrefix(number)), std::string(fieldToEnd(line, 7))});
    }
    return out;
}

}  // namespace vrk
