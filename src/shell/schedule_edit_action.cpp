#include "shell/schedule_edit_action.h"

#include <cctype>
#include <filesystem>

#include "core/paths.h"
#include "core/text_fields.h"
#include "data/schedule_edit.h"
#include "screens/form_screen.h"
#include "screens/schedule_editor_screen.h"
#include "shell/file_actions.h"

namespace vrk {

namespace {

constexpr const char* kProtected =
    " Schedule files are protected (PROTECT-SCH); they cannot be edited. ";

ScheduleEditorSetup SetupFor(const std::string& path) {
    const std::string folder = std::filesystem::path(path).parent_path().string();
    return {path, fileNamePart(path),
            [folder](const std::string& team) { return fileExists(folder, team + ".DAT"); }};
}

// "" when left blank; the name is cut before its first "." like every
// file name typed.
std::string AskNewName(Console& console) {
    FormWindow form;
    form.title = "New Schedule File";
    form.fields = {{"Enter filename of NEW Schedule File: ", FieldKind::Text, "", 8, ""}};
    form.footer = "ESC:Continue";
    RunForm(console, form, [](int, const std::string& value) -> std::string {
        const std::string name = value.substr(0, value.find('.'));
        for (char c : name)
            if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_' && c != '-')
                return "** Letters and digits only **";
        return "";
    });
    const std::string name = std::string(trim(form.fields[0].value));
    return upperCase(name.substr(0, name.find('.')));
}

}  // namespace

void editScheduleFile(Console& console, Session& session, const std::string& path) {
    if (session.config.protectSch) {
        tellUser(console, session, kProtected);
        return;
    }
    auto file = ReadScheduleFile(path);
    if (!file) {
        tellUser(console, session, " " + fileNamePart(path) + " cannot be read. ");
        return;
    }
    if (file->bytes.empty()) {
        *file = NewScheduleFile();
    } else if (file->slotsPerRecord() == 0) {
        tellUser(console, session,
                 " " + fileNamePart(path) +
                     " is not a schedule: its size is no whole number of records.| "
                     "It is left as it is. ");
        return;
    }
    RunScheduleEditor(console, *file, SetupFor(path));
}

void newScheduleFile(Console& console, Session& session, const std::string& folder) {
    if (session.config.protectSch) {
        tellUser(console, session, kProtected);
        return;
    }
    const std::string name = AskNewName(console);
    if (name.empty()) return;
    const std::string path = joinPath(folder, name + ".SCH");
    if (findFile(folder, name + ".SCH")) {
        tellUser(console, session, " " + name + ".SCH already exists: E edits it. ");
        return;
    }
    ScheduleFile file = NewScheduleFile();
    RunScheduleEditor(console, file, SetupFor(path));
}

}  // namespace vrk
