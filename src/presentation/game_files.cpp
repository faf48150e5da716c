#include "presentation/game_files.h"

#include <cstdio>

#include "core/text_fields.h"

namespace vrk {

namespace {

std::string WithoutPageMark(std::string_view line) {
    if (!line.empty() && line.front() == '~') line.remove_prefix(1);
    return std::string(line);
}

std::string Blanks(std::size_t lineLength, std::size_t less) {
    return std::string(lineLength > less ? lineLength - less : 0, ' ');
}

}  // namespace

std::string PerGameHeader(const std::tm& now, long gameNumber, int dashes,
                          std::string_view scheduleDate) {
    char stamp[40];
    std::snprintf(stamp, sizeof stamp, "%02d-%02d-%04d %02d:%02d:%02d", now.tm_mon + 1, now.tm_mday,
                  now.tm_year + 1900, now.tm_hour, now.tm_min, now.tm_sec);
    std::string line = std::string(stamp) + "  #" + std::to_string(gameNumber);
    line += std::string(static_cast<std::size_t>(dashes), '-');
    if (!trim(scheduleDate).empty()) return line + " " + std::string(trim(scheduleDate));
    return line + std::string(10, '-') + " ";
}

std::vector<std::string> LineScoreFileEntry(const std::string& header, const LineScore& score) {
    return {header, Blanks(score.visitors.size(), 9) + "  R  H  E", score.visitors, score.home};
}

std::vector<std::string> BoxScoreFileEntry(const std::string& header,
                                           const std::vector<std::string>& boxLines) {
    std::vector<std::string> lines{header};
    for (const std::string& line : boxLines) lines.push_back(WithoutPageMark(line));
    return lines;
}

std::vector<std::string> ScoreCardFileEntry(const std::string& header, const LineScore& score,
                                            const std::vector<std::string>& cardLines) {
    std::vector<std::string> lines{"", header, ""};
    lines.push_back(Blanks(score.visitors.size(), 7) + "R  H  E");
    lines.push_back(score.visitors);
    lines.push_back(score.home);
    lines.emplace_back();
    for (const std::string& line : cardLines) {
        lines.emplace_back(trimRight(WithoutPageMark(line)));
    }
    return lines;
}

}  // namespace vrk
