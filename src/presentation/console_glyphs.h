#pragma once
#include <optional>
#include <string>

namespace vrk {

// Unicode code point of a code-page-437 byte, as the terminal shows it
// (0 shows as a blank; 1..31 and 127 are the PC's picture glyphs).
char32_t cp437ToUnicode(unsigned char byte);
// The code-page-437 byte showing a code point, when there is one.
std::optional<unsigned char> unicodeToCp437(char32_t codePoint);

// Line characters of a frame style.
struct FrameChars {
    unsigned char topLeft, horizontal, topRight, vertical, bottomLeft, bottomRight;
    unsigned char teeLeft, teeRight;  // where a rule meets the left and right sides
};
inline constexpr FrameChars kSingleFrame{218, 196, 191, 179, 192, 217, 195, 180};
inline constexpr FrameChars kDoubleFrame{201, 205, 187, 186, 200, 188, 198, 181};

// Marker glyphs: solid square and small dot.
inline constexpr unsigned char kGlyphSolidSquare = 254;
inline constexpr unsigned char kGlyphSmallDot = 249;

// Arrow glyphs and marks used by screens and menus; the plain set is for
// fonts without the PC pictures (ALTERNATE-FONT other than "N").
struct ArrowGlyphs {
    std::string left, right, up, down;
    std::string upSmall, downSmall, leftSmall, rightSmall;
    std::string leftRight;  // a left-right pair
    std::string enterMark;  // the Enter key mark
};
ArrowGlyphs arrowGlyphs(char alternateFont);

}  // namespace vrk
