#include "screens/list_screen.h"

#include <algorithm>
#include <cctype>

#include "core/text_fields.h"
#include "presentation/console.h"
#include "presentation/console_keys.h"

namespace vrk {

namespace {

constexpr int kWindowAttribute = 7 + 16 * 1;
constexpr int kTitleAttribute = 14 + 16 * 1;
constexpr int kPromptAttribute = 11 + 16 * 1;
constexpr int kHighlightAttribute = 1 + 16 * 7;
constexpr int kPlayWidth = 80;

struct Layout {
    int top, left, width, visible;
    bool prompt;
    int listTop() const { return top + (prompt ? 4 : 3); }
    std::size_t textWidth() const { return static_cast<std::size_t>(width - 4); }
};

Layout LayoutFor(const Console& console, const ListWindow& list) {
    std::size_t widest = std::max({list.title.size(), list.prompt.size(), list.footer.size()});
    for (const std::string& line : list.lines) widest = std::max(widest, line.size());
    int width = list.width > 0 ? list.width : static_cast<int>(widest) + 4;
    width = std::clamp(width, 20, std::min(kPlayWidth, console.cols()));
    const bool prompt = !list.prompt.empty();
    // The frame, title, rule, prompt, rule, footer and frame take 6 or 7
    // rows; the list keeps to what the screen has left.
    const int chrome = prompt ? 7 : 6;
    const int visible = std::clamp(list.visibleLines, 1, std::max(1, console.rows() - chrome - 1));
    const int height = visible + chrome;
    const int top = std::max(1, playAreaTop(console.rows()) + 1 + std::max(0, (24 - height) / 2));
    const int left = std::max(1, playAreaLeft(console.cols()) + 1 + (kPlayWidth - width) / 2);
    return {top, left, width, visible, prompt};
}

void Centred(Console& console, int row, const Layout& at, std::string_view text, int attribute) {
    const std::string_view shown = text.substr(0, at.textWidth());
    console.printAt(row, at.left + (at.width - static_cast<int>(shown.size())) / 2, shown,
                    attribute);
}

void DrawWindow(Console& console, const ListWindow& list, const Layout& at) {
    const int height = at.visible + (at.prompt ? 7 : 6);
    console.fillArea(at.top, at.left, height, at.width, kWindowAttribute);
    console.drawFrame(at.top, at.left, height, at.width, FrameStyle::Double, kWindowAttribute);
    Centred(console, at.top + 1, at, list.title, kTitleAttribute);
    console.drawFrameRule(at.top + 2, at.left, at.width, FrameStyle::Double, kWindowAttribute);
    if (at.prompt) Centred(console, at.top + 3, at, list.prompt, kPromptAttribute);
    const int footerRule = at.listTop() + at.visible;
    console.drawFrameRule(footerRule, at.left, at.width, FrameStyle::Double, kWindowAttribute);
    Centred(console, footerRule + 1, at, list.footer, kTitleAttribute);
}

void DrawLines(Console& console, const ListWindow& list, const Layout& at, int first,
               int highlight) {
    const int count = static_cast<int>(list.lines.size());
    for (int i = 0; i < at.visible; ++i) {
        const int index = first + i;
        const std::string_view text =
            index < count ? std::string_view(list.lines[static_cast<std::size_t>(index)]) : "";
        console.printAt(at.listTop() + i, at.left + 2,
                        padRight(text.substr(0, at.textWidth()), at.textWidth()),
                        index == highlight ? kHighlightAttribute : kWindowAttribute);
    }
    // Marks on the frame tell that there is more above or below.
    const int right = at.left + at.width - 1;
    console.printAt(at.listTop(), right, first > 0 ? "^" : "\xba", kWindowAttribute);
    console.printAt(at.listTop() + at.visible - 1, right, first + at.visible < count ? "v" : "\xba",
                    kWindowAttribute);
}

bool SameKey(const std::string& wanted, const std::string& key) {
    if (wanted.size() == 1 && key.size() == 1)
        return std::toupper(static_cast<unsigned char>(wanted[0])) ==
               std::toupper(static_cast<unsigned char>(key[0]));
    return wanted == key;
}

int Moved(std::string_view key, int highlight, int count, int page) {
    switch (scanCodeOf(key)) {
        case kScanUp:
            return std::max(highlight - 1, 0);
        case kScanDown:
            return std::min(highlight + 1, count - 1);
        case kScanPgUp:
            return std::max(highlight - page, 0);
        case kScanPgDn:
            return std::min(highlight + page, count - 1);
        case kScanHome:
            return 0;
        case kScanEnd:
            return count - 1;
        default:
            return -1;
    }
}

}  // namespace

ListResult RunListWindow(Console& console, const ListWindow& list, int& highlight) {
    const int count = static_cast<int>(list.lines.size());
    const Layout at = LayoutFor(console, list);
    highlight = count == 0 ? -1 : std::clamp(highlight, 0, count - 1);
    int first = std::max(0, highlight - at.visible + 1);
    DrawWindow(console, list, at);
    console.showCursor(false);
    while (true) {
        if (highlight >= 0 && highlight < first) first = highlight;
        if (highlight >= first + at.visible) first = highlight - at.visible + 1;
        DrawLines(console, list, at, first, highlight);
        const std::string key = console.waitKey();
        if (key == kKeyEscape) {
            if (list.escapeAllowed) return {ListEnd::Escape, highlight, {}};
            continue;
        }
        for (const std::string& wanted : list.keys)
            if (SameKey(wanted, key)) return {ListEnd::Key, highlight, wanted};
        if (count == 0) continue;
        if (key == kKeyEnter) return {ListEnd::Picked, highlight, {}};
        if (const auto mouse = parseMouseCode(key)) {
            const int offset = mouse->row - at.listTop();
            const bool onList = mouse->col > at.left && mouse->col < at.left + at.width - 1 &&
                                offset >= 0 && offset < at.visible && first + offset < count;
            if (mouse->kind == MouseKind::WheelUp) {
                highlight = std::max(highlight - 1, 0);
            } else if (mouse->kind == MouseKind::WheelDown) {
                highlight = std::min(highlight + 1, count - 1);
            } else if (onList && mouse->kind == MouseKind::LeftClick) {
                highlight = first + offset;
            } else if (onList && mouse->kind == MouseKind::DoubleClick) {
                highlight = first + offset;
                return {ListEnd::Picked, highlight, {}};
            }
            continue;
        }
        if (const int moved = Moved(key, highlight, count, at.visible); moved >= 0)
            highlight = moved;
    }
}

}  // namespace vrk
