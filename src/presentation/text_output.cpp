#include "presentation/text_output.h"

#include <cerrno>
#include <cstring>
#include <fstream>

#include "core/process.h"
#include "core/text_fields.h"

namespace vrk {

namespace {

std::optional<std::string> Write(const std::string& path, const std::vector<std::string>& lines,
                                 std::ios::openmode mode) {
    std::ofstream out(path, std::ios::binary | mode);
    if (!out) return "Cannot write " + path + ": " + std::strerror(errno);
    for (const std::string& line : lines) out << line << "\n";
    out.flush();
    if (!out) return "Cannot write " + path + ": " + std::strerror(errno);
    return std::nullopt;
}

}  // namespace

Printer SystemPrinter() {
    Printer p;
    p.available = [](const std::string& name) { return programAvailable(name); };
    p.run = [](const std::vector<std::string>& argv) { return runAndWait(argv); };
    return p;
}

bool IsPrinterName(std::string_view name) {
    return upperCase(trimLeft(name).substr(0, 3)) == "LPT";
}

PrintOutcome PrintFile(const std::string& path, const Printer& printer) {
    // Messages name the file, not its folder, so they fit in a message box.
    const std::size_t slash = path.find_last_of('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (!printer.available || !printer.available(printer.command)) {
        return {false, "No printer command (" + printer.command + ") was found; " + name +
                           " was not printed."};
    }
    const int status = printer.run ? printer.run({printer.command, path}) : -1;
    if (status != 0) {
        return {false, "The printer command " + printer.command + " failed (status " +
                           std::to_string(status) + "); " + name + " was not printed."};
    }
    return {true, "Sent " + name + " to the printer."};
}

std::optional<std::string> WriteLines(const std::string& path,
                                      const std::vector<std::string>& lines) {
    return Write(path, lines, std::ios::trunc);
}

std::optional<std::string> AppendLines(const std::string& path,
                                       const std::vector<std::string>& lines) {
    return Write(path, lines, std::ios::app);
}

PerGameOutcome AppendPerGameFile(const std::string& name, const std::string& writeFolder,
                                 const std::vector<std::string>& lines, const Printer& printer) {
    const std::string fileName(trim(name));
    if (IsPrinterName(fileName) && printer.available && printer.available(printer.command)) {
        const std::string spool = writeFolder + "~LIST.TMP";
        std::optional<std::string> problem = WriteLines(spool, lines);
        if (!problem) {
            const PrintOutcome printed = PrintFile(spool, printer);
            if (printed.printed) return {};
            problem = printed.message;
        }
        // The printer could not take it: keep the game in the file of that name.
        if (auto lost = AppendLines(writeFolder + fileName, lines)) return {false, *lost};
        return {true, *problem + " The lines were added to " + writeFolder + fileName + "."};
    }
    if (auto problem = AppendLines(writeFolder + fileName, lines)) return {false, *problem};
    return {};
}

}  // namespace vrk
