#include "shell/host_info.h"

#include <sys/utsname.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "core/process.h"
#include "core/rng.h"

namespace vrk {

StartupInputs hostStartupInputs(int argc, char** argv) {
    StartupInputs in;
    std::error_code ec;
    in.currentDir = std::filesystem::current_path(ec).string();
    in.exePath = std::filesystem::read_symlink("/proc/self/exe", ec).string();
    if (in.exePath.empty() && argc > 0) in.exePath = argv[0];
#ifdef VRK_SOURCE_HOME
    in.sourceHome = VRK_SOURCE_HOME;
#endif
    for (int i = 1; i < argc; ++i) in.args.emplace_back(argv[i]);
    const char* editor = std::getenv("EDITOR");
    in.envEditor = editor ? editor : "";
    in.nanoAvailable = programAvailable("nano");
    in.xdgOpenAvailable = programAvailable("xdg-open");
    utsname name{};
    if (uname(&name) == 0) {
        in.osName = name.sysname;
        in.osRelease = name.release;
    }
    in.timeSeed = Rng::timeOfDaySeed();
    return in;
}

}  // namespace vrk
