#include <gtest/gtest.h>

#include <fstream>

#include "data/stats_journal.h"
#include "data/stats_save.h"
#include "data/stats_test_support.h"

namespace vrk {
namespace {

using stats_testing::readBytes;
using stats_testing::ScratchFolder;

// Renames fail once the first `allowed` have been made: a crash at that
// point of a save, as far as the disk can tell.
struct CrashingOps : FileOps {
    int allowed = 0;
    bool rename(const std::string& from, const std::string& to) override {
        if (allowed-- <= 0) return false;
        return FileOps::rename(from, to);
    }
};

void AddBatter(StatsSet& set, const char* name, int hits) {
    FindOrInsert(set.batting, MakePlayerKey('A', "Tigers", name), 'R').hits.total += hits;
    set.unsaved = true;
}

RestartState Restart(int slot) {
    RestartState s;
    s.inProgress = true;
    s.restart = {"SEASON.SCH", "04/02/26", slot, 1, 1, 0};
    s.standings = {1, 2, 3};
    s.rngSaved = true;
    s.rng = {1, 2, 3, static_cast<std::uint64_t>(slot)};
    return s;
}

TEST(StatsSave, ACrashedSaveLeavesEitherTheOldOrTheNewSave) {
    // Renames of a save: the save point first (its moment), then the files.
    const struct {
        int renames;
        bool newSave;
    } cases[] = {{0, false}, {1, true}, {3, true}};
    for (const auto& c : cases) {
        ScratchFolder dir;
        StatsSet set;
        ASSERT_TRUE(OpenStatsSet(set, dir.str(), "RUN").ok);
        SavePoint point;
        AddBatter(set, "Cobb", 1);
        const RestartState first = Restart(1);
        ASSERT_TRUE(SaveSet(set, 1, &first, point).ok);
        const auto firstBatting = readBytes(dir.file("RUN.STB"));

        CrashingOps crash;
        crash.allowed = c.renames;
        set.ops = &crash;
        AddBatter(set, "Ruth", 2);
        const RestartState second = Restart(2);
        SaveSet(set, 2, &second, point);
        set.ops = &SystemFileOps();

        const RecoveredSet recovered = RecoverSet(dir.str(), "RUN");
        ASSERT_TRUE(recovered.result.ok);
        ASSERT_TRUE(recovered.savePoint);
        const auto restart = SavedRestart(dir.str(), "RUN", recovered.savePoint);
        ASSERT_TRUE(restart);
        StatsSet reopened;
        ASSERT_TRUE(OpenStatsSet(reopened, dir.str(), "RUN").ok);
        if (c.newSave) {
            EXPECT_EQ(*restart, second) << c.renames;
            EXPECT_EQ(reopened.savedGameCounter, 2);
            EXPECT_EQ(reopened.batting.count(), 3);
        } else {
            EXPECT_EQ(*restart, first) << c.renames;
            EXPECT_EQ(readBytes(dir.file("RUN.STB")), firstBatting);
        }
        EXPECT_FALSE(std::filesystem::exists(dir.file("RUN.STB.part")));
    }
}

TEST(StatsSave, JournalReplaysGamesAfterTheSaveAndStopsAtATornEntry) {
    ScratchFolder dir;
    StatsSet set;
    ASSERT_TRUE(OpenStatsSet(set, dir.str(), "RUN").ok);
    SavePoint point;
    ASSERT_TRUE(SaveSet(set, 0, nullptr, point).ok);
    const std::vector<TeamKeyPrefix> teams = {TeamPrefix('A', "Tigers")};
    for (int game = 1; game <= 3; ++game) {
        const JournalMark mark = MarkJournal(set);
        ASSERT_TRUE(AppendGameRecord(set, GameRecord{}).ok);
        AddBatter(set, "Cobb", game);
        const RestartState after = Restart(game);
        ASSERT_TRUE(JournalGame(set, mark, game, teams, &after).ok);
    }
    // The third entry is torn (its last bytes never reached the disk): the
    // game that was in play.
    const std::string journal = dir.file("RUN.JNL");
    {
        std::fstream f(journal, std::ios::in | std::ios::out | std::ios::binary);
        f.seekp(static_cast<std::streamoff>(set.journalEnd) - 5);
        f.write("\x5a\x5a\x5a\x5a\x5a", 5);
    }

    ASSERT_TRUE(RecoverSet(dir.str(), "RUN").result.ok);
    StatsSet reopened;
    ASSERT_TRUE(OpenStatsSet(reopened, dir.str(), "RUN").ok);
    EXPECT_EQ(reopened.gamesInFile, 0) << "games after the save are cut back";
    const JournalReplay replay = ReplayJournal(reopened, 0);
    ASSERT_TRUE(replay.result.ok);
    EXPECT_EQ(replay.games, 2);
    EXPECT_EQ(replay.gameCounter, 2);
    ASSERT_TRUE(replay.restart);
    EXPECT_EQ(replay.restart->restart.slot, 2);
    EXPECT_EQ(reopened.gamesInFile, 2);
    const FindResult cobb = FindRecord(reopened.batting, MakePlayerKey('A', "Tigers", "Cobb"));
    ASSERT_NE(cobb.record, 0);
    EXPECT_EQ(reopened.batting.at(cobb.record).hits.total, 1 + 2);
    // Entries already in a save are not applied twice.
    EXPECT_EQ(ReplayJournal(reopened, 2).games, 0);
}

// The journal is written over in place: after a save, new entries start at
// its beginning and the older ones further on must never come back.
TEST(StatsSave, JournalWrittenOverKeepsOnlyGamesAfterTheSave) {
    ScratchFolder dir;
    StatsSet set;
    ASSERT_TRUE(OpenStatsSet(set, dir.str(), "RUN").ok);
    SavePoint point;
    ASSERT_TRUE(SaveSet(set, 0, nullptr, point).ok);
    const std::vector<TeamKeyPrefix> teams = {TeamPrefix('A', "Tigers")};
    auto play = [&](int game) {
        const JournalMark mark = MarkJournal(set);
        ASSERT_TRUE(AppendGameRecord(set, GameRecord{}).ok);
        AddBatter(set, "Cobb", game);
        const RestartState after = Restart(game);
        ASSERT_TRUE(JournalGame(set, mark, game, teams, &after).ok);
    };
    for (int game = 1; game <= 4; ++game) play(game);
    const auto room = std::filesystem::file_size(dir.file("RUN.JNL"));
    ASSERT_TRUE(SaveSet(set, 4, nullptr, point).ok);
    ASSERT_TRUE(ClearJournal(set, true).ok);
    EXPECT_EQ(std::filesystem::file_size(dir.file("RUN.JNL")), room) << "the room is kept";
    play(5);

    ASSERT_TRUE(RecoverSet(dir.str(), "RUN").result.ok);
    StatsSet reopened;
    ASSERT_TRUE(OpenStatsSet(reopened, dir.str(), "RUN").ok);
    const JournalReplay replay = ReplayJournal(reopened, 4);
    ASSERT_TRUE(replay.result.ok);
    EXPECT_EQ(replay.games, 1);
    EXPECT_EQ(replay.gameCounter, 5);
    EXPECT_EQ(reopened.gamesInFile, 5);
    const FindResult cobb = FindRecord(reopened.batting, MakePlayerKey('A', "Tigers", "Cobb"));
    ASSERT_NE(cobb.record, 0);
    EXPECT_EQ(reopened.batting.at(cobb.record).hits.total, 1 + 2 + 3 + 4 + 5);

    // Emptied for good, the journal holds nothing.
    ASSERT_TRUE(SaveSet(reopened, 5, nullptr, point).ok);
    ASSERT_TRUE(ClearJournal(reopened).ok);
    EXPECT_EQ(std::filesystem::file_size(dir.file("RUN.JNL")), 0u);
}

}  // namespace
}  // namespace vrk
