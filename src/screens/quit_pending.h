#pragma once
#include <string_view>

#include "presentation/console.h"

namespace vrk {

// Which question "Q" asks during a game.
enum class QuitVariant {
    UndisplayedSchedule,  // a schedule replay with nothing shown: stop after this game
    DisplayedSchedule,    // a schedule replay on screen: cancel now, or finish this game
    Other,                // any other game: quit, main menu, or go on
};

QuitVariant quitVariantFor(bool scheduleReplay, bool displayed);

enum class QuitChoice {
    Continue,     // play on
    QuitPending,  // finish this game, then stop the run
    EndProgram,   // stop now and end the program (statistics saved)
    MainMenu,     // stop now and return to the main menu (statistics saved)
};

inline constexpr std::string_view kQuitPendingNote = " Quit Pending ";
inline constexpr std::string_view kCancelGamePrompt =
    " Hit 'Q' again to CANCEL this game NOW; any other to finish this game. ";
inline constexpr std::string_view kQuitPrompt =
    " Hit 'Q' again to Quit; 'N' for Main Menu; otherwise continue ";

// The interrupt key (Ctrl-C) answers like "Q".
inline constexpr char kInterruptKey = '\x03';

// Asks the variant's question and returns what the answer means. Saving
// is the caller's part.
QuitChoice askQuitPending(Console& console, QuitVariant variant);

}  // namespace vrk
