#pragma once
#include <array>
#include <cstdint>
#include <span>

namespace vrk {

// The one random source of a session. Every probability in the game is
// "a fresh draw below p", so the stream of draws is the whole story of a
// game: the same seed replays the same games.
class Rng {
  public:
    explicit Rng(std::uint64_t seed);

    // Seed taken from the time of day (milliseconds since midnight).
    static std::uint64_t timeOfDaySeed();

    // Uniform in [0, 1). Inline: the engine draws several hundred times a game.
    double draw() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
    // Uniform whole number 1..n: floor(draw * n) + 1. n < 1 gives 1.
    int randInt(int n) { return n < 1 ? 1 : static_cast<int>(draw() * n) + 1; }
    // True with probability p.
    bool chance(double p) { return draw() < p; }
    // Index (0-based) of the first entry whose running weight sum exceeds a
    // draw; the last entry when none does. An empty list gives 0.
    std::size_t weightedChoice(std::span<const double> weights);

    std::uint64_t seed() const { return seed_; }
    // A number that names where the stream stands, without drawing from it:
    // another generator seeded with it follows this one's place, not its draws.
    std::uint64_t fingerprint() const;

    // The generator's position, so an interrupted run can go on with the very
    // draws it would have had.
    using State = std::array<std::uint64_t, 4>;
    State state() const { return {state_[0], state_[1], state_[2], state_[3]}; }
    void restore(const State& state) {
        for (std::size_t i = 0; i < state.size(); ++i) state_[i] = state[i];
    }

  private:
    static std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    // xoshiro256**: small, fast and good enough for a game; chosen over
    // std::mt19937 so the stream is identical on every standard library.
    std::uint64_t next() {
        const std::uint64_t result = rotl(state_[1] * 5, 7) * 9;
        const std::uint64_t t = state_[1] << 17;
        state_[2] ^= state_[0];
        state_[3] ^= state_[1];
        state_[1] ^= state_[2];
        state_[0] ^= state_[3];
        state_[2] ^= t;
        state_[3] = rotl(state_[3], 45);
        return result;
    }
    std::uint64_t seed_;
    std::uint64_t state_[4];
};

}  // namespace vrk
