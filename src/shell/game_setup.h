#pragma once
#include <array>
#include <string>
#include <vector>

#include "data/team_file.h"
#include "engine/game.h"
#include "presentation/console.h"
#include "screens/options_windows.h"
#include "shell/batch_game.h"
#include "shell/session.h"

namespace vrk {

// The texts of the set-up screens.
inline constexpr const char* kVisitingPrompt = "  Dbl-click (or Enter) VISITING TEAM ";
inline constexpr const char* kHomePrompt = "  Dbl-click (or Enter) HOME TEAM     ";
inline constexpr const char* kTeamListFooter = "[V]iew [E]dit [A]ux  PgUp/PgDn";
inline constexpr const char* kTip =
    "Tip: Click on any empty area on the bottom row of screen to pitch.";
inline constexpr const char* kBeginPrompt = " Hit/Click Any Key to Begin ";

// What the set-up of a Manual or Two-Team game decided.
struct GameSetup {
    char mode = 'M';                     // 'M' Manual, 'T' Two-Team
    std::string folder;                  // where the team files were chosen
    std::string visitorsFile, homeFile;  // file names within the folder
    TeamSlots teams;
    BatchRules rules;  // rule choices, normalisation, rotation, line-ups
    bool designatedHitter = false;
    bool automaticRunner = false;
    ManagerOptions manager;        // Manual
    TwoTeamSettings twoTeam;       // Two-Team
    SimulationOptions simulation;  // Two-Team
    PerTeam<int> starter{};        // the user's picks; 0 = the rotation's
    bool conceal = false;
    std::array<char, 3> strategyKey{' ', ' ', ' '};
    // The batting order the user set on the line-up screen, by name; kept
    // for the games of a run, which read the team files again.
    std::array<std::vector<std::string>, 3> lineup;

    // The side the user manages.
    bool userManages(int team) const;
    int delay() const;
    bool sound() const;
    // Standings-only: a Two-Team run at delay 0 with neither pause set.
    bool standingsOnly() const;
};

// The designated-hitter choice offered at the menu: "Y" or "N" by the home
// team's league and season (and its DH= keyword).
std::string defaultDhChoice(const Team& visitors, const Team& home);
// The same for the automatic runner.
std::string defaultAutoRunnerChoice(const Team& home);
// The question as shown: the capital letter is the answer any other key gives.
std::string dhQuestion(bool defaultYes);
inline constexpr const char* kAutoRunnerQuestion = " Use Automatic Runner? [Y/N] ";

// The cross-era normalisation a Two-Team run starts with: "H" when the two
// teams' seasons differ, else blank.
std::string defaultSimulationNormalization(const Team& visitors, const Team& home);

// The strategy keys: "S" for the visitors and "5" for the home side when
// two users share the console, else " " for a side the computer manages.
std::array<char, 3> strategyKeys(bool conceal, const std::array<bool, 3>& userManaged);
// The lines telling each user side its key.
std::vector<std::string> strategyKeyLines(const GameSetup& setup);

// The Manual and Two-Team set-up on the console, every step in order.
// Returns false when the user backed out or a team could not be loaded
// (after telling why); the caller returns to the main menu.
bool setUpManualGame(Console& console, Session& session, GameSetup& setup);
bool setUpTwoTeamGames(Console& console, Session& session, GameSetup& setup);

// The steps, exposed so that each can be checked on its own.
bool chooseTeams(Console& console, Session& session, GameSetup& setup);
bool loadSetupTeams(Console& console, Session& session, GameSetup& setup);
void askRuleQuestions(Console& console, Session& session, GameSetup& setup);
void resolveRules(GameSetup& setup);
void askConcealment(Console& console, Session& session, GameSetup& setup);
// The tip, the strategy keys and the key to begin; waits for a key.
void showBeginScreen(Console& console, Session& session, const GameSetup& setup);

// A side's batting order by name, and the same order put back into a
// team read again from its file (names not found are left as they are).
std::vector<std::string> keptLineup(const Team& team);
void restoreLineup(Team& team, const std::vector<std::string>& names);

// Reads the setup's teams again (before each game of a run).
bool reloadTeams(Console& console, Session& session, GameSetup& setup);

// Puts the setup's choices into a game built over setup.teams: rules,
// managers, pace, starters (the user's picks, the rotation's for the rest)
// and the computer's line-ups.
void prepareGame(Game& game, GameSetup& setup, BatchCarry& carry, bool displayed);

}  // namespace vrk
