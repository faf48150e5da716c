#include "reports/report_figures.h"

#include <algorithm>

namespace vrk {

namespace {

double Ratio(double numerator, double denominator) {
    return denominator == 0 ? 0.0 : numerator / denominator;
}

void AddSplit(SplitCount& into, const SplitCount& s) {
    into.total += s.total;
    into.vsR += s.vsR;
    into.vsL += s.vsL;
}

SplitCount Only(std::int32_t n) {
    return {n, 0, 0};
}

}  // namespace

long TotalBases(const BattingRecord& b) {
    return static_cast<long>(b.hits.total) + b.doubles.total + 2L * b.triples.total +
           3L * b.homeRuns.total;
}

long PlateAppearances(const BattingRecord& b) {
    return static_cast<long>(b.atBats.total) + b.walks.total + b.hitByPitch;
}

double BattingAverage(const BattingRecord& b) {
    return Ratio(b.hits.total, b.atBats.total);
}

double OnBasePct(const BattingRecord& b) {
    return Ratio(static_cast<double>(b.hits.total) + b.walks.total + b.hitByPitch,
                 static_cast<double>(PlateAppearances(b)));
}

double SluggingPct(const BattingRecord& b) {
    return Ratio(static_cast<double>(TotalBases(b)), b.atBats.total);
}

double Ops(const BattingRecord& b) {
    return OnBasePct(b) + SluggingPct(b);
}

double StolenBasePct(const BattingRecord& b) {
    return Ratio(100.0 * b.stolenBases, static_cast<double>(b.stolenBases) + b.caughtStealing);
}

double TotalAverage(const BattingRecord& b) {
    double bases =
        static_cast<double>(TotalBases(b)) + b.stolenBases + b.walks.total + b.hitByPitch;
    double outs = static_cast<double>(b.atBats.total) - b.hits.total + b.caughtStealing;
    return Ratio(bases, outs);
}

double RunsCreated(const BattingRecord& b) {
    double onBase = static_cast<double>(b.hits.total) + b.walks.total + b.hitByPitch -
                    b.caughtStealing - b.groundedIntoDoublePlays;
    double advance = static_cast<double>(TotalBases(b)) + 0.26 * (b.walks.total + b.hitByPitch) +
                     0.52 * (b.sacrificeHits + b.sacrificeFlies + b.stolenBases);
    double chances = static_cast<double>(b.atBats.total) + b.walks.total + b.hitByPitch +
                     b.sacrificeHits + b.sacrificeFlies;
    return Ratio(onBase * advance, chances);
}

double RunsCreatedPer27(const BattingRecord& b) {
    double outs = static_cast<double>(b.atBats.total) - b.hits.total + b.caughtStealing +
                  b.sacrificeHits + b.sacrificeFlies + b.groundedIntoDoublePlays;
    return std::min(99.99, Ratio(RunsCreated(b) * 27, outs));
}

BattingRecord VersusRight(const BattingRecord& b) {
    BattingRecord v;
    v.key = b.key;
    v.atBats = Only(b.atBats.vsR);
    v.hits = Only(b.hits.vsR);
    v.doubles = Only(b.doubles.vsR);
    v.triples = Only(b.triples.vsR);
    v.homeRuns = Only(b.homeRuns.vsR);
    v.walks = Only(b.walks.vsR);
    v.strikeouts = Only(b.strikeouts.vsR);
    return v;
}

BattingRecord VersusLeft(const BattingRecord& b) {
    BattingRecord v;
    v.key = b.key;
    v.atBats = Only(b.atBats.vsL);
    v.hits = Only(b.hits.vsL);
    v.doubles = Only(b.doubles.vsL);
    v.triples = Only(b.triples.vsL);
    v.homeRuns = Only(b.homeRuns.vsL);
    v.walks = Only(b.walks.vsL);
    v.strikeouts = Only(b.strikeouts.vsL);
    return v;
}

long OutsRecorded(const PitchingRecord& p) {
    return 3L * p.innings + p.extraOuts;
}

double InningsForRates(const PitchingRecord& p) {
    return std::max(0.1, p.innings + p.extraOuts / 3.0);
}

double EarnedRunAverage(const PitchingRecord& p) {
    return std::min(99.99, p.earnedRuns * 9.0 / InningsForRates(p));
}

double StrikeoutsPerNine(const PitchingRecord& p) {
    return p.strikeouts * 9.0 / InningsForRates(p);
}

namespace {
double OpponentsAtBats(const PitchingRecord& p) {
    return static_cast<double>(p.battersFaced) - p.walks - p.hitBatsmen;
}
}  // namespace

double OpponentsAverage(const PitchingRecord& p) {
    return Ratio(p.hits, OpponentsAtBats(p));
}

double OpponentsSlugging(const PitchingRecord& p) {
    double bases = static_cast<double>(p.hits) + p.doubles + 2.0 * p.triples + 3.0 * p.homeRuns;
    return Ratio(bases, OpponentsAtBats(p));
}

double OpponentsOps(const PitchingRecord& p) {
    double onBase = Ratio(static_cast<double>(p.hits) + p.walks + p.hitBatsmen, p.battersFaced);
    return onBase + OpponentsSlugging(p);
}

long FieldingErrors(const FieldingRecord& f) {
    long n = 0;
    for (int p = 1; p <= kChargedPositions; ++p) n += f.errorsAt[static_cast<std::size_t>(p)];
    return n;
}

long FieldingAssists(const FieldingRecord& f) {
    long n = 0;
    for (int p = 1; p <= kChargedPositions; ++p) n += f.assistsAt[static_cast<std::size_t>(p)];
    return n;
}

long FieldingPutouts(const FieldingRecord& f) {
    long n = 0;
    for (int p = 1; p <= kChargedPositions; ++p) n += f.putoutsAt[static_cast<std::size_t>(p)];
    return n;
}

double FieldingPct(long putouts, long assists, long errors) {
    long chances = putouts + assists + errors;
    return chances == 0 ? 1.0 : static_cast<double>(putouts + assists) / chances;
}

double FieldingPct(const FieldingRecord& f) {
    return FieldingPct(FieldingPutouts(f), FieldingAssists(f), FieldingErrors(f));
}

void AddBatting(BattingRecord& into, const BattingRecord& r) {
    into.games += r.games;
    AddSplit(into.atBats, r.atBats);
    into.runs += r.runs;
    AddSplit(into.hits, r.hits);
    into.runsBattedIn += r.runsBattedIn;
    AddSplit(into.doubles, r.doubles);
    AddSplit(into.triples, r.triples);
    AddSplit(into.homeRuns, r.homeRuns);
    into.stolenBases += r.stolenBases;
    into.caughtStealing += r.caughtStealing;
    AddSplit(into.walks, r.walks);
    into.hitByPitch += r.hitByPitch;
    AddSplit(into.strikeouts, r.strikeouts);
    into.errors += r.errors;
    into.groundedIntoDoublePlays += r.groundedIntoDoublePlays;
    into.sacrificeHits += r.sacrificeHits;
    into.sacrificeFlies += r.sacrificeFlies;
}

void AddPitching(PitchingRecord& into, const PitchingRecord& r) {
    into.games += r.games;
    into.gamesStarted += r.gamesStarted;
    into.completeGames += r.completeGames;
    into.shutouts += r.shutouts;
    into.innings += r.innings;
    into.extraOuts += r.extraOuts;
    into.runs += r.runs;
    into.earnedRuns += r.earnedRuns;
    into.hits += r.hits;
    into.doubles += r.doubles;
    into.triples += r.triples;
    into.homeRuns += r.homeRuns;
    into.walks += r.walks;
    into.hitBatsmen += r.hitBatsmen;
    into.strikeouts += r.strikeouts;
    into.wins += r.wins;
    into.losses += r.losses;
    into.saves += r.saves;
    into.blownSaves += r.blownSaves;
    into.battersFaced += r.battersFaced;
}

void AddFielding(FieldingRecord& into, const FieldingRecord& r) {
    into.games += r.games;
    for (std::size_t p = 1; p < into.gamesAt.size(); ++p) into.gamesAt[p] += r.gamesAt[p];
    for (std::size_t p = 1; p < into.errorsAt.size(); ++p) {
        into.errorsAt[p] += r.errorsAt[p];
        into.assistsAt[p] += r.assistsAt[p];
        into.putoutsAt[p] += r.putoutsAt[p];
    }
}

}  // namespace vrk
