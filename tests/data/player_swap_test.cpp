#include "data/player_swap.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <utility>

namespace vrk {
namespace {

using FigureBytes = std::array<unsigned char, sizeof(PlayerFigures)>;

FigureBytes BytesOf(const PlayerFigures& f) {
    FigureBytes bytes;
    std::memcpy(bytes.data(), &f, bytes.size());
    return bytes;
}

// Every byte of the figures differs between the two players (and from the
// defaults), so a field the swap leaves out shows wherever it lies.
void Fill(Player& p, unsigned char seed, const char* name, const char* loaded) {
    auto* bytes = reinterpret_cast<unsigned char*>(static_cast<PlayerFigures*>(&p));
    for (std::size_t i = 0; i < sizeof(PlayerFigures); ++i)
        bytes[i] = static_cast<unsigned char>(seed + 2 * i);
    // Values the fields' types can hold, still different between the two.
    p.sharedLastName = seed % 2 == 1;
    p.sim.innings = seed + 0.25;
    p.playerName = name;
    p.nameAsLoaded = loaded;
}

TEST(PlayerSwap, EqualsStdSwapInEveryField) {
    // Short names live inside the string, long ones on the heap: swapped
    // both ways round.
    const char* kLong = "Featherstonehaugh-Cholmondeley, Bartholomew";
    const std::array<std::array<const char*, 4>, 3> kNames{{{"Abel, Ann", "ABEL", "Bunt, Bo", "B"},
                                                            {kLong, "X", "Yu", kLong},
                                                            {"", kLong, kLong, ""}}};
    for (const auto& names : kNames) {
        Player a;
        Player b;
        Fill(a, 1, names[0], names[1]);
        Fill(b, 2, names[2], names[3]);
        const FigureBytes bytesA = BytesOf(a);
        const FigureBytes bytesB = BytesOf(b);
        Player expectA = a;
        Player expectB = b;
        std::swap(expectA, expectB);

        swapPlayers(a, b);
        EXPECT_TRUE(a == expectA) << names[0];
        EXPECT_TRUE(b == expectB) << names[0];
        // Padding too: the words go over whole.
        EXPECT_EQ(BytesOf(a), bytesB);
        EXPECT_EQ(BytesOf(b), bytesA);
        EXPECT_EQ(a.playerName, names[2]);
        EXPECT_EQ(b.nameAsLoaded, names[1]);

        // Swapping back restores both; a player swapped with himself stays.
        swapPlayers(a, b);
        swapPlayers(a, a);
        EXPECT_EQ(BytesOf(a), bytesA);
        EXPECT_EQ(BytesOf(b), bytesB);
        EXPECT_EQ(a.playerName, names[0]);
        EXPECT_EQ(b.nameAsLoaded, names[3]);
    }
}

}  // namespace
}  // namespace vrk
