#include <gtest/gtest.h>

#include "data/stats_highlights.h"
#include "data/stats_set.h"
#include "data/stats_test_support.h"

namespace vrk {
namespace {

using stats_testing::ScratchFolder;

TEST(StatsHighlightsFile, JunkLinesAreSkippedAndCounted) {
    ScratchFolder dir;
    std::string junk = "12    Tom Marsh, 25-game streak ends\r\n";
    junk += std::string("\x00\x01\xff\xfe binary", 11) + "\n";
    junk += "no number here\n\n";
    junk += "7     Owls, multi-pit. No-Hitter\n";
    junk += "x12   letters before the number\n";
    junk += "8     tail without newline";
    stats_testing::writeText(dir.file("S.STH"), junk);
    HighlightFile f = ReadHighlightsFile(dir.file("S.STH"));
    ASSERT_TRUE(f.result.ok);
    ASSERT_EQ(f.lines.size(), 3u);
    EXPECT_EQ(f.lines[0].gameNumber, 12);
    EXPECT_EQ(f.lines[0].text, "Tom Marsh, 25-game streak ends");
    EXPECT_EQ(f.lines[1].gameNumber, 7);
    EXPECT_EQ(f.skippedLines, 3);
    // A new line never joins the torn last one.
    HighlightLists lists;
    StatsSet set;
    ASSERT_TRUE(OpenStatsSet(set, dir.str(), "S").ok);
    ASSERT_TRUE(AddHighlight(&set, lists, 9, "next").ok);
    f = ReadHighlightsFile(dir.file("S.STH"));
    EXPECT_EQ(f.lines.back().gameNumber, 9);
    EXPECT_EQ(f.lines[f.lines.size() - 2].text, "tail without newline");
    EXPECT_EQ(ReadHighlightsFile(dir.file("MISSING.STH")).lines.size(), 0u);
    EXPECT_EQ(HighlightLine(1234567, "x"), "1234567x");
}

}  // namespace
}  // namespace vrk
