#include "data/stats_records.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "core/le_record.h"
#include "core/text_fields.h"

namespace vrk {

namespace {

void RequireSize(std::size_t actual, std::size_t expected) {
    if (actual != expected) throw std::invalid_argument("statistics record of the wrong size");
}

void PutKey(RecordWriter& w, const PlayerKey& key, char hand) {
    w.putText(0, kPlayerKeySize, key.view());
    w.putText(29, 1, std::string_view(&hand, 1));
}

PlayerKey GetKey(const RecordReader& r) {
    PlayerKey key;
    std::string text = r.text(0, kPlayerKeySize);
    std::copy(text.begin(), text.end(), key.bytes.begin());
    return key;
}

char GetHand(const RecordReader& r) {
    return r.text(29, 1)[0];
}

void PutSplit(RecordWriter& w, std::size_t offset, const SplitCount& s) {
    w.putInt32(offset, s.total);
    w.putInt32(offset + 4, s.vsR);
    w.putInt32(offset + 8, s.vsL);
}

SplitCount GetSplit(const RecordReader& r, std::size_t offset) {
    return {r.int32(offset), r.int32(offset + 4), r.int32(offset + 8)};
}

void PutTeamLine(RecordWriter& w, std::size_t offset, const GameTeamLine& t) {
    w.putText(offset, 1, std::string_view(&t.league, 1));
    w.putText(offset + 1, 1, std::string_view(&t.division, 1));
    w.putText(offset + 2, 12, t.teamName);
    w.putInt32(offset + 14, t.runs);
    w.putInt32(offset + 18, t.hits);
    w.putInt32(offset + 22, t.errors);
    w.putInt32(offset + 26, t.leftOnBase);
    w.putInt32(offset + 30, t.doublePlays);
}

GameTeamLine GetTeamLine(const RecordReader& r, std::size_t offset) {
    GameTeamLine t;
    t.league = r.text(offset, 1)[0];
    t.division = r.text(offset + 1, 1)[0];
    t.teamName = r.text(offset + 2, 12);
    t.runs = r.int32(offset + 14);
    t.hits = r.int32(offset + 18);
    t.errors = r.int32(offset + 22);
    t.leftOnBase = r.int32(offset + 26);
    t.doublePlays = r.int32(offset + 30);
    return t;
}

}  // namespace

PlayerKey MakePlayerKey(char league, std::string_view teamName, std::string_view name) {
    // Built in place: keys are made for every player before and after every
    // game of a recorded run.
    PlayerKey key;
    key.bytes.fill(' ');
    key.bytes[0] = league;
    teamName = teamName.substr(0, 12);
    name = name.substr(0, 16);
    std::copy(teamName.begin(), teamName.end(), key.bytes.begin() + 1);
    std::copy(name.begin(), name.end(), key.bytes.begin() + 13);
    return key;
}

PlayerKey SentinelKey() {
    PlayerKey key;
    key.bytes.fill('Z');
    return key;
}

void EncodeBatting(const BattingRecord& r, std::span<std::uint8_t> out) {
    RequireSize(out.size(), BattingRecord::kSize);
    std::fill(out.begin(), out.end(), std::uint8_t{0});
    RecordWriter w(out);
    PutKey(w, r.key, r.hand);
    w.putInt32(30, r.lastGame);
    w.putInt32(34, r.games);
    PutSplit(w, 38, r.atBats);
    w.putInt32(50, r.runs);
    PutSplit(w, 54, r.hits);
    w.putInt32(66, r.runsBattedIn);
    PutSplit(w, 70, r.doubles);
    PutSplit(w, 82, r.triples);
    PutSplit(w, 94, r.homeRuns);
    w.putInt32(106, r.stolenBases);
    w.putInt32(110, r.caughtStealing);
    PutSplit(w, 114, r.walks);
    w.putInt32(126, r.hitByPitch);
    PutSplit(w, 130, r.strikeouts);
    w.putInt32(142, r.errors);
    w.putInt32(146, r.hitStreak);
    w.putInt32(150, r.groundedIntoDoublePlays);
    w.putInt32(154, r.sacrificeHits);
    w.putInt32(158, r.sacrificeFlies);
}

BattingRecord DecodeBatting(std::span<const std::uint8_t> in) {
    RequireSize(in.size(), BattingRecord::kSize);
    RecordReader r(in);
    BattingRecord b;
    b.key = GetKey(r);
    b.hand = GetHand(r);
    b.lastGame = r.int32(30);
    b.games = r.int32(34);
    b.atBats = GetSplit(r, 38);
    b.runs = r.int32(50);
    b.hits = GetSplit(r, 54);
    b.runsBattedIn = r.int32(66);
    b.doubles = GetSplit(r, 70);
    b.triples = GetSplit(r, 82);
    b.homeRuns = GetSplit(r, 94);
    b.stolenBases = r.int32(106);
    b.caughtStealing = r.int32(110);
    b.walks = GetSplit(r, 114);
    b.hitByPitch = r.int32(126);
    b.strikeouts = GetSplit(r, 130);
    b.errors = r.int32(142);
    b.hitStreak = r.int32(146);
    b.groundedIntoDoublePlays = r.int32(150);
    b.sacrificeHits = r.int32(154);
    b.sacrificeFlies = r.int32(158);
    return b;
}

void EncodePitching(const PitchingRecord& r, std::span<std::uint8_t> out) {
    RequireSize(out.size(), PitchingRecord::kSize);
    std::fill(out.begin(), out.end(), std::uint8_t{0});
    RecordWriter w(out);
    PutKey(w, r.key, r.hand);
    const std::int32_t fields[] = {
        r.lastGame,     r.games,          r.gamesStarted,  r.completeGames,   r.shutouts,
        r.innings,      r.extraOuts,      r.runs,          r.earnedRuns,      r.hits,
        r.doubles,      r.triples,        r.homeRuns,      r.walks,           r.hitBatsmen,
        r.strikeouts,   r.wins,           r.losses,        r.saves,           r.blownSaves,
        r.battersFaced, r.restDaysNeeded, r.lastDayNumber, r.consecutiveGames};
    std::size_t offset = 30;
    for (std::int32_t v : fields) {
        w.putInt32(offset, v);
        offset += 4;
    }
}

PitchingRecord DecodePitching(std::span<const std::uint8_t> in) {
    RequireSize(in.size(), PitchingRecord::kSize);
    RecordReader r(in);
    PitchingRecord p;
    p.key = GetKey(r);
    p.hand = GetHand(r);
    std::int32_t* fields[] = {
        &p.lastGame,     &p.games,          &p.gamesStarted,  &p.completeGames,   &p.shutouts,
        &p.innings,      &p.extraOuts,      &p.runs,          &p.earnedRuns,      &p.hits,
        &p.doubles,      &p.triples,        &p.homeRuns,      &p.walks,           &p.hitBatsmen,
        &p.strikeouts,   &p.wins,           &p.losses,        &p.saves,           &p.blownSaves,
        &p.battersFaced, &p.restDaysNeeded, &p.lastDayNumber, &p.consecutiveGames};
    std::size_t offset = 30;
    for (std::int32_t* v : fields) {
        *v = r.int32(offset);
        offset += 4;
    }
    return p;
}

void EncodeFielding(const FieldingRecord& r, std::span<std::uint8_t> out) {
    RequireSize(out.size(), FieldingRecord::kSize);
    std::fill(out.begin(), out.end(), std::uint8_t{0});
    RecordWriter w(out);
    PutKey(w, r.key, r.hand);
    w.putInt32(30, r.games);
    for (std::size_t p = 1; p <= kFieldingPositions; ++p)
        w.putInt32(34 + 4 * (p - 1), r.gamesAt[p]);
    for (std::size_t p = 1; p <= kChargedPositions; ++p) {
        w.putInt32(82 + 4 * (p - 1), r.errorsAt[p]);
        w.putInt32(122 + 4 * (p - 1), r.assistsAt[p]);
        w.putInt32(162 + 4 * (p - 1), r.putoutsAt[p]);
    }
}

FieldingRecord DecodeFielding(std::span<const std::uint8_t> in) {
    RequireSize(in.size(), FieldingRecord::kSize);
    RecordReader r(in);
    FieldingRecord f;
    f.key = GetKey(r);
    f.hand = GetHand(r);
    f.games = r.int32(30);
    for (std::size_t p = 1; p <= kFieldingPositions; ++p) f.gamesAt[p] = r.int32(34 + 4 * (p - 1));
    for (std::size_t p = 1; p <= kChargedPositions; ++p) {
        f.errorsAt[p] = r.int32(82 + 4 * (p - 1));
        f.assistsAt[p] = r.int32(122 + 4 * (p - 1));
        f.putoutsAt[p] = r.int32(162 + 4 * (p - 1));
    }
    return f;
}

void EncodeGame(const GameRecord& r, std::span<std::uint8_t> out) {
    RequireSize(out.size(), GameRecord::kSize);
    std::fill(out.begin(), out.end(), std::uint8_t{0});
    RecordWriter w(out);
    PutTeamLine(w, 0, r.visitors);
    PutTeamLine(w, 34, r.home);
    w.putText(68, 14, r.winningPitcher);
    w.putText(82, 14, r.losingPitcher);
    w.putText(96, 14, r.savePitcher);
    w.putInt16(110, 0);
}

GameRecord DecodeGame(std::span<const std::uint8_t> in) {
    RequireSize(in.size(), GameRecord::kSize);
    RecordReader r(in);
    GameRecord g;
    g.visitors = GetTeamLine(r, 0);
    g.home = GetTeamLine(r, 34);
    g.winningPitcher = r.text(68, 14);
    g.losingPitcher = r.text(82, 14);
    g.savePitcher = r.text(96, 14);
    return g;
}

void EncodeHeader(const TableHeader& h, bool withGameCounter, std::span<std::uint8_t> out) {
    std::fill(out.begin(), out.end(), std::uint8_t{0});
    RecordWriter w(out);
    w.putInt32(30, h.count);
    if (withGameCounter) w.putInt32(34, h.gameCounter);
}

TableHeader DecodeHeader(std::span<const std::uint8_t> in) {
    RecordReader r(in);
    return {r.int32(30), r.int32(34)};
}

}  // namespace vrk
