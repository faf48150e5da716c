#pragma once
#include <string>

namespace vrk {

// Where `make install` puts the shipped home folder: <prefix>/share/vrk/home
// for the program <prefix>/bin/vrk.
std::string installedHome(const std::string& exePath);

// The folder holding BASEBALL.MSG: the current folder when it does, else the
// shipped home folder (the installed copy, the source tree's, then
// <program folder>/../home, then <program folder>/home). When none holds it, the current folder, so
// that start-up reports the missing file there.
std::string findHomeDirectory(const std::string& currentDir, const std::string& exePath,
                              const std::string& sourceHome);

}  // namespace vrk
