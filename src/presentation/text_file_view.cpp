#include "presentation/text_file_view.h"

#include <algorithm>

#include "core/text_fields.h"

namespace vrk {

bool TextFileView::open(const std::string& path, int blockLines, int maxBlocks) {
    file_ = std::ifstream(path, std::ios::binary);
    blockStarts_.clear();
    blockLines_ = std::max(blockLines, 1);
    fileLines_ = 0;
    limitExceeded_ = false;
    loadedBlock_ = -1;
    loads_ = 0;
    if (!file_) return false;
    std::string line;
    for (;;) {
        const std::streamoff at = file_.tellg();
        if (!std::getline(file_, line)) break;
        if (fileLines_ % blockLines_ == 0) {
            if (static_cast<int>(blockStarts_.size()) >= maxBlocks) {
                limitExceeded_ = true;
                break;
            }
            blockStarts_.push_back(at);
        }
        ++fileLines_;
    }
    file_.clear();
    return true;
}

void TextFileView::load(int block) {
    lines_.clear();
    ++loads_;
    loadedBlock_ = block;
    file_.clear();
    file_.seekg(blockStarts_[static_cast<std::size_t>(block)]);
    std::string text;
    const long before = static_cast<long>(block) * blockLines_;
    for (long n = 0; n < blockLines_ && before + n < fileLines_ && std::getline(file_, text); ++n) {
        std::string_view shown = chompCr(text);
        lines_.emplace_back(shown.substr(0, kViewerLineWidth));
    }
}

std::string TextFileView::line(long n) {
    if (n < 1 || n > shownLines()) return {};
    if (n > fileLines_) {
        if (limitExceeded_ && n == fileLines_ + 1) return kSizeLimitText;
        return kEndOfFileText;
    }
    const int block = blockOf(n);
    if (block != loadedBlock_) load(block);
    const std::size_t k = static_cast<std::size_t>((n - 1) % blockLines_);
    if (k >= lines_.size()) return {};
    if (lines_[k] == "~") return kNewPageText;
    return lines_[k];
}

bool ViewPosition::pageDown() {
    if (first + height - 1 > total) return false;
    first += height - 1;
    return true;
}

bool ViewPosition::pageUp() {
    if (first <= 1) return false;
    first = std::max(1L, first - (height - 1));
    return true;
}

bool ViewPosition::lineDown() {
    if (first >= total) return false;
    ++first;
    return true;
}

bool ViewPosition::lineUp() {
    if (first <= 1) return false;
    --first;
    return true;
}

bool ViewPosition::shiftLeft() {
    if (firstCol - 10 <= 0) return false;
    firstCol -= 10;
    return true;
}

bool ViewPosition::shiftRight() {
    if (firstCol + 10 >= static_cast<int>(kViewerLineWidth) - width) return false;
    firstCol += 10;
    return true;
}

void ViewPosition::bottom() {
    first = std::max(1L, total - height + 1);
}

}  // namespace vrk
