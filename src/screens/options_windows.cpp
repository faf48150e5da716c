#include "screens/options_windows.h"

#include <cctype>
#include <string>

#include "core/text_fields.h"
#include "screens/form_screen.h"

namespace vrk {

namespace {

std::string YesNo(bool on) {
    return on ? "Y" : "N";
}
bool IsYes(const FormWindow& form, const std::string& label) {
    const int i = FieldIndex(form, label);
    return i >= 0 && form.fields[static_cast<std::size_t>(i)].value == "Y";
}
const std::string& ValueOf(const FormWindow& form, const std::string& label) {
    static const std::string none;
    const int i = FieldIndex(form, label);
    return i >= 0 ? form.fields[static_cast<std::size_t>(i)].value : none;
}
int DigitOf(const FormWindow& form, const std::string& label, int fallback) {
    const std::string& v = ValueOf(form, label);
    return v.size() == 1 && std::isdigit(static_cast<unsigned char>(v[0])) ? v[0] - '0' : fallback;
}

FormField Label(std::string text) {
    return {std::move(text), FieldKind::Label, {}, 0, {}};
}
FormField YesNoField(std::string label, bool on) {
    return {std::move(label), FieldKind::YesNo, YesNo(on), 1, {}};
}
FormField DelayField(std::string label, int delay) {
    return {std::move(label), FieldKind::Digit, std::to_string(delay), 1, "01234567"};
}
FormField NormalizeField(std::string label, const std::string& value) {
    return {std::move(label), FieldKind::Text, value, 5, {}};
}

// The normalisation field is the only text field of these windows that is
// checked as it is left (the games count of the Two-Team settings is the
// other, checked by its own rule).
std::string CheckNormalization(const FormWindow& form, int field, const std::string& value,
                               const std::string& label) {
    if (form.fields[static_cast<std::size_t>(field)].label != label) return {};
    return NormalizationEntryAccepted(NormalizationEntry(value))
               ? std::string{}
               : std::string(kNormalizationRefusal);
}

const std::string kManVisitor = "   Visitor [Y/N]         ";
const std::string kManHome = "   Home    [Y/N]         ";
const std::string kManDelay = "   Delay [0-7]           ";
const std::string kManSound = "Sound Effects [y/n]      ";
const std::string kManPicture = "Background Picture ";
const std::string kManAnnouncer = "Audio Announcer [y/n]    ";
const std::string kManNormalize = "Cross-Era Normalization  ";
const std::string kManFocus = "Performance Focusing [y/N]";

const std::string kSimNormalize = "Cross-Era Normalization  [YYYYL] ";
const std::string kSimFocus = "Performance Focusing?      [y/N] ";
const std::string kSimPauseGame = "Pause after every game?    [y/N] ";
const std::string kSimPauseDate = "Pause after date change?   [y/N] ";
const std::string kSimDelay = "Delay Factor               [0-7] ";
const std::string kSimLineup = "Auto-Lineup?               [Y/n] ";
const std::string kSimOrder = "Optimize Batting Order?[Y/n/c/f] ";

const std::string kTwoGames = "How many games do you want to simulate?";
const std::string kTwoLineupV = "Auto-Lineup         (Visitor)    [y/N] ";
const std::string kTwoLineupH = "                    (Home)       [y/N] ";
const std::string kTwoOrderV = "Adjust Batting Order(Visitor)[y/N/c/f] ";
const std::string kTwoOrderH = "                    (Home)   [y/N/c/f] ";
const std::string kTwoDh = "Use Designated-Hitter?           [Y/N] ";
const std::string kTwoRunner = "Use Automatic Runner?            [Y/N] ";
const std::string kTwoSpot = "Use Spot Starters?               [y/N] ";

const std::string kInQuick = "Quick-Play game:      [Y/N] ";
const std::string kInVisitor = "   Visitor            [Y/N] ";
const std::string kInHome = "   Home               [Y/N] ";
const std::string kInDelay = "Delay (Play-by-Play)  [0-7] ";
const std::string kInScheme = "Color Scheme          [1-6] ";
const std::string kInBackground = "Change Background     [Y/N] ";
const std::string kInSound = "Sound                 [Y/N] ";
const std::string kInAnnouncer = "Announcer Audio       [Y/N] ";
const std::string kInFocus = "Focusing              [Y/N] ";
const std::string kInPauseGame = "Pause After Each Game [Y/N] ";
const std::string kInPauseDate = "Pause After Each Date [Y/N] ";

char OrderLetter(char c) {
    const char u = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return u == 'Y' || u == 'C' || u == 'F' ? u : 'N';
}

}  // namespace

std::string NormalizationEntry(std::string_view typed) {
    std::string entry(trim(typed));
    for (char& c : entry) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return entry;
}

bool NormalizationEntryAccepted(std::string_view entry) {
    if (entry.empty() || entry == "H" || entry == "V" || entry == "B") return true;
    if (entry.size() != 5) return false;
    for (std::size_t i = 0; i < 4; ++i)
        if (!std::isdigit(static_cast<unsigned char>(entry[i]))) return false;
    return entry[4] >= 'A' && entry[4] <= 'Z';
}

void ManagerOptionsWindow(Console& console, ManagerOptions& o) {
    FormWindow form;
    form.title = "Manager Options and other Preferences";
    form.fields = {Label("Automatic Manager:"),
                   YesNoField(kManVisitor, o.computerManages[1]),
                   YesNoField(kManHome, o.computerManages[2]),
                   Label("Delay seconds:           "),
                   Label("[This determines how quickly the play-by-play progresses]"),
                   DelayField(kManDelay, o.delay),
                   YesNoField(kManSound, o.sound),
                   {kManPicture, FieldKind::Text, o.picture, 20, {}},
                   YesNoField(kManAnnouncer, o.announcer),
                   NormalizeField(kManNormalize, o.normalize),
                   YesNoField(kManFocus, o.focusing),
                   Label(""),
                   Label("Do not choose Delay = 0 UNLESS the computer is managing BOTH sides!")};
    RunForm(console, form, [&](int field, const std::string& value) {
        return CheckNormalization(form, field, value, kManNormalize);
    });
    o.computerManages[1] = IsYes(form, kManVisitor);
    o.computerManages[2] = IsYes(form, kManHome);
    o.delay = DigitOf(form, kManDelay, o.delay);
    o.sound = IsYes(form, kManSound) && o.delay > 0;
    o.picture = ValueOf(form, kManPicture).empty() ? "--NONE--" : ValueOf(form, kManPicture);
    o.announcer = IsYes(form, kManAnnouncer);
    o.normalize = NormalizationEntry(ValueOf(form, kManNormalize));
    o.focusing = IsYes(form, kManFocus);
}

void MoreSimulationOptionsWindow(Console& console, SimulationOptions& o) {
    FormWindow form;
    form.title = "More Simulation Options";
    form.fields = {NormalizeField(kSimNormalize, o.normalize),
                   YesNoField(kSimFocus, o.focusing),
                   YesNoField(kSimPauseGame, o.pauseAfterGame),
                   YesNoField(kSimPauseDate, o.pauseAfterDate),
                   DelayField(kSimDelay, o.delay),
                   YesNoField(kSimLineup, o.autoLineup),
                   {kSimOrder, FieldKind::Letters, std::string(1, o.battingOrder), 1, "YNCF"}};
    RunForm(console, form, [&](int field, const std::string& value) {
        return CheckNormalization(form, field, value, kSimNormalize);
    });
    o.normalize = NormalizationEntry(ValueOf(form, kSimNormalize));
    o.focusing = IsYes(form, kSimFocus);
    o.pauseAfterGame = IsYes(form, kSimPauseGame);
    o.pauseAfterDate = IsYes(form, kSimPauseDate);
    o.delay = DigitOf(form, kSimDelay, o.delay);
    o.autoLineup = IsYes(form, kSimLineup);
    o.battingOrder =
        OrderLetter(ValueOf(form, kSimOrder).empty() ? 'N' : ValueOf(form, kSimOrder)[0]);
}

void TwoTeamSettingsWindow(Console& console, TwoTeamSettings& s) {
    FormWindow form;
    form.title = "Two-Team Simulation";
    form.fields = {{kTwoGames, FieldKind::Text, std::to_string(s.games), 4, {}},
                   YesNoField(kTwoLineupV, s.autoLineup[1]),
                   YesNoField(kTwoLineupH, s.autoLineup[2]),
                   {kTwoOrderV, FieldKind::Letters, std::string(1, s.battingOrder[1]), 1, "YNCF"},
                   {kTwoOrderH, FieldKind::Letters, std::string(1, s.battingOrder[2]), 1, "YNCF"},
                   YesNoField(kTwoDh, s.designatedHitter),
                   YesNoField(kTwoRunner, s.automaticRunner),
                   YesNoField(kTwoSpot, s.spotStarters)};
    RunForm(console, form, [&](int field, const std::string& value) -> std::string {
        if (form.fields[static_cast<std::size_t>(field)].label != kTwoGames) return {};
        const bool digits =
            !value.empty() && value.find_first_not_of("0123456789") == std::string::npos;
        if (digits && std::stoi(value) >= 1) return {};
        return "Enter a number of games from 1 to " + std::to_string(kMaxTwoTeamGames);
    });
    s.games = std::stoi(ValueOf(form, kTwoGames));
    for (int t = 1; t <= 2; ++t) {
        const auto i = static_cast<std::size_t>(t);
        s.autoLineup[i] = IsYes(form, t == 1 ? kTwoLineupV : kTwoLineupH);
        const std::string& order = ValueOf(form, t == 1 ? kTwoOrderV : kTwoOrderH);
        s.battingOrder[i] = OrderLetter(order.empty() ? 'N' : order[0]);
    }
    s.designatedHitter = IsYes(form, kTwoDh);
    s.automaticRunner = IsYes(form, kTwoRunner);
    s.spotStarters = IsYes(form, kTwoSpot);
}

std::string InGameOptionsProblem(int colourScheme, int delay,
                                 const std::array<bool, 3>& computerManages) {
    if (colourScheme < 1 || colourScheme > 6) return std::string(kColourSchemeRefusal);
    if (delay == 0 && (!computerManages[1] || !computerManages[2]))
        return std::string(kDelayZeroRefusal);
    return {};
}

void SettleInGameOptions(InGameOptions& o) {
    if (o.quickPlay) o.delay = 0;
    if (o.delay == 0) o.sound = false;
}

InGameOptions InGameOptionsWindow(Console& console, const InGameOptions& current) {
    FormWindow form;
    form.title = "Options";
    form.fields = {
        YesNoField(kInQuick, current.quickPlay),
        Label("Auto Manager:               "),
        YesNoField(kInVisitor, current.computerManages[1]),
        YesNoField(kInHome, current.computerManages[2]),
        DelayField(kInDelay, current.delay),
        // Any digit may be typed: the range is checked on closing.
        {kInScheme, FieldKind::Digit, std::to_string(current.colourScheme), 1, "0123456789"},
        YesNoField(kInBackground, current.changeBackground),
        YesNoField(kInSound, current.sound),
        YesNoField(kInAnnouncer, current.announcer),
        YesNoField(kInFocus, current.focusing),
        YesNoField(kInPauseGame, current.pauseAfterGame),
        YesNoField(kInPauseDate, current.pauseAfterDate)};
    auto read = [&form, &current]() {
        InGameOptions o = current;
        o.quickPlay = IsYes(form, kInQuick);
        o.computerManages[1] = IsYes(form, kInVisitor);
        o.computerManages[2] = IsYes(form, kInHome);
        o.delay = DigitOf(form, kInDelay, current.delay);
        o.colourScheme = DigitOf(form, kInScheme, current.colourScheme);
        o.changeBackground = IsYes(form, kInBackground);
        o.sound = IsYes(form, kInSound);
        o.announcer = IsYes(form, kInAnnouncer);
        o.focusing = IsYes(form, kInFocus);
        o.pauseAfterGame = IsYes(form, kInPauseGame);
        o.pauseAfterDate = IsYes(form, kInPauseDate);
        return o;
    };
    RunForm(console, form, {}, [&](const std::vector<FormField>&) {
        const InGameOptions o = read();
        const std::string problem =
            InGameOptionsProblem(o.colourScheme, o.quickPlay ? 0 : o.delay, o.computerManages);
        if (problem.empty()) return FormProblem{};
        const std::string& field =
            problem == kColourSchemeRefusal ? kInScheme : (o.quickPlay ? kInQuick : kInDelay);
        return FormProblem{FieldIndex(form, field), problem};
    });
    InGameOptions o = read();
    SettleInGameOptions(o);
    return o;
}

}  // namespace vrk
