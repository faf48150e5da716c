#include "engine/stats_record_game.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/text_fields.h"
#include "data/stats_schedule_day.h"

namespace vrk {

namespace {

using EntryFlags = std::array<bool, kRosterSize>;

// Where each player of one team took part in the game: a mark per roster
// entry and position 1..12, and the first fielding position he held.
struct Participation {
    std::array<std::array<bool, kFieldingPositions + 1>, kRosterSize> at{};
    std::array<int, kRosterSize> firstFieldingPosition{};
    std::array<bool, kRosterSize> any{};  // most entries sit out: skipped at a glance

    void mark(int entry, int position) {
        if (entry < 1 || entry > kMaxRosterEntries) return;
        if (position < 1 || position > kFieldingPositions) return;
        at[entry][position] = true;
        any[entry] = true;
        if (position <= kChargedPositions && firstFieldingPosition[entry] == 0)
            firstFieldingPosition[entry] = position;
    }
};

// Record-game steps share these: the game, the set and where the streak
// highlights go.
struct Recorder {
    StatsSet& set;
    HighlightLists& lists;
    const Game& game;
    const RecordGameContext& context;
    RecordGameResult& result;

    const Team& team(int t) const { return game.team(t); }
    const Player& player(int t, int e) const { return team(t).player(e); }
    const BatterCounters& bat(int t, int e) const { return game.counters.batter[t][e]; }
    const PitcherCounters& pitch(int t, int e) const { return game.counters.pitcher[t][e]; }
    const FielderCounters& field(int t, int e) const { return game.counters.fielder[t][e]; }

    // The name travels with the player when entries are exchanged during the
    // game, and it is the name the figures are read back by before a game.
    PlayerKey key(int t, int e) const {
        const Player& p = player(t, e);
        const std::string& name = p.playerName.empty() ? p.nameAsLoaded : p.playerName;
        return MakePlayerKey(team(t).league, team(t).teamName, name);
    }

    void highlight(const std::string& text) {
        IoResult written = AddHighlight(&set, lists, context.gameCounter + 1, text);
        if (!written.ok) result.warnings.push_back(written.message);
    }
};

char BattingHand(char hand) {
    if (hand == 'r') return 'L';
    if (hand == 'l') return 'R';
    return hand;
}

void AddSplit(SplitCount& to, int total, const std::array<HandSplit, 2>& split,
              int HandSplit::*field) {
    to.total += total;
    to.vsR += split[1].*field;
    to.vsL += split[0].*field;
}

bool DesignatedHitterUsed(const Game& game, int t) {
    if (game.options.designatedHitter) return true;
    const TeamCounters& tc = game.counters.team[t];
    for (int slot = 1; slot <= kLineupSize; ++slot) {
        for (const SlotOccupant& o : tc.slotHistory[slot])
            if (o.position == kDesignatedHitter) return true;
    }
    return false;
}

bool TookPart(const BatterCounters& c) {
    return c.atBats != 0 || c.runs != 0 || c.walks != 0 || c.hitByPitch != 0 || c.sacrifices != 0 ||
           c.sacrificeFlies != 0 || c.stolenBases != 0 || c.caughtStealing != 0 || c.errors != 0 ||
           c.runsBattedIn != 0;
}

// One batting line per player and game. The player's figures may sit on
// more than one entry: the pitcher's batting slot is a stand-in entry that
// bears the name of whoever pitches and bats for him until he leaves, so a
// player's line is the sum over the entries carrying his name.
void RecordBatter(Recorder& r, const BatterCounters& c, const Player& p, const PlayerKey& key) {
    BattingRecord& rec = FindOrInsert(r.set.batting, key, BattingHand(p.hand));
    rec.lastGame = r.context.gameCounter;
    rec.games += 1;
    AddSplit(rec.atBats, c.atBats, c.vsHand, &HandSplit::atBats);
    rec.runs += c.runs;
    AddSplit(rec.hits, c.hits, c.vsHand, &HandSplit::hits);
    rec.runsBattedIn += c.runsBattedIn;
    AddSplit(rec.doubles, c.doubles, c.vsHand, &HandSplit::doubles);
    AddSplit(rec.triples, c.triples, c.vsHand, &HandSplit::triples);
    AddSplit(rec.homeRuns, c.homeRuns, c.vsHand, &HandSplit::homeRuns);
    rec.stolenBases += c.stolenBases;
    rec.caughtStealing += c.caughtStealing;
    AddSplit(rec.walks, c.walks, c.vsHand, &HandSplit::walks);
    rec.hitByPitch += c.hitByPitch;
    AddSplit(rec.strikeouts, c.strikeouts, c.vsHand, &HandSplit::strikeouts);
    rec.errors += c.errors;
    rec.groundedIntoDoublePlays += c.groundedIntoDoublePlays;
    rec.sacrificeHits += c.sacrifices;
    rec.sacrificeFlies += c.sacrificeFlies;
    if (c.hits > 0) {
        rec.hitStreak += 1;
    } else if (c.atBats > 0) {
        int streak = rec.hitStreak;
        rec.hitStreak = 0;
        if (streak >= r.context.streakMinimum && streak > 0)
            r.highlight(StreakEndsText(p.playerName, streak));
    }
}

// Who gets a batting line: every entry a slot history lists, the pitchers
// when a designated hitter batted for them, and any entry that batted or ran
// without being listed (the stand-in of the pitcher's slot is never listed).
void RecordBatting(Recorder& r, int t) {
    std::array<int, kRosterSize> order{};
    int count = 0;
    EntryFlags listed{};
    auto list = [&](int e) {
        if (e < 1 || e > kMaxRosterEntries || listed[e]) return;
        listed[e] = true;
        order[count++] = e;
    };
    const TeamCounters& tc = r.game.counters.team[t];
    for (int slot = 1; slot <= kLineupSize; ++slot) {
        for (const SlotOccupant& o : tc.slotHistory[slot]) list(o.entry);
    }
    if (DesignatedHitterUsed(r.game, t)) {
        const GameState& s = r.game.state;
        for (int k = 1; k <= s.pitchersUsed[t] && k <= kMaxRosterEntries; ++k)
            list(s.pitcherList[t][k]);
    }
    for (int e = 1; e <= kMaxRosterEntries; ++e) {
        if (TookPart(r.bat(t, e))) list(e);
    }

    std::array<PlayerKey, kRosterSize> keys;
    for (int i = 0; i < count; ++i) keys[i] = r.key(t, order[i]);
    EntryFlags done{};
    for (int i = 0; i < count; ++i) {
        int e = order[i];
        if (done[e]) continue;
        const PlayerKey& key = keys[i];
        BatterCounters line{};
        for (int j = i; j < count; ++j) {
            int other = order[j];
            if (done[other] || !(keys[j] == key)) continue;
            done[other] = true;
            AddCounters(line, r.bat(t, other));
        }
        RecordBatter(r, line, r.player(t, e), key);
    }
}

int RestNeeded(bool starter, int outs) {
    double ip = outs / 3.0;
    if (starter) return static_cast<int>(std::floor(1 + std::sqrt(3 * ip / 4)));
    return std::max(0, static_cast<int>(std::floor(std::sqrt(4 * ip) - 1.4)));
}

// One pitcher's game: his figures, his decision, and the rest he needs after
// it, by his outs (a starter needs more).
void RecordPitcher(Recorder& r, int t, int e, bool starter) {
    const GameState& s = r.game.state;
    const PitcherCounters& c = r.pitch(t, e);
    int outs = std::max(0, s.outsRecorded[t][e]);
    PitchingRecord& rec = FindOrInsert(r.set.pitching, r.key(t, e), upperChar(r.player(t, e).hand));
    rec.lastGame = r.context.gameCounter;
    rec.games += 1;
    rec.innings += outs / 3;
    rec.extraOuts += outs % 3;
    rec.runs += c.runs;
    rec.earnedRuns += c.earnedRuns;
    rec.hits += c.hits;
    rec.doubles += c.doubles;
    rec.triples += c.triples;
    rec.homeRuns += c.homeRuns;
    rec.walks += c.walks;
    rec.hitBatsmen += c.hitBatsmen;
    rec.strikeouts += c.strikeouts;
    rec.blownSaves += c.blownSaves;
    rec.battersFaced += c.battersFaced;
    rec.consecutiveGames += 1;
    TeamEntry me{t, e};
    if (s.winningPitcher == me) {
        rec.wins += 1;
    } else if (s.losingPitcher == me) {
        rec.losses += 1;
    } else if (s.savePitcher == me) {
        rec.saves += 1;
    }
    if (starter) rec.gamesStarted += 1;
    rec.restDaysNeeded = std::max(rec.restDaysNeeded, RestNeeded(starter, outs));
    if (rec.consecutiveGames == 3) rec.restDaysNeeded += 1;
    if (r.context.scheduleDay) rec.lastDayNumber = *r.context.scheduleDay;
    if (s.pitchersUsed[t] == 1) {
        rec.completeGames += 1;
        if (c.runs == 0) rec.shutouts += 1;
    }
}

// A staff pitcher who did not pitch: one game's rest off what he still
// needs, or the days since he last pitched in schedule play.
void RestPitcher(Recorder& r, int t, int e) {
    FindResult found = FindRecord(r.set.pitching, r.key(t, e));
    if (found.record == 0) return;
    PitchingRecord& rec = r.set.pitching.at(found.record);
    rec.consecutiveGames = 0;
    if (rec.restDaysNeeded <= 0) return;
    if (r.context.scheduleDay) {
        int today = *r.context.scheduleDay;
        int days = std::min(DaysBetween(rec.lastDayNumber, today), 5);
        rec.restDaysNeeded = std::max(rec.restDaysNeeded - days, 0);
        rec.lastDayNumber = today;
    } else {
        rec.restDaysNeeded -= 1;
    }
}

void RecordPitching(Recorder& r, int t) {
    const GameState& s = r.game.state;
    EntryFlags pitched{};
    int used = std::min(s.pitchersUsed[t], kMaxRosterEntries);
    for (int k = 1; k <= used; ++k) {
        int e = s.pitcherList[t][k];
        if (e < 1 || e > kMaxRosterEntries || pitched[e]) continue;
        pitched[e] = true;
        RecordPitcher(r, t, e, k == 1);
    }
    int last = std::min(r.team(t).lastPitcherEntry, kLastPitcherLimit);
    for (int e = kFirstPitcherEntry; e <= last; ++e) {
        if (!pitched[e] && !r.player(t, e).playerName.empty()) RestPitcher(r, t, e);
    }
}

Participation CollectParticipation(const Game& game, int t) {
    Participation part;
    const TeamCounters& tc = game.counters.team[t];
    for (int slot = 1; slot <= kLineupSize; ++slot) {
        for (const SlotOccupant& o : tc.slotHistory[slot]) {
            // The pitcher's batting slot in the line-up: his own entry fields.
            if (o.entry <= kLineupSize && o.position == kPitcher) continue;
            part.mark(o.entry, o.position);
        }
    }
    const GameState& s = game.state;
    for (int k = 1; k <= s.pitchersUsed[t] && k <= kMaxRosterEntries; ++k)
        part.mark(s.pitcherList[t][k], kPitcher);
    return part;
}

// Games at every position the entry took part at. The game counts a
// player's putouts, assists and errors for the whole game; they are credited
// at the first position he fielded.
void RecordFielding(Recorder& r, int t) {
    Participation part = CollectParticipation(r.game, t);
    for (int e = 1; e <= kMaxRosterEntries; ++e) {
        if (!part.any[e]) continue;
        bool counted = false;
        for (int p = 1; p <= kFieldingPositions; ++p) {
            if (!part.at[e][p]) continue;
            FieldingRecord& rec =
                FindOrInsert(r.set.fielding, r.key(t, e), upperChar(r.player(t, e).hand));
            rec.gamesAt[p] += 1;
            if (!counted) rec.games += 1;
            counted = true;
            if (p == part.firstFieldingPosition[e]) {
                const FielderCounters& c = r.field(t, e);
                rec.errorsAt[p] += c.errors;
                rec.assistsAt[p] += c.assists;
                rec.putoutsAt[p] += c.putouts;
            }
        }
    }
}

std::string PitcherName(const Game& game, TeamEntry who) {
    if (who.empty() || who.entry < 1 || who.entry > kMaxRosterEntries) return {};
    return game.team(who.team).player(who.entry).playerName;
}

GameTeamLine TeamLine(const Game& game, int t) {
    const Team& team = game.team(t);
    const TeamCounters& tc = game.counters.team[t];
    GameTeamLine line;
    line.league = team.league;
    line.division = team.division;
    line.teamName = team.teamName;
    line.runs = game.state.score[t];
    line.hits = tc.hits;
    line.errors = tc.errors;
    line.leftOnBase = tc.leftOnBase;
    line.doublePlays = tc.doublePlays;
    return line;
}

}  // namespace

GameRecord MakeGameRecord(const Game& game) {
    GameRecord g;
    g.visitors = TeamLine(game, kVisitors);
    g.home = TeamLine(game, kHome);
    g.winningPitcher = PitcherName(game, game.state.winningPitcher);
    g.losingPitcher = PitcherName(game, game.state.losingPitcher);
    g.savePitcher = PitcherName(game, game.state.savePitcher);
    return g;
}

std::vector<std::string> GameHighlightTexts(const SimulationRecord& record, int gameNumber) {
    std::vector<std::string> texts;
    for (const Highlight& h : record.highlights)
        if (h.gameNumber == gameNumber) texts.emplace_back(h.text.view());
    return texts;
}

RecordGameResult RecordGame(StatsSet& set, HighlightLists& lists, const Game& game,
                            const RecordGameContext& context,
                            std::span<const std::string> gameHighlights) {
    RecordGameResult result;
    // A set that is not open lives in memory only (a projected season): its
    // tables are kept up to date and no file is written.
    if (set.isOpen()) result.result = AppendGameRecord(set, MakeGameRecord(game));
    if (!result.result.ok) {
        result.result.message = "The game was not recorded: " + result.result.message;
        return result;
    }
    Recorder r{set, lists, game, context, result};
    for (const std::string& text : gameHighlights) r.highlight(text);
    for (int t = kVisitors; t <= kHome; ++t) RecordBatting(r, t);
    for (int t = kVisitors; t <= kHome; ++t) RecordPitching(r, t);
    for (int t = kVisitors; t <= kHome; ++t) RecordFielding(r, t);
    set.unsaved = true;
    return result;
}

}  // namespace vrk
