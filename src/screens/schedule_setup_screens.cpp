#include "screens/schedule_setup_screens.h"

#include <algorithm>
#include <cctype>

#include "core/text_fields.h"
#include "presentation/console.h"
#include "presentation/console_keys.h"
#include "screens/form_screen.h"
#include "screens/list_screen.h"

namespace vrk {

namespace {

constexpr int kQuestionAttribute = 15 + 16 * 1;
constexpr const char* kNewSetLine = "<New statistics file>";

bool ValidDate(const std::string& d) {
    if (d.empty()) return true;
    if (d.size() != 8 || d[2] != '/' || d[5] != '/') return false;
    for (int i : {0, 1, 3, 4, 6, 7})
        if (!std::isdigit(static_cast<unsigned char>(d[static_cast<std::size_t>(i)]))) return false;
    const int month = std::stoi(d.substr(0, 2));
    const int day = std::stoi(d.substr(3, 2));
    return month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

}  // namespace

const std::vector<std::string>& ScheduleFilesHelp() {
    static const std::vector<std::string> help = {
        "   SCH files are a database of games played by date. You can ",
        "stop a replay at any time and go on later: start it again with the",
        "same stat file. In the Options column /vm:+ /hm:+ put the visitors or",
        "home team under your control, /vm:- /hm:- hand them back."};
    return help;
}

const std::vector<std::string>& SeriesFilesHelp() {
    static const std::vector<std::string> help = {
        "   SER files are just a simple text listing of games to be   ",
        "played in order; a series cannot be restarted once stopped.",
        "Each line: /V: the visitors, /H: the home team, /n: the number of",
        "games, e.g.  /V:CAMHAVEN /H:FELVORA /N:3"};
    return help;
}

const std::vector<std::string>& StatisticsFilesHelp() {
    static const std::vector<std::string> help = {
        "   These are the statistics files that have been specified by",
        "the games and replays played so far (each name stands for its .STS,",
        ".STB, .STP, .STF and .STH files). DEL deletes a whole set, with the",
        "restart files of a schedule replay kept with it."};
    return help;
}

char AskRuleLetter(Console& console, const std::string& question, const std::string& answers,
                   const std::string& letters) {
    const int width = static_cast<int>(std::max(question.size(), answers.size())) + 4;
    const int top = playAreaTop(console.rows()) + 10;
    const int left = playAreaLeft(console.cols()) + 1 + (80 - width) / 2;
    console.pushScreen();
    console.fillArea(top, left, 4, width, kQuestionAttribute);
    console.drawFrame(top, left, 4, width, FrameStyle::Double, kQuestionAttribute);
    console.printAt(top + 1, left + 2, question, kQuestionAttribute);
    console.printAt(top + 2, left + 2, answers, kQuestionAttribute);
    char answer = 0;
    while (answer == 0) {
        const std::string key = console.waitKey();
        if (key.size() != 1) continue;
        const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(key[0])));
        if (letters.find(c) != std::string::npos) answer = c;
    }
    console.popScreen();
    return answer;
}

std::string AskDesignatedHitterRule(Console& console) {
    return std::string(1,
                       AskRuleLetter(console, " Use Designated Hitter? ",
                                     " [H]ome Team Rules  [A]lways  [E]ither  [N]ever ", "HAEYN"));
}

std::string AskAutomaticRunnerRule(Console& console) {
    return std::string(1, AskRuleLetter(console, " Use Automatic Runner in extra innings? ",
                                        " [H]ome Team Rules  [Y]es  [N]o ", "HYN"));
}

std::string AskStatsSetName(Console& console, const std::string& title,
                            const std::string& suggested) {
    FormWindow form;
    form.title = title;
    form.fields = {{"Statistics file name:", FieldKind::Text, upperCase(suggested), 8, ""}};
    form.footer = "ESC:Continue";
    RunForm(console, form, [](int, const std::string& value) -> std::string {
        for (char c : value)
            if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_' && c != '-')
                return "** Letters and digits only **";
        return "";
    });
    return std::string(trim(form.fields[0].value));
}

std::string ChooseScheduleStatsSet(Console& console, const std::string& schedulePath,
                                   const std::string& suggested, bool protect) {
    int highlight = 0;
    while (true) {
        std::vector<std::string> lines;
        if (const auto file = ReadScheduleFile(schedulePath)) {
            for (const std::string& name : ScheduleStatsSlots(*file))
                if (!name.empty()) lines.push_back(name);
        }
        lines.emplace_back(kNewSetLine);
        ListWindow list;
        list.title = "Stat Files for this .SCH";
        list.prompt = "Dbl-click selection or ENTER";
        list.lines = lines;
        list.footer = "F10:Reset  ESC:None";
        list.keys = {std::string(kKeyF10)};
        list.width = 40;
        const ListResult r = RunListWindow(console, list, highlight);
        if (r.end == ListEnd::Escape) return "";
        const std::string& line = lines[static_cast<std::size_t>(r.index)];
        if (r.end == ListEnd::Key) {
            if (line != kNewSetLine && !protect)
                (void)LinkStatsSetInFile(schedulePath, line, StatsLink::Remove, protect);
            continue;
        }
        if (line != kNewSetLine) return line;
        const std::string name = AskStatsSetName(console, "New Stat File", suggested);
        if (!name.empty()) return name;
    }
}

std::optional<ScheduleFilter> RunScheduleFilterWindow(Console& console, const ScheduleFile& file) {
    FormWindow form;
    form.title = "Schedule Filter";
    form.fields = {{"[Leave Blank for All Games]", FieldKind::Label, "", 1, ""},
                   {"Single League [A/N]   :", FieldKind::Text, "", 1, ""},
                   {"Single Team [filename]:", FieldKind::Text, "", 8, ""},
                   {"Date Range  [MM/DD/YY]:", FieldKind::Text, "", 8, ""},
                   {"                     -:", FieldKind::Text, "", 8, ""}};
    form.footer = "ESC:Continue  F3:Abort";
    form.abortKey = std::string(kKeyF3);
    const auto filterOf = [](const std::vector<FormField>& f) {
        return ScheduleFilter{std::string(trim(f[1].value)), std::string(trim(f[2].value)),
                              std::string(trim(f[3].value)), std::string(trim(f[4].value))};
    };
    ScheduleFilter filter;
    const bool kept = RunForm(
        console, form,
        [](int field, const std::string& value) -> std::string {
            if (field >= 3 && !ValidDate(std::string(trim(value))))
                return std::string(kFilterDateMessage);
            return "";
        },
        [&](const std::vector<FormField>& f) -> FormProblem {
            filter = filterOf(f);
            if (const auto problem = PrepareFilter(filter, file))
                return {*problem == kFilterTeamMessage ? 2 : 3, *problem};
            return {};
        });
    if (!kept) return std::nullopt;
    return filter;
}

}  // namespace vrk
