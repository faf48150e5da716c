#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "data/stats_test_support.h"
#include "presentation/console_keys.h"
#include "presentation/console_memory.h"
#include "presentation/text_file_view.h"
#include "screens/file_viewer.h"
#include "screens/score_card_viewer.h"

namespace vrk {
namespace {

std::string WriteNumbered(const std::string& path, int lines, const std::string& first = "") {
    std::ofstream out(path, std::ios::binary);
    for (int n = 1; n <= lines; ++n)
        out << (n == 1 && !first.empty() ? first : "line " + std::to_string(n)) << "\n";
    return path;
}

// A printer that records what it was handed.
struct FakePrinter {
    bool installed = true;
    std::vector<std::vector<std::string>> runs;
    Printer printer() {
        Printer p;
        p.available = [this](const std::string&) { return installed; };
        p.run = [this](const std::vector<std::string>& argv) {
            runs.push_back(argv);
            return 0;
        };
        return p;
    }
};

TEST(TextFileView, BlocksOf815LinesAndTheSizeLimit) {
    stats_testing::ScratchFolder dir;
    struct Case {
        int lines, blocks;
        long lastLine;
    };
    for (const Case c :
         {Case{815, 1, 815}, Case{816, 2, 816}, Case{1630, 2, 1630}, Case{0, 0, 0}}) {
        TextFileView view;
        ASSERT_TRUE(view.open(WriteNumbered(dir.str() + "/f.txt", c.lines)));
        EXPECT_EQ(view.blocks(), c.blocks) << c.lines;
        EXPECT_EQ(view.fileLines(), c.lastLine);
        EXPECT_EQ(view.line(view.shownLines()), kEndOfFileText);
        if (c.lines > 0) {
            EXPECT_EQ(view.line(c.lines), "line " + std::to_string(c.lines));
        }
    }
    TextFileView view;
    ASSERT_TRUE(view.open(WriteNumbered(dir.str() + "/f.txt", 816)));
    EXPECT_EQ(view.line(815), "line 815");
    EXPECT_EQ(view.line(816), "line 816");
    EXPECT_EQ(view.line(814), "line 814");
    EXPECT_EQ(view.blockLoads(), 3) << "a block is read only when the view moves into it";

    // Three blocks of 10 allowed: reading stops and the limit is told.
    ASSERT_TRUE(view.open(WriteNumbered(dir.str() + "/f.txt", 45), 10, 3));
    EXPECT_TRUE(view.limitExceeded());
    EXPECT_EQ(view.fileLines(), 30);
    EXPECT_EQ(view.line(30), "line 30");
    EXPECT_EQ(view.line(31), kSizeLimitText);
    EXPECT_EQ(view.line(32), kEndOfFileText);

    std::ofstream(dir.str() + "/long.txt") << std::string(300, 'a') << "\r\n~\n";
    ASSERT_TRUE(view.open(dir.str() + "/long.txt"));
    EXPECT_EQ(view.line(1).size(), kViewerLineWidth);
    EXPECT_EQ(view.line(2), kNewPageText);
}

TEST(FileViewer, KeysMoveTheViewAndBeepAtTheEdges) {
    stats_testing::ScratchFolder dir;
    const std::string path = WriteNumbered(dir.str() + "/REPORT.PRN", 60, "~");
    MemoryConsole console(25, 80);  // 22 rows of text
    Config config;
    config.writePath = dir.str() + "/";
    FakePrinter fake;
    struct Step {
        std::string key;
        int beeps;            // beeps so far
        std::string topLine;  // text at the first text row
    };
    const std::vector<Step> steps{
        {std::string(kKeyUp), 1, "<New Page>"},
        {std::string(kKeyPgUp), 2, "<New Page>"},
        {std::string(kKeyPgDn), 2, "line 22"},
        {"d", 2, "line 23"},
        {"u", 2, "line 22"},
        {std::string(kKeyPgDn), 2, "line 43"},
        {std::string(kKeyPgDn), 3, "line 43"},
        {"b", 3, "line 40"},
        {"t", 3, "<New Page>"},
        {"B", 3, "line 40"},
        {std::string(kKeyPgUp), 3, "line 19"},
        {std::string(kKeyPgUp), 3, "<New Page>"},
    };
    for (const Step& s : steps) console.pushKey(s.key);
    console.pushKey("x");
    viewTextFile(console, config, path, fake.printer());
    EXPECT_EQ(console.title(), "REPORT.PRN");
    EXPECT_EQ(console.beeps(), steps.back().beeps);
    EXPECT_EQ(console.savedScreens(), 0);

    // Replay step by step to see each screen.
    for (std::size_t n = 0; n < steps.size(); ++n) {
        MemoryConsole c(25, 80);
        for (std::size_t k = 0; k <= n; ++k) c.pushKey(steps[k].key);
        c.pushKey(kKeyEscape);
        viewTextFile(c, config, path, fake.printer());
        EXPECT_EQ(c.beeps(), steps[n].beeps) << "after step " << n;
        EXPECT_EQ(c.screenAtLastWait()[1].substr(1, steps[n].topLine.size()), steps[n].topLine)
            << "after step " << n;
    }
}

TEST(FileViewer, ShiftsPrintsSavesAndTellsAMissingFile) {
    stats_testing::ScratchFolder dir;
    const std::string path = dir.str() + "/WIDE.TXT";
    std::ofstream(path) << "0123456789ABCDEFGHIJabcdefghij"
                        << "\n";
    Config config;
    config.writePath = dir.str() + "/";
    const auto firstShown = [&](const std::vector<std::string>& keys) {
        MemoryConsole c(25, 80);
        for (const std::string& k : keys) c.pushKey(k);
        c.pushKey("X");
        FakePrinter fake;
        viewTextFile(c, config, path, fake.printer());
        return c.screenAtLastWait()[1].substr(1, 5);
    };
    EXPECT_EQ(firstShown({std::string(kKeyLeft)}), "01234") << "column 1 stays";
    EXPECT_EQ(firstShown({">"}), "ABCDE");
    EXPECT_EQ(firstShown({">", "<"}), "01234") << "column 11 returns to 1";
    EXPECT_EQ(firstShown({std::string(kKeyRight), std::string(kKeyRight)}), "abcde");
    // 210 less the 78 columns shown: the view stops before column 132.
    std::vector<std::string> many(20, ">");
    MemoryConsole wide(25, 80);
    for (const auto& k : many) wide.pushKey(k);
    wide.pushKey("x");
    viewTextFile(wide, config, path, FakePrinter().printer());

    FakePrinter fake;
    MemoryConsole c(25, 80);
    for (const std::string& k : std::vector<std::string>{"p", " ", "s", "C", "O", "P", "Y",
                                                         std::string(kKeyEnter), " ", "x"}) {
        c.pushKey(k);
    }
    viewTextFile(c, config, path, fake.printer());
    ASSERT_EQ(fake.runs.size(), 1u);
    EXPECT_EQ(fake.runs[0], (std::vector<std::string>{"lpr", path}));
    std::ifstream copy(dir.str() + "/COPY");
    std::string line;
    ASSERT_TRUE(std::getline(copy, line));
    EXPECT_EQ(line, "0123456789ABCDEFGHIJabcdefghij");

    fake.installed = false;
    const PrintOutcome none = PrintFile(path, fake.printer());
    EXPECT_FALSE(none.printed);
    EXPECT_EQ(none.message, "No printer command (lpr) was found; WIDE.TXT was not printed.");
    EXPECT_EQ(fake.runs.size(), 1u);

    MemoryConsole missing(25, 80);
    missing.pushKey(" ");
    viewTextFile(missing, config, dir.str() + "/NOPE.TXT", fake.printer());
    bool said = false;
    for (const std::string& row : missing.screenAtLastWait()) {
        said =
            said || row.find("NOPE.TXT not found in the current directory.") != std::string::npos;
    }
    EXPECT_TRUE(said);
}

TEST(FileViewer, WordProcessorWithoutAShell) {
    Config config;
    std::vector<std::string> launched;
    const auto launch = [&](const std::vector<std::string>& argv) {
        launched = argv;
        return true;
    };
    config.wordProcessor = "libreoffice --writer ";
    EXPECT_EQ(openWithWordProcessor(config, "a b;rm.DOC", launch), "");
    EXPECT_EQ(launched, (std::vector<std::string>{"libreoffice", "--writer", "a b;rm.DOC"}));
    config.wordProcessor = "";
    EXPECT_NE(openWithWordProcessor(config, "x.RTF", launch).find("WORDPAD="), std::string::npos);
}

TEST(ScoreCardViewer, PagesFilesAndPrints) {
    stats_testing::ScratchFolder dir;
    Config config;
    config.writePath = dir.str() + "/";
    std::vector<std::string> lines;
    for (int n = 1; n <= 30; ++n) lines.push_back("card line " + std::to_string(n) + "   ");
    FakePrinter fake;
    MemoryConsole c(25, 80);  // 20 lines a page
    for (auto k : {std::string(kKeyPgUp), std::string(kKeyPgDn), std::string(kKeyPgDn),
                   std::string("f"), std::string(" "), std::string("P"), std::string(" ")}) {
        c.pushKey(k);
    }
    c.pushKey(kKeyEscape);
    viewScoreCard(c, config, lines, fake.printer());
    EXPECT_EQ(c.beeps(), 2);
    std::string shown;
    for (const std::string& row : c.screenAtLastWait()) shown += row + "\n";
    EXPECT_NE(shown.find("card line 21"), std::string::npos) << shown;
    EXPECT_NE(shown.find("ESC PgUp PgDown [P]rint [F]ile"), std::string::npos);
    EXPECT_NE(shown.find(" Score Card "), std::string::npos);
    std::ifstream log(dir.str() + "/SCORECRD.LOG");
    std::string first;
    ASSERT_TRUE(std::getline(log, first));
    EXPECT_EQ(first, "card line 1");
    ASSERT_EQ(fake.runs.size(), 1u);
    EXPECT_EQ(fake.runs[0].back(), dir.str() + "/~LIST.TMP");
    EXPECT_EQ(c.savedScreens(), 0);
}

}  // namespace
}  // namespace vrk
