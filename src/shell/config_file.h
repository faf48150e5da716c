#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "data/config.h"
#include "data/config_folders.h"

namespace vrk {

// A re-read after the user edited the file leaves the console size alone:
// the window cannot be resized under a running session.
enum class ConfigReadMode { Startup, Reread };

// Editor and word-processor commands chosen from the host before the file is
// read; each ends in one blank so a file name can follow.
struct EditorDefaults {
    std::string editor;
    std::string wordProcessor;
};

// $EDITOR when set, else nano, else vi; the word processor is xdg-open where
// present, else the editor (a text editor can still show the file).
EditorDefaults discoverEditors();
// The same choice from given facts, so it can be tested.
EditorDefaults chooseEditors(std::string_view envEditor, bool nanoAvailable, bool xdgOpenAvailable);

// Every setting back to its default (the home directory is kept).
void applyConfigDefaults(Config& config, const EditorDefaults& editors);

// Reads the lines of BASEBALL.CFG into config, in file order. Returns the
// warnings to show, in the order they arose. Never fails: junk is ignored.
std::vector<std::string> applyConfigText(std::string_view text, Config& config,
                                         ConfigReadMode mode);

// The same for a file; a missing or unreadable file changes nothing.
std::vector<std::string> readConfigFile(const std::string& path, Config& config,
                                        ConfigReadMode mode);

// Field colours of a colour scheme 1..6; other values leave them unchanged.
void applyColorScheme(Config& config, int scheme);

// A league-average line: its checks' warnings are appended to warnings.
LeagueAverageRow readLeagueAverageLine(std::string_view upperLine,
                                       std::vector<std::string>& warnings);

}  // namespace vrk
