#pragma once
#include "shell/main_menu.h"

namespace vrk {

// The main-menu items that open other parts of the program: the statistics
// report of a chosen set, and the file viewer over the reports, logs and
// documents of the write folder.
MenuActions standardMenuActions();

void runReportsItem(Console& console, Session& session);
void runFileViewerItem(Console& console, Session& session);

// DEL on the Statistics Files list: asks " Are you sure? " (No unless "Y")
// and deletes the set of the .STS file with its restart files. True when
// deleted.
bool deleteStatsSetAsked(Console& console, Session& session, const std::string& stsPath);

// DEL on the File Viewer list: the same question, then the one file.
bool deleteFileAsked(Console& console, Session& session, const std::string& path);

}  // namespace vrk
