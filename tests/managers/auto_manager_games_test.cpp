// Whole games between the shipped teams with both sides run by the computer
// manager: the field stays legal, nobody comes back, outs add up, and the
// decision counters agree with what was carried out.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "auto_manager_test_support.h"
#include "engine/engine_helpers.h"
#include "engine/recording_seams.h"
#include "managers/auto_lineup.h"
#include "managers/auto_manager_hooks.h"
#include "managers/batting_order.h"
#include "managers/rotation.h"
#include "managers/starters.h"

namespace vrk {
namespace {

using autotest::CardLine;
using autotest::NamedScoreCard;

std::size_t Idx(int i) {
    return static_cast<std::size_t>(i);
}

// Nine slots at nine different positions: 1..9 without a DH, 2..10 with one.
void ExpectLegalField(const Game& game, int team, bool dh) {
    std::set<int> positions;
    for (int slot = 1; slot <= kLineupSize; ++slot) {
        const Player& p = game.team(team).player(SlotPlayer(game, team, slot));
        EXPECT_FALSE(p.playerName.empty());
        positions.insert(game.team(team).player(slot).lineupPosition);
    }
    std::set<int> wanted;
    for (int k = dh ? 2 : 1; k <= (dh ? 10 : 9); ++k) wanted.insert(k);
    EXPECT_EQ(positions, wanted) << "team " << team;
}

// A player who left (a "9" line) never bats, runs or pitches again.
void ExpectNoReEntry(const std::vector<CardLine>& lines) {
    std::map<std::pair<int, std::string>, std::size_t> left;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const CardLine& l = lines[i];
        auto key = std::make_pair(l.team, l.name);
        if (l.code == '9') {
            left.emplace(key, i);
        } else if ((l.code == ' ' || l.code == '8' || l.code == '7') && left.count(key) != 0) {
            ADD_FAILURE() << l.name << " came back with '" << l.text << "'";
        }
    }
}

struct OutCheck {
    int pitcherOuts = 0;
    int putouts = 0;
};

OutCheck Outs(const Game& game, int team) {
    OutCheck c;
    for (int e = 1; e <= kMaxRosterEntries; ++e) {
        c.pitcherOuts += game.state.outsRecorded[Idx(team)][Idx(e)];
        c.putouts += game.counters.fielder[Idx(team)][Idx(e)].putouts;
    }
    return c;
}

TEST(AutoManagerGames, TwoThousandSeededGamesStayConsistent) {
    const Config config = autotest::ShippedConfig();
    // Pairs that share their designated-hitter rule (their files' line-ups).
    struct Pair {
        const char* visitors;
        const char* home;
        bool dh;
    };
    const Pair kFiles[] = {{"ARDMOUTH", "FELVORA", false},
                           {"CAMHAVEN", "DALMOUTH", true},
                           {"GORWICK", "KORRIDGE", false},
                           {"HALMOUTH", "NEVHOLM", true}};
    RotationTable rotations;
    RotationSettings settings;
    AutoManagerCounters counters;
    AutoManagerHooks hooks(counters, &rotations);
    SimulationRecord record;
    Rng rng(2026);
    int games = 0;
    int pinchHitLines = 0;
    int pinchRunLines = 0;
    int relieversIn = 0;
    int strikeoutThrowOuts = 0;
    int walks = 0;
    int stealOutcomes = 0;
    for (const auto& pair : kFiles) {
        std::array<Team, 3> loaded{};
        ASSERT_FALSE(loadTeamPair(loaded, pair.visitors, pair.home, config).abort);
        for (int n = 0; n < 500; ++n) {
            std::array<Team, 3> teams = loaded;
            LeagueContext normalization = teams[1].leagueContext;
            Game game(teams, normalization, config, rng);
            const bool dh = pair.dh;
            game.options.designatedHitter = dh;
            game.record = &record;
            ChooseStarters(game, rotations, settings);
            for (int t = kVisitors; t <= kHome; ++t) {
                bool changed = AUTOLINEUP(game, t);
                BattingOrder(game, t, 'C', changed);
            }
            NamedScoreCard card(game);
            game.scoreCard = &card;
            autotest::Faults faults;
            game.errors = &faults;
            // Every tenth game is told, so that the announcements run too.
            testing::LoopNarration narration;
            if (n % 10 == 0) {
                game.options.displayed = true;
                game.options.playDelay = 1;
                game.narration = &narration;
            }
            GameResult result = PlayManagedGame(game, hooks);
            ++games;
            ASSERT_NE(result.winner, 0);
            for (const std::string& fault : faults.seen) ADD_FAILURE() << fault;

            for (int t = kVisitors; t <= kHome; ++t) {
                ExpectLegalField(game, t, dh);
                OutCheck outs = Outs(game, t);
                EXPECT_EQ(outs.pitcherOuts, outs.putouts) << "game " << games << " team " << t;
                relieversIn += game.state.pitchersUsed[Idx(t)] - 1;
                std::set<int> pitchers;
                for (int k = 1; k <= game.state.pitchersUsed[Idx(t)]; ++k) {
                    pitchers.insert(game.state.pitcherList[Idx(t)][Idx(k)]);
                }
                EXPECT_EQ(static_cast<int>(pitchers.size()), game.state.pitchersUsed[Idx(t)]);
                for (int e = 1; e <= kMaxRosterEntries; ++e) {
                    const BatterCounters& b = game.counters.batter[Idx(t)][Idx(e)];
                    walks += b.walks;
                    stealOutcomes += b.stolenBases + b.caughtStealing;
                }
            }
            // Every top half ends with three outs.
            EXPECT_EQ(Outs(game, kHome).pitcherOuts, 3 * result.innings);
            ExpectNoReEntry(card.lines);
            pinchHitLines += card.count('9', "(for PH)");
            pinchRunLines += card.count('9', "(for PR)");
            for (const CardLine& l : card.lines) {
                if (l.text.rfind("K", 0) == 0 && l.text.find(" DP") != std::string::npos) {
                    ++strikeoutThrowOuts;
                }
            }
        }
    }
    EXPECT_EQ(games, 2000);
    // Each decision the counters saw was carried out once.
    EXPECT_EQ(counters.pinchHits, pinchHitLines);
    EXPECT_EQ(counters.pinchRuns, pinchRunLines);
    EXPECT_EQ(counters.pitchingChanges + counters.pitcherReplacements, relieversIn);
    int starterReasons = 0;
    for (int r = kBombedEarly; r <= kCompleteGameReduction; ++r) {
        starterReasons += counters.starterRemoval[Idx(r)];
    }
    EXPECT_LE(starterReasons, counters.pitchingChanges);
    EXPECT_GT(starterReasons, 0);
    EXPECT_LE(counters.starterRemoval[kPinchHitGeneralReliever] +
                  counters.starterRemoval[kPinchHitCloser],
              counters.starterRemoval[kPinchHitAll]);
    EXPECT_LE(counters.starterRemoval[kPinchHitAll], counters.pinchHits);
    EXPECT_LE(counters.intentionalWalkDesperate + counters.intentionalWalkToPitcher +
                  counters.intentionalWalkRegular,
              walks);
    // Every kind of decision happens in 2,000 games.
    EXPECT_GT(counters.pinchHits, 0);
    EXPECT_GT(counters.pinchRuns, 0);
    EXPECT_GT(counters.steals, 0);
    EXPECT_GT(counters.bunts, 0);
    EXPECT_GT(counters.hitAndRuns, 0);
    EXPECT_GT(counters.pitchOuts, 0);
    EXPECT_GT(counters.intentionalWalkRegular + counters.intentionalWalkToPitcher, 0);
    EXPECT_GT(strikeoutThrowOuts, 0);
    EXPECT_GT(record.sacrificesMade, 0);
    EXPECT_GT(record.doubleSwitches, 0);
    int banded = 0;
    for (int n : record.stealAttemptsByChance) banded += n;
    EXPECT_GT(banded, 0);
    EXPECT_LE(banded, stealOutcomes);
}

}  // namespace
}  // namespace vrk
