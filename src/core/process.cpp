#include "core/process.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <sstream>

extern char** environ;

namespace vrk {

namespace {
std::vector<char*> toArgv(const std::vector<std::string>& args) {
    std::vector<char*> out;
    out.reserve(args.size() + 1);
    for (const auto& a : args) out.push_back(const_cast<char*>(a.c_str()));
    out.push_back(nullptr);
    return out;
}

bool spawn(const std::vector<std::string>& args, pid_t& pid, bool quiet) {
    if (args.empty() || args.front().empty()) return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (quiet) {
        // A detached helper must not scribble over the game screen.
        posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", 0, 0);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", 1, 0);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", 1, 0);
    }
    auto argv = toArgv(args);
    const int rc = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return rc == 0;
}
}  // namespace

bool launchDetached(const std::vector<std::string>& argv) {
    // Reap helpers that have finished since the last launch, so none
    // lingers as a zombie for the rest of a long session.
    int status = 0;
    while (waitpid(-1, &status, WNOHANG) > 0) {
    }
    pid_t pid = 0;
    return spawn(argv, pid, true);
}

int runAndWait(const std::vector<std::string>& argv) {
    pid_t pid = 0;
    if (!spawn(argv, pid, false)) return -1;
    int status = 0;
    if (waitpid(pid, &status, 0) < 0) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool programAvailable(const std::string& name) {
    if (name.empty()) return false;
    if (name.find('/') != std::string::npos) return access(name.c_str(), X_OK) == 0;
    const char* path = std::getenv("PATH");
    if (!path) return false;
    std::stringstream dirs(path);
    std::string dir;
    while (std::getline(dirs, dir, ':')) {
        const std::string candidate = (dir.empty() ? std::string(".") : dir) + "/" + name;
        if (access(candidate.c_str(), X_OK) == 0) return true;
    }
    return false;
}

}  // namespace vrk
