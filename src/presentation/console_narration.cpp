#include "presentation/console_narration.h"
#include "core/text_fields.h"

#include <algorithm>
#include <cstdio>

#include "engine/engine_helpers.h"
#include "presentation/celebration.h"

namespace vrk {

namespace {
constexpr int kPlainAttribute = 7;
constexpr int kWindowAttribute = 15 + 16 * 1;
constexpr std::string_view kNotFound = "Not found in baseball.msg:";

// A home side ahead after the top of its last inning never bats, yet the game
// has already turned to the bottom half when it ends: the half drawn is the
// one that was played.
int shownBattingTeam(const GameState& s) {
    const bool bottomNeverBegan =
        s.gameOver && s.battingTeam == kHome && s.outs >= 3 && s.score[kHome] > s.score[kVisitors];
    return bottomNeverBegan ? kVisitors : s.battingTeam;
}
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
    ballAt_ = 0;
    markedSlot_ = 0;
    fatigue_.clear();
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
    context.currentFielder = game_->state.play.currentFielder;
    context.consoleColumns = console_.cols();
    context.quickPlay = game_->state.display.playDelay == 0 &&
                        !game_->state.display.userManaged[1] &&
                        !game_->state.display.userManaged[2];
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
    ballAt_ = 0;
}

void ConsoleNarration::showPlay() {
    if (!game_) return;
    const GameState& s = game_->state;
    ShowPlaySettings settings;
    settings.playDelay = s.display.playDelay;
    settings.bothComputerManaged = !s.display.userManaged[1] && !s.display.userManaged[2];
    settings.soundOn = s.display.soundOn;
    settings.announcerOn = announcerOn;
    settings.inning = s.inning;
    settings.regulationInnings = s.rules.regulationInnings;
    settings.battingTeam = s.battingTeam;
    settings.visitorsScore = s.score[1];
    settings.homeScore = s.score[2];
    settings.homeRunOnPlay = s.play.hitType == 4;
    settings.gameOver = s.gameOver;
    settings.originRow = playAreaTop(console_.rows());
    settings.originCol = playAreaLeft(console_.cols());
    settings.attribute = boardColours_.normal;
    settings.redrawBall = [this] {
        ballAt_ = game_->state.play.currentFielder;
        drawField();
    };
    ShowPlay(queue_, settings, console_, announcer_);
}

void ConsoleNarration::setColours(const ScoreboardColours& board, const FieldColours& field) {
    boardColours_ = board;
    fieldColours_ = field;
}

void ConsoleNarration::drawScreen() {
    if (!game_) return;
    // Everything above the status bar: play rows 1..23 of an 80 x 24 screen.
    console_.fillArea(1, 1, std::max(console_.rows() - 1, 1), console_.cols(), kPlainAttribute);
    drawScoreboardFrame(console_, row(0), col(0), boardColours_);
    redrawScoreboard();
    drawField();
}

void ConsoleNarration::drawScreenAndWindow() {
    if (!windowOpen_) {
        drawScreen();
        return;
    }
    const std::string title = windowTitle_;
    const std::vector<std::string> lines = windowLines_;
    closeWindow();
    drawScreen();
    const std::vector<std::string_view> views(lines.begin(), lines.end());
    window(title, views);
}

void ConsoleNarration::redrawScoreboard() {
    if (!game_) return;
    const GameState& s = game_->state;
    ScoreboardView view;
    for (int t = 1; t <= 2; ++t) {
        const auto i = static_cast<std::size_t>(t);
        view.names[i] = game_->team(t).teamName;
        view.hits[i] = game_->counters.team[i].hits;
        view.errors[i] = game_->counters.team[i].errors;
    }
    view.lineScore = s.lineScore;
    view.column = s.scoreboardInning;
    view.battingTeam = shownBattingTeam(s);
    view.outs = s.outs;
    view.runs = s.score;
    drawScoreboard(console_, row(0), col(0), view, boardColours_);
}

void ConsoleNarration::drawField() {
    if (!game_) return;
    const GameState& s = game_->state;
    const int bt = shownBattingTeam(s);
    const int ft = otherTeam(bt);
    FieldView view;
    view.inning = s.inning;
    view.battingTeam = bt;
    view.runnerOn = {false, s.runnerOnFirst != 0, s.runnerOnSecond != 0, s.runnerOnThird != 0};
    view.ballAt = ballAt_;
    const Team& batting = game_->team(bt);
    view.battingClub = scoreboardName(batting.teamName);
    if (s.batter > 0) view.batter = PlayerFullName(batting.player(s.batter).playerName);
    const int pitcher = s.currentPitcher[static_cast<std::size_t>(ft)];
    if (pitcher > 0) view.pitcher = PlayerFullName(game_->team(ft).player(pitcher).playerName);
    view.pitchCount = s.pitchCount[static_cast<std::size_t>(ft)];
    const int ownPitcher = s.currentPitcher[static_cast<std::size_t>(bt)];
    for (int slot = 1; slot <= 9; ++slot) {
        // A batting pitcher's slot holds a place-holder line; show who pitches.
        int entry = SlotPlayer(*game_, bt, slot);
        if (batting.player(slot).lineupPosition == kPitcher && ownPitcher > 0) entry = ownPitcher;
        if (entry > 0)
            view.lineup[static_cast<std::size_t>(slot)] =
                PlayerFullName(batting.player(entry).playerName);
    }
    view.batterSlot = markedSlot_ > 0 ? markedSlot_ : s.currentBatterSlot;
    view.fatigue = fatigue_;
    ::vrk::drawField(console_, row(0), col(0), view, fieldColours_);
}

void ConsoleNarration::redrawField() {
    drawField();
}

void ConsoleNarration::markBatter(int, int slot) {
    markedSlot_ = slot;
}

void ConsoleNarration::refreshAtBat() {
    drawField();
}

void ConsoleNarration::fatigue(std::string_view text) {
    fatigue_ = std::string(text.substr(0, 40));
    drawField();
}

void ConsoleNarration::window(std::string_view title, std::span<const std::string_view> lines) {
    if (windowOpen_) closeWindow();
    console_.pushScreen();
    windowOpen_ = true;
    windowTitle_ = title;
    windowLines_.assign(lines.begin(), lines.end());
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
    settings.soundOn = game_->state.display.soundOn;
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
