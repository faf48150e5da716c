#include "screens/form_screen.h"

#include <algorithm>
#include <cctype>

#include "core/text_fields.h"
#include "presentation/console.h"
#include "presentation/console_keys.h"

namespace vrk {

namespace {

constexpr int kWindowAttribute = 15 + 16 * 1;
constexpr int kTitleAttribute = 14 + 16 * 1;
constexpr int kLabelAttribute = 7 + 16 * 1;
constexpr int kValueAttribute = 0 + 16 * 7;
constexpr int kActiveAttribute = 15 + 16 * 4;
constexpr int kMessageAttribute = 15 + 16 * 4;

struct Layout {
    int top, left, width, labelWidth;
    int fieldRow(int i) const { return top + 3 + i; }
    int valueCol() const { return left + 3 + labelWidth; }
};

bool Editable(const FormField& f) {
    return f.kind != FieldKind::Label;
}

Layout LayoutFor(const Console& console, const FormWindow& form) {
    std::size_t labels = 0, widest = std::max(form.title.size(), form.footer.size());
    for (const FormField& f : form.fields) {
        if (Editable(f)) {
            labels = std::max(labels, f.label.size());
            widest = std::max(widest, f.label.size() + static_cast<std::size_t>(f.width) + 1);
        } else {
            widest = std::max(widest, f.label.size());
        }
    }
    const int width = std::min(static_cast<int>(widest) + 4, console.cols());
    const int height = static_cast<int>(form.fields.size()) + 6;
    const int top = std::max(1, playAreaTop(console.rows()) + 1 + std::max(0, (24 - height) / 2));
    const int left = std::max(1, playAreaLeft(console.cols()) + 1 + std::max(0, (80 - width) / 2));
    return {top, left, width, static_cast<int>(labels)};
}

void Draw(Console& console, const FormWindow& form, const Layout& at, int active) {
    const int height = static_cast<int>(form.fields.size()) + 6;
    console.fillArea(at.top, at.left, height, at.width, kWindowAttribute);
    console.drawFrame(at.top, at.left, height, at.width, FrameStyle::Double, kWindowAttribute);
    console.printAt(at.top + 1, at.left + (at.width - static_cast<int>(form.title.size())) / 2,
                    form.title, kTitleAttribute);
    console.drawFrameRule(at.top + 2, at.left, at.width, FrameStyle::Double, kWindowAttribute);
    for (std::size_t i = 0; i < form.fields.size(); ++i) {
        const FormField& f = form.fields[i];
        const int row = at.fieldRow(static_cast<int>(i));
        console.printAt(row, at.left + 2, f.label, kLabelAttribute);
        if (!Editable(f)) continue;
        console.printAt(row, at.valueCol(), padRight(f.value, static_cast<std::size_t>(f.width)),
                        static_cast<int>(i) == active ? kActiveAttribute : kValueAttribute);
    }
    console.drawFrameRule(at.top + height - 3, at.left, at.width, FrameStyle::Double,
                          kWindowAttribute);
    console.printAt(at.top + height - 2,
                    at.left + (at.width - static_cast<int>(form.footer.size())) / 2, form.footer,
                    kTitleAttribute);
    if (active >= 0) {
        const FormField& f = form.fields[static_cast<std::size_t>(active)];
        const int col = at.valueCol() + std::min(static_cast<int>(f.value.size()), f.width - 1);
        console.setCursor(at.fieldRow(active), col);
        console.showCursor(true);
    }
}

int NextField(const FormWindow& form, int from, int step) {
    const int n = static_cast<int>(form.fields.size());
    for (int k = 1; k <= n; ++k) {
        const int i = ((from + step * k) % n + n) % n;
        if (Editable(form.fields[static_cast<std::size_t>(i)])) return i;
    }
    return -1;
}

char Upper(char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

// A one-character field takes the key when it is one the field allows.
bool TakeKey(FormField& f, char c) {
    const char u = Upper(c);
    switch (f.kind) {
        case FieldKind::YesNo:
            if (u != 'Y' && u != 'N') return false;
            break;
        case FieldKind::Letters:
        case FieldKind::Digit:
            if (f.allowed.find(u) == std::string::npos) return false;
            break;
        default:
            return false;
    }
    f.value = std::string(1, u);
    return true;
}

void ShowMessage(Console& console, const Layout& at, const std::string& message) {
    console.showCursor(false);
    console.messageBox(at.top + 2, at.left + 2, message, kMessageAttribute, 5);
}

}  // namespace

int FieldIndex(const FormWindow& form, const std::string& label) {
    for (std::size_t i = 0; i < form.fields.size(); ++i)
        if (form.fields[i].label == label) return static_cast<int>(i);
    return -1;
}

bool RunForm(Console& console, FormWindow& form, const FieldCheck& fieldCheck,
             const FormCheck& formCheck) {
    const Layout at = LayoutFor(console, form);
    int active = NextField(form, -1, 1);
    bool fresh = true;  // the first key typed into a text field replaces its value
    console.pushScreen();

    // Leaving a text field checks it; a refused value keeps the user there.
    auto mayLeave = [&](int field) {
        if (field < 0 || !fieldCheck) return true;
        FormField& f = form.fields[static_cast<std::size_t>(field)];
        if (f.kind != FieldKind::Text) return true;
        f.value = std::string(trim(f.value));
        const std::string message = fieldCheck(field, f.value);
        if (message.empty()) return true;
        ShowMessage(console, at, message);
        fresh = true;
        return false;
    };
    auto moveTo = [&](int target) {
        if (target < 0 || target == active) return;
        if (!mayLeave(active)) return;
        active = target;
        fresh = true;
    };

    // A one-question form (a new file's name) is answered with Enter, as a user
    // expects; with several fields Enter moves on and ESC closes.
    const bool singleQuestion = active >= 0 && NextField(form, active, 1) == active;

    bool aborted = false;
    while (true) {
        Draw(console, form, at, active);
        const std::string key = console.waitKey();
        if (!form.abortKey.empty() && key == form.abortKey) {
            aborted = true;
            break;
        }
        if (key == kKeyEscape || (singleQuestion && key == kKeyEnter)) {
            if (!mayLeave(active)) continue;
            const FormProblem problem = formCheck ? formCheck(form.fields) : FormProblem{};
            if (problem.field < 0) break;
            ShowMessage(console, at, problem.message);
            active = problem.field;
            fresh = true;
            continue;
        }
        if (active < 0) continue;
        FormField& f = form.fields[static_cast<std::size_t>(active)];
        if (const auto mouse = parseMouseCode(key)) {
            const int index = mouse->row - at.fieldRow(0);
            if (index >= 0 && index < static_cast<int>(form.fields.size()) &&
                Editable(form.fields[static_cast<std::size_t>(index)]) && mouse->col > at.left &&
                mouse->col < at.left + at.width - 1) {
                moveTo(index);
            }
            continue;
        }
        const int scan = scanCodeOf(key);
        if (scan == kScanUp || scan == kScanShiftTab) {
            moveTo(NextField(form, active, -1));
        } else if (scan == kScanDown || key == kKeyTab || key == kKeyEnter) {
            moveTo(NextField(form, active, 1));
        } else if (key == kKeyBackspace) {
            if (f.kind == FieldKind::Text && !f.value.empty()) f.value.pop_back();
            fresh = false;
        } else if (key.size() == 1 && static_cast<unsigned char>(key[0]) >= 32) {
            if (f.kind == FieldKind::Text) {
                if (fresh) f.value.clear();
                fresh = false;
                if (static_cast<int>(f.value.size()) < f.width) {
                    f.value += Upper(key[0]);
                } else {
                    console.beep();
                }
            } else if (TakeKey(f, key[0])) {
                moveTo(NextField(form, active, 1));
            } else {
                console.beep();
            }
        }
    }
    console.showCursor(false);
    console.popScreen();
    return !aborted;
}

bool AskYesNo(Console& console, int row, int col, const std::string& question, bool defaultYes) {
    const std::string key = console.messageBox(row, col, question, kMessageAttribute);
    if (key == "Y" || key == "y") return true;
    if (key == "N" || key == "n") return false;
    return defaultYes;
}

}  // namespace vrk
