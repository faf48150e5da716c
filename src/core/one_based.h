#pragma once
#include <array>
#include <cassert>
#include <cstddef>

namespace vrk {

// An array indexed 1..N, the way the game counts teams, batting-order slots,
// roster entries, positions and innings. Place 0 is kept, unused, so that
// initialisers and copies keep the layout they always had; an index outside
// 0..N stops a debug build instead of reading past the end.
template <class T, std::size_t N>
struct OneBased {
    std::array<T, N + 1> items{};

    constexpr T& operator[](int i) { return items[Checked(i)]; }
    constexpr const T& operator[](int i) const { return items[Checked(i)]; }
    static constexpr int last() { return static_cast<int>(N); }
    // Iteration visits every place, 0 included: a count credited to no one
    // (entry 0) is still seen by a sum over the array.
    constexpr auto begin() { return items.begin(); }
    constexpr auto end() { return items.end(); }
    constexpr auto begin() const { return items.begin(); }
    constexpr auto end() const { return items.end(); }
    constexpr void fill(const T& value) { items.fill(value); }
    bool operator==(const OneBased&) const = default;

  private:
    static constexpr std::size_t Checked(int i) {
        assert(i >= 0 && i <= static_cast<int>(N));
        return static_cast<std::size_t>(i);
    }
};

// One value for each team: 1 the visitors, 2 the home team.
template <class T>
using PerTeam = OneBased<T, 2>;

}  // namespace vrk
