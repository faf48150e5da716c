#pragma once
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "data/team_file.h"
#include "temp_dir.h"

namespace vrk::testing {

// Places `text` at 1-based column `col`, padding with blanks.
inline void put(std::string& line, int col, const std::string& text) {
    const auto at = static_cast<std::size_t>(col - 1);
    if (line.size() < at + text.size()) line.resize(at + text.size(), ' ');
    line.replace(at, text.size(), text);
}

inline std::string rj(int value, int width) {
    std::string s = std::to_string(value);
    return std::string(s.size() < std::size_t(width) ? std::size_t(width) - s.size() : 0, ' ') + s;
}

// Column, value, column, value...: numbers right-justified three wide.
inline void putNumbers(std::string& line, std::initializer_list<int> colValues) {
    for (auto it = colValues.begin(); it != colValues.end(); it += 2)
        put(line, it[0], rj(it[1], 3));
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
    std::string line;
    put(line, 7, rj(b.pos, 2));
    put(line, 10, b.name);
    putNumbers(line, {28, b.ab, 32, b.h,   36, b.d,   40, b.t,  44, b.hr, 48, b.bb,
                      52, b.so, 56, b.rbi, 62, b.def, 65, b.sb, 68, b.cs, 72, b.g});
    put(line, 60, std::string(1, b.hand));
    int k = 1;
    for (const auto& [games, code] : b.positions) {
        line.resize(100, ' ');
        put(line, 70 + 6 * k, rj(games, 3));
        line[std::size_t(74 + 6 * k - 1)] = code;
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
    std::string line;
    put(line, 7, " 1");
    put(line, 10, p.name);
    putNumbers(line, {28,    p.ip, 32,  p.h, 44,  p.hr, 48,  p.bb, 52,  p.so, 56,
                      p.era, 62,   p.w, 65,  p.l, 68,   p.s, 72,   p.g, 76,   p.gs});
    put(line, 60, std::string(1, p.hand));
    put(line, 81, std::string(1, p.grade));
    return line;
}

inline std::string headerLine(char league = 'A', const std::string& season = "1998",
                              const std::string& steals = " SB CS") {
    std::string line = "*";
    put(line, 2, std::string(1, league));
    put(line, 10, "E" + season + " Testers");
    put(line, 65, steals);
    return line;
}

// Header, nine batters (the ninth bats for the pitcher), `pitchers`
// pitchers, the separator and two bench batters.
inline std::vector<std::string> standardTeam(int pitchers = 5) {
    std::vector<std::string> lines{headerLine()};
    const char* names[] = {"Able,Al", "Baker,Bo", "Cole,Cy",  "Dunn,Di", "Eads,Ed",
                           "Fox,Flo", "Gray,Gus", "Hale,Hal", "Ives,Ira"};
    const int positions[] = {8, 6, 9, 3, 5, 7, 2, 4, 1};
    for (int i = 0; i < 9; ++i)
        lines.push_back(batterLine({.pos = positions[i], .name = names[i]}));
    for (int i = 0; i < pitchers; ++i)
        lines.push_back(pitcherLine({.name = "Pitcher" + std::to_string(i) + ",Pat"}));
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

// Standard team plus trailing keyword lines.
inline Loaded loadWithKeywords(std::initializer_list<std::string> keywordLines) {
    auto lines = standardTeam();
    lines.insert(lines.end(), keywordLines);
    return loadLines(lines);
}

inline bool anyWarningHas(const TeamLoadResult& r, const std::string& text) {
    for (const auto& w : r.warnings)
        if (w.find(text) != std::string::npos) return true;
    return false;
}

}  // namespace vrk::testing
