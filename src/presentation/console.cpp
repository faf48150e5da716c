#include "presentation/console.h"

#include <algorithm>

#include "presentation/console_glyphs.h"

namespace vrk {

namespace {
std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (true) {
        const std::size_t bar = text.find('|', start);
        if (bar == std::string_view::npos) {
            lines.push_back(text.substr(start));
            return lines;
        }
        lines.push_back(text.substr(start, bar - start));
        start = bar + 1;
    }
}
}  // namespace

Console::Console(int rows, int cols)
    : rows_(std::max(rows, 1)),
      cols_(std::max(cols, 1)),
      cells_(static_cast<std::size_t>(rows_ * cols_)),
      dirty_(static_cast<std::size_t>(rows_ + 1), true) {}

Cell& Console::at(int row, int col) {
    return cells_[static_cast<std::size_t>((row - 1) * cols_ + (col - 1))];
}

Cell Console::cellAt(int row, int col) const {
    if (row < 1 || row > rows_ || col < 1 || col > cols_) return Cell{};
    return cells_[static_cast<std::size_t>((row - 1) * cols_ + (col - 1))];
}

void Console::put(int row, int col, Cell cell) {
    if (row < 1 || row > rows_ || col < 1 || col > cols_) return;
    Cell& target = at(row, col);
    if (target == cell) return;
    target = cell;
    dirty_[static_cast<std::size_t>(row)] = true;
}

void Console::markClean() {
    std::fill(dirty_.begin(), dirty_.end(), false);
}
void Console::markAllChanged() {
    std::fill(dirty_.begin(), dirty_.end(), true);
}

void Console::printAt(int row, int col, std::string_view text, int attribute) {
    const long length = static_cast<long>(text.size());
    if (col + length >= cols_ + 2) return;
    if (row < 1 || row > rows_ || col < 1) return;
    const auto attr = static_cast<std::uint8_t>(attribute & 0xFF);
    for (long i = 0; i < length; ++i) {
        put(row, col + static_cast<int>(i),
            Cell{static_cast<unsigned char>(text[static_cast<std::size_t>(i)]), attr});
    }
    setCursor(row, col + static_cast<int>(length));
}

void Console::clear(int attribute) {
    fillArea(1, 1, rows_, cols_, attribute);
}

void Console::fillArea(int top, int left, int height, int width, int attribute) {
    const Cell blank{' ', static_cast<std::uint8_t>(attribute & 0xFF)};
    for (int r = top; r < top + height; ++r)
        for (int c = left; c < left + width; ++c) put(r, c, blank);
}

void Console::drawFrame(int top, int left, int height, int width, FrameStyle style, int attribute) {
    if (height < 2 || width < 2) return;
    const FrameChars& fc = style == FrameStyle::Double ? kDoubleFrame : kSingleFrame;
    const auto attr = static_cast<std::uint8_t>(attribute & 0xFF);
    const int bottom = top + height - 1;
    const int right = left + width - 1;
    for (int c = left + 1; c < right; ++c) {
        put(top, c, Cell{fc.horizontal, attr});
        put(bottom, c, Cell{fc.horizontal, attr});
    }
    for (int r = top + 1; r < bottom; ++r) {
        put(r, left, Cell{fc.vertical, attr});
        put(r, right, Cell{fc.vertical, attr});
    }
    put(top, left, Cell{fc.topLeft, attr});
    put(top, right, Cell{fc.topRight, attr});
    put(bottom, left, Cell{fc.bottomLeft, attr});
    put(bottom, right, Cell{fc.bottomRight, attr});
}

void Console::drawFrameRule(int row, int left, int width, FrameStyle style, int attribute) {
    if (width < 2) return;
    const FrameChars& fc = style == FrameStyle::Double ? kDoubleFrame : kSingleFrame;
    const auto attr = static_cast<std::uint8_t>(attribute & 0xFF);
    const int right = left + width - 1;
    for (int c = left + 1; c < right; ++c) put(row, c, Cell{fc.horizontal, attr});
    put(row, left, Cell{fc.teeLeft, attr});
    put(row, right, Cell{fc.teeRight, attr});
}

std::string Console::messageBox(int row, int col, std::string_view text, int attribute,
                                int seconds) {
    const std::vector<std::string_view> lines = splitLines(text);
    std::size_t widest = 0;
    for (auto line : lines) widest = std::max(widest, line.size());

    // One blank between the frame and the text on each side; a box wider or
    // taller than the screen is cut to it rather than not shown at all.
    const int width = std::min(static_cast<int>(widest) + 4, cols_);
    const int height = std::min(static_cast<int>(lines.size()) + 2, rows_);
    const int left = std::clamp(col, 1, cols_ - width + 1);
    const int top = std::clamp(row, 1, rows_ - height + 1);

    // The box keeps its own copy of what it covers, so it works at any
    // depth of the saved-screen stack.
    const std::vector<Cell> under = cells_;
    const int oldRow = cursorRow_, oldCol = cursorCol_;
    const bool oldVisible = cursorVisible_;

    fillArea(top, left, height, width, attribute);
    drawFrame(top, left, height, width, FrameStyle::Single, attribute);
    const std::size_t room = static_cast<std::size_t>(std::max(width - 4, 0));
    for (std::size_t i = 0; i < lines.size() && static_cast<int>(i) < height - 2; ++i) {
        printAt(top + 1 + static_cast<int>(i), left + 2, lines[i].substr(0, room), attribute);
    }
    showCursor(false);

    std::string key;
    const int resizesBefore = resizeCount_;
    if (seconds > 0) {
        sleepMs(seconds * 1000);
    } else {
        key = waitKey();
    }
    // After a resize the copy no longer fits the grid: the screen's owner
    // draws it again.
    if (resizeCount_ != resizesBefore) return key;

    for (int r = top; r < top + height; ++r)
        for (int c = left; c < left + width; ++c)
            put(r, c, under[static_cast<std::size_t>((r - 1) * cols_ + (c - 1))]);
    cursorRow_ = oldRow;
    cursorCol_ = oldCol;
    cursorVisible_ = oldVisible;
    refresh();
    return key;
}

void Console::pushScreen() {
    if (static_cast<int>(saved_.size()) >= kMaxSavedScreens) return;
    saved_.push_back(SavedScreen{cells_, cursorRow_, cursorCol_, cursorVisible_});
}

void Console::popScreen() {
    if (saved_.empty()) return;
    SavedScreen top = std::move(saved_.back());
    saved_.pop_back();
    for (int r = 1; r <= rows_; ++r)
        for (int c = 1; c <= cols_; ++c)
            put(r, c, top.cells[static_cast<std::size_t>((r - 1) * cols_ + (c - 1))]);
    cursorRow_ = top.cursorRow;
    cursorCol_ = top.cursorCol;
    cursorVisible_ = top.cursorVisible;
}

namespace {
std::vector<Cell> moveCells(const std::vector<Cell>& from, int oldRows, int oldCols, int rows,
                            int cols) {
    std::vector<Cell> to(static_cast<std::size_t>(rows * cols));
    const int dr = playAreaTop(rows) - playAreaTop(oldRows);
    const int dc = playAreaLeft(cols) - playAreaLeft(oldCols);
    for (int r = 1; r <= oldRows; ++r) {
        const int nr = r + dr;
        if (nr < 1 || nr > rows) continue;
        for (int c = 1; c <= oldCols; ++c) {
            const int nc = c + dc;
            if (nc < 1 || nc > cols) continue;
            to[static_cast<std::size_t>((nr - 1) * cols + (nc - 1))] =
                from[static_cast<std::size_t>((r - 1) * oldCols + (c - 1))];
        }
    }
    return to;
}
}  // namespace

void Console::resizeGrid(int rows, int cols) {
    rows = std::max(rows, 1);
    cols = std::max(cols, 1);
    if (rows == rows_ && cols == cols_) return;
    cells_ = moveCells(cells_, rows_, cols_, rows, cols);
    for (SavedScreen& s : saved_) s.cells = moveCells(s.cells, rows_, cols_, rows, cols);
    rows_ = rows;
    cols_ = cols;
    dirty_.assign(static_cast<std::size_t>(rows_ + 1), true);
    setCursor(cursorRow_, cursorCol_);
    ++resizeCount_;
}

void Console::setCursor(int row, int col) {
    cursorRow_ = std::clamp(row, 1, rows_);
    cursorCol_ = std::clamp(col, 1, cols_);
}

void Console::showCursor(bool visible) {
    cursorVisible_ = visible;
}

}  // namespace vrk
