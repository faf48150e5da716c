#include <gtest/gtest.h>

#include <signal.h>

#include <chrono>

#include "core/child_process.h"

namespace vrk {
namespace {

TEST(SoundPlayer, BackgroundPlayerCanBeStoppedEarly) {
    const auto start = std::chrono::steady_clock::now();
    const int pid = startBackground({"sleep", "30"});
    ASSERT_GT(pid, 0);
    EXPECT_EQ(kill(pid, 0), 0);  // running
    stopBackground(pid);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    EXPECT_NE(kill(pid, 0), 0);  // gone and reaped
    stopBackground(pid);         // a second stop is harmless
    stopBackground(-1);

    EXPECT_EQ(startBackground({"vrk-no-such-player"}), -1);
    EXPECT_EQ(startBackground({}), -1);
}

}  // namespace
}  // namespace vrk
