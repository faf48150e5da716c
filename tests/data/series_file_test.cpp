#include <gtest/gtest.h>

#include <sstream>

#include "data/series_file.h"

namespace vrk {
namespace {

TEST(SeriesFile, EntriesAndGameCounting) {
    std::istringstream in(
        "/V:TIGERS /H:CUBS /N:3\r\n"
        "\n"
        "   \t \n"
        "xx /v:cubs/h:tigers /n:12\n"
        "/V:A /H:B\n"
        "/V:A /H:B /N:0\n"
        "/V:A /H:B /N:-4\n"
        "/V:A /H:B /N:2 /N:5\n"
        "/V:A /H:B /N:99999999999999999999");
    const std::vector<std::string> entries = readSeriesEntries(in);
    ASSERT_EQ(entries.size(), 7u);
    EXPECT_EQ(entries[0], "/V:TIGERS /H:CUBS /N:3") << "the line end is not part of the entry";
    EXPECT_EQ(seriesEntryGames(entries[0]), 3);
    EXPECT_EQ(seriesEntryGames(entries[1]), 12) << "any letter case";
    EXPECT_EQ(seriesEntryGames(entries[2]), 1) << "no /N: counts one game";
    EXPECT_EQ(seriesEntryGames(entries[3]), 0);
    EXPECT_EQ(seriesEntryGames(entries[4]), 0) << "a negative count plays nothing";
    EXPECT_EQ(seriesEntryGames(entries[5]), 2) << "the first /N: is the one counted";
    EXPECT_EQ(seriesEntryGames(entries[6]), 1000000) << "bounded as the option is";
    EXPECT_EQ(countSeriesGames(entries), 3 + 12 + 1 + 0 + 0 + 2 + 1000000);
    EXPECT_EQ(countSeriesGames({}), 0);

    EXPECT_FALSE(readSeriesFile("/nonexistent/folder/NONE.SER").has_value());
}

}  // namespace
}  // namespace vrk
