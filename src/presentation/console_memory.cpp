#include "presentation/console_memory.h"

#include <stdexcept>

#include "presentation/console_keys.h"

namespace vrk {

MemoryConsole::MemoryConsole(int rows, int cols) : Console(rows, cols) {}

void MemoryConsole::pushKey(std::string_view code) {
    keys_.emplace_back(code);
}

std::string MemoryConsole::waitKey() {
    lastWaitScreen_.clear();
    for (int r = 1; r <= rows(); ++r) lastWaitScreen_.push_back(rowText(r));
    if (keys_.empty()) {
        if (++dryReads_ > kMaxDryReads)
            throw std::logic_error("MemoryConsole: key script exhausted");
        return std::string(kKeyEscape);
    }
    std::string key = std::move(keys_.front());
    keys_.pop_front();
    return key;
}

std::string MemoryConsole::pollKey() {
    if (keys_.empty()) return {};
    return waitKey();
}

void MemoryConsole::sleepMs(int ms) {
    ++sleepCalls_;
    if (ms > 0) sleptMs_ += ms;
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
