#pragma once
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "presentation/console.h"

namespace vrk {

// A console that draws into memory and reads keys from a script: screens
// can be tested without a terminal, and nothing ever sleeps or blocks.
class MemoryConsole final : public Console {
  public:
    // A waitKey with nothing left in the script answers Escape, so that a
    // dialog under test backs out instead of waiting for ever; after this
    // many such answers it throws, which ends a loop that ignores Escape.
    static constexpr int kMaxDryReads = 1000;

    explicit MemoryConsole(int rows = 25, int cols = 80);

    // Appends a key code (see console_keys.h) to the script.
    void pushKey(std::string_view code);
    std::size_t keysLeft() const { return keys_.size(); }
    // Scripts a change of the screen's size: it happens when the key reader
    // reaches it, as a terminal's resize does, and gives no key itself.
    void pushResize(int rows, int cols);
    // Polls find nothing from here on until a waitKey, which goes on with
    // the rest of the script: keys for a dialog that comes later.
    void pushQuietPolls();
    // Changes the size at once.
    void resize(int rows, int cols) { resizeGrid(rows, cols); }
    // How many times waitKey found the script empty.
    int dryReads() const { return dryReads_; }

    std::string waitKey() override;
    std::string pollKey() override;
    void beep() override { ++beeps_; }
    void setTitle(std::string_view title) override { title_ = title; }
    void sleepMs(int ms) override;
    void refresh() override {}
    // Records the program instead of running it, and answers 0.
    int runForeground(const std::vector<std::string>& argv) override;

    // The code-page-437 text of a whole row, or of `length` cells from col.
    std::string rowText(int row) const;
    std::string textAt(int row, int col, int length) const;
    int attributeAt(int row, int col) const { return cellAt(row, col).attribute; }
    // True when the text occurs anywhere on the screen.
    bool screenContains(std::string_view text) const;

    // The screen rows as they stood when waitKey was last called: what a
    // dialog showed while it waited.
    const std::vector<std::string>& screenAtLastWait() const { return lastWaitScreen_; }
    // True when the text was on the screen at any waitKey so far.
    bool shownAtSomeWait(std::string_view text) const;

    long long sleptMs() const { return sleptMs_; }
    int sleepCalls() const { return sleepCalls_; }
    int beeps() const { return beeps_; }
    const std::string& title() const { return title_; }
    const std::vector<std::vector<std::string>>& foregroundRuns() const { return runs_; }

  private:
    bool takeResize();

    std::deque<std::string> keys_;
    int dryReads_ = 0;
    long long sleptMs_ = 0;
    int sleepCalls_ = 0;
    int beeps_ = 0;
    std::string title_;
    std::vector<std::string> lastWaitScreen_;
    std::vector<std::string> waitScreens_;  // each screen's rows joined by newlines
    std::vector<std::vector<std::string>> runs_;
};

}  // namespace vrk
