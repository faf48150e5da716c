#include <gtest/gtest.h>
#include "test_paths.h"

#include <fstream>
#include <sstream>

#include "core/text_fields.h"
#include "shell/config_file.h"

namespace vrk {
namespace {

const std::string kHome = vrk::test::sourceHome();

TEST(ShippedHome, ConfigLoadsCleanWithTheDefaultRowsFirst) {
    Config fresh;
    applyConfigDefaults(fresh, chooseEditors("", true, true));
    Config c = fresh;
    const auto warnings = readConfigFile(kHome + "/BASEBALL.CFG", c, ConfigReadMode::Startup);
    EXPECT_TRUE(warnings.empty()) << warnings.front();

    // Every documented default stands: the comments set nothing.
    EXPECT_EQ(c.editor, fresh.editor);
    EXPECT_EQ(c.rows, fresh.rows);
    EXPECT_EQ(c.regulationInnings, 9);
    EXPECT_EQ(c.hilite, fresh.hilite);
    EXPECT_FALSE(c.protectSch || c.daysOffRule || c.autoCoach);
    EXPECT_TRUE(c.outOfPositionMsg);
    EXPECT_EQ(c.dataPath, "");

    ASSERT_LE(c.leagueRows.size(), kMaxLeagueAverageRows);
    ASSERT_GE(c.leagueRows.size(), 2u);
    const LeagueAverageRow& a = c.leagueRows[0];
    EXPECT_EQ(a.key(), "DEF A");
    EXPECT_EQ(a.innings, 11600);
    EXPECT_EQ(a.hits, 11760);
    EXPECT_EQ(a.doubles, 2320);
    EXPECT_EQ(a.triples, 240);
    EXPECT_EQ(a.homeRuns, 1360);
    EXPECT_EQ(a.walks, 4160);
    EXPECT_EQ(a.column60Value, 8);
    EXPECT_DOUBLE_EQ(a.runFactor, 4.75);
    EXPECT_EQ(a.leagueIndex, 100);
    const double paA = 11760 + 4160 + 8000 + 0.99 * (3 * 11600 - 8000);
    EXPECT_FLOAT_EQ(a.strikeoutRate, static_cast<float>(8000 / paA));

    const LeagueAverageRow& n = c.leagueRows[1];
    EXPECT_EQ(n.key(), "DEF N");
    EXPECT_EQ(n.innings, 11620);
    EXPECT_EQ(n.hits, 11600);
    EXPECT_EQ(n.doubles, 2300);
    EXPECT_EQ(n.triples, 260);
    EXPECT_EQ(n.homeRuns, 1280);
    EXPECT_EQ(n.walks, 4300);
    EXPECT_FLOAT_EQ(n.strikeoutsPerOut, static_cast<float>(8500.0 / (3 * 11620)));
    EXPECT_EQ(n.column60Value, 8);
    EXPECT_DOUBLE_EQ(n.runFactor, 4.50);
    EXPECT_EQ(n.leagueIndex, 100);
}

TEST(ShippedHome, ParkLinesHaveTheirColumns) {
    std::ifstream in(kHome + "/STADIUM.TXT");
    ASSERT_TRUE(in);
    std::string line;
    int lines = 0;
    while (std::getline(in, line)) {
        ++lines;
        ASSERT_GT(line.size(), 100u) << line;
        EXPECT_FALSE(trim(field(line, 1, 20)).empty());
        for (int col : {21, 27, 33, 39, 45}) {
            const auto text = trim(field(line, col, col + 5));
            EXPECT_FALSE(text.empty()) << line;
            EXPECT_EQ(text.find_first_not_of("-0123456789"), std::string_view::npos) << line;
        }
        EXPECT_FALSE(trim(field(line, 53, 78)).empty());
        EXPECT_FALSE(trim(field(line, 80, 98)).empty());
    }
    EXPECT_GE(lines, 4);
}

}  // namespace
}  // namespace vrk
