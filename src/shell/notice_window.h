#pragma once
#include <string>
#include <vector>

#include "presentation/console.h"
#include "shell/session.h"

namespace vrk {

// The lines of a notice window: the heading, then each notice wrapped at
// blanks to `width` columns (a longer word is cut), at most `most` lines in
// all, the last of them saying how many notices did not fit.
std::vector<std::string> noticeLines(const std::string& heading,
                                     const std::vector<std::string>& notices, std::size_t width,
                                     std::size_t most);

// Shows the notices in a message window and waits for a key.
void showNotices(Console& console, const Session& session, const std::string& heading,
                 const std::vector<std::string>& notices);

}  // namespace vrk
