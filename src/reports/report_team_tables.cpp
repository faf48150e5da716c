#include "reports/report_team_tables.h"

#include <array>

#include "reports/report_figures.h"
#include "reports/report_format.h"

namespace vrk {

const char* const kBattingHeader =
    "Name                Avg      G     AB   Runs   Hits     TB    2B    3B     HR    RBI    SH "
    "   SF    HB     BB     SO    SB    CS   SB%  GIDP   ERR ";
const char* const kPitchingHeaderTop =
    "                                                                                          "
    "                                             Opp   Opp";
const char* const kPitchingHeader =
    "Name                 W     L     S   BS    ERA     G    GS    CG  ShO     Inns   Hits   Run"
    "s   ERun     HR    HB     BB     SO  SO/9   Avg   Slg   ";
const char* const kFieldingHeaderTop =
    "                                                Games-By-Position";
const char* const kFieldingHeader =
    "Name               Tot      P      C     1B     2B     3B     SS     LF     CF     RF     D"
    "H    Errors   Assts     POs   Pct%";

namespace {

constexpr std::array<const char*, kChargedPositions + 1> kPositionNames = {
    "", "P", "C", "1B", "2B", "3B", "SS", "LF", "CF", "RF", "DH"};

const std::vector<int>& BattingEnds() {
    static const std::vector<int> ends = HeaderColumnEnds(kBattingHeader);
    return ends;
}

// Against one kind of pitcher only the split counts exist.
std::vector<std::string> SplitValues(const BattingRecord& split) {
    const std::vector<std::string> all = BattingValues(split, 3, "");
    std::vector<std::string> v(all.size());
    for (std::size_t i : {0u, 2u, 4u, 5u, 6u, 7u, 8u, 13u, 14u}) v[i] = all[i];
    return v;
}

void WriteBatting(std::string& out, const ReportClub& club, const TeamTableOptions& options,
                  const std::function<bool()>& abortRequested, bool& aborted) {
    AddLine(out, "Batting");
    AddLine(out, kBattingHeader);
    BattingRecord other;
    bool anyOther = false;
    for (const BattingRecord* b : club.batters) {
        if (b->atBats.total < options.minAtBats) {
            AddBatting(other, *b);
            anyOther = true;
        } else {
            AddLine(out, AlignedRow(KeyPlayerName(b->key), BattingEnds(),
                                    BattingValues(*b, 3, Count(b->games))));
            if (options.rlBreakdown) {
                AddLine(out, AlignedRow("  .vs RHP", BattingEnds(), SplitValues(VersusRight(*b))));
                AddLine(out, AlignedRow("  .vs LHP", BattingEnds(), SplitValues(VersusLeft(*b))));
            }
        }
        if (abortRequested && abortRequested()) {
            aborted = true;
            return;
        }
    }
    if (anyOther) AddLine(out, AlignedRow("[Other]", BattingEnds(), BattingValues(other, 3, "")));
    AddLine(out, AlignedRow("TEAM TOTALS:", BattingEnds(),
                            BattingValues(ClubBatting(club), 4, Count(club.games))));
}

void WritePitching(std::string& out, const ReportClub& club) {
    static const std::vector<int> ends = HeaderColumnEnds(kPitchingHeader);
    AddLine(out, "Pitching");
    if (club.pitchers.empty()) {
        AddLine(out, "File Synchronization Problem");
        return;
    }
    AddLine(out, kPitchingHeaderTop);
    AddLine(out, kPitchingHeader);
    for (const PitchingRecord* p : club.pitchers)
        AddLine(out, AlignedRow(KeyPlayerName(p->key), ends, PitchingValues(*p, Count(p->games))));
    AddLine(out, AlignedRow("TEAM TOTALS:", ends,
                            PitchingValues(ClubPitching(club), Count(club.games))));
}

// One line per position played: games there and its chances.
void WriteFieldingDetail(std::string& out, const FieldingRecord& f, const std::vector<int>& ends) {
    for (int p = 1; p <= kChargedPositions; ++p) {
        const auto at = static_cast<std::size_t>(p);
        if (f.gamesAt[at] == 0) continue;
        std::vector<std::string> v(ends.size() - 1);
        v[static_cast<std::size_t>(p)] = Count(f.gamesAt[at]);
        v[11] = Count(f.errorsAt[at]);
        v[12] = Count(f.assistsAt[at]);
        v[13] = Count(f.putoutsAt[at]);
        v[14] = Fixed(FieldingPct(f.putoutsAt[at], f.assistsAt[at], f.errorsAt[at]), 4);
        AddLine(out, AlignedRow(std::string("  .at ") + kPositionNames[at], ends, v));
    }
}

void WriteFielding(std::string& out, const ReportClub& club, const TeamTableOptions& options) {
    static const std::vector<int> ends = HeaderColumnEnds(kFieldingHeader);
    AddLine(out, "Fielding");
    if (club.fielders.empty() && options.fieldingFileHasRecords) {
        AddLine(out, "File Synchronization Problem");
        return;
    }
    AddLine(out, kFieldingHeaderTop);
    AddLine(out, kFieldingHeader);
    for (const FieldingRecord* f : club.fielders) {
        AddLine(out, AlignedRow(KeyPlayerName(f->key), ends, FieldingValues(*f)));
        if (options.fieldingDetail) WriteFieldingDetail(out, *f, ends);
    }
    // Like the batting and pitching totals, the games column holds the club's games.
    std::vector<std::string> totals = FieldingValues(ClubFielding(club));
    totals[0] = Count(club.games);
    AddLine(out, AlignedRow("TEAM TOTALS:", ends, totals));
}

}  // namespace

std::vector<std::string> BattingValues(const BattingRecord& b, int avgDecimals,
                                       const std::string& games) {
    return {Rate(BattingAverage(b), avgDecimals),
            games,
            Count(b.atBats.total),
            Count(b.runs),
            Count(b.hits.total),
            Count(TotalBases(b)),
            Count(b.doubles.total),
            Count(b.triples.total),
            Count(b.homeRuns.total),
            Count(b.runsBattedIn),
            Count(b.sacrificeHits),
            Count(b.sacrificeFlies),
            Count(b.hitByPitch),
            Count(b.walks.total),
            Count(b.strikeouts.total),
            Count(b.stolenBases),
            Count(b.caughtStealing),
            Fixed(StolenBasePct(b), 0),
            Count(b.groundedIntoDoublePlays),
            Count(b.errors)};
}

std::vector<std::string> PitchingValues(const PitchingRecord& p, const std::string& games) {
    return {Count(p.wins),
            Count(p.losses),
            Count(p.saves),
            Count(p.blownSaves),
            Fixed(EarnedRunAverage(p), 2),
            games,
            Count(p.gamesStarted),
            Count(p.completeGames),
            Count(p.shutouts),
            Fixed(p.innings + p.extraOuts / 3.0, 1),
            Count(p.hits),
            Count(p.runs),
            Count(p.earnedRuns),
            Count(p.homeRuns),
            Count(p.hitBatsmen),
            Count(p.walks),
            Count(p.strikeouts),
            Fixed(StrikeoutsPerNine(p), 1),
            Rate(OpponentsAverage(p), 3),
            Rate(OpponentsSlugging(p), 3)};
}

std::vector<std::string> FieldingValues(const FieldingRecord& f) {
    std::vector<std::string> v{Count(f.games)};
    for (int p = 1; p <= kChargedPositions; ++p)
        v.push_back(Count(f.gamesAt[static_cast<std::size_t>(p)]));
    v.push_back(Count(FieldingErrors(f)));
    v.push_back(Count(FieldingAssists(f)));
    v.push_back(Count(FieldingPutouts(f)));
    v.push_back(Fixed(FieldingPct(f), 4));
    return v;
}

BattingRecord ClubBatting(const ReportClub& club) {
    BattingRecord total;
    for (const BattingRecord* b : club.batters) AddBatting(total, *b);
    return total;
}

PitchingRecord ClubPitching(const ReportClub& club) {
    PitchingRecord total;
    for (const PitchingRecord* p : club.pitchers) AddPitching(total, *p);
    return total;
}

FieldingRecord ClubFielding(const ReportClub& club) {
    FieldingRecord total;
    for (const FieldingRecord* f : club.fielders) AddFielding(total, *f);
    return total;
}

bool WriteTeamTables(std::string& out, const ReportClub& club, const TeamTableOptions& options,
                     const std::function<bool()>& abortRequested) {
    AddLine(out);
    AddLine(out, "Team: " + club.name);
    bool aborted = false;
    WriteBatting(out, club, options, abortRequested, aborted);
    if (aborted) return false;
    AddLine(out);
    WritePitching(out, club);
    if (options.fielding) {
        AddLine(out);
        WriteFielding(out, club, options);
    }
    return true;
}

}  // namespace vrk
