#pragma once
#include <string_view>
#include <vector>

#include "engine/message_key.h"

// Every play-by-play key that the engine and the managers look up, by name,
// so that no code spells 07/0/0/15 by hand and so that a test can check the
// shipped BASEBALL.MSG holds a text for each of them. Comments say what the
// text tells and whom "@"/"*" (first player) and "%" (second player) name.
// New keys go at the end of their group.
namespace vrk::msg {

// A key whose P code is the number of the fielder handling the ball; the
// range is the fielders that can handle that play.
struct FielderKey {
    MessageKey base;
    int firstFielder = 1;
    int lastFielder = 9;
    constexpr MessageKey operator()(int fielder) const { return base.withFielder(fielder); }
};

// A key the engine varies over a run of detail codes.
struct DetailKey {
    MessageKey base;
    int firstDetail = 0;
    int lastDetail = 0;
    constexpr MessageKey operator()(int detail) const { return base.withDetail(detail); }
};

// Both: fielder as P code and a detail code.
struct FielderDetailKey {
    MessageKey base;
    int firstFielder = 1;
    int lastFielder = 9;
    int firstDetail = 0;
    int lastDetail = 0;
    constexpr MessageKey operator()(int fielder, int detail) const {
        return base.withFielder(fielder).withDetail(detail);
    }
};

// --- The batter and the pitcher between pitches -------------------------
inline constexpr MessageKey kBatterUp{1, '0', '0', 0};             // new batter announced (batter)
inline constexpr MessageKey kBatterStillUp{33, '0', '0', 0};       // same batter back in the box
inline constexpr MessageKey kWindup{32, '0', '1', 0};              // pitcher gets his sign
inline constexpr MessageKey kCheckOneRunner{32, '0', '2', 1};      // looks the runner back
inline constexpr MessageKey kCheckRunners{32, '0', '2', 2};        // looks the runners over
inline constexpr MessageKey kSetRunnersOn{32, '0', '3', 1};        // comes set, runners on
inline constexpr MessageKey kSetBasesEmpty{32, '0', '3', 2};       // comes set, bases empty
inline constexpr MessageKey kDeliveryRunnersOn{32, '0', '4', 1};   // the pitch is on its way
inline constexpr MessageKey kDeliveryBasesEmpty{32, '0', '4', 2};  // the pitch is on its way
inline constexpr MessageKey kNewPitcher{29, '0', '0',
                                        13};  // new pitcher at a half inning (pitcher)

// --- Pitch-level events -----------------------------------------------------
inline constexpr MessageKey kPickoffRunner{31, '0', '0', 7};    // runner picked off first (runner)
inline constexpr MessageKey kCrowdReaction{40, '0', '0', 0};    // after a pickoff or play at home
inline constexpr MessageKey kStealCalledOff{31, '0', '0', 14};  // running play called back
inline constexpr MessageKey kWildPitch{29, '0', '0', 8};        // the pitch gets away
inline constexpr MessageKey kRunnerMovesUp{31, '0', '0', 4};    // the one runner moves up
inline constexpr MessageKey kRunnersMoveUp{31, '0', '0', 5};    // every runner moves up
// A long drive to an outfielder: the highlighted catch, and also the long
// foul down the line (fielder 7 or 9) that ends in "Foul ball!", so the
// texts must leave the outcome open.
inline constexpr FielderKey kLongDrive{{9, '0', '1', 1}, 7, 9};  // it's hit a long way (batter)
inline constexpr FielderKey kLongDriveChase{{9, '0', '2', 1}, 7, 9};  // fielder races back
inline constexpr FielderKey kLongDriveWall{{9, '0', '2', 2}, 7, 9};   // fielder at the wall

// --- Walks, hit batters, strikeouts -----------------------------------------
inline constexpr MessageKey kWalk{18, '0', '0', 1};             // ball four (batter)
inline constexpr MessageKey kIntentionalWalk{18, '0', '0', 2};  // walked on purpose (batter)
inline constexpr MessageKey kHitByPitch{29, '0', '0', 16};      // pitch hits the batter (batter)
inline constexpr MessageKey kHitByPitchTakesBase{29, '0', '0', 17};  // he takes first (batter)
inline constexpr DetailKey kStrikeout{{19, '0', '1', 1}, 1, 2};      // the strikeout (batter)
inline constexpr DetailKey kStrikeoutFollow{
    {19, '0', '2', 1}, 1, 2};  // second line, same detail (batter)

// --- Ground balls -------------------------------------------------------------
inline constexpr FielderKey kGroundBall{
    {2, '0', '1', 0}, 1, 6};  // grounder to the fielder (batter)
inline constexpr FielderKey kGroundBallToFirst{{2, '0', '2', 0}, 1, 6};  // his throw to first
inline constexpr FielderKey kGroundBallToBase{{2, '0', '3', 0}, 1, 6};   // he looks to another base
// Special grounder (batter): details 01 slow roller, 02 chopper, 03 smash,
// 04 bad hop (with its own sound); the second line is the fielder's play.
inline constexpr FielderDetailKey kSpecialGrounder{{3, '0', '1', 1}, 1, 6, 1, 4};
inline constexpr FielderDetailKey kSpecialGrounderPlay{{3, '0', '2', 1}, 1, 6, 1, 4};
inline constexpr MessageKey kDoublePlayFeed{8, '0', '1', 0};        // flip to the pivot man
inline constexpr MessageKey kDoublePlayRelay{8, '0', '2', 0};       // relay on to first
inline constexpr MessageKey kDoublePlayMade{8, '0', '3', 0};        // double play completed
inline constexpr MessageKey kDoublePlayUnassisted{8, '0', '4', 0};  // he takes the bag himself
inline constexpr FielderKey kBatteryFieldingError{
    {21, '0', '0', 0}, 1, 2};                                       // pitcher/catcher boots it
inline constexpr FielderKey kBobble{{21, '0', '0', 1}, 3, 6};       // infielder bobbles it
inline constexpr FielderKey kBallThrough{{21, '0', '0', 2}, 3, 6};  // it goes under his glove
inline constexpr MessageKey kForceHomeThrow{29, '0', '0', 1};  // they go to the plate for the force
inline constexpr MessageKey kForceHomeOut{29, '0', '0', 2};    // forced at home (runner)
inline constexpr MessageKey kBatterSafeAtFirst{29, '0', '0', 3};  // batter reaches on the play
inline constexpr FielderKey kThrowHome{{29, '0', '0', 4}, 1, 6};  // fielder fires home (runner)
inline constexpr MessageKey kPlayAtPlate{29, '0', '0', 5};        // runner and ball arrive together
inline constexpr MessageKey kConcedeRun{29, '0', '0', 6};  // they give up the run for the out

// --- Balls in the air -----------------------------------------------------------
inline constexpr FielderKey kLineDrive{
    {4, '0', '0', 0}, 1, 6};                                 // line drive at an infielder (batter)
inline constexpr FielderKey kPopUp{{5, '0', '1', 0}, 1, 6};  // pop-up (batter)
inline constexpr FielderKey kPopUpSettles{{5, '0', '2', 0}, 1, 6};  // fielder settles under it
inline constexpr MessageKey kFoulPop{29, '0', '0', 20};             // it drifts into foul ground
inline constexpr FielderKey kFlyBall{{6, '0', '1', 0}, 7, 9};       // fly to the outfield (batter)
inline constexpr FielderKey kFlyBallSettles{{6, '0', '2', 0}, 7, 9};  // outfielder under it
// Long description of an outfield fly (batter): three lines, detail 01 a
// deep drive, 02 a soft fly. The engine reads "eep"/"ong" (deep, long) or
// "loop", "short"... in the last line for the tag-up depth, so the texts
// say how far it went.
inline constexpr FielderDetailKey kLongFly{{7, '0', '1', 1}, 7, 9, 1, 2};
inline constexpr FielderDetailKey kLongFlyChase{{7, '0', '2', 1}, 7, 9, 1, 2};
inline constexpr FielderDetailKey kLongFlyEnd{{7, '0', '3', 1}, 7, 9, 1, 2};
inline constexpr MessageKey kBallDropped{30, '0', '0', 1};       // the ball is not caught
inline constexpr MessageKey kThrowGetsAway{30, '0', '0', 2};     // a throw goes wild
inline constexpr MessageKey kErrorCharged{30, '0', '0', 9};      // scored an error
inline constexpr MessageKey kRunnerHoldsOnFly{17, '0', '0', 1};  // runner stays at third (runner)
inline constexpr MessageKey kRunnerScramblesBack{17, '0', '0', 2};  // hit-and-run runner retreats
inline constexpr MessageKey kSacrificeFly{17, '0', '0', 3};         // runner tags and goes (runner)
inline constexpr MessageKey kSacrificeFlyScores{17, '0', '0', 4};   // he scores on the fly

// --- Hits and runners -------------------------------------------------------------
// Extra-base hit description, detail 01..04 (01 the gap, 02 right-center,
// 03 left-center, 04 down the line); 04 names the batter, the others the
// outfielder who retrieves the ball.
inline constexpr DetailKey kExtraBaseHit{{10, '0', '1', 1}, 1, 4};
inline constexpr DetailKey kExtraBaseHitFollow{{10, '0', '2', 1}, 1, 4};
inline constexpr MessageKey kHomeRunCall{10, '0', '4', 0};  // it's gone (batter)
// After the home-run call (batter): 10 solo, 11 two runs, 12 three, 13 slam.
inline constexpr DetailKey kHomeRunTrot{{31, '0', '0', 10}, 10, 13};
inline constexpr MessageKey kHomeRunCrowd{15, '0', '0', 10};  // crowd salutes the home run
inline constexpr FielderKey kOutfieldSingle{
    {11, '0', '0', 0}, 7, 9};  // single to the outfield (batter)
inline constexpr FielderKey kInfieldHit{{12, '0', '1', 0}, 1, 6};  // beats out a grounder (batter)
inline constexpr FielderKey kGroundSingle{
    {12, '0', '2', 0}, 7, 9};  // grounder through to him (batter)
inline constexpr DetailKey kThrowToBase{{22, '0', '0', 2}, 2, 4};    // the throw to 2nd, 3rd, home
inline constexpr DetailKey kRunnerHoldsAt{{23, '0', '0', 2}, 2, 3};  // stops at 2nd, 3rd (runner)
inline constexpr DetailKey kRunnerTriesFor{
    {23, '0', '0', 13}, 13, 14};                                      // goes for 3rd, home (runner)
inline constexpr FielderKey kHitThrowError{{30, '0', '0', 3}, 1, 9};  // throw after a hit wild
inline constexpr FielderKey kHitThrowErrorBounce{{30, '0', '0', 4}, 1, 9};  // throw skips past
inline constexpr DetailKey kOutAtBase{{14, '0', '0', 2}, 2, 4};   // runner out at 2nd, 3rd, home
inline constexpr DetailKey kSafeAtBase{{15, '0', '0', 2}, 2, 4};  // safe at 2nd, 3rd, home
inline constexpr MessageKey kRunScoresOnPlay{15, '0', '0', 5};    // run scores on the FC or squeeze
inline constexpr DetailKey kOutsNow{{16, '0', '0', 1}, 1, 3};     // one out, two out, side retired
inline constexpr MessageKey kRunScores{7, '0', '0', 15};          // a run scores (runner)

// --- Steals, bunts, the hit-and-run ------------------------------------------
inline constexpr MessageKey kStealAttempt{25, '0', '0', 1};          // the runner goes (stealer)
inline constexpr MessageKey kHitAndRunOn{25, '0', '0', 2};           // hit-and-run, runner going
inline constexpr MessageKey kStealSafe{25, '0', '0', 3};             // stolen base (stealer)
inline constexpr MessageKey kStealSafeFollow{25, '0', '0', 4};       // second line of a steal
inline constexpr MessageKey kCaughtStealing{25, '0', '0', 5};        // thrown out (stealer)
inline constexpr MessageKey kCaughtStealingFollow{25, '0', '0', 6};  // second line
inline constexpr MessageKey kCatcherThrows{25, '0', '0', 7};         // catcher's throw (catcher)
inline constexpr MessageKey kStealOfSecondOnly{25, '0', '0', 8};     // runner on first goes alone
inline constexpr MessageKey kBuntHit{24, '0', '0', 1};               // bunt for a hit (batter)
inline constexpr MessageKey kBuntHitFollow{24, '0', '0', 2};         // he beats it out
inline constexpr MessageKey kSqueezePitchout{24, '0', '0', 3};       // pitchout spoils the squeeze
inline constexpr MessageKey kSacrificeBunt{24, '0', '0', 4};         // sacrifice laid down (batter)
inline constexpr MessageKey kSacrificeForce{24, '0', '0', 5};  // lead runner forced on the bunt
inline constexpr MessageKey kBuntBatterOut{24, '0', '0', 6};   // bunt, batter thrown out
inline constexpr FielderKey kBuntPoppedUp{{2, '0', '4', 0}, 1, 5};   // bunt in the air (batter)
inline constexpr MessageKey kBuntCaught{24, '0', '0', 9};            // caught, runners hold
inline constexpr MessageKey kRunnerBreaksForHome{24, '0', '0', 10};  // runner on third breaks
inline constexpr MessageKey kSqueezeOutAtPlate{29, '0', '0', 11};    // squeeze runner tagged out

// --- Substitutions ---------------------------------------------------------------
inline constexpr MessageKey kPitchingChange{20, '0', '0', 1};   // manager takes out (old pitcher)
inline constexpr MessageKey kRelieverIn{20, '0', '0', 2};       // reliever comes in (new, % old)
inline constexpr MessageKey kPinchHitter{26, '0', '0', 1};      // pinch hitter (new, % replaced)
inline constexpr MessageKey kPinchRunner{27, '0', '0', 1};      // pinch runner (new, % replaced)
inline constexpr MessageKey kDefensiveChange{28, '0', '0', 1};  // defensive sub (new, % replaced)
inline constexpr MessageKey kDoubleSwitch{28, '0', '0', 2};     // double switch (new pitcher)

// --- Computer manager ----------------------------------------------------------
inline constexpr MessageKey kIntentionalWalkOrdered{29, '0', '0', 18};  // walk him (batter)
inline constexpr MessageKey kIntentionalWalkNext{29, '0', '0', 19};     // to face (next batter)
inline constexpr MessageKey kPitchAround{29, '0', '0', 21};             // pitch around (batter)
inline constexpr MessageKey kPitchAroundNext{29, '0', '0', 22};         // rather face (next batter)

struct RegisteredKey {
    MessageKey key;
    std::string_view name;
};

// Every key above, fielder and detail ranges expanded, in registry order.
std::vector<RegisteredKey> RegisteredKeys();

}  // namespace vrk::msg
