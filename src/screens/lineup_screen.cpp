#include "screens/lineup_screen.h"

#include <cstdio>
#include <functional>

#include "core/text_fields.h"
#include "engine/game_seams.h"
#include "managers/auto_lineup.h"
#include "managers/batting_order.h"
#include "presentation/console.h"
#include "screens/game_messages.h"
#include "screens/list_screen.h"
#include "screens/number_pair_prompt.h"

namespace vrk {

namespace {

constexpr int kWidth = 72;
constexpr const char* kHeader = "  #  Pos Name                 AB  Hit  HR  RBI   Avg";

// ".266", as averages are written.
std::string Average(int hits, int atBats) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%.3f",
                  atBats > 0 ? static_cast<double>(hits) / atBats : 0.0);
    return buffer[0] == '0' ? std::string(buffer + 1) : std::string(buffer);
}

std::string PlayerLine(int number, const Team& team, int entry, bool out) {
    const Player& p = team.player(entry);
    char buffer[96];
    const bool staff = entry >= kFirstPitcherEntry && entry <= team.lastPitcherEntry;
    const std::string position(entry <= kLineupSize ? PositionText(p.lineupPosition)
                               : staff              ? "P"
                                                    : PositionText(p.defaultPosition));
    if (staff) {
        std::snprintf(buffer, sizeof buffer, "%3d. %-3s %-18.18s  IP %3d  W %2d  L %2d  ERA %.2f",
                      number, position.c_str(), p.playerName.c_str(), p.inningsPitched(), p.wins(),
                      p.losses(), p.eraTimes100() / 100.0);
    } else {
        std::snprintf(buffer, sizeof buffer, "%3d. %-3s %-18.18s %4d %4d %3d %4d  %s", number,
                      position.c_str(), p.playerName.c_str(), p.atBats, p.hits, p.homeRuns,
                      p.runsBattedIn, Average(p.hits, p.atBats).c_str());
    }
    std::string line(buffer);
    if (out) line += "  (out)";
    return line;
}

struct ScreenParts {
    std::function<bool(int entry)> out;  // has left the game
    std::function<LineupRefusal(int, int)> swap;
    std::function<void()> more;
    std::string subtitle;
};

void Run(Console& console, const Team& team, const ScreenParts& parts) {
    ListWindow list;
    list.title = "Lineup for '" + std::string(trim(team.teamName)) + "'";
    list.prompt = padRight(kHeader, kWidth - 4);
    list.footer = kLineupFooter;
    list.keys = {"S", "M"};
    list.width = kWidth;
    int highlight = 0;
    while (true) {
        list.lines.clear();
        const std::vector<int> entries = LineupScreenEntries(team);
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (static_cast<int>(i) == kLineupSize) list.lines.push_back(kBenchTitle);
            const int entry = entries[i];
            list.lines.push_back(
                PlayerLine(static_cast<int>(i) + 1, team, entry, parts.out && parts.out(entry)));
        }
        if (!parts.subtitle.empty()) list.lines.insert(list.lines.begin(), parts.subtitle);
        const ListResult r = RunListWindow(console, list, highlight);
        if (r.end == ListEnd::Escape) return;
        if (r.end != ListEnd::Key) continue;
        if (r.key == "M") {
            parts.more();
            continue;
        }
        const std::optional<NumberPair> pair = AskNumberPair(console, kSwapTitle, kSwapFooter);
        if (!pair || (pair->first == 0 && pair->second == 0)) continue;
        const std::string_view refusal = LineupRefusalText(parts.swap(pair->first, pair->second));
        if (!refusal.empty()) tellUser(console, refusal, kRefusalAttribute);
    }
}

// Shows the faults of the computer's line-up in message boxes.
class ShownFaults final : public ErrorSink {
  public:
    explicit ShownFaults(Console& console) : console_(console) {}
    void fault(std::string_view label, std::string_view what) override {
        tellUser(console_, concat({label, what.empty() ? "" : "|", what}), kRefusalAttribute);
    }

  private:
    Console& console_;
};

void MoreLineups(Console& console, Team& team, const LineupBeforeGame& setup) {
    ListWindow list;
    list.title = "More Lineups";
    list.lines = {" Optimized batting order ", " The team file's batting order "};
    if (setup.rng) list.lines.push_back(" The computer's line-up ");
    list.footer = "Enter:Select  ESC:Back";
    int highlight = 0;
    const ListResult r = RunListWindow(console, list, highlight);
    if (r.end != ListEnd::Picked) return;
    ShownFaults faults(console);
    switch (r.index) {
        case 0:
            BattingOrder(team, 'Y', setup.designatedHitter, true, faults);
            break;
        case 1:
            BattingOrder(team, 'F', setup.designatedHitter, true, faults);
            break;
        case 2: {
            const bool changed =
                AUTOLINEUP(team, setup.ownStarter, setup.opposingHand, *setup.rng, faults);
            BattingOrder(team, 'C', setup.designatedHitter, changed, faults);
            break;
        }
        default:
            break;
    }
}

}  // namespace

void LineupScreenBeforeGame(Console& console, Team& team, const LineupBeforeGame& setup) {
    ScreenParts parts;
    parts.swap = [&team](int a, int b) { return SwapBeforeGame(team, a, b); };
    parts.more = [&] { MoreLineups(console, team, setup); };
    Run(console, team, parts);
}

void LineupScreenInGame(Console& console, Game& game, BullpenState& bullpen, int team,
                        LineupSession& session) {
    ScreenParts parts;
    const Team& roster = game.team(team);
    parts.out = [&](int entry) { return entry > kLineupSize && bullpen.used(team, entry); };
    parts.swap = [&](int a, int b) { return SwapDuringGame(game, bullpen, team, session, a, b); };
    parts.more = [&console] { tellUser(console, kNotAfterStart, kRefusalAttribute); };
    if (session.stage == LineupStage::DoubleSwitch)
        parts.subtitle = " Swap a bench player in, then the new pitcher into his place. ";
    Run(console, roster, parts);
}

}  // namespace vrk
