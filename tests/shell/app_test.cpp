#include <gtest/gtest.h>
#include "test_paths.h"

#include "core/process.h"

namespace vrk {
namespace {

TEST(App, DispatchExitStatuses) {
    const std::string vrk = vrk::test::vrkBinary();
    EXPECT_EQ(runAndWait({vrk, "--help"}), 0);
    EXPECT_EQ(runAndWait({vrk, "--version"}), 0);
    EXPECT_EQ(runAndWait({vrk, "--no-such-switch"}), 2);
}

}  // namespace
}  // namespace vrk
