#pragma once
#include <initializer_list>
#include <string>
#include <string_view>

namespace vrk {

// Columns are 1-based and inclusive. Columns past the end of the line read
// as nothing (callers that need blanks pad first); nothing ever reads past
// the line.
std::string_view field(std::string_view line, int firstCol, int lastCol);
std::string_view fieldToEnd(std::string_view line, int firstCol);
char charAt(std::string_view line, int col);  // blank when past the end

// Numeric prefix: leading blanks, an optional sign, digits and (when
// allowDecimal) one point; stops at the first other character. No digits
// gives 0.
double numericPrefix(std::string_view text, bool allowDecimal = true);
// Whole number by the same reading, fraction dropped.
long integerPrefix(std::string_view text);

std::string_view trimRight(std::string_view text);
std::string_view trimLeft(std::string_view text);
std::string_view trim(std::string_view text);

// Upper case for a-z and the accented lower-case letters of code page 437
// that have an upper-case partner there; every other byte is kept.
char upperChar(char c);
// a-z only, whatever the locale: for the letters of ratings and hands, which
// the engine reads on every pitch.
inline char asciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}
std::string upperCase(std::string_view text);
// The parts one after another. Built by appending: GCC 12 at -O3 reports a
// false overlap (-Wrestrict) when a short literal is put before a string.
std::string concat(std::initializer_list<std::string_view> parts);

// Blank-padded (or cut) to exactly width characters.
std::string padRight(std::string_view text, std::size_t width);

// Strip a trailing carriage return, so files written on either system read alike.
std::string_view chompCr(std::string_view line);

}  // namespace vrk
