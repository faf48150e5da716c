#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace vrk {

// Key codes returned by Console::waitKey / pollKey:
//  - an ordinary key: one code-page-437 byte ("a", "\r" for Enter, "\b" for
//    Backspace, "\t" for Tab, "\x1b" for Escape);
//  - an extended key: two bytes, a zero and the PC scan code
//    ("\0;" = F1 ... "\0D" = F10, "\0H" = Up, "\0Q" = PgDn, ...);
//  - a mouse event: kMouseCodeLength (8) bytes,
//      '\xff', kind, three-digit row, three-digit column
//    with kind 'L' (left click), 'D' (left double click), 'R' (right click),
//    'U' (wheel up) or 'W' (wheel down), e.g. "\xff" "D" "012" "034" is a
//    double click on row 12, column 34 (1-based). Dialogs take a double
//    click on a list line as Enter.

inline constexpr std::string_view kKeyEscape{"\x1b", 1};
inline constexpr std::string_view kKeyEnter{"\r", 1};
inline constexpr std::string_view kKeyBackspace{"\b", 1};
inline constexpr std::string_view kKeyTab{"\t", 1};

// Extended keys, by scan code.
inline constexpr int kScanShiftTab = 15;
inline constexpr int kScanF1 = 59;  // F1..F10 are 59..68
inline constexpr int kScanHome = 71;
inline constexpr int kScanUp = 72;
inline constexpr int kScanPgUp = 73;
inline constexpr int kScanLeft = 75;
inline constexpr int kScanRight = 77;
inline constexpr int kScanEnd = 79;
inline constexpr int kScanDown = 80;
inline constexpr int kScanPgDn = 81;
inline constexpr int kScanIns = 82;
inline constexpr int kScanDel = 83;
inline constexpr int kScanF11 = 133;
inline constexpr int kScanF12 = 134;

inline constexpr std::string_view kKeyF1{"\0;", 2};
inline constexpr std::string_view kKeyF2{"\0<", 2};
inline constexpr std::string_view kKeyF3{"\0=", 2};
inline constexpr std::string_view kKeyF4{"\0>", 2};
inline constexpr std::string_view kKeyF10{"\0D", 2};
inline constexpr std::string_view kKeyHome{"\0G", 2};
inline constexpr std::string_view kKeyUp{"\0H", 2};
inline constexpr std::string_view kKeyPgUp{"\0I", 2};
inline constexpr std::string_view kKeyLeft{"\0K", 2};
inline constexpr std::string_view kKeyRight{"\0M", 2};
inline constexpr std::string_view kKeyEnd{"\0O", 2};
inline constexpr std::string_view kKeyDown{"\0P", 2};
inline constexpr std::string_view kKeyPgDn{"\0Q", 2};
inline constexpr std::string_view kKeyIns{"\0R", 2};
inline constexpr std::string_view kKeyDel{"\0S", 2};

// "\0" + the scan code.
std::string extendedKey(int scanCode);
// Function key n (1..12).
std::string functionKey(int n);
bool isExtendedKey(std::string_view code);
// The scan code of an extended key, else -1.
int scanCodeOf(std::string_view code);

enum class MouseKind : char {
    LeftClick = 'L',
    DoubleClick = 'D',
    RightClick = 'R',
    WheelUp = 'U',
    WheelDown = 'W'
};

struct MouseEvent {
    MouseKind kind = MouseKind::LeftClick;
    int row = 0;  // 1-based screen position
    int col = 0;
    bool operator==(const MouseEvent&) const = default;
};

inline constexpr std::size_t kMouseCodeLength = 8;

std::string mouseCode(const MouseEvent& event);
// The event of a mouse code; nothing for any other key code.
std::optional<MouseEvent> parseMouseCode(std::string_view code);
bool isMouseCode(std::string_view code);
// True for Enter and for a mouse double click: list dialogs accept both.
bool isEnterOrDoubleClick(std::string_view code);

}  // namespace vrk
