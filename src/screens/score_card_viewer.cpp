#include "screens/score_card_viewer.h"

#include <algorithm>

#include "core/text_fields.h"
#include "data/config_folders.h"
#include "presentation/console_keys.h"

namespace vrk {

namespace {

constexpr int kTextAttribute = 15 + 16 * 1;
constexpr int kFrameAttribute = 11 + 16 * 1;
constexpr int kMessageAttribute = 15 + 16 * 4;
constexpr const char* kHelp = "ESC PgUp PgDown [P]rint [F]ile";
// Where the columns of a card line meet: name, play, bases, runs.
constexpr int kColumnEdges[] = {19, 29, 35};

std::string Rule(int width, unsigned char tee) {
    std::string rule(static_cast<std::size_t>(width), static_cast<char>(196));
    for (int edge : kColumnEdges) {
        if (edge <= width) rule[static_cast<std::size_t>(edge - 1)] = static_cast<char>(tee);
    }
    return rule;
}

void Draw(Console& console, const std::vector<std::string>& lines, int first, int height) {
    const int rows = console.rows();
    const int cols = console.cols();
    const int width = cols - 2;
    console.fillArea(1, 1, rows, cols, kTextAttribute);
    console.drawFrame(1, 1, rows, cols, FrameStyle::Double, kFrameAttribute);
    console.printAt(1, (cols - 12) / 2 + 1, " Score Card ", kFrameAttribute);
    console.printAt(2, 2, Rule(width, 194), kFrameAttribute);
    for (int r = 0; r < height; ++r) {
        const std::size_t n = static_cast<std::size_t>(first + r);
        const std::string line = n < lines.size() ? lines[n] : std::string();
        console.printAt(3 + r, 2, padRight(line, static_cast<std::size_t>(width)), kTextAttribute);
    }
    console.printAt(rows - 2, 2, Rule(width, 193), kFrameAttribute);
    console.printAt(rows - 1, 2, padRight(kHelp, static_cast<std::size_t>(width)), kFrameAttribute);
}

std::vector<std::string> LogLines(const std::vector<std::string>& lines) {
    std::vector<std::string> out;
    for (const std::string& line : lines) out.emplace_back(trimRight(line));
    return out;
}

}  // namespace

void viewScoreCard(Console& console, const Config& config, const std::vector<std::string>& lines,
                   const Printer& printer) {
    console.pushScreen();
    const int height = std::max(console.rows() - 5, 1);
    const int count = static_cast<int>(lines.size());
    int first = 0;
    for (;;) {
        Draw(console, lines, first, height);
        const std::string key = console.waitKey();
        if (key == kKeyEscape) break;
        if (key == kKeyPgDn) {
            if (first + height < count) {
                first += height;
            } else {
                console.beep();
            }
        } else if (key == kKeyPgUp) {
            if (first > 0) {
                first = std::max(0, first - height);
            } else {
                console.beep();
            }
        } else if (key == "f" || key == "F") {
            const std::string path = writeFolder(config) + kScoreCardLogName;
            const auto problem = WriteLines(path, LogLines(lines));
            console.messageBox(0, 0, problem ? " " + *problem + " " : " Saved in " + path + " ",
                               kMessageAttribute);
        } else if (key == "p" || key == "P") {
            const std::string spool = writeFolder(config) + "~LIST.TMP";
            std::string message;
            if (const auto problem = WriteLines(spool, LogLines(lines))) {
                message = *problem;
            } else {
                message = PrintFile(spool, printer).message;
            }
            console.messageBox(0, 0, " " + message + " ", kMessageAttribute);
        }
    }
    console.popScreen();
}

}  // namespace vrk
