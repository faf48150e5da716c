#pragma once
#include "data/stats_records.h"

namespace vrk {

// Figures derived from the statistics records. Every division guards its
// divisor and gives 0 when it is 0, unless said otherwise.

long TotalBases(const BattingRecord& b);
long PlateAppearances(const BattingRecord& b);  // at-bats + walks + hit by pitch
double BattingAverage(const BattingRecord& b);
double OnBasePct(const BattingRecord& b);
double SluggingPct(const BattingRecord& b);
double Ops(const BattingRecord& b);
double StolenBasePct(const BattingRecord& b);  // 0..100
double TotalAverage(const BattingRecord& b);
double RunsCreated(const BattingRecord& b);
double RunsCreatedPer27(const BattingRecord& b);  // at most 99.99

// The same figures against one kind of pitcher, from the split counts:
// a record holding only that split (games and the unsplit counts are 0).
BattingRecord VersusRight(const BattingRecord& b);
BattingRecord VersusLeft(const BattingRecord& b);

long OutsRecorded(const PitchingRecord& p);
double InningsForRates(const PitchingRecord& p);   // at least 0.1
double EarnedRunAverage(const PitchingRecord& p);  // at most 99.99
double StrikeoutsPerNine(const PitchingRecord& p);
double OpponentsAverage(const PitchingRecord& p);
double OpponentsSlugging(const PitchingRecord& p);
double OpponentsOps(const PitchingRecord& p);

long FieldingErrors(const FieldingRecord& f);
long FieldingAssists(const FieldingRecord& f);
long FieldingPutouts(const FieldingRecord& f);
// 1.0 when there were no chances.
double FieldingPct(long putouts, long assists, long errors);
double FieldingPct(const FieldingRecord& f);

// Counting fields added into a running total (the key, hand, streak and
// bookkeeping fields are left alone).
void AddBatting(BattingRecord& into, const BattingRecord& r);
void AddPitching(PitchingRecord& into, const PitchingRecord& r);
void AddFielding(FieldingRecord& into, const FieldingRecord& r);

}  // namespace vrk
