#include "data/team_file_pitcher_batting.h"

#include "core/rounding.h"
#include "core/text_fields.h"

namespace vrk {

char otherRoleHand(char hand) {
    if (hand == 'r') return 'L';
    if (hand == 'l') return 'R';
    return hand;
}

namespace {
int roundedInt(double x) {
    return static_cast<int>(roundHalfEven(x));
}
}  // namespace

BattingFigures pitcherBattingFigures(const Player& pitcher, Rng& rng) {
    BattingFigures f;
    const PitcherBattingLine& own = pitcher.pitcherBattingLine;
    if (own.atBats > 0) {
        f.atBats = own.atBats;
        f.hits = own.hits;
        f.homeRuns = own.homeRuns;
        f.walks = own.walks;
        f.strikeouts = own.strikeouts;
    } else {
        const char grade = upperChar(pitcher.pitcherBattingGrade);
        f.atBats = 100;
        if (grade >= 'A' && grade <= 'E') {
            f.hits = 30 - 5 * (grade - 'A' + 1);
        } else {
            f.hits = 15 + rng.randInt(2);
        }
        f.homeRuns = roundedInt(0.025 * f.hits);
        f.strikeouts = roundedInt(49.1 - 0.9 * f.hits);
        f.walks = 5;
    }
    f.doubles = roundedInt(0.14 * f.hits);
    f.triples = roundedInt(0.02 * f.hits);
    f.runsBattedIn = roundedInt(f.hits / 2.4);
    f.hand = otherRoleHand(pitcher.hand);
    return f;
}

void applyBattingFigures(Player& slot, const BattingFigures& f) {
    slot.atBats = f.atBats;
    slot.hits = f.hits;
    slot.doubles = f.doubles;
    slot.triples = f.triples;
    slot.homeRuns = f.homeRuns;
    slot.walks = f.walks;
    slot.strikeouts = f.strikeouts;
    slot.runsBattedIn = f.runsBattedIn;
    slot.hand = f.hand;
}

}  // namespace vrk
