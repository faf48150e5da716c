#include "engine/message_registry.h"

namespace vrk::msg {

namespace {

void add(std::vector<RegisteredKey>& out, std::string_view name, MessageKey key) {
    out.push_back({key, name});
}

void add(std::vector<RegisteredKey>& out, std::string_view name, const FielderKey& key) {
    for (int n = key.firstFielder; n <= key.lastFielder; ++n) out.push_back({key(n), name});
}

void add(std::vector<RegisteredKey>& out, std::string_view name, const DetailKey& key) {
    for (int d = key.firstDetail; d <= key.lastDetail; ++d) out.push_back({key(d), name});
}

void add(std::vector<RegisteredKey>& out, std::string_view name, const FielderDetailKey& key) {
    for (int n = key.firstFielder; n <= key.lastFielder; ++n)
        for (int d = key.firstDetail; d <= key.lastDetail; ++d) out.push_back({key(n, d), name});
}

}  // namespace

std::vector<RegisteredKey> RegisteredKeys() {
    std::vector<RegisteredKey> out;
    add(out, "kBatterUp", kBatterUp);
    add(out, "kBatterStillUp", kBatterStillUp);
    add(out, "kWindup", kWindup);
    add(out, "kCheckOneRunner", kCheckOneRunner);
    add(out, "kCheckRunners", kCheckRunners);
    add(out, "kSetRunnersOn", kSetRunnersOn);
    add(out, "kSetBasesEmpty", kSetBasesEmpty);
    add(out, "kDeliveryRunnersOn", kDeliveryRunnersOn);
    add(out, "kDeliveryBasesEmpty", kDeliveryBasesEmpty);
    add(out, "kNewPitcher", kNewPitcher);
    add(out, "kPickoffRunner", kPickoffRunner);
    add(out, "kCrowdReaction", kCrowdReaction);
    add(out, "kStealCalledOff", kStealCalledOff);
    add(out, "kWildPitch", kWildPitch);
    add(out, "kRunnerMovesUp", kRunnerMovesUp);
    add(out, "kRunnersMoveUp", kRunnersMoveUp);
    add(out, "kLongDrive", kLongDrive);
    add(out, "kLongDriveChase", kLongDriveChase);
    add(out, "kLongDriveWall", kLongDriveWall);
    add(out, "kWalk", kWalk);
    add(out, "kIntentionalWalk", kIntentionalWalk);
    add(out, "kHitByPitch", kHitByPitch);
    add(out, "kHitByPitchTakesBase", kHitByPitchTakesBase);
    add(out, "kStrikeout", kStrikeout);
    add(out, "kStrikeoutFollow", kStrikeoutFollow);
    add(out, "kGroundBall", kGroundBall);
    add(out, "kGroundBallToFirst", kGroundBallToFirst);
    add(out, "kGroundBallToBase", kGroundBallToBase);
    add(out, "kSpecialGrounder", kSpecialGrounder);
    add(out, "kSpecialGrounderPlay", kSpecialGrounderPlay);
    add(out, "kDoublePlayFeed", kDoublePlayFeed);
    add(out, "kDoublePlayRelay", kDoublePlayRelay);
    add(out, "kDoublePlayMade", kDoublePlayMade);
    add(out, "kDoublePlayUnassisted", kDoublePlayUnassisted);
    add(out, "kBatteryFieldingError", kBatteryFieldingError);
    add(out, "kBobble", kBobble);
    add(out, "kBallThrough", kBallThrough);
    add(out, "kForceHomeThrow", kForceHomeThrow);
    add(out, "kForceHomeOut", kForceHomeOut);
    add(out, "kBatterSafeAtFirst", kBatterSafeAtFirst);
    add(out, "kThrowHome", kThrowHome);
    add(out, "kPlayAtPlate", kPlayAtPlate);
    add(out, "kConcedeRun", kConcedeRun);
    add(out, "kLineDrive", kLineDrive);
    add(out, "kPopUp", kPopUp);
    add(out, "kPopUpSettles", kPopUpSettles);
    add(out, "kFoulPop", kFoulPop);
    add(out, "kFlyBall", kFlyBall);
    add(out, "kFlyBallSettles", kFlyBallSettles);
    add(out, "kLongFly", kLongFly);
    add(out, "kLongFlyChase", kLongFlyChase);
    add(out, "kLongFlyEnd", kLongFlyEnd);
    add(out, "kBallDropped", kBallDropped);
    add(out, "kThrowGetsAway", kThrowGetsAway);
    add(out, "kErrorCharged", kErrorCharged);
    add(out, "kRunnerHoldsOnFly", kRunnerHoldsOnFly);
    add(out, "kRunnerScramblesBack", kRunnerScramblesBack);
    add(out, "kSacrificeFly", kSacrificeFly);
    add(out, "kSacrificeFlyScores", kSacrificeFlyScores);
    add(out, "kExtraBaseHit", kExtraBaseHit);
    add(out, "kExtraBaseHitFollow", kExtraBaseHitFollow);
    add(out, "kHomeRunCall", kHomeRunCall);
    add(out, "kHomeRunTrot", kHomeRunTrot);
    add(out, "kHomeRunCrowd", kHomeRunCrowd);
    add(out, "kOutfieldSingle", kOutfieldSingle);
    add(out, "kInfieldHit", kInfieldHit);
    add(out, "kGroundSingle", kGroundSingle);
    add(out, "kThrowToBase", kThrowToBase);
    add(out, "kRunnerHoldsAt", kRunnerHoldsAt);
    add(out, "kRunnerTriesFor", kRunnerTriesFor);
    add(out, "kHitThrowError", kHitThrowError);
    add(out, "kHitThrowErrorBounce", kHitThrowErrorBounce);
    add(out, "kOutAtBase", kOutAtBase);
    add(out, "kSafeAtBase", kSafeAtBase);
    add(out, "kRunScoresOnPlay", kRunScoresOnPlay);
    add(out, "kOutsNow", kOutsNow);
    add(out, "kRunScores", kRunScores);
    add(out, "kStealAttempt", kStealAttempt);
    add(out, "kHitAndRunOn", kHitAndRunOn);
    add(out, "kStealSafe", kStealSafe);
    add(out, "kStealSafeFollow", kStealSafeFollow);
    add(out, "kCaughtStealing", kCaughtStealing);
    add(out, "kCaughtStealingFollow", kCaughtStealingFollow);
    add(out, "kCatcherThrows", kCatcherThrows);
    add(out, "kStealOfSecondOnly", kStealOfSecondOnly);
    add(out, "kBuntHit", kBuntHit);
    add(out, "kBuntHitFollow", kBuntHitFollow);
    add(out, "kSqueezePitchout", kSqueezePitchout);
    add(out, "kSacrificeBunt", kSacrificeBunt);
    add(out, "kSacrificeForce", kSacrificeForce);
    add(out, "kBuntBatterOut", kBuntBatterOut);
    add(out, "kBuntPoppedUp", kBuntPoppedUp);
    add(out, "kBuntCaught", kBuntCaught);
    add(out, "kRunnerBreaksForHome", kRunnerBreaksForHome);
    add(out, "kSqueezeOutAtPlate", kSqueezeOutAtPlate);
    add(out, "kPitchingChange", kPitchingChange);
    add(out, "kRelieverIn", kRelieverIn);
    add(out, "kPinchHitter", kPinchHitter);
    add(out, "kPinchRunner", kPinchRunner);
    add(out, "kDefensiveChange", kDefensiveChange);
    add(out, "kDoubleSwitch", kDoubleSwitch);
    add(out, "kIntentionalWalkOrdered", kIntentionalWalkOrdered);
    add(out, "kIntentionalWalkNext", kIntentionalWalkNext);
    add(out, "kPitchAround", kPitchAround);
    add(out, "kPitchAroundNext", kPitchAroundNext);
    return out;
}

}  // namespace vrk::msg
