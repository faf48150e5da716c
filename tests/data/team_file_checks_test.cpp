#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "data/team_file_checks.h"
#include "data/team_test_support.h"

namespace vrk {
namespace {

using namespace vrk::testing;

// Each damaged copy of the standard team, what the loader must tell about
// it (with the line and column), and whether batch play would stop on it.
TEST(TeamFileChecks, DamagedFilesAreToldByLineAndColumn) {
    struct Case {
        const char* what;
        std::function<void(std::vector<std::string>&)> damage;
        std::string told;
        bool problem;
        bool abort;
    };
    const Case cases[] = {
        {"a tab", [](auto& l) { l[3].replace(8, 1, "\t"); }, "line 4, column 9: a tab", true,
         false},
        {"hits above at-bats", [](auto& l) { put(l[2], 28, "  9"); },
         "line 3, column 32: hits (100) above at-bats (9", true, false},
        {"a negative count", [](auto& l) { put(l[4], 48, "-40"); },
         "line 5, column 48: a negative number", false, false},
        {"a UTF-8 name", [](auto& l) { l[1].replace(9, 4, "\xc3\x81" "ble"); },
         "line 2, column 10: a byte outside ASCII", false, false},
        {"a line cut short", [](auto& l) { l[6].resize(40); }, "line 7, column 41: the line ends",
         false, false},
        {"bad park effects", [](auto& l) { l.push_back("*PE=abc/-999"); },
         "\"PE=abc/-999\": park effects", false, false},
        {"an unknown colour", [](auto& l) { l.push_back("*COL=NOPE"); },
         "\"COL=NOPE\": no such colour", false, false},
        {"two pitchers in the line-up", [](auto& l) { put(l[1], 7, " 1"); },
         "More than one line-up line has position 1", true, false},
        {"no pitcher or DH", [](auto& l) { put(l[9], 7, " 7"); }, "No pitcher or DH in Lineup",
         true, false},
        {"a player without a name", [](auto& l) { put(l[2], 10, std::string(18, ' ')); },
         "No name in columns 10-27", true, false},
        {"nobody can be put out",
         [](auto& l) {
             // With a designated hitter: the pitcher does not bat for himself.
             put(l[9], 7, "10");
             for (std::size_t i = 1; i <= 9; ++i) putNumbers(l[i], {28, 999, 32, 999});
         },
         "No batter of the line-up can be put out", false, true},
        {"nobody can reach base",
         [](auto& l) {
             for (std::size_t i = 1; i <= 9; ++i) putNumbers(l[i], {32, 0, 48, 0});
         },
         "No batter of the line-up can reach base", false, true},
    };
    for (const Case& c : cases) {
        std::vector<std::string> lines = standardTeam();
        c.damage(lines);
        const Loaded loaded = loadLines(lines);
        EXPECT_TRUE(anyWarningHas(loaded.result, c.told)) << c.what;
        EXPECT_EQ(loaded.result.problem, c.problem) << c.what;
        EXPECT_EQ(loaded.result.abort, c.abort) << c.what;
    }
}

// Ordinary line-ups, odd single players included, are played without a word.
TEST(TeamFileChecks, UnusualButRealPlayersAreAccepted) {
    std::vector<std::string> lines = standardTeam();
    putNumbers(lines[1], {28, 1, 32, 1, 36, 0, 40, 0, 44, 0});          // 1 for 1
    putNumbers(lines[2], {28, 12, 32, 0, 36, 0, 40, 0, 44, 0, 48, 0});  // 0 for 12
    lines.push_back("*PE=105/98,COL=BRIGHT BLUE,DH=Y");
    const Loaded loaded = loadLines(lines);
    EXPECT_FALSE(loaded.result.abort);
    EXPECT_FALSE(loaded.result.problem);
    EXPECT_TRUE(loaded.result.warnings.empty()) << loaded.result.warnings.front();
}

}  // namespace
}  // namespace vrk
