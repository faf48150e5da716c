#include "screens/file_chooser.h"

#include <algorithm>

#include "core/folder_listing.h"
#include "core/paths.h"
#include "presentation/console.h"
#include "presentation/console_keys.h"
#include "screens/list_screen.h"

namespace vrk {

namespace {
constexpr int kMessageAttribute = 15 + 16 * 4;
constexpr int kListWidth = 60;
constexpr int kHelpAttribute = 0 + 16 * 7;

// The help box sits on the last rows of the play area.
void DrawHelp(Console& console, const std::vector<std::string>& help, int rows) {
    const int top = playAreaTop(console.rows()) + 25 - rows;
    const int left = playAreaLeft(console.cols()) + 3;
    console.fillArea(top, left, rows, 76, kHelpAttribute);
    console.drawFrame(top, left, rows, 76, FrameStyle::Single, kHelpAttribute);
    for (std::size_t i = 0; i < help.size(); ++i)
        console.printAt(top + 1 + static_cast<int>(i), left + 2, help[i].substr(0, 72),
                        kHelpAttribute);
}

std::string Shown(const std::string& folder, std::size_t width) {
    if (folder.size() <= width) return folder;
    return "..." + folder.substr(folder.size() - (width - 3));
}
}  // namespace

std::string TooManyFilesText(int limit) {
    return "Error: Too Many Files. Limit is " + std::to_string(limit);
}

std::optional<std::string> ChooseFolder(Console& console, const std::string& start) {
    std::string folder = enterFolder(start, ".");
    int highlight = 0;
    while (true) {
        ListWindow list;
        list.title = kFolderListTitle;
        list.prompt = Shown(folder, kListWidth - 6);
        list.lines = listFolders(folder);
        list.footer = kFolderListFooter;
        list.keys = {std::string(kKeyF4)};
        list.width = kListWidth;
        const ListResult r = RunListWindow(console, list, highlight);
        if (r.end == ListEnd::Escape) return std::nullopt;
        if (r.end == ListEnd::Key) return folder;
        folder = enterFolder(folder, list.lines[static_cast<std::size_t>(r.index)]);
        highlight = 0;
    }
}

std::optional<std::string> ChooseFile(Console& console, const FileChooser& chooser,
                                      std::string& folder, int& highlight) {
    const int limit = chooser.limit >= 0 ? chooser.limit : kMaxListedFiles;
    bool told = false;
    console.pushScreen();
    std::optional<std::string> chosen;
    while (true) {
        const FileListing files = listFiles(folder, chooser.patterns, limit);
        if (files.truncated && !told) {
            console.messageBox(playAreaTop(console.rows()) + 10, playAreaLeft(console.cols()) + 20,
                               TooManyFilesText(limit), kMessageAttribute);
            told = true;
        }
        ListWindow list;
        list.title = chooser.title + " - " + Shown(folder, 40);
        list.prompt = chooser.prompt;
        list.lines = files.names;
        list.footer = chooser.footer + "  F4:Folder";
        list.keys = {std::string(kKeyF4)};
        for (const FileChooser::Action& a : chooser.actions)
            list.keys.push_back(a.key.empty() ? std::string(1, a.letter) : a.key);
        list.width = kListWidth;
        if (!chooser.help.empty()) {
            // The list moves up and shortens so the help fits below it.
            const int helpRows = static_cast<int>(chooser.help.size()) + 2;
            list.visibleLines = std::max(3, 15 - helpRows - 3);
            DrawHelp(console, chooser.help, helpRows);
        }
        const ListResult r = RunListWindow(console, list, highlight);
        if (r.end == ListEnd::Escape) break;
        if (r.end == ListEnd::Picked) {
            chosen = joinPath(folder, list.lines[static_cast<std::size_t>(r.index)]);
            break;
        }
        if (r.key == kKeyF4) {
            if (auto other = ChooseFolder(console, folder)) {
                if (*other != folder) highlight = 0;
                folder = *other;
                told = false;
            }
            continue;
        }
        for (const FileChooser::Action& a : chooser.actions) {
            const bool hit =
                a.key.empty() ? r.key.size() == 1 && r.key[0] == a.letter : r.key == a.key;
            if (!hit || !a.run) continue;
            if (r.index >= 0) {
                a.run(joinPath(folder, list.lines[static_cast<std::size_t>(r.index)]));
            } else if (a.withoutFile) {
                a.run("");
            }
        }
    }
    console.popScreen();
    return chosen;
}

}  // namespace vrk
