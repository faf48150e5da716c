#include "shell/game_setup.h"

#include <algorithm>

#include "core/paths.h"
#include "core/text_fields.h"
#include "data/config_folders.h"
#include "managers/auto_lineup.h"
#include "managers/batting_order.h"
#include "managers/roster_swap.h"
#include "managers/starters.h"
#include "screens/file_chooser.h"
#include "screens/form_screen.h"
#include "screens/lineup_screen.h"
#include "screens/starter_screen.h"
#include "shell/batch_rules.h"
#include "shell/designated_hitter_lineup.h"
#include "shell/file_actions.h"

namespace vrk {

namespace {

constexpr int kQuestionAttribute = 15 + 16 * 4;
constexpr int kTextAttribute = 15;
constexpr int kMinimumManualDelay = 2;
constexpr int kRaisedManualDelay = 3;

ScreenLayout Layout(const Console& console) {
    return layoutFor(console.rows(), console.cols());
}

// The configuration used to load teams from the folder the user chose.
Config LoadingConfig(const Session& session, const GameSetup& setup) {
    Config config = session.config;
    if (!setup.folder.empty()) config.dataPath = setup.folder;
    return config;
}

FileChooser TeamChooser(Console& console, Session& session, const char* prompt) {
    FileChooser chooser;
    chooser.title = "Team Files";
    chooser.prompt = prompt;
    chooser.patterns = {"*.DAT"};
    chooser.footer = kTeamListFooter;
    chooser.actions = {
        {'V', [&console, &session](const std::string& p) { viewFile(console, session, p); }},
        {'E', [&console, &session](const std::string& p) { editFile(console, session, p); }},
        {'A', [&console, &session](const std::string& p) { auxFile(console, session, p); }}};
    return chooser;
}

void ShowChosenTeams(Console& console, const GameSetup& setup) {
    const ScreenLayout l = Layout(console);
    console.printAt(l.top + 1, l.left + 2, "Visiting Team: " + setup.visitorsFile, kTextAttribute);
    if (!setup.homeFile.empty())
        console.printAt(l.top + 2, l.left + 2, "   Home Team: " + setup.homeFile, kTextAttribute);
}

bool Ask(Console& console, const std::string& question, bool defaultYes) {
    const ScreenLayout l = Layout(console);
    return AskYesNo(console, l.top + 12, l.left + 20, question, defaultYes);
}

std::string YesNo(bool on) {
    return on ? "Y" : "N";
}

// The line-up screen of one side before its game(s).
void LineupBefore(Console& console, Session& session, GameSetup& setup, int t) {
    LineupBeforeGame before;
    before.designatedHitter = setup.designatedHitter;
    before.rng = &session.rng;
    before.ownStarter = setup.starter[t];
    const int other = setup.starter[3 - t];
    if (other > 0) before.opposingHand = setup.teams[3 - t].player(other).hand;
    LineupScreenBeforeGame(console, setup.teams[t], before);
    setup.lineup[t] = keptLineup(setup.teams[t]);
}

// The user's starter and line-up for each side the user manages.
void UserSides(Console& console, Session& session, GameSetup& setup) {
    for (int t = 1; t <= 2; ++t) {
        if (!setup.userManages(t)) continue;
        setup.starter[t] =
            StarterScreen(console, setup.teams[t], session.config.daysOffRule, false);
    }
    for (int t = 1; t <= 2; ++t) {
        if (setup.userManages(t) || session.config.forceLineup)
            LineupBefore(console, session, setup, t);
    }
}

}  // namespace

bool GameSetup::userManages(int team) const {
    if (mode != 'M') return false;
    return !manager.computerManages[team];
}

int GameSetup::delay() const {
    return mode == 'M' ? manager.delay : simulation.delay;
}

bool GameSetup::sound() const {
    // Simulations run without sound.
    return mode == 'M' && manager.sound && manager.delay > 0;
}

bool GameSetup::standingsOnly() const {
    return mode == 'T' && simulation.delay == 0 && !simulation.pauseAfterGame &&
           !simulation.pauseAfterDate;
}

std::string defaultDhChoice(const Team& visitors, const Team& home) {
    return YesNo(designatedHitterGame("H", visitors, home, false));
}

std::string defaultAutoRunnerChoice(const Team& home) {
    return YesNo(automaticRunnerGame("H", home, false));
}

std::string dhQuestion(bool defaultYes) {
    return defaultYes ? " Use Designated Hitter? [Y/n] " : " Use Designated Hitter? [y/N] ";
}

std::string defaultSimulationNormalization(const Team& visitors, const Team& home) {
    return visitors.season != home.season ? "H" : "";
}

std::array<char, 3> strategyKeys(bool conceal, const std::array<bool, 3>& userManaged) {
    std::array<char, 3> keys{' ', ' ', ' '};
    // Without concealment one key serves whichever side the user manages.
    keys[1] = userManaged[1] ? 'S' : ' ';
    keys[2] = userManaged[2] ? (conceal ? '5' : 'S') : ' ';
    return keys;
}

std::vector<std::string> strategyKeyLines(const GameSetup& setup) {
    std::vector<std::string> lines;
    if (setup.strategyKey[1] != ' ')
        lines.push_back(std::string("Visiting team: Press ") + setup.strategyKey[1] +
                        " to pop up Strategy window.");
    if (setup.strategyKey[2] != ' ')
        lines.push_back(std::string("Home team    : Press ") + setup.strategyKey[2] +
                        " to pop up Strategy window.");
    return lines;
}

bool chooseTeams(Console& console, Session& session, GameSetup& setup) {
    if (setup.folder.empty()) setup.folder = dataFolder(session.config);
    console.clear();
    int highlight = 0;
    setup.visitorsFile.clear();
    setup.homeFile.clear();
    const auto visitors = ChooseFile(console, TeamChooser(console, session, kVisitingPrompt),
                                     setup.folder, highlight);
    if (!visitors) return false;
    setup.visitorsFile = fileNamePart(*visitors);
    ShowChosenTeams(console, setup);
    // The home list starts on the next team: the same team twice is rarely meant.
    ++highlight;
    const auto home =
        ChooseFile(console, TeamChooser(console, session, kHomePrompt), setup.folder, highlight);
    if (!home) return false;
    setup.homeFile = fileNamePart(*home);
    ShowChosenTeams(console, setup);
    return true;
}

bool loadSetupTeams(Console& console, Session& session, GameSetup& setup) {
    const TeamLoadResult load = loadTeamPair(setup.teams, setup.visitorsFile, setup.homeFile,
                                             LoadingConfig(session, setup));
    for (const std::string& warning : load.warnings) tellUser(console, session, warning);
    return !load.abort;
}

bool reloadTeams(Console& console, Session& session, GameSetup& setup) {
    if (!loadSetupTeams(console, session, setup)) return false;
    for (int t = 1; t <= 2; ++t) fitLineupToRule(setup.teams[t], setup.designatedHitter);
    // The line-ups the user set stand for every game of the run.
    for (int t = 1; t <= 2; ++t) restoreLineup(setup.teams[t], setup.lineup[t]);
    return true;
}

std::vector<std::string> keptLineup(const Team& team) {
    std::vector<std::string> names;
    for (int slot = 1; slot <= kLineupSize; ++slot) names.push_back(team.player(slot).playerName);
    return names;
}

void restoreLineup(Team& team, const std::vector<std::string>& names) {
    if (names.size() != static_cast<std::size_t>(kLineupSize)) return;
    for (int slot = 1; slot <= kLineupSize; ++slot) {
        const std::string& name = names[slot - 1];
        for (int e = slot; e <= std::min(team.playerCount, kMaxRosterEntries); ++e) {
            if (team.player(e).playerName != name) continue;
            const int held = team.player(slot).lineupPosition;
            swapEntries(team, slot, e);
            // A bench player takes the position of the man he replaced.
            if (e > kLineupSize) {
                team.player(slot).lineupPosition = held;
                team.player(e).lineupPosition = team.player(e).defaultPosition;
            }
            break;
        }
    }
}

void askRuleQuestions(Console& console, Session& session, GameSetup& setup) {
    const Team& visitors = setup.teams[1];
    const Team& home = setup.teams[2];
    const bool dhDefault = defaultDhChoice(visitors, home) == "Y";
    setup.rules.dhChoice = YesNo(Ask(console, dhQuestion(dhDefault), dhDefault));
    const bool runnerDefault = defaultAutoRunnerChoice(home) == "Y";
    setup.rules.autoRunnerChoice = YesNo(Ask(console, kAutoRunnerQuestion, runnerDefault));
    console.sleepMs(300);
    (void)session;
}

void resolveRules(GameSetup& setup) {
    const Team& visitors = setup.teams[1];
    const Team& home = setup.teams[2];
    setup.designatedHitter =
        designatedHitterGame(setup.rules.dhChoice, visitors, home, setup.designatedHitter);
    for (int t = 1; t <= 2; ++t) fitLineupToRule(setup.teams[t], setup.designatedHitter);
    setup.automaticRunner =
        automaticRunnerGame(setup.rules.autoRunnerChoice, home, setup.automaticRunner);
}

void askConcealment(Console& console, Session& session, GameSetup& setup) {
    (void)session;
    setup.conceal = false;
    const std::array<bool, 3> user{false, setup.userManages(1), setup.userManages(2)};
    if (user[1] && user[2]) {
        setup.conceal = Ask(console,
                            "The computer is not managing either team.|"
                            "Are there two players involved here?|"
                            "[i.e., do you need to conceal your strategy?] [y/N] ",
                            false);
    }
    setup.strategyKey = strategyKeys(setup.conceal, user);
}

void showBeginScreen(Console& console, Session& session, const GameSetup& setup) {
    (void)session;
    const ScreenLayout l = Layout(console);
    console.clear();
    int row = l.top + 8;
    for (const std::string& line : strategyKeyLines(setup))
        console.printAt(row++, l.left + 10, line, kTextAttribute);
    console.printAt(l.top + 12, l.left + 7, kTip, 14);
    console.printAt(l.top + 14, l.left + 26, kBeginPrompt, kQuestionAttribute);
    console.waitKey();
    console.clear();
}

bool setUpManualGame(Console& console, Session& session, GameSetup& setup) {
    setup.mode = 'M';
    setup.rules = batchRulesFrom(session.run, session.config);
    if (!chooseTeams(console, session, setup)) return false;
    if (!loadSetupTeams(console, session, setup)) return false;
    askRuleQuestions(console, session, setup);
    resolveRules(setup);

    ManagerOptions& m = setup.manager;
    m.delay = session.config.mModeDelay < kMinimumManualDelay
                  ? kRaisedManualDelay
                  : std::min(session.config.mModeDelay, 7);
    m.sound = session.config.mModeSound == 'Y';
    console.clear();
    ManagerOptionsWindow(console, m);
    setup.rules.normalizeMode = m.normalize;
    setup.rules.normalization = normalizationTarget(session.config.leagueRows, m.normalize);
    setup.rules.regression = m.focusing;

    console.clear();
    UserSides(console, session, setup);
    askConcealment(console, session, setup);
    return true;
}

bool setUpTwoTeamGames(Console& console, Session& session, GameSetup& setup) {
    setup.mode = 'T';
    setup.rules = batchRulesFrom(session.run, session.config);
    if (!chooseTeams(console, session, setup)) return false;
    if (!loadSetupTeams(console, session, setup)) return false;

    TwoTeamSettings& s = setup.twoTeam;
    s.designatedHitter = defaultDhChoice(setup.teams[1], setup.teams[2]) == "Y";
    s.automaticRunner = defaultAutoRunnerChoice(setup.teams[2]) == "Y";
    console.clear();
    TwoTeamSettingsWindow(console, s);
    setup.rules.dhChoice = YesNo(s.designatedHitter);
    setup.rules.autoRunnerChoice = YesNo(s.automaticRunner);
    setup.rules.rotation.spotStarters = s.spotStarters ? 'Y' : 'N';
    resolveRules(setup);

    SimulationOptions& o = setup.simulation;
    o.normalize = defaultSimulationNormalization(setup.teams[1], setup.teams[2]);
    console.clear();
    MoreSimulationOptionsWindow(console, o);
    setup.rules.normalizeMode = o.normalize;
    setup.rules.normalization = normalizationTarget(session.config.leagueRows, o.normalize);
    setup.rules.regression = o.focusing;
    for (int t = 1; t <= 2; ++t) {
        // A side's own setting wins; otherwise the simulation's applies.
        setup.rules.autoLineup[t] = s.autoLineup[t] || o.autoLineup;
        setup.rules.battingOrder[t] = s.battingOrder[t] != 'N' ? s.battingOrder[t] : o.battingOrder;
    }
    if (session.config.forceLineup) {
        for (int t = 1; t <= 2; ++t) LineupBefore(console, session, setup, t);
    }
    setup.strategyKey = {' ', ' ', ' '};
    return true;
}

void prepareGame(Game& game, GameSetup& setup, BatchCarry& carry, bool displayed) {
    GameOptions& o = game.options;
    o = GameOptions{};
    o.regressionOption = setup.rules.regression;
    o.normalizeMode = setup.rules.normalizeMode;
    o.normalizationHomeRunRate = setup.rules.normalization.homeRunRate;
    o.designatedHitter = setup.designatedHitter;
    o.automaticRunner = setup.automaticRunner;
    o.displayed = displayed;
    o.playDelay = displayed ? setup.delay() : 0;
    o.sound = displayed && setup.sound();
    o.userManaged = {false, setup.userManages(1), setup.userManages(2)};
    o.starter = setup.starter;
    carry.designatedHitter = setup.designatedHitter;
    carry.automaticRunner = setup.automaticRunner;
    game.record = &carry.record;
    game.errors = &carry.faults;
    game.managers = &carry.managers;

    ChooseStarters(game, carry.rotations, setup.rules.rotation);
    for (int t = 1; t <= 2; ++t) {
        if (setup.userManages(t)) continue;
        const bool changed = setup.rules.autoLineup[t] && AUTOLINEUP(game, t);
        BattingOrder(game, t, setup.rules.battingOrder[t], changed);
    }
}

}  // namespace vrk
