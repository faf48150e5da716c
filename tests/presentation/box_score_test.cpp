#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include <fstream>
#include "core/text_fields.h"
#include "data/stats_set.h"
#include "data/stats_table.h"
#include "data/stats_test_support.h"
#include "engine/play_game.h"
#include "engine/stats_record_game.h"
#include "engine/test_teams.h"
#include "presentation/box_score.h"
#include "presentation/game_files.h"
#include "presentation/text_output.h"

namespace vrk {
namespace {

using testing::GameFixture;

int Num(const std::string& line, int col, int width) {
    return static_cast<int>(integerPrefix(field(line, col, col + width - 1)));
}

// Index of the first line after the batting rows (the blank line).
std::size_t BattingEnd(const std::vector<std::string>& box) {
    for (std::size_t k = 2; k < box.size(); ++k) {
        if (box[k].empty()) return k;
    }
    return box.size();
}

std::size_t HeaderRow(const std::vector<std::string>& box) {
    return box.size() > 1 && box[1].rfind("Game seed:", 0) == 0 ? 2 : 1;
}

// A game set up by hand: the visitors' nine starters, one pitcher each.
void StartersOnly(Game& game) {
    for (int t = kVisitors; t <= kHome; ++t) {
        for (int slot = 1; slot <= kLineupSize; ++slot) {
            // The pitcher's slot starts with the starting pitcher himself.
            const int position = game.team(t).player(slot).lineupPosition;
            game.counters.of(t).slotHistory[static_cast<std::size_t>(slot)].push(
                {position == kPitcher ? 10 : slot, position});
        }
        game.state.pitchersUsed[static_cast<std::size_t>(t)] = 1;
        game.state.pitcherList[static_cast<std::size_t>(t)][1] = 10;
    }
    game.state.inning = 9;
}

TEST(BoxScore, EdgeCasesOfTheLayout) {
    GameFixture f(1, true);
    Game& g = *f.game;
    StartersOnly(g);
    g.state.outsRecorded[kVisitors][10] = 7;
    g.state.outsRecorded[kHome][10] = 27;
    g.counters.bat(kHome, 4).homeRuns = 2;
    g.counters.bat(kHome, 4).atBats = 12;  // a count of ten or more shows its first digit
    g.state.winningPitcher = {kHome, 10};
    const std::vector<std::string> box = BoxScoreLines(g);

    EXPECT_EQ(box.front(), "~");
    const std::size_t header = HeaderRow(box);
    EXPECT_EQ(header, 1u) << "no seed line without a seed";
    // The home header stands over the home numbers: "AB" ends at their column.
    EXPECT_EQ(field(box[header], 59, 60), "AB");
    EXPECT_EQ(field(box[header], 14, 15), "AB");
    const std::size_t end = BattingEnd(box);
    ASSERT_EQ(end - header - 1, 9u) << "nine starters, and notes only for the home team";
    for (std::size_t row = header + 1; row < end; ++row) {
        // The visitors have no errors, extra-base hits, steals or double plays.
        EXPECT_EQ(trim(field(box[row], 27, 44)), "") << box[row];
    }
    // The designated hitter bats ninth and is marked 0.
    EXPECT_EQ(charAt(box[end - 1], 1), '0');
    EXPECT_EQ(charAt(box[end - 1], 46), '0');
    EXPECT_EQ(charAt(box[header + 4], 60), '1');
    EXPECT_EQ(trim(field(box[header + 1], 72, 89)), "Home Runs:");
    EXPECT_EQ(trim(field(box[header + 2], 72, 89)), "Dunn, Dee 2");

    const std::string& pitchers = box[end + 2];
    EXPECT_EQ(field(pitchers, 19, 24), " 2 1/3");
    EXPECT_EQ(field(pitchers, 40 + 19, 40 + 24), " 9    ");
    EXPECT_NE(pitchers.find("Pitcher, No10 W"), std::string::npos) << pitchers;
    for (const std::string& line : box) {
        EXPECT_EQ(line.find('('), std::string::npos) << "no season totals without a set: " << line;
    }
    EXPECT_EQ(InningsPitchedText(0), " 0    ");
    EXPECT_EQ(InningsPitchedText(8), " 2 2/3");

    BoxScoreOptions seeded;
    seeded.gameSeed = 987;
    EXPECT_EQ(BoxScoreLines(g, seeded)[1], "Seed: 987");
}

TEST(BoxScore, PitchersSlotKeepsOnlyRelieversWhoBatted) {
    GameFixture f(1, false);
    Game& g = *f.game;
    StartersOnly(g);
    auto& slot9 = g.counters.of(kVisitors).slotHistory[9];
    slot9.push({11, kPitcher});  // came and went without batting
    slot9.push({16, 7});         // pinch hitter
    slot9.push({12, kPitcher});  // batted
    g.counters.bat(kVisitors, 12).atBats = 1;
    g.counters.bat(kVisitors, 16).atBats = 1;
    const std::vector<std::string> box = BoxScoreLines(g);
    std::string names;
    for (std::size_t row = 2; row < BattingEnd(box); ++row) {
        names += std::string(trim(field(box[row], 1, 13))) + "|";
    }
    EXPECT_EQ(names,
              "2 Abel, Al|3 Baker, Bo|4 Cole, Cy|5 Dunn, Dee|6 Eads, Ed|7 Funk, Fay|8 Gore, Gus|"
              "9 Hale, Hal|1 Pitcher, No|Bench, No16|Pitcher, No|");
}

// Seeded games recorded in a statistics set: every box score's batting and
// pitching figures are the game's counters, and its decisions carry the
// pitchers' season records from the set.
TEST(BoxScore, SeededGamesAgreeWithCountersAndTheStatisticsSet) {
    stats_testing::ScratchFolder dir;
    StatsSet set;
    ASSERT_TRUE(OpenStatsSet(set, dir.str(), "BOXES").ok);
    HighlightLists lists;
    int checkedBatters = 0, checkedPitchers = 0;
    for (int g = 0; g < 60; ++g) {
        GameFixture f(static_cast<std::uint64_t>(700 + g), g % 3 != 0);
        Game& game = *f.game;
        PlayGame(game);
        ASSERT_TRUE(RecordGame(set, lists, game, {g, std::nullopt, 20}).result.ok);
        const std::vector<std::string> box = BoxScoreLines(game, {&set, 0});

        const auto key = [&](int t, int e) {
            return MakePlayerKey(game.team(t).league, game.team(t).teamName,
                                 game.team(t).player(e).playerName);
        };
        const std::size_t end = BattingEnd(box);
        for (int t = kVisitors; t <= kHome; ++t) {
            const int offset = t == kHome ? 45 : 0;
            std::map<std::string, int> entryByName;
            for (int e = 1; e <= kMaxRosterEntries; ++e) {
                const std::string name = game.team(t).player(e).playerName.substr(0, 11);
                entryByName[name] = entryByName.count(name) ? -1 : e;
            }
            std::array<int, 6> sums{}, counted{};
            bool oneDigit = true;
            for (std::size_t row = HeaderRow(box) + 1; row < end; ++row) {
                const std::string name(trimRight(field(box[row], offset + 3, offset + 13)));
                if (name.empty()) continue;
                std::array<int, 6> shown{};
                for (int k = 0; k < 6; ++k) {
                    shown[k] = Num(box[row], offset + 15 + 2 * k, 1);
                    sums[k] += shown[k];
                }
                const int e = entryByName[name];
                if (e <= 0) continue;
                const BatterCounters& b = game.counters.batter[t][e];
                const std::array<int, 6> game6{b.atBats,       b.runs,  b.hits,
                                               b.runsBattedIn, b.walks, b.strikeouts};
                for (int v : game6) oneDigit = oneDigit && v < 10;
                if (!oneDigit) continue;
                EXPECT_EQ(shown, game6) << box[row];
                ++checkedBatters;
            }
            for (int e = 1; e <= kMaxRosterEntries; ++e) {
                const BatterCounters& b = game.counters.batter[t][e];
                const std::array<int, 6> v{b.atBats,       b.runs,  b.hits,
                                           b.runsBattedIn, b.walks, b.strikeouts};
                for (int k = 0; k < 6; ++k) counted[k] += v[k];
            }
            if (oneDigit) {
                EXPECT_EQ(sums, counted) << "team " << t << " of game " << g;
            }
            EXPECT_EQ(sums[1], game.state.score[t]);

            // Pitchers, in order of appearance.
            std::vector<int> order;
            for (int k = 1; k <= game.state.pitchersUsed[t]; ++k) {
                const int e = game.state.pitcherList[t][k];
                if (std::find(order.begin(), order.end(), e) == order.end()) order.push_back(e);
            }
            for (std::size_t k = 0; k < order.size(); ++k) {
                const std::string& row = box[end + 2 + k];
                const int e = order[k];
                const int col = t == kHome ? 40 : 0;
                const std::string fraction(field(row, col + 22, col + 24));
                const int outs = 3 * Num(row, col + 19, 2) + (fraction == "1/3"   ? 1
                                                              : fraction == "2/3" ? 2
                                                                                  : 0);
                const std::array<int, 6> shown{outs,
                                               Num(row, col + 26, 2),
                                               Num(row, col + 29, 2),
                                               Num(row, col + 32, 2),
                                               Num(row, col + 35, 2),
                                               Num(row, col + 38, 2)};
                const PitcherCounters& c = game.counters.pitcher[t][e];
                EXPECT_EQ(shown, (std::array<int, 6>{game.state.outsRecorded[t][e], c.hits, c.runs,
                                                     c.earnedRuns, c.walks, c.strikeouts}))
                    << row;
                const PitchingRecord& now =
                    set.pitching.at(FindRecord(set.pitching, key(t, e)).record);
                const std::string name(field(row, col + 1, col + 18));
                if (game.state.winningPitcher == TeamEntry{t, e}) {
                    const std::string record =
                        " W(" + std::to_string(now.wins) + "-" + std::to_string(now.losses) + ")";
                    EXPECT_NE(name.find(record), std::string::npos) << row;
                }
                if (game.state.savePitcher == TeamEntry{t, e}) {
                    EXPECT_NE(name.find(" S(" + std::to_string(now.saves) + ")"), std::string::npos)
                        << row;
                }
                ++checkedPitchers;
            }
        }
        // The line score closes the box: runs, hits and errors of each side.
        const LineScore score = BoxLineScore(game);
        EXPECT_EQ(box.back(), score.home);
        for (int t = kVisitors; t <= kHome; ++t) {
            const std::string& line = t == kHome ? score.home : score.visitors;
            const std::string rhe = line.substr(line.size() - 9);
            EXPECT_EQ(Num(rhe, 1, 3), game.state.score[t]);
            EXPECT_EQ(Num(rhe, 4, 3), game.counters.team[t].hits);
            EXPECT_EQ(Num(rhe, 7, 3), game.counters.team[t].errors);
        }
    }
    EXPECT_GT(checkedBatters, 900);
    EXPECT_GT(checkedPitchers, 100);
}

TEST(GameFiles, EntriesHaveTheirHeaderLines) {
    std::tm now{};
    now.tm_year = 126, now.tm_mon = 3, now.tm_mday = 9, now.tm_hour = 7, now.tm_min = 5;
    EXPECT_EQ(PerGameHeader(now, 12, 3),
              "04-09-2026 07:05:00  #12---" + std::string(10, '-') + " ");
    EXPECT_EQ(PerGameHeader(now, 1, 2, "05/01/26"), "04-09-2026 07:05:00  #1-- 05/01/26");

    const LineScore score{"             1  2   R  H  E", "AAA           1  0   1  5  0",
                          "BBB           0  2   2  6  1"};
    const auto line = LineScoreFileEntry("H", score);
    ASSERT_EQ(line.size(), 4u);
    EXPECT_EQ(line[1].size(), score.visitors.size());
    EXPECT_EQ(line[1].substr(line[1].size() - 9), "  R  H  E");

    const auto box = BoxScoreFileEntry("H", {"~", "~Pitcher", "a~b"});
    EXPECT_EQ(box, (std::vector<std::string>{"H", "", "Pitcher", "a~b"}));

    const auto card = ScoreCardFileEntry("H", score, {"~     Inn. 1: AAA   ", "x  "});
    EXPECT_EQ(card[0], "");
    EXPECT_EQ(card[1], "H");
    EXPECT_EQ(card[3].size(), score.visitors.size());
    EXPECT_EQ(card[3].substr(card[3].size() - 7), "R  H  E");
    EXPECT_EQ(card[7], "     Inn. 1: AAA");
    EXPECT_EQ(card[8], "x");
}

// A printer name goes to the print command through ~LIST.TMP; without one,
// or when it fails, the lines are kept in a file of that name.
TEST(GameFiles, PrinterNamesNeverLoseAGame) {
    stats_testing::ScratchFolder dir;
    const std::string folder = dir.str() + "/";
    struct Case {
        bool installed;
        int status;
        bool keptInFile;
        bool told;
    };
    for (const Case c :
         {Case{true, 0, false, false}, Case{true, 1, true, true}, Case{false, 0, true, false}}) {
        std::filesystem::remove(folder + "lpt1");
        std::vector<std::vector<std::string>> runs;
        Printer printer;
        printer.available = [&](const std::string&) { return c.installed; };
        printer.run = [&](const std::vector<std::string>& argv) {
            runs.push_back(argv);
            return c.status;
        };
        const PerGameOutcome outcome = AppendPerGameFile("lpt1", folder, {"a", "b"}, printer);
        EXPECT_TRUE(outcome.kept);
        EXPECT_EQ(!outcome.message.empty(), c.told) << outcome.message;
        EXPECT_EQ(runs.size(), c.installed ? 1u : 0u);
        if (c.installed) {
            EXPECT_EQ(runs[0], (std::vector<std::string>{"lpr", folder + "~LIST.TMP"}));
        }
        EXPECT_EQ(std::filesystem::exists(folder + (c.keptInFile ? "lpt1" : "x")), c.keptInFile);
    }
    // Other names are appended to, game after game.
    Printer none;
    EXPECT_TRUE(AppendPerGameFile("BOXES", folder, {"one"}, none).kept);
    EXPECT_TRUE(AppendPerGameFile("BOXES", folder, {"two"}, none).kept);
    std::ifstream in(folder + "BOXES");
    std::string a, b;
    std::getline(in, a), std::getline(in, b);
    EXPECT_EQ(a + b, "onetwo");
    EXPECT_FALSE(AppendPerGameFile("BOXES", folder + "nowhere/", {"x"}, none).kept);
}

}  // namespace
}  // namespace vrk
