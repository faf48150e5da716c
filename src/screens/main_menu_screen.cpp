#include "screens/main_menu_screen.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "core/text_fields.h"
#include "presentation/console.h"
#include "presentation/console_keys.h"

namespace vrk {

namespace {

constexpr int kWindowAttribute = 7 + 16 * 1;
constexpr int kTitleAttribute = 14 + 16 * 1;
constexpr int kLetterAttribute = 14 + 16 * 1;
constexpr int kDescriptionAttribute = 11 + 16 * 1;
constexpr int kHighlightAttribute = 1 + 16 * 7;
constexpr int kWidth = 58;
constexpr int kItems = static_cast<int>(kMainMenuItems.size());
// Frame, title, rule, a blank, two rows per item, a blank, rule, footer, frame.
constexpr int kHeight = 7 + 2 * kItems;

struct Layout {
    int top, left;
    int itemRow(int i) const { return top + 4 + 2 * i; }
};

Layout LayoutFor(const Console& console) {
    return {std::max(1, playAreaTop(console.rows()) + 1 + (24 - kHeight) / 2),
            std::max(1, playAreaLeft(console.cols()) + 1 + (80 - kWidth) / 2)};
}

void DrawMenu(Console& console, const Layout& at, int highlight) {
    console.fillArea(at.top, at.left, kHeight, kWidth, kWindowAttribute);
    console.drawFrame(at.top, at.left, kHeight, kWidth, FrameStyle::Double, kWindowAttribute);
    console.printAt(at.top + 1, at.left + (kWidth - static_cast<int>(kMainMenuTitle.size())) / 2,
                    kMainMenuTitle, kTitleAttribute);
    console.drawFrameRule(at.top + 2, at.left, kWidth, FrameStyle::Double, kWindowAttribute);
    console.drawFrameRule(at.top + kHeight - 3, at.left, kWidth, FrameStyle::Double,
                          kWindowAttribute);
    console.printAt(at.top + kHeight - 2,
                    at.left + (kWidth - static_cast<int>(kMainMenuFooter.size())) / 2,
                    kMainMenuFooter, kTitleAttribute);
    for (int i = 0; i < kItems; ++i) {
        const MainMenuItem& item = kMainMenuItems[static_cast<std::size_t>(i)];
        const int row = at.itemRow(i);
        const bool lit = i == highlight;
        console.printAt(row, at.left + 3, std::string(1, item.letter), kLetterAttribute);
        console.printAt(row, at.left + 6, padRight(item.label, kWidth - 10),
                        lit ? kHighlightAttribute : kWindowAttribute);
        console.printAt(row + 1, at.left + 7, item.description, kDescriptionAttribute);
    }
}

// The item under a click: its own row or its description row.
int ItemAt(const Layout& at, int row, int col) {
    if (col <= at.left || col >= at.left + kWidth - 1) return -1;
    const int offset = row - at.itemRow(0);
    if (offset < 0 || offset >= 2 * kItems) return -1;
    return offset / 2;
}

}  // namespace

char MainMenuScreen(Console& console, int& highlight) {
    highlight = std::clamp(highlight, 0, kItems - 1);
    const Layout at = LayoutFor(console);
    console.showCursor(false);
    while (true) {
        DrawMenu(console, at, highlight);
        const std::string key = console.waitKey();
        if (key == kKeyEscape) return 'Q';
        if (key == kKeyEnter) return kMainMenuItems[static_cast<std::size_t>(highlight)].letter;
        if (const auto mouse = parseMouseCode(key)) {
            const int item = ItemAt(at, mouse->row, mouse->col);
            if (mouse->kind == MouseKind::WheelUp) {
                highlight = std::max(highlight - 1, 0);
            } else if (mouse->kind == MouseKind::WheelDown) {
                highlight = std::min(highlight + 1, kItems - 1);
            } else if (item >= 0 && (mouse->kind == MouseKind::LeftClick ||
                                     mouse->kind == MouseKind::DoubleClick)) {
                highlight = item;
                return kMainMenuItems[static_cast<std::size_t>(item)].letter;
            }
            continue;
        }
        switch (scanCodeOf(key)) {
            case kScanUp:
                highlight = (highlight + kItems - 1) % kItems;
                continue;
            case kScanDown:
                highlight = (highlight + 1) % kItems;
                continue;
            case kScanHome:
                highlight = 0;
                continue;
            case kScanEnd:
                highlight = kItems - 1;
                continue;
            default:
                break;
        }
        if (key.size() != 1) continue;
        const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(key[0])));
        if (letter == 'Q') return 'Q';
        for (int i = 0; i < kItems; ++i) {
            if (kMainMenuItems[static_cast<std::size_t>(i)].letter == letter) {
                highlight = i;
                return letter;
            }
        }
    }
}

}  // namespace vrk
