#include "shell/init_home.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "core/paths.h"
#include "shell/home_directory.h"
#include "shell/host_info.h"

namespace vrk {

namespace fs = std::filesystem;

InitHomeResult initHomeFolder(const std::string& shippedHome, const std::string& target) {
    InitHomeResult result;
    if (shippedHome.empty() || !fileExists(shippedHome, "BASEBALL.MSG")) {
        result.message = "the shipped home folder was not found (is vrk installed?)";
        return result;
    }
    std::error_code ec;
    if (fs::exists(target, ec) && !fs::is_directory(target, ec)) {
        result.message = target + " exists and is not a folder";
        return result;
    }
    if (fileExists(target, "BASEBALL.MSG") || fileExists(target, "BASEBALL.CFG")) {
        result.message = target + " already holds a home folder; nothing was changed";
        return result;
    }
    fs::create_directories(target, ec);
    if (ec) {
        result.message = "cannot create " + target + ": " + ec.message();
        return result;
    }
    for (const auto& entry : fs::directory_iterator(shippedHome, ec)) {
        if (!entry.is_regular_file()) continue;
        const fs::path to = fs::path(target) / entry.path().filename();
        if (fs::exists(to)) continue;  // a team file the user already put there stays
        fs::copy_file(entry.path(), to, ec);
        if (ec) {
            result.message = "cannot copy " + entry.path().filename().string() + " to " + target +
                             ": " + ec.message();
            return result;
        }
        // Installed copies are read-only; the user's own copy must be editable.
        fs::permissions(to, fs::perms::owner_write, fs::perm_options::add, ec);
        ++result.filesCopied;
    }
    if (ec) {
        result.message = "cannot read " + shippedHome + ": " + ec.message();
        return result;
    }
    result.ok = true;
    result.message = "a home folder is ready in " + target + " (" +
                     std::to_string(result.filesCopied) +
                     " files): run vrk there to use its settings and teams";
    return result;
}

namespace {

std::string shippedHomeFor(int argc, char** argv) {
    StartupInputs in = hostStartupInputs(argc, argv);
    // The current folder does not count: the copy must come from the program.
    return findHomeDirectory("", in.exePath, in.sourceHome);
}

}  // namespace

int runInitCommand(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "vrk: --init needs one folder: vrk --init DIR\n");
        return 2;
    }
    const InitHomeResult result = initHomeFolder(shippedHomeFor(argc, argv), argv[2]);
    std::fprintf(result.ok ? stdout : stderr, "vrk: %s\n", result.message.c_str());
    if (!result.ok) return 1;
    return std::fflush(stdout) == 0 ? 0 : 1;
}

int runHomeCommand(int argc, char** argv) {
    StartupInputs in = hostStartupInputs(argc, argv);
    std::printf("%s\n", findHomeDirectory(in.currentDir, in.exePath, in.sourceHome).c_str());
    return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace vrk
