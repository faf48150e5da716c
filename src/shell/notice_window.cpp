#include "shell/notice_window.h"

#include <algorithm>

#include "shell/file_actions.h"

namespace vrk {

namespace {

constexpr std::size_t kWindowText = 66;
constexpr std::size_t kWindowLines = 14;

std::vector<std::string> wrapped(const std::string& text, std::size_t width) {
    std::vector<std::string> lines;
    std::string line;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t blank = text.find(' ', at);
        std::string word =
            text.substr(at, blank == std::string::npos ? std::string::npos : blank - at);
        at = blank == std::string::npos ? text.size() : blank + 1;
        while (word.size() > width) {
            if (!line.empty()) lines.push_back(std::move(line));
            line.clear();
            lines.push_back(word.substr(0, width));
            word.erase(0, width);
        }
        if (!line.empty() && line.size() + 1 + word.size() > width) {
            lines.push_back(std::move(line));
            line.clear();
        }
        if (!line.empty()) line += ' ';
        line += word;
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

}  // namespace

std::vector<std::string> noticeLines(const std::string& heading,
                                     const std::vector<std::string>& notices, std::size_t width,
                                     std::size_t most) {
    std::vector<std::string> lines{heading};
    for (std::size_t n = 0; n < notices.size(); ++n) {
        std::vector<std::string> text = wrapped(notices[n], width);
        // Room for this notice and, unless it is the last, the line that
        // tells how many are left out.
        const std::size_t reserve = n + 1 < notices.size() ? 1 : 0;
        if (lines.size() + text.size() + reserve > most) {
            lines.resize(std::min(lines.size(), most - 1));
            lines.push_back("... and " + std::to_string(notices.size() - n) + " more.");
            break;
        }
        lines.insert(lines.end(), text.begin(), text.end());
    }
    return lines;
}

void showNotices(Console& console, const Session& session, const std::string& heading,
                 const std::vector<std::string>& notices) {
    std::string text;
    for (const std::string& line : noticeLines(heading, notices, kWindowText, kWindowLines)) {
        if (!text.empty()) text += '|';
        text += line;
    }
    tellUser(console, session, text);
}

}  // namespace vrk
