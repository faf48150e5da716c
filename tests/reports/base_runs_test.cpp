#include "reports/base_runs.h"

#include <gtest/gtest.h>

namespace vrk {
namespace {

BattingLine typicalClub() {
    BattingLine l;
    l.ab = 5500, l.h = 1500, l.d = 280, l.t = 40, l.hr = 150, l.bb = 550, l.hbp = 40;
    l.sb = 100, l.cs = 50;
    return l;
}

TEST(BaseRuns, EstimatesKnownLines) {
    BattingLine empty;
    BattingLine onlyHomers;
    onlyHomers.ab = onlyHomers.h = onlyHomers.hr = 10;
    struct Case {
        const char* what;
        BattingLine line;
        double runs;
    } const cases[] = {
        // 1940 on base, 2026.86 advancement, 4000 outs: 652.43 driven in plus 150 homers
        {"a club's season", typicalClub(), 802.43},
        {"nothing at all", empty, 0},
        {"home runs only: nobody left to drive in", onlyHomers, 10},
    };
    for (const auto& c : cases) EXPECT_NEAR(baseRuns(c.line), c.runs, 0.01) << c.what;
}

TEST(BaseRuns, MovesWithEachEvent) {
    const double base = baseRuns(typicalClub());
    struct Case {
        const char* what;
        void (*change)(BattingLine&);
        bool more;
    } const cases[] = {
        {"a walk more", [](BattingLine& l) { l.bb += 20; }, true},
        {"a single turned double", [](BattingLine& l) { l.d += 20; }, true},
        {"more steals", [](BattingLine& l) { l.sb += 20; }, true},
        {"more caught stealing", [](BattingLine& l) { l.cs += 20; }, false},
        {"more outs", [](BattingLine& l) { l.ab += 20; }, false},
    };
    for (const auto& c : cases) {
        BattingLine l = typicalClub();
        c.change(l);
        EXPECT_EQ(baseRuns(l) > base, c.more) << c.what;
    }
}

TEST(BaseRuns, AddsLinesAndReadsRates) {
    BattingLine sum = typicalClub();
    sum.add(typicalClub());
    EXPECT_DOUBLE_EQ(sum.pa(), 2 * typicalClub().pa());
    EXPECT_DOUBLE_EQ(sum.sb, 200);
    EXPECT_DOUBLE_EQ(sum.avg(), 1500.0 / 5500);
    EXPECT_DOUBLE_EQ(sum.slg(), 2310.0 / 5500);
    EXPECT_DOUBLE_EQ(sum.obp(), 2090.0 / 6090);
    EXPECT_EQ(BattingLine{}.obp(), 0);  // no division by an empty line
}

TEST(ClubComparison, CorrelationSpreadAndError) {
    const std::vector<double> x{1, 2, 3, 4}, up{3, 5, 7, 9}, down{4, 3, 2, 1}, flat{2, 2, 2, 2};
    EXPECT_NEAR(correlation(x, up), 1, 1e-12);
    EXPECT_NEAR(correlation(x, down), -1, 1e-12);
    EXPECT_EQ(correlation(x, flat), 0);
    EXPECT_EQ(correlation(x, {1, 2}), 0);  // unequal lengths compare nothing
    EXPECT_DOUBLE_EQ(spread({2, 4, 4, 4, 5, 5, 7, 9}), 2);
    EXPECT_DOUBLE_EQ(meanAbsoluteError(x, down), 2);
    EXPECT_EQ(meanAbsoluteError({}, {}), 0);
    // Squeezed toward the mean by a fifth, shifted: the slope sees only the squeeze.
    EXPECT_NEAR(slope(x, {1.3, 2.1, 2.9, 3.7}), 0.8, 1e-12);
    EXPECT_NEAR(slope(x, down), -1, 1e-12);
    EXPECT_EQ(slope(flat, x), 0);
    EXPECT_EQ(slope(x, {1, 2}), 0);
}

}  // namespace
}  // namespace vrk
