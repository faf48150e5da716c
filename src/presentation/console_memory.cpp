#include "presentation/console_memory.h"
#include "core/text_fields.h"

#include <stdexcept>

#include "presentation/console_keys.h"

namespace vrk {

MemoryConsole::MemoryConsole(int rows, int cols) : Console(rows, cols) {}

void MemoryConsole::pushKey(std::string_view code) {
    keys_.emplace_back(code);
}

namespace {
// A scripted resize: a byte no key code starts with, then "rows,cols".
constexpr char kResizeMark = '\x01';
constexpr std::string_view kQuietMark{"\x02quiet", 6};
}  // namespace

void MemoryConsole::pushQuietPolls() {
    keys_.emplace_back(kQuietMark);
}

void MemoryConsole::pushResize(int rows, int cols) {
    keys_.push_back(concat(
        {std::string_view(&kResizeMark, 1), std::to_string(rows), ",", std::to_string(cols)}));
}

bool MemoryConsole::takeResize() {
    if (keys_.empty() || keys_.front().size() < 2 || keys_.front()[0] != kResizeMark) return false;
    const std::string code = keys_.front().substr(1);
    keys_.pop_front();
    const auto comma = code.find(',');
    resizeGrid(std::stoi(code.substr(0, comma)), std::stoi(code.substr(comma + 1)));
    return true;
}

std::string MemoryConsole::waitKey() {
    while (takeResize() || (!keys_.empty() && keys_.front() == kQuietMark)) {
        if (!keys_.empty() && keys_.front() == kQuietMark) keys_.pop_front();
    }
    lastWaitScreen_.clear();
    std::string joined;
    for (int r = 1; r <= rows(); ++r) {
        lastWaitScreen_.push_back(rowText(r));
        joined += lastWaitScreen_.back() + "\n";
    }
    waitScreens_.push_back(std::move(joined));
    if (keys_.empty()) {
        if (++dryReads_ > kMaxDryReads)
            throw std::logic_error("MemoryConsole: key script exhausted");
        return std::string(kKeyEscape);
    }
    std::string key = std::move(keys_.front());
    keys_.pop_front();
    return key;
}

bool MemoryConsole::shownAtSomeWait(std::string_view text) const {
    for (const std::string& screen : waitScreens_)
        if (screen.find(text) != std::string::npos) return true;
    return false;
}

std::string MemoryConsole::pollKey() {
    if (takeResize()) return {};
    if (keys_.empty() || keys_.front() == kQuietMark) return {};
    return waitKey();
}

void MemoryConsole::sleepMs(int ms) {
    ++sleepCalls_;
    if (ms > 0) sleptMs_ += ms;
}

int MemoryConsole::runForeground(const std::vector<std::string>& argv) {
    runs_.push_back(argv);
    return 0;
}

std::string MemoryConsole::textAt(int row, int col, int length) const {
    std::string text;
    for (int c = col; c < col + length; ++c) text.push_back(static_cast<char>(cellAt(row, c).ch));
    return text;
}

std::string MemoryConsole::rowText(int row) const {
    return textAt(row, 1, cols());
}

bool MemoryConsole::screenContains(std::string_view text) const {
    for (int r = 1; r <= rows(); ++r)
        if (rowText(r).find(text) != std::string::npos) return true;
    return false;
}

}  // namespace vrk
