#pragma once
#include <deque>
#include <fstream>
#include <functional>
#include <streambuf>
#include <string>

#include "presentation/console.h"

namespace vrk {

// A stream that writes into a rectangle of the console the way a terminal
// would, so that the line-based reports of an unattended run can be shown
// on screen: lines fill the columns of the pane from top to bottom and then
// scroll, "\r" starts the line again, and an empty line or a line begun
// with "\r" starts a new block (the standings after a progress line).
class ConsolePane final : public std::streambuf {
  public:
    ConsolePane(Console& console, int top, int left, int rows, int columnWidth, int columns,
                int attribute);

    // Everything written so far, as lines, the cleared ones included.
    const std::string& transcript() const { return transcript_; }

  protected:
    int overflow(int ch) override;
    int sync() override;

  private:
    void draw();

    Console& console_;
    int top_, left_, rows_, width_, columns_, attribute_;
    std::deque<std::string> lines_;
    std::string current_;
    bool restarted_ = false;  // the current line began with "\r"
    std::string transcript_;
};

// A stream that writes to a file and hands each finished line to `onLine`:
// the per-game results of a run go to its log while the screen shows them
// as progress.
class LineTee final : public std::streambuf {
  public:
    LineTee(std::ofstream& file, std::function<void(const std::string&)> onLine)
        : file_(file), onLine_(std::move(onLine)) {}

  protected:
    int overflow(int ch) override;
    int sync() override;

  private:
    std::ofstream& file_;
    std::function<void(const std::string&)> onLine_;
    std::string current_;
};

}  // namespace vrk
