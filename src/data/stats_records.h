#pragma once
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>

namespace vrk {

// The 29 bytes that identify a player in the statistics files: league
// letter, team name (12) and the name as loaded (16), blank-padded.
inline constexpr std::size_t kPlayerKeySize = 29;

struct PlayerKey {
    std::array<char, kPlayerKeySize> bytes{};

    std::string_view view() const { return {bytes.data(), bytes.size()}; }
    bool operator==(const PlayerKey&) const = default;
};

// Longer parts are cut, shorter ones padded with blanks.
PlayerKey MakePlayerKey(char league, std::string_view teamName, std::string_view name);
// The key of the record that ends every table.
PlayerKey SentinelKey();
// Byte by byte, as unsigned characters: -1, 0, 1. Inline and eight bytes at
// a time: a recorded game looks up about a thousand keys.
inline std::uint64_t KeyWord(const PlayerKey& k, std::size_t at) {
    std::uint64_t word;
    std::memcpy(&word, k.bytes.data() + at, sizeof word);
    if constexpr (std::endian::native == std::endian::little) word = __builtin_bswap64(word);
    return word;  // the first byte most significant, as a byte-wise comparison reads it
}

inline int CompareKeys(const PlayerKey& a, const PlayerKey& b) {
    static_assert(kPlayerKeySize > 16 && kPlayerKeySize <= 32);
    // The last word overlaps the one before: its leading bytes are equal by then.
    for (const std::size_t at :
         {std::size_t{0}, std::size_t{8}, std::size_t{16}, kPlayerKeySize - 8}) {
        const std::uint64_t x = KeyWord(a, at);
        const std::uint64_t y = KeyWord(b, at);
        if (x != y) return x < y ? -1 : 1;
    }
    return 0;
}

// A count kept overall and against right- and left-handed pitchers.
struct SplitCount {
    std::int32_t total = 0;
    std::int32_t vsR = 0;
    std::int32_t vsL = 0;
    bool operator==(const SplitCount&) const = default;
};

struct BattingRecord {
    static constexpr std::size_t kSize = 162;
    static constexpr int kChunk = 1020;

    PlayerKey key;
    char hand = ' ';
    std::int32_t lastGame = 0;
    std::int32_t games = 0;
    SplitCount atBats;
    std::int32_t runs = 0;
    SplitCount hits;
    std::int32_t runsBattedIn = 0;
    SplitCount doubles;
    SplitCount triples;
    SplitCount homeRuns;
    std::int32_t stolenBases = 0;
    std::int32_t caughtStealing = 0;
    SplitCount walks;
    std::int32_t hitByPitch = 0;
    SplitCount strikeouts;
    std::int32_t errors = 0;
    std::int32_t hitStreak = 0;
    std::int32_t groundedIntoDoublePlays = 0;
    std::int32_t sacrificeHits = 0;
    std::int32_t sacrificeFlies = 0;
    bool operator==(const BattingRecord&) const = default;
};

struct PitchingRecord {
    static constexpr std::size_t kSize = 126;
    static constexpr int kChunk = 540;

    PlayerKey key;
    char hand = ' ';
    std::int32_t lastGame = 0;
    std::int32_t games = 0;
    std::int32_t gamesStarted = 0;
    std::int32_t completeGames = 0;
    std::int32_t shutouts = 0;
    std::int32_t innings = 0;    // whole innings of each game, summed
    std::int32_t extraOuts = 0;  // each game's outs beyond whole innings, summed
    std::int32_t runs = 0;
    std::int32_t earnedRuns = 0;
    std::int32_t hits = 0;
    std::int32_t doubles = 0;
    std::int32_t triples = 0;
    std::int32_t homeRuns = 0;
    std::int32_t walks = 0;
    std::int32_t hitBatsmen = 0;
    std::int32_t strikeouts = 0;
    std::int32_t wins = 0;
    std::int32_t losses = 0;
    std::int32_t saves = 0;
    std::int32_t blownSaves = 0;
    std::int32_t battersFaced = 0;
    std::int32_t restDaysNeeded = 0;
    std::int32_t lastDayNumber = 0;
    std::int32_t consecutiveGames = 0;

    double inningsPitched() const { return innings + extraOuts / 3.0; }
    bool operator==(const PitchingRecord&) const = default;
};

// Positions 1-9 fielding, 10 designated hitter, 11 pinch hitter and
// 12 pinch runner (games only).
inline constexpr int kPinchHitterPosition = 11;
inline constexpr int kPinchRunnerPosition = 12;
inline constexpr int kFieldingPositions = 12;
inline constexpr int kChargedPositions = 10;  // positions with errors, assists, putouts

struct FieldingRecord {
    static constexpr std::size_t kSize = 202;
    static constexpr int kChunk = 1020;

    PlayerKey key;
    char hand = ' ';
    std::int32_t games = 0;
    std::array<std::int32_t, kFieldingPositions + 1> gamesAt{};  // [1..12]
    std::array<std::int32_t, kChargedPositions + 1> errorsAt{};  // [1..10]
    std::array<std::int32_t, kChargedPositions + 1> assistsAt{};
    std::array<std::int32_t, kChargedPositions + 1> putoutsAt{};
    bool operator==(const FieldingRecord&) const = default;
};

// One team's line of a game record.
struct GameTeamLine {
    char league = ' ';
    char division = ' ';
    std::string teamName;  // 12
    std::int32_t runs = 0;
    std::int32_t hits = 0;
    std::int32_t errors = 0;
    std::int32_t leftOnBase = 0;
    std::int32_t doublePlays = 0;
    bool operator==(const GameTeamLine&) const = default;
};

struct GameRecord {
    static constexpr std::size_t kSize = 112;

    GameTeamLine visitors;
    GameTeamLine home;
    std::string winningPitcher;  // 14 each; blanks when none
    std::string losingPitcher;
    std::string savePitcher;
    bool operator==(const GameRecord&) const = default;
};

// Record 0 of the three player files.
struct TableHeader {
    std::int32_t count = 1;        // data records, sentinel included
    std::int32_t gameCounter = 0;  // batting file only
};

// Each encoder fills exactly kSize bytes (the span must have that size);
// each decoder reads a span of exactly kSize bytes. A wrong size throws
// std::invalid_argument: callers size-check what they read from disk.
void EncodeBatting(const BattingRecord& r, std::span<std::uint8_t> out);
BattingRecord DecodeBatting(std::span<const std::uint8_t> in);
void EncodePitching(const PitchingRecord& r, std::span<std::uint8_t> out);
PitchingRecord DecodePitching(std::span<const std::uint8_t> in);
void EncodeFielding(const FieldingRecord& r, std::span<std::uint8_t> out);
FieldingRecord DecodeFielding(std::span<const std::uint8_t> in);
void EncodeGame(const GameRecord& r, std::span<std::uint8_t> out);
GameRecord DecodeGame(std::span<const std::uint8_t> in);

// The header occupies a whole record; every byte not named is 0. The game
// counter is written only when withGameCounter (the batting file).
void EncodeHeader(const TableHeader& h, bool withGameCounter, std::span<std::uint8_t> out);
TableHeader DecodeHeader(std::span<const std::uint8_t> in);

// Record codecs by record type, for the generic table code.
inline void Encode(const BattingRecord& r, std::span<std::uint8_t> out) {
    EncodeBatting(r, out);
}
inline void Encode(const PitchingRecord& r, std::span<std::uint8_t> out) {
    EncodePitching(r, out);
}
inline void Encode(const FieldingRecord& r, std::span<std::uint8_t> out) {
    EncodeFielding(r, out);
}
template <typename Record>
Record Decode(std::span<const std::uint8_t> in);
template <>
inline BattingRecord Decode<BattingRecord>(std::span<const std::uint8_t> in) {
    return DecodeBatting(in);
}
template <>
inline PitchingRecord Decode<PitchingRecord>(std::span<const std::uint8_t> in) {
    return DecodePitching(in);
}
template <>
inline FieldingRecord Decode<FieldingRecord>(std::span<const std::uint8_t> in) {
    return DecodeFielding(in);
}

}  // namespace vrk
