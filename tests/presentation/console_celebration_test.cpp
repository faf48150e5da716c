#include <gtest/gtest.h>

#include <set>

#include "presentation/celebration.h"
#include "presentation/console_memory.h"

namespace vrk {
namespace {

TEST(ConsoleCelebration, BannerAndBatterLineInRedAfterFlashing) {
    MemoryConsole con(44, 102);
    Rng rng(1);
    std::vector<std::string> announced;
    CelebrationSettings settings;
    settings.originRow = 44 / 2 - 12;   // 10
    settings.originCol = 102 / 2 - 40;  // 11
    settings.batterName = "Babe Ruth";
    settings.soundOn = true;
    settings.fireworks = false;
    showHomeRunCelebration(con, settings, rng,
                           [&](const std::string& line) { announced.push_back(line); });

    EXPECT_EQ(announced, std::vector<std::string>{"Home Run by Babe Ruth"});
    const auto& banner = homeRunBanner();
    for (const auto& line : banner) EXPECT_EQ(line.size(), 49u);
    // Rows R+7..R+21 at column C+17, the last pass in bright red on black.
    EXPECT_EQ(con.textAt(18, 28, 49), "   HHHH  HHHH   OOOOOO    MMMM  MMMM   EEEEEEEE  ");
    EXPECT_EQ(con.textAt(26, 28, 49), "         RRRRRR    UU    UU    NN  N  NN         ");
    EXPECT_EQ(con.textAt(28, 28, 49), "        RRR   RR    UUUUUU    NNNN   NNNN        ");
    EXPECT_EQ(con.attributeAt(17, 28), 12);
    EXPECT_EQ(con.attributeAt(31, 76), 12);
    EXPECT_EQ(con.attributeAt(32, 28), 7);  // below the banner: untouched
    EXPECT_EQ(con.textAt(30, 46, 15), "...by Babe Ruth");
    EXPECT_EQ(con.attributeAt(30, 46), 12);
    // Four 200 ms gaps between five passes, then three seconds.
    EXPECT_EQ(con.sleptMs(), 4 * 200 + 3000);
    EXPECT_EQ(con.rowText(44), std::string(102, ' '));

    // Sound off: nothing is queued; without fireworks no draw is spent.
    announced.clear();
    settings.soundOn = false;
    Rng fresh(99), same(99);
    MemoryConsole small(25, 80);
    settings.originRow = 0;
    settings.originCol = 0;
    showHomeRunCelebration(small, settings, fresh,
                           [&](const std::string& line) { announced.push_back(line); });
    EXPECT_TRUE(announced.empty());
    EXPECT_EQ(small.textAt(8, 17, 10), "   HHHH  H");
    EXPECT_EQ(fresh.draw(), same.draw());
}

TEST(ConsoleCelebration, FireworksStayInsideTheScreen) {
    const std::set<unsigned char> glyphs{'*', 250, 249, 15};
    for (const auto& [rows, cols] : {std::pair{25, 80}, std::pair{44, 102}}) {
        for (const bool colour : {false, true}) {
            MemoryConsole con(rows, cols);
            Rng rng(static_cast<std::uint64_t>(rows * 1000 + colour));
            showFireworks(con, 400, colour, rng);
            // The last row and column are never written (nor rows/cols 0).
            EXPECT_EQ(con.rowText(rows), std::string(static_cast<std::size_t>(cols), ' '));
            int drawn = 0;
            for (int r = 1; r <= rows; ++r) {
                EXPECT_EQ(con.cellAt(r, cols), Cell{}) << r;
                for (int c = 1; c <= cols; ++c) {
                    const Cell cell = con.cellAt(r, c);
                    if (cell == Cell{}) continue;
                    ++drawn;
                    EXPECT_TRUE(glyphs.count(cell.ch)) << int(cell.ch);
                    EXPECT_LT(cell.attribute, 16);  // always on black
                    EXPECT_TRUE(colour || (cell.attribute >= 5 && cell.attribute <= 7));
                }
            }
            EXPECT_GT(drawn, rows * cols / 2);
            // Some bursts pause 50 ms, not all.
            EXPECT_GT(con.sleptMs(), 0);
            EXPECT_LT(con.sleptMs(), 400 * 50);
            EXPECT_EQ(con.sleptMs() % 50, 0);
        }
    }
}

TEST(ConsoleCelebration, OneBurstIsASymmetricEllipse) {
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        MemoryConsole con(44, 102);
        Rng rng(seed);
        showFireworks(con, 1, false, rng);
        // The centre is the one star in white.
        int r0 = 0, c0 = 0;
        for (int r = 1; r <= 44; ++r)
            for (int c = 1; c <= 102; ++c)
                if (con.cellAt(r, c) == Cell{'*', 7}) r0 = r, c0 = c;
        ASSERT_GT(r0, 0);
        EXPECT_TRUE(r0 >= 4 && r0 <= 44 - 3) << r0;
        EXPECT_TRUE(c0 >= 8 && c0 <= 102 - 7) << c0;
        // Mirror images left-right and top-bottom (where both are inside).
        auto inside = [](int r, int c) { return r > 0 && r < 44 && c > 0 && c < 102; };
        for (int dr = -6; dr <= 6; ++dr) {
            for (int dc = -12; dc <= 12; ++dc) {
                if (!inside(r0 + dr, c0 + dc) || !inside(r0 - dr, c0 - dc)) continue;
                ASSERT_EQ(con.cellAt(r0 + dr, c0 + dc), con.cellAt(r0 - dr, c0 - dc))
                    << "seed " << seed << " at " << dr << "," << dc;
            }
        }
        // The last ring, glyph 15 in colour 5, is widest on the centre row:
        // radius s + 1 with s between 5 and 10, height round(0.4 * radius).
        // Near the right edge, look left instead: the burst is symmetric.
        const int side = c0 + 12 < 102 ? 1 : -1;
        int radius = 12;
        while (radius > 0 && con.cellAt(r0, c0 + side * radius) == Cell{}) --radius;
        const int right = c0 + side * radius;
        EXPECT_TRUE(radius >= 6 && radius <= 11) << radius;
        EXPECT_EQ(con.cellAt(r0, right), (Cell{15, 5}));
        const int height = radius == 6 ? 2 : radius <= 8 ? 3 : 4;  // round(0.4 * radius)
        EXPECT_EQ(con.cellAt(r0 - height, c0), (Cell{15, 5}));
        EXPECT_EQ(con.cellAt(r0 - height - 1, c0), Cell{});
        // The first rings: small dots beside the centre.
        EXPECT_EQ(con.cellAt(r0, c0 - 2), (Cell{250, 7}));
        EXPECT_EQ(con.cellAt(r0, c0 - 3), (Cell{249, 7}));
        EXPECT_EQ(con.cellAt(r0, c0 - 5), (Cell{'*', 6}));
    }
}

}  // namespace
}  // namespace vrk
