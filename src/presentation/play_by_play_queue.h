#pragma once
#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "presentation/announcer.h"
#include "presentation/console.h"
#include "presentation/gender_text.h"

namespace vrk {

inline constexpr int kMaxQueuedLines = 12;
inline constexpr std::size_t kQueuedLineWidth = 50;

// The lines of the play being told; the engine empties it when a new play
// starts.
struct PlayByPlayQueue {
    std::array<std::string, kMaxQueuedLines> lines{};
    int count = 0;
};

void ClearPlayByPlay(PlayByPlayQueue& queue);

// Queues a line, converted for a female `team` (0: no conversion) and
// fitted to 50 characters. A thirteenth line of a play is dropped.
void AddPlayByPlayLine(PlayByPlayQueue& queue, const TeamRefs& teams, int team,
                       std::string_view text);

// What showing a play needs from the game and the settings.
struct ShowPlaySettings {
    int playDelay = 0;  // 0..7
    bool bothComputerManaged = false;
    bool soundOn = false;
    bool announcerOn = false;  // the announcer-audio switch of the options
    int inning = 1;
    int regulationInnings = 9;
    int battingTeam = 1;
    int visitorsScore = 0;
    int homeScore = 0;
    bool homeRunOnPlay = false;
    bool gameOver = false;  // the closing lines, after the deciding play
    // Top-left of the centred 80 x 24 play area, as offsets added to its
    // rows and columns.
    int originRow = 0;
    int originCol = 0;
    int attribute = 7;
    // Redraws the ball for the fielder handling it, after the first line.
    std::function<void()> redrawBall;
};

inline constexpr int kPanelColumn = 42;
inline constexpr int kPanelFirstRow = 2;
inline constexpr int kPanelRows = 3;
// Inside the panel's frame, whose right side is column 80.
inline constexpr int kPanelWidth = 80 - kPanelColumn;

// Shows the queued lines three at a time in the panel right of the
// scoreboard, paced by the play delay, and hands each to the announcer.
void ShowPlay(PlayByPlayQueue& queue, const ShowPlaySettings& settings, Console& console,
              const AnnouncerEnvironment& announcer);

}  // namespace vrk
