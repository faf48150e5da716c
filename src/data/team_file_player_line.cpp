#include "data/team_file_player_line.h"

#include <algorithm>

#include "core/numbering.h"
#include "core/rounding.h"
#include "core/text_fields.h"
#include "data/player_names.h"

namespace vrk {

namespace {

// A number from a column range, rounded. Counts in a team file are never
// negative; a minus sign there is a typing error and reads as 0.
int count(std::string_view line, int firstCol, int lastCol) {
    const long value = roundHalfEven(numericPrefix(field(line, firstCol, lastCol)));
    return value < 0 ? 0 : static_cast<int>(value);
}

int positionCodeAt(std::string_view line, int col) {
    const char c = charAt(line, col);
    if (c == 'D' || c == 'd') return kDesignatedHitter;
    return (c >= '0' && c <= '9') ? c - '0' : 0;
}

void readPositions(Player& p, std::string_view line) {
    for (int k = 1; k <= 4; ++k) {
        const auto slot = static_cast<std::size_t>(k);
        p.gamesAtPosition[slot] = count(line, 70 + 6 * k, 72 + 6 * k);
        p.positionCode[slot] = p.gamesAtPosition[slot] > 0 ? positionCodeAt(line, 74 + 6 * k) : 0;
    }
    removePitcherPositions(p);
}

void readPitching(PitcherLine& pitching, std::string_view line) {
    pitching.inningsPitched = std::max(count(line, 28, 30), 1);  // rates per inning
    pitching.hitsAllowed = count(line, 32, 34);
    pitching.doublesAllowed = count(line, 36, 38);
    pitching.triplesAllowed = count(line, 40, 42);
    pitching.homeRunsAllowed = count(line, 44, 46);
    pitching.walksAllowed = count(line, 48, 50);
    pitching.strikeouts = count(line, 52, 54);
    pitching.eraTimes100 = count(line, 56, 58);
    pitching.wins = count(line, 62, 64);
    pitching.losses = count(line, 65, 67);
    pitching.saves = count(line, 68, 70);
    pitching.games = count(line, 72, 74);
}

}  // namespace

void removePitcherPositions(Player& p) {
    for (std::size_t k = 1; k <= 4; ++k) {
        if (p.positionCode[k] != kPitcher) continue;
        for (std::size_t j = k; j < 4; ++j) {
            p.positionCode[j] = p.positionCode[j + 1];
            p.gamesAtPosition[j] = p.gamesAtPosition[j + 1];
        }
        p.positionCode[4] = 0;
        p.gamesAtPosition[4] = 0;
    }
}

PlayerLineProblems readPlayerLine(Player& p, std::string_view line, int entry, bool separatorRead) {
    PlayerLineProblems problems;
    p.lineupPlayer = entry;
    p.platoonMark = charAt(line, 5);

    const long position = roundHalfEven(numericPrefix(field(line, 7, 8)));
    if (position < 0 || position > kDesignatedHitter) {
        // The engine indexes its fielding tables by position.
        problems.positionOutOfRange = true;
        problems.positionAsWritten = position;
        p.lineupPosition = 0;
    } else {
        p.lineupPosition = static_cast<int>(position);
    }
    if (separatorRead && p.lineupPosition == kPitcher) p.lineupPosition = kRightField;

    p.playerName = storedPlayerName(field(line, 10, 27));
    problems.emptyName = p.playerName.empty();

    p.atBats = count(line, 28, 30);
    p.hits = count(line, 32, 34);
    p.doubles = count(line, 36, 38);
    p.triples = count(line, 40, 42);
    p.homeRuns = count(line, 44, 46);
    p.walks = count(line, 48, 50);
    p.walkGrade = charAt(line, 51);
    p.strikeouts = count(line, 52, 54);
    p.runsBattedIn = count(line, 56, 58);
    p.hand = charAt(line, 60);
    p.defense = count(line, 62, 64);
    p.stolenBases = count(line, 65, 67);
    p.caughtStealing = count(line, 68, 70);
    p.speedColumn = count(line, 66, 67);
    p.games = count(line, 72, 74);
    p.pitcherBattingGrade = charAt(line, 81);
    if (p.atBats == 0) p.atBats = 1;  // averages never divide by zero

    readPositions(p, line);
    readPitching(p.pitching, line);
    // A pitcher line's position area starts with his games started.
    p.pitching.gamesStarted = p.gamesAtPosition[1];

    if (entry >= kFirstPitcherEntry && entry <= kLastPitcherLimit && !separatorRead &&
        p.lineupPosition == kPitcher) {
        p.pitcherBattingLine.atBats = count(line, 83, 85);
        p.pitcherBattingLine.hits = count(line, 87, 89);
        p.pitcherBattingLine.homeRuns = count(line, 91, 92);
        p.pitcherBattingLine.walks = count(line, 94, 96);
        p.pitcherBattingLine.strikeouts = count(line, 98, 100);
    }

    p.nameAsLoaded = p.playerName;
    p.defaultPosition = p.lineupPosition;
    p.handAsLoaded = p.hand;
    return problems;
}

}  // namespace vrk
