#include "data/stats_recording_form.h"

#include <filesystem>

#include "core/le_record.h"
#include "core/paths.h"
#include "core/text_fields.h"
#include "data/stats_set.h"

namespace vrk {

namespace {

constexpr std::size_t kRestartRecordSize = 30;

// A number with the blank of its sign, built by appending: GCC 12 at -O3
// sees a false overlap in prepending to a temporary (-Wrestrict).
std::string Signed(long n) {
    std::string out;
    if (n >= 0) out += ' ';
    out += std::to_string(n);
    return out;
}

bool IsPrinter(std::string_view name) {
    return upperCase(trim(name)).starts_with("LPT");
}

std::string Comparable(std::string_view name) {
    return upperCase(trim(name));
}

FormCheck Message(std::string_view text) {
    return {FormVerdict::ReturnToForm, "", {std::string(text)}};
}

FormCheck RestartCheck(const std::string& path, std::string_view selectedSchedule) {
    if (selectedSchedule.empty()) {
        return {FormVerdict::AskToUseAnyway,
                "*** WARNING ***",
                {" VRK believes this Stat File may be currently ",
                 " in use by a Schedule file.     ", std::string(kUseAnywayPrompt)}};
    }
    std::optional<RestartRecord> restart = ReadRestartRecord(path);
    std::string selected(trim(selectedSchedule));
    if (restart && restart->scheduleName == Comparable(selected)) return {};
    RestartRecord unreadable;
    unreadable.scheduleName = "(unreadable restart file)";
    RestartRecord shown = restart.value_or(unreadable);
    return {FormVerdict::ReturnToForm,
            "*** ERROR ***",
            {" VRK believes this Stat File is currently ",
             " being used by another Schedule file.     ", " Selected SCH Name: " + selected,
             " Restart File     : " + path, " Restart SCH Name : " + shown.scheduleName,
             " Restart Date     : " + shown.date, " Restart Slot     : " + Signed(shown.slot),
             " Slot Game        : " + Signed(shown.slotGame),
             "        of        : " + Signed(shown.slotSize),
             " Restart Sch Game : " + Signed(shown.gameCounter), " (The SCH names must match)"}};
}

}  // namespace

std::optional<RestartRecord> ReadRestartRecord(const std::string& path) {
    FileBytes file = ReadFileBytes(path);
    if (!file.exists || !file.result.ok || file.bytes.size() != kRestartRecordSize)
        return std::nullopt;
    RecordReader r(file.bytes);
    RestartRecord out;
    out.scheduleName = Comparable(r.text(0, 12));
    out.date = r.text(12, 8);
    out.slot = r.int16(20);
    out.slotGame = r.int16(22);
    out.slotSize = r.int16(24);
    out.gameCounter = r.int32(26);
    return out;
}

std::string StatisticsBaseName(std::string_view field) {
    return std::string(trim(field.substr(0, field.find('.'))));
}

FormCheck CheckRecordingForm(const RecordingForm& form, std::string_view writeFolder,
                             std::string_view selectedSchedule) {
    for (const std::string& flag : form.erase) {
        std::string f = Comparable(flag);
        if (f != "Y" && f != "N") return Message(kEraseFlagMessage);
    }
    const std::string stats = Comparable(form.names[kStatisticsField]);
    if (!stats.empty()) {
        for (int k = kLineScoreField; k < kRecordingFieldCount; ++k) {
            if (Comparable(form.names[static_cast<std::size_t>(k)]) == stats)
                return Message(kNamesMustDifferMessage);
        }
    }
    const std::string box = Comparable(form.names[kBoxScoreField]);
    if (!box.empty() && !IsPrinter(box) && box == Comparable(form.names[kScoreCardField]))
        return Message(kNamesMustDifferMessage);
    if (!stats.empty()) {
        std::string base = StatisticsBaseName(form.names[kStatisticsField]);
        if (auto restart = findFile(writeFolder, base + ".RES"))
            return RestartCheck(*restart, selectedSchedule);
    }
    return {};
}

RecordingAccepted AcceptRecordingForm(const RecordingForm& form, std::string_view writeFolder) {
    RecordingAccepted out;
    auto fail = [&out](const std::string& message) {
        out.result.ok = false;
        if (!out.result.message.empty()) out.result.message += " ";
        out.result.message += message;
    };
    out.names.statisticsBase = StatisticsBaseName(form.names[kStatisticsField]);
    if (!out.names.statisticsBase.empty() && Comparable(form.erase[kStatisticsField]) == "Y") {
        IoResult deleted = DeleteStatsSet(writeFolder, out.names.statisticsBase);
        if (!deleted.ok) fail(deleted.message);
    }
    std::string* textNames[] = {&out.names.lineScoreFile, &out.names.boxScoreFile,
                                &out.names.scoreCardFile, &out.names.vazaZevFile};
    for (int k = kLineScoreField; k < kRecordingFieldCount; ++k) {
        auto i = static_cast<std::size_t>(k);
        std::string name(trimRight(form.names[i]));
        *textNames[i - 1] = name;
        if (name.empty() || IsPrinter(name) || Comparable(form.erase[i]) != "Y") continue;
        if (auto existing = findFile(writeFolder, name)) {
            std::error_code ec;
            if (!std::filesystem::remove(*existing, ec) && ec)
                fail("Cannot delete " + *existing + ": " + ec.message() + ".");
        }
    }
    return out;
}

}  // namespace vrk
