#pragma once
#include <functional>
#include <string>
#include <vector>

namespace vrk {

class Console;

// How a field takes what is typed. One-character kinds take a key at once
// (a refused key beeps and leaves the field as it was); text fields are
// typed out and checked when the user leaves them.
enum class FieldKind {
    Label,    // a line of text, not entered
    YesNo,    // "Y" or "N", typed in either case
    Letters,  // one of the letters of `allowed`, typed in either case
    Digit,    // one of the digits of `allowed`
    Text,     // up to `width` characters, stored upper-case
};

struct FormField {
    std::string label;
    FieldKind kind = FieldKind::Label;
    std::string value;
    int width = 1;
    std::string allowed;
};

struct FormWindow {
    std::string title;
    std::vector<FormField> fields;
    std::string footer = "ESC (or close window) to Continue";
    // A key (such as F3) that abandons the form at once, without checks.
    std::string abortKey;
};

// Checks a text field as the user leaves it: the message to show (for five
// seconds, then the field is entered again), or "" when the value stands.
using FieldCheck = std::function<std::string(int field, const std::string& value)>;

// Checks the whole form when the user closes it: the field to enter again
// and the message to show; field -1 when the form may close.
struct FormProblem {
    int field = -1;
    std::string message;
};
using FormCheck = std::function<FormProblem(const std::vector<FormField>&)>;

// Runs the form until ESC closes it with every check passed (Enter too when
// the form asks one thing). Up, Down, Tab, Shift-Tab and Enter move between
// the fields, a click enters the field clicked. Returns with the values in form.fields; false when
// the form's abort key ended it.
bool RunForm(Console& console, FormWindow& form, const FieldCheck& fieldCheck = {},
             const FormCheck& formCheck = {});

// The index of the field with this label, or -1.
int FieldIndex(const FormWindow& form, const std::string& label);

// A one-line question; returns true for "Y", false for "N" and the default
// for any other key or click. The screen under it is restored.
bool AskYesNo(Console& console, int row, int col, const std::string& question, bool defaultYes);

}  // namespace vrk
