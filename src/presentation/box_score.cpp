#include "presentation/box_score.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "core/text_fields.h"
#include "data/stats_table.h"

namespace vrk {

namespace {

constexpr std::size_t kNoteWidth = 18;
constexpr std::size_t kMaxNotes = 30;
constexpr std::size_t kMaxBattingLines = 30;
constexpr std::size_t kRowWidth = 90;
constexpr std::size_t kPitcherWidth = 39;
constexpr std::size_t kNameWidth = 11;
constexpr int kHomeOffset = 45;  // home fields start 45 columns right of the visitors'

// Places text at a 1-based column of a line, growing it when needed.
void Put(std::string& line, int col, std::string_view text) {
    const std::size_t at = col - 1;
    if (line.size() < at + text.size()) line.resize(at + text.size(), ' ');
    line.replace(at, text.size(), text);
}

std::string Cut(std::string_view text, std::size_t width) {
    return std::string(text.substr(0, width));
}

// A single character: 0-9 as is, larger values by their first digit.
std::string Digit(int value) {
    if (value < 0) value = 0;
    return std::to_string(value).substr(0, 1);
}

std::string Number2(int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%2d", value);
    return buffer;
}

const std::string& NameOf(const Player& p) {
    return p.playerName.empty() ? p.nameAsLoaded : p.playerName;
}

// The key the game was recorded under, so the season totals are this
// player's own.
PlayerKey KeyOf(const Game& game, int t, int e) {
    const Team& team = game.team(t);
    return MakePlayerKey(team.league, team.teamName, NameOf(team.player(e)));
}

const BattingRecord* SeasonBatting(const Game& game, const StatsSet* set, int t, int e) {
    if (set == nullptr) return nullptr;
    const FindResult found = FindRecord(set->batting, KeyOf(game, t, e));
    return found.record == 0 ? nullptr : &set->batting.at(found.record);
}

const PitchingRecord* SeasonPitching(const Game& game, const StatsSet* set, int t, int e) {
    if (set == nullptr) return nullptr;
    const FindResult found = FindRecord(set->pitching, KeyOf(game, t, e));
    return found.record == 0 ? nullptr : &set->pitching.at(found.record);
}

struct NoteCategory {
    const char* label;
    int BatterCounters::*count;
    std::int32_t (*seasonTotal)(const BattingRecord&);
};

const std::array<NoteCategory, 6> kCategories{{
    {"Errors:", &BatterCounters::errors, [](const BattingRecord& r) { return r.errors; }},
    {"Doubles:", &BatterCounters::doubles, [](const BattingRecord& r) { return r.doubles.total; }},
    {"Triples:", &BatterCounters::triples, [](const BattingRecord& r) { return r.triples.total; }},
    {"Home Runs:", &BatterCounters::homeRuns,
     [](const BattingRecord& r) { return r.homeRuns.total; }},
    {"Stolen Bases:", &BatterCounters::stolenBases,
     [](const BattingRecord& r) { return r.stolenBases; }},
    {"Caught Stealing:", &BatterCounters::caughtStealing,
     [](const BattingRecord& r) { return r.caughtStealing; }},
}};

std::vector<std::string> Notes(const Game& game, const StatsSet* set, int t) {
    std::vector<std::string> notes;
    const auto add = [&](std::string text) {
        if (notes.size() < kMaxNotes) notes.push_back(padRight(text, kNoteWidth));
    };
    for (const NoteCategory& category : kCategories) {
        bool labelled = false;
        for (int e = 1; e <= kMaxRosterEntries; ++e) {
            const int count = game.counters.batter[t][e].*category.count;
            if (count == 0) continue;
            if (!labelled) add(category.label);
            labelled = true;
            std::string line =
                concat({" ", trimRight(Cut(NameOf(game.team(t).player(e)), kNameWidth))});
            if (count > 1) line += concat({" ", std::to_string(count)});
            if (const BattingRecord* season = SeasonBatting(game, set, t, e)) {
                line += " (" + std::to_string(category.seasonTotal(*season)) + ")";
            }
            add(line);
        }
    }
    const TeamCounters& tc = game.counters.team[t];
    if (tc.doublePlays != 0) add("Double Play: " + std::to_string(tc.doublePlays));
    if (tc.leftOnBase != 0) add("LOB: " + std::to_string(tc.leftOnBase));
    return notes;
}

struct BattingLine {
    char mark = ' ';
    int entry = 0;
    std::vector<int> alsoEntries;  // entries whose batting is shown on this line
};

// Entries that batted but held no slot. The pitcher's slot of a team file
// has a line of its own (the pitchers' batting), under which the pitchers'
// turns at bat are counted: their batting belongs on the slot's first line.
std::vector<int> UnlistedBatters(const Game& game, int t) {
    std::array<bool, kRosterSize> listed{};
    for (const auto& history : game.counters.team[t].slotHistory) {
        for (const SlotOccupant& o : history) {
            if (o.entry >= 1 && o.entry <= kMaxRosterEntries) listed[o.entry] = true;
        }
    }
    std::vector<int> unlisted;
    for (int e = 1; e <= kMaxRosterEntries; ++e) {
        const BatterCounters& b = game.counters.batter[t][e];
        const bool batted =
            b.atBats || b.runs || b.hits || b.runsBattedIn || b.walks || b.strikeouts;
        if (batted && !listed[e]) unlisted.push_back(e);
    }
    return unlisted;
}

bool InPitchingStaff(const Team& team, int entry) {
    return entry > kLineupSize && entry <= team.lastPitcherEntry;
}

std::vector<BattingLine> BattingLines(const Game& game, int t) {
    std::vector<BattingLine> lines;
    std::array<bool, kRosterSize> shown{};
    const TeamCounters& tc = game.counters.team[t];
    for (int slot = 1; slot <= kLineupSize; ++slot) {
        const auto& history = tc.slotHistory[slot];
        if (history.empty()) continue;
        const bool pitcherSlot = history[0].position == kPitcher;
        for (int k = 0; k < history.count; ++k) {
            const int e = history[k].entry;
            if (e < 1 || e > kMaxRosterEntries || shown[e]) continue;
            const BatterCounters& b = game.counters.batter[t][e];
            const bool batted = b.atBats || b.runs || b.hits || b.runsBattedIn;
            // Relievers who came and went in the pitcher's slot without
            // batting would only crowd the lines.
            if (k > 0 && pitcherSlot && InPitchingStaff(game.team(t), e) && !batted) continue;
            shown[e] = true;
            char mark = ' ';
            if (k == 0) mark = static_cast<char>('0' + history[0].position % 10);
            BattingLine line{mark, e, {}};
            if (k == 0 && pitcherSlot) line.alsoEntries = UnlistedBatters(game, t);
            if (lines.size() < kMaxBattingLines) lines.push_back(line);
        }
    }
    return lines;
}

void PutBatting(std::string& row, int col, const Game& game, int t, const BattingLine& line) {
    const Player& p = game.team(t).player(line.entry);
    BatterCounters b = game.counters.batter[t][line.entry];
    for (int also : line.alsoEntries) {
        const BatterCounters& o = game.counters.batter[t][also];
        b.atBats += o.atBats, b.runs += o.runs, b.hits += o.hits;
        b.runsBattedIn += o.runsBattedIn, b.walks += o.walks, b.strikeouts += o.strikeouts;
    }
    Put(row, col, std::string(1, line.mark));
    Put(row, col + 2, padRight(Cut(NameOf(p), kNameWidth), kNameWidth));
    const std::array<int, 6> figures{b.atBats,       b.runs,  b.hits,
                                     b.runsBattedIn, b.walks, b.strikeouts};
    for (std::size_t k = 0; k < figures.size(); ++k) {
        Put(row, col + 14 + 2 * static_cast<int>(k), Digit(figures[k]));
    }
}

std::string BattingHeader(const Team& team) {
    return padRight(Cut(team.teamName, kNameWidth), kNameWidth) + "  AB R H B W K";
}

std::vector<int> PitchersUsed(const GameState& s, int t) {
    std::vector<int> pitchers;
    const int used = std::min(s.pitchersUsed[t], kMaxRosterEntries);
    for (int k = 1; k <= used; ++k) {
        const int e = s.pitcherList[t][k];
        if (e < 1 || e > kMaxRosterEntries) continue;
        if (std::find(pitchers.begin(), pitchers.end(), e) == pitchers.end()) pitchers.push_back(e);
    }
    return pitchers;
}

std::string Decision(const Game& game, const StatsSet* set, int t, int e) {
    const TeamEntry me{t, e};
    const GameState& s = game.state;
    const PitchingRecord* season = SeasonPitching(game, set, t, e);
    const auto record = [&] {
        if (season == nullptr) return std::string();
        return concat(
            {"(", std::to_string(season->wins), "-", std::to_string(season->losses), ")"});
    };
    if (s.winningPitcher == me) return concat({" W", record()});
    if (s.losingPitcher == me) return concat({" L", record()});
    if (s.savePitcher == me) {
        if (season == nullptr) return " S";
        return concat({" S(", std::to_string(season->saves), ")"});
    }
    return {};
}

std::string PitcherField(const Game& game, const StatsSet* set, int t, int e) {
    const PitcherCounters& c = game.counters.pitcher[t][e];
    const std::string decision = Decision(game, set, t, e);
    // The name gives way to the decision, which is the news of the line.
    const std::size_t nameRoom = decision.size() < 18 ? 18 - decision.size() : 0;
    std::string field = Cut(NameOf(game.team(t).player(e)), nameRoom) + decision;
    field = padRight(Cut(field, 18), kPitcherWidth);
    Put(field, 19, InningsPitchedText(game.state.outsRecorded[t][e]));
    const std::array<int, 5> figures{c.hits, c.runs, c.earnedRuns, c.walks, c.strikeouts};
    for (std::size_t k = 0; k < figures.size(); ++k) {
        Put(field, 26 + 3 * static_cast<int>(k), Number2(figures[k]));
    }
    return field;
}

// "Label: Name, Name 2" wrapped into fields of the pitching width.
std::vector<std::string> Closing(std::string_view label,
                                 const std::vector<std::pair<std::string, int>>& who) {
    std::vector<std::string> lines;
    if (who.empty()) return lines;
    std::string line(label);
    bool first = true;
    for (const auto& [name, count] : who) {
        std::string item = std::string(trimRight(Cut(name, kNameWidth)));
        if (count > 1) item += concat({" ", std::to_string(count)});
        const std::string joined = line + (first ? " " : ", ") + item;
        if (!first && joined.size() > kPitcherWidth) {
            lines.push_back(line + ",");
            line = "  " + item;
        } else {
            line = joined;
        }
        first = false;
    }
    lines.push_back(line);
    return lines;
}

std::vector<std::string> ClosingLines(const Game& game, int t) {
    const Team& team = game.team(t);
    const std::vector<int> pitchers = PitchersUsed(game.state, t);
    const auto byPitcher = [&](int PitcherCounters::*count) {
        std::vector<std::pair<std::string, int>> who;
        for (int e : pitchers) {
            const int n = game.counters.pitcher[t][e].*count;
            if (n > 0) who.emplace_back(NameOf(team.player(e)), n);
        }
        return who;
    };
    std::vector<int> catcherOrder;
    std::array<int, kRosterSize> passed{};
    for (int e : game.counters.team[t].passedBalls) {
        if (e < 1 || e > kMaxRosterEntries) continue;
        if (passed[e]++ == 0) catcherOrder.push_back(e);
    }
    std::vector<std::pair<std::string, int>> catchers;
    for (int e : catcherOrder) catchers.emplace_back(NameOf(team.player(e)), passed[e]);
    std::vector<std::string> lines;
    for (auto part : {Closing("Blown Save:", byPitcher(&PitcherCounters::blownSaves)),
                      Closing("WP:", byPitcher(&PitcherCounters::wildPitches)),
                      Closing("Passed Ball:", catchers),
                      Closing("HBP:", byPitcher(&PitcherCounters::hitBatsmen))}) {
        lines.insert(lines.end(), part.begin(), part.end());
    }
    return lines;
}

std::string SideBySide(const std::string& left, const std::string& right) {
    return std::string(trimRight(padRight(left, kPitcherWidth) + " " + right));
}

int LastInning(const Game& game) {
    return std::clamp(game.state.inning, 1, 30);
}

std::string Number3(int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%3d", value);
    return buffer;
}

std::string LineScoreLine(const Game& game, int t) {
    const int last = LastInning(game);
    const TeamCounters& tc = game.counters.team[t];
    const auto& s = game.state;
    std::string line = padRight(trim(game.team(t).teamName), 12);
    for (int i = 1; i <= last; ++i) {
        const int runs = tc.runsByInning[i];
        // A home side that led after the top of the last inning never batted.
        const bool unplayed = t == kHome && i == last && s.gameOver && runs == 0 &&
                              s.score[kHome] > s.score[kVisitors];
        line += unplayed ? "  x" : Number3(runs);
    }
    return line + " " + Number3(s.score[t]) + Number3(tc.hits) + Number3(tc.errors);
}

}  // namespace

std::string InningsPitchedText(int outs) {
    outs = std::max(outs, 0);
    // A blank keeps "3 2/3" from reading as thirty-two thirds.
    static constexpr std::array<const char*, 3> kThirds{"    ", " 1/3", " 2/3"};
    return Number2(outs / 3) + kThirds[outs % 3];
}

LineScore BoxLineScore(const Game& game) {
    LineScore score;
    score.header = std::string(12, ' ');
    for (int i = 1; i <= LastInning(game); ++i) score.header += Number3(i);
    score.header += "   R  H  E";
    score.visitors = LineScoreLine(game, kVisitors);
    score.home = LineScoreLine(game, kHome);
    return score;
}

std::vector<std::string> BoxScoreLines(const Game& game, const BoxScoreOptions& options) {
    std::vector<std::string> out;
    out.emplace_back("~");
    if (options.gameSeed != 0) out.push_back("Seed: " + std::to_string(options.gameSeed));

    // The home header starts where the home fields do, so its column heads
    // stand over their numbers.
    std::string header = BattingHeader(game.team(kVisitors));
    Put(header, 1 + kHomeOffset, BattingHeader(game.team(kHome)));
    out.push_back(header);

    std::array<std::vector<BattingLine>, 3> batting;
    std::array<std::vector<std::string>, 3> notes;
    for (int t = kVisitors; t <= kHome; ++t) {
        batting[t] = BattingLines(game, t);
        notes[t] = Notes(game, options.season, t);
    }
    std::size_t rows = 0;
    for (int t = kVisitors; t <= kHome; ++t) {
        rows = std::max({rows, batting[t].size(), notes[t].size()});
    }
    for (std::size_t r = 0; r < rows; ++r) {
        std::string row(kRowWidth, ' ');
        for (int t = kVisitors; t <= kHome; ++t) {
            const int col = 1 + (t == kHome ? kHomeOffset : 0);
            if (r < batting[t].size()) PutBatting(row, col, game, t, batting[t][r]);
            if (r < notes[t].size()) Put(row, col + 26, notes[t][r]);
        }
        out.emplace_back(trimRight(row));
    }

    out.emplace_back();
    out.emplace_back(concat({"~", SideBySide("Pitcher           IP      H  R ER BB SO",
                                             "Pitcher           IP      H  R ER BB SO")}));
    const std::vector<int> visitors = PitchersUsed(game.state, kVisitors);
    const std::vector<int> home = PitchersUsed(game.state, kHome);
    for (std::size_t k = 0; k < std::max(visitors.size(), home.size()); ++k) {
        const std::string left =
            k < visitors.size() ? PitcherField(game, options.season, kVisitors, visitors[k]) : "";
        const std::string right =
            k < home.size() ? PitcherField(game, options.season, kHome, home[k]) : "";
        out.push_back(SideBySide(left, right));
    }

    const std::vector<std::string> closeV = ClosingLines(game, kVisitors);
    const std::vector<std::string> closeH = ClosingLines(game, kHome);
    if (!closeV.empty() || !closeH.empty()) out.emplace_back();
    for (std::size_t k = 0; k < std::max(closeV.size(), closeH.size()); ++k) {
        out.push_back(
            SideBySide(k < closeV.size() ? closeV[k] : "", k < closeH.size() ? closeH[k] : ""));
    }

    const LineScore score = BoxLineScore(game);
    out.emplace_back();
    out.push_back(score.header);
    out.push_back(score.visitors);
    out.push_back(score.home);
    return out;
}

}  // namespace vrk
