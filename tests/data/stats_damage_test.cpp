#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "data/stats_set.h"
#include "data/stats_test_support.h"
#include "engine/stats_record_game.h"

namespace vrk {
namespace {

using stats_testing::GameFixture;
using stats_testing::readBytes;
using stats_testing::ScratchFolder;
using stats_testing::writeBytes;

void putInt32(std::vector<std::uint8_t>& bytes, std::size_t at, std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i) bytes[at + static_cast<std::size_t>(i)] = (u >> (8 * i)) & 0xff;
}

// A set of three saved games, then one file damaged: the set must not open
// when its figures cannot be right, and say why.
TEST(StatsDamage, DamagedFilesAreRefusedAndOldOnesToldApart) {
    struct Case {
        const char* what;
        const char* extension;
        std::function<void(std::vector<std::uint8_t>&)> damage;
        std::string told;  // empty: the set opens
    };
    const std::size_t stp = PitchingRecord::kSize;
    const Case cases[] = {
        {"untouched", ".STS", [](auto&) {}, ""},
        {"wins at the 32-bit limit", ".STP",
         [&](auto& b) {
             // Every int32 of the first pitcher after the key and hand.
             for (std::size_t at = stp + kPlayerKeySize + 1; at + 4 <= 2 * stp; at += 4)
                 putInt32(b, at, 2147483647);
         },
         "is damaged: record 1"},
        {"a negative count", ".STB",
         [](auto& b) { putInt32(b, BattingRecord::kSize + kPlayerKeySize + 5, -3); },
         "is damaged: record 1"},
        {"games of random bytes", ".STS",
         [](auto& b) {
             std::mt19937 gen(5);
             for (auto& x : b) x = static_cast<std::uint8_t>(gen());
         },
         "is not a game"},
        {"batting of another record length", ".STB",
         [](auto& b) {
             putInt32(b, 30, 1);  // header: one record, in a file of other lengths
             b.resize(BattingRecord::kSize * 2 + 10);
         },
         std::string(kOldVersionMessage)},
    };
    for (const Case& c : cases) {
        ScratchFolder dir;
        GameFixture fx;
        StatsSet set;
        HighlightLists lists;
        ASSERT_TRUE(OpenStatsSet(set, dir.str(), "SET").ok);
        for (int g = 0; g < 3; ++g)
            ASSERT_TRUE(RecordGame(set, lists, *fx.game, {g, std::nullopt, 20}).result.ok);
        ASSERT_TRUE(SaveStatistics(set, 3).ok);
        const std::string path = dir.file(std::string("SET") + c.extension);
        std::vector<std::uint8_t> bytes = readBytes(path);
        c.damage(bytes);
        writeBytes(path, bytes);
        StatsSet again;
        const OpenStatsResult r = OpenStatsSet(again, dir.str(), "SET");
        if (c.told.empty()) {
            EXPECT_TRUE(r.ok) << c.what << ": " << r.message;
            continue;
        }
        EXPECT_FALSE(r.ok) << c.what;
        EXPECT_FALSE(again.isOpen()) << c.what;
        EXPECT_NE(r.message.find(c.told), std::string::npos) << c.what << ": " << r.message;
        EXPECT_EQ(readBytes(path), bytes) << c.what << ": left as it is";
    }
}

}  // namespace
}  // namespace vrk
