#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/stats_file_io.h"

namespace vrk {

// The fields of the Statistics Recording window, as typed.
enum RecordingField {
    kStatisticsField,
    kLineScoreField,
    kBoxScoreField,
    kScoreCardField,
    kVazaZevField,
    kRecordingFieldCount
};

struct RecordingForm {
    std::array<std::string, kRecordingFieldCount> names;
    std::array<std::string, kRecordingFieldCount> erase{"N", "N", "N", "N", "N"};
};

inline constexpr std::string_view kNamesMustDifferMessage = " File names must be different! ";
inline constexpr std::string_view kEraseFlagMessage =
    " Please answer Y or N under \"Clear Existing?\" ";
inline constexpr std::string_view kUseAnywayPrompt = " Do you want to use it anyway? [y/N]:";

enum class FormVerdict {
    Accept,         // the entries may be taken
    ReturnToForm,   // show the message (or box), then the form again
    AskToUseAnyway  // show the warning box and the prompt; "Y" accepts
};

struct FormCheck {
    FormVerdict verdict = FormVerdict::Accept;
    std::string title;               // "*** ERROR ***", "*** WARNING ***" or empty
    std::vector<std::string> lines;  // the message or the box lines
};

// The schedule position kept beside a statistics set (30-byte record).
struct RestartRecord {
    std::string scheduleName;  // upper-cased, trimmed
    std::string date;
    int slot = 0;
    int slotGame = 0;
    int slotSize = 0;
    std::int32_t gameCounter = 0;
};

// Empty when the file is missing or not a restart record.
std::optional<RestartRecord> ReadRestartRecord(const std::string& path);

// The statistics base name of a field: up to its first ".", trimmed.
std::string StatisticsBaseName(std::string_view field);

// The checks made when the user accepts the window, in order. selectedSchedule
// is the name of the schedule about to be played, empty when none.
FormCheck CheckRecordingForm(const RecordingForm& form, std::string_view writeFolder,
                             std::string_view selectedSchedule);

// What the run records into; an empty name records nothing.
struct RecordingNames {
    std::string statisticsBase;
    std::string lineScoreFile;
    std::string boxScoreFile;
    std::string scoreCardFile;
    std::string vazaZevFile;
};

struct RecordingAccepted {
    RecordingNames names;
    IoResult result;  // a file that should have been erased but could not be
};

// Takes the checked entries: erases the statistics set and the text files
// whose "Clear" flag is Y (printer names excepted) and returns the names.
RecordingAccepted AcceptRecordingForm(const RecordingForm& form, std::string_view writeFolder);

}  // namespace vrk
