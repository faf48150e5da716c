// A new pitcher comes in: bookkeeping, his batting slot, announcement, save marks.
#include "managers/pitcher_entry.h"

#include <string>

#include "core/rounding.h"
#include "engine/engine_helpers.h"
#include "engine/matchup_rates.h"
#include "engine/message_registry.h"
#include "managers/allowance.h"
#include "managers/bullpen_state.h"

namespace vrk {

namespace {

int Round(double x) {
    return static_cast<int>(roundHalfEven(x));
}

int PitcherSlot(const Team& team) {
    for (int k = 1; k <= kLineupSize; ++k) {
        if (team.player(k).lineupPosition == kPitcher) return k;
    }
    return 0;
}

void TakeSaveMarks(GameState& s, int team, int entry) {
    std::size_t t = static_cast<std::size_t>(team);
    int lead = s.score[t] - s.score[static_cast<std::size_t>(otherTeam(team))];
    if (lead <= 0) return;
    if (lead <= s.runnersOn() + 2) s.firstSaveMark = {team, entry};
    if (lead < 4 && s.basesEmpty()) s.secondSaveMark = {team, entry};
}

}  // namespace

void SetPitcherBattingFigures(Player& slot, const Player& pitcher, Rng& rng) {
    slot.playerName = pitcher.playerName;
    const PitcherBattingLine& own = pitcher.pitcherBattingLine;
    int hits;
    if (own.atBats > 0) {
        slot.atBats = own.atBats;
        hits = own.hits;
        slot.homeRuns = own.homeRuns;
        slot.walks = own.walks;
        slot.strikeouts = own.strikeouts;
    } else {
        char grade = pitcher.pitcherBattingGrade;
        if (grade >= 'a' && grade <= 'e') grade = static_cast<char>(grade - 'a' + 'A');
        if (grade >= 'A' && grade <= 'E') {
            hits = 30 - 5 * (grade - 'A' + 1);
        } else {
            hits = rng.chance(0.5) ? 16 : 17;
        }
        slot.atBats = 100;
        slot.homeRuns = Round(0.025 * hits);
        slot.strikeouts = Round(49.1 - 0.9 * hits);
        slot.walks = 5;
    }
    slot.hits = hits;
    slot.doubles = Round(0.14 * hits);
    slot.triples = Round(0.02 * hits);
    slot.runsBattedIn = Round(hits / 2.4);
    slot.hand = pitcher.hand == 'r' ? 'L' : (pitcher.hand == 'l' ? 'R' : pitcher.hand);
}

void CompletePitcherEntry(Game& game, BullpenState& bullpen, int team, bool fromTheField) {
    Team& t = game.team(team);
    const GameState& s = game.state;
    std::size_t ti = static_cast<std::size_t>(team);
    int entry = s.currentPitcher[ti];
    int used = s.pitchersUsed[ti];
    int outgoing =
        used >= 2 && used < kRosterSize ? s.pitcherList[ti][static_cast<std::size_t>(used - 1)] : 0;
    bullpen.markUsed(team, entry);
    Allowance(game, bullpen, team);
    if (game.config.warmupRule) bullpen.warm(team, entry) = 0;

    // With a designated hitter the pitcher holds no batting slot.
    if (!game.options.designatedHitter && !fromTheField) {
        int slot = PitcherSlot(t);
        if (slot == 0) {
            game.errors->fault("ERROR(BULL1): No Pitcher Found in Lineup:", t.teamFileName);
        } else {
            int slotEntry = SlotPlayer(game, team, slot);
            bool outgoingFound = outgoing >= kFirstPitcherEntry &&
                                 outgoing <= std::min(t.lastPitcherEntry, kLastPitcherLimit) &&
                                 outgoing != slotEntry;
            if (!outgoingFound) {
                game.errors->fault("ERROR(BULL1): Failed to locate previous pitcher on bench",
                                   t.teamFileName);
            } else {
                // What the slot batted while he pitched is his own line.
                BatterCounters& slotLine = game.counters.bat(team, slotEntry);
                AddCounters(game.counters.bat(team, outgoing), slotLine);
                slotLine = BatterCounters{};
            }
            SetPitcherBattingFigures(t.player(slotEntry), t.player(entry), game.rng);
            // The slot's entry now bats with another line.
            ForgetBatterMatchups(game, team, slotEntry);
        }
    }

    if (game.displayed() && outgoing > 0) {
        game.narration->message(msg::kPitchingChange, outgoing, team);
        game.narration->message(msg::kRelieverIn, entry, team, outgoing, team);
    }
    TakeSaveMarks(game.state, team, entry);
}

void EnterPitcher(Game& game, BullpenState& bullpen, int team, int entry) {
    GameState& s = game.state;
    std::size_t t = static_cast<std::size_t>(team);
    s.currentPitcher[t] = entry;
    if (s.fieldingTeam == team) s.pitcher = entry;
    if (s.pitchersUsed[t] < kMaxRosterEntries) {
        ++s.pitchersUsed[t];
        s.pitcherList[t][static_cast<std::size_t>(s.pitchersUsed[t])] = entry;
    }
    s.pitchCount[t] = 0;
    CompletePitcherEntry(game, bullpen, team);
}

}  // namespace vrk
