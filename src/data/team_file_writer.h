#pragma once
#include <array>
#include <string>
#include <string_view>

namespace vrk {

// A 100-column line of a team file being written. A value that does not fit
// its columns throws std::invalid_argument: a figure is never silently cut.
class ColumnLine {
  public:
    ColumnLine();
    void number(int first, int last, long value);
    void text(int first, int last, std::string_view value);
    void rightText(int first, int last, std::string_view value);
    void letter(int col, char c);
    // The line without trailing blanks.
    std::string str() const;

  private:
    void place(int col, std::string_view value);
    std::string text_;
};

struct WrittenHeader {
    char league = 'A';
    char division = ' ';
    std::string seasonAndName;  // cols 11-24: "1998 Yankees", the season's last two digits shared
    bool errorsLayout = false;  // cols 62-64 of batters hold errors
    bool stealHeadings = true;  // false: speed ratings in cols 66-67
};

struct WrittenPosition {
    int games = 0;
    char code = ' ';  // '1'..'9' or 'D'
};

struct WrittenBatter {
    std::string name;  // "Last,First", at most 18 characters
    int position = 0;  // cols 7-8: 1-9, 10 = DH; 1 in the line-up = the pitchers' slot
    char platoon = ' ';
    long ab = 0, h = 0, d = 0, t = 0, hr = 0, bb = 0, k = 0, rbi = 0;
    char hitByPitchGrade = ' ';  // col 51
    char hand = 'R';
    long defense = 0;  // rating, or errors with the errors layout
    long sb = 0, cs = 0;
    int speedRating = 0;  // without steal headings
    long g = 0;
    std::array<WrittenPosition, 4> positions{};
};

struct WrittenPitcher {
    std::string name;
    long ip = 0, h = 0, d = 0, t = 0, hr = 0, bb = 0, k = 0, era100 = 0;
    char hand = 'R';
    long w = 0, l = 0, sv = 0, g = 0, gs = 0;
    char battingGrade = ' ';
    long batAb = 0, batH = 0, batHr = 0, batBb = 0, batK = 0;  // written when batAb > 0
};

std::string teamHeaderLine(const WrittenHeader& header);
// The pitchers' slot of a line-up (position 1) carries no defence or steals.
std::string teamBatterLine(const WrittenBatter& batter, bool stealHeadings);
std::string teamPitcherLine(const WrittenPitcher& pitcher);
// The comment line that heads the pitchers, for a reader of the file.
std::string_view teamPitcherHeadings();

}  // namespace vrk
