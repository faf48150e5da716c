#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "data/run_settings.h"

namespace vrk {

// One token of an option string, cut to 25 characters and right-trimmed.
// `text` is upper-cased for matching; `raw` keeps the user's case for folder
// and file values, which must still name something on a case-sensitive disk.
struct OptionToken {
    std::string text;
    std::string raw;
};

// A "/" starts a token, a blank or the next "/" ends it; text outside a token
// is dropped. Folder values therefore write their separators as "\".
std::vector<OptionToken> tokenizeOptionString(std::string_view text);

// Applies one entry's option string to settings: the per-entry values (manual
// control, games, the delay mark) are reset first, then every token applies in
// turn, later tokens winning. Unknown tokens are ignored.
void parseOptionString(std::string_view text, RunSettings& settings);

// Whether an upper-cased token is one of the options (any value), /CMD:
// included.
bool isKnownOption(std::string_view token);

}  // namespace vrk
