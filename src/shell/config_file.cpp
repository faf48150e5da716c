#include "shell/config_file.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <limits>

#include "core/paths.h"
#include "core/process.h"
#include "core/text_fields.h"

namespace vrk {

namespace {

// Digits can run to thousands of characters in a damaged file; the value is
// held to a range that every later cast survives.
template <typename Int>
Int clampedNumber(std::string_view text) {
    const double value = numericPrefix(text, false);
    const double lo = static_cast<double>(std::numeric_limits<Int>::min());
    const double hi = static_cast<double>(std::numeric_limits<Int>::max());
    return static_cast<Int>(std::clamp(value, lo, hi));
}

int readInt(std::string_view text) {
    return clampedNumber<int>(text);
}

double readDecimal(std::string_view text) {
    const double value = numericPrefix(text, true);
    return std::clamp(value, -1e9, 1e9);
}

std::string withTrailingBlank(std::string_view value) {
    return std::string(value) + ' ';
}

// A configured folder is stored with "/" and ends in one; a backslash is accepted too. An empty
// value stays empty, meaning the home directory (a lone separator would be the root).
std::string withSeparator(std::string_view value) {
    std::string out = normalizeSeparators(value);
    if (!out.empty() && out.back() != '/' && out.back() != '\\') out += '/';
    return out;
}

bool isFlagOn(std::string_view upperLine, int col) {
    return charAt(upperLine, col) != 'N';
}

double homeFieldValue(std::string_view upperLine, int col) {
    const char c = charAt(upperLine, col);
    if (c == 'Y') return 3;
    if (c == 'N') return 0;
    return readDecimal(fieldToEnd(upperLine, col));
}

bool startsWith(std::string_view line, std::string_view key) {
    return line.size() >= key.size() && line.substr(0, key.size()) == key;
}

bool isLeagueAverageLine(std::string_view upperLine) {
    if (startsWith(upperLine, "DEF")) return true;
    if (upperLine.size() < 4) return false;
    return std::all_of(upperLine.begin(), upperLine.begin() + 4,
                       [](char c) { return c >= '0' && c <= '9'; });
}

void readHilite(std::string_view upperLine, Config& config, std::vector<std::string>& warnings) {
    static constexpr int kStarts[7] = {11, 18, 25, 32, 39, 46, 53};
    for (int i = 0; i < 7; ++i) {
        config.hilite[static_cast<std::size_t>(i)] =
            readInt(field(upperLine, kStarts[i], kStarts[i] + 5));
    }
    if (config.hilite[6] == 0) config.hilite[6] = 20;
    const auto& h = config.hilite;
    if (h[0] == 0 || h[1] == 0 || h[2] == 0 || h[3] == 0 || h[5] == 0) {
        warnings.emplace_back("Warning: Problem with HILITE line of BASEBALL.CFG!");
    }
}

// One line, already known not to be empty. `line` keeps the user's case so
// that folder and program names still name something on a case-sensitive
// disk; keys and letters are read from `upper`.
void applyLine(std::string_view line, std::string_view upper, Config& config, ConfigReadMode mode,
               std::vector<std::string>& warnings) {
    const bool startup = mode == ConfigReadMode::Startup;
    auto is = [&](std::string_view key) { return startsWith(upper, key); };

    if (is("EDITOR=")) {
        const auto value = trimRight(fieldToEnd(line, 8));
        if (!value.empty()) config.editor = withTrailingBlank(value);
    } else if (is("ANNOUNCER=")) {
        config.announcer = std::string(trim(fieldToEnd(line, 11)));
    } else if (is("M-MODE-SOUND=")) {
        config.mModeSound = charAt(upper, 14);
    } else if (is("M-MODE-DELAY=")) {
        config.mModeDelay = readInt(field(upper, 14, 14));
    } else if (is("CONSOLE-ROWS=")) {
        if (startup) config.rows = readInt(field(upper, 14, 15));
    } else if (is("CONSOLE-COLS=")) {
        if (startup) config.cols = readInt(fieldToEnd(upper, 14));
    } else if (is("TEXT-MODE")) {
        if (startup && charAt(upper, 11) != 'N') {
            config.rows = 25;
            config.cols = 80;
        }
    } else if (is("RETRO-MODE")) {
        if (startup && charAt(upper, 12) != 'N') {
            config.rows = 25;
            config.cols = 80;
            config.retroMode = 'Y';
        }
    } else if (is("WORDPAD=")) {
        const auto value = trimRight(fieldToEnd(line, 9));
        if (!value.empty()) config.wordProcessor = withTrailingBlank(value);
    } else if (is("FIREWORKS=")) {
        config.fireworks = charAt(upper, 11);
    } else if (is("DISPLAY-FATIGUE=")) {
        config.displayFatigue = charAt(upper, 17);
    } else if (is("FIELD-PHOTO=")) {
        config.fieldPhoto = std::string(trimRight(fieldToEnd(line, 13)));
    } else if (is("AUX=")) {
        const auto value = trimRight(fieldToEnd(line, 5));
        config.aux = value.empty() ? std::string() : withTrailingBlank(value);
    } else if (is("HOME-RUN-WAV=")) {
        config.homeRunWav = std::string(fieldToEnd(line, 14));
    } else if (is("STAT-TEAM-LIMIT=")) {
        config.statTeamLimit = readInt(fieldToEnd(upper, 17));
    } else if (is("DATA-PATH=")) {
        config.dataPath = withSeparator(trimRight(fieldToEnd(line, 11)));
    } else if (is("WRITE-PATH=")) {
        config.writePath = withSeparator(trimRight(fieldToEnd(line, 12)));
    } else if (is("OVERRIDE-LOGO-DIR=")) {
        config.overrideLogoDir = std::string(trimRight(fieldToEnd(line, 19)));
    } else if (is("REGULATION-INNINGS=")) {
        // A game of no innings would end after its first untied inning
        // whatever was meant, so such a value is refused, not taken.
        const int innings = readInt(fieldToEnd(upper, 20));
        if (innings >= 1) {
            config.regulationInnings = innings;
        } else {
            warnings.push_back(
                "Warning: Problem with REGULATION-INNINGS line of BASEBALL.CFG!|The value must "
                "be 1 or more; games keep " +
                std::to_string(config.regulationInnings) + " innings.");
        }
    } else if (is("COLOR-SCHEME=")) {
        applyColorScheme(config, readInt(field(upper, 14, 14)));
    } else if (is("REFRESH-STANDINGS=")) {
        config.refreshStandings = readInt(fieldToEnd(upper, 19));
    } else if (is("PARK-EFFECTS=")) {
        config.parkEffects = charAt(upper, 14);
    } else if (is("ALTERNATE-FONT=")) {
        config.alternateFont = charAt(upper, 16);
    } else if (is("DEADBALL-ADJ=")) {
        config.deadballAdj = charAt(upper, 14);
    } else if (is("PROTECT-SCH")) {
        if (isFlagOn(upper, 13)) config.protectSch = true;
    } else if (is("FORCE-LINEUP")) {
        if (isFlagOn(upper, 14)) config.forceLineup = true;
    } else if (is("STRICT-CLOSER-RULE")) {
        if (isFlagOn(upper, 20)) config.strictCloserRule = true;
    } else if (is("DAYS-OFF-RULE")) {
        if (isFlagOn(upper, 15)) config.daysOffRule = true;
    } else if (is("WARMUP-RULE")) {
        if (isFlagOn(upper, 13)) config.warmupRule = true;
    } else if (is("BATTER-OVERUSE")) {
        if (isFlagOn(upper, 16)) config.batterOveruse = true;
    } else if (is("HOME-FIELD-FACTOR")) {
        config.homeFieldFactor = homeFieldValue(upper, 19);
    } else if (is("AUTOCOACH")) {
        if (isFlagOn(upper, 11)) config.autoCoach = true;
    } else if (is("AUTODEFENSE")) {
        if (isFlagOn(upper, 13)) config.autoDefense = true;
    } else if (is("OUT-OF-POSITION-MSG")) {
        if (charAt(upper, 21) == 'N') config.outOfPositionMsg = false;
    } else if (is("NO-DOUBLE-SWITCH")) {
        if (isFlagOn(upper, 18)) config.noDoubleSwitch = true;
    } else if (is("STARTERS-MAY-RELIEVE")) {
        if (isFlagOn(upper, 22)) config.startersMayRelieve = true;
    } else if (is("HILITE")) {
        readHilite(upper, config, warnings);
    } else if (isLeagueAverageLine(upper)) {
        LeagueAverageRow row = readLeagueAverageLine(upper, warnings);
        if (config.leagueRows.size() < kMaxLeagueAverageRows) {
            config.leagueRows.push_back(std::move(row));
        } else {
            config.leagueRows.back() = std::move(row);
        }
    }
}

}  // namespace

EditorDefaults chooseEditors(std::string_view envEditor, bool nanoAvailable,
                             bool xdgOpenAvailable) {
    EditorDefaults out;
    const auto env = trim(envEditor);
    if (!env.empty()) {
        out.editor = withTrailingBlank(env);
    } else {
        out.editor = nanoAvailable ? "nano " : "vi ";
    }
    // A text editor cannot open a word-processor file: without xdg-open the
    // viewer says so instead.
    out.wordProcessor = xdgOpenAvailable ? "xdg-open " : "";
    return out;
}

EditorDefaults discoverEditors() {
    const char* env = std::getenv("EDITOR");
    return chooseEditors(env ? env : "", programAvailable("nano"), programAvailable("xdg-open"));
}

void applyColorScheme(Config& config, int scheme) {
    static constexpr int kText[7] = {0, 14, 15, 0, 14, 15, 0};
    static constexpr int kBack[7] = {0, 2, 2, 2, 3, 3, 3};
    config.colorScheme = scheme;
    if (scheme < 1 || scheme > 6) return;
    config.fieldTextColor = kText[scheme];
    config.fieldBackColor = kBack[scheme];
}

void applyConfigDefaults(Config& config, const EditorDefaults& editors) {
    const std::string home = config.homeDir;
    const int rows = config.rows;
    const int cols = config.cols;
    const char retro = config.retroMode;
    config = Config{};
    config.homeDir = home;
    // The console size comes from the host and the first read; the defaults
    // step of a re-read must not undo it.
    config.rows = rows;
    config.cols = cols;
    config.retroMode = retro;
    config.editor = editors.editor;
    config.wordProcessor = editors.wordProcessor;
}

LeagueAverageRow readLeagueAverageLine(std::string_view upperLine,
                                       std::vector<std::string>& warnings) {
    LeagueAverageRow row;
    row.year = padRight(field(upperLine, 1, 4), 4);
    row.league = charAt(upperLine, 5);
    const auto number = [&](int first) {
        return numericPrefix(field(upperLine, first, first + 5), false);
    };
    // Whole numbers of a six-character field: at most 999999 either way.
    const double innings = number(11);
    const double hits = number(18);
    const double doubles = number(25);
    const double triples = number(32);
    const double homeRuns = number(39);
    const double walks = number(46);
    const double strikeouts = number(53);

    const std::string lineName(field(upperLine, 1, 5));
    if (hits == 0 || doubles == 0 || triples == 0 || homeRuns == 0 || walks == 0) {
        warnings.push_back("Warning: Problem with League Average data in|Line " + lineName +
                           " of BASEBALL.CFG!");
    }
    if (hits > 0 && (innings / hits > 1.5 || innings / hits < 0.5)) {
        warnings.push_back("Warning: Possible problem with League Average data|Line " + lineName +
                           " of BASEBALL.CFG! Please check.");
    }

    // A damaged line must not put infinities into the outcome model.
    const double pa = hits + walks + strikeouts + 0.99 * (3 * innings - strikeouts);
    const auto per = [](double n, double d) { return d > 0 ? static_cast<float>(n / d) : 0.0f; };
    const double singles = hits - doubles - triples - homeRuns;
    row.walkRate = per(walks, pa);
    row.strikeoutsPerOut = per(strikeouts, 3 * innings);
    row.strikeoutRate = per(strikeouts, pa);
    row.singleRate = per(singles, pa);
    row.doubleRate = per(doubles, pa);
    row.tripleRate = per(triples, pa);
    row.homeRunRate = per(homeRuns, pa);
    row.column60Value = clampedNumber<std::int16_t>(field(upperLine, 60, 65));
    row.runFactor = readDecimal(field(upperLine, 67, 72));
    row.leagueIndex = clampedNumber<std::int16_t>(field(upperLine, 74, 76));
    if (row.leagueIndex == 0) row.leagueIndex = 100;
    row.innings = static_cast<std::int32_t>(innings);
    row.hits = static_cast<std::int32_t>(hits);
    row.doubles = clampedNumber<std::int16_t>(field(upperLine, 25, 30));
    row.triples = clampedNumber<std::int16_t>(field(upperLine, 32, 37));
    row.homeRuns = clampedNumber<std::int16_t>(field(upperLine, 39, 44));
    row.walks = clampedNumber<std::int16_t>(field(upperLine, 46, 51));
    return row;
}

std::vector<std::string> applyConfigText(std::string_view text, Config& config,
                                         ConfigReadMode mode) {
    std::vector<std::string> warnings;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        line = chompCr(line);
        if (line.empty()) continue;
        const std::string upper = upperCase(line);
        applyLine(line, upper, config, mode, warnings);
    }
    return warnings;
}

std::vector<std::string> readConfigFile(const std::string& path, Config& config,
                                        ConfigReadMode mode) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return applyConfigText(text, config, mode);
}

}  // namespace vrk
