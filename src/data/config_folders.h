#pragma once
#include <string>

#include "data/config.h"

namespace vrk {

// The folders to use: the configured one (relative to the home directory
// when not absolute), else the home directory. Always ends in '/'.
std::string dataFolder(const Config& config);
std::string writeFolder(const Config& config);

}  // namespace vrk
