#include "data/option_string.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "data/series_file.h"

namespace vrk {
namespace {

RunSettings parse(std::string_view text) {
    RunSettings s;
    parseOptionString(text, s);
    return s;
}

TEST(OptionString, TokensStartAtSlashAndStopAtBlankOrSlash) {
    const auto tokens = tokenizeOptionString("xx /V:tigers.dat/H:Cubs  junk /n:3");
    ASSERT_EQ(tokens.size(), 3u);
    EXPECT_EQ(tokens[0].text, "/V:TIGERS.DAT");
    EXPECT_EQ(tokens[1].text, "/H:CUBS");
    EXPECT_EQ(tokens[1].raw, "/H:Cubs");
    EXPECT_EQ(tokens[2].text, "/N:3");

    const RunSettings s = parse("xx /V:TIGERS.DAT/H:CUBS");
    EXPECT_EQ(s.visitor, "TIGERS");
    EXPECT_EQ(s.home, "CUBS");
    EXPECT_EQ(s.games, 1);

    // Cut to 25 characters before anything is read from the token.
    const auto cut = tokenizeOptionString("/ST:ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_EQ(cut[0].text, "/ST:ABCDEFGHIJKLMNOPQRSTU");
    EXPECT_EQ(parse("/V:LONGTEAMNAME").visitor, "LONGTEAM");
    EXPECT_EQ(parse("/ST:season98.sts").statsSet, "SEASON98");
    EXPECT_TRUE(tokenizeOptionString("no tokens here").empty());
}

TEST(OptionString, ValuesBareFormsAndLaterTokensWin) {
    RunSettings s = parse(
        "/P:..\\teams /PW:out\\ /SCH:season.xyz /SER:playoff /STB:vz.txt /BX:box.prn /SC:card "
        "/LS:lines /SP: /VP:R4 /HP:S3 /AUL /VBO:C /HBO:Q /FOC:Y /SPT /VSPT:N /HAM /DH:A "
        "/DEL:4 /C:C /S:X /PG /PD:N /ERA:1998A /DEBUG /NOOPT /CC:120 /CR:40 /X /T:2.5 /SEED:123");
    // Text settings in declaration order; "Q" is no batting-order method.
    EXPECT_EQ((std::vector<std::string>{s.dataPath,        s.writePath,
                                        s.scheduleName,    s.seriesName,
                                        s.vazaZevFile,     s.boxScoreFile,
                                        s.scoreCardFile,   s.lineScoreFile,
                                        s.rotationMethod,  s.teamRotation[1],
                                        s.teamRotation[2], s.autoLineup[1],
                                        s.autoLineup[2],   s.battingOrder[1],
                                        s.battingOrder[2], s.regressionOption,
                                        s.spotStarters,    s.teamSpotStarters[1],
                                        s.autoManager[2],  s.dhRule,
                                        s.fireworksColor,  s.sound,
                                        s.saveEveryGame,   s.saveEachDate,
                                        s.normalizeMode,   s.debug,
                                        s.noOptions,       s.quiet}),
              (std::vector<std::string>{
                  "../teams/", "out/", "SEASON.SCH", "PLAYOFF.SER", "VZ.TXT", "BOX.PRN", "CARD",
                  "LINES",     "S5",   "R4",         "S3",          "Y",      "Y",       "C",
                  "",          "Y",    "Y",          "N",           "Y",      "A",       "C",
                  "N",         "Y",    "N",          "1998A",       "Y",      "Y",       "Y"}));
    EXPECT_TRUE(s.schedulePlay && s.seriesPlay && s.delaySet && s.homeFieldFactorSet);
    EXPECT_EQ(std::vector({s.delay, s.consoleCols, s.consoleRows}), std::vector({4, 120, 40}));
    EXPECT_DOUBLE_EQ(s.homeFieldFactor, 2.5);
    EXPECT_EQ(s.seed, 123u);

    EXPECT_EQ(parse("/DH").dhRule, "Y");
    EXPECT_EQ(parse("/DH:N").dhRule, "N");
    EXPECT_EQ(parse("/DH /DH:E").dhRule, "E");
    EXPECT_EQ(parse("/DHX").dhRule, "");  // neither the bare form nor "/DH:"
    EXPECT_EQ(parse("/V:A /V:B").visitor, "B");
    EXPECT_EQ(parse("/ABO:F /VBO:Y").battingOrder, (std::array<std::string, 3>{"", "Y", "F"}));
    EXPECT_EQ(parse("/T").homeFieldFactor, 3);
    EXPECT_EQ(parse("/T:N").homeFieldFactor, 0);
    EXPECT_FALSE(parse("/V:X").homeFieldFactorSet);
    EXPECT_EQ(parse("/S").sound, "Y");
    EXPECT_EQ(parse("/CC:200 /CR:0").consoleCols, 0);
    EXPECT_EQ(parse("/CR:100").consoleRows, 0);
    EXPECT_EQ(parse("/DEL:99").delay, 7);
    EXPECT_EQ(parse("/SEED:99999999999999999999999").seed, 9999999999999999999u);  // cut at 25
    // The bare form of a value-only option is nothing.
    EXPECT_EQ(parse("/N").games, 1);
}

TEST(OptionString, PerEntryResetAndManualControlList) {
    RunSettings s;
    parseOptionString("/V:TIGERS /H:CUBS /N:3 /VM:+ /DEL:2 /ST:SEASON", s);
    EXPECT_EQ(s.games, 3);
    EXPECT_TRUE(s.delaySet);
    EXPECT_EQ(s.userManagedTeams, std::vector<std::string>{"TIGERS"});

    // The next entry: games, the delay mark and the marks reset; the rest stays.
    parseOptionString("/V:TIGERS /H:SOX /HM:+", s);
    EXPECT_EQ(s.games, 1);
    EXPECT_FALSE(s.delaySet);
    EXPECT_EQ(s.delay, 2);
    EXPECT_EQ(s.statsSet, "SEASON");
    EXPECT_EQ(s.manualControl[1], "");
    EXPECT_EQ(s.userManagedTeams, (std::vector<std::string>{"TIGERS", "SOX"}));
    parseOptionString("/V:TIGERS /H:SOX /VM:+", s);  // already listed: not twice
    EXPECT_EQ(s.userManagedTeams.size(), 2u);
    parseOptionString("/V:TIGERS /H:CUBS /VM:-", s);
    EXPECT_EQ(s.userManagedTeams, std::vector<std::string>{"SOX"});
}

TEST(OptionString, CommandFileOnlyWhenItIsTheWholeString) {
    EXPECT_EQ(parse("/CMD:Options.txt").commandFile, "Options.txt");
    EXPECT_EQ(parse("  /cmd:run.txt  ").commandFile, "run.txt");
    EXPECT_EQ(parse("/CMD:run.txt /V:X").commandFile, "");
}

TEST(OptionString, GarbageIsIgnoredTokenByToken) {
    RunSettings s = parse("/V:OK /\x01\x02/N:abc ///// /:/H /DEL:-4 /P: /SCH:.x /H:HOME\xff");
    EXPECT_EQ(s.visitor, "OK");
    EXPECT_EQ(s.games, 0);
    EXPECT_EQ(s.delay, 0);
    EXPECT_EQ(s.dataPath, "");
    EXPECT_FALSE(s.schedulePlay);
    EXPECT_EQ(s.home, "HOME\xff");

    std::mt19937 gen(3);
    for (int round = 0; round < 200; ++round) {
        std::string junk;
        const int len = static_cast<int>(gen() % 400);
        for (int i = 0; i < len; ++i) {
            junk.push_back(gen() % 4 == 0 ? '/' : static_cast<char>(gen() & 0xFF));
        }
        RunSettings r;
        parseOptionString(junk, r);
        EXPECT_LE(r.visitor.size(), 8u);
        EXPECT_GE(r.delay, 0);
        EXPECT_LE(r.delay, 7);
    }
}

TEST(SeriesFile, EntriesAndGameCounting) {
    std::istringstream in(
        "/V:TIGERS /H:CUBS /N:3\r\n"
        "\n"
        "   \t \n"
        "xx /v:cubs/h:tigers /n:12\n"
        "/V:A /H:B\n"
        "/V:A /H:B /N:0\n"
        "/V:A /H:B /N:-4\n"
        "/V:A /H:B /N:2 /N:5\n"
        "/V:A /H:B /N:99999999999999999999");
    const std::vector<std::string> entries = readSeriesEntries(in);
    ASSERT_EQ(entries.size(), 7u);
    EXPECT_EQ(entries[0], "/V:TIGERS /H:CUBS /N:3") << "the line end is not part of the entry";
    EXPECT_EQ(seriesEntryGames(entries[0]), 3);
    EXPECT_EQ(seriesEntryGames(entries[1]), 12) << "any letter case";
    EXPECT_EQ(seriesEntryGames(entries[2]), 1) << "no /N: counts one game";
    EXPECT_EQ(seriesEntryGames(entries[3]), 0);
    EXPECT_EQ(seriesEntryGames(entries[4]), 0) << "a negative count plays nothing";
    EXPECT_EQ(seriesEntryGames(entries[5]), 2) << "the first /N: is the one counted";
    EXPECT_EQ(seriesEntryGames(entries[6]), 1000000) << "bounded as the option is";
    EXPECT_EQ(countSeriesGames(entries), 3 + 12 + 1 + 0 + 0 + 2 + 1000000);
    EXPECT_EQ(countSeriesGames({}), 0);

    EXPECT_FALSE(readSeriesFile("/nonexistent/folder/NONE.SER").has_value());
}

}  // namespace
}  // namespace vrk
