#include "screens/rotation_dialog_screen.h"

#include <array>
#include <string>

#include "core/text_fields.h"
#include "managers/rotation.h"
#include "presentation/console.h"
#include "presentation/console_keys.h"

namespace vrk {

namespace {

constexpr int kWindowAttribute = 15 + 16 * 1;
constexpr int kValueAttribute = 14 + 16 * 1;
constexpr int kCurrentAttribute = 0 + 16 * 7;
constexpr int kPlayAreaWidth = 80;
constexpr int kWidth = 44;
constexpr int kHeight = 9;
constexpr int kFieldCount = 3;
// Offset of the values from the window's left edge: past the longest prompt.
constexpr int kValueOffset = 38;

const std::array<std::string_view, kFieldCount> kPrompts{kRotationCountPrompt, kRotationOrderPrompt,
                                                         kRotationSpotPrompt};

std::string& FieldValue(RotationDialogFields& fields, int field) {
    return field == 1 ? fields.count : field == 2 ? fields.order : fields.spot;
}

struct DialogLayout {
    int top, left;
    int fieldRow(int field) const { return top + 2 + field; }
    int valueCol() const { return left + kValueOffset; }
};

void DrawWindow(Console& console, const DialogLayout& at) {
    console.fillArea(at.top, at.left, kHeight, kWidth, kWindowAttribute);
    console.drawFrame(at.top, at.left, kHeight, kWidth, FrameStyle::Double, kWindowAttribute);
    auto centred = [&](int row, std::string_view text) {
        console.printAt(row, at.left + (kWidth - static_cast<int>(text.size())) / 2, text,
                        kWindowAttribute);
    };
    centred(at.top + 1, kRotationDialogTitle);
    console.drawFrameRule(at.top + 2, at.left, kWidth, FrameStyle::Double, kWindowAttribute);
    for (int field = 1; field <= kFieldCount; ++field) {
        console.printAt(at.fieldRow(field), at.left + 3,
                        kPrompts[static_cast<std::size_t>(field - 1)], kWindowAttribute);
    }
    console.drawFrameRule(at.top + 6, at.left, kWidth, FrameStyle::Double, kWindowAttribute);
    centred(at.top + 7, kRotationDialogFooter);
}

void DrawValues(Console& console, const DialogLayout& at, RotationDialogFields& fields,
                int current) {
    for (int field = 1; field <= kFieldCount; ++field) {
        console.printAt(at.fieldRow(field), at.valueCol(), FieldValue(fields, field),
                        field == current ? kCurrentAttribute : kValueAttribute);
    }
    console.setCursor(at.fieldRow(current), at.valueCol());
}

int Next(int field, int step) {
    return (field - 1 + step + kFieldCount) % kFieldCount + 1;
}

// The field a key moves to from `field`; 0 when the key does not move.
int MovedTo(std::string_view key, int field, const DialogLayout& at) {
    if (key == kKeyTab || key == kKeyEnter) return Next(field, 1);
    if (auto mouse = parseMouseCode(key)) {
        for (int f = 1; f <= kFieldCount; ++f) {
            if (mouse->row == at.fieldRow(f) && mouse->col >= at.left &&
                mouse->col < at.left + kWidth)
                return f;
        }
        return 0;
    }
    switch (scanCodeOf(key)) {
        case kScanDown:
        case kScanRight:
            return Next(field, 1);
        case kScanUp:
        case kScanLeft:
        case kScanShiftTab:
            return Next(field, -1);
        default:
            return 0;
    }
}

}  // namespace

RotationDialogExit RotationDialogScreen(Console& console, RotationSettings& settings) {
    const DialogLayout at{playAreaTop(console.rows()) + 8,
                          playAreaLeft(console.cols()) + 1 + (kPlayAreaWidth - kWidth) / 2};
    RotationDialogFields fields;
    int field = 1;

    console.pushScreen();
    DrawWindow(console, at);
    console.showCursor(true);
    RotationDialogExit exit = RotationDialogExit::Continue;
    while (true) {
        DrawValues(console, at, fields, field);
        const std::string key = console.waitKey();
        if (key == kKeyEscape) break;
        if (key == kKeyF3) {
            exit = RotationDialogExit::Abort;
            break;
        }
        if (int to = MovedTo(key, field, at); to != 0) {
            field = to;
        } else if (isMouseCode(key) || isExtendedKey(key)) {
            continue;
        } else if (AcceptRotationDialogField(field, key)) {
            FieldValue(fields, field) = upperCase(key);
        } else {
            console.beep();
        }
    }
    console.popScreen();
    ApplyRotationDialog(fields, exit, settings);
    return exit;
}

}  // namespace vrk
