#include "shell/console_pane.h"

#include <vector>

namespace vrk {

ConsolePane::ConsolePane(Console& console, int top, int left, int rows, int columnWidth,
                         int columns, int attribute)
    : console_(console),
      top_(top),
      left_(left),
      rows_(rows),
      width_(columnWidth),
      columns_(columns),
      attribute_(attribute) {}

int ConsolePane::overflow(int ch) {
    if (ch == traits_type::eof()) return traits_type::not_eof(ch);
    const char c = static_cast<char>(ch);
    if (c == '\n') {
        transcript_ += current_ + "\n";
        if (current_.empty()) {
            lines_.clear();
        } else if (restarted_) {
            // A progress line written over itself opens the block after it.
            lines_.assign(1, current_);
        } else {
            lines_.push_back(current_);
            const auto capacity = static_cast<std::size_t>(rows_ * columns_);
            while (lines_.size() >= capacity) lines_.pop_front();
        }
        current_.clear();
        restarted_ = false;
        draw();
    } else if (c == '\r') {
        current_.clear();
        restarted_ = true;
    } else {
        current_ += c;
    }
    return ch;
}

int ConsolePane::sync() {
    draw();
    return 0;
}

namespace {

// A line too long for a column goes on in the rows below it, broken at a
// blank where there is one, so a message naming a long path is read whole.
void AddWrapped(std::vector<std::string>& rows, const std::string& text, std::size_t room) {
    std::size_t from = 0;
    // Indented text gives up its leading blanks before it would wrap.
    while (text.size() - from > room && from < text.size() && text[from] == ' ') ++from;
    std::string rest = text.substr(from);
    const std::string indent = "  ";
    bool first = true;
    while (true) {
        const std::size_t limit = first ? room : room - indent.size();
        if (rest.size() <= limit) {
            rows.push_back(first ? rest : indent + rest);
            return;
        }
        std::size_t cut = rest.rfind(' ', limit);
        if (cut == std::string::npos || cut == 0) cut = limit;
        rows.push_back((first ? "" : indent) + rest.substr(0, cut));
        while (cut < rest.size() && rest[cut] == ' ') ++cut;
        rest.erase(0, cut);
        first = false;
        if (rest.empty()) return;
    }
}

}  // namespace

void ConsolePane::draw() {
    console_.fillArea(top_, left_, rows_, width_ * columns_, attribute_);
    // One blank column stays between the columns of the pane.
    const auto room = static_cast<std::size_t>(width_ > 4 ? width_ - 1 : 3);
    std::vector<std::string> rows;
    for (const std::string& line : lines_) AddWrapped(rows, line, room);
    if (!current_.empty()) AddWrapped(rows, current_, room);
    const auto capacity = static_cast<std::size_t>(rows_ * columns_);
    const std::size_t first = rows.size() > capacity ? rows.size() - capacity : 0;
    for (std::size_t i = first; i < rows.size(); ++i) {
        const int at = static_cast<int>(i - first);
        console_.printAt(top_ + at % rows_, left_ + (at / rows_) * width_, rows[i], attribute_);
    }
    console_.refresh();
}

int LineTee::overflow(int ch) {
    if (ch == traits_type::eof()) return traits_type::not_eof(ch);
    const char c = static_cast<char>(ch);
    file_.put(c);
    if (c == '\n') {
        if (onLine_ && !current_.empty()) onLine_(current_);
        current_.clear();
    } else {
        current_ += c;
    }
    return ch;
}

int LineTee::sync() {
    file_.flush();
    return 0;
}

}  // namespace vrk
