// What is shown never changes what happens: a seed played on the console,
// at any delay, is the same game as the seed played unattended.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "data/team_file.h"
#include "managers/auto_manager_hooks.h"
#include "presentation/catalogue.h"
#include "presentation/console_memory.h"
#include "presentation/console_narration.h"
#include "shell/config_file.h"
#include "test_paths.h"

namespace vrk {
namespace {

struct Played {
    GameResult result;
    GameCounters counters;
    PerTeam<OneBased<int, kMaxRosterEntries>> outs{};
    std::string seedLine;  // the end-of-game line naming the seed, when shown
};

struct Pairing {
    const char* visitors;
    const char* home;
    bool designatedHitter;
};

// Same league each way, across leagues each way; with and without the
// designated hitter, so pitchers bat, are hit for and are replaced.
constexpr Pairing kPairings[] = {{"ARDMOUTH", "FELVORA", false},
                                 {"CAMHAVEN", "DALMOUTH", true},
                                 {"GORWICK", "NEVHOLM", true},
                                 {"TAVMERE", "SARFORD", false}};

class DisplayIndependence : public ::testing::Test {
  protected:
    void SetUp() override {
        config_.homeDir = vrk::test::sourceHome();
        readConfigFile(std::string(vrk::test::sourceHome()) + "/BASEBALL.CFG", config_,
                       ConfigReadMode::Startup);
        ASSERT_EQ(LoadPlayByPlayFromHome(catalogue_, config_.homeDir).status,
                  CatalogueLoadStatus::Loaded);
        quiet_.locate = [](const std::string&) -> std::optional<std::string> {
            return std::nullopt;
        };
        quiet_.launch = [](const std::vector<std::string>&) { return false; };
    }

    // One game of `seed`; with delay < 0 unattended, otherwise told on a
    // memory console (whose waits return at once) at that delay.
    Played play(std::uint64_t seed, int delay) {
        const Pairing& p = kPairings[seed % std::size(kPairings)];
        TeamSlots teams;
        EXPECT_FALSE(loadTeamPair(teams, p.visitors, p.home, config_).abort);
        Rng rng(seed);
        LeagueContext normalization;
        Game game(teams, normalization, config_, rng);
        game.options.designatedHitter = p.designatedHitter;
        game.options.automaticRunner = seed % 3 == 0;
        MemoryConsole console(44, 102);
        ConsoleNarration narration(console, catalogue_, quiet_);
        if (delay >= 0) {
            game.options.displayed = true;
            game.options.playDelay = delay;
            narration.attach(game);
        }
        AutoManagerCounters managerCounters;
        AutoManagerHooks managers(managerCounters);
        game.managers = &managers;
        Played out;
        out.result = PlayManagedGame(game, managers);
        out.counters = game.counters;
        out.outs = game.state.outsRecorded;
        if (delay >= 0) {
            for (int r = 0; r < console.rows() && out.seedLine.empty(); ++r) {
                const std::string row = console.rowText(r);
                if (row.find("Seed") != std::string::npos) out.seedLine = row;
            }
        }
        return out;
    }

    Config config_;
    PlayByPlayCatalogue catalogue_;
    AnnouncerEnvironment quiet_;
};

TEST_F(DisplayIndependence, ShownGamesEqualUnattendedGamesAtAnyDelay) {
    int differing = 0;
    for (std::uint64_t seed = 1; seed <= 200; ++seed) {
        const Played unattended = play(seed, -1);
        // Quick play, and a paced game every fourth seed (paced games tell more).
        for (int delay : {0, seed % 4 == 0 ? 1 : 0}) {
            const Played shown = play(seed, delay);
            const bool same = shown.result.score == unattended.result.score &&
                              shown.result.runsByInning == unattended.result.runsByInning &&
                              shown.result.winningPitcher == unattended.result.winningPitcher &&
                              shown.result.losingPitcher == unattended.result.losingPitcher &&
                              shown.result.savePitcher == unattended.result.savePitcher &&
                              shown.counters == unattended.counters &&
                              shown.outs == unattended.outs;
            if (!same) {
                ++differing;
                ADD_FAILURE() << "seed " << seed << " delay " << delay << ": shown "
                              << shown.result.score[1] << "-" << shown.result.score[2]
                              << ", unattended " << unattended.result.score[1] << "-"
                              << unattended.result.score[2];
            }
            if (delay == 0) {
                EXPECT_NE(shown.seedLine.find(std::to_string(seed)), std::string::npos)
                    << "the end of the game names its seed: " << shown.seedLine;
            }
            if (differing > 5) return;
        }
    }
}

}  // namespace
}  // namespace vrk
