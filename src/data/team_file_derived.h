#pragma once
#include "data/team.h"

namespace vrk {

// Team-level values worked out once all player lines are read.

// hrAllowedData, pitcherGamesData, appearancesPerStart, savesData.
void computeStaffFlags(Team& team);

// The speed rating from a stolen-base record: attempts, success rate and
// triples per ball in play, on a 1..9 scale.
int speedFromStealing(int stolenBases, int caughtStealing, int onBase, int triples,
                      int ballsInPlay);

// Every non-pitcher entry's speed, and averageTeamSpeed.
void computeSpeedRatings(Team& team);

// sharedLastName for every entry whose last name another entry also has.
void markSharedLastNames(Team& team);

// twoWayPlayer: a pitcher who also stands in the line-up or on the bench.
void findTwoWayPlayer(Team& team);

// Whether entries 1..9 hold a pitcher's batting slot or a designated hitter.
bool lineupHasPitcherOrDh(const Team& team);

}  // namespace vrk
