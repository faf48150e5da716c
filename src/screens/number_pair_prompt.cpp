#include "screens/number_pair_prompt.h"

#include <algorithm>
#include <array>

#include "presentation/console.h"
#include "presentation/console_keys.h"

namespace vrk {

namespace {

constexpr int kAttribute = 15 + 16 * 1;
constexpr int kValueAttribute = 0 + 16 * 7;
constexpr std::size_t kDigits = 2;

int Number(const std::string& digits) {
    return digits.empty() ? 0 : std::stoi(digits);
}

}  // namespace

std::optional<NumberPair> AskNumberPair(Console& console, std::string_view title,
                                        std::string_view footer, int top) {
    const int width =
        static_cast<int>(std::max({title.size(), footer.size(), std::size_t{30}})) + 4;
    if (top <= 0) top = playAreaTop(console.rows()) + 9;
    const int left = std::max(1, playAreaLeft(console.cols()) + 1 + (80 - width) / 2);
    const int row = top + 3;
    const std::array<int, 2> cols{left + width / 2 - 9, left + width / 2 + 5};
    console.pushScreen();
    console.fillArea(top, left, 7, width, kAttribute);
    console.drawFrame(top, left, 7, width, FrameStyle::Double, kAttribute);
    console.printAt(top + 1, left + (width - static_cast<int>(title.size())) / 2, title,
                    kAttribute);
    console.printAt(row, cols[0] - 2, "#", kAttribute);
    console.printAt(row, cols[1] - 6, "and #", kAttribute);
    console.drawFrameRule(top + 4, left, width, FrameStyle::Double, kAttribute);
    console.printAt(top + 5, left + (width - static_cast<int>(footer.size())) / 2, footer,
                    kAttribute);
    console.showCursor(true);
    std::array<std::string, 2> typed;
    std::size_t field = 0;
    std::optional<NumberPair> answer;
    while (true) {
        for (std::size_t f = 0; f < 2; ++f) {
            std::string shown = typed[f];
            shown.resize(kDigits, ' ');
            console.printAt(row, cols[f], shown, kValueAttribute);
        }
        console.setCursor(row, cols[field] + static_cast<int>(typed[field].size()));
        const std::string key = console.waitKey();
        if (key == kKeyF3) break;
        if (key == kKeyEscape || (key == kKeyEnter && field == 1)) {
            answer = NumberPair{Number(typed[0]), Number(typed[1])};
            break;
        }
        if (key == kKeyEnter || key == kKeyTab || key == " ") {
            field = 1;
        } else if (key == kKeyBackspace) {
            if (!typed[field].empty()) {
                typed[field].pop_back();
            } else if (field == 1) {
                field = 0;
            }
        } else if (key.size() == 1 && key[0] >= '0' && key[0] <= '9' &&
                   typed[field].size() < kDigits) {
            typed[field] += key;
        } else if (scanCodeOf(key) == kScanLeft || scanCodeOf(key) == kScanShiftTab) {
            field = 0;
        } else if (scanCodeOf(key) == kScanRight) {
            field = 1;
        } else {
            console.beep();
        }
    }
    console.showCursor(false);
    console.popScreen();
    return answer;
}

}  // namespace vrk
