#include "screens/standings_screen.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <string>

#include "presentation/console.h"
#include "presentation/console_keys.h"

namespace vrk {

namespace {

constexpr int kTitleAttribute = 14;  // yellow on black
constexpr int kTextAttribute = 7;
constexpr int kHeadAttribute = 11;
constexpr int kWindowAttribute = 15 + 16 * 1;  // white on blue
constexpr int kColumnGap = 2;
constexpr int kHighlightWidth = 48;

struct ColumnStyle {
    const char* header;
    int width;
    bool wide;
};

constexpr ColumnStyle kWide{"              Won   Lost  Pct", 30, true};
constexpr ColumnStyle kNarrow{"            Won Lost Pct", 25, false};

std::string ClubRow(const ClubStanding& club, bool wide) {
    char row[64];
    const std::string pct = ScreenPctText(club.pctKey);
    if (wide) {
        std::snprintf(row, sizeof row, "%-11.11s%6d%7d  %s", club.name.c_str(), club.wins,
                      club.losses, pct.c_str());
    } else {
        std::snprintf(row, sizeof row, "%-11.11s%4d%5d %s", club.name.c_str(), club.wins,
                      club.losses, pct.c_str());
    }
    return row;
}

std::string Centred(const std::string& text, int width) {
    int pad = std::max(0, (width - static_cast<int>(text.size())) / 2);
    return std::string(static_cast<std::size_t>(pad), ' ') + text;
}

std::string HighlightText(const Highlight& h) {
    char line[80];
    std::snprintf(line, sizeof line, "%5d %-40.40s", h.gameNumber, std::string(h.text.view()).c_str());
    return line;
}

}  // namespace

int DrawStandings(Console& console, const ClubStandings& table, StandingsLayout layout) {
    const int top = playAreaTop(console.rows());
    const int left = playAreaLeft(console.cols());
    const std::vector<ShownLeague> leagues = GroupForScreen(table);
    const int n = std::max<int>(1, static_cast<int>(leagues.size()));
    ColumnStyle style = layout == StandingsLayout::Wide ? kWide : kNarrow;
    if (n * style.width + (n - 1) * kColumnGap > 80) style = kNarrow;
    const int used = n * style.width + (n - 1) * kColumnGap;
    const int firstCol = std::max(1, left + 1 + (80 - used) / 2);

    console.clear(kTextAttribute);
    console.printAt(std::max(1, top + 1), std::max(1, left + 1), Centred("Standings", 80),
                    kTitleAttribute);
    int lastRow = top + 1;
    for (std::size_t i = 0; i < leagues.size(); ++i) {
        const int col = firstCol + static_cast<int>(i) * (style.width + kColumnGap);
        int row = top + 3;
        console.printAt(row, col, Centred(LeagueName(leagues[i].letter), style.width),
                        kTitleAttribute);
        for (const ShownDivision& division : leagues[i].divisions) {
            row += 2;
            console.printAt(row, col, DivisionName(division.letter), kHeadAttribute);
            console.printAt(++row, col, style.header, kHeadAttribute);
            for (const ClubStanding* club : division.clubs)
                console.printAt(++row, col, ClubRow(*club, style.wide), kTextAttribute);
        }
        lastRow = std::max(lastRow, row);
    }
    return lastRow;
}

void HiLitesWindow(Console& console, const std::vector<Highlight>& highlights, int belowRow) {
    const int width = kHighlightWidth + 2;
    const int left = std::max(1, playAreaLeft(console.cols()) + 1 + (80 - width) / 2);
    // Below the standings when the console has the room, else over their
    // lower part.
    int top = belowRow + 2;
    int height = std::min(console.rows() - top + 1, 14);
    if (height < 6) {
        height = std::min(12, console.rows());
        top = console.rows() - height + 1;
    }
    const int page = std::max(1, height - 2);
    const int count = static_cast<int>(highlights.size());
    int first = 0;
    console.pushScreen();
    for (;;) {
        console.fillArea(top, left, height, width, kWindowAttribute);
        console.drawFrame(top, left, height, width, FrameStyle::Double, kWindowAttribute);
        console.printAt(top, left + 2, " Hi-Lites ", kWindowAttribute);
        console.printAt(top + height - 1, left + 2, " ESC PgUp/PgDown ", kWindowAttribute);
        if (count == 0) console.printAt(top + 1, left + 1, " No highlights yet.", kWindowAttribute);
        for (int i = 0; i < page && first + i < count; ++i) {
            console.printAt(top + 1 + i, left + 1,
                            HighlightText(highlights[static_cast<std::size_t>(first + i)]),
                            kWindowAttribute);
        }
        const std::string key = console.waitKey();
        if (key == kKeyEscape) break;
        if (key == kKeyPgDn && first + page < count) first += page;
        if (key == kKeyPgUp) first = std::max(0, first - page);
    }
    console.popScreen();
}

void ShowStandingsScreen(Console& console, ClubStandings& table, StandingsLayout layout,
                         const std::vector<Highlight>& highlights) {
    console.pushScreen();
    try {
        RecomputeStandingsKeys(table);
        SortStandingsTable(table);
        const int lastRow = DrawStandings(console, table, layout);
        HiLitesWindow(console, highlights, lastRow);
    } catch (const std::exception& e) {
        console.printAt(30, 10, std::string("ERROR: Standings ") + e.what(), kTextAttribute);
        console.waitKey();
    }
    console.popScreen();
}

}  // namespace vrk
