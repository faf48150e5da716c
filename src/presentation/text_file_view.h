#pragma once
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace vrk {

inline constexpr int kViewerBlockLines = 815;
inline constexpr int kViewerMaxBlocks = 1000;
inline constexpr std::size_t kViewerLineWidth = 210;

inline constexpr const char* kNewPageText = "<New Page>";
inline constexpr const char* kEndOfFileText = "<End of File>";
inline constexpr const char* kSizeLimitText = "<File Size Limit Exceeded>";

// A text file shown by the viewer: read once to find where each block of
// lines starts, then one block at a time, so a file of any size costs one
// block of memory.
class TextFileView {
  public:
    // False when the file cannot be opened.
    bool open(const std::string& path, int blockLines = kViewerBlockLines,
              int maxBlocks = kViewerMaxBlocks);

    long fileLines() const { return fileLines_; }  // lines read (up to the limit)
    int blocks() const { return static_cast<int>(blockStarts_.size()); }
    bool limitExceeded() const { return limitExceeded_; }
    // Lines the viewer shows: the file's, the limit note, "<End of File>".
    long shownLines() const { return fileLines_ + (limitExceeded_ ? 1 : 0) + 1; }

    // Shown line n (1-based): "~" shows as "<New Page>"; past the end, "".
    std::string line(long n);
    // The block that holds file line n (0-based), and how often a block was
    // read from the file (the view loads a block only when it moves there).
    int blockOf(long n) const { return static_cast<int>((n - 1) / blockLines_); }
    int blockLoads() const { return loads_; }

  private:
    void load(int block);

    std::ifstream file_;
    std::vector<std::streamoff> blockStarts_;
    int blockLines_ = kViewerBlockLines;
    long fileLines_ = 0;
    bool limitExceeded_ = false;
    int loadedBlock_ = -1;
    int loads_ = 0;
    std::vector<std::string> lines_;
};

// Where the view stands and how it moves. Each move answers false when it
// would pass the first or the last line (the caller beeps) or cannot shift.
struct ViewPosition {
    long first = 1;    // first shown line
    int firstCol = 1;  // 1, 11, 21 ...
    long total = 1;    // shown lines
    int height = 20;   // rows of text
    int width = 78;    // columns of text

    bool pageDown();
    bool pageUp();
    bool lineDown();
    bool lineUp();
    bool shiftLeft();
    bool shiftRight();
    void top() { first = 1; }
    void bottom();
};

}  // namespace vrk
