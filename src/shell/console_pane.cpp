#include "shell/console_pane.h"

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

void ConsolePane::draw() {
    console_.fillArea(top_, left_, rows_, width_ * columns_, attribute_);
    std::size_t i = 0;
    auto put = [&](const std::string& text) {
        const int column = static_cast<int>(i) / rows_;
        const int row = static_cast<int>(i) % rows_;
        // Indented text gives up its leading blanks before its end would
        // touch the next column.
        const auto room = static_cast<std::size_t>(width_ - 1);
        std::size_t from = 0;
        while (text.size() - from > room && from < text.size() && text[from] == ' ') ++from;
        if (column < columns_) {
            console_.printAt(top_ + row, left_ + column * width_, text.substr(from, room + 1),
                             attribute_);
        }
        ++i;
    };
    for (const std::string& line : lines_) put(line);
    if (!current_.empty()) put(current_);
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
