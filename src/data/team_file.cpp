#include "data/team_file.h"

#include <algorithm>
#include <fstream>

#include "core/numbering.h"
#include "core/paths.h"
#include "core/text_fields.h"
#include "data/config_folders.h"
#include "data/league_context.h"
#include "data/team_file_checks.h"
#include "data/team_file_derived.h"
#include "data/team_file_keywords.h"
#include "data/team_file_player_line.h"

namespace vrk {

namespace {

constexpr std::size_t kLineWidth = 100;

std::string prefix(const std::string& displayPath) {
    return "Team Data-File: " + displayPath;
}

// Lines of nothing but blanks (or a DOS end-of-file mark) count as empty,
// so stray whitespace never turns into a nameless player.
bool isBlankLine(std::string_view line) {
    return std::all_of(line.begin(), line.end(),
                       [](char c) { return c == ' ' || c == '\t' || c == '\x1a'; });
}

std::string joinNumbers(const std::vector<int>& numbers) {
    std::string out;
    for (int n : numbers) {
        if (!out.empty()) out += ", ";
        out += std::to_string(n);
    }
    return out;
}

// At most this many findings of each kind are listed; the rest are counted.
constexpr std::size_t kFindingsListed = 8;

struct ReadState {
    int entries = 0;
    int lineNumber = 0;
    TeamFileFindings findings;
    bool headerSeen = false;
    int ignoredPlayerLines = 0;
    std::vector<int> namelessLines;
    std::vector<int> badPositionLines;
};

void readHeader(Team& team, std::string_view line, const Config& config, TeamLoadResult& result) {
    team.league = upperChar(charAt(line, 2));
    team.division = upperChar(charAt(line, 10));
    team.centuryDigits = std::string(field(line, 11, 12));
    team.season = std::string(field(line, 11, 14));
    team.teamName = std::string(field(line, 13, 24));

    const LeagueAverageRow* row = findLeagueRow(config.leagueRows, team.season, team.league);
    if (row != nullptr && !leagueRowUsable(*row)) {
        result.warnings.push_back("Warning: League Average data in|Line " + row->key() +
                                  " of BASEBALL.CFG cannot be used; the built-in values apply.");
        row = nullptr;
    }
    team.leagueContext = leagueContextFrom(row);

    const std::string steals = upperCase(field(line, 65, 70));
    const bool sb = steals.substr(0, 3).find("SB") != std::string::npos;
    const bool cs = steals.size() > 3 && steals.substr(3).find("CS") != std::string::npos;
    team.stealColumns = sb ? (cs ? kTrue : 1) : 0;
    team.defenseIsErrors = upperCase(field(line, 62, 63)) == "ER";
}

void readStarLine(Team& team, int slot, Team* visitors, std::string_view line, const Config& config,
                  ReadState& state, TeamLoadResult& result) {
    if (state.entries == 0) {
        readHeader(team, line, config, result);
        state.headerSeen = true;
    } else if (state.entries > kLineupSize && team.lastPitcherEntry == 0) {
        team.lastPitcherEntry = state.entries;
    } else if (team.lastPitcherEntry > 0) {
        applyKeywordLine(team, slot, visitors, line.substr(1), config);
        for (const std::string& item : splitKeywordItems(line.substr(1))) {
            if (const auto problem = keywordItemProblem(item)) {
                state.findings.notes.push_back("line " + std::to_string(state.lineNumber) + ": " +
                                               *problem);
            }
        }
    }
    // A "*" line among the first nine players is ignored: the staff cannot
    // end before the line-up is complete.
}

void readPlayer(Team& team, std::string_view line, std::string_view asWritten, ReadState& state) {
    if (state.entries >= kMaxRosterEntries) {
        ++state.ignoredPlayerLines;
        return;
    }
    const int entry = ++state.entries;
    const bool batterLine = entry <= kLineupSize || team.lastPitcherEntry > 0;
    checkPlayerFields(asWritten, state.lineNumber, batterLine, state.findings);
    const PlayerLineProblems problems =
        readPlayerLine(team.player(entry), line, entry, team.lastPitcherEntry > 0);
    if (problems.emptyName) state.namelessLines.push_back(entry);
    if (problems.positionOutOfRange) state.badPositionLines.push_back(entry);
}

// What the file itself got wrong but can still be played with.
void checkRoster(Team& team, const ReadState& state, const std::string& path,
                 TeamLoadResult& result) {
    if (!state.headerSeen) {
        result.problem = true;
        team.leagueContext = leagueContextFrom(nullptr);
        result.warnings.push_back(prefix(path) +
                                  "|No header line (a '*' line before the first player).|"
                                  "The built-in league averages are used.");
    }
    if (team.lastPitcherEntry == 0) {
        result.problem = true;
        team.lastPitcherEntry = std::min(team.playerCount, kLastPitcherLimit);
        result.warnings.push_back(prefix(path) +
                                  "|No '*' line after the pitchers ends the pitching staff.|" +
                                  "Player lines 10 to " + std::to_string(team.lastPitcherEntry) +
                                  " are taken as pitchers.");
    } else if (team.lastPitcherEntry > kLastPitcherLimit) {
        result.problem = true;
        result.warnings.push_back(prefix(path) + "|The pitching staff ends at player line " +
                                  std::to_string(team.lastPitcherEntry) +
                                  "; it must end by line 35.");
    }
    if (state.ignoredPlayerLines > 0) {
        result.warnings.push_back(prefix(path) + "|More than 51 player lines: " +
                                  std::to_string(state.ignoredPlayerLines) +
                                  " lines after the 51st are ignored.");
    }
    if (!state.namelessLines.empty()) {
        // Nameless players would share one key in the statistics files.
        result.problem = true;
        result.warnings.push_back(prefix(path) + "|No name in columns 10-27 of player line(s) " +
                                  joinNumbers(state.namelessLines) + ".");
    }
    if (!state.badPositionLines.empty()) {
        result.problem = true;
        result.warnings.push_back(prefix(path) +
                                  "|Position in columns 7-8 is not 0 to 10 (read as 0) on "
                                  "player line(s) " +
                                  joinNumbers(state.badPositionLines) + ".");
    }
}

std::string listed(const std::vector<std::string>& lines) {
    std::string out;
    for (std::size_t i = 0; i < lines.size() && i < kFindingsListed; ++i) out += "|" + lines[i];
    if (lines.size() > kFindingsListed) {
        out += "|... and " + std::to_string(lines.size() - kFindingsListed) + " more.";
    }
    return out;
}

void reportFindings(const TeamFileFindings& findings, const std::string& path,
                    TeamLoadResult& result) {
    if (!findings.problems.empty()) {
        result.problem = true;
        result.warnings.push_back(prefix(path) + listed(findings.problems) +
                                  "|This is a problem. Please correct the .DAT file.");
    }
    if (!findings.notes.empty()) {
        result.warnings.push_back(prefix(path) + listed(findings.notes));
    }
}

TeamLoadResult refuse(const std::string& path, const std::string& reason) {
    TeamLoadResult result;
    result.abort = true;
    result.warnings.push_back(prefix(path) + "|" + reason + "|Hit any key to Abort.");
    return result;
}

}  // namespace

std::string teamFileNameWithExtension(std::string_view name) {
    std::string out(name);
    if (out.find('.') == std::string::npos) out += ".DAT";
    return out;
}

TeamLoadResult readTeamFile(Team& team, int slot, Team* visitors, std::istream& in,
                            const Config& config, const std::string& displayPath) {
    TeamLoadResult result;
    team.lastPitcherEntry = 0;
    team.dhRule = 0;
    team.femaleTeam = false;
    team.teamColor = 0;

    ReadState state;
    std::string raw;
    while (std::getline(in, raw)) {
        ++state.lineNumber;
        const std::string_view line = chompCr(raw);
        if (line.empty() || isBlankLine(line)) continue;
        if (line.find('\0') != std::string_view::npos) {
            return refuse(displayPath, "This is not a team data file (it holds binary data).");
        }
        if (line.front() == ';') continue;
        if (line.substr(0, 2) == "##") break;
        checkLineBytes(line, state.lineNumber, state.findings);
        const std::string padded =
            line.size() < kLineWidth ? padRight(line, kLineWidth) : std::string(line);
        if (line.front() == '*') {
            readStarLine(team, slot, visitors, padded, config, state, result);
        } else {
            readPlayer(team, padded, line, state);
        }
    }
    if (in.bad()) return refuse(displayPath, "The file could not be read.");
    team.playerCount = state.entries;

    if (team.playerCount <= kLineupSize) {
        return refuse(displayPath, "Only " + std::to_string(team.playerCount) +
                                       " player lines: a team needs nine line-up lines and "
                                       "at least one pitcher.");
    }
    checkRoster(team, state, displayPath, result);
    reportFindings(state.findings, displayPath, result);
    if (const auto reason = unplayableLineup(team)) {
        result.abort = true;
        result.warnings.push_back(prefix(displayPath) + "|" + *reason + "|Hit any key to Abort.");
        return result;
    }

    computeStaffFlags(team);
    computeSpeedRatings(team);
    markSharedLastNames(team);
    findTwoWayPlayer(team);

    if (lineupHasTwoPitchers(team)) {
        result.problem = true;
        result.warnings.push_back(prefix(displayPath) +
                                  "|More than one line-up line has position 1 (the pitcher's "
                                  "batting slot) in columns 7-8.");
    }
    if (!lineupHasPitcherOrDh(team)) {
        result.problem = true;
        result.warnings.push_back(prefix(displayPath) + "|" + "No pitcher or DH in Lineup|" +
                                  "This is a problem. Please correct the .DAT file.|" +
                                  "(Make sure a '1' is in column 8 in the pitcher's batting|" +
                                  "slot if a DH is not used in your default line-up.)");
    }
    return result;
}

TeamLoadResult loadTeam(Team& team, int slot, Team* visitors, const Config& config) {
    const std::string fileName = teamFileNameWithExtension(team.teamFileName);
    team = Team{};
    team.teamFileName = fileName;

    const std::string folder = dataFolder(config);
    const std::string displayPath = joinPath(folder, fileName);
    const auto found = findFile(folder, fileName);
    if (!found) {
        TeamLoadResult result;
        result.abort = true;
        result.warnings.push_back(prefix(displayPath) + " not found!|" + "Hit any key to Abort.");
        return result;
    }
    std::ifstream in(*found, std::ios::binary);
    if (!in) return refuse(displayPath, "The file could not be opened.");
    return readTeamFile(team, slot, visitors, in, config, displayPath);
}

TeamLoadResult loadTeam(TeamSlots& teams, int slot, const Config& config) {
    Team* visitors = slot == kHome ? &teams[kVisitors] : nullptr;
    return loadTeam(teams[static_cast<std::size_t>(slot)], slot, visitors, config);
}

TeamLoadResult loadTeamPair(TeamSlots& teams, std::string_view visitorsFile,
                            std::string_view homeFile, const Config& config) {
    teams[kVisitors] = Team{};
    teams[kHome] = Team{};
    teams[kVisitors].teamFileName = std::string(visitorsFile);
    teams[kHome].teamFileName = std::string(homeFile);

    TeamLoadResult result = loadTeam(teams, kVisitors, config);
    if (result.abort) return result;
    TeamLoadResult home = loadTeam(teams, kHome, config);
    result.abort = home.abort;
    result.problem = result.problem || home.problem;
    result.warnings.insert(result.warnings.end(), home.warnings.begin(), home.warnings.end());
    return result;
}

}  // namespace vrk
