#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "shell/batch_test_home.h"
#include "shell/report_command.h"

namespace vrk {
namespace {

struct Result {
    int status;
    std::string out, err;
};

Result Report(const testing::BatchHome& home, std::vector<std::string> args) {
    StartupInputs inputs;
    inputs.currentDir = home.dir.string();
    inputs.timeSeed = 1;
    inputs.args = std::move(args);
    std::ostringstream out, err;
    const int status = runReport(inputs, out, err);
    return {status, out.str(), err.str()};
}

TEST(ReportCommand, WritesTheReportOrSaysWhyNot) {
    testing::BatchHome home("reportcmd");
    std::filesystem::create_directories(home.dir / "out");
    ASSERT_EQ(home.batch("/V:CAMHAVEN /H:FELVORA /N:4 /ST:SET /PW:out /SEED:3").status, 0);

    struct Case {
        std::vector<std::string> args;
        int status;
        const char* said;  // in stdout when 0, else in stderr
    };
    const Case cases[] = {
        {{}, 2, "name the statistics set"},
        {{"SET", "/STANDINGS:MAYBE"}, 2, "needs Y or N"},
        {{"SET", "/V:CAMHAVEN"}, 2, "unknown option /V:CAMHAVEN"},
        {{"out/SET"}, 2, "a name, not a path"},
        {{"SET"}, 1, "SET.STS not found"},  // not in the home folder
        {{"NONE", "/PW:out"}, 1, "NONE.STS not found"},
        {{"SET", "/PW:out", "/LEADERS:N", "/MINAB:5"}, 0, "Report written to"},
        {{"SET.STS", "/PW:out", "--csv", (home.dir / "tables").string()}, 0, "Tables written"},
        {{"SET", "/PW:out", "--csv"}, 2, "--csv needs a folder"},
    };
    for (const Case& c : cases) {
        const Result r = Report(home, c.args);
        EXPECT_EQ(r.status, c.status) << r.err;
        EXPECT_NE((c.status == 0 ? r.out : r.err).find(c.said), std::string::npos)
            << c.said << "\n"
            << r.out << r.err;
    }
    EXPECT_TRUE(std::filesystem::exists(home.dir / "out" / "SET.PRN"));
    for (const char* file : {"standings.csv", "batting.csv", "pitching.csv", "fielding.csv"})
        EXPECT_TRUE(std::filesystem::exists(home.dir / "tables" / file)) << file;
}

}  // namespace
}  // namespace vrk
