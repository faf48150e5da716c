#include "shell/app.h"

#include <cstdio>
#include <string_view>

#include "shell/version.h"

namespace vrk {

namespace {
void printHelp() {
    std::printf(
        "%s\n\n"
        "Usage:\n"
        "  vrk [OPTIONS]          play in the terminal (options as /SEED:n /V:team /H:team ...)\n"
        "  vrk --help             this text\n"
        "  vrk --version          the program's version\n",
        kProgramTitle);
}
}  // namespace

int runApp(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            printHelp();
            return 0;
        }
        if (arg == "--version") {
            std::printf("%s\n", kProgramTitle);
            return 0;
        }
    }
    printHelp();
    return 0;
}

}  // namespace vrk
