#pragma once
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "data/team_file.h"

namespace vrk::testing {

// A line with texts placed at 1-based columns over blanks.
inline std::string columns(std::initializer_list<std::pair<int, std::string>> parts) {
    std::string line;
    for (const auto& [col, text] : parts) {
        const auto end = static_cast<std::size_t>(col - 1) + text.size();
        if (line.size() < end) line.resize(end, ' ');
        line.replace(static_cast<std::size_t>(col - 1), text.size(), text);
    }
    return line;
}

inline std::string rj(int value, int width) {
    std::string s = std::to_string(value);
    return s.size() >= static_cast<std::size_t>(width)
               ? s
               : std::string(static_cast<std::size_t>(width) - s.size(), ' ') + s;
}

struct Batter {
    int pos = 8;
    std::string name = "Doe,John";
    int ab = 400, h = 100, d = 20, t = 3, hr = 10, bb = 40, so = 80, rbi = 50;
    char hand = 'R';
    int def = 0, sb = 5, cs = 2, g = 120;
    std::vector<std::pair<int, char>> positions{{120, '8'}};
};

inline std::string batterLine(const Batter& b) {
    std::string line = columns({{7, rj(b.pos, 2)},
                                {10, b.name},
                                {28, rj(b.ab, 3)},
                                {32, rj(b.h, 3)},
                                {36, rj(b.d, 3)},
                                {40, rj(b.t, 3)},
                                {44, rj(b.hr, 3)},
                                {48, rj(b.bb, 3)},
                                {52, rj(b.so, 3)},
                                {56, rj(b.rbi, 3)},
                                {60, std::string(1, b.hand)},
                                {62, rj(b.def, 3)},
                                {65, rj(b.sb, 3)},
                                {68, rj(b.cs, 3)},
                                {72, rj(b.g, 3)}});
    int k = 1;
    for (const auto& [games, code] : b.positions) {
        line.resize(100, ' ');
        line.replace(static_cast<std::size_t>(70 + 6 * k - 1), 3, rj(games, 3));
        line[static_cast<std::size_t>(74 + 6 * k - 1)] = code;
        ++k;
    }
    return line;
}

struct Pitcher {
    std::string name = "Arm,Pete";
    int ip = 150, h = 140, hr = 15, bb = 50, so = 100, era = 400;
    char hand = 'R';
    int w = 10, l = 8, s = 0, g = 30, gs = 25;
    char grade = ' ';
};

inline std::string pitcherLine(const Pitcher& p) {
    return columns({{7, " 1"},
                    {10, p.name},
                    {28, rj(p.ip, 3)},
                    {32, rj(p.h, 3)},
                    {44, rj(p.hr, 3)},
                    {48, rj(p.bb, 3)},
                    {52, rj(p.so, 3)},
                    {56, rj(p.era, 3)},
                    {60, std::string(1, p.hand)},
                    {62, rj(p.w, 3)},
                    {65, rj(p.l, 3)},
                    {68, rj(p.s, 3)},
                    {72, rj(p.g, 3)},
                    {76, rj(p.gs, 3)},
                    {81, std::string(1, p.grade)}});
}

inline std::string headerLine(char league = 'A', const std::string& season = "1998",
                              const std::string& steals = " SB CS") {
    return columns({{1, "*"},
                    {2, std::string(1, league)},
                    {10, "E"},
                    {11, season},
                    {15, " Testers"},
                    {65, steals}});
}

// Header, nine batters (the ninth bats for the pitcher), `pitchers`
// pitchers, the separator and two bench batters.
inline std::vector<std::string> standardTeam(int pitchers = 5) {
    std::vector<std::string> lines{headerLine()};
    const char* names[] = {"Able,Al", "Baker,Bo", "Cole,Cy",  "Dunn,Di", "Eads,Ed",
                           "Fox,Flo", "Gray,Gus", "Hale,Hal", "Ives,Ira"};
    const int positions[] = {8, 6, 9, 3, 5, 7, 2, 4, 1};
    for (int i = 0; i < 9; ++i) {
        lines.push_back(batterLine({.pos = positions[i], .name = names[i]}));
    }
    for (int i = 0; i < pitchers; ++i) {
        lines.push_back(pitcherLine({.name = "Pitcher" + std::to_string(i) + ",Pat"}));
    }
    lines.push_back("*");
    lines.push_back(batterLine({.pos = 0, .name = "Bench,Ben"}));
    lines.push_back(batterLine({.pos = 7, .name = "Sub,Sam"}));
    return lines;
}

inline std::string joinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& l : lines) text += l + "\n";
    return text;
}

struct Loaded {
    Team team;
    TeamLoadResult result;
};

inline Loaded loadText(const std::string& text, const Config& config = {}, int slot = 1) {
    Loaded out;
    std::istringstream in(text);
    out.result = readTeamFile(out.team, slot, nullptr, in, config, "TEST.DAT");
    return out;
}

inline Loaded loadLines(const std::vector<std::string>& lines, const Config& config = {}) {
    return loadText(joinLines(lines), config);
}

// A fresh folder under the system's temporary directory, removed afterwards.
class TempDir {
  public:
    TempDir() {
        static std::atomic<int> counter{0};
        path_ = std::filesystem::temp_directory_path() /
                ("vrk_team_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string str() const { return path_.string(); }
    std::string write(const std::string& name, const std::string& content) const {
        const auto file = path_ / name;
        std::ofstream(file, std::ios::binary) << content;
        return file.string();
    }

  private:
    std::filesystem::path path_;
};

}  // namespace vrk::testing
