#pragma once
// Reads the totals of a written statistics set back with a decoder of the
// tests' own, so that a fault shared by the program's writer and reader
// cannot hide.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace vrk::testing {

namespace fs = std::filesystem;

inline std::vector<std::uint8_t> FileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline long Int32At(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i) v |= std::uint32_t{bytes[at + i]} << (8 * i);
    return static_cast<std::int32_t>(v);
}

// Sums named little-endian fields over the data records of a player file:
// record 0 is the header, whose count (offset 30) includes the closing
// sentinel, which holds no figures.
inline std::map<std::string, long> SumPlayerFile(const fs::path& path, std::size_t size,
                                                 const std::map<std::string, std::size_t>& fields) {
    const std::vector<std::uint8_t> bytes = FileBytes(path);
    std::map<std::string, long> sums;
    if (bytes.size() < size) {
        ADD_FAILURE() << path << " is shorter than its header";
        return sums;
    }
    const long count = Int32At(bytes, 30);
    EXPECT_EQ(bytes.size(), static_cast<std::size_t>(count + 1) * size) << path;
    for (long n = 1;
         n <= count && (n + 1) * static_cast<long>(size) <= static_cast<long>(bytes.size()); ++n) {
        for (const auto& [name, offset] : fields)
            sums[name] += Int32At(bytes, static_cast<std::size_t>(n) * size + offset);
    }
    return sums;
}

struct Books {
    std::map<std::string, long> batting;  // what the batters were credited with
    std::map<std::string, long> allowed;  // what the pitchers gave up
    long games = 0, gameRuns = 0, gameHits = 0;
    long outs = 0, putouts = 0;
    long appearances = 0, faced = 0;
};

inline Books ReadBooks(const fs::path& folder, const std::string& base) {
    Books b;
    const std::map<std::string, std::size_t> batting = {{"R", 50},    {"H", 54},  {"2B", 70},
                                                        {"3B", 82},   {"HR", 94}, {"BB", 114},
                                                        {"HBP", 126}, {"SO", 130}};
    b.batting = SumPlayerFile(folder / (base + ".STB"), 162, batting);
    // Pitching figures follow the key and hand, four bytes each from offset 30.
    const std::map<std::string, std::size_t> pitching = {
        {"R", 58},   {"H", 66},  {"2B", 70}, {"3B", 74},   {"HR", 78}, {"BB", 82},
        {"HBP", 86}, {"SO", 90}, {"IP", 50}, {"outs", 54}, {"W", 94},  {"L", 98}};
    b.allowed = SumPlayerFile(folder / (base + ".STP"), 126, pitching);
    const std::map<std::string, std::size_t> appearances = {
        {"AB", 38}, {"BB", 114}, {"HBP", 126}, {"SH", 154}, {"SF", 158}};
    for (const auto& [name, sum] : SumPlayerFile(folder / (base + ".STB"), 162, appearances))
        b.appearances += sum;
    b.faced = SumPlayerFile(folder / (base + ".STP"), 126, {{"BF", 110}})["BF"];
    b.outs = 3 * b.allowed["IP"] + b.allowed["outs"];
    b.allowed.erase("IP");
    b.allowed.erase("outs");
    std::map<std::string, std::size_t> putouts;
    for (std::size_t p = 1; p <= 10; ++p) putouts["PO" + std::to_string(p)] = 162 + 4 * (p - 1);
    for (const auto& [name, sum] : SumPlayerFile(folder / (base + ".STF"), 202, putouts))
        b.putouts += sum;

    const std::vector<std::uint8_t> games = FileBytes(folder / (base + ".STS"));
    EXPECT_EQ(games.size() % 112, 0u);
    for (std::size_t at = 0; at + 112 <= games.size(); at += 112) {
        ++b.games;
        b.gameRuns += Int32At(games, at + 14) + Int32At(games, at + 34 + 14);
        b.gameHits += Int32At(games, at + 18) + Int32At(games, at + 34 + 18);
    }
    return b;
}

// The rules every written set keeps: batting equals pitching allowed, runs and
// hits equal the games file, putouts equal outs, a win and a loss a game, and
// every plate appearance a batter faced.
inline void ExpectBalanced(const Books& b, long played) {
    EXPECT_EQ(b.games, played);
    EXPECT_EQ(b.batting.at("R"), b.gameRuns);
    EXPECT_EQ(b.batting.at("H"), b.gameHits);
    std::map<std::string, long> allowed = b.allowed;
    EXPECT_EQ(allowed["W"], played);
    EXPECT_EQ(allowed["L"], played);
    allowed.erase("W");
    allowed.erase("L");
    EXPECT_EQ(b.batting, allowed);
    EXPECT_EQ(b.putouts, b.outs);
    EXPECT_EQ(b.appearances, b.faced);
}

}  // namespace vrk::testing
