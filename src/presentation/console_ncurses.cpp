// The terminal backend: the shared grid is drawn with ncursesw, glyphs as
// Unicode, and keys and mouse events are turned into the PC key codes.
#define NCURSES_NOMACROS
#include "presentation/console_ncurses.h"

#include <curses.h>
#include <langinfo.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <termios.h>

#include <array>
#include <atomic>
#include <chrono>
#include <clocale>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

#include "core/process.h"
#include "presentation/console_glyphs.h"
#include "presentation/console_keys.h"

namespace vrk {

namespace {

// What the signal handlers need, and nothing more. A handler may only touch
// lock-free atomics and call async-signal-safe functions (write, tcsetattr,
// signal, raise), so it counts interrupts here and the key reader turns
// them into keys; the terminal settings from before ncurses are kept to be
// put back by a crash handler.
std::atomic<int> pendingInterrupts{0};
std::atomic<bool> terminating{false};
static_assert(std::atomic<int>::is_always_lock_free);
static_assert(std::atomic<bool>::is_always_lock_free);
termios savedTerminal{};
volatile std::sig_atomic_t terminalSaved = 0;

extern "C" void onInterrupt(int) {
    pendingInterrupts.fetch_add(1);
}

extern "C" void onTerminate(int) {
    terminating.store(true);
}

extern "C" void onCrash(int signal) {
    if (terminalSaved) tcsetattr(STDIN_FILENO, TCSANOW, &savedTerminal);
    // Leave the alternate screen, show the cursor, stop mouse reports.
    static const char kReset[] = "\033[?1000l\033[?1002l\033[?1006l\033[?25h\033[?1049l\r\n";
    [[maybe_unused]] const auto written = write(STDOUT_FILENO, kReset, sizeof kReset - 1);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void installSignalHandlers() {
    struct sigaction action {};
    sigemptyset(&action.sa_mask);
    action.sa_handler = onInterrupt;
    sigaction(SIGINT, &action, nullptr);
    action.sa_handler = onTerminate;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
    action.sa_handler = onCrash;
    action.sa_flags = static_cast<int>(SA_RESETHAND);
    for (int sig : {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL}) sigaction(sig, &action, nullptr);
}

void restoreSignalHandlers() {
    for (int sig : {SIGINT, SIGTERM, SIGHUP, SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL})
        std::signal(sig, SIG_DFL);
    terminalSaved = 0;
}

constexpr std::string_view kInterruptCode{"\x03", 1};

// PC colour order to curses colour numbers (PC 1 is blue, curses 1 is red).
constexpr std::array<short, 8> kCursesColour{COLOR_BLACK, COLOR_BLUE,    COLOR_GREEN,  COLOR_CYAN,
                                             COLOR_RED,   COLOR_MAGENTA, COLOR_YELLOW, COLOR_WHITE};

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

std::string keyForCurses(int code) {
    if (code >= KEY_F(1) && code <= KEY_F(12)) return functionKey(code - KEY_F(0));
    switch (code) {
        case KEY_UP:
            return extendedKey(kScanUp);
        case KEY_DOWN:
            return extendedKey(kScanDown);
        case KEY_LEFT:
            return extendedKey(kScanLeft);
        case KEY_RIGHT:
            return extendedKey(kScanRight);
        case KEY_HOME:
            return extendedKey(kScanHome);
        case KEY_END:
            return extendedKey(kScanEnd);
        case KEY_PPAGE:
            return extendedKey(kScanPgUp);
        case KEY_NPAGE:
            return extendedKey(kScanPgDn);
        case KEY_IC:
            return extendedKey(kScanIns);
        case KEY_DC:
            return extendedKey(kScanDel);
        case KEY_BTAB:
            return extendedKey(kScanShiftTab);
        case KEY_ENTER:
            return std::string(kKeyEnter);
        case KEY_BACKSPACE:
            return std::string(kKeyBackspace);
        default:
            return {};
    }
}

std::string keyForCharacter(wint_t ch) {
    if (ch == '\n' || ch == '\r') return std::string(kKeyEnter);
    if (ch == 127 || ch == 8) return std::string(kKeyBackspace);
    const auto byte = unicodeToCp437(static_cast<char32_t>(ch));
    if (!byte) return {};
    return std::string(1, static_cast<char>(*byte));
}

std::string keyForMouse() {
    MEVENT event{};
    if (getmouse(&event) != OK) return {};
    MouseKind kind;
    if (event.bstate & BUTTON1_DOUBLE_CLICKED) {
        kind = MouseKind::DoubleClick;
    } else if (event.bstate & BUTTON1_CLICKED) {
        kind = MouseKind::LeftClick;
    } else if (event.bstate & BUTTON3_CLICKED) {
        kind = MouseKind::RightClick;
    } else if (event.bstate & BUTTON4_PRESSED) {
        kind = MouseKind::WheelUp;
#ifdef BUTTON5_PRESSED
    } else if (event.bstate & BUTTON5_PRESSED) {
        kind = MouseKind::WheelDown;
#endif
    } else {
        return {};
    }
    return mouseCode(MouseEvent{kind, event.y + 1, event.x + 1});
}

class NcursesConsole final : public Console {
  public:
    NcursesConsole(int rows, int cols) : Console(rows, cols) {
        const bool manyColours = has_colors() && COLORS >= 16 && COLOR_PAIRS > 256;
        mode_ = !has_colors() ? Mode::Mono : manyColours ? Mode::Sixteen : Mode::Eight;
        wtitle_ = std::getenv("TERM") && std::strncmp(std::getenv("TERM"), "linux", 5) != 0;
    }
    ~NcursesConsole() override {
        endwin();
        restoreSignalHandlers();
    }

    std::string waitKey() override { return readKey(true); }
    std::string pollKey() override { return readKey(false); }
    void beep() override { ::beep(); }

    void setTitle(std::string_view title) override {
        if (!wtitle_) return;
        // Names in titles come from user files: control bytes would end the
        // sequence early and reach the terminal as commands.
        std::string text = "\033]0;";
        for (unsigned char ch : title)
            if (ch >= 32 && ch != 127) appendUtf8(text, cp437ToUnicode(ch));
        text += "\007";
        std::fputs(text.c_str(), stdout);
        std::fflush(stdout);
    }

    void sleepMs(int ms) override {
        refresh();
        if (ms > 0) napms(ms);
    }

    void refresh() override {
        if (tooSmall_) return;
        for (int r = 1; r <= rows(); ++r) {
            if (!rowChanged(r)) continue;
            for (int c = 1; c <= cols(); ++c) drawCell(r, c);
        }
        markClean();
        if (cursorVisible()) {
            curs_set(1);
            wmove(stdscr, cursorRow() - 1, cursorCol() - 1);
        } else {
            curs_set(0);
        }
        wrefresh(stdscr);
    }

    int runForeground(const std::vector<std::string>& argv) override {
        def_prog_mode();
        endwin();
        const int status = runAndWait(argv);
        reset_prog_mode();
        markAllChanged();
        clearok(stdscr, TRUE);
        refresh();
        return status;
    }

  private:
    enum class Mode { Mono, Eight, Sixteen };

    void drawCell(int r, int c) {
        const Cell cell = cellAt(r, c);
        const int fg = cell.attribute & 15;
        const int bg = (cell.attribute >> 4) & 15;
        attr_t attrs = A_NORMAL;
        short pair = 0;
        if (mode_ == Mode::Sixteen) {
            pair = colourPair(fg, bg, 16);
        } else if (mode_ == Mode::Eight) {
            pair = colourPair(fg & 7, bg & 7, 8);
            if (fg & 8) attrs |= A_BOLD;
        } else {
            if (bg != 0) attrs |= A_REVERSE;
            if (fg & 8) attrs |= A_BOLD;
        }
        wchar_t text[2] = {static_cast<wchar_t>(cp437ToUnicode(cell.ch)), 0};
        cchar_t cc{};
        setcchar(&cc, text, attrs, pair, nullptr);
        // The bottom-right cell reports an error (the cursor cannot move on)
        // but is drawn all the same.
        mvwadd_wch(stdscr, r - 1, c - 1, &cc);
    }

    // Pairs are made on first use: 1 + fg + n * bg.
    short colourPair(int fg, int bg, int n) {
        const int pair = 1 + fg + n * bg;
        if (pair >= COLOR_PAIRS) return 0;
        if (!pairMade_[static_cast<std::size_t>(pair)]) {
            auto curses = [&](int pc) {
                return static_cast<short>(kCursesColour[static_cast<std::size_t>(pc & 7)] +
                                          ((pc & 8) ? 8 : 0));
            };
            init_pair(static_cast<short>(pair), curses(fg), curses(bg));
            pairMade_[static_cast<std::size_t>(pair)] = true;
        }
        return static_cast<short>(pair);
    }

    // The terminal's new size: the grid follows it, or, below 80 x 24, a
    // message asks for a larger window and nothing else is drawn until then.
    void resized() {
        if (LINES < kMinTerminalRows || COLS < kMinTerminalCols) {
            tooSmall_ = true;
            werase(stdscr);
            const std::string text = "The terminal is " + std::to_string(COLS) + " x " +
                                     std::to_string(LINES) + "; please make it at least 80 x 24.";
            mvwaddnstr(stdscr, 0, 0, text.c_str(), COLS);
            wrefresh(stdscr);
            return;
        }
        tooSmall_ = false;
        resizeGrid(LINES, COLS);
        markAllChanged();
        clearok(stdscr, TRUE);
        refresh();
    }

    std::string readKey(bool wait) {
        refresh();
        // Asked to end (SIGTERM, or the terminal hung up): every read is an
        // interrupt, so the game stops the way a user's "Q Q" stops it, with
        // its statistics saved. A screen that does not listen to it is left
        // after a while by an exception, which still gives the terminal back.
        if (terminating.load()) {
            if (++terminateReads_ > kMaxTerminateReads)
                throw std::runtime_error(
                    "stopped: the terminal closed or the program was told to end");
            return std::string(kInterruptCode);
        }
        for (;;) {
            // An interrupt reads as a key; it is checked between short waits,
            // since a signal does not always end a blocking read.
            int pending = pendingInterrupts.load();
            while (pending > 0 && !pendingInterrupts.compare_exchange_weak(pending, pending - 1)) {
            }
            if (pending > 0) return std::string(kInterruptCode);
            // Below the smallest size the program waits for a larger window.
            wtimeout(stdscr, wait || tooSmall_ ? 200 : 0);
            wint_t ch = 0;
            const auto asked = std::chrono::steady_clock::now();
            const int kind = wget_wch(stdscr, &ch);
            if (kind == ERR) {
                if (!wait && !tooSmall_) return {};
                // A terminal that has gone away answers at once, for ever.
                if (std::chrono::steady_clock::now() - asked < std::chrono::milliseconds(20)) {
                    if (++instantErrors_ > kMaxInstantErrors) terminating.store(true);
                } else {
                    instantErrors_ = 0;
                }
                if (terminating.load()) return readKey(wait);
                continue;
            }
            instantErrors_ = 0;
            std::string key;
            if (kind == KEY_CODE_YES) {
                if (ch == KEY_RESIZE) {
                    resized();
                    continue;
                }
                key = ch == KEY_MOUSE ? keyForMouse() : keyForCurses(static_cast<int>(ch));
            } else {
                key = keyForCharacter(ch);
            }
            if (tooSmall_) continue;
            if (!key.empty()) return key;
            if (!wait) return {};
        }
    }

    Mode mode_;
    bool wtitle_;
    bool tooSmall_ = false;
    static constexpr int kMaxTerminateReads = 50;
    int terminateReads_ = 0;
    static constexpr int kMaxInstantErrors = 100;
    int instantErrors_ = 0;
    std::array<bool, 258> pairMade_{};
};

}  // namespace

TerminalConsole openTerminalConsole() {
    if (!isatty(STDIN_FILENO) || !isatty(STDOUT_FILENO))
        return {nullptr,
                "Varkon Simulator needs a terminal for its screens; use \"vrk --batch\" to "
                "play games without one."};
    winsize size{};
    if (ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_row > 0 &&
        (size.ws_row < kMinTerminalRows || size.ws_col < kMinTerminalCols)) {
        return {nullptr, "The terminal is " + std::to_string(size.ws_col) + " columns by " +
                             std::to_string(size.ws_row) +
                             " rows; Varkon Simulator needs at least 80 columns by 24 rows. "
                             "Please enlarge the window and start again."};
    }
    // Only the character type: number formatting and parsing elsewhere must
    // keep the "C" decimal point whatever the user's language.
    std::setlocale(LC_CTYPE, "");
    if (std::strcmp(nl_langinfo(CODESET), "UTF-8") != 0) std::setlocale(LC_CTYPE, "C.UTF-8");
    if (tcgetattr(STDIN_FILENO, &savedTerminal) == 0) terminalSaved = 1;
    if (initscr() == nullptr) return {nullptr, "The terminal could not be opened."};
    if (LINES < kMinTerminalRows || COLS < kMinTerminalCols) {
        const int rows = LINES, cols = COLS;
        endwin();
        return {nullptr, "The terminal is " + std::to_string(cols) + " columns by " +
                             std::to_string(rows) +
                             " rows; Varkon Simulator needs at least 80 columns by 24 rows. "
                             "Please enlarge the window and start again."};
    }
    raw();
    noecho();
    nonl();
    keypad(stdscr, TRUE);
    set_escdelay(25);
    if (has_colors()) start_color();
    mousemask(BUTTON1_CLICKED | BUTTON1_DOUBLE_CLICKED | BUTTON3_CLICKED | BUTTON4_PRESSED
#ifdef BUTTON5_PRESSED
                  | BUTTON5_PRESSED
#endif
              ,
              nullptr);
    curs_set(0);
    pendingInterrupts.store(0);
    terminating.store(false);
    installSignalHandlers();
    auto console = std::make_unique<NcursesConsole>(LINES, COLS);
    console->clear(7);
    console->refresh();
    return {std::move(console), {}};
}

}  // namespace vrk
