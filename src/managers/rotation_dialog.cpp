#include "managers/rotation_dialog.h"

#include <cctype>

#include "managers/rotation.h"

namespace vrk {

namespace {

char Upper(char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

}  // namespace

bool AcceptRotationDialogField(int field, std::string_view value) {
    if (value.size() != 1) return false;
    char c = Upper(value[0]);
    switch (field) {
        case 1:
            return std::string_view("12345").find(c) != std::string_view::npos;
        case 2:
            return std::string_view("RS12345").find(c) != std::string_view::npos;
        case 3:
            return c == 'Y' || c == 'N';
        default:
            return false;
    }
}

void ApplyRotationDialog(const RotationDialogFields& fields, RotationDialogExit exit,
                         RotationSettings& settings) {
    if (exit == RotationDialogExit::Abort) return;
    if (AcceptRotationDialogField(1, fields.count) && AcceptRotationDialogField(2, fields.order)) {
        settings.defaultMethod = std::string(1, Upper(fields.order[0])) + fields.count[0];
    }
    if (AcceptRotationDialogField(3, fields.spot)) settings.spotStarters = Upper(fields.spot[0]);
}

}  // namespace vrk
