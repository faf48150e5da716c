#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/engine_helpers.h"
#include "engine/game.h"
#include "engine/plate_appearance_loop.h"
#include "engine/play_game.h"
#include "engine/recording_seams.h"
#include "engine/test_teams.h"

namespace vrk {
namespace {

struct Faults final : ErrorSink {
    void fault(std::string_view label, std::string_view detail) override {
        texts.push_back(std::string(label) + " " + std::string(detail));
    }
    std::vector<std::string> texts;
};

// Line-ups that would keep a game going for ever: it must stop, with a
// fault told, no winner and no pitcher of record.
TEST(GameBounds, AGameThatCannotEndIsStoppedWithoutADecision) {
    struct Case {
        const char* what;
        int atBats, hits, homeRuns, walks;
        std::string fault;
    };
    const Case cases[] = {
        {"batters who cannot be put out", 999, 999, 999, 0, "plays could not end"},
        {"batters who cannot reach base", 500, 0, 0, 0, "99 innings"},
    };
    for (const Case& c : cases) {
        testing::GameFixture f(7);
        for (int t = kVisitors; t <= kHome; ++t) {
            for (int slot = 1; slot <= kLineupSize; ++slot) {
                testing::SetLine(f.teams[static_cast<std::size_t>(t)].player(slot), c.atBats,
                                 c.hits, 0, 0, c.homeRuns, c.walks, 0);
                // Sure hands: an error must not let the runless game end.
                f.teams[static_cast<std::size_t>(t)].player(slot).defense = 1000;
            }
        }
        Faults faults;
        f.game->errors = &faults;
        const GameResult r = PlayGame(*f.game);
        EXPECT_TRUE(r.stopped) << c.what;
        EXPECT_EQ(r.winner, 0) << c.what;
        EXPECT_TRUE(r.winningPitcher.empty() && r.losingPitcher.empty() && r.savePitcher.empty())
            << c.what;
        EXPECT_LE(r.score[kVisitors], kHalfInningPassLimit) << c.what;
        ASSERT_FALSE(faults.texts.empty()) << c.what;
        EXPECT_NE(faults.texts.back().find(c.fault), std::string::npos) << faults.texts.back();
    }
}

TEST(GameBounds, OrdinaryGamesAreNeverStopped) {
    for (std::uint64_t seed = 1; seed <= 200; ++seed) {
        testing::GameFixture f(seed);
        const GameResult r = PlayGame(*f.game);
        ASSERT_FALSE(r.stopped) << seed;
        ASSERT_NE(r.winner, 0) << seed;
    }
}

}  // namespace
}  // namespace vrk
