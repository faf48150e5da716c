#include "screens/strategy_window.h"

#include <cstdio>

#include "core/text_fields.h"
#include "managers/lineup_changes.h"
#include "managers/relief_selection.h"
#include "managers/user_moves.h"
#include "managers/warmup.h"
#include "presentation/console.h"
#include "screens/bullpen_screen.h"
#include "screens/game_messages.h"
#include "screens/lineup_screen.h"
#include "screens/lineup_view.h"
#include "screens/list_screen.h"
#include "screens/positions_screen.h"

namespace vrk {

namespace {

constexpr std::size_t kItemWidth = 27;

std::string Item(std::string_view text) {
    return padRight(std::string(text), kItemWidth);
}

// The console writes code-page-437 text: 196 is the horizontal line.
std::string Separator() {
    return std::string(kItemWidth, '\xC4');
}

std::string BenchLine(const Player& p) {
    char buffer[96];
    const double average = p.atBats > 0 ? static_cast<double>(p.hits) / p.atBats : 0.0;
    std::snprintf(buffer, sizeof buffer,
                  "%-18.18s %2d %3d %3d %3d %2d %3d %3d %3d %3d %c %d %3d %2d %3d %.3f",
                  p.playerName.c_str(), p.defaultPosition, p.atBats, p.hits, p.doubles, p.triples,
                  p.homeRuns, p.runsBattedIn, p.walks, p.strikeouts, p.hand == ' ' ? '-' : p.hand,
                  p.speed, p.stolenBases, p.caughtStealing, p.defense, average);
    return "   " + std::string(buffer);
}

}  // namespace

std::vector<std::string> OffenceMenu(bool warmupRule) {
    return {Item(" Pinch Hit "),
            Item(" Pinch Run "),
            Item(" View Lineup "),
            Item(" View Opponent "),
            concat({warmupRule ? "" : "%", Item(" Call Bullpen ")}),
            concat({"%", Separator()}),
            Item(" Steal "),
            Item(" Bunt/Squeeze "),
            Item(" Hit and Run ")};
}

std::vector<std::string> DefenceMenu() {
    return {Item(" Visit Mound "),      Item(" Player Substitution "), Item(" Swap Positions "),
            Item(" View Line-up "),     Item(" View Opponent "),       concat({"%", Separator()}),
            Item(" Intentional Walk "), Item(" Infield Tight "),       Item(" Pitch-Out "),
            Item(" Pitch-Around ")};
}

const std::vector<PanelItem>& PanelItems() {
    static const std::vector<PanelItem> items = {
        {"EXIT", 0, 0},         {"Pinch Hit", 1, 0},     {"Pinch Run", 2, 0},
        {"View Line-up", 3, 4}, {"View Opponent", 4, 5}, {"Call Bullpen", 5, 0},
        {"Steal", 7, 0},        {"Bunt/Squeeze", 8, 0},  {"Hit & Run", 9, 0},
        {"Visit Mound", 0, 1},  {"Substitute", 0, 2},    {"Swap Positions", 0, 3},
        {"Intent. Walk", 0, 7}, {"Infield In", 0, 8},    {"Pitch-Out", 0, 9},
        {"Pitch-Around", 0, 10}};
    return items;
}

std::string PanelLine(const PanelItem& item, char mark) {
    std::string line = padRight("     " + std::string(item.name), 22);
    if (mark == '+') line[2] = '*';
    if (mark == '-') line[20] = '*';
    return line;
}

namespace {

bool* CallFlag(StrategyFlags& f, int team, bool offence, int item) {
    if (offence) {
        switch (item) {
            case 1:
                return &f.pinchHitCall;
            case 2:
                return &f.pinchRunCall;
            case 7:
                return &f.stealCall;
            case 8:
                return &f.buntCall;
            case 9:
                return &f.hitAndRunCall;
            default:
                return nullptr;
        }
    }
    switch (item) {
        case 1:
            return &f.changePitcher[static_cast<std::size_t>(team)];
        case 7:
            return &f.intentionalWalk;
        case 8:
            return &f.infieldIn;
        case 9:
            return &f.pitchOut;
        case 10:
            return &f.pitchAround;
        default:
            return nullptr;
    }
}

}  // namespace

bool CallStands(const StrategyFlags& flags, int team, bool offence, int item) {
    const bool* flag = CallFlag(const_cast<StrategyFlags&>(flags), team, offence, item);
    return flag != nullptr && *flag;
}

void WithdrawCall(StrategyFlags& flags, int team, bool offence, int item) {
    if (bool* flag = CallFlag(flags, team, offence, item)) *flag = false;
    if (offence && item == 1) flags.pinchHitter = 0;
    if (offence && item == 2) flags.pinchRunner = flags.pinchRunnerSlot = 0;
}

void UserSideManager::openStrategyWindow(Game& game, int team) {
    // P and L switch between the forms; the one left open is kept.
    while (!(panelForm_ ? panel(game, team) : list(game, team))) panelForm_ = !panelForm_;
}

bool UserSideManager::list(Game& game, int team) {
    const bool batting = game.state.battingTeam == team;
    const std::vector<std::string> items =
        batting ? OffenceMenu(game.config.warmupRule) : DefenceMenu();
    ListWindow list;
    list.title = std::string(trim(game.team(team).teamName));
    list.footer = "Enter:Select  P:Panel  ESC:Back";
    list.keys = {"P"};
    list.visibleLines = static_cast<int>(items.size());
    for (const std::string& item : items)
        list.lines.push_back(item[0] == '%' ? item.substr(1) : item);
    int highlight = 0;
    for (;;) {
        const ListResult r = RunListWindow(console_, list, highlight);
        if (r.end == ListEnd::Key) return false;
        if (r.end != ListEnd::Picked || r.index < 0) return true;
        if (items[static_cast<std::size_t>(r.index)][0] == '%') continue;  // not selectable
        const bool done =
            batting ? offence(game, team, r.index + 1) : defence(game, team, r.index + 1);
        if (done) return true;
    }
}

bool UserSideManager::panel(Game& game, int team) {
    const bool batting = game.state.battingTeam == team;
    const std::vector<PanelItem>& items = PanelItems();
    ListWindow list;
    list.title = std::string(trim(game.team(team).teamName));
    list.prompt = kPanelHeader;
    list.footer = "Enter:On/Off  L:List  ESC";
    list.keys = {"L"};
    list.visibleLines = static_cast<int>(items.size());
    list.width = 28;
    int highlight = 0;
    for (;;) {
        list.lines.clear();
        for (const PanelItem& item : items) {
            const int menuItem = batting ? item.offenceItem : item.defenceItem;
            char mark = ' ';
            if (menuItem != 0 && CallFlag(game.flags, team, batting, menuItem) != nullptr)
                mark = CallStands(game.flags, team, batting, menuItem) ? '+' : '-';
            list.lines.push_back(PanelLine(item, mark));
        }
        const ListResult r = RunListWindow(console_, list, highlight);
        if (r.end == ListEnd::Key) return false;
        if (r.end != ListEnd::Picked || r.index <= 0) return true;  // ESC or EXIT
        const PanelItem& item = items[static_cast<std::size_t>(r.index)];
        const int menuItem = batting ? item.offenceItem : item.defenceItem;
        if (menuItem == 0 || (batting && menuItem == 5 && !game.config.warmupRule)) {
            console_.beep();  // belongs to the other side of the ball
            continue;
        }
        if (CallStands(game.flags, team, batting, menuItem)) {
            WithdrawCall(game.flags, team, batting, menuItem);
            if (!batting && menuItem == 1) reliever_[static_cast<std::size_t>(team)] = 0;
            continue;
        }
        const bool flagItem = CallFlag(game.flags, team, batting, menuItem) != nullptr;
        const bool done = batting ? offence(game, team, menuItem) : defence(game, team, menuItem);
        // A call stays on the panel to be seen; a screen closes it.
        if (done && !flagItem) return true;
    }
}

bool UserSideManager::offence(Game& game, int team, int item) {
    GameState& s = game.state;
    StrategyFlags& f = game.flags;
    switch (item) {
        case 1:
            if (const int entry = chooseSubstitute(game, team, s.currentBatterSlot, false))
                CallPinchHitter(f, entry);
            break;
        case 2: {
            const int slot = chooseRunner(game);
            if (slot == 0) return !s.basesEmpty();
            if (const int entry = chooseSubstitute(game, team, slot, true))
                CallPinchRunner(f, slot, entry);
            break;
        }
        case 3: {
            LineupSession look;
            LineupScreenInGame(console_, game, managers_.bullpen(), team, look);
            break;
        }
        case 4:
            LineupView(console_, game.team(otherTeam(team)), game.options.designatedHitter);
            break;
        case 5:
            BullpenScreen(console_, game, managers_.bullpen(), team, false);
            break;
        case 7:
        case 9:
            // Nobody to send: the refusal comes now, not as a box at the pitch
            // that would take the user's next key.
            if (s.basesEmpty()) {
                tellUser(console_, kNoBaserunners, kRefusalAttribute);
                return false;
            }
            SetStrategyCall(f, item == 7 ? StrategyCall::Steal : StrategyCall::HitAndRun);
            break;
        case 8:
            SetStrategyCall(f, StrategyCall::Bunt);
            break;
        default:
            break;
    }
    return true;
}

bool UserSideManager::defence(Game& game, int team, int item) {
    StrategyFlags& f = game.flags;
    switch (item) {
        case 1: {
            const int entry = BullpenScreen(console_, game, managers_.bullpen(), team, false);
            if (entry > 0) {
                reliever_[static_cast<std::size_t>(team)] = entry;
                f.changePitcher[static_cast<std::size_t>(team)] = true;
            }
            break;
        }
        case 2:
        case 4: {
            LineupSession session;
            session.stage = LineupStage::InField;
            LineupScreenInGame(console_, game, managers_.bullpen(), team, session);
            break;
        }
        case 3:
            PositionsScreen(console_, game, managers_.bullpen(), team);
            break;
        case 5:
            LineupView(console_, game.team(otherTeam(team)), game.options.designatedHitter);
            break;
        case 7:
            SetStrategyCall(f, StrategyCall::IntentionalWalk);
            break;
        case 8:
            SetStrategyCall(f, StrategyCall::InfieldIn);
            break;
        case 9:
            SetStrategyCall(f, StrategyCall::PitchOut);
            break;
        case 10:
            SetStrategyCall(f, StrategyCall::PitchAround);
            break;
        default:
            break;
    }
    return true;
}

int UserSideManager::chooseRunner(Game& game) {
    const std::vector<int> runners = RunnerSlots(game.state);
    int count = 0, only = 0;
    for (int slot : runners)
        if (slot != 0) ++count, only = slot;
    if (count == 0) {
        tellUser(console_, kNoBaserunners);
        return 0;
    }
    if (count == 1) return only;
    static constexpr const char* kBases[] = {"1) First Base  - ", "2) Second Base - ",
                                             "3) Third Base  - "};
    std::string text = "The Baserunners are:";
    const Team& team = game.team(game.state.battingTeam);
    for (std::size_t b = 0; b < 3; ++b) {
        if (runners[b] == 0) continue;
        text += concat({"|", kBases[b], team.player(runners[b]).playerName});
    }
    text += "|Indicate by base number who you are running for [1 2 3]: ";
    for (;;) {
        const std::string key = tellUser(console_, text);
        if (key.size() == 1 && key[0] >= '1' && key[0] <= '3') {
            const int slot = runners[static_cast<std::size_t>(key[0] - '1')];
            if (slot != 0) return slot;
        } else if (key == "\x1b") {
            return 0;
        }
    }
}

int UserSideManager::chooseSubstitute(Game& game, int team, int slot, bool runner) {
    const std::vector<int> bench = BenchEntries(game, team);
    ListWindow list;
    list.title = std::string(trim(game.team(team).teamName));
    list.prompt = kBenchHeader;
    list.footer = "Dbl-click (or Enter) selection or ESC";
    for (int entry : bench) list.lines.push_back(BenchLine(game.team(team).player(entry)));
    int highlight = 0;
    for (;;) {
        const ListResult r = RunListWindow(console_, list, highlight);
        if (r.end != ListEnd::Picked || r.index < 0) return 0;
        const int entry = bench[static_cast<std::size_t>(r.index)];
        switch (CheckSubstitute(game, managers_.bullpen(), team, slot, entry)) {
            case SubstituteRefusal::None:
                return entry;
            case SubstituteRefusal::AlreadyUsed:
                tellUser(console_, runner ? kAlreadyUsedThatGuy : kHitTheShowers);
                break;
            case SubstituteRefusal::UsedAsPitcher:
                tellUser(console_, kUsedAsPitcher);
                break;
            case SubstituteRefusal::NoPitchersLeft:
                tellUser(console_, kNoPitchersLeft);
                return 0;
        }
    }
}

int UserSideManager::substitutions(Game& game) {
    const int ft = game.state.fieldingTeam;
    int& chosen = reliever_[static_cast<std::size_t>(ft)];
    const int reliever = game.flags.changePitcher[static_cast<std::size_t>(ft)] ? chosen : 0;
    chosen = 0;
    return reliever;
}

bool UserSideManager::doubleSwitch(Game& game, int reliever) {
    if (game.options.designatedHitter) return false;
    if (!vrk::askYesNo(console_, kDoubleSwitchQuestion, false)) return false;
    LineupSession session;
    session.stage = LineupStage::DoubleSwitch;
    session.reliever = reliever;
    LineupScreenInGame(console_, game, managers_.bullpen(), game.state.fieldingTeam, session);
    return session.switched;
}

int UserSideManager::replacePitcher(Game& game, int team) {
    tellUser(console_, " You have pinch hit/run for your pitcher. ");
    for (;;) {
        const int entry = BullpenScreen(console_, game, managers_.bullpen(), team, true);
        if (entry > 0) {
            tellUser(console_, " This player will be the new pitcher. ");
            return entry;
        }
        // ESC is no answer here: the computer's choice comes in.
        const int fallback = FallbackReliever(game, managers_.bullpen(), team);
        if (fallback > 0) tellUser(console_, " This player will be the new pitcher. ");
        return fallback;
    }
}

void UserSideManager::warmups(Game& game) {
    WarmUpClock(game, managers_.bullpen());
}

bool UserSideManager::askYesNo(int, std::string_view question, bool defaultYes,
                               double successPercent) {
    std::string text(question);
    // Most questions carry their chance already.
    if (successPercent >= 0 && text.find('%') == std::string::npos) {
        char chance[32];
        std::snprintf(chance, sizeof chance, " (%d%%)", static_cast<int>(successPercent + 0.5));
        text += chance;
    }
    return vrk::askYesNo(console_, text, defaultYes);
}

int UserSideManager::pick(int, std::string_view title, std::span<const std::string_view> options) {
    ListWindow list;
    list.title = std::string(title);
    for (std::string_view o : options) list.lines.emplace_back(o);
    // ESC takes the first option, the default, so that no question holds the user.
    int highlight = 0;
    const ListResult r = RunListWindow(console_, list, highlight);
    return r.end != ListEnd::Picked || r.index < 0 ? 0 : r.index;
}

}  // namespace vrk
