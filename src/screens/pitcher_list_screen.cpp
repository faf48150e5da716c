#include "screens/pitcher_list_screen.h"

#include <algorithm>
#include <cstdio>

#include "core/numbering.h"
#include "core/text_fields.h"
#include "data/team.h"
#include "presentation/console.h"
#include "presentation/console_keys.h"

namespace vrk {

namespace {

constexpr int kWindowAttribute = 7 + 16 * 1;
constexpr int kTitleAttribute = 14 + 16 * 1;
constexpr int kHeaderAttribute = 11 + 16 * 1;
constexpr int kHighlightAttribute = 1 + 16 * 7;
constexpr int kMessageAttribute = 15 + 16 * 4;

constexpr int kWindowHeight = 24;
constexpr int kPlayAreaWidth = 80;

// Where the window sits: as wide as its widest text, centred in the play area.
struct ListLayout {
    int top, left, width;
    std::size_t lineWidth() const { return static_cast<std::size_t>(width - 4); }
    int listTop() const { return top + 4; }
    int text() const { return left + 2; }
};

ListLayout LayoutFor(const Console& console, const PitcherList& list) {
    std::size_t widest = std::max({list.header.size(), list.title.size(), list.footer.size()});
    int width = std::min(static_cast<int>(widest) + 4, kPlayAreaWidth);
    return {playAreaTop(console.rows()) + 1,
            playAreaLeft(console.cols()) + 1 + (kPlayAreaWidth - width) / 2, width};
}

std::string Figure(std::string_view column, const Player& p) {
    if (column == "ERA") {
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "%.2f", p.pitching.eraTimes100 / 100.0);
        return buffer;
    }
    int value = 0;
    if (column == "W") {
        value = p.pitching.wins;
    } else if (column == "L") {
        value = p.pitching.losses;
    } else if (column == "S") {
        value = p.pitching.saves;
    } else if (column == "G") {
        value = p.pitching.games;
    } else if (column == "St") {
        value = p.pitching.gamesStarted;
    } else if (column == "Inn") {
        value = p.pitching.inningsPitched;
    } else if (column == "Hits") {
        value = p.pitching.hitsAllowed;
    } else if (column == "BB") {
        value = p.pitching.walksAllowed;
    } else if (column == "SO") {
        value = p.pitching.strikeouts;
    } else {
        return {};
    }
    return std::to_string(value);
}

void DrawCentred(Console& console, int row, const ListLayout& at, std::string_view text,
                 int attribute) {
    std::string_view shown = text.substr(0, at.lineWidth());
    int col = at.left + (at.width - static_cast<int>(shown.size())) / 2;
    console.printAt(row, col, shown, attribute);
}

void DrawFrame(Console& console, const PitcherList& list, const ListLayout& at) {
    console.fillArea(at.top, at.left, kWindowHeight, at.width, kWindowAttribute);
    console.drawFrame(at.top, at.left, kWindowHeight, at.width, FrameStyle::Double,
                      kWindowAttribute);
    DrawCentred(console, at.top + 1, at, list.title, kTitleAttribute);
    console.drawFrameRule(at.top + 2, at.left, at.width, FrameStyle::Double, kWindowAttribute);
    console.printAt(at.top + 3, at.text(), padRight(list.header, at.lineWidth()), kHeaderAttribute);
    int footerRule = at.listTop() + kVisiblePitcherLines;
    console.drawFrameRule(footerRule, at.left, at.width, FrameStyle::Double, kWindowAttribute);
    DrawCentred(console, footerRule + 1, at, list.footer, kTitleAttribute);
}

void DrawLines(Console& console, const PitcherList& list, const ListLayout& at, int first,
               int highlight) {
    for (int i = 0; i < kVisiblePitcherLines; ++i) {
        int index = first + i;
        bool exists = index < static_cast<int>(list.lines.size());
        std::string text =
            padRight(exists ? std::string_view(list.lines[static_cast<std::size_t>(index)]) : "",
                     at.lineWidth());
        console.printAt(at.listTop() + i, at.text(), text,
                        index == highlight ? kHighlightAttribute : kWindowAttribute);
    }
}

// The line under a mouse position, or kNoPick.
int LineAt(const ListLayout& at, int first, int count, int row, int col) {
    if (col < at.left || col >= at.left + at.width) return kNoPick;
    int offset = row - at.listTop();
    if (offset < 0 || offset >= kVisiblePitcherLines) return kNoPick;
    int index = first + offset;
    return index < count ? index : kNoPick;
}

// The new highlight for a movement key, or kNoPick when the key moves nothing.
int Moved(std::string_view key, int highlight, int count) {
    int target;
    switch (scanCodeOf(key)) {
        case kScanUp:
            target = highlight - 1;
            break;
        case kScanDown:
            target = highlight + 1;
            break;
        case kScanPgUp:
            target = highlight - kVisiblePitcherLines;
            break;
        case kScanPgDn:
            target = highlight + kVisiblePitcherLines;
            break;
        case kScanHome:
            target = 0;
            break;
        case kScanEnd:
            target = count - 1;
            break;
        default:
            return kNoPick;
    }
    return std::clamp(target, 0, count - 1);
}

}  // namespace

std::vector<int> StaffEntries(const Team& team) {
    std::vector<int> entries;
    int last = std::min(team.lastPitcherEntry, kLastPitcherLimit);
    for (int e = kFirstPitcherEntry; e <= last; ++e) entries.push_back(e);
    return entries;
}

std::string PitcherListLine(const Player& pitcher, std::string_view header) {
    const std::size_t handColumn = header.find("L/R");
    std::string line;
    std::size_t pos = 0;
    while (pos < header.size()) {
        std::size_t start = header.find_first_not_of(' ', pos);
        if (start == std::string_view::npos) break;
        std::size_t end = std::min(header.find(' ', start), header.size());
        std::string_view column = header.substr(start, end - start);
        pos = end;
        if (column == "Name") {
            std::size_t width = handColumn == std::string_view::npos || handColumn <= start
                                    ? 16
                                    : handColumn - start - 1;
            std::string_view name = std::string_view(pitcher.playerName).substr(0, width);
            line = padRight(line, start) + std::string(trimRight(name));
        } else if (column == "L/R") {
            line = padRight(line, start + 1) + upperChar(pitcher.hand);
        } else {
            std::string value = Figure(column, pitcher);
            // Right-aligned under its title; a figure too wide for its column
            // still keeps one blank before it.
            std::size_t wanted = end > value.size() ? end - value.size() : 0;
            line = line.size() < wanted ? padRight(line, wanted) : line + ' ';
            line += value;
        }
    }
    return line;
}

std::vector<std::string> PitcherListLines(const Team& team, std::span<const int> entries,
                                          std::string_view header) {
    std::vector<std::string> lines;
    for (int entry : entries) lines.push_back(PitcherListLine(team.player(entry), header));
    return lines;
}

std::string PitcherListTitle(std::string_view text, const Team& team) {
    return std::string(text) + std::string(trim(team.teamName)) + "'";
}

int PickFromPitcherList(Console& console, const PitcherList& list, int& highlight) {
    const int count = static_cast<int>(list.lines.size());
    if (count == 0) return kNoPick;
    highlight = std::clamp(highlight, 0, count - 1);
    const ListLayout at = LayoutFor(console, list);
    int first = std::max(0, highlight - kVisiblePitcherLines + 1);
    DrawFrame(console, list, at);
    console.showCursor(false);
    while (true) {
        if (highlight < first) first = highlight;
        if (highlight >= first + kVisiblePitcherLines) first = highlight - kVisiblePitcherLines + 1;
        DrawLines(console, list, at, first, highlight);
        const std::string key = console.waitKey();
        if (key == kKeyEscape) {
            if (list.escapeAllowed) return kNoPick;
        } else if (key == kKeyEnter) {
            return highlight;
        } else if (auto mouse = parseMouseCode(key)) {
            int line = LineAt(at, first, count, mouse->row, mouse->col);
            if (mouse->kind == MouseKind::WheelUp) {
                highlight = std::max(highlight - 1, 0);
            } else if (mouse->kind == MouseKind::WheelDown) {
                highlight = std::min(highlight + 1, count - 1);
            } else if (line != kNoPick && mouse->kind == MouseKind::LeftClick) {
                highlight = line;
            } else if (line != kNoPick && isEnterOrDoubleClick(key)) {
                highlight = line;
                return highlight;
            }
        } else if (int moved = Moved(key, highlight, count); moved != kNoPick) {
            highlight = moved;
        }
    }
}

std::string PitcherListMessage(Console& console, std::string_view text) {
    return console.messageBox(playAreaTop(console.rows()) + 10, playAreaLeft(console.cols()) + 12,
                              text, kMessageAttribute);
}

}  // namespace vrk
