#include "data/player_swap.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>

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

TEST(PlayerSwap, FiguresExchangeWholeAndNamesStay) {
    const char* kLong = "Featherstonehaugh-Cholmondeley, Bartholomew";
    Player a;
    Player b;
    Fill(a, 1, "Abel, Ann", kLong);
    Fill(b, 2, kLong, "B");
    const FigureBytes bytesA = BytesOf(a);
    const FigureBytes bytesB = BytesOf(b);

    swapPlayerFigures(a, b);
    // Padding too: the words go over whole.
    EXPECT_EQ(BytesOf(a), bytesB);
    EXPECT_EQ(BytesOf(b), bytesA);
    EXPECT_EQ(a.playerName, "Abel, Ann");
    EXPECT_EQ(b.nameAsLoaded, "B");

    // Swapping back restores both; a player swapped with himself stays.
    swapPlayerFigures(a, b);
    swapPlayerFigures(a, a);
    EXPECT_EQ(BytesOf(a), bytesA);
    EXPECT_EQ(BytesOf(b), bytesB);
}

}  // namespace
}  // namespace vrk
