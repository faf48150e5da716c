#include "screens/text_pager.h"

#include <algorithm>
#include <fstream>

#include "core/text_fields.h"
#include "presentation/console.h"
#include "presentation/console_keys.h"

namespace vrk {

namespace {
constexpr int kTextAttribute = 7 + 16 * 0;
constexpr int kBarAttribute = 0 + 16 * 7;
}  // namespace

std::vector<std::string> PagerLines(const std::string& path) {
    std::vector<std::string> lines;
    std::ifstream in(path, std::ios::binary);
    std::string raw;
    while (std::getline(in, raw)) {
        if (!raw.empty() && raw.back() == '\r') raw.pop_back();
        std::string line;
        for (char c : raw) {
            const auto byte = static_cast<unsigned char>(c);
            if (c == '\t') {
                line.append(8 - line.size() % 8, ' ');
            } else {
                line += byte < 32 || byte == 127 ? '.' : c;
            }
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

void PageText(Console& console, const std::string& title, const std::vector<std::string>& lines) {
    const int width = std::min(console.cols(), 80);
    const int left = std::max(1, playAreaLeft(console.cols()) + 1);
    const int top = std::max(1, playAreaTop(console.rows()) + 1);
    const int height = std::min(console.rows() - top + 1, 24);
    const int page = std::max(1, height - 2);
    const int count = static_cast<int>(lines.size());
    const int lastFirst = std::max(0, count - page);
    int first = 0;
    console.pushScreen();
    console.showCursor(false);
    while (true) {
        console.fillArea(top, left, height, width, kTextAttribute);
        console.printAt(top, left,
                        padRight(title.substr(0, static_cast<std::size_t>(width)),
                                 static_cast<std::size_t>(width)),
                        kBarAttribute);
        for (int i = 0; i < page && first + i < count; ++i) {
            const std::string& line = lines[static_cast<std::size_t>(first + i)];
            console.printAt(top + 1 + i, left, line.substr(0, static_cast<std::size_t>(width)),
                            kTextAttribute);
        }
        const std::string status = " Lines " + std::to_string(count == 0 ? 0 : first + 1) + "-" +
                                   std::to_string(std::min(first + page, count)) + " of " +
                                   std::to_string(count) + "   PgUp/PgDn  ESC:Close";
        console.printAt(top + height - 1, left, padRight(status, static_cast<std::size_t>(width)),
                        kBarAttribute);
        const std::string key = console.waitKey();
        if (key == kKeyEscape || key == kKeyEnter) break;
        if (const auto mouse = parseMouseCode(key)) {
            if (mouse->kind == MouseKind::WheelUp) first -= 3;
            if (mouse->kind == MouseKind::WheelDown) first += 3;
        } else {
            switch (scanCodeOf(key)) {
                case kScanUp:
                    --first;
                    break;
                case kScanDown:
                    ++first;
                    break;
                case kScanPgUp:
                    first -= page;
                    break;
                case kScanPgDn:
                    first += page;
                    break;
                case kScanHome:
                    first = 0;
                    break;
                case kScanEnd:
                    first = lastFirst;
                    break;
                default:
                    break;
            }
        }
        first = std::clamp(first, 0, lastFirst);
    }
    console.popScreen();
}

}  // namespace vrk
