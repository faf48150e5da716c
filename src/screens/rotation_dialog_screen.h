#pragma once

#include "managers/rotation_dialog.h"

namespace vrk {

class Console;
struct RotationSettings;

// The "Default Pitching Rotation Method" dialog. Its three one-character
// fields start at their defaults; a typed character replaces the current
// field's value only when that field accepts it (else a beep). Tab, Enter,
// the arrows or a click move between the fields; ESC continues, F3 aborts.
// The outcome is applied to `settings` and returned.
RotationDialogExit RotationDialogScreen(Console& console, RotationSettings& settings);

}  // namespace vrk
