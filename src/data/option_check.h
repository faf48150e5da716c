#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace vrk {

// What checking an option string found. A refused value cannot be honoured
// (the run must not start); a warning is told and the run goes on.
struct OptionFinding {
    bool refused = false;
    std::string text;
};

// How strict the check is: on the command line an unknown option is worth a
// warning (a typing error there costs a whole run); schedule and series lines
// have always ignored what they do not know.
enum class UnknownOptions { Warn, Ignore };

// Checks each token of an option string as the user wrote it: numbers that
// are no numbers or out of range, rotation codes, names that are paths, a
// team name longer than eight characters.
std::vector<OptionFinding> checkOptionString(std::string_view text, UnknownOptions unknown);

// Why a name given for a team, series, schedule or statistics set is not a
// name, or empty when it is one. Folders come from /P: and /PW: only.
std::string nameProblem(std::string_view option, std::string_view value);

}  // namespace vrk
