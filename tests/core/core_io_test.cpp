#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>

#include "core/le_record.h"
#include "core/paths.h"
#include "core/process.h"
#include "core/rng.h"

namespace vrk {
namespace {

TEST(Rng, SameSeedSameStreamAndRanges) {
    Rng a(42), b(42), c(43);
    bool differs = false;
    for (int i = 0; i < 1000; ++i) {
        const double x = a.draw();
        EXPECT_EQ(x, b.draw());
        if (x != c.draw()) differs = true;
        EXPECT_GE(x, 0.0);
        EXPECT_LT(x, 1.0);
    }
    EXPECT_TRUE(differs);
    std::array<int, 7> seen{};
    for (int i = 0; i < 5000; ++i) {
        const int r = a.randInt(6);
        ASSERT_GE(r, 1);
        ASSERT_LE(r, 6);
        seen[static_cast<std::size_t>(r)]++;
    }
    for (int v = 1; v <= 6; ++v) EXPECT_GT(seen[static_cast<std::size_t>(v)], 600);
}

TEST(Rng, WeightedChoiceFallsBackToLast) {
    Rng rng(7);
    const std::array<double, 3> zero{0.0, 0.0, 0.0};
    EXPECT_EQ(rng.weightedChoice(zero), 2u);
    const std::array<double, 2> allFirst{1.0, 0.0};
    for (int i = 0; i < 100; ++i) EXPECT_EQ(rng.weightedChoice(allFirst), 0u);
    std::array<int, 3> counts{};
    const std::array<double, 3> w{0.2, 0.3, 0.5};
    for (int i = 0; i < 10000; ++i) counts[rng.weightedChoice(w)]++;
    EXPECT_NEAR(counts[0] / 10000.0, 0.2, 0.03);
    EXPECT_NEAR(counts[2] / 10000.0, 0.5, 0.03);
}

TEST(Records, LittleEndianByteLayout) {
    std::array<std::uint8_t, 16> buf{};
    RecordWriter w(buf);
    w.putInt16(0, -2);
    w.putInt32(2, 0x01020304);
    w.putText(6, 4, "AB");
    w.putFloat(10, 1.5f);
    EXPECT_EQ(buf[0], 0xFE);
    EXPECT_EQ(buf[1], 0xFF);
    EXPECT_EQ(buf[2], 0x04);
    EXPECT_EQ(buf[5], 0x01);
    EXPECT_EQ(buf[8], ' ');
    RecordReader r(buf);
    EXPECT_EQ(r.int16(0), -2);
    EXPECT_EQ(r.int32(2), 0x01020304);
    EXPECT_EQ(r.text(6, 4), "AB  ");
    EXPECT_EQ(r.float32(10), 1.5f);
    EXPECT_THROW(r.int32(14), std::out_of_range);
    EXPECT_THROW(w.putText(15, 2, "xy"), std::out_of_range);
}

TEST(Paths, JoinAndCaseInsensitiveLookup) {
    EXPECT_EQ(joinPath("C:\\LEAGUE\\", "A.DAT"), "C:/LEAGUE/A.DAT");
    EXPECT_EQ(joinPath("dir", "x"), "dir/x");
    EXPECT_EQ(joinPath("", "x"), "x");
    EXPECT_EQ(fileNamePart("a\\b/c.bmp"), "c.bmp");

    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / "vrk_paths_test";
    fs::remove_all(dir);
    fs::create_directories(dir);
    std::ofstream(dir / "tigers.dat") << "x";
    auto found = findFile(dir.string(), "TIGERS.DAT");
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(fs::path(*found).filename(), "tigers.dat");
    EXPECT_FALSE(findFile(dir.string(), "LIONS.DAT").has_value());
    EXPECT_FALSE(findFile((dir / "nope").string(), "TIGERS.DAT").has_value());
    fs::remove_all(dir);
}

TEST(Process, NeverGoesThroughAShell) {
    // A name full of shell syntax is just an argument to the program.
    namespace fs = std::filesystem;
    const fs::path marker = fs::temp_directory_path() / "vrk_shell_marker";
    fs::remove(marker);
    EXPECT_EQ(runAndWait({"true", "; touch " + marker.string()}), 0);
    EXPECT_FALSE(fs::exists(marker));
    EXPECT_EQ(runAndWait({"vrk-no-such-program-anywhere"}), -1);
    EXPECT_FALSE(launchDetached({}));
    EXPECT_TRUE(programAvailable("sh"));
    EXPECT_FALSE(programAvailable("vrk-no-such-program-anywhere"));
}

}  // namespace
}  // namespace vrk
