#include <gtest/gtest.h>

#include <cmath>

#include "core/rounding.h"
#include "core/text_fields.h"

namespace vrk {
namespace {

TEST(Rounding, HalvesGoToEven) {
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(-3.5), -4);
    EXPECT_EQ(roundHalfEven(2.4999), 2);
    EXPECT_EQ(roundHalfEven(6.04), 6);
    EXPECT_EQ(roundHalfEven(0.5), 0);
}

// Every half and the doubles either side of it, over the range the engine
// rounds (pitch counts, games, percentages): the nearest whole number, and
// the even one of two equally near.
TEST(Rounding, NeighboursOfEveryHalf) {
    for (long k = -5000; k <= 5000; ++k) {
        const double half = static_cast<double>(k) + 0.5;
        const long even = (k % 2 == 0) ? k : k + 1;
        EXPECT_EQ(roundHalfEven(half), even) << half;
        EXPECT_EQ(roundHalfEven(std::nextafter(half, -1e9)), k) << half;
        EXPECT_EQ(roundHalfEven(std::nextafter(half, 1e9)), k + 1) << half;
        EXPECT_EQ(roundHalfEven(static_cast<double>(k)), k);
    }
}

TEST(NumericPrefix, ReadsLikeTheTextColumnsNeed) {
    EXPECT_EQ(numericPrefix("  325"), 325);
    EXPECT_DOUBLE_EQ(numericPrefix(" 3.25xyz"), 3.25);
    EXPECT_EQ(numericPrefix("abc"), 0);
    EXPECT_EQ(numericPrefix(""), 0);
    EXPECT_EQ(numericPrefix("12 34"), 12);
    EXPECT_EQ(numericPrefix("1.2.3"), 1.2);
    EXPECT_EQ(integerPrefix(" 7.9"), 7);
    EXPECT_EQ(numericPrefix("-4"), -4);
}

TEST(Fields, NeverReadPastTheLine) {
    const std::string line = "abcdef";
    EXPECT_EQ(field(line, 2, 3), "bc");
    EXPECT_EQ(field(line, 5, 10), "ef");
    EXPECT_EQ(field(line, 7, 9), "");
    EXPECT_EQ(field(line, 100, 200), "");
    EXPECT_EQ(field(line, 3, 2), "");
    EXPECT_EQ(fieldToEnd(line, 4), "def");
    EXPECT_EQ(fieldToEnd(line, 40), "");
    EXPECT_EQ(charAt(line, 6), 'f');
    EXPECT_EQ(charAt(line, 7), ' ');
    EXPECT_EQ(charAt(line, 0), ' ');
}

TEST(UpperCase, AsciiAndCodePageLetters) {
    EXPECT_EQ(upperCase("editor=c:\\x"), "EDITOR=C:\\X");
    std::string accented = "\x81\x82\xA4";
    EXPECT_EQ(upperCase(accented), std::string("\x9A\x90\xA5"));
    EXPECT_EQ(upperCase("\xE1"), std::string("\xE1"));  // no partner: kept
}

TEST(Trim, BothSides) {
    EXPECT_EQ(trim("  a b  "), "a b");
    EXPECT_EQ(trimRight("x \r"), "x");
    EXPECT_EQ(padRight("abc", 5), "abc  ");
    EXPECT_EQ(padRight("abcdef", 3), "abc");
}

}  // namespace
}  // namespace vrk
