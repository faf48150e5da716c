#include "data/option_check.h"

#include <cstdint>
#include <limits>

#include "core/text_fields.h"
#include "data/option_string.h"

namespace vrk {

namespace {

constexpr std::size_t kTokenLength = 25;
constexpr std::size_t kTeamNameLength = 8;
constexpr long kMostGames = 1000000;

bool isDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Tokens as written, uncut, so that a value beyond the 25 characters shows.
std::vector<std::string> rawTokens(std::string_view text) {
    std::vector<std::string> tokens;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] != '/') {
            ++i;
            continue;
        }
        std::size_t end = i + 1;
        while (end < text.size() && text[end] != '/' && !isBlank(text[end])) ++end;
        tokens.emplace_back(text.substr(i, end - i));
        i = end;
    }
    return tokens;
}

// A whole number from lo to hi written in digits only.
bool inRange(std::string_view text, long lo, long hi) {
    if (!isDigits(text) || text.size() > 9) return false;
    const long v = std::stol(std::string(text));
    return v >= lo && v <= hi;
}

bool fitsUint64(std::string_view digits) {
    constexpr auto kMax = std::numeric_limits<std::uint64_t>::max();
    std::uint64_t value = 0;
    for (char c : digits) {
        const auto d = static_cast<std::uint64_t>(c - '0');
        if (value > (kMax - d) / 10) return false;
        value = value * 10 + d;
    }
    return true;
}

// Rotation codes: S or R with the rotation's size, a pitcher's number, or a
// letter A-J for pitchers 10 to 19.
bool isRotationCode(std::string_view v) {
    if (v.empty()) return true;
    if (v.size() > 2) return false;
    const char m = v[0];
    if (m == 'S' || m == 'R') return v.size() == 1 || (v[1] >= '0' && v[1] <= '9');
    if (m >= '0' && m <= '9') return v.size() == 1 || (v[1] >= '0' && v[1] <= '9');
    return m >= 'A' && m <= 'J';
}

bool isNumber(std::string_view v) {
    if (!v.empty() && (v[0] == '-' || v[0] == '+')) v.remove_prefix(1);
    if (v.empty()) return false;
    bool digit = false;
    bool point = false;
    for (char c : v) {
        if (c >= '0' && c <= '9') {
            digit = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digit;
}

bool isOneOf(std::string_view v, std::string_view letters) {
    return v.size() == 1 && letters.find(v[0]) != std::string_view::npos;
}

std::string quoted(std::string_view token) {
    return "\"" + std::string(token) + "\"";
}

struct ValueRule {
    std::string_view name;
    // Empty when the value is good, else what a good one looks like.
    std::string (*check)(std::string_view value);
};

std::string namedThing(std::string_view option, std::string_view value) {
    return nameProblem(option, value);
}

const ValueRule kValueRules[] = {
    {"/N:",
     [](std::string_view v) -> std::string {
         return inRange(v, 1, kMostGames) ? ""
                                          : "the number of games is a whole number from 1 "
                                            "to 1000000.";
     }},
    {"/SEED:",
     [](std::string_view v) -> std::string {
         return isDigits(v) && fitsUint64(v)
                    ? ""
                    : "a seed is a whole number from 0 to 18446744073709551615 (0 = the time of "
                      "day).";
     }},
    {"/SP:",
     [](std::string_view v) -> std::string {
         return isRotationCode(v) ? "" : "a rotation is S1-S5, R1-R5, a pitcher's number or A-J.";
     }},
    {"/VP:",
     [](std::string_view v) -> std::string {
         return isRotationCode(v) ? "" : "a rotation is S1-S5, R1-R5, a pitcher's number or A-J.";
     }},
    {"/HP:",
     [](std::string_view v) -> std::string {
         return isRotationCode(v) ? "" : "a rotation is S1-S5, R1-R5, a pitcher's number or A-J.";
     }},
    {"/DEL:",
     [](std::string_view v) -> std::string {
         return inRange(v, 0, 7) ? "" : "the delay is a number from 0 to 7.";
     }},
    {"/CC:",
     [](std::string_view v) -> std::string {
         return inRange(v, 1, 199) ? "" : "console columns are a number from 1 to 199.";
     }},
    {"/CR:",
     [](std::string_view v) -> std::string {
         return inRange(v, 1, 99) ? "" : "console rows are a number from 1 to 99.";
     }},
    {"/DH:",
     [](std::string_view v) -> std::string {
         return isOneOf(v, "YHAEN") ? "" : "the designated-hitter rule is Y, H, A, E or N.";
     }},
    {"/VM:",
     [](std::string_view v) -> std::string {
         return v == "+" || v == "-" ? "" : "write /VM:+ or /VM:-.";
     }},
    {"/HM:",
     [](std::string_view v) -> std::string {
         return v == "+" || v == "-" ? "" : "write /HM:+ or /HM:-.";
     }},
    {"/T:",
     [](std::string_view v) -> std::string {
         return v.starts_with("Y") || v.starts_with("N") || isNumber(v)
                    ? ""
                    : "the home-field factor is Y, N or a number.";
     }},
    {"/V:", [](std::string_view v) { return namedThing("/V:", v); }},
    {"/H:", [](std::string_view v) { return namedThing("/H:", v); }},
    {"/SER:", [](std::string_view v) { return namedThing("/SER:", v); }},
    {"/SCH:", [](std::string_view v) { return namedThing("/SCH:", v); }},
    {"/ST:", [](std::string_view v) { return namedThing("/ST:", v); }},
};

void checkTeamLength(std::string_view name, std::string_view raw,
                     std::vector<OptionFinding>& findings) {
    const std::string_view value = raw.substr(name.size());
    const std::string_view stem = value.substr(0, value.find('.'));
    if (stem.size() <= kTeamNameLength) return;
    findings.push_back({false, "Option " + quoted(raw) +
                                   ": team file names have at most 8 "
                                   "characters; " +
                                   std::string(stem.substr(0, kTeamNameLength)) +
                                   ".DAT is the file read."});
}

}  // namespace

std::string nameProblem(std::string_view option, std::string_view value) {
    if (value.find('\\') != std::string_view::npos || value.find('/') != std::string_view::npos ||
        value.find(':') != std::string_view::npos || value.find("..") != std::string_view::npos) {
        return "a name, not a path (no \\, / or \"..\"); folders are set with /P: and /PW:.";
    }
    if (option != "/ST:" && value.empty()) return "a name is missing.";
    return {};
}

std::vector<OptionFinding> checkOptionString(std::string_view text, UnknownOptions unknown) {
    std::vector<OptionFinding> findings;
    for (const std::string& raw : rawTokens(text)) {
        const std::string token = upperCase(raw);
        if (!isKnownOption(token)) {
            if (unknown == UnknownOptions::Warn) {
                findings.push_back({false, "Option " + quoted(raw) +
                                               " is not an option of vrk and is ignored (see "
                                               "vrk --help)."});
            }
            continue;
        }
        if (token.starts_with("/CMD:")) continue;
        for (const ValueRule& rule : kValueRules) {
            if (!token.starts_with(rule.name)) continue;
            const std::string_view value = std::string_view(token).substr(rule.name.size());
            std::string problem = rule.check(value);
            if (problem.empty() && raw.size() > kTokenLength &&
                (rule.name == "/SEED:" || rule.name == "/N:")) {
                problem = "an option is at most 25 characters.";
            }
            if (!problem.empty()) {
                findings.push_back({true, "Option " + quoted(raw) + " cannot be used: " + problem});
            } else if (rule.name == "/V:" || rule.name == "/H:") {
                checkTeamLength(rule.name, raw.substr(0, kTokenLength), findings);
            }
        }
    }
    return findings;
}

}  // namespace vrk
