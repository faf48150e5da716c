#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "core/text_fields.h"
#include "shell/batch_test_home.h"

namespace vrk {
namespace {

using testing::BatchHome;

std::vector<std::string> ReadLines(const std::filesystem::path& path) {
    std::vector<std::string> lines;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

bool IsHeader(const std::string& line) {
    return line.size() > 22 && line[2] == '-' && line.find("  #") == 19;
}

int Column(const std::string& line, int col) {
    return static_cast<int>(integerPrefix(field(line, col, col)));
}

// A season played unattended leaves every game in the per-game files; each
// box score's batting adds up to its line score.
TEST(BatchGameFiles, EveryGameIsAppendedWithItsHeader) {
    BatchHome home("files");
    const auto run = home.batch(
        "/V:CAMHAVEN /H:FELVORA /N:4 /SEED:21 /ST:SEAS /BX:BOXES /LS:LINES /SC:CARDS "
        "/BX:BOXES /STB:STARS");
    ASSERT_EQ(run.status, 0) << run.err;
    for (const char* name : {"BOXES", "LINES", "CARDS"}) {
        int headers = 0, number = 0;
        for (const std::string& line : ReadLines(home.dir / name)) {
            if (!IsHeader(line)) continue;
            ++headers;
            EXPECT_EQ(integerPrefix(line.substr(22)), ++number) << line;
        }
        EXPECT_EQ(headers, 4) << name;
    }
    EXPECT_TRUE(std::filesystem::exists(home.dir / "~BOX.PRN"));

    const std::vector<std::string> box = ReadLines(home.dir / "BOXES");
    int games = 0;
    for (std::size_t k = 0; k < box.size(); ++k) {
        if (!IsHeader(box[k])) continue;
        ++games;
        ASSERT_EQ(box[k + 1], "") << "the page mark's line, its mark removed";
        std::array<int, 3> hits{}, runs{};
        std::size_t row = k + 3;
        for (; row < box.size() && !box[row].empty(); ++row) {
            for (int t = 1; t <= 2; ++t) {
                const int col = t == 2 ? 45 : 0;
                if (trim(field(box[row], col + 3, col + 13)).empty()) continue;
                runs[t] += Column(box[row], col + 17);
                hits[t] += Column(box[row], col + 19);
            }
        }
        EXPECT_EQ(box[row + 1].rfind("Pitcher ", 0), 0u) << box[row + 1];
        std::size_t score = row + 1;
        while (box[score].find("R  H  E") == std::string::npos) ++score;
        for (int t = 1; t <= 2; ++t) {
            const std::string& line = box[score + static_cast<std::size_t>(t)];
            const std::string rhe = line.substr(line.size() - 9);
            EXPECT_EQ(integerPrefix(rhe.substr(0, 3)), runs[t]) << line;
            EXPECT_EQ(integerPrefix(rhe.substr(3, 3)), hits[t]) << line;
        }
    }
    EXPECT_EQ(games, 4);
}

TEST(BatchGameFiles, ClashingNamesAreRefused) {
    BatchHome home("clash");
    for (const char* options : {"/BX:GAMES /SC:games", "/ST:SEAS /BX:SEAS.STB", "/LS:~BOX.PRN"}) {
        const auto refused = home.batch(std::string("/V:CAMHAVEN /H:FELVORA ") + options);
        EXPECT_NE(refused.status, 0) << options;
        EXPECT_EQ(refused.out, "") << options;
        EXPECT_FALSE(refused.err.empty()) << options;
    }
}

}  // namespace
}  // namespace vrk
