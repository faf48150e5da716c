#include "presentation/play_by_play_queue.h"

#include "core/text_fields.h"

namespace vrk {

namespace {

constexpr std::string_view kQuickPlayBanner = " Quick Play Mode                      ";

void addUnconverted(PlayByPlayQueue& queue, std::string_view text) {
    if (queue.count >= kMaxQueuedLines) return;
    queue.lines[static_cast<std::size_t>(queue.count++)] = padRight(text, kQueuedLineWidth);
}

bool walkOff(const ShowPlaySettings& s) {
    return !s.gameOver && s.inning >= s.regulationInnings && s.battingTeam == 2 &&
           s.homeScore > s.visitorsScore;
}

void pause(Console& console, int ms) {
    if (ms > 0) console.sleepMs(ms);
}

}  // namespace

void ClearPlayByPlay(PlayByPlayQueue& queue) {
    queue.count = 0;
}

void AddPlayByPlayLine(PlayByPlayQueue& queue, const TeamRefs& teams, int team,
                       std::string_view text) {
    if (queue.count >= kMaxQueuedLines) return;
    addUnconverted(queue, GenderText(teams, team, text));
}

void ShowPlay(PlayByPlayQueue& queue, const ShowPlaySettings& settings, Console& console,
              const AnnouncerEnvironment& announcer) {
    const int row0 = settings.originRow + kPanelFirstRow;
    const int col = settings.originCol + kPanelColumn;
    if (settings.playDelay == 0 && settings.bothComputerManaged) {
        console.printAt(row0, col, kQuickPlayBanner, settings.attribute);
        return;
    }
    // The deciding play of a walk-off ends the game; say so once.
    if (walkOff(settings) &&
        (queue.count == 0 ||
         trimRight(queue.lines[static_cast<std::size_t>(queue.count - 1)]) != "Game over!")) {
        if (settings.homeRunOnPlay) addUnconverted(queue, "Gone!");
        addUnconverted(queue, "Game over!");
    }

    const bool speak = settings.soundOn && settings.announcerOn;
    const std::string program = speak ? ChooseAnnouncer(announcer) : std::string{};
    const int delay = settings.playDelay;
    for (int i = 1; i <= queue.count; ++i) {
        const std::string& line = queue.lines[static_cast<std::size_t>(i - 1)];
        if ((i - 1) % kPanelRows == 0)
            console.fillArea(row0, col, kPanelRows, kPanelWidth, settings.attribute);
        const std::string shown(trimRight(line.substr(0, kPanelWidth)));
        console.printAt(row0 + (i - 1) % kPanelRows, col, shown, settings.attribute);

        if (!program.empty() && announcer.launch) {
            const std::string spoken = SpokenText(line);
            if (!spoken.empty() && announcer.launch({program, spoken}))
                pause(console, 30 * static_cast<int>(spoken.size()));
        }
        if (i == queue.count) break;
        if (i == 1 && settings.redrawBall) settings.redrawBall();
        pause(console, 200 * delay);
        if (i == 3 || i == 6) pause(console, 175 * delay);
    }
    console.refresh();
}

}  // namespace vrk
