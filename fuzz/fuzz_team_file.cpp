#include "fuzz_entries.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vrk::fuzz::EntryNamed("team_file")(data, size);
    return 0;
}
