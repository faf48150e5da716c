#include <gtest/gtest.h>

#include "engine/play_game.h"
#include "engine/recording_seams.h"
#include "engine/test_teams.h"

namespace vrk {
namespace {

// A fielder's average is the chance that he handles a ball cleanly; a line-up
// of sure hands (every average at its 0.999 limit) makes an error on about
// one ball in a thousand, not one ground ball in fifty.
TEST(FieldingErrors, SureHandsSeldomErr) {
    long errors = 0, teamGames = 0;
    for (std::uint64_t seed = 1; seed <= 300; ++seed) {
        testing::GameFixture f(seed);
        for (int t = kVisitors; t <= kHome; ++t)
            for (int e = 1; e <= kMaxRosterEntries; ++e)
                f.teams[std::size_t(t)].player(e).defense = 1000;
        testing::LoopNarration quiet;
        f.game->narration = &quiet;
        PlayGame(*f.game);
        for (int t = kVisitors; t <= kHome; ++t) {
            const TeamCounters& c = f.game->counters.team[std::size_t(t)];
            for (int position = kCatcher; position <= kRightField; ++position)
                errors += c.positionErrors[std::size_t(position)];
            ++teamGames;
        }
    }
    EXPECT_LT(double(errors) / double(teamGames), 0.05) << errors << " errors";
}

}  // namespace
}  // namespace vrk
