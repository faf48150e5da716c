#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vrk {

// How text reaches paper on this system: the print command and a way to
// ask whether it is installed. Tests put a recorder here.
struct Printer {
    std::string command = "lpr";
    std::function<bool(const std::string&)> available;
    // Runs the argument vector (never through a shell) and answers its exit
    // status, -1 when it could not start.
    std::function<int(const std::vector<std::string>&)> run;
};

// lpr found on PATH and run with posix_spawn.
Printer SystemPrinter();

// A name beginning with "LPT" names a printer rather than a file.
bool IsPrinterName(std::string_view name);

// Hands a file to the print command. Answers what happened, in a sentence
// fit for a message box ("No printer command (lpr) was found." ...).
struct PrintOutcome {
    bool printed = false;
    std::string message;
};
PrintOutcome PrintFile(const std::string& path, const Printer& printer);

// Replaces the file with the lines. A message when it cannot be written.
std::optional<std::string> WriteLines(const std::string& path,
                                      const std::vector<std::string>& lines);
std::optional<std::string> AppendLines(const std::string& path,
                                       const std::vector<std::string>& lines);

// One game's entry of a per-game file (line score, box score, score card).
// A printer name sends the lines to the printer through ~LIST.TMP in the
// write folder when a print command is installed; without one they are kept
// in a file of that name in the write folder, so nothing is lost. Any other
// name is a file in the write folder, appended to.
struct PerGameOutcome {
    bool kept = true;     // the lines were printed or written
    std::string message;  // what went wrong, when anything did
};
PerGameOutcome AppendPerGameFile(const std::string& name, const std::string& writeFolder,
                                 const std::vector<std::string>& lines, const Printer& printer);

}  // namespace vrk
