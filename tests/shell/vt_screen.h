#pragma once
#include <algorithm>
#include <string>
#include <vector>

namespace vrk::testing {

// Just enough of a VT100/xterm screen to read what a curses program shows:
// cursor moves, erasing, scrolling regions, insert/delete, line wrap and the
// alternate screen switch. Colours are ignored.
class VtScreen {
  public:
    VtScreen(int rows, int cols) : rows_(rows), cols_(cols), cells_(rows, row()) {}

    void feed(const std::string& bytes) {
        for (char ch : bytes) byte(static_cast<unsigned char>(ch));
    }

    std::string text() const {
        std::string out;
        for (int r = 0; r < rows_; ++r) out += rowText(r) + "\n";
        return out;
    }
    std::string rowText(int r) const {
        std::string out;
        for (char32_t c : cells_[static_cast<std::size_t>(r)]) utf8(out, c);
        return out;
    }
    bool contains(const std::string& s) const { return text().find(s) != std::string::npos; }
    bool alternateScreen() const { return alternate_; }
    int alternateEntries() const { return entries_; }

  private:
    std::u32string row() const { return std::u32string(static_cast<std::size_t>(cols_), U' '); }

    static void utf8(std::string& out, char32_t c) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }

    void byte(unsigned char b) {
        switch (state_) {
            case State::Escape:
                escape(b);
                return;
            case State::Csi:
                if (b >= 0x40 && b <= 0x7E) {
                    csi(static_cast<char>(b));
                    state_ = State::Ground;
                } else {
                    seq_ += static_cast<char>(b);
                }
                return;
            case State::Osc:
                if (b == 7) state_ = State::Ground;
                if (b == 0x1B) state_ = State::OscEsc;
                return;
            case State::OscEsc:
                state_ = State::Ground;
                return;
            case State::Charset:
                state_ = State::Ground;
                return;
            case State::Ground:
                break;
        }
        if (pending_ > 0) {
            if ((b & 0xC0) == 0x80) {
                code_ = (code_ << 6) | (b & 0x3F);
                if (--pending_ == 0) print(code_);
                return;
            }
            pending_ = 0;
        }
        if (b >= 0xF0) {
            code_ = b & 0x07;
            pending_ = 3;
        } else if (b >= 0xE0) {
            code_ = b & 0x0F;
            pending_ = 2;
        } else if (b >= 0xC0) {
            code_ = b & 0x1F;
            pending_ = 1;
        } else if (b == 0x1B) {
            state_ = State::Escape;
        } else if (b == '\r') {
            col_ = 0;
            wrap_ = false;
        } else if (b == '\n' || b == 0x0B || b == 0x0C) {
            lineFeed();
        } else if (b == '\b') {
            col_ = std::max(0, col_ - 1);
            wrap_ = false;
        } else if (b == '\t') {
            col_ = std::min(cols_ - 1, (col_ / 8 + 1) * 8);
        } else if (b >= 0x20 && b < 0x7F) {
            print(b);
        }
    }

    void escape(unsigned char b) {
        state_ = State::Ground;
        switch (b) {
            case '[':
                seq_.clear();
                state_ = State::Csi;
                break;
            case ']':
                state_ = State::Osc;
                break;
            case '(':
            case ')':
                state_ = State::Charset;
                break;
            case '7':
                savedRow_ = row_;
                savedCol_ = col_;
                break;
            case '8':
                row_ = savedRow_;
                col_ = savedCol_;
                break;
            case 'D':
                lineFeed();
                break;
            case 'E':
                col_ = 0;
                lineFeed();
                break;
            case 'M':
                if (row_ == top_) {
                    scrollDown(1);
                } else {
                    row_ = std::max(0, row_ - 1);
                }
                break;
            default:
                break;
        }
    }

    std::vector<int> params(int fallback) const {
        std::vector<int> out;
        std::string digits;
        std::string body = seq_;
        if (!body.empty() && (body[0] == '?' || body[0] == '>')) body.erase(0, 1);
        body += ';';
        for (char c : body) {
            if (c == ';') {
                out.push_back(digits.empty() ? fallback : std::stoi(digits));
                digits.clear();
            } else if (c >= '0' && c <= '9') {
                digits += c;
            }
        }
        return out;
    }

    void csi(char final) {
        const std::vector<int> p = params(0);
        const int n = std::max(1, p.empty() ? 1 : p[0]);
        auto& line = cells_[static_cast<std::size_t>(row_)];
        wrap_ = false;
        switch (final) {
            case 'H':
            case 'f':
                row_ = std::clamp((p.size() > 0 && p[0] ? p[0] : 1) - 1, 0, rows_ - 1);
                col_ = std::clamp((p.size() > 1 && p[1] ? p[1] : 1) - 1, 0, cols_ - 1);
                break;
            case 'A':
                row_ = std::max(0, row_ - n);
                break;
            case 'B':
                row_ = std::min(rows_ - 1, row_ + n);
                break;
            case 'C':
                col_ = std::min(cols_ - 1, col_ + n);
                break;
            case 'D':
                col_ = std::max(0, col_ - n);
                break;
            case 'E':
                row_ = std::min(rows_ - 1, row_ + n);
                col_ = 0;
                break;
            case 'F':
                row_ = std::max(0, row_ - n);
                col_ = 0;
                break;
            case 'G':
            case '`':
                col_ = std::clamp(n - 1, 0, cols_ - 1);
                break;
            case 'd':
                row_ = std::clamp(n - 1, 0, rows_ - 1);
                break;
            case 'J': {
                const int mode = p.empty() ? 0 : p[0];
                if (mode == 0) {
                    std::fill(line.begin() + col_, line.end(), U' ');
                    for (int r = row_ + 1; r < rows_; ++r)
                        cells_[static_cast<std::size_t>(r)] = row();
                } else if (mode == 1) {
                    std::fill(line.begin(), line.begin() + col_ + 1, U' ');
                    for (int r = 0; r < row_; ++r) cells_[static_cast<std::size_t>(r)] = row();
                } else {
                    for (auto& r : cells_) r = row();
                }
                break;
            }
            case 'K': {
                const int mode = p.empty() ? 0 : p[0];
                if (mode == 0) std::fill(line.begin() + col_, line.end(), U' ');
                if (mode == 1) std::fill(line.begin(), line.begin() + col_ + 1, U' ');
                if (mode == 2) line = row();
                break;
            }
            case 'X':
                std::fill(line.begin() + col_, line.begin() + std::min(cols_, col_ + n), U' ');
                break;
            case '@':
                line.insert(static_cast<std::size_t>(col_), static_cast<std::size_t>(n), U' ');
                line.resize(static_cast<std::size_t>(cols_));
                break;
            case 'P':
                line.erase(static_cast<std::size_t>(col_),
                           static_cast<std::size_t>(std::min(n, cols_ - col_)));
                line.resize(static_cast<std::size_t>(cols_), U' ');
                break;
            case 'L':
                if (row_ >= top_ && row_ <= bottom_) shiftDown(row_, n);
                break;
            case 'M':
                if (row_ >= top_ && row_ <= bottom_) shiftUp(row_, n);
                break;
            case 'S':
                shiftUp(top_, n);
                break;
            case 'T':
                scrollDown(n);
                break;
            case 'b':
                for (int i = 0; i < n; ++i) print(last_);
                break;
            case 'r':
                top_ = std::clamp((p.size() > 0 && p[0] ? p[0] : 1) - 1, 0, rows_ - 1);
                bottom_ = std::clamp((p.size() > 1 && p[1] ? p[1] : rows_) - 1, 0, rows_ - 1);
                row_ = 0;
                col_ = 0;
                break;
            case 'h':
            case 'l':
                if (!seq_.empty() && seq_[0] == '?') {
                    for (int mode : p) {
                        if (mode != 1049 && mode != 47 && mode != 1047) continue;
                        alternate_ = final == 'h';
                        if (alternate_) ++entries_;
                        for (auto& r : cells_) r = row();
                    }
                }
                break;
            default:
                break;
        }
    }

    void print(char32_t c) {
        if (wrap_) {
            col_ = 0;
            lineFeed();
            wrap_ = false;
        }
        cells_[static_cast<std::size_t>(row_)][static_cast<std::size_t>(col_)] = c;
        last_ = c;
        if (col_ == cols_ - 1) {
            wrap_ = true;
        } else {
            ++col_;
        }
    }

    void lineFeed() {
        wrap_ = false;
        if (row_ == bottom_) {
            shiftUp(top_, 1);
        } else if (row_ < rows_ - 1) {
            ++row_;
        }
    }
    void shiftUp(int from, int n) {
        for (int i = 0; i < n; ++i) {
            cells_.erase(cells_.begin() + from);
            cells_.insert(cells_.begin() + bottom_, row());
        }
    }
    void shiftDown(int from, int n) {
        for (int i = 0; i < n; ++i) {
            cells_.erase(cells_.begin() + bottom_);
            cells_.insert(cells_.begin() + from, row());
        }
    }
    void scrollDown(int n) { shiftDown(top_, n); }

    enum class State { Ground, Escape, Csi, Osc, OscEsc, Charset };
    int rows_, cols_;
    std::vector<std::u32string> cells_;
    int row_ = 0, col_ = 0, savedRow_ = 0, savedCol_ = 0;
    int top_ = 0, bottom_ = rows_ - 1;
    bool wrap_ = false;
    bool alternate_ = false;
    int entries_ = 0;
    char32_t last_ = U' ';
    char32_t code_ = 0;
    int pending_ = 0;
    State state_ = State::Ground;
    std::string seq_;
};

}  // namespace vrk::testing
