#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>

#include "data/stats_set.h"
#include "data/stats_test_support.h"
#include "engine/stats_record_game.h"

namespace vrk {
namespace {

using stats_testing::GameFixture;
using stats_testing::readBytes;
using stats_testing::ScratchFolder;
using stats_testing::writeBytes;

// A set in a fresh folder holding one saved, hand-filled game.
struct SavedSetTest : ::testing::Test {
    ScratchFolder dir;
    GameFixture fx;
    StatsSet set;
    HighlightLists lists;

    void SetUp() override {
        ASSERT_TRUE(OpenStatsSet(set, dir.str(), "SEASON").ok);
        record(0);
        IoResult saved = SaveStatistics(set, 1);
        ASSERT_TRUE(saved.ok) << saved.message;
    }
    void record(int gameCounter) {
        RecordGameResult r = RecordGame(set, lists, *fx.game, {gameCounter, std::nullopt, 20});
        ASSERT_TRUE(r.result.ok) << r.result.message;
    }
    std::vector<std::uint8_t> bytes(const char* ext) {
        return readBytes(dir.file(std::string("SEASON.") + ext));
    }
    void expectNoTemporaryFiles() {
        for (const char* ext : {"STB", "STP", "STF"})
            EXPECT_FALSE(std::filesystem::exists(dir.file(std::string("SEASON.") + ext + ".tmp")));
    }
};

// File operations that fail, as a full or broken disk would, once the
// given number of writes or renames has gone through.
struct FailingOps : FileOps {
    int writesLeft = 1000, renamesLeft = 1000;
    bool writeAll(int fd, std::span<const std::uint8_t> bytes) override {
        return --writesLeft >= 0 ? FileOps::writeAll(fd, bytes) : (errno = ENOSPC, false);
    }
    bool rename(const std::string& from, const std::string& to) override {
        return --renamesLeft >= 0 ? FileOps::rename(from, to) : (errno = EIO, false);
    }
};

TEST(StatsSet, MissingFilesOpenAsEmptyTablesAndNothingIsWritten) {
    ScratchFolder dir;
    StatsSet set;
    OpenStatsResult r = OpenStatsSet(set, dir.str(), "SEASON");
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_TRUE(r.notes.empty());
    EXPECT_EQ(std::vector({set.batting.count(), set.pitching.count(), set.fielding.capacity}),
              std::vector({1, 1, 1020}));
    EXPECT_TRUE(std::filesystem::is_empty(dir.str()));
    StatsSet none;
    EXPECT_FALSE(OpenStatsSet(none, dir.str(), "").ok);
    EXPECT_FALSE(SaveStatistics(none, 0).ok);
}

TEST_F(SavedSetTest, SavedTablesOpenAgainUnchanged) {
    fx.bat(1, 1).hits = 2;
    record(4);
    ASSERT_TRUE(SaveStatistics(set, 5).ok);
    EXPECT_FALSE(set.unsaved);
    StatsSet again;
    OpenStatsResult r = OpenStatsSet(again, dir.str(), "season");  // names match ignoring case
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_TRUE(r.notes.empty()) << r.notes[0];
    EXPECT_EQ(std::vector({again.savedGameCounter, again.gamesInFile}), std::vector({5, 2}));
    EXPECT_EQ(again.batting.records, set.batting.records);
    EXPECT_EQ(again.pitching.records, set.pitching.records);
    EXPECT_EQ(again.fielding.records, set.fielding.records);
    expectNoTemporaryFiles();
}

TEST_F(SavedSetTest, OldVersionSizesAreRefusedAndLeftAlone) {
    // A batting file one byte short stops the start even with a sound pitching
    // file; it is damaged, not old.
    std::vector<std::uint8_t> stb = bytes("STB");
    stb.pop_back();
    writeBytes(dir.file("SEASON.STB"), stb);
    const auto stp = bytes("STP");
    StatsSet reopened;
    OpenStatsResult r = OpenStatsSet(reopened, dir.str(), "SEASON");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, kDamagedSetMessage);
    EXPECT_FALSE(reopened.isOpen());
    EXPECT_EQ(bytes("STB"), stb);
    EXPECT_EQ(bytes("STP"), stp);
    EXPECT_FALSE(SaveStatistics(reopened, 0).ok);  // nothing open, nothing overwritten

    ScratchFolder other;
    writeBytes(other.file("OLD.STP"), std::vector<std::uint8_t>(125));
    EXPECT_EQ(OpenStatsSet(reopened, other.str(), "OLD").message, kOldVersionMessage);
}

TEST_F(SavedSetTest, DamagedTablesAreRefusedNamingTheFile) {
    const auto stb = bytes("STB"), stf = bytes("STF");

    struct Case {
        std::string file;
        std::vector<std::uint8_t> bytes;
        std::string expect;
    };
    std::vector<std::uint8_t> badCount = stb;
    badCount[30] += 1;
    std::vector<std::uint8_t> disordered = stb;
    std::swap_ranges(disordered.begin() + 162, disordered.begin() + 324, disordered.begin() + 324);
    std::vector<std::uint8_t> tornFielding(stf.begin(), stf.end() - 1);
    std::vector<std::uint8_t> noSentinel(stb.begin(), stb.end() - 162);
    noSentinel[30] -= 1;
    const Case cases[] = {
        {"SEASON.STB", {}, "is empty"},
        {"SEASON.STB", std::vector<std::uint8_t>(stb.begin(), stb.begin() + 162), "no records"},
        {"SEASON.STB", badCount, "header counts"},
        {"SEASON.STB", disordered, "key order"},
        {"SEASON.STF", tornFielding, "whole number"},
        {"SEASON.STB", noSentinel, "end marker"},
    };
    for (const Case& c : cases) {
        writeBytes(dir.file(c.file), c.bytes);
        StatsSet broken;
        OpenStatsResult r = OpenStatsSet(broken, dir.str(), "SEASON");
        EXPECT_FALSE(r.ok) << c.expect;
        EXPECT_NE(r.message.find(c.expect), std::string::npos) << r.message;
        EXPECT_NE(r.message.find(c.file), std::string::npos) << r.message;
        EXPECT_FALSE(broken.isOpen());
        EXPECT_EQ(readBytes(dir.file(c.file)), c.bytes);
        writeBytes(dir.file("SEASON.STB"), stb);
        writeBytes(dir.file("SEASON.STF"), stf);
    }
    // A folder where the batting file should be.
    std::filesystem::remove(dir.file("SEASON.STB"));
    std::filesystem::create_directory(dir.file("SEASON.STB"));
    StatsSet broken;
    EXPECT_FALSE(OpenStatsSet(broken, dir.str(), "SEASON").ok);
}

TEST_F(SavedSetTest, GamesBeyondTheLastSaveAreReportedNotFatal) {
    const auto saved = set.batting.records;
    // Two more games are appended, then the run dies before saving.
    record(1);
    record(2);
    StatsSet after;
    OpenStatsResult r = OpenStatsSet(after, dir.str(), "SEASON");
    ASSERT_TRUE(r.ok) << r.message;
    ASSERT_EQ(r.notes.size(), 1u);
    EXPECT_NE(r.notes[0].find("2 game(s)"), std::string::npos) << r.notes[0];
    EXPECT_NE(r.notes[0].find("delete the set"), std::string::npos) << r.notes[0];
    EXPECT_EQ(after.gamesInFile, 3);
    EXPECT_EQ(after.batting.records, saved);

    // A torn last game record is reported and replaced by the next game.
    std::vector<std::uint8_t> sts = bytes("STS");
    sts.resize(sts.size() + 40, 0x55);
    writeBytes(dir.file("SEASON.STS"), sts);
    r = OpenStatsSet(after, dir.str(), "SEASON");
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(std::any_of(r.notes.begin(), r.notes.end(), [](const std::string& n) {
        return n.find("incomplete") != std::string::npos;
    }));
    ASSERT_TRUE(AppendGameRecord(after, MakeGameRecord(*fx.game)).ok);
    EXPECT_EQ(std::filesystem::file_size(dir.file("SEASON.STS")), 4u * 112);
}

TEST_F(SavedSetTest, InterruptedSaveLeavesTheLastCompleteFiles) {
    const auto stb = bytes("STB"), stp = bytes("STP"), stf = bytes("STF");
    const auto firstSave = set.batting.records;
    fx.bat(1, 3).hits = 4;
    record(1);

    // The disk fills while the pitching file is written.
    FailingOps full;
    full.writesLeft = 1;
    set.ops = &full;
    IoResult r = SaveStatistics(set, 2);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find("not saved"), std::string::npos) << r.message;
    EXPECT_NE(r.message.find("SEASON.STP"), std::string::npos) << r.message;
    EXPECT_TRUE(set.unsaved);
    EXPECT_EQ(bytes("STB"), stb);
    EXPECT_EQ(bytes("STP"), stp);
    EXPECT_EQ(bytes("STF"), stf);
    expectNoTemporaryFiles();

    // A crash that left a half-written temporary file beside the tables.
    writeBytes(dir.file("SEASON.STB.tmp"), std::vector<std::uint8_t>(100, 0x7F));
    StatsSet after;
    OpenStatsResult o = OpenStatsSet(after, dir.str(), "SEASON");
    ASSERT_TRUE(o.ok) << o.message;
    EXPECT_EQ(after.batting.records, firstSave);
    EXPECT_FALSE(std::filesystem::exists(dir.file("SEASON.STB.tmp")));

    // Once the disk has room again the same tables save completely.
    set.ops = &SystemFileOps();
    ASSERT_TRUE(SaveStatistics(set, 2).ok);
    ASSERT_TRUE(OpenStatsSet(after, dir.str(), "SEASON").ok);
    EXPECT_EQ(after.batting.records, set.batting.records);
}

TEST_F(SavedSetTest, FailedRenameIsReportedAsAPartialSave) {
    FailingOps renames;
    renames.renamesLeft = 1;
    set.ops = &renames;
    IoResult r = SaveStatistics(set, 3);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find("partly"), std::string::npos) << r.message;
    EXPECT_TRUE(set.unsaved);
    StatsSet after;
    EXPECT_TRUE(OpenStatsSet(after, dir.str(), "SEASON").ok);
    expectNoTemporaryFiles();
}

TEST(StatsSet, UnwritableFolderFailsTheGameAndTheSaveWithoutTouchingTables) {
    ScratchFolder dir;
    GameFixture fx;
    StatsSet set;
    std::filesystem::create_directory(dir.file("sub"));
    ASSERT_TRUE(OpenStatsSet(set, dir.file("sub"), "SEASON").ok);
    // The write folder is gone and a plain file stands in its place.
    std::filesystem::remove_all(dir.file("sub"));
    stats_testing::writeText(dir.file("sub"), "x");
    StatsSet refused;
    EXPECT_FALSE(OpenStatsSet(refused, dir.file("sub"), "SEASON").ok);
    HighlightLists lists;
    RecordGameResult r = RecordGame(set, lists, *fx.game, {0, std::nullopt, 20});
    EXPECT_FALSE(r.result.ok);
    EXPECT_NE(r.result.message.find("not recorded"), std::string::npos);
    EXPECT_EQ(set.batting.count(), 1);
    EXPECT_FALSE(set.unsaved);
    EXPECT_FALSE(SaveStatistics(set, 1).ok);

    if (::geteuid() != 0) {  // permissions do not bind the superuser
        ScratchFolder ro;
        StatsSet roSet;
        ASSERT_TRUE(OpenStatsSet(roSet, ro.str(), "SEASON").ok);
        ::chmod(ro.str().c_str(), 0555);
        EXPECT_FALSE(RecordGame(roSet, lists, *fx.game, {0, std::nullopt, 20}).result.ok);
        EXPECT_FALSE(SaveStatistics(roSet, 1).ok);
    }
}

TEST(StatsSet, DeleteRemovesOnlyTheSetsFiles) {
    ScratchFolder dir;
    for (const char* name :
         {"SEASON.STS", "SEASON.STB", "SEASON.STP", "season.stf", "SEASON.STH", "SEASON.RES",
          "SEASON.ROT", "SEASON.STD", "SEASON.STB.tmp", "SEASON2.STB", "SEASON.DAT"}) {
        stats_testing::writeText(dir.file(name), "x");
    }
    ASSERT_TRUE(DeleteStatsSet(dir.str(), "SEASON").ok);
    std::vector<std::string> left;
    for (const auto& e : std::filesystem::directory_iterator(dir.str()))
        left.push_back(e.path().filename().string());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"SEASON.DAT", "SEASON2.STB"}));
    EXPECT_TRUE(DeleteStatsSet(dir.str(), "NOTHING").ok);
}

}  // namespace
}  // namespace vrk
