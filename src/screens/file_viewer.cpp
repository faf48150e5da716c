#include "screens/file_viewer.h"

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <system_error>

#include "core/process.h"
#include "core/text_fields.h"
#include "data/config_folders.h"
#include "presentation/console_keys.h"
#include "presentation/text_file_view.h"

namespace vrk {

namespace {

constexpr int kTextAttribute = 15 + 16 * 1;
constexpr int kFrameAttribute = 11 + 16 * 1;
constexpr int kHelpAttribute = 0 + 16 * 3;
constexpr int kMessageAttribute = 15 + 16 * 4;
constexpr int kInputAttribute = 0 + 16 * 7;

std::string BaseName(const std::string& path) {
    const std::size_t cut = path.find_last_of("/\\");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string HelpText() {
    return "[X]:Close [PgUp PgDn]:PageUp/Dn  [< >] [u d] [T]op [B]ot [P]rint [S]aveAs ";
}

void Draw(Console& console, TextFileView& view, const ViewPosition& at, const std::string& title) {
    const int rows = console.rows();
    const int cols = console.cols();
    console.fillArea(1, 1, rows, cols, kTextAttribute);
    console.drawFrame(1, 1, rows, cols, FrameStyle::Double, kFrameAttribute);
    const std::string shownTitle =
        concat({" ", std::string_view(title).substr(0, static_cast<std::size_t>(cols - 6)), " "});
    console.printAt(1, (cols - static_cast<int>(shownTitle.size())) / 2 + 1, shownTitle,
                    kFrameAttribute);
    for (int r = 0; r < at.height; ++r) {
        const std::string line = view.line(at.first + r);
        const std::size_t from = static_cast<std::size_t>(at.firstCol - 1);
        const std::string part = from < line.size() ? line.substr(from) : std::string();
        console.printAt(2 + r, 2, padRight(part, static_cast<std::size_t>(at.width)),
                        kTextAttribute);
    }
    const std::string help = HelpText().substr(0, static_cast<std::size_t>(cols - 2));
    console.printAt(rows - 1, 2, padRight(help, static_cast<std::size_t>(cols - 2)),
                    kHelpAttribute);
}

bool Printable(const std::string& key) {
    return key.size() == 1 && static_cast<unsigned char>(key[0]) >= 32 &&
           static_cast<unsigned char>(key[0]) != 127;
}

// Where a typed name goes: a bare name in the write folder, a path as typed.
std::string SaveTarget(const Config& config, const std::string& typed) {
    if (typed.find('/') != std::string::npos) return typed;
    return writeFolder(config) + typed;
}

void SaveAs(Console& console, const Config& config, const std::string& path) {
    const int width = 50;
    const int top = console.rows() / 2 - 3;
    const int left = std::max(1, (console.cols() - width) / 2);
    console.pushScreen();
    console.fillArea(top, left, 5, width, kMessageAttribute);
    console.drawFrame(top, left, 5, width, FrameStyle::Single, kMessageAttribute);
    console.printAt(top, left + 2, " Save As... ", kMessageAttribute);
    console.printAt(top + 3, left + 2, "ENTER:Save   ESC:Cancel", kMessageAttribute);
    std::string name;
    const bool accepted =
        readTextField(console, top + 1, left + 2, width - 4, name, kInputAttribute);
    console.popScreen();
    name = std::string(trim(name));
    if (!accepted || name.empty()) return;
    namespace fs = std::filesystem;
    const std::string target = SaveTarget(config, name);
    std::error_code ec;
    if (fs::exists(target, ec) && fs::equivalent(target, path, ec)) {
        console.messageBox(0, 0, " That is the file being shown. ", kMessageAttribute);
        return;
    }
    if (fs::exists(target, ec)) {
        const std::string answer = console.messageBox(
            0, 0, " " + target + " exists. Replace it? [y/N] ", kMessageAttribute);
        if (answer != "y" && answer != "Y") return;
    }
    fs::copy_file(path, target, fs::copy_options::overwrite_existing, ec);
    console.messageBox(
        0, 0,
        ec ? " Could not save " + target + ": " + ec.message() + " " : " Saved as " + target + " ",
        kMessageAttribute);
}

}  // namespace

bool readTextField(Console& console, int row, int col, int width, std::string& text,
                   int attribute) {
    const std::size_t limit = static_cast<std::size_t>(std::max(width, 1));
    console.showCursor(true);
    for (;;) {
        const std::string shown = text.size() < limit ? text : text.substr(text.size() - limit + 1);
        console.printAt(row, col, padRight(shown, limit), attribute);
        console.setCursor(row, col + static_cast<int>(std::min(shown.size(), limit - 1)));
        const std::string key = console.waitKey();
        if (key == kKeyEnter) break;
        if (key == kKeyEscape) {
            console.showCursor(false);
            return false;
        }
        if (key == kKeyBackspace || key == "\x7f") {
            if (!text.empty()) text.pop_back();
        } else if (Printable(key) && text.size() < 200) {
            text += key;
        }
    }
    console.showCursor(false);
    return true;
}

void viewTextFile(Console& console, const Config& config, const std::string& path,
                  const Printer& printer) {
    TextFileView view;
    if (!std::filesystem::is_regular_file(path) || !view.open(path)) {
        console.messageBox(0, 0, " " + path + " not found in the current directory. ",
                           kMessageAttribute);
        return;
    }
    const std::string title = BaseName(path);
    console.pushScreen();
    console.setTitle(title);
    ViewPosition at;
    at.total = view.shownLines();
    at.height = std::max(console.rows() - 3, 1);
    at.width = std::max(console.cols() - 2, 1);
    for (;;) {
        Draw(console, view, at, title);
        const std::string key = console.waitKey();
        bool moved = true;
        if (key == kKeyEscape || key == "x" || key == "X") break;
        if (key == kKeyPgDn) {
            moved = at.pageDown();
        } else if (key == kKeyPgUp) {
            moved = at.pageUp();
        } else if (key == kKeyDown || key == "d" || key == "D") {
            moved = at.lineDown();
        } else if (key == kKeyUp || key == "u" || key == "U") {
            moved = at.lineUp();
        } else if (key == kKeyRight || key == ">" || key == ".") {
            at.shiftRight();
        } else if (key == kKeyLeft || key == "<" || key == ",") {
            at.shiftLeft();
        } else if (key == "t" || key == "T" || key == kKeyHome) {
            at.top();
        } else if (key == "b" || key == "B" || key == kKeyEnd) {
            at.bottom();
        } else if (key == "p" || key == "P") {
            console.messageBox(0, 0, " " + PrintFile(path, printer).message + " ",
                               kMessageAttribute);
        } else if (key == "s" || key == "S") {
            SaveAs(console, config, path);
        } else if (key.size() == kMouseCodeLength && key[0] == '\xff') {
            if (key[1] == 'U') moved = at.lineUp();
            if (key[1] == 'W') moved = at.lineDown();
        }
        if (!moved) console.beep();
    }
    console.popScreen();
}

std::string openWithWordProcessor(const Config& config, const std::string& path,
                                  const ProgramLauncher& launch) {
    std::vector<std::string> argv;
    std::istringstream words(config.wordProcessor);
    for (std::string word; words >> word;) argv.push_back(word);
    if (argv.empty()) {
        return "No program opens .DOC and .RTF files here: install xdg-open or name one with "
               "WORDPAD= in BASEBALL.CFG.";
    }
    argv.push_back(path);
    if (!launch(argv)) return "Could not start " + argv.front() + " for " + path + ".";
    return {};
}

std::string openWithWordProcessor(const Config& config, const std::string& path) {
    return openWithWordProcessor(
        config, path, [](const std::vector<std::string>& argv) { return launchDetached(argv); });
}

}  // namespace vrk
