#include "data/option_string.h"

#include <algorithm>
#include <limits>

#include "core/paths.h"
#include "core/text_fields.h"

namespace vrk {

namespace {

constexpr std::size_t kTokenLength = 25;

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

OptionToken finishToken(std::string_view raw) {
    const std::string_view cut = trimRight(raw.substr(0, kTokenLength));
    return {upperCase(cut), std::string(cut)};
}

std::string beforeFirstDot(std::string_view value) {
    return std::string(value.substr(0, value.find('.')));
}

std::string teamFileName(std::string_view value) {
    return beforeFirstDot(value).substr(0, 8);
}

std::string withSeparator(std::string_view value) {
    std::string out = normalizeSeparators(value);
    if (!out.empty() && out.back() != '/' && out.back() != '\\') out += '/';
    return out;
}

int boundedNumber(std::string_view text, int lo, int hi) {
    const double v = numericPrefix(text, false);
    return static_cast<int>(std::clamp(v, static_cast<double>(lo), static_cast<double>(hi)));
}

std::uint64_t seedNumber(std::string_view text) {
    std::uint64_t value = 0;
    constexpr auto kMax = std::numeric_limits<std::uint64_t>::max();
    for (char c : text) {
        if (c < '0' || c > '9') break;
        const auto digit = static_cast<std::uint64_t>(c - '0');
        if (value > (kMax - digit) / 10) return kMax;
        value = value * 10 + digit;
    }
    return value;
}

std::string yesOrNo(std::string_view value) {
    return value == "Y" ? "Y" : "N";
}

// A date written with "-" or "." between its parts, as the schedule keeps it.
std::string slashDate(std::string_view value) {
    std::string date(value);
    for (char& c : date)
        if (c == '-' || c == '.') c = '/';
    return date;
}

bool isOrderMethod(std::string_view value) {
    return value == "Y" || value == "C" || value == "F";
}

// A one-letter setting built by count and letter: assigning a short text of
// known length makes GCC 12 at -O3 warn of a false overlap (-Wrestrict).
std::string letter(char c) {
    return std::string(1, c);
}

// What a matched option hands to its setter: the value in capitals, and in
// the user's case for folders.
struct OptionValue {
    std::string_view text;
    std::string_view raw;
};

using Setter = void (*)(RunSettings&, const OptionValue&);

struct OptionRule {
    std::string_view name;  // with its ":" when it takes a value
    std::string_view bare;  // the bare form, or empty
    Setter apply;
};

// Tested in this order for every token.
const OptionRule kRules[] = {
    {"/P:", "", [](RunSettings& s, const OptionValue& v) { s.dataPath = withSeparator(v.raw); }},
    {"/PW:", "", [](RunSettings& s, const OptionValue& v) { s.writePath = withSeparator(v.raw); }},
    {"/V:", "", [](RunSettings& s, const OptionValue& v) { s.visitor = teamFileName(v.text); }},
    {"/H:", "", [](RunSettings& s, const OptionValue& v) { s.home = teamFileName(v.text); }},
    {"/N:", "",
     [](RunSettings& s, const OptionValue& v) { s.games = boundedNumber(v.text, 0, 1000000); }},
    {"/SCH:", "",
     [](RunSettings& s, const OptionValue& v) {
         const std::string name = beforeFirstDot(v.text);
         if (name.empty()) return;
         s.scheduleName = name + ".SCH";
         s.schedulePlay = true;
     }},
    {"/SER:", "",
     [](RunSettings& s, const OptionValue& v) {
         const std::string name = beforeFirstDot(v.text);
         if (name.empty()) return;
         s.seriesName = name + ".SER";
         s.seriesPlay = true;
     }},
    {"/ST:", "", [](RunSettings& s, const OptionValue& v) { s.statsSet = beforeFirstDot(v.text); }},
    {"/STB:", "", [](RunSettings& s, const OptionValue& v) { s.vazaZevFile = v.text; }},
    {"/BX:", "", [](RunSettings& s, const OptionValue& v) { s.boxScoreFile = v.text; }},
    {"/SC:", "", [](RunSettings& s, const OptionValue& v) { s.scoreCardFile = v.text; }},
    {"/LS:", "", [](RunSettings& s, const OptionValue& v) { s.lineScoreFile = v.text; }},
    {"/SP:", "",
     [](RunSettings& s, const OptionValue& v) {
         s.rotationMethod = v.text.empty() ? "S5" : std::string(v.text);
     }},
    {"/VP:", "", [](RunSettings& s, const OptionValue& v) { s.teamRotation[1] = v.text; }},
    {"/HP:", "", [](RunSettings& s, const OptionValue& v) { s.teamRotation[2] = v.text; }},
    {"/AUL:", "/AUL",
     [](RunSettings& s, const OptionValue& v) { s.autoLineup[1] = s.autoLineup[2] = v.text; }},
    {"/AL:", "/AL",
     [](RunSettings& s, const OptionValue& v) { s.autoLineup[1] = s.autoLineup[2] = v.text; }},
    {"/VAL:", "/VAL", [](RunSettings& s, const OptionValue& v) { s.autoLineup[1] = v.text; }},
    {"/HAL:", "/HAL", [](RunSettings& s, const OptionValue& v) { s.autoLineup[2] = v.text; }},
    {"/ABO:", "/ABO",
     [](RunSettings& s, const OptionValue& v) {
         if (isOrderMethod(v.text)) s.battingOrder[1] = s.battingOrder[2] = letter(v.text[0]);
     }},
    {"/VBO:", "/VBO",
     [](RunSettings& s, const OptionValue& v) {
         if (isOrderMethod(v.text)) s.battingOrder[1] = letter(v.text[0]);
     }},
    {"/HBO:", "/HBO",
     [](RunSettings& s, const OptionValue& v) {
         if (isOrderMethod(v.text)) s.battingOrder[2] = letter(v.text[0]);
     }},
    {"/FOC:", "/FOC", [](RunSettings& s, const OptionValue& v) { s.regressionOption = v.text; }},
    {"/SPT:", "/SPT", [](RunSettings& s, const OptionValue& v) { s.spotStarters = v.text; }},
    {"/VSPT:", "/VSPT",
     [](RunSettings& s, const OptionValue& v) { s.teamSpotStarters[1] = v.text; }},
    {"/HSPT:", "/HSPT",
     [](RunSettings& s, const OptionValue& v) { s.teamSpotStarters[2] = v.text; }},
    {"/VAM:", "/VAM", [](RunSettings& s, const OptionValue& v) { s.autoManager[1] = v.text; }},
    {"/HAM:", "/HAM", [](RunSettings& s, const OptionValue& v) { s.autoManager[2] = v.text; }},
    {"/VM:", "", [](RunSettings& s, const OptionValue& v) { s.manualControl[1] = v.text; }},
    {"/HM:", "", [](RunSettings& s, const OptionValue& v) { s.manualControl[2] = v.text; }},
    {"/DH:", "/DH", [](RunSettings& s, const OptionValue& v) { s.dhRule = v.text; }},
    {"/DEL:", "",
     [](RunSettings& s, const OptionValue& v) {
         // Beyond 7 the waits would run to minutes per play.
         s.delay = boundedNumber(v.text, 0, 7);
         s.delaySet = true;
     }},
    {"/C:", "/C", [](RunSettings& s, const OptionValue& v) { s.fireworksColor = v.text; }},
    {"/S:", "/S", [](RunSettings& s, const OptionValue& v) { s.sound = yesOrNo(v.text); }},
    {"/PG:", "/PG",
     [](RunSettings& s, const OptionValue& v) { s.saveEveryGame = yesOrNo(v.text); }},
    {"/PD:", "/PD", [](RunSettings& s, const OptionValue& v) { s.saveEachDate = yesOrNo(v.text); }},
    {"/ERA:", "", [](RunSettings& s, const OptionValue& v) { s.normalizeMode = v.text; }},
    {"", "/DEBUG", [](RunSettings& s, const OptionValue&) { s.debug = letter('Y'); }},
    {"", "/NOOPT", [](RunSettings& s, const OptionValue&) { s.noOptions = letter('Y'); }},
    {"/CC:", "",
     [](RunSettings& s, const OptionValue& v) {
         const int n = boundedNumber(v.text, -1, 1000);
         if (n >= 1 && n <= 199) s.consoleCols = n;
     }},
    {"/CR:", "",
     [](RunSettings& s, const OptionValue& v) {
         const int n = boundedNumber(v.text, -1, 1000);
         if (n >= 1 && n <= 99) s.consoleRows = n;
     }},
    {"/X:", "/X", [](RunSettings& s, const OptionValue& v) { s.quiet = v.text; }},
    {"/T:", "/T",
     [](RunSettings& s, const OptionValue& v) {
         const char c = v.text.empty() ? ' ' : v.text.front();
         if (c == 'Y') {
             s.homeFieldFactor = 3;
         } else if (c == 'N') {
             s.homeFieldFactor = 0;
         } else {
             s.homeFieldFactor = std::clamp(numericPrefix(v.text, true), -1e6, 1e6);
         }
         s.homeFieldFactorSet = true;
     }},
    {"/SEED:", "", [](RunSettings& s, const OptionValue& v) { s.seed = seedNumber(v.text); }},
    {"/REPEAT:", "", [](RunSettings& s, const OptionValue& v) { s.repeat = v.text; }},
    {"/JOBS:", "", [](RunSettings& s, const OptionValue& v) { s.jobs = v.text; }},
    {"/LEAGUE:", "", [](RunSettings& s, const OptionValue& v) { s.filterLeague = v.text; }},
    {"/TEAM:", "",
     [](RunSettings& s, const OptionValue& v) { s.filterTeam = teamFileName(v.text); }},
    {"/FROM:", "", [](RunSettings& s, const OptionValue& v) { s.filterFrom = slashDate(v.text); }},
    {"/TO:", "", [](RunSettings& s, const OptionValue& v) { s.filterTo = slashDate(v.text); }},
};

void applyToken(const OptionToken& token, RunSettings& settings) {
    const std::string_view text = token.text;
    for (const OptionRule& rule : kRules) {
        if (!rule.bare.empty() && text == rule.bare) {
            rule.apply(settings, {"Y", "Y"});
        } else if (!rule.name.empty() && text.starts_with(rule.name)) {
            const std::size_t n = rule.name.size();
            rule.apply(settings, {text.substr(n), std::string_view(token.raw).substr(n)});
        }
    }
}

void applyManualControl(RunSettings& settings) {
    auto& teams = settings.userManagedTeams;
    for (int t = 1; t <= 2; ++t) {
        const std::string& name = t == 1 ? settings.visitor : settings.home;
        const std::string& mark = settings.manualControl[static_cast<std::size_t>(t)];
        if (name.empty()) continue;
        const auto it = std::find(teams.begin(), teams.end(), name);
        if (mark == "+" && it == teams.end()) teams.push_back(name);
        if (mark == "-" && it != teams.end()) teams.erase(it);
    }
}

}  // namespace

std::vector<OptionToken> tokenizeOptionString(std::string_view text) {
    std::vector<OptionToken> tokens;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] != '/') {
            ++i;
            continue;
        }
        std::size_t end = i + 1;
        while (end < text.size() && text[end] != '/' && !isBlank(text[end])) ++end;
        tokens.push_back(finishToken(text.substr(i, end - i)));
        i = end;
    }
    return tokens;
}

bool isKnownOption(std::string_view token) {
    if (token.starts_with("/CMD:")) return true;
    for (const OptionRule& rule : kRules) {
        if (!rule.bare.empty() && token == rule.bare) return true;
        if (!rule.name.empty() && token.starts_with(rule.name)) return true;
    }
    return false;
}

void parseOptionString(std::string_view text, RunSettings& settings) {
    settings.manualControl = {};
    settings.games = 1;
    settings.delaySet = false;
    const std::vector<OptionToken> tokens = tokenizeOptionString(text);
    for (const OptionToken& token : tokens) applyToken(token, settings);
    if (tokens.size() == 1 && tokens[0].text.starts_with("/CMD:")) {
        settings.commandFile = tokens[0].raw.substr(5);
    }
    applyManualControl(settings);
}

}  // namespace vrk
