#include "screens/quit_pending.h"

#include <cctype>

#include "screens/game_messages.h"

namespace vrk {

namespace {
char answer(Console& console, std::string_view prompt) {
    const std::string key = tellUser(console, prompt, kRefusalAttribute);
    if (key.size() != 1) return 0;
    return static_cast<char>(std::toupper(static_cast<unsigned char>(key[0])));
}
}  // namespace

QuitVariant quitVariantFor(bool scheduleReplay, bool displayed) {
    if (!scheduleReplay) return QuitVariant::Other;
    return displayed ? QuitVariant::DisplayedSchedule : QuitVariant::UndisplayedSchedule;
}

QuitChoice askQuitPending(Console& console, QuitVariant variant) {
    switch (variant) {
        case QuitVariant::UndisplayedSchedule:
            console.messageBox(playAreaTop(console.rows()) + 10, playAreaLeft(console.cols()) + 32,
                               kQuitPendingNote, kRefusalAttribute, 1);
            return QuitChoice::QuitPending;
        case QuitVariant::DisplayedSchedule: {
            const char key = answer(console, kCancelGamePrompt);
            return key == 'Q' || key == kInterruptKey ? QuitChoice::EndProgram
                                                      : QuitChoice::QuitPending;
        }
        case QuitVariant::Other: {
            const char key = answer(console, kQuitPrompt);
            if (key == 'Q' || key == kInterruptKey) return QuitChoice::EndProgram;
            if (key == 'N') return QuitChoice::MainMenu;
            return QuitChoice::Continue;
        }
    }
    return QuitChoice::Continue;
}

}  // namespace vrk
