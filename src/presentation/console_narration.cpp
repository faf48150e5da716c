#include "presentation/console_narration.h"
#include "core/text_fields.h"

#include <algorithm>
#include <cstdio>

#include "presentation/celebration.h"

namespace vrk {

namespace {
constexpr int kPlainAttribute = 7;
constexpr int kWindowAttribute = 15 + 16 * 1;
constexpr std::string_view kNotFound = "Not found in baseball.msg:";
}  // namespace

ConsoleNarration::ConsoleNarration(Console& console, const PlayByPlayCatalogue& catalogue,
                                   AnnouncerEnvironment announcer)
    : console_(console), catalogue_(catalogue), announcer_(std::move(announcer)) {}

void ConsoleNarration::attach(Game& game) {
    game_ = &game;
    game.narration = this;
    game.pacer = this;
    game.errors = this;
    ClearPlayByPlay(queue_);
    windowOpen_ = false;
}

TeamRefs ConsoleNarration::teamRefs() const {
    TeamRefs refs{};
    if (game_) {
        refs[1] = &game_->team(1);
        refs[2] = &game_->team(2);
    }
    return refs;
}

int ConsoleNarration::row(int playRow) const {
    return playAreaTop(console_.rows()) + playRow;
}
int ConsoleNarration::col(int playCol) const {
    return playAreaLeft(console_.cols()) + playCol;
}

void ConsoleNarration::message(MessageKey key, int player1, int team1, int player2, int team2) {
    if (!game_) return;
    PlayByPlayContext context;
    context.teams = teamRefs();
    context.currentFielder = game_->state.currentFielder;
    context.consoleColumns = console_.cols();
    context.quickPlay =
        game_->state.playDelay == 0 && !game_->state.userManaged[1] && !game_->state.userManaged[2];
    const std::string line =
        PlayByPlayText(catalogue_, key, player1, team1, player2, team2, context, game_->wording);
    if (line.find(kNotFound) != std::string::npos) ++missingTexts_;
    text(team1, line);
}

void ConsoleNarration::text(int team, std::string_view line) {
    AddPlayByPlayLine(queue_, teamRefs(), team, line);
    ++linesQueued_;
}

void ConsoleNarration::startPlay() {
    ClearPlayByPlay(queue_);
}

void ConsoleNarration::showPlay() {
    if (!game_) return;
    const GameState& s = game_->state;
    ShowPlaySettings settings;
    settings.playDelay = s.playDelay;
    settings.bothComputerManaged = !s.userManaged[1] && !s.userManaged[2];
    settings.soundOn = s.soundOn;
    settings.announcerOn = announcerOn;
    settings.inning = s.inning;
    settings.regulationInnings = s.regulationInnings;
    settings.battingTeam = s.battingTeam;
    settings.visitorsScore = s.score[1];
    settings.homeScore = s.score[2];
    settings.homeRunOnPlay = s.hitType == 4;
    settings.originRow = playAreaTop(console_.rows());
    settings.originCol = playAreaLeft(console_.cols());
    settings.attribute = kPlainAttribute;
    ShowPlay(queue_, settings, console_, announcer_);
}

// A compact line score left of the play-by-play panel.
void ConsoleNarration::redrawScoreboard() {
    if (!game_) return;
    const GameState& s = game_->state;
    char buffer[64];
    console_.printAt(row(1), col(1), "              1  2  3  4  5  6  7  8  9 10   R", 14);
    for (int t = 1; t <= 2; ++t) {
        std::string line = std::string(game_->team(t).teamName).substr(0, 12);
        line.resize(13, ' ');
        for (int c = 1; c <= 10; ++c) {
            const bool played = c < s.scoreboardInning ||
                                (c == s.scoreboardInning && (t == 1 || s.battingTeam == 2));
            if (played) {
                std::snprintf(buffer, sizeof buffer, "%3d", s.lineScore[t][c]);
                line += buffer;
            } else {
                line += "   ";
            }
        }
        std::snprintf(buffer, sizeof buffer, "%4d", s.score[t]);
        line += buffer;
        console_.printAt(row(1 + t), col(1), line, t == s.battingTeam ? 15 : kPlainAttribute);
    }
}

void ConsoleNarration::redrawField() {
    if (!game_) return;
    const GameState& s = game_->state;
    char buffer[80];
    std::snprintf(buffer, sizeof buffer, "%s %d  Outs: %d  Bases: %c %c %c     ",
                  s.battingTeam == 1 ? "Top" : "Bot", s.inning, s.outs, s.runnerOnFirst ? '1' : '-',
                  s.runnerOnSecond ? '2' : '-', s.runnerOnThird ? '3' : '-');
    console_.printAt(row(5), col(1), buffer, kPlainAttribute);
}

void ConsoleNarration::markBatter(int, int) {}

void ConsoleNarration::refreshAtBat() {
    if (!game_) return;
    std::string line = "At bat: " + game_->batterPlayer().playerName;
    line.resize(40, ' ');
    console_.printAt(row(6), col(1), line, kPlainAttribute);
}

void ConsoleNarration::fatigue(std::string_view text) {
    std::string line(text.substr(0, 40));
    line.resize(40, ' ');
    console_.printAt(row(7), col(1), line, kPlainAttribute);
}

void ConsoleNarration::window(std::string_view title, std::span<const std::string_view> lines) {
    if (windowOpen_) closeWindow();
    console_.pushScreen();
    windowOpen_ = true;
    std::size_t width = title.size();
    for (auto line : lines) width = std::max(width, line.size());
    width = std::min<std::size_t>(width, 74);
    const int height = static_cast<int>(lines.size()) + 2;
    const int top = row(9);
    const int left = col(40 - static_cast<int>(width / 2) - 2);
    console_.fillArea(top, left, height, static_cast<int>(width) + 4, kWindowAttribute);
    console_.drawFrame(top, left, height, static_cast<int>(width) + 4, FrameStyle::Double,
                       kWindowAttribute);
    console_.printAt(top, left + 2, std::string(title.substr(0, width)), kWindowAttribute);
    int r = top + 1;
    for (auto line : lines) {
        console_.printAt(r++, left + 2, std::string(line.substr(0, width)), kWindowAttribute);
    }
    console_.refresh();
}

void ConsoleNarration::closeWindow() {
    if (!windowOpen_) return;
    console_.popScreen();
    windowOpen_ = false;
}

void ConsoleNarration::celebrateHomeRun(bool fireworks) {
    if (!game_) return;
    CelebrationSettings settings;
    settings.originRow = playAreaTop(console_.rows());
    settings.originCol = playAreaLeft(console_.cols());
    settings.batterName = PlayerFullName(game_->batterPlayer().playerName);
    settings.soundOn = game_->state.soundOn;
    settings.fireworks = fireworks;
    console_.pushScreen();
    showHomeRunCelebration(console_, settings, game_->wording, [this](const std::string& line) {
        text(0, line);
        showPlay();
    });
    console_.popScreen();
}

void ConsoleNarration::wait(int milliseconds) {
    if (milliseconds > 0) console_.sleepMs(milliseconds);
}

bool ConsoleNarration::pollKey() {
    return !console_.pollKey().empty();
}

void ConsoleNarration::fault(std::string_view label, std::string_view detail) {
    std::string message(label);
    if (!detail.empty()) message += concat({"|", detail});
    console_.messageBox(row(10), col(10), message, 15 + 16 * 4);
}

}  // namespace vrk
