#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz_entries.h"

namespace vrk {
namespace {

namespace fs = std::filesystem;

// Every input that once made a fuzzing harness fail, and every seed input,
// goes through the harness's entry again: none may crash or hang.
TEST(FuzzRegressions, EveryKeptInputRunsThrough) {
    int inputs = 0;
    for (const char* folder : {"regressions", "corpus"}) {
        const fs::path root = fs::path(VRK_FUZZ_DIR) / folder;
        if (!fs::is_directory(root)) continue;
        for (const fs::directory_entry& harness : fs::directory_iterator(root)) {
            if (!harness.is_directory()) continue;
            const auto entry = fuzz::EntryNamed(harness.path().filename().string());
            ASSERT_NE(entry, nullptr) << "no harness for " << harness.path();
            for (const fs::directory_entry& file : fs::directory_iterator(harness.path())) {
                if (!file.is_regular_file() || file.path().filename().string()[0] == '.') continue;
                std::ifstream in(file.path(), std::ios::binary);
                const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), {});
                SCOPED_TRACE(file.path().string());
                entry(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
                ++inputs;
            }
        }
    }
    EXPECT_GT(inputs, 0);
}

}  // namespace
}  // namespace vrk
