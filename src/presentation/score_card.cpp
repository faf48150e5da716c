#include "presentation/score_card.h"

#include <algorithm>

#include "core/text_fields.h"

namespace vrk {

namespace {

std::string baseMark(bool occupied) {
    return occupied ? " X" : " .";
}

std::string runsField(int runs) {
    if (runs == 0) return "  ";
    const std::string digits = std::to_string(std::clamp(runs, -9, 99));
    return padRight("", 2 - digits.size()) + digits;
}

std::string rosterName(const TeamRefs& teams, int side, int entry) {
    if (side < 1 || side > 2 || entry < 1 || entry > kMaxRosterEntries) return {};
    const Team* team = teams[static_cast<std::size_t>(side)];
    return team == nullptr ? std::string{} : team->player(entry).playerName;
}

std::string teamName(const TeamRefs& teams, int side) {
    if (side < 1 || side > 2 || teams[static_cast<std::size_t>(side)] == nullptr) return {};
    return std::string(trim(teams[static_cast<std::size_t>(side)]->teamName));
}

std::string line(const ScoreCardRecord& r, const TeamRefs& teams) {
    const int nameSide = r.code == 'A' ? 3 - r.side : r.side;
    const std::string name = r.name.empty() ? rosterName(teams, nameSide, r.player) : r.name;
    const std::string text10 = padRight(r.text, 10);
    const std::string marks = r.onThird + r.onSecond + r.onFirst + r.runs;
    const auto fitted = [&](std::size_t width) { return ScoreCardName(name, width); };
    switch (r.code) {
        case ' ':
        case '5':
            return fitted(18) + text10 + marks;
        case 'X':
            return padRight(r.text, 30);
        case '9':
            return "*EX:" + std::string(trim(name)) + " " + text10;
        case '8':
            return "*PH:" + fitted(14) + text10 + marks;
        case '7':
            return "*PR:" + std::string(trim(name));
        case '6':
            return "*SB:" + fitted(14) + text10 + marks;
        case '1':
        case '2':
        case '3':
        case '4':
            return std::string("X@") + r.code + ":" + fitted(14) + text10 + marks;
        case '0':
            return fitted(17) + " " + text10;
        case 'A':  // the pitcher belongs to the side in the field
            return std::string(trim(r.text)) + " " + std::string(trim(name));
        default:
            return "- " + fitted(16) + text10 + marks;
    }
}

}  // namespace

std::string ScoreCardName(std::string_view rosterName, std::size_t width) {
    const std::string_view name = trim(rosterName);
    if (name.size() <= width) return padRight(name, width);
    const std::size_t comma = name.find(',');
    if (comma != std::string_view::npos && comma > 0) {
        const std::string_view first = trim(name.substr(comma + 1));
        std::string shortName(trimRight(name.substr(0, comma)));
        if (!first.empty()) shortName += ", " + std::string(1, first[0]);
        if (shortName.size() <= width) return padRight(shortName, width);
    }
    return padRight(name, width);
}

void ScoreCardEntry(ScoreCard& card, int side, int player, char code, std::string_view text,
                    const ScoreCardSituation& situation) {
    if (card.records.size() >= kMaxScoreCardRecords) return;
    ScoreCardRecord r;
    r.inning = situation.inning;
    r.side = side;
    r.player = player;
    r.code = code;
    r.text = padRight(text, 30);
    r.onFirst = baseMark(situation.onFirst);
    r.onSecond = baseMark(situation.onSecond);
    r.onThird = baseMark(situation.onThird);
    r.runs = runsField(situation.runsSinceSnapshot);
    card.records.push_back(std::move(r));
}

std::vector<std::string> ScoreCardLines(const ScoreCard& card, const TeamRefs& teams) {
    std::vector<std::string> lines;
    int headerSide = 2;
    const auto append = [&](std::string text) {
        if (lines.size() >= kMaxScoreCardLines) return;
        if (text.size() > kScoreCardLineWidth) text.resize(kScoreCardLineWidth);
        lines.emplace_back(trimRight(text));
    };
    for (const auto& r : card.records) {
        if (r.code != 'X' && r.code != '0' && r.side != headerSide) {
            headerSide = r.side;
            append("~     Inn. " + std::to_string(r.inning) + ": " + teamName(teams, r.side));
        }
        append(line(r, teams));
    }
    return lines;
}

}  // namespace vrk
