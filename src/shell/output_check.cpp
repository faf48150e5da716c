#include "shell/output_check.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

namespace vrk {

int checkStandardOutput(int status) {
    errno = 0;
    std::cout.flush();
    const bool flushed = std::fflush(stdout) == 0;
    const int error = errno;
    if (flushed && !std::ferror(stdout) && !std::cout.fail()) return status;
    std::fprintf(stderr, "vrk: the output could not be written%s%s.\n", error != 0 ? ": " : "",
                 error != 0 ? std::strerror(error) : "");
    return status == 0 ? 1 : status;
}

}  // namespace vrk
