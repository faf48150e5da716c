#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vrk {

class Console;

// A list of the files of a folder that match the patterns (team files,
// schedules, series, statistics sets). F4 opens the folder list to change
// the folder; letters of `actions` act on the highlighted file and return
// to the list.
struct FileChooser {
    std::string title;
    std::string prompt;
    std::vector<std::string> patterns;
    std::string footer;
    struct Action {
        char letter;  // upper case
        std::function<void(const std::string& path)> run;
        std::string key = {};      // a key code (Del) taken instead of the letter
        bool withoutFile = false;  // also on an empty list, given "" (N for a new file)
    };
    std::vector<Action> actions;
    // Lines shown in a box under the list (what these files are for).
    std::vector<std::string> help;
    int limit = -1;  // -1: the usual limit of a list
};

inline constexpr const char* kFolderListTitle = "Choose Folder";
inline constexpr const char* kFolderListFooter = "Dbl-click folder  F4:Use this folder  ESC";

// "Error: Too Many Files. Limit is " + limit.
std::string TooManyFilesText(int limit);

// Runs the list on `folder` (changed when the user picks another). Returns
// the chosen file's path, or nothing for ESC. `highlight` is the line
// highlighted at the start and is kept.
std::optional<std::string> ChooseFile(Console& console, const FileChooser& chooser,
                                      std::string& folder, int& highlight);

// The folder list: Enter or a double click on an entry goes into it (".."
// the parent, "/" the root); F4 takes the folder shown. Returns the folder
// chosen, or nothing for ESC.
std::optional<std::string> ChooseFolder(Console& console, const std::string& start);

}  // namespace vrk
