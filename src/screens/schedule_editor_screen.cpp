#include "screens/schedule_editor_screen.h"

#include <algorithm>
#include <cctype>

#include "core/text_fields.h"
#include "data/schedule_edit.h"
#include "presentation/console.h"
#include "presentation/console_keys.h"

namespace vrk {

namespace {

constexpr int kScreenAttribute = 7 + 16 * 1;
constexpr int kHeadingAttribute = 15 + 16 * 3;
constexpr int kLabelAttribute = 14 + 16 * 1;
constexpr int kValueAttribute = 0 + 16 * 7;
constexpr int kActiveAttribute = 15 + 16 * 4;
constexpr int kWarningAttribute = 14 + 16 * 1;
constexpr int kMessageAttribute = 15 + 16 * 4;

constexpr int kDateRow = 5;
constexpr int kDateCol = 28;
constexpr int kFirstGameRow = 7;
constexpr int kVisitorCol = 22;
constexpr int kHomeCol = 34;
constexpr int kOptionsCol = 43;
constexpr int kWarningRow = 22;
constexpr int kKeysRow = 23;
constexpr int kDoneRow = 24;

// Field 0 is the date; then three a game: visitor, home, options.
enum class Column { Visitor, Home, Options };

struct Editor {
    Console& console;
    ScheduleFile& file;
    const ScheduleEditorSetup& setup;
    std::vector<int> live;  // the records shown, in file order
    int at = 0;             // index into `live`
    int field = 0;
    bool fresh = true;  // the first key typed replaces the field's value
    bool changed = false;
    std::string warning;
    std::string typed;  // the field as typed: the record keeps no trailing blank

    int top() const { return playAreaTop(console.rows()); }
    int left() const { return playAreaLeft(console.cols()); }
    int record() const { return live[static_cast<std::size_t>(at)]; }
    int fields() const { return 1 + 3 * file.slotsPerRecord(); }
};

int SlotOf(int field) {
    return (field - 1) / 3 + 1;
}
Column ColumnOf(int field) {
    return static_cast<Column>((field - 1) % 3);
}
int FieldOf(int slot, Column column) {
    return 1 + 3 * (slot - 1) + static_cast<int>(column);
}

int FieldWidth(int field) {
    if (field == 0) return 8;
    return ColumnOf(field) == Column::Options ? static_cast<int>(kScheduleOptionsWidth)
                                              : static_cast<int>(kScheduleTeamWidth);
}

int FieldRow(int field) {
    return field == 0 ? kDateRow : kFirstGameRow + SlotOf(field) - 1;
}

int FieldCol(int field) {
    if (field == 0) return kDateCol;
    switch (ColumnOf(field)) {
        case Column::Visitor:
            return kVisitorCol;
        case Column::Home:
            return kHomeCol;
        default:
            return kOptionsCol;
    }
}

std::string FieldValue(const Editor& e, int field) {
    if (field == 0) return e.file.date(e.record());
    const ScheduleSlot s = e.file.slot(e.record(), SlotOf(field));
    switch (ColumnOf(field)) {
        case Column::Visitor:
            return s.visitor;
        case Column::Home:
            return s.home;
        default:
            return s.options;
    }
}

// What is being typed into the field: the record's value, with the blanks
// typed at its end when they are still the last thing typed there.
std::string Typed(const Editor& e) {
    const std::string stored = FieldValue(e, e.field);
    return trimRight(e.typed) == stored ? e.typed : stored;
}

void SetFieldValue(Editor& e, int field, const std::string& value) {
    if (field == 0) {
        SetRecordDate(e.file.record(e.record()), value);
        return;
    }
    ScheduleSlot s = e.file.slot(e.record(), SlotOf(field));
    switch (ColumnOf(field)) {
        case Column::Visitor:
            s.visitor = value;
            break;
        case Column::Home:
            s.home = value;
            break;
        default:
            s.options = value;
            break;
    }
    SetRecordSlot(e.file.record(e.record()), SlotOf(field), s);
}

bool BlankRecord(const ScheduleFile& file, int n) {
    if (!trim(file.date(n)).empty()) return false;
    for (int k = 1; k <= file.slotsPerRecord(); ++k) {
        const ScheduleSlot s = file.slot(n, k);
        if (!s.visitor.empty() || !s.home.empty() || !s.options.empty()) return false;
    }
    return true;
}

void Tell(Editor& e, const std::string& message) {
    e.console.showCursor(false);
    e.console.messageBox(e.top() + 10, e.left() + 14, message + "|   (any key)", kMessageAttribute);
}

bool Ask(Editor& e, const std::string& question) {
    e.console.showCursor(false);
    const std::string key =
        e.console.messageBox(e.top() + 10, e.left() + 28, question, kMessageAttribute);
    return key == "Y" || key == "y";
}

void Draw(Editor& e) {
    Console& c = e.console;
    const int t = e.top();
    const int l = e.left();
    c.fillArea(t + 1, l + 1, 24, 80, kScreenAttribute);
    c.fillArea(t + 1, l + 1, 1, 80, kHeadingAttribute);
    c.printAt(t + 1, l + 2, "Schedule Editor - " + e.setup.name, kHeadingAttribute);
    const std::string title = kScheduleEditorTitle;
    c.printAt(t + 2, l + 1 + (80 - static_cast<int>(title.size())) / 2, title, kLabelAttribute);
    c.printAt(t + 3, l + 22,
              "Date " + std::to_string(e.at + 1) + " of " + std::to_string(e.live.size()) +
                  (e.changed ? "   (changed)" : ""),
              kScreenAttribute);
    c.printAt(t + kDateRow, l + kDateCol - 6, "Date:", kLabelAttribute);
    c.printAt(t + kDateRow, l + kDateCol + 10, "[MM/DD/YY]", kScreenAttribute);
    c.printAt(t + kDateRow + 1, l + kVisitorCol, "Visitor", kLabelAttribute);
    c.printAt(t + kDateRow + 1, l + kHomeCol, "Home", kLabelAttribute);
    c.printAt(t + kDateRow + 1, l + kOptionsCol, "Options:", kLabelAttribute);
    for (int k = 1; k <= e.file.slotsPerRecord(); ++k) {
        const int row = t + kFirstGameRow + k - 1;
        const std::string number = std::to_string(k) + ".";
        c.printAt(row, l + kVisitorCol - 1 - static_cast<int>(number.size()), number,
                  kScreenAttribute);
        c.printAt(row, l + kVisitorCol + 9, "AT", kScreenAttribute);
    }
    for (int f = 0; f < e.fields(); ++f) {
        const auto width = static_cast<std::size_t>(FieldWidth(f));
        c.printAt(t + FieldRow(f), l + FieldCol(f), padRight(FieldValue(e, f), width),
                  f == e.field ? kActiveAttribute : kValueAttribute);
    }
    if (!e.warning.empty())
        c.printAt(t + kWarningRow, l + 2, e.warning.substr(0, 78), kWarningAttribute);
    c.printAt(t + kKeysRow, l + 2,
              "PgUp/PgDn:Date  Tab/Arrows:Field  Ins:Insert  Del:Delete  F2:Sort", kLabelAttribute);
    const std::string done = kScheduleEditorDone;
    c.printAt(t + kDoneRow, l + 1 + (80 - static_cast<int>(done.size())) / 2, done,
              kHeadingAttribute);
    const std::string value = Typed(e);
    c.setCursor(
        t + FieldRow(e.field),
        l + FieldCol(e.field) + std::min(static_cast<int>(value.size()), FieldWidth(e.field) - 1));
    c.showCursor(true);
}

// Tidies the field being left and checks it; false keeps the user in it.
bool LeaveField(Editor& e) {
    e.warning.clear();
    const int f = e.field;
    const std::string value = FieldValue(e, f);
    if (f == 0) {
        if (trim(value).empty()) return true;  // a blank date is caught with the record
        const auto date = NormalScheduleDate(value);
        if (!date) {
            Tell(e, ScheduleDateProblem(value));
            e.fresh = true;
            return false;
        }
        if (*date != value) SetFieldValue(e, f, *date);
        return true;
    }
    if (ColumnOf(f) == Column::Options) {
        ScheduleSlot s = e.file.slot(e.record(), SlotOf(f));
        if (trim(s.options).empty()) return true;
        s.visitor = "V";  // only the options are looked at here
        s.home = "H";
        const SlotFindings found = CheckScheduleSlot(s, {});
        if (!found.refused.empty()) {
            Tell(e, found.refused.front());
            e.fresh = true;
            return false;
        }
        if (!found.warnings.empty()) e.warning = found.warnings.front();
        return true;
    }
    const std::string name = NormalTeamName(value);
    if (const std::string problem = TeamNameProblem(name); !problem.empty()) {
        Tell(e, problem);
        e.fresh = true;
        return false;
    }
    if (name != value) SetFieldValue(e, f, name);
    if (!name.empty() && e.setup.teamExists && !e.setup.teamExists(name))
        e.warning = "Warning: there is no team file " + name + ".DAT in the data folder.";
    return true;
}

// The record being left must hold a date and whole games; a blank one may
// be left (it is dropped when saving).
bool LeaveRecord(Editor& e) {
    if (!LeaveField(e)) return false;
    const int n = e.record();
    if (BlankRecord(e.file, n)) return true;
    const std::string problem = ScheduleRecordProblem(e.file, n);
    if (problem.empty()) return true;
    Tell(e, problem);
    if (!NormalScheduleDate(e.file.date(n))) {
        e.field = 0;
    } else {
        for (int k = 1; k <= e.file.slotsPerRecord(); ++k) {
            if (!CheckScheduleSlot(e.file.slot(n, k), {}).refused.empty()) {
                e.field = FieldOf(k, Column::Visitor);
                break;
            }
        }
    }
    e.fresh = true;
    return false;
}

void MoveField(Editor& e, int target) {
    if (target == e.field || target < 0 || target >= e.fields()) return;
    if (!LeaveField(e)) return;
    e.field = target;
    e.fresh = true;
}

void GoToRecord(Editor& e, int index) {
    if (index == e.at || !LeaveRecord(e)) return;
    if (index < 0 || index >= static_cast<int>(e.live.size())) {
        e.console.beep();
        return;
    }
    e.at = index;
    e.field = 0;
    e.fresh = true;
}

void Reload(Editor& e, int keepRecord) {
    e.live = LiveScheduleRecords(e.file);
    if (e.live.empty()) {
        InsertScheduleRecord(e.file, e.file.recordCount());
        e.live = LiveScheduleRecords(e.file);
    }
    const auto found = std::find(e.live.begin(), e.live.end(), keepRecord);
    e.at = found != e.live.end() ? static_cast<int>(found - e.live.begin())
                                 : std::clamp(e.at, 0, static_cast<int>(e.live.size()) - 1);
}

void Insert(Editor& e) {
    if (e.field == 0) {
        if (!LeaveRecord(e)) return;
        const int added = InsertScheduleRecord(e.file, e.record());
        e.changed = true;
        Reload(e, added);
        e.fresh = true;
        return;
    }
    if (!LeaveField(e)) return;
    if (!InsertScheduleSlot(e.file, e.record(), SlotOf(e.field))) {
        Tell(e, "** All " + std::to_string(e.file.slotsPerRecord()) +
                    " games of this date are taken: Ins on the date adds a date **");
        return;
    }
    e.changed = true;
    e.field = FieldOf(SlotOf(e.field), Column::Visitor);
    e.fresh = true;
}

void Delete(Editor& e) {
    if (!Ask(e, kScheduleEditorSure)) return;
    e.changed = true;
    e.fresh = true;
    if (e.field == 0) {
        DeleteScheduleRecord(e.file, e.record());
        const int next = e.at;
        Reload(e, -1);
        e.at = std::clamp(next, 0, static_cast<int>(e.live.size()) - 1);
        return;
    }
    RemoveScheduleSlot(e.file, e.record(), SlotOf(e.field));
}

void Sort(Editor& e) {
    if (!LeaveRecord(e)) return;
    const std::vector<int> moved = SortScheduleByDate(e.file);
    e.changed = true;
    Reload(e, moved[static_cast<std::size_t>(e.record())]);
}

void Type(Editor& e, char c) {
    std::string value = e.fresh ? std::string() : Typed(e);
    e.fresh = false;
    if (static_cast<int>(value.size()) >= FieldWidth(e.field)) {
        e.console.beep();
        return;
    }
    // Team names are file names, kept in capitals; options keep their case.
    const bool options = e.field != 0 && ColumnOf(e.field) == Column::Options;
    value += options ? c : upperChar(c);
    e.typed = value;
    SetFieldValue(e, e.field, value);
    e.changed = true;
}

void Backspace(Editor& e) {
    std::string value = e.fresh ? FieldValue(e, e.field) : Typed(e);
    e.fresh = false;
    if (value.empty()) return;
    value.pop_back();
    e.typed = value;
    SetFieldValue(e, e.field, value);
    e.changed = true;
}

int Vertical(const Editor& e, int step) {
    if (e.field == 0) return step > 0 ? FieldOf(1, Column::Visitor) : -1;
    const int slot = SlotOf(e.field) + step;
    if (slot < 1) return 0;
    if (slot > e.file.slotsPerRecord()) return -1;
    return FieldOf(slot, ColumnOf(e.field));
}

void Click(Editor& e, const MouseEvent& mouse) {
    if (mouse.kind != MouseKind::LeftClick && mouse.kind != MouseKind::DoubleClick) return;
    for (int f = 0; f < e.fields(); ++f) {
        const int col = e.left() + FieldCol(f);
        if (mouse.row == e.top() + FieldRow(f) && mouse.col >= col &&
            mouse.col < col + FieldWidth(f)) {
            MoveField(e, f);
            return;
        }
    }
}

// ESC: true when the editor may close (saved, or the changes let go).
bool Finish(Editor& e, bool& saved) {
    if (!LeaveField(e)) return false;
    if (!e.changed) return true;
    e.console.showCursor(false);
    const std::string key = e.console.messageBox(
        e.top() + 10, e.left() + 14,
        " Save the changes to " + e.setup.name + "? [Y/n]| (ESC: go on editing) ",
        kMessageAttribute);
    if (key == kKeyEscape) return false;
    if (key == "N" || key == "n") return true;
    const int current = e.record();
    DeleteBlankScheduleRecords(e.file);
    Reload(e, current);
    for (std::size_t i = 0; i < e.live.size(); ++i) {
        if (ScheduleRecordProblem(e.file, e.live[i]).empty()) continue;
        e.at = static_cast<int>(i);
        e.field = 0;
        LeaveRecord(e);  // tells the problem and goes to its field
        return false;
    }
    if (const auto problem = SaveEditedSchedule(e.setup.path, e.file)) {
        Tell(e, "The schedule was not saved: " + *problem);
        return false;
    }
    saved = true;
    return true;
}

}  // namespace

bool RunScheduleEditor(Console& console, ScheduleFile& file, const ScheduleEditorSetup& setup) {
    if (file.slotsPerRecord() == 0 || file.recordCount() < 1) return false;
    Editor e{console, file, setup, {}, 0, 0, true, false, {}, {}};
    Reload(e, -1);
    console.pushScreen();
    bool saved = false;
    while (true) {
        Draw(e);
        const std::string key = console.waitKey();
        if (key == kKeyEscape) {
            if (Finish(e, saved)) break;
            continue;
        }
        if (const auto mouse = parseMouseCode(key)) {
            Click(e, *mouse);
            continue;
        }
        switch (scanCodeOf(key)) {
            case kScanPgDn:
                GoToRecord(e, e.at + 1);
                continue;
            case kScanPgUp:
                GoToRecord(e, e.at - 1);
                continue;
            case kScanHome:
                GoToRecord(e, 0);
                continue;
            case kScanEnd:
                GoToRecord(e, static_cast<int>(e.live.size()) - 1);
                continue;
            case kScanUp:
                MoveField(e, Vertical(e, -1));
                continue;
            case kScanDown:
                MoveField(e, Vertical(e, 1));
                continue;
            case kScanLeft:
            case kScanShiftTab:
                MoveField(e, (e.field + e.fields() - 1) % e.fields());
                continue;
            case kScanRight:
                MoveField(e, (e.field + 1) % e.fields());
                continue;
            case kScanIns:
                Insert(e);
                continue;
            case kScanDel:
                Delete(e);
                continue;
            case kScanF1 + 1:  // F2
                Sort(e);
                continue;
            default:
                break;
        }
        if (key == kKeyTab || key == kKeyEnter) {
            MoveField(e, (e.field + 1) % e.fields());
        } else if (key == kKeyBackspace) {
            Backspace(e);
        } else if (key.size() == 1 && static_cast<unsigned char>(key[0]) >= 32 &&
                   static_cast<unsigned char>(key[0]) < 127) {
            Type(e, key[0]);
        }
    }
    console.showCursor(false);
    console.popScreen();
    return saved;
}

}  // namespace vrk
