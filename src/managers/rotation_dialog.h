#pragma once
#include <string>
#include <string_view>

namespace vrk {

struct RotationSettings;

// The "Default Pitching Rotation Method" dialog without its screen.
inline constexpr std::string_view kRotationDialogTitle = "Default Pitching Rotation Method";
inline constexpr std::string_view kRotationCountPrompt = "Number In Rotation  [2-5]:";
inline constexpr std::string_view kRotationOrderPrompt = "[S]equential or [R]andom Order?:";
inline constexpr std::string_view kRotationSpotPrompt = "Use Spot Starters?:";
inline constexpr std::string_view kRotationDialogFooter = "ESC:Continue  F3:Abort";

struct RotationDialogFields {
    std::string count = "5";  // one of "12345"
    std::string order = "S";  // one of "RS12345"
    std::string spot = "Y";   // "Y" or "N"
};

// Whether a typed value is accepted for field 1, 2 or 3 (case-insensitive).
bool AcceptRotationDialogField(int field, std::string_view value);

enum class RotationDialogExit { Continue, Abort };

// Applies the dialog's result: Continue stores order + count as the default
// method and the spot-starter answer as the global setting; Abort changes
// nothing. Fields that fail their check keep the settings' current values.
void ApplyRotationDialog(const RotationDialogFields& fields, RotationDialogExit exit,
                         RotationSettings& settings);

}  // namespace vrk
