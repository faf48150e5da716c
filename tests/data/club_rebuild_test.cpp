#include "data/club_rebuild.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>

#include "data/hit_by_pitch_grade.h"
#include "data/team_file.h"
#include "data/team_test_support.h"

namespace vrk {
namespace {

namespace fs = std::filesystem;

DatabankTeamSeason clubOf(int year, const std::string& league) {
    DatabankTeamSeason c;
    c.year = year;
    c.league = league;
    c.teamId = "TST";
    c.division.assign(1, 'E');
    c.name = "Testville Testers";
    c.games = 162, c.wins = 90, c.losses = 72;
    c.runs = 780, c.atBats = 5540, c.hits = 1480, c.doubles = 290, c.triples = 31;
    c.homeRuns = 170, c.walks = 560, c.strikeouts = 1050, c.stolenBases = 98;
    c.caughtStealing = 41, c.runsAllowed = 700, c.earnedRuns = 640, c.completeGames = 9;
    c.shutouts = 10, c.saves = 44, c.outsPitched = 4355, c.hitsAllowed = 1420;
    c.homeRunsAllowed = 160, c.walksAllowed = 530, c.strikeoutsByPitchers = 1100;
    c.errors = 105, c.battingParkFactor = 104, c.pitchingParkFactor = 103;
    return c;
}

Team loadRebuilt(const RebuiltClub& club) {
    testing::TempDir temp;
    const fs::path dir = temp.str();
    std::ofstream(dir / club.fileName, std::ios::binary) << club.text();
    Config config;
    config.dataPath = dir.string() + "/";
    Team team;
    team.teamFileName = club.fileName;
    const TeamLoadResult r = loadTeam(team, 2, nullptr, config);
    EXPECT_FALSE(r.abort);
    EXPECT_TRUE(r.warnings.empty()) << r.warnings.front();
    return team;
}

// Read back through the team-file loader, the players of a rebuilt club add
// up to the club's totals, in either league kind and from any seed, also
// when a replay has shared the at-bats almost all to the regulars.
TEST(ClubRebuild, PlayersAddUpToTheClubsTotals) {
    std::vector<double> regularsOnly(14, 1.4);
    for (std::size_t k = 9; k < regularsOnly.size(); ++k) regularsOnly[k] = 0.03;
    for (const auto& [year, league] : {std::pair{1998, "AL"}, {1998, "NL"}, {1908, "NL"}}) {
        for (std::uint64_t seed : {1, 2, 3, 4}) {
            DatabankTeamSeason c = clubOf(year, league);
            if (year == 1908) c.completeGames = 110, c.homeRuns = 20, c.homeRunsAllowed = 18;
            ClubRebuildOptions options;
            options.pitchersBat = league == std::string("NL");
            options.seed = seed;
            if (seed == 4) options.playingScale = regularsOnly;
            const RebuiltClub club = rebuildClub(c, options);
            const Team t = loadRebuilt(club);
            long ab = 0, h = 0, d = 0, tr = 0, hr = 0, bb = 0, so = 0, sb = 0, cs = 0;
            long ip = 0, ha = 0, hra = 0, bba = 0, soa = 0, er = 0, w = 0, l = 0, sv = 0, gs = 0;
            for (int e = 1; e <= t.playerCount; ++e) {
                const Player& p = t.player(e);
                if (e >= 10 && e <= t.lastPitcherEntry) {
                    ip += p.pitching.inningsPitched, ha += p.hits, hra += p.homeRuns,
                        bba += p.walks;
                    soa += p.strikeouts, w += p.pitching.wins, l += p.pitching.losses,
                        sv += p.pitching.saves;
                    gs += p.pitching.gamesStarted;
                    er += std::lround(p.pitching.eraTimes100 * p.pitching.inningsPitched / 900.0);
                    continue;
                }
                ab += p.atBats, h += p.hits, d += p.doubles, tr += p.triples, hr += p.homeRuns;
                bb += p.walks, so += p.strikeouts, sb += p.stolenBases, cs += p.caughtStealing;
                EXPECT_LE(p.hits, p.atBats);
                EXPECT_LE(p.doubles + p.triples + p.homeRuns, p.hits);
            }
            const std::string what =
                std::to_string(year) + league + " seed " + std::to_string(seed);
            EXPECT_EQ(ab, *c.atBats) << what;
            EXPECT_EQ(h, *c.hits) << what;
            EXPECT_EQ(d, *c.doubles) << what;
            EXPECT_EQ(tr, *c.triples) << what;
            EXPECT_EQ(hr, *c.homeRuns) << what;
            EXPECT_EQ(bb, *c.walks) << what;
            EXPECT_EQ(so, *c.strikeouts) << what;
            EXPECT_EQ(sb, *c.stolenBases) << what;
            EXPECT_EQ(cs, *c.caughtStealing) << what;
            EXPECT_EQ(ip, std::lround(*c.outsPitched / 3.0)) << what;
            EXPECT_EQ(ha, *c.hitsAllowed) << what;
            EXPECT_EQ(hra, *c.homeRunsAllowed) << what;
            EXPECT_EQ(bba, *c.walksAllowed) << what;
            EXPECT_EQ(soa, *c.strikeoutsByPitchers) << what;
            EXPECT_EQ(er, *c.earnedRuns) << what;
            EXPECT_EQ(w, c.wins) << what;
            EXPECT_EQ(l, c.losses) << what;
            EXPECT_EQ(sv, *c.saves) << what;
            EXPECT_EQ(gs, c.games) << what;
            EXPECT_EQ(t.dhRule, options.pitchersBat ? 1 : -1) << what;
        }
    }
}

// A replay's scale reaches the batter whose name carries its letter, as
// written or as the loader shows the name.
TEST(ClubRebuild, PlayingScaleFollowsTheNamesLetter) {
    EXPECT_EQ(playingScaleIndex("Regular,A"), 0);
    EXPECT_EQ(playingScaleIndex("Regular, C"), 2);
    EXPECT_EQ(playingScaleIndex("Bench,N"), 13);
    for (const char* other : {"Pitcher", "Starter,A", "Regular,", "Regular,AB", "Bench,a", ""})
        EXPECT_EQ(playingScaleIndex(other), -1) << other;
    ClubRebuildOptions options;
    const RebuiltClub plain = rebuildClub(clubOf(1998, "AL"), options);
    options.playingScale = {1.0, 1.0, 1.6};
    const RebuiltClub scaled = rebuildClub(clubOf(1998, "AL"), options);
    auto atBats = [](const RebuiltClub& club, const std::string& name) {
        for (const auto* group : {&club.lineup, &club.bench})
            for (const WrittenBatter& b : *group)
                if (b.name == name) return b.ab;
        return -1L;
    };
    EXPECT_GT(atBats(scaled, "Regular,C"), atBats(plain, "Regular,C") + 100);
    EXPECT_LT(atBats(scaled, "Regular,A"), atBats(plain, "Regular,A"));
}

// Read back, the batters' grade letters bring the hit batsmen the outcome
// model expects of them (at the staff's walk rate, with the floor after home
// runs) to the club's real count, from a club seldom hit to one hit often; a season without the
// column keeps the blank grade.
TEST(ClubRebuild, HitByPitchGradesBringTheClubsHitBatsmen) {
    for (long hbp : {25L, 40L, 55L, 95L, 160L}) {
        for (const auto& league : {"AL", "NL"}) {
            DatabankTeamSeason c = clubOf(1998, league);
            c.hitByPitch = hbp;
            ClubRebuildOptions options;
            options.pitchersBat = league == std::string("NL");
            const Team t = loadRebuilt(rebuildClub(c, options));
            const double faced = double(*c.hitsAllowed + *c.walksAllowed) +
                                 double(*c.strikeoutsByPitchers) +
                                 0.99 * double(*c.outsPitched - *c.strikeoutsByPitchers);
            const double base = kHitByPitchPerWalk * double(*c.walksAllowed) / faced;
            double expected = double(*c.homeRuns) * (kHitByPitchAfterHomeRun - base);
            for (int e = 1; e <= t.playerCount; ++e) {
                if (e >= 10 && e <= t.lastPitcherEntry) continue;
                const Player& p = t.player(e);
                expected += base * double(p.atBats + p.walks) * HitByPitchGradeScale(p.walkGrade);
            }
            EXPECT_NEAR(expected / double(hbp), 1.0, 0.04) << league << " " << hbp;
        }
    }
    // Fewer than the lowest letter can give: every batter gets it.
    DatabankTeamSeason rare = clubOf(1998, "AL");
    rare.hitByPitch = 2;
    ClubRebuildOptions designatedHitter;
    designatedHitter.pitchersBat = false;
    const Team fewest = loadRebuilt(rebuildClub(rare, designatedHitter));
    for (int e = 1; e < 10; ++e) EXPECT_EQ(fewest.player(e).walkGrade, 'I') << e;
    const Team none = loadRebuilt(rebuildClub(clubOf(1998, "AL"), ClubRebuildOptions{}));
    for (int e = 1; e <= none.playerCount; ++e) EXPECT_EQ(none.player(e).walkGrade, ' ') << e;
}

// The line-up places' players add up to the club's games, however many
// at-bats a game the club's era brought: the games spread a fielder's errors
// over his chances.
TEST(ClubRebuild, PlayersGamesFillTheClubsLineupPlaces) {
    for (long atBats : {5000L, 5540L, 5900L}) {
        for (const auto& league : {"AL", "NL"}) {
            DatabankTeamSeason c = clubOf(1998, league);
            c.atBats = atBats;
            ClubRebuildOptions options;
            options.pitchersBat = league == std::string("NL");
            const RebuiltClub club = rebuildClub(c, options);
            long games = 0;
            for (const auto& b : club.lineup)
                if (b.position != 1) games += b.g;
            for (const auto& b : club.bench) games += b.g;
            const double places = options.pitchersBat ? 8 : 9;
            EXPECT_NEAR(double(games) / (places * double(c.games)), 1.0, 0.03)
                << league << " " << atBats;
        }
    }
}

// The replay's line-up picks a position's starter in proportion to at-bats
// and plays every other regular daily, so each line-up place (a regular and
// any backup at his position) must hold about a place's share of the club's
// at-bats; only the batting order may spread them. A regular with no backup
// written as a part-timer would bat far more often than his line says.
TEST(ClubRebuild, EachLineupPlaceHoldsAboutOnePlacesAtBats) {
    for (const auto& league : {"AL", "NL"}) {
        for (std::uint64_t seed : {1, 2, 3, 4, 5}) {
            ClubRebuildOptions options;
            options.pitchersBat = league == std::string("NL");
            options.seed = seed;
            const RebuiltClub club = rebuildClub(clubOf(1998, league), options);
            std::map<int, long> byPosition;
            for (const auto& b : club.lineup)
                if (b.position != 1) byPosition[b.position] += b.ab;
            for (const auto& b : club.bench) byPosition[b.position] += b.ab;
            long low = 1'000'000, high = 0;
            for (const auto& [position, ab] : byPosition) {
                low = std::min(low, ab);
                high = std::max(high, ab);
            }
            EXPECT_LT(double(high) / double(low), 1.3) << league << " seed " << seed;
        }
    }
}

TEST(ClubRebuild, ParkLinesUndoTheDatabanksHomeAndRoadAverage) {
    struct Case {
        long batting, pitching;
        ParkLine park;
        int percent;
    } const cases[] = {
        {104, 104, ParkLine::Averaged, 104},
        {104, 104, ParkLine::OwnPark, 108},
        {90, 90, ParkLine::OwnPark, 80},
        {30, 30, ParkLine::OwnPark, 20},  // loader's limit
        // Batting and pitching factors apart by the club's own quality: the
        // park is their mean, for batters and pitchers alike.
        {104, 98, ParkLine::OwnPark, 102},
        {98, 104, ParkLine::OwnPark, 102},
        {103, 100, ParkLine::Averaged, 102},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parkPercent(c.batting, c.pitching, c.park), c.percent)
            << c.batting << "/" << c.pitching;
}

TEST(ClubRebuild, WritesOneParkFigureForBattersAndPitchers) {
    DatabankTeamSeason c = clubOf(1975, "AL");
    c.battingParkFactor = 106, c.pitchingParkFactor = 100;
    ClubRebuildOptions options;
    options.park = ParkLine::OwnPark;
    const Team team = loadRebuilt(rebuildClub(c, options));
    // Own park 106 percent, damped by the loader to 1.048 for both.
    EXPECT_NEAR(team.parkFactorA, 1.048, 1e-9);
    EXPECT_NEAR(team.parkFactorB, 1.048, 1e-9);
    options.park = ParkLine::None;
    EXPECT_EQ(rebuildClub(c, options).text().find("PE="), std::string::npos);
}

// The replayed league keeps the length its clubs really played, taken from
// the usual club so one club's rained-out or extra games do not set it.
TEST(ClubRebuild, LeagueScheduleHoldsTheUsualClubsGames) {
    struct Case {
        std::vector<long> games;
        long expected;
    };
    const std::vector<Case> cases{
        {std::vector<long>(14, 162), 14 * 162 / 2},
        {{161, 162, 162, 163, 162, 161, 162, 162, 162, 162}, 810},  // expansion year
        {{103, 110, 106, 109, 105, 107}, 6 * 107 / 2},              // strike year
        {std::vector<long>(15, 60), 450},                           // short season
        {{154, 153, 155, 154, 154}, 5 * 154 / 2},                   // odd number of clubs
        {{162}, 0},                                                 // nobody to play
        {{}, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(leagueScheduleGames(c.games), c.expected);
}

}  // namespace
}  // namespace vrk
