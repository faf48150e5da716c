#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "presentation/catalogue.h"
#include "presentation/console_memory.h"

namespace vrk {
namespace {

PlayByPlayCatalogue load(const std::string& text, CatalogueLoad* outcome = nullptr) {
    PlayByPlayCatalogue catalogue;
    std::istringstream in(text);
    CatalogueLoad result = LoadPlayByPlay(catalogue, in);
    if (outcome != nullptr) *outcome = result;
    return catalogue;
}

bool hasCode(const PlayByPlayCatalogue& c, const std::string& code) {
    for (const auto& r : c.records)
        if (r.key.compare(0, 6, code) == 0) return true;
    return false;
}

struct Teams {
    Team visitors, home;
    Teams() {
        visitors.player(1).playerName = "Ramsey, Thomas";
        visitors.player(2).playerName = "Kell";
        home.player(1).playerName = "Okafor, Ada";
        home.femaleTeam = true;
    }
    PlayByPlayContext context(int fielder = 0) {
        PlayByPlayContext c;
        c.teams = {nullptr, &visitors, &home};
        c.currentFielder = fielder;
        return c;
    }
};

std::string text(const PlayByPlayCatalogue& c, MessageKey key, const PlayByPlayContext& ctx,
                 int p1 = 0, int t1 = 0, int p2 = 0, int t2 = 0, std::uint64_t seed = 1) {
    Rng rng(seed);
    return PlayByPlayText(c, key, p1, t1, p2, t2, ctx, rng);
}

TEST(CatalogueLoad, FilesEachLineUnderEveryCombinationOfTheLists) {
    auto c = load(
        "; comment\n"
        "C:10,11\n"
        "D:1,02 these words are a comment\n"
        "      Two by two.\n"
        "C:3\n"
        "      After a C line alone.\n"
        "C:5\n"
        "P:1,2\n"
        "S:x\n"
        "D:123\n"
        "      Full set.\n"
        "X not a list line\n");
    EXPECT_EQ(c.records.size(), 4u + 1u + 2u);
    for (const char* code : {"100001", "100002", "110001", "110002", "030000", "051x23", "052x23"})
        EXPECT_TRUE(hasCode(c, code)) << code;
    // Sorted by key, each code numbered from 001.
    for (std::size_t i = 1; i < c.records.size(); ++i)
        EXPECT_LT(c.records[i - 1].key, c.records[i].key);
    EXPECT_EQ(c.records.front().key, "030000001");
    EXPECT_EQ(c.records.front().text, "After a C line alone.");
}

TEST(CatalogueLoad, NumbersVariantsInFileOrderAndCutsTextAt71) {
    const std::string longText(80, 'x');
    auto c =
        load("C:7\n      first\n      second\nC:1\n      other\nC:7\n      " + longText + "\n");
    ASSERT_EQ(c.records.size(), 4u);
    EXPECT_EQ(c.records[1].key, "070000001");
    EXPECT_EQ(c.records[1].text, "first");
    EXPECT_EQ(c.records[2].key, "070000002");
    EXPECT_EQ(c.records[3].key, "070000003");
    EXPECT_EQ(c.records[3].text, std::string(71, 'x'));
}

TEST(CatalogueLoad, BadInputEndsInAMessageAndKeepsThePreviousCatalogue) {
    CatalogueLoad outcome;
    std::string many;
    for (int i = 0; i < 2000; ++i) many += "      line " + std::to_string(i) + "\n";
    auto c = load(many, &outcome);
    EXPECT_EQ(outcome.status, CatalogueLoadStatus::TooManyLines);
    EXPECT_EQ(outcome.message, "Too many Play-by-Play lines!");
    EXPECT_TRUE(c.records.empty());
    Teams t;
    EXPECT_EQ(text(c, MessageKey(0, '0', '0', 0), t.context()),
              "Not found in baseball.msg:000000001");

    // One line over the limit ends the load; exactly the limit loads.
    load(
        "C:1,2,3,4,5,6,7,8,9,10\nP:1,2,3,4,5,6,7,8,9,0\nS:1,2,3,4,5,6,7,8,9,0\n"
        "D:1,2\n      x\n",
        &outcome);
    EXPECT_EQ(outcome.status, CatalogueLoadStatus::TooManyLines);  // 2,000 records from one line
    std::string exact;
    for (int i = 0; i < 1500; ++i) exact += "      line\n";
    load(exact, &outcome);
    EXPECT_EQ(outcome.status, CatalogueLoadStatus::Loaded);
    EXPECT_EQ(outcome.records, 1500);

    auto d = load("D:1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21\n      x\n", &outcome);
    EXPECT_EQ(outcome.status, CatalogueLoadStatus::Error);
    EXPECT_EQ(outcome.lineNumber, 1);
    EXPECT_EQ(outcome.message.rfind("LPP_Error", 0), 0u);
    EXPECT_TRUE(d.records.empty());
    load("C:1,2,3,4,5,6,7,8,9,10,11\n", &outcome);
    EXPECT_EQ(outcome.status, CatalogueLoadStatus::Error);
    load("P:1,2,3,4,5,6,7,8,9,10,11\n", &outcome);
    EXPECT_EQ(outcome.status, CatalogueLoadStatus::Error);

    // A failed reload leaves the catalogue as it was.
    PlayByPlayCatalogue kept = load("C:1\n      kept\n");
    std::istringstream bad("S:1,2,3,4,5,6,7,8,9,10,11\n");
    EXPECT_EQ(LoadPlayByPlay(kept, bad).status, CatalogueLoadStatus::Error);
    EXPECT_EQ(text(kept, MessageKey(1, '0', '0', 0), t.context()), "kept");

    PlayByPlayCatalogue missing;
    outcome = LoadPlayByPlay(missing, std::string("/nonexistent/folder/BASEBALL.MSG"));
    EXPECT_EQ(outcome.status, CatalogueLoadStatus::Error);
    EXPECT_EQ(outcome.errorNumber, 53);
}

TEST(CatalogueLoad, FindsTheFileInTheHomeDirectoryAndReportsProblems) {
    const auto home = std::filesystem::temp_directory_path() / "vrk_catalogue_home_test";
    std::filesystem::remove_all(home);
    std::filesystem::create_directories(home);
    PlayByPlayCatalogue c;
    CatalogueLoad outcome = LoadPlayByPlayFromHome(c, home.string());
    EXPECT_EQ(outcome.errorNumber, 53);
    MemoryConsole console;
    console.pushKey("a");
    ShowCatalogueLoadProblem(console, outcome);
    ASSERT_FALSE(console.screenAtLastWait().empty());
    bool shown = false;
    for (const auto& row : console.screenAtLastWait())
        shown = shown || row.find("LPP_Error 53") != std::string::npos;
    EXPECT_TRUE(shown);

    std::ofstream(home / "baseball.msg") << "C:1\n      found it\n";
    outcome = LoadPlayByPlayFromHome(c, home.string());
    EXPECT_EQ(outcome.status, CatalogueLoadStatus::Loaded);
    EXPECT_EQ(c.records.size(), 1u);
    std::filesystem::remove_all(home);

    MemoryConsole quiet;
    ShowCatalogueLoadProblem(quiet, outcome);
    EXPECT_EQ(quiet.sleptMs(), 0);
    CatalogueLoad tooMany;
    tooMany.status = CatalogueLoadStatus::TooManyLines;
    tooMany.message = "Too many Play-by-Play lines!";
    ShowCatalogueLoadProblem(quiet, tooMany);
    EXPECT_EQ(quiet.sleptMs(), 1000);
}

TEST(CatalogueLoad, OddLinesNeverCrash) {
    std::string junk = "C:\nC\nP\nD:,,,\nC:1,,2\n \n      \r\n";
    junk += std::string(100000, 'y') + "\n";
    junk += " " + std::string(5000, 'z') + "\n";
    junk += std::string("\0\x01\xff\x80 C:9\n", 10);
    junk += "C:\xff\xfe\x00,7\n";
    junk += std::string("      bin\0ary\x1b text\n", 21);
    CatalogueLoad outcome;
    auto c = load(junk, &outcome);
    EXPECT_EQ(outcome.status, CatalogueLoadStatus::Loaded);
    EXPECT_FALSE(c.records.empty());
    // "C:" with nothing after the separator is an empty list: category 00.
    auto e = load("C:\n      none\n");
    EXPECT_TRUE(hasCode(e, "000000"));
}

TEST(CatalogueText, DrawsAmongTheFirstFifteenVariants) {
    Teams t;
    auto one = load("C:1\n      only\n");
    for (std::uint64_t seed = 1; seed < 20; ++seed)
        EXPECT_EQ(text(one, MessageKey(1, '0', '0', 0), t.context(), 0, 0, 0, 0, seed), "only");

    auto three = load("C:2\n      a\n      b\n      c\n");
    std::map<std::string, int> counts;
    Rng rng(7);
    const auto ctx = t.context();
    for (int i = 0; i < 3000; ++i)
        ++counts[PlayByPlayText(three, MessageKey(2, '0', '0', 0), 0, 0, 0, 0, ctx, rng)];
    ASSERT_EQ(counts.size(), 3u);
    for (const auto& [k, n] : counts) EXPECT_NEAR(n, 1000, 120) << k;

    std::string sixteen = "C:3\n";
    for (int i = 1; i <= 16; ++i) sixteen += "      v" + std::to_string(i) + "\n";
    auto many = load(sixteen);
    counts.clear();
    for (int i = 0; i < 3000; ++i)
        ++counts[PlayByPlayText(many, MessageKey(3, '0', '0', 0), 0, 0, 0, 0, ctx, rng)];
    EXPECT_EQ(counts.size(), 15u);
    EXPECT_EQ(counts.count("v16"), 0u);
}

TEST(CatalogueText, PutsPlayersAndFieldersIn) {
    Teams t;
    auto c = load(
        "C:1\n      Here is @.\n"
        "C:2\n      Star * stays.\n"
        "C:3\n      # has it, * waits.\n"
        "C:4\n      @ and * meet.\n"
        "C:5\n      @ passes %.\n"
        "C:6\n      Plain @ name.\n");
    EXPECT_EQ(text(c, {1, '0', '0', 0}, t.context(), 1, 1), "Here is Thomas Ramsey.");
    EXPECT_EQ(text(c, {6, '0', '0', 0}, t.context(), 2, 1), "Plain Kell name.");
    EXPECT_EQ(text(c, {2, '0', '0', 0}, t.context()), "Star * stays.");
    EXPECT_EQ(text(c, {2, '0', '0', 0}, t.context(), 1, 1), "Star Ramsey stays.");
    EXPECT_EQ(text(c, {3, '0', '0', 0}, t.context(6), 1, 1), "short has it, * waits.");
    EXPECT_EQ(text(c, {3, '0', '0', 0}, t.context(0), 1, 1), "# has it, Ramsey waits.");
    EXPECT_EQ(text(c, {4, '0', '0', 0}, t.context(), 1, 1), "@ and Ramsey meet.");
    EXPECT_EQ(text(c, {5, '0', '0', 0}, t.context(), 1, 1, 2, 1), "Thomas Ramsey passes Kell.");
    EXPECT_EQ(text(c, {5, '0', '0', 0}, t.context(), 1, 1), "Thomas Ramsey passes %.");
    // An entry without a player, or a team out of range, leaves the token.
    EXPECT_EQ(text(c, {1, '0', '0', 0}, t.context(), 40, 1), "Here is @.");
    EXPECT_EQ(text(c, {1, '0', '0', 0}, t.context(), 1, 7), "Here is @.");
}

TEST(CatalogueText, CutsToTheConsoleWidthButNotHighlightLines) {
    Teams t;
    const std::string body = "@ " + std::string(60, 'a') + "|";
    auto c = load("C:1\n      " + body + "\nC:2\n      ~" + std::string(60, 'b') + " @\n");
    auto ctx = t.context();
    EXPECT_EQ(text(c, {1, '0', '0', 0}, ctx, 1, 1).size(), 38u);
    ctx.consoleColumns = 132;
    // Substitution first, then the cut: the name pushes the text past 64.
    const std::string wide = text(c, {1, '0', '0', 0}, ctx, 1, 1);
    EXPECT_EQ(wide, ("Thomas Ramsey " + std::string(60, 'a')).substr(0, 64));
    ctx.consoleColumns = 20;
    const std::string tilde = text(c, {2, '0', '0', 0}, ctx, 1, 1);
    EXPECT_EQ(tilde, "~" + std::string(60, 'b') + " Thomas Ramsey");

    // A token past column 71 of the text was cut away on loading.
    auto late = load("C:3\n      ~" + std::string(70, 'c') + "@\n");
    EXPECT_EQ(text(late, {3, '0', '0', 0}, ctx, 1, 1), "~" + std::string(70, 'c'));

    // Quick play returns the text as filed.
    ctx.quickPlay = true;
    EXPECT_EQ(text(c, {1, '0', '0', 0}, ctx, 1, 1), body);
}

TEST(CatalogueText, ConvertsPronounsForTheFirstPlayersFemaleTeam) {
    Teams t;
    auto c = load("C:1\n      He's got it, and he makes his throw to him.\n");
    EXPECT_EQ(text(c, {1, '0', '0', 0}, t.context(), 1, 2),
              "She's got it, and she makes her throw to");
    EXPECT_EQ(text(c, {1, '0', '0', 0}, t.context(), 1, 1),
              "He's got it, and he makes his throw to");
}

TEST(GenderText, AppliesTheTenRulesInOrder) {
    EXPECT_EQ(GenderText("He runs. He'll score."), "She runs. She'll score.");
    EXPECT_EQ(GenderText("and he is, he's fast"), "and she is, she's fast");
    EXPECT_EQ(GenderText("get him, HIM, himself"), "get her, HER, herself");
    EXPECT_EQ(GenderText("a guy, a fellow, his bat"), "a gal, a gal, her bat");
    // Rules 3 to 10 need a blank in front.
    EXPECT_EQ(GenderText("his bat"), "his bat");
    EXPECT_EQ(GenderText("The hero"), "The hero");
    Team female;
    female.femaleTeam = true;
    Team male;
    const TeamRefs teams{nullptr, &male, &female};
    EXPECT_EQ(GenderText(teams, 2, "He "), "She ");
    EXPECT_EQ(GenderText(teams, 1, "He "), "He ");
    EXPECT_EQ(GenderText(teams, 0, "He "), "He ");
}

}  // namespace
}  // namespace vrk
