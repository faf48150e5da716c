#include "data/team_file_writer.h"

#include <stdexcept>

namespace vrk {

namespace {
[[noreturn]] void fail(const std::string& why) {
    throw std::invalid_argument(why);
}
}  // namespace

ColumnLine::ColumnLine() : text_(100, ' ') {}

void ColumnLine::number(int first, int last, long value) {
    const std::string digits = std::to_string(value);
    const int width = last - first + 1;
    if (static_cast<int>(digits.size()) > width)
        fail("value " + digits + " does not fit columns " + std::to_string(first) + "-" +
             std::to_string(last));
    place(last - static_cast<int>(digits.size()) + 1, digits);
}

void ColumnLine::text(int first, int last, std::string_view value) {
    if (static_cast<int>(value.size()) > last - first + 1)
        fail("text \"" + std::string(value) + "\" does not fit columns " + std::to_string(first) +
             "-" + std::to_string(last));
    place(first, value);
}

void ColumnLine::rightText(int first, int last, std::string_view value) {
    if (static_cast<int>(value.size()) > last - first + 1) fail("heading too wide");
    place(last - static_cast<int>(value.size()) + 1, value);
}

void ColumnLine::letter(int col, char c) {
    place(col, std::string_view(&c, 1));
}

std::string ColumnLine::str() const {
    const auto end = text_.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : text_.substr(0, end + 1);
}

void ColumnLine::place(int col, std::string_view value) {
    if (col < 1 || col - 1 + value.size() > text_.size()) fail("column out of range");
    text_.replace(static_cast<std::size_t>(col - 1), value.size(), value);
}

std::string teamHeaderLine(const WrittenHeader& header) {
    ColumnLine line;
    line.letter(1, '*');
    line.letter(2, header.league);
    line.letter(10, header.division);
    line.text(11, 24, header.seasonAndName);
    line.rightText(28, 30, "AB");
    line.rightText(32, 34, "H");
    line.rightText(36, 38, "2B");
    line.rightText(40, 42, "3B");
    line.rightText(44, 46, "HR");
    line.rightText(48, 50, "BB");
    line.rightText(52, 54, "SO");
    line.rightText(56, 58, "RBI");
    line.letter(60, 'B');
    line.text(62, 64, header.errorsLayout ? "ERR" : "DEF");
    if (header.stealHeadings) {
        line.rightText(65, 67, "SB");
        line.rightText(68, 70, "CS");
    } else {
        line.rightText(65, 67, "SP");
    }
    line.rightText(72, 74, "G");
    for (int k = 0; k < 4; ++k) {
        line.rightText(76 + 6 * k, 78 + 6 * k, "G");
        line.letter(80 + 6 * k, 'P');
    }
    return line.str();
}

std::string teamBatterLine(const WrittenBatter& b, bool stealHeadings) {
    ColumnLine line;
    line.letter(5, b.platoon);
    line.number(7, 8, b.position);
    line.text(10, 27, b.name);
    line.number(28, 30, b.ab);
    line.number(32, 34, b.h);
    line.number(36, 38, b.d);
    line.number(40, 42, b.t);
    line.number(44, 46, b.hr);
    line.number(48, 50, b.bb);
    line.letter(51, b.hitByPitchGrade);
    line.number(52, 54, b.k);
    line.number(56, 58, b.rbi);
    line.letter(60, b.hand);
    if (b.position != 1) {
        line.number(62, 64, b.defense);
        if (stealHeadings) {
            line.number(65, 67, b.sb);
            line.number(68, 70, b.cs);
        } else {
            line.number(66, 67, b.speedRating);
        }
    }
    line.number(72, 74, b.g);
    for (int k = 0; k < 4; ++k) {
        const auto& p = b.positions[static_cast<std::size_t>(k)];
        if (p.games <= 0) continue;
        line.number(76 + 6 * k, 78 + 6 * k, p.games);
        line.letter(80 + 6 * k, p.code);
    }
    return line.str();
}

std::string teamPitcherLine(const WrittenPitcher& p) {
    ColumnLine line;
    line.number(7, 8, 1);
    line.text(10, 27, p.name);
    line.number(28, 30, p.ip);
    line.number(32, 34, p.h);
    line.number(36, 38, p.d);
    line.number(40, 42, p.t);
    line.number(44, 46, p.hr);
    line.number(48, 50, p.bb);
    line.number(52, 54, p.k);
    line.number(56, 58, p.era100);
    line.letter(60, p.hand);
    line.number(62, 64, p.w);
    line.number(65, 67, p.l);
    line.number(68, 70, p.sv);
    line.number(72, 74, p.g);
    line.number(76, 78, p.gs);
    line.letter(81, p.battingGrade);
    if (p.batAb > 0) {
        line.number(83, 85, p.batAb);
        line.number(87, 89, p.batH);
        line.number(91, 92, p.batHr);
        line.number(94, 96, p.batBb);
        line.number(98, 100, p.batK);
    }
    return line.str();
}

std::string_view teamPitcherHeadings() {
    return ";      Pitchers           IP   H  2B  3B  HR  BB  SO ERA T   W  L SV   G  GS B   AB  H "
           " "
           "HR  BB  SO";
}

}  // namespace vrk
