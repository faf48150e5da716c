#include "data/team_file_checks.h"

#include <array>

#include "core/numbering.h"
#include "core/text_fields.h"
#include "data/team_file_keywords.h"

namespace vrk {

namespace {

struct NumberField {
    int first;
    int last;
};

// Columns that hold counts on every kind of player line.
constexpr std::array<NumberField, 13> kCountFields = {{{28, 30},
                                                       {32, 34},
                                                       {36, 38},
                                                       {40, 42},
                                                       {44, 46},
                                                       {48, 50},
                                                       {52, 54},
                                                       {56, 58},
                                                       {62, 64},
                                                       {65, 67},
                                                       {68, 70},
                                                       {72, 74},
                                                       {76, 78}}};

// The batting hand: a line that stops before it lost the fields that matter.
constexpr int kShortestFullLine = 60;

std::string at(int lineNumber, int column) {
    return "line " + std::to_string(lineNumber) + ", column " + std::to_string(column) + ": ";
}

bool isBatterNumberText(std::string_view text) {
    const std::string_view t = trim(text);
    return !t.empty() && t.find_first_not_of("0123456789") == std::string_view::npos;
}

long countAt(std::string_view line, int first, int last) {
    const std::string_view text = trim(field(line, first, last));
    return isBatterNumberText(text) ? static_cast<long>(numericPrefix(text)) : 0;
}

}  // namespace

void checkLineBytes(std::string_view line, int lineNumber, TeamFileFindings& findings) {
    const std::size_t tab = line.find('\t');
    if (tab != std::string_view::npos) {
        findings.problems.push_back(at(lineNumber, static_cast<int>(tab) + 1) +
                                    "a tab; the columns are counted in characters, so write "
                                    "blanks instead.");
    }
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (static_cast<unsigned char>(line[i]) < 0x80) continue;
        findings.notes.push_back(at(lineNumber, static_cast<int>(i) + 1) +
                                 "a byte outside ASCII; columns are counted in bytes, so a "
                                 "letter written as two bytes moves the fields after it.");
        break;
    }
}

void checkPlayerFields(std::string_view line, int lineNumber, bool batterLine,
                       TeamFileFindings& findings) {
    if (static_cast<int>(line.size()) < kShortestFullLine) {
        findings.notes.push_back(at(lineNumber, static_cast<int>(line.size()) + 1) +
                                 "the line ends here; the fields after it read as blanks.");
    }
    for (const NumberField& f : kCountFields) {
        const std::string_view text = field(line, f.first, f.last);
        const std::size_t minus = text.find('-');
        if (minus == std::string_view::npos) continue;
        findings.notes.push_back(at(lineNumber, f.first + static_cast<int>(minus)) +
                                 "a negative number in columns " + std::to_string(f.first) + "-" +
                                 std::to_string(f.last) + " is read as 0.");
    }
    if (batterLine) {
        const long atBats = countAt(line, 28, 30);
        const long hits = countAt(line, 32, 34);
        if (hits > atBats) {
            findings.problems.push_back(at(lineNumber, 32) + "hits (" + std::to_string(hits) +
                                        ") above at-bats (" + std::to_string(atBats) +
                                        ", columns 28-30).");
        }
    }
}

std::optional<std::string> keywordItemProblem(std::string_view item) {
    const std::string upper = upperCase(trim(item));
    if (upper.starts_with("PE=")) {
        const std::string_view value = std::string_view(upper).substr(3);
        const std::size_t slash = value.find('/');
        const std::string_view a = value.substr(0, slash);
        const std::string_view b =
            slash == std::string_view::npos ? std::string_view("100") : value.substr(slash + 1);
        if (!isBatterNumberText(a) || !isBatterNumberText(b)) {
            return "\"" + std::string(trim(item)) +
                   "\": park effects are two percentages (PE=105/98); this one is read as " +
                   "far as it makes a number.";
        }
    } else if (upper.starts_with("COL=")) {
        std::string name(trim(std::string_view(upper).substr(4)));
        if (name.size() >= 2 && name.front() == '"' && name.back() == '"') {
            name = name.substr(1, name.size() - 2);
        }
        if (!teamColorFromName(name)) {
            return "\"" + std::string(trim(item)) + "\": no such colour; the item is ignored.";
        }
    }
    return std::nullopt;
}

std::optional<std::string> unplayableLineup(const Team& team) {
    bool canBeOut = false;
    bool canReach = false;
    for (int slot = 1; slot <= kLineupSize && slot <= team.playerCount; ++slot) {
        const Player& p = team.player(slot);
        // The pitcher bats in his own slot, from his own figures.
        if (p.lineupPosition == kPitcher || p.atBats > p.hits) canBeOut = true;
        if (p.hits + p.walks > 0) canReach = true;
    }
    if (!canBeOut) {
        return "No batter of the line-up can be put out: each has at least as many hits "
               "(columns 32-34) as at-bats (columns 28-30). A game could never end.";
    }
    if (!canReach) {
        return "No batter of the line-up can reach base: none has a hit or a walk "
               "(columns 32-34, 48-50). A game could never end.";
    }
    return std::nullopt;
}

bool lineupHasTwoPitchers(const Team& team) {
    int pitchers = 0;
    for (int slot = 1; slot <= kLineupSize && slot <= team.playerCount; ++slot) {
        if (team.player(slot).lineupPosition == kPitcher) ++pitchers;
    }
    return pitchers > 1;
}

}  // namespace vrk
