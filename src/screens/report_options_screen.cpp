#include "screens/report_options_screen.h"

#include <array>
#include <cctype>
#include <string>

#include "core/text_fields.h"
#include "presentation/console.h"
#include "presentation/console_keys.h"

namespace vrk {

namespace {

constexpr int kWindowAttribute = 15 + 16 * 1;
constexpr int kFieldAttribute = 0 + 16 * 7;
constexpr int kCurrentAttribute = 15 + 16 * 4;
constexpr int kWidth = 56;
constexpr int kHeight = 16;
constexpr std::size_t kNameWidth = 16;
constexpr std::size_t kMinAbWidth = 5;

enum class Kind { Name, YesDefault, NoDefault, Number };

struct Field {
    const char* label;
    Kind kind;
};

constexpr std::array<Field, 9> kFields = {{
    {"Statistics File: ", Kind::Name},
    {"Standings                 [Y,n]", Kind::YesDefault},
    {"Highlights                [Y,n]", Kind::YesDefault},
    {"Batting/Pitching/Fielding [Y,n]", Kind::YesDefault},
    {"  Min. AB                      ", Kind::Number},
    {"  Batting R/L Breakdown   [y,N]", Kind::NoDefault},
    {"  Fielding                [Y,n]", Kind::YesDefault},
    {"    Fielding Detail       [y,N]", Kind::NoDefault},
    {"League Leaders            [Y,n]", Kind::YesDefault},
}};

std::size_t FieldWidth(Kind kind) {
    switch (kind) {
        case Kind::Name:
            return kNameWidth;
        case Kind::Number:
            return kMinAbWidth;
        default:
            return 1;
    }
}

std::string YesNo(bool yes) {
    return yes ? "Y" : "N";
}

std::array<std::string, kFields.size()> Values(const ReportOptions& o) {
    return {o.statsName,       YesNo(o.standings),          YesNo(o.highlights),
            YesNo(o.tables),   std::to_string(o.minAtBats), YesNo(o.rlBreakdown),
            YesNo(o.fielding), YesNo(o.fieldingDetail),     YesNo(o.leaders)};
}

// "[Y,n]": anything but N is yes; "[y,N]": only Y is.
bool Answer(const std::string& value, Kind kind) {
    const char c = value.empty() ? ' ' : upperChar(value[0]);
    return kind == Kind::YesDefault ? c != 'N' : c == 'Y';
}

ReportOptions Options(const std::array<std::string, kFields.size()>& v) {
    ReportOptions o;
    o.statsName = std::string(trim(v[0].substr(0, v[0].find('.'))));
    o.standings = Answer(v[1], kFields[1].kind);
    o.highlights = Answer(v[2], kFields[2].kind);
    o.tables = Answer(v[3], kFields[3].kind);
    o.minAtBats = static_cast<long>(integerPrefix(v[4]));
    o.rlBreakdown = Answer(v[5], kFields[5].kind);
    o.fielding = Answer(v[6], kFields[6].kind);
    o.fieldingDetail = Answer(v[7], kFields[7].kind);
    o.leaders = Answer(v[8], kFields[8].kind);
    return o;
}

void Draw(Console& console, int top, int left, const std::array<std::string, kFields.size()>& v,
          std::size_t current) {
    console.fillArea(top, left, kHeight, kWidth, kWindowAttribute);
    console.drawFrame(top, left, kHeight, kWidth, FrameStyle::Double, kWindowAttribute);
    console.printAt(top, left + 2, " Statistics Report Options ", kWindowAttribute);
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        const int row = top + 2 + static_cast<int>(i) + (i > 0 ? 1 : 0);
        const int col = left + 3;
        console.printAt(row, col, kFields[i].label, kWindowAttribute);
        const int input = col + static_cast<int>(std::string_view(kFields[i].label).size()) + 1;
        console.printAt(row, input, padRight(v[i], FieldWidth(kFields[i].kind)),
                        i == current ? kCurrentAttribute : kFieldAttribute);
        if (i == current) {
            console.setCursor(row, input + static_cast<int>(std::min(
                                               v[i].size(), FieldWidth(kFields[i].kind) - 1)));
        }
    }
    console.printAt(top + kHeight - 2, left + 3, "ESC (or close window):Generate Report  F3:Cancel",
                    kWindowAttribute);
}

// A typed character goes into the field when it suits it; one-letter
// fields take it in place of the old letter and move on.
bool Type(std::string& value, Kind kind, char c) {
    if (!std::isprint(static_cast<unsigned char>(c))) return false;
    if (kind == Kind::Number) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
        if (value == "0") value.clear();
        if (value.size() < kMinAbWidth) value += c;
        return false;
    }
    if (kind == Kind::Name) {
        if (c == ' ' || c == '/' || c == '\\') return false;
        if (value.size() < kNameWidth) value += c;
        return false;
    }
    value = std::string(1, upperChar(c));
    return true;
}

}  // namespace

std::optional<ReportOptions> ReportOptionsScreen(Console& console, const ReportOptions& defaults) {
    auto values = Values(defaults);
    const int top = playAreaTop(console.rows()) + 4;
    const int left = playAreaLeft(console.cols()) + 1 + (80 - kWidth) / 2;
    std::size_t current = defaults.statsName.empty() ? 0 : 1;
    console.pushScreen();
    console.showCursor(true);
    std::optional<ReportOptions> chosen;
    for (;;) {
        Draw(console, top, left, values, current);
        const std::string key = console.waitKey();
        const Kind kind = kFields[current].kind;
        if (key == kKeyF3) break;
        if (key == kKeyEscape) {
            ReportOptions o = Options(values);
            if (!o.statsName.empty()) {
                chosen = o;
                break;
            }
            console.beep();
            current = 0;
        } else if (key == kKeyUp || key == extendedKey(kScanShiftTab)) {
            current = (current + kFields.size() - 1) % kFields.size();
        } else if (key == kKeyDown || key == kKeyTab || key == kKeyEnter) {
            current = (current + 1) % kFields.size();
        } else if (key == kKeyBackspace) {
            if (!values[current].empty()) values[current].pop_back();
        } else if (key == kKeyDel) {
            values[current].clear();
        } else if (key.size() == 1 && Type(values[current], kind, key[0])) {
            current = (current + 1) % kFields.size();
        }
    }
    console.showCursor(false);
    console.popScreen();
    return chosen;
}

}  // namespace vrk
