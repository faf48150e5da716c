#include <gtest/gtest.h>

#include "presentation/console_glyphs.h"
#include "presentation/console_keys.h"

namespace vrk {
namespace {

TEST(ConsoleKeys, ExtendedAndMouseCodes) {
    EXPECT_EQ(functionKey(2), std::string_view("\0<", 2));
    EXPECT_EQ(functionKey(3), kKeyF3);
    EXPECT_EQ(functionKey(10), kKeyF10);
    EXPECT_EQ(functionKey(0), "");
    EXPECT_EQ(scanCodeOf(kKeyPgDn), 81);
    EXPECT_EQ(scanCodeOf("a"), -1);
    EXPECT_EQ(scanCodeOf(functionKey(12)), 134);  // above 127 stays positive

    const MouseEvent click{MouseKind::LeftClick, 44, 102};
    const std::string code = mouseCode(click);
    EXPECT_EQ(code.size(), kMouseCodeLength);
    EXPECT_EQ(code, "\xffL044102");
    EXPECT_EQ(parseMouseCode(code), click);
    EXPECT_FALSE(isExtendedKey(code));
    EXPECT_FALSE(isEnterOrDoubleClick(code));
    EXPECT_TRUE(
        isEnterOrDoubleClick("\xff"
                             "D001001"));
    EXPECT_TRUE(isEnterOrDoubleClick("\r"));
    // Ordinary keys and malformed codes are not mouse events.
    EXPECT_FALSE(isMouseCode("\xff"));
    EXPECT_FALSE(isMouseCode("\xffX001001"));
    EXPECT_FALSE(isMouseCode("\xffL0a1001"));
    EXPECT_FALSE(isMouseCode(kKeyRight));
}

TEST(ConsoleKeys, CodePage437GlyphsRoundTrip) {
    EXPECT_EQ(cp437ToUnicode('A'), U'A');
    EXPECT_EQ(cp437ToUnicode(0), U' ');
    EXPECT_EQ(cp437ToUnicode(15), U'\u263C');
    EXPECT_EQ(cp437ToUnicode(196), U'\u2500');
    EXPECT_EQ(cp437ToUnicode(205), U'\u2550');
    EXPECT_EQ(cp437ToUnicode(250), U'\u00B7');
    EXPECT_EQ(cp437ToUnicode(249), U'\u2219');
    EXPECT_EQ(cp437ToUnicode(130), U'\u00E9');
    // Every byte but 0 (shown as a blank) maps back to itself.
    for (int b = 1; b < 256; ++b) {
        const auto back = unicodeToCp437(cp437ToUnicode(static_cast<unsigned char>(b)));
        ASSERT_TRUE(back.has_value()) << b;
        EXPECT_EQ(*back, b);
    }
    EXPECT_FALSE(unicodeToCp437(U'\u4E2D').has_value());

    const ArrowGlyphs pc = arrowGlyphs('N');
    EXPECT_EQ(pc.left, "\x11");
    EXPECT_EQ(pc.leftRight, "\x1b\x12\x1a");
    EXPECT_EQ(pc.enterMark, " \x11\xC4\xD9");
    const ArrowGlyphs plain = arrowGlyphs('Y');
    EXPECT_EQ(plain.up + plain.down + plain.upSmall + plain.downSmall, "^vud");
    EXPECT_EQ(plain.enterMark, " <\xC4\xD9");
}

}  // namespace
}  // namespace vrk
