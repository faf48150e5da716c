#include "screens/debug_statistics_screen.h"

#include <cstdio>

namespace vrk {

namespace {

constexpr int kColumnWidth = 39;

std::string counted(std::string_view label, long value) {
    char text[64];
    std::snprintf(text, sizeof text, "%-24.*s%8ld", static_cast<int>(label.size()), label.data(),
                  value);
    return text;
}

std::string measured(std::string_view label, double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%-24.*s%8.2f", static_cast<int>(label.size()), label.data(),
                  value);
    return text;
}

double share(double part, double whole) {
    return whole > 0 ? part / whole : 0.0;
}

}  // namespace

std::vector<std::string> debugStatisticsLines(const AutoManagerCounters& c,
                                              const SimulationRecord& r) {
    std::vector<std::string> lines;
    lines.emplace_back("SB Attempts by Succ.Rate");
    static constexpr const char* kBands[] = {
        "< 40%", "40-50:", "50-60:", "60-70:", "70-80:", "80-90:", "90-99:"};
    for (std::size_t i = 0; i < r.stealAttemptsByChance.size(); ++i)
        lines.push_back(counted(std::string("  ") + kBands[i], r.stealAttemptsByChance[i]));

    // Errors by position are not kept; the table shows each position's share
    // of the fielding chances.
    lines.emplace_back("Pos  Chances    %Chances");
    long total = 0;
    for (int pos = 1; pos <= 9; ++pos) total += r.fieldingChances[static_cast<std::size_t>(pos)];
    char text[64];
    for (int pos = 1; pos <= 9; ++pos) {
        const int chances = r.fieldingChances[static_cast<std::size_t>(pos)];
        std::snprintf(text, sizeof text, "%3d %8d %10.1f", pos, chances,
                      100.0 * share(chances, static_cast<double>(total)));
        lines.emplace_back(text);
    }
    std::snprintf(text, sizeof text, "Tot:%8ld %10.1f", total, total > 0 ? 100.0 : 0.0);
    lines.emplace_back(text);

    const double teamGames = 2.0 * r.gamesCompleted;
    lines.push_back(counted("Catcher Throw. Errs:", r.catcherThrowingErrors));
    lines.push_back(counted("DP:", r.doublePlays));
    lines.push_back(counted("WP:", r.wildPitches));
    lines.push_back(counted("PB:", r.passedBalls));
    lines.push_back(counted("PRun:", c.pinchRuns));
    lines.push_back(counted("Dbl-Sw:", r.doubleSwitches));
    lines.push_back(counted("SacOK:", r.sacrificesMade));
    lines.push_back(counted("SacFail:", r.sacrificesFailed));
    lines.push_back(counted(kIntentionalWalkDesperateLabel, c.intentionalWalkDesperate));
    lines.push_back(counted(kIntentionalWalkToPitcherLabel, c.intentionalWalkToPitcher));
    lines.push_back(counted(kIntentionalWalkRegularLabel, c.intentionalWalkRegular));
    lines.push_back(counted(kPinchHitLabel, c.pinchHits));
    lines.push_back(counted(kPitcherStealAttemptLabel, c.pitcherStealAttempts));
    lines.push_back(counted("St-Suc-P:", r.pitcherStolenBases));
    lines.push_back(measured("AvgTeamSpeed:", share(r.teamSpeedTotal, teamGames)));
    lines.push_back(counted("PitchOut:", c.pitchOuts));
    lines.push_back(measured("Pit-p-Game(DAT):", share(r.appearancesPerStartTotal, teamGames)));
    lines.push_back(measured("Pit-p-Game (DH):", share(r.pitchersUsedWithDh, 2.0 * r.gamesWithDh)));
    lines.push_back(
        measured("Pit-p-Game (no DH):", share(r.pitchersUsedWithoutDh, 2.0 * r.gamesWithoutDh)));
    lines.emplace_back("Start. Pit. Removal");
    for (int reason = 1; reason <= kStarterRemovalReasons; ++reason)
        lines.push_back(counted(std::string("  ") + std::string(StarterRemovalLabel(reason)),
                                c.starterRemoval[static_cast<std::size_t>(reason)]));
    lines.push_back(counted(kPitchAroundToPitcherLabel, c.pitchAroundToPitcher));
    lines.push_back(counted(kPitchAroundOtherLabel, c.pitchAroundOther));
    lines.push_back(counted("Infield In:", c.infieldIn));
    lines.push_back(counted("Pitching Changes:", c.pitchingChanges));
    lines.push_back(counted("Bunt Calls:", c.bunts));
    lines.push_back(counted("Steal Calls:", c.steals));
    lines.push_back(counted("Hit-and-Run Calls:", c.hitAndRuns));
    lines.push_back(counted("Pitcher Replaced:", c.pitcherReplacements));
    lines.push_back(counted("Games:", r.gamesCompleted));
    return lines;
}

void showDebugStatistics(Console& console, const std::vector<std::string>& lines) {
    const int left = playAreaLeft(console.cols());
    // A title row, the lines, and the prompt on the last row.
    const int perColumn = std::max(console.rows() - 3, 1);
    const std::size_t perPage = static_cast<std::size_t>(2 * perColumn);
    for (std::size_t first = 0; first < lines.size(); first += perPage) {
        console.clear(7);
        console.printAt(1, left + 2, "Debug Statistics", 15);
        for (std::size_t i = first; i < lines.size() && i < first + perPage; ++i) {
            const int index = static_cast<int>(i - first);
            const int col = left + 2 + (index / perColumn) * (kColumnWidth + 1);
            console.printAt(2 + index % perColumn, col, lines[i].substr(0, kColumnWidth), 7);
        }
        console.printAt(console.rows(), left + 2, " Hit any key to continue ", 15 + 16 * 1);
        console.waitKey();
    }
}

}  // namespace vrk
