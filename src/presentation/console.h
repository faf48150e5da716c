#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vrk {

// One character cell: a code-page-437 byte and its attribute
// (foreground + 16 * background, colours 0..15 in the PC console order).
struct Cell {
    unsigned char ch = ' ';
    std::uint8_t attribute = 7;
    bool operator==(const Cell&) const = default;
};

enum class FrameStyle { Single, Double };

// Origin of the centred 80 x 24 play area every game screen is laid out on:
// its rows are top + 1 .. top + 24, its columns left + 1 .. left + 80.
constexpr int playAreaTop(int rows) {
    return rows / 2 - 12;
}
constexpr int playAreaLeft(int cols) {
    return cols / 2 - 40;
}

// The screen every part of the game draws on. Coordinates are 1-based:
// rows 1..rows(), columns 1..cols(). Text is code-page-437 bytes.
//
// The drawing operations work on a character grid kept here, so both
// backends (the terminal and the in-memory one used by tests) behave
// identically; a backend only shows the grid, reads keys, sleeps, beeps and
// sets the title. Key codes are described in console_keys.h.
class Console {
  public:
    static constexpr int kMaxSavedScreens = 5;

    virtual ~Console() = default;
    Console(const Console&) = delete;
    Console& operator=(const Console&) = delete;

    int rows() const { return rows_; }
    int cols() const { return cols_; }

    // Writes text at (row, col) and leaves the cursor after it. The text is
    // written only when col + length < cols() + 2 (it fits on the row);
    // otherwise, or when the position is off the screen, nothing is written.
    void printAt(int row, int col, std::string_view text, int attribute);

    // Fills the whole screen, or a rectangle, with blanks in an attribute.
    void clear(int attribute = 7);
    void fillArea(int top, int left, int height, int width, int attribute);

    // A box of line characters; its corners are (top, left) and
    // (top + height - 1, left + width - 1). Only the border is drawn.
    void drawFrame(int top, int left, int height, int width, FrameStyle style, int attribute);
    // A horizontal rule across a frame of that width at `row`, joining its
    // sides with the tee characters of the style (195/180 or 198/181).
    void drawFrameRule(int row, int left, int width, FrameStyle style, int attribute);

    // Splits text at '|', draws a framed window at (row, col) sized to the
    // widest line (moved in when it would leave the screen), then waits
    // `seconds` (when above 0; returns "") or for a key or mouse click
    // (returns its code). The screen under the window is restored.
    std::string messageBox(int row, int col, std::string_view text, int attribute, int seconds = 0);

    // Saved-screen stack of at most kMaxSavedScreens screens and cursors.
    // A push on a full stack and a pop on an empty one do nothing.
    void pushScreen();
    void popScreen();
    int savedScreens() const { return static_cast<int>(saved_.size()); }

    void setCursor(int row, int col);
    void showCursor(bool visible);
    int cursorRow() const { return cursorRow_; }
    int cursorCol() const { return cursorCol_; }
    bool cursorVisible() const { return cursorVisible_; }

    // The cell at (row, col); a blank for positions off the screen.
    Cell cellAt(int row, int col) const;

    // Counts the times the screen changed size; a screen that keeps what it
    // drew compares it with the count it last drew at and draws again.
    int resizeCount() const { return resizeCount_; }

    // Next key, waiting for it: see console_keys.h for the codes.
    virtual std::string waitKey() = 0;
    // Next key when one is waiting, else "" at once.
    virtual std::string pollKey() = 0;
    virtual void beep() = 0;
    virtual void setTitle(std::string_view title) = 0;
    // Pauses; the screen is brought up to date first. The in-memory backend
    // only adds the time up, so tests never sleep.
    virtual void sleepMs(int ms) = 0;
    // Brings the visible screen up to date (waitKey and sleepMs do it too).
    virtual void refresh() = 0;
    // Runs a program in the foreground (the text editor), handing it the
    // terminal and drawing the screen again afterwards. Returns its exit
    // status, -1 when it could not be started.
    virtual int runForeground(const std::vector<std::string>& argv) = 0;

  protected:
    Console(int rows, int cols);

    bool rowChanged(int row) const { return dirty_[static_cast<std::size_t>(row)]; }
    // The terminal took a new size. What was on the screen and on the saved
    // screens moves with the centre of the play area, so a window over it
    // still lines up; what falls outside is lost.
    void resizeGrid(int rows, int cols);
    void markClean();
    void markAllChanged();

  private:
    struct SavedScreen {
        std::vector<Cell> cells;
        int cursorRow, cursorCol;
        bool cursorVisible;
    };
    Cell& at(int row, int col);
    void put(int row, int col, Cell cell);

    int rows_, cols_;
    std::vector<Cell> cells_;
    std::vector<bool> dirty_;  // index = row
    int cursorRow_ = 1, cursorCol_ = 1;
    bool cursorVisible_ = false;
    std::vector<SavedScreen> saved_;
    int resizeCount_ = 0;
};

}  // namespace vrk
