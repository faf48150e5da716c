#pragma once
#include <string>

namespace vrk {

// The four codes under which BASEBALL.MSG files its texts: a two-digit
// category, one-character P and S codes and a two-digit detail, written
// category/P/S/detail (07/0/0/15). The engine often puts a fielder or base
// number in P or S, hence the with* helpers.
struct MessageKey {
    int category = 0;  // 0..99
    char p = '0';
    char s = '0';
    int detail = 0;  // 0..99

    constexpr MessageKey() = default;
    constexpr MessageKey(int categoryCode, char pCode, char sCode, int detailCode)
        : category(categoryCode), p(pCode), s(sCode), detail(detailCode) {}

    constexpr MessageKey withP(char code) const { return {category, code, s, detail}; }
    constexpr MessageKey withS(char code) const { return {category, p, code, detail}; }
    constexpr MessageKey withDetail(int code) const { return {category, p, s, code}; }
    // Fielder (or base) number 0..9 as the P code.
    constexpr MessageKey withFielder(int position) const {
        return withP(static_cast<char>('0' + (position % 10 + 10) % 10));
    }

    // The six-character message code: "07" "0" "0" "15".
    std::string code() const;
    // The nine-character record key of the first variant: code + "001".
    std::string searchKey() const { return code() + "001"; }
    // "07/0/0/15", for messages and test output.
    std::string display() const;

    friend constexpr bool operator==(const MessageKey&, const MessageKey&) = default;
};

// Two digits, zero-padded; larger numbers keep their last two digits.
std::string twoDigitCode(int value);

}  // namespace vrk
