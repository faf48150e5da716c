#include "core/rng.h"

#include <chrono>
#include <ctime>

namespace vrk {

namespace {
std::uint64_t splitMix(std::uint64_t& x) {
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}
}  // namespace

Rng::Rng(std::uint64_t seed) : seed_(seed) {
    std::uint64_t s = seed;
    for (auto& word : state_) word = splitMix(s);
}

std::uint64_t Rng::timeOfDaySeed() {
    using namespace std::chrono;
    auto now = system_clock::now();
    std::time_t t = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    auto ms = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    return static_cast<std::uint64_t>(
        (local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec) * 1000 + ms);
}

std::uint64_t Rng::fingerprint() const {
    std::uint64_t mix = seed_;
    std::uint64_t h = 0;
    for (std::uint64_t word : state_) h = splitMix(mix) ^ (h * 0x100000001B3ULL) ^ word;
    return splitMix(h);
}

std::size_t Rng::weightedChoice(std::span<const double> weights) {
    if (weights.empty()) return 0;
    const double d = draw();
    double sum = 0.0;
    for (std::size_t i = 0; i < weights.size(); ++i) {
        sum += weights[i];
        if (sum > d) return i;
    }
    return weights.size() - 1;
}

}  // namespace vrk
