#include "shell/config_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace vrk {
namespace {

Config defaults() {
    Config c;
    applyConfigDefaults(c, chooseEditors("", true, true));
    return c;
}

Config read(std::string_view text, std::vector<std::string>* warnings = nullptr,
            ConfigReadMode mode = ConfigReadMode::Startup) {
    Config c = defaults();
    auto w = applyConfigText(text, c, mode);
    if (warnings) *warnings = w;
    return c;
}

TEST(ConfigFile, EditorDiscoveryPrefersEnvironmentThenNanoThenVi) {
    EXPECT_EQ(chooseEditors(" emacs -nw ", true, true).editor, "emacs -nw ");
    EXPECT_EQ(chooseEditors("", true, false).editor, "nano ");
    EXPECT_EQ(chooseEditors("", false, false).editor, "vi ");
    EXPECT_EQ(chooseEditors("", false, true).wordProcessor, "xdg-open ");
    EXPECT_EQ(chooseEditors("", false, false).wordProcessor, "");
}

TEST(ConfigFile, KeysAreMatchedWhateverTheCaseAndValuesKeepTheirForm) {
    const Config c = read(
        "editor=/usr/bin/nano   \n"
        "wordpad=libreoffice\n"
        "aux=viewer\n"
        "m-mode-sound=n\n"
        "M-MODE-DELAY=57\n"
        "field-photo=park.jpg  \n"
        "HOME-RUN-WAV=boom.wav  \n"
        "STAT-TEAM-LIMIT=12\n"
        "REFRESH-STANDINGS=7x\n"
        "park-effects=n\n"
        "deadball-adj=n\n"
        "fireworks=n\n"
        "display-fatigue=n\n"
        "override-logo-dir=logos\n");
    // Program and folder names keep their case: the disk is case-sensitive.
    EXPECT_EQ(c.editor, "/usr/bin/nano ");
    EXPECT_EQ(c.wordProcessor, "libreoffice ");
    EXPECT_EQ(c.aux, "viewer ");
    EXPECT_EQ(c.mModeSound, 'N');
    EXPECT_EQ(c.mModeDelay, 5);
    EXPECT_EQ(c.fieldPhoto, "park.jpg");
    EXPECT_EQ(c.homeRunWav, "boom.wav  ");
    EXPECT_EQ(c.statTeamLimit, 12);
    EXPECT_EQ(c.refreshStandings, 7);
    EXPECT_EQ(c.parkEffects, 'N');
    EXPECT_EQ(c.deadballAdj, 'N');
    EXPECT_EQ(c.fireworks, 'N');
    EXPECT_EQ(c.displayFatigue, 'N');
    EXPECT_EQ(c.overrideLogoDir, "logos");
}

TEST(ConfigFile, FoldersGetOneSeparator) {
    Config c = read("DATA-PATH=/srv/teams\nWRITE-PATH=out/\n");
    EXPECT_EQ(c.dataPath, "/srv/teams/");
    EXPECT_EQ(c.writePath, "out/");
    c = read("DATA-PATH=\\srv\\Data\\\nWRITE-PATH=  \n");
    EXPECT_EQ(c.dataPath, "/srv/Data/");
    EXPECT_EQ(c.writePath, "");  // not the root folder
    c.homeDir = "/home/me/vrk";
    EXPECT_EQ(dataFolder(c), "/srv/Data/");
    EXPECT_EQ(writeFolder(c), "/home/me/vrk/");
    c.dataPath = "teams\\";
    EXPECT_EQ(dataFolder(c), "/home/me/vrk/teams/");
}

TEST(ConfigFile, FlagsSwitchOnUnlessN) {
    Config c = read("PROTECT-SCH=Y\nFORCE-LINEUP=X\nSTRICT-CLOSER-RULE\nDAYS-OFF-RULE=N\n");
    EXPECT_TRUE(c.protectSch);
    EXPECT_TRUE(c.forceLineup);
    EXPECT_TRUE(c.strictCloserRule);  // nothing after the key
    EXPECT_FALSE(c.daysOffRule);
    c = read(
        "protect-sch=n\nWARMUP-RULE=Y\nBATTER-OVERUSE=Y\nAUTOCOACH=Y\nAUTODEFENSE=Y\n"
        "NO-DOUBLE-SWITCH=Y\nSTARTERS-MAY-RELIEVE=Y\n");
    EXPECT_FALSE(c.protectSch);
    EXPECT_TRUE(c.warmupRule && c.batterOveruse && c.autoCoach && c.autoDefense &&
                c.noDoubleSwitch && c.startersMayRelieve);
    EXPECT_TRUE(read("OUT-OF-POSITION-MSG=Y\n").outOfPositionMsg);
    EXPECT_TRUE(read("OUT-OF-POSITION-MSG\n").outOfPositionMsg);
    EXPECT_FALSE(read("out-of-position-msg=n\n").outOfPositionMsg);
}

TEST(ConfigFile, HomeFieldFactorLettersAndNumbers) {
    EXPECT_EQ(read("HOME-FIELD-FACTOR=Y\n").homeFieldFactor, 3);
    EXPECT_EQ(read("HOME-FIELD-FACTOR=yes\n").homeFieldFactor, 3);
    EXPECT_EQ(read("HOME-FIELD-FACTOR=N\n").homeFieldFactor, 0);
    EXPECT_DOUBLE_EQ(read("HOME-FIELD-FACTOR=2.5\n").homeFieldFactor, 2.5);
    EXPECT_EQ(read("HOME-FIELD-FACTOR=\n").homeFieldFactor, 0);
}

TEST(ConfigFile, ConsoleSizeKeysInFileOrderAndIgnoredOnReread) {
    Config c = read("CONSOLE-ROWS=50\nCONSOLE-COLS=132\n");
    EXPECT_EQ(c.rows, 50);
    EXPECT_EQ(c.cols, 132);
    EXPECT_EQ(read("CONSOLE-ROWS=100\n").rows, 10);  // two characters only
    c = read("CONSOLE-ROWS=50\nTEXT-MODE\n");
    EXPECT_EQ(c.rows, 25);
    EXPECT_EQ(c.cols, 80);
    c = read("TEXT-MODE=Y\nCONSOLE-ROWS=60\n");
    EXPECT_EQ(c.rows, 60);
    EXPECT_EQ(c.cols, 80);
    EXPECT_EQ(read("TEXT-MODE=N\n").rows, 44);
    c = read("RETRO-MODE=Y\n");
    EXPECT_EQ(c.retroMode, 'Y');
    EXPECT_EQ(c.rows, 25);
    EXPECT_EQ(read("RETRO-MODE=N\n").retroMode, 'N');

    c = read("CONSOLE-ROWS=50\nCONSOLE-COLS=132\nTEXT-MODE\nRETRO-MODE\nREGULATION-INNINGS=7\n",
             nullptr, ConfigReadMode::Reread);
    EXPECT_EQ(c.rows, 44);
    EXPECT_EQ(c.cols, 102);
    EXPECT_EQ(c.retroMode, 'N');
    EXPECT_EQ(c.regulationInnings, 7);
}

TEST(ConfigFile, RegulationInningsAndColorScheme) {
    EXPECT_EQ(read("REGULATION-INNINGS=7\n").regulationInnings, 7);
    std::vector<std::string> w;
    EXPECT_EQ(read("REGULATION-INNINGS=7\nREGULATION-INNINGS=seven\n", &w).regulationInnings, 7);
    ASSERT_EQ(w.size(), 1u);
    EXPECT_EQ(w[0],
              "Warning: Problem with REGULATION-INNINGS line of BASEBALL.CFG!|The value must be 1 "
              "or more; games keep 7 innings.");
    EXPECT_EQ(read("REGULATION-INNINGS=-3\n").regulationInnings, 9);
    Config c = read("COLOR-SCHEME=1\n");
    EXPECT_EQ(c.fieldTextColor, 14);
    EXPECT_EQ(c.fieldBackColor, 2);
    c = read("COLOR-SCHEME=3\nCOLOR-SCHEME=9\n");
    EXPECT_EQ(c.colorScheme, 9);
    EXPECT_EQ(c.fieldTextColor, 0);  // an unknown scheme keeps the colours
    EXPECT_EQ(c.fieldBackColor, 2);
}

TEST(ConfigFile, HiliteFieldsZeroSeventhAndWarning) {
    std::vector<std::string> w;
    Config c = read("HILITE    00006  00004  00008  00005  00003  00015  00000\n", &w);
    EXPECT_EQ(c.hilite, (std::array<int, 7>{6, 4, 8, 5, 3, 15, 20}));
    EXPECT_TRUE(w.empty());
    c = read("HILITE        6      4      0      5      0     15     30\n", &w);
    EXPECT_EQ(c.hilite, (std::array<int, 7>{6, 4, 0, 5, 0, 15, 30}));
    ASSERT_EQ(w.size(), 1u);
    EXPECT_EQ(w[0], "Warning: Problem with HILITE line of BASEBALL.CFG!");
    // A zero fifth value (hits allowed) is a legitimate threshold.
    read("HILITE        6      4      7      5      0     15     30\n", &w);
    EXPECT_TRUE(w.empty());
    read("HILITE\n", &w);
    EXPECT_EQ(w.size(), 1u);
}

const char* kYearLine =
    "1998A     020000 019000 003800 000400 002400 006500 012000 000014   4.80 105";

TEST(ConfigFile, LeagueAverageLineStoredWithRates) {
    std::vector<std::string> w;
    Config c = read(std::string(kYearLine) + "\n", &w);
    EXPECT_TRUE(w.empty());
    ASSERT_EQ(c.leagueRows.size(), 1u);
    const LeagueAverageRow& r = c.leagueRows[0];
    EXPECT_EQ(r.key(), "1998A");
    // 85,020 plate appearances: hits, walks, strikeouts and 99% of the other outs.
    EXPECT_NEAR(r.walkRate, 0.076452, 1e-6);
    EXPECT_NEAR(r.singleRate, 0.145848, 1e-6);  // hits less the extra-base hits
    EXPECT_NEAR(r.homeRunRate, 0.028229, 1e-6);
    EXPECT_NEAR(r.doubleRate + r.tripleRate, 0.049400, 1e-6);
    EXPECT_NEAR(r.strikeoutRate, 0.141143, 1e-6);
    EXPECT_FLOAT_EQ(r.strikeoutsPerOut, 0.2f);
    EXPECT_EQ(std::vector<double>({double(r.innings), double(r.hits), double(r.doubles),
                                   double(r.triples), double(r.homeRuns), double(r.walks),
                                   double(r.column60Value), r.runFactor, double(r.leagueIndex)}),
              std::vector<double>({20000, 19000, 3800, 400, 2400, 6500, 14, 4.80, 105}));
}

TEST(ConfigFile, LeagueAverageWarningsKeepTheLine) {
    std::vector<std::string> w;
    Config c = read("1999n     020000 019000 000000 000400 002400 006500 012000\n", &w);
    ASSERT_EQ(w.size(), 1u);
    EXPECT_EQ(w[0], "Warning: Problem with League Average data in|Line 1999N of BASEBALL.CFG!");
    ASSERT_EQ(c.leagueRows.size(), 1u);
    EXPECT_EQ(c.leagueRows[0].key(), "1999N");
    EXPECT_EQ(c.leagueRows[0].doubles, 0);
    EXPECT_EQ(c.leagueRows[0].leagueIndex, 100);

    c = read("DEF A     040000 019000 003800 000400 002400 006500 012000\n", &w);
    ASSERT_EQ(w.size(), 1u);
    EXPECT_EQ(w[0],
              "Warning: Possible problem with League Average data|Line DEF A of BASEBALL.CFG! "
              "Please check.");
    EXPECT_EQ(c.leagueRows[0].key(), "DEF A");

    // An all-zero line warns and stores zero rates, never infinities.
    c = read("DEF\n", &w);
    ASSERT_EQ(c.leagueRows.size(), 1u);
    EXPECT_EQ(c.leagueRows[0].walkRate, 0.0f);
    EXPECT_EQ(c.leagueRows[0].strikeoutsPerOut, 0.0f);
    EXPECT_EQ(w.size(), 1u);
}

TEST(ConfigFile, AtMostThreeHundredLeagueRowsTheLastOverwritten) {
    std::string text;
    for (int i = 0; i < 305; ++i) {
        std::string line = kYearLine;
        const std::string year = std::to_string(1600 + i);
        line.replace(0, 4, year);
        text += line + "\n";
    }
    const Config c = read(text);
    ASSERT_EQ(c.leagueRows.size(), 300u);
    EXPECT_EQ(c.leagueRows[298].year, "1898");
    EXPECT_EQ(c.leagueRows[299].year, "1904");
}

TEST(ConfigFile, MissingFileAndJunkKeepDefaults) {
    const Config fresh = defaults();
    Config c = fresh;
    EXPECT_TRUE(readConfigFile("/nonexistent/BASEBALL.CFG", c, ConfigReadMode::Startup).empty());
    EXPECT_EQ(c.rows, 44);
    EXPECT_EQ(c.hilite, fresh.hilite);
    EXPECT_EQ(c.editor, "nano ");
    EXPECT_EQ(c.starBoxFile, "VAZAZEV.TXT");

    std::vector<std::string> w;
    c = read("", &w);
    EXPECT_TRUE(w.empty());
    EXPECT_TRUE(c.leagueRows.empty());

    // CRLF line ends read like LF ones.
    c = read("FIREWORKS=N\r\nREGULATION-INNINGS=7\r\n\r\nEDITOR=vim\r\n");
    EXPECT_EQ(c.fireworks, 'N');
    EXPECT_EQ(c.regulationInnings, 7);
    EXPECT_EQ(c.editor, "vim ");

    // The announcer program keeps its case; the shipped file names none.
    c = read("announcer=  /opt/Speech/Say  \n");
    EXPECT_EQ(c.announcer, "/opt/Speech/Say");
    EXPECT_EQ(read("").announcer, "");

    // Huge numbers are held, not overflowed.
    c = read("REGULATION-INNINGS=" + std::string(5000, '9') + "\nCONSOLE-COLS=" +
             std::string(400, '9') + "\n" + "HOME-FIELD-FACTOR=" + std::string(400, '9') +
             "\n1234A " + std::string(3000, '9') + "\n");
    EXPECT_GT(c.regulationInnings, 0);
    EXPECT_GT(c.cols, 0);
    ASSERT_EQ(c.leagueRows.size(), 1u);

    // Random bytes: any outcome but a crash.
    std::mt19937 gen(7);
    std::string junk;
    for (int i = 0; i < 200000; ++i) junk.push_back(static_cast<char>(gen() & 0xFF));
    c = read(junk + "\nHILITE" + std::string(10000, 'x'), &w);
    EXPECT_LE(c.leagueRows.size(), 300u);
}

}  // namespace
}  // namespace vrk
