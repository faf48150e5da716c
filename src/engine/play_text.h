#pragma once
#include <algorithm>
#include <array>
#include <cstddef>
#include <iosfwd>
#include <string_view>

namespace vrk {

// The scoring notation of one play ("6-3", "1B/E-8", "K DP"), written a few
// characters at a time on every pass. Kept in place: a string would cost a
// library call for each piece, in games nobody reads as in the shown ones.
// Far longer than any notation; a longer one is cut, never overrun.
class PlayText {
  public:
    static constexpr std::size_t kRoom = 47;
    static constexpr std::size_t npos = std::string_view::npos;

    PlayText& operator=(std::string_view text) {
        size_ = static_cast<unsigned char>(std::min(text.size(), kRoom));
        std::copy_n(text.data(), size_, chars_.data());
        return *this;
    }
    PlayText& assign(std::size_t count, char c) {
        size_ = static_cast<unsigned char>(std::min(count, kRoom));
        std::fill_n(chars_.data(), size_, c);
        return *this;
    }
    PlayText& append(std::string_view text) {
        const std::size_t n = std::min(text.size(), kRoom - size_);
        std::copy_n(text.data(), n, chars_.data() + size_);
        size_ = static_cast<unsigned char>(size_ + n);
        return *this;
    }
    PlayText& operator+=(std::string_view text) { return append(text); }
    void push_back(char c) {
        if (size_ < kRoom) chars_[size_++] = c;
    }
    void clear() { size_ = 0; }

    bool empty() const { return size_ == 0; }
    std::size_t size() const { return size_; }
    std::string_view view() const { return {chars_.data(), size_}; }
    operator std::string_view() const { return view(); }
    std::size_t find(std::string_view text, std::size_t from = 0) const {
        return view().find(text, from);
    }
    std::size_t rfind(std::string_view text, std::size_t from = npos) const {
        return view().rfind(text, from);
    }
    std::string_view substr(std::size_t from, std::size_t count = npos) const {
        return view().substr(from, count);
    }

    friend bool operator==(const PlayText& a, std::string_view b) { return a.view() == b; }

  private:
    std::array<char, kRoom> chars_{};
    unsigned char size_ = 0;
};

std::ostream& operator<<(std::ostream& out, const PlayText& text);

}  // namespace vrk
