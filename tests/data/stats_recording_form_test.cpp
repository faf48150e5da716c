#include <gtest/gtest.h>

#include <filesystem>

#include "core/le_record.h"
#include "data/stats_recording_form.h"
#include "data/stats_test_support.h"

namespace vrk {
namespace {

using stats_testing::ScratchFolder;

RecordingForm Form(std::string stats, std::string box = "", std::string card = "") {
    RecordingForm f;
    f.names[kStatisticsField] = std::move(stats);
    f.names[kBoxScoreField] = std::move(box);
    f.names[kScoreCardField] = std::move(card);
    return f;
}

void WriteRestart(const std::string& path, const std::string& schedule) {
    std::vector<std::uint8_t> b(30, 0);
    RecordWriter w(b);
    w.putText(0, 12, schedule);
    w.putText(12, 8, "04/12/98");
    w.putInt16(20, 3);
    w.putInt16(22, 1);
    w.putInt16(24, 2);
    w.putInt32(26, 140);
    stats_testing::writeBytes(path, b);
}

TEST(StatsRecordingForm, NamesAndFlagsAreChecked) {
    ScratchFolder dir;
    EXPECT_EQ(CheckRecordingForm(Form("SEASON"), dir.str(), "").verdict, FormVerdict::Accept);
    EXPECT_EQ(CheckRecordingForm(Form(""), dir.str(), "").verdict, FormVerdict::Accept);

    RecordingForm flags = Form("SEASON");
    flags.erase[kVazaZevField].assign(1, 'X');
    FormCheck bad = CheckRecordingForm(flags, dir.str(), "");
    EXPECT_EQ(bad.verdict, FormVerdict::ReturnToForm);
    EXPECT_EQ(bad.lines[0], kEraseFlagMessage);
    flags.erase[kVazaZevField].assign(1, 'y');
    EXPECT_EQ(CheckRecordingForm(flags, dir.str(), "").verdict, FormVerdict::Accept);

    RecordingForm same = Form("SEASON");
    same.names[kLineScoreField] = "season  ";
    EXPECT_EQ(CheckRecordingForm(same, dir.str(), "").lines[0], kNamesMustDifferMessage);
    EXPECT_EQ(CheckRecordingForm(Form("", "BOX.TXT", "box.txt"), dir.str(), "").lines[0],
              kNamesMustDifferMessage);
    // Two printers are not two files.
    EXPECT_EQ(CheckRecordingForm(Form("", "LPT1", "LPT1"), dir.str(), "").verdict,
              FormVerdict::Accept);
}

TEST(StatsRecordingForm, RestartFileBindsTheSetToItsSchedule) {
    ScratchFolder dir;
    WriteRestart(dir.file("SEASON.RES"), "MAJORS98");
    EXPECT_EQ(CheckRecordingForm(Form("SEASON.STS"), dir.str(), "majors98 ").verdict,
              FormVerdict::Accept);

    FormCheck other = CheckRecordingForm(Form("SEASON"), dir.str(), "MINORS");
    EXPECT_EQ(other.verdict, FormVerdict::ReturnToForm);
    EXPECT_EQ(other.title, "*** ERROR ***");
    ASSERT_EQ(other.lines.size(), 11u);
    EXPECT_EQ(other.lines[2], " Selected SCH Name: MINORS");
    EXPECT_EQ(other.lines[4], " Restart SCH Name : MAJORS98");
    EXPECT_EQ(other.lines[5], " Restart Date     : 04/12/98");
    EXPECT_EQ(other.lines[6], " Restart Slot     :  3");
    EXPECT_EQ(other.lines[8], "        of        :  2");
    EXPECT_EQ(other.lines[9], " Restart Sch Game :  140");

    FormCheck none = CheckRecordingForm(Form("SEASON"), dir.str(), "");
    EXPECT_EQ(none.verdict, FormVerdict::AskToUseAnyway);
    EXPECT_EQ(none.title, "*** WARNING ***");
    EXPECT_EQ(none.lines.back(), kUseAnywayPrompt);

    stats_testing::writeText(dir.file("SEASON.RES"), "garbage");
    FormCheck damaged = CheckRecordingForm(Form("SEASON"), dir.str(), "MAJORS98");
    EXPECT_EQ(damaged.verdict, FormVerdict::ReturnToForm);
    EXPECT_EQ(damaged.lines[4], " Restart SCH Name : (unreadable restart file)");
}

TEST(StatsRecordingForm, AcceptanceErasesOnlyWhatIsFlagged) {
    ScratchFolder dir;
    for (const char* name : {"SEASON.STS", "SEASON.STB", "BOX.TXT", "CARD.LOG", "LINE.TXT"})
        stats_testing::writeText(dir.file(name), "x");
    RecordingForm f = Form(" SEASON.STS", "BOX.TXT  ", "CARD.LOG");
    f.names[kLineScoreField] = "LINE.TXT";
    f.names[kVazaZevField] = "LPT1";
    f.erase = {"Y", "N", "Y", "N", "Y"};
    RecordingAccepted a = AcceptRecordingForm(f, dir.str());
    EXPECT_TRUE(a.result.ok) << a.result.message;
    EXPECT_EQ(a.names.statisticsBase, "SEASON");
    EXPECT_EQ(a.names.boxScoreFile, "BOX.TXT");
    EXPECT_EQ(a.names.vazaZevFile, "LPT1");
    for (const char* name : {"SEASON.STS", "SEASON.STB", "BOX.TXT", "CARD.LOG", "LINE.TXT"})
        EXPECT_EQ(std::filesystem::exists(dir.file(name)), name[0] == 'C' || name[0] == 'L')
            << name;
    EXPECT_EQ(StatisticsBaseName("NAME"), "NAME");
    EXPECT_EQ(StatisticsBaseName("   "), "");
}

}  // namespace
}  // namespace vrk
