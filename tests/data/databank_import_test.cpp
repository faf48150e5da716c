#include "data/databank_import.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "data/databank_players.h"
#include "data/schedule_file.h"
#include "data/show_team.h"
#include "data/team_file.h"
#include "data/team_test_support.h"

namespace vrk {
namespace {

namespace fs = std::filesystem;

// Names hold letters only: "Ab", "Ac" ...
std::string tag(int i) {
    return std::string{static_cast<char>('A' + i / 26), static_cast<char>('a' + i % 26)};
}

// A tiny databank of our own: two clubs of 1998 (a designated-hitter league
// and one where pitchers bat), a player traded between them, a two-way
// player, pitchers who never batted, accented and over-long names, two
// namesakes and one unreadable row.
struct MiniDatabank {
    testing::TempDir temp;
    fs::path dir = temp.str();
    fs::path out = dir / "teams";
    std::ostringstream people, batting, pitching, fielding;

    MiniDatabank() {
        people << "playerID,birthYear,nameFirst,nameLast,bats,throws\n";
        batting << "playerID,yearID,stint,teamID,lgID,G,AB,R,H,2B,3B,HR,RBI,SB,CS,BB,SO,IBB,HBP\n";
        pitching << "playerID,yearID,stint,teamID,lgID,W,L,G,GS,CG,SHO,SV,IPouts,H,ER,HR,BB,SO\n";
        fielding << "playerID,yearID,stint,teamID,lgID,POS,G,GS,InnOuts,PO,A,E\n";
    }

    void person(const std::string& id, const std::string& first, const std::string& last,
                char bats = 'R', char throws = 'R') {
        people << id << ",1970," << first << "," << last << "," << bats << "," << throws << "\n";
    }
    void bat(const std::string& id, const std::string& club, const std::string& lg, int stint,
             int g, int ab, int h, int hr, int bb, int so, int sb = 0) {
        batting << id << ",1998," << stint << "," << club << "," << lg << "," << g << "," << ab
                << ",0," << h << "," << h / 5 << "," << h / 40 << "," << hr << "," << hr * 3 << ","
                << sb << ",0," << bb << "," << so << ",0,1\n";
    }
    void field(const std::string& id, const std::string& club, const std::string& lg,
               const std::string& pos, int g, int e) {
        fielding << id << ",1998,1," << club << "," << lg << "," << pos << "," << g << ",0,0,0,0,"
                 << e << "\n";
    }
    void pitch(const std::string& id, const std::string& club, const std::string& lg, int g, int gs,
               int sv, int outs, int h, int so) {
        pitching << id << ",1998,1," << club << "," << lg << ",5,4," << g << "," << gs << ",0,0,"
                 << sv << "," << outs << "," << h << "," << outs / 7 << "," << h / 9 << "," << h / 3
                 << "," << so << "\n";
    }
    void write() {
        std::ofstream(dir / "People.csv") << people.str();
        std::ofstream(dir / "Batting.csv") << batting.str();
        std::ofstream(dir / "Pitching.csv") << pitching.str();
        std::ofstream(dir / "Fielding.csv") << fielding.str();
        std::ofstream(dir / "Teams.csv")
            << "yearID,lgID,teamID,franchID,divID,G,W,L,R,H,2B,3B,HR,BB,SO,IPouts,name,BPF,PPF\n"
               "1998,AL,NYA,NYY,E,162,114,48,965,1625,290,31,207,653,1025,4371,New York "
               "Yankees,97,95\n"
               "1998,NL,CHN,CHC,C,163,90,73,831,1494,250,34,212,601,1223,4389,Chicago Cubs,104,"
               "104\n";
    }
    void club(const std::string& club, const std::string& lg, int batters, int pitchers) {
        static const char* kPositions[] = {"C", "1B", "2B", "3B", "SS", "OF", "OF", "OF", "1B"};
        for (int i = 0; i < batters; ++i) {
            const std::string id = club + "b" + std::to_string(i);
            person(id, "First" + tag(i), "Batter" + club + tag(i));
            bat(id, club, lg, 1, 150 - i, 600 - 12 * i, 160 - 3 * i, 20 - i % 20, 60, 100, i);
            field(id, club, lg, kPositions[i % 9], 140 - i, i);
        }
        for (int i = 0; i < pitchers; ++i) {
            const std::string id = club + "p" + std::to_string(i);
            person(id, "Arm" + tag(i), "Pitcher" + club + tag(i), 'L', 'L');
            pitch(id, club, lg, 30 + i, i < 5 ? 32 - i : 0, i == 6 ? 40 : 0, 600 - 30 * i,
                  200 - 8 * i, 150 - 5 * i);
            field(id, club, lg, "P", 30 + i, 1);
            if (lg == "NL") bat(id, club, lg, 1, 30, 60 - 5 * i, 9, 0, 3, 25);
        }
    }
};

Team loadWritten(const fs::path& folder, const std::string& name,
                 std::vector<std::string>& warnings) {
    Config config;
    config.dataPath = folder.string() + "/";
    Team team;
    team.teamFileName = name;
    const TeamLoadResult r = loadTeam(team, 1, nullptr, config);
    EXPECT_FALSE(r.abort) << name;
    warnings = r.warnings;
    return team;
}

TEST(DatabankImport, ClubsAddUpToTheirRowsAndReadBackCleanly) {
    MiniDatabank db;
    db.club("NYA", "AL", 11, 9);
    db.club("CHN", "NL", 10, 9);
    // Traded in mid-season: each club gets its own part.
    db.person("tradd01", "José", "Muñoz-Ibáñez", 'R', 'L');
    db.bat("tradd01", "NYA", "AL", 1, 60, 200, 55, 6, 20, 40);
    db.field("tradd01", "NYA", "AL", "OF", 55, 2);
    db.bat("tradd01", "CHN", "NL", 2, 70, 250, 70, 9, 22, 50);
    db.field("tradd01", "CHN", "NL", "3B", 66, 5);
    // Pitches every fifth day and bats in between.
    db.person("twoway1", "Shohei", "Twoway", 'L', 'R');
    db.pitch("twoway1", "NYA", "AL", 10, 10, 0, 150, 40, 60);
    db.bat("twoway1", "NYA", "AL", 1, 104, 326, 93, 22, 37, 102);
    db.field("twoway1", "NYA", "AL", "P", 10, 0);
    // Namesakes and a name too long for 18 characters.
    db.person("mille01", "Bob", "Miller");
    db.person("mille02", "Bob", "Miller");
    db.bat("mille01", "CHN", "NL", 1, 40, 90, 20, 1, 8, 20);
    db.bat("mille02", "CHN", "NL", 1, 30, 70, 15, 2, 6, 18);
    db.person("longn01", "Bartholomew", "Christopherson-Smythe");
    db.bat("longn01", "CHN", "NL", 1, 20, 40, 9, 0, 3, 9);
    db.batting << "broken1,1998,1,CHN,NL,12,abc,0,3,0,0,0,0,0,0,0,0,0,0\n";
    db.write();

    Config config;
    const DatabankImportResult r =
        importDatabankSeason({db.dir.string(), 1998, "", db.out.string()}, config);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.written, (std::vector<std::string>{"1998NCHN.DAT", "1998ANYA.DAT"}));
    bool namedBadRow = false;
    for (const auto& m : r.messages) namedBadRow |= m.find("Batting.csv line") != std::string::npos;
    EXPECT_TRUE(namedBadRow);
    EXPECT_EQ(r.missingLeagueRows.size(), 2u);  // a bare configuration has neither 1998 row

    const DatabankSeason season = readDatabankSeason(db.dir.string(), 1998, "");
    for (const std::string club : {"NYA", "CHN"}) {
        std::vector<std::string> warnings;
        const Team team = loadWritten(db.out, club == "NYA" ? "1998ANYA" : "1998NCHN", warnings);
        EXPECT_TRUE(warnings.empty()) << club << ": " << warnings.front();
        EXPECT_EQ(team.dhRule, club == "NYA" ? -1 : 1);
        EXPECT_EQ(team.teamName.substr(0, 2), "98");

        // Batting: line-up and bench lines plus the pitchers' own batting.
        long ab = 0, h = 0, hr = 0, bb = 0, so = 0;
        long csvAb = 0, csvH = 0, csvHr = 0, csvBb = 0, csvSo = 0;
        for (const auto& p : season.clubs.at(club)) {
            csvAb += p.batting.ab, csvH += p.batting.h, csvHr += p.batting.hr;
            csvBb += p.batting.bb, csvSo += p.batting.so;
        }
        std::set<std::string> keys;
        long ip = 0, pitcherSo = 0, csvOuts = 0, csvPitcherSo = 0;
        for (int e = 1; e <= team.playerCount; ++e) {
            const Player& p = team.player(e);
            EXPECT_TRUE(keys.insert(p.playerName.substr(0, 16)).second) << p.playerName;
            for (const char c : p.playerName) EXPECT_LT(static_cast<unsigned char>(c), 0x80);
            const bool pitcher = e >= 10 && e <= team.lastPitcherEntry;
            if (pitcher) {
                ip += p.inningsPitched();
                pitcherSo += p.strikeouts;
                // In a league where pitchers bat their own lines are kept too,
                // but the line-up's pitcher slot already counts them.
                if (club == "NYA") {
                    ab += p.pitcherBattingLine.atBats, h += p.pitcherBattingLine.hits;
                    hr += p.pitcherBattingLine.homeRuns, bb += p.pitcherBattingLine.walks;
                    so += p.pitcherBattingLine.strikeouts;
                }
                keys.erase(p.playerName.substr(0, 16));  // a two-way player is listed twice
            } else {
                ab += p.atBats, h += p.hits, hr += p.homeRuns, bb += p.walks, so += p.strikeouts;
            }
        }
        for (const auto& p : season.clubs.at(club)) {
            csvOuts += p.pitching.outs;
            csvPitcherSo += p.pitching.so;
        }
        EXPECT_EQ(ab, csvAb) << club;
        EXPECT_EQ(h, csvH) << club;
        EXPECT_EQ(hr, csvHr) << club;
        EXPECT_EQ(bb, csvBb) << club;
        EXPECT_EQ(so, csvSo) << club;
        EXPECT_EQ(pitcherSo, csvPitcherSo) << club;
        EXPECT_NEAR(ip, csvOuts / 3.0, team.lastPitcherEntry - 9) << club;  // whole innings each
        // The five starters by games started lead the staff; the closer follows.
        EXPECT_GE(team.player(10).gamesStarted(), team.player(14).gamesStarted());
        if (club == "CHN") {
            EXPECT_EQ(team.player(15).saves(), 40);
        }
        EXPECT_EQ(team.twoWayPlayer, club == "NYA");
        std::ostringstream shown, errors;
        Config showConfig;
        showConfig.dataPath = db.out.string() + "/";
        EXPECT_EQ(showTeamCommand(showConfig, team.teamFileName, shown, errors), 0);
    }
}

TEST(DatabankImport, AClubOverTheLimitLeavesOutItsLeastUsedAndSaysSo) {
    MiniDatabank db;
    db.club("BOS", "AL", 40, 20);
    db.write();
    const DatabankImportResult r =
        importDatabankSeason({db.dir.string(), 1998, "AL", db.out.string()}, Config{});
    ASSERT_TRUE(r.ok);
    std::vector<std::string> warnings;
    const Team team = loadWritten(db.out, "1998ABOS", warnings);
    EXPECT_EQ(team.playerCount, 51);
    std::string said;
    for (const auto& m : r.messages) said += m;
    // Sixty players for 51 lines: the nine least used (the mop-up men with
    // the fewest innings here) are named; the regulars stay.
    EXPECT_NE(said.find("PitcherBOSAt"), std::string::npos) << said;
    EXPECT_NE(said.find("left out"), std::string::npos) << said;
    EXPECT_EQ(said.find("BatterBOS0,"), std::string::npos);
}

// Games each club has in a written schedule, at home and away, checking on
// the way that no club plays twice on one date and that every game is
// within one league.
struct ScheduleCount {
    std::map<std::string, int> home, away;
};

ScheduleCount CountSchedule(const fs::path& path) {
    ScheduleCount count;
    const auto file = ReadScheduleFile(path.string());
    if (!file) {
        ADD_FAILURE() << path << " does not read back";
        return count;
    }
    std::map<std::string, std::set<std::string>> playing;  // by date
    for (int n = 2; n <= file->recordCount(); ++n) {
        for (int k = 1; k <= file->slotsPerRecord(); ++k) {
            const ScheduleSlot slot = file->slot(n, k);
            if (slot.empty()) continue;
            ++count.away[slot.visitor];
            ++count.home[slot.home];
            EXPECT_EQ(TeamFileLeague(slot.visitor), TeamFileLeague(slot.home)) << slot.visitor;
            for (const std::string& club : {slot.visitor, slot.home})
                EXPECT_TRUE(playing[file->date(n)].insert(club).second)
                    << club << " twice on " << file->date(n);
        }
    }
    return count;
}

TEST(DatabankImport, TheSeasonScheduleGivesEveryWrittenClubItsGames) {
    MiniDatabank db;
    for (const char* club : {"NYA", "BOS", "TOR", "BAL", "TBA"}) db.club(club, "AL", 10, 9);
    for (const char* club : {"CHN", "SLN"}) db.club(club, "NL", 10, 9);
    db.write();  // Teams.csv: NYA played 162, CHN 163
    const struct {
        const char* league;
        const char* schedule;
        std::map<char, int> games;  // by league letter
    } cases[] = {
        {"", "1998.SCH", {{'A', 162}, {'N', 163}}},
        {"NL", "1998N.SCH", {{'N', 163}}},
    };
    for (const auto& c : cases) {
        const DatabankImportResult r =
            importDatabankSeason({db.dir.string(), 1998, c.league, db.out.string()}, Config{});
        ASSERT_TRUE(r.ok) << c.league;
        EXPECT_EQ(r.schedule, c.schedule);
        const ScheduleCount count = CountSchedule(db.out / c.schedule);
        std::set<std::string> written, scheduled;
        for (const std::string& name : r.written) written.insert(name.substr(0, 8));
        for (const auto& [club, n] : count.home) scheduled.insert(club);
        for (const auto& [club, n] : count.away) scheduled.insert(club);
        EXPECT_EQ(scheduled, written) << c.league;
        int total = 0;
        for (const std::string& club : written) {
            EXPECT_TRUE(fs::exists(db.out / (club + ".DAT"))) << club;
            const int home = count.home.count(club) ? count.home.at(club) : 0;
            const int away = count.away.count(club) ? count.away.at(club) : 0;
            EXPECT_EQ(home + away, c.games.at(TeamFileLeague(club))) << club;
            EXPECT_LE(std::abs(home - away), 1) << club;
            total += home;
        }
        EXPECT_EQ(r.scheduleGames, total);
    }
}

TEST(DatabankImport, NamesBecomePlainAsciiThatFitsAndKeyApart) {
    EXPECT_EQ(plainAscii("José Muñoz Łukasz Šimůnek"), "Jose Munoz Lukasz Simunek");
    EXPECT_EQ(plainAscii("Bj\xC3\xB6rk\xE2\x80\x99s"), "Bjorks");
}

TEST(DatabankImport, AMissingFolderOrSeasonIsToldNotWritten) {
    MiniDatabank db;
    db.club("NYA", "AL", 11, 9);
    db.write();
    const auto r = importDatabankSeason({db.dir.string(), 1999, "", db.out.string()}, Config{});
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.messages.back().find("no club of 1999"), std::string::npos);
    EXPECT_FALSE(importDatabankSeason({"/nonexistent", 1998, "", db.out.string()}, Config{}).ok);
}

}  // namespace
}  // namespace vrk
