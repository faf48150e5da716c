#pragma once
// Exchanging two players' figures in place, without moving either through a temporary.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <type_traits>

#include "data/team.h"

namespace vrk {

// Every figure of two players, sixteen bytes at a time: a plain record needs
// no temporary copy of itself.
inline void swapPlayerFigures(PlayerFigures& a, PlayerFigures& b) noexcept {
    static_assert(std::is_trivially_copyable_v<PlayerFigures>);
    // Player's names lie wholly after its figures, so the bytes swapped here
    // are the figures' own, padding included.
    static_assert(sizeof(Player) == sizeof(PlayerFigures) + 2 * sizeof(std::string));
    constexpr std::size_t kSize = sizeof(PlayerFigures);
    constexpr std::size_t kChunk = 16;
    static_assert(kSize % 8 == 0);
    auto* pa = reinterpret_cast<unsigned char*>(&a);
    auto* pb = reinterpret_cast<unsigned char*>(&b);
    std::size_t i = 0;
#pragma GCC unroll 32
    for (; i + kChunk <= kSize; i += kChunk) {
        unsigned char x[kChunk];
        unsigned char y[kChunk];
        std::memcpy(x, pa + i, kChunk);
        std::memcpy(y, pb + i, kChunk);
        std::memcpy(pa + i, y, kChunk);
        std::memcpy(pb + i, x, kChunk);
    }
    if constexpr (kSize % kChunk != 0) {
        std::uint64_t x;
        std::uint64_t y;
        std::memcpy(&x, pa + i, sizeof x);
        std::memcpy(&y, pb + i, sizeof y);
        std::memcpy(pa + i, &y, sizeof y);
        std::memcpy(pb + i, &x, sizeof x);
    }
}

}  // namespace vrk
