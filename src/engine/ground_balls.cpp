#include <exception>
#include <string>
#include <string_view>

#include "engine/advance_runners.h"
#include "engine/engine_helpers.h"
#include "engine/fielding.h"
#include "engine/ground_balls.h"
#include "engine/hits_support.h"
#include "engine/message_registry.h"

namespace vrk {
namespace {

// Chance that the first baseman takes the ball to the bag himself rather
// than flip to the pitcher covering, by how the play developed.
constexpr double kCoverAfterThrow = 0.67;
constexpr double kCoverRunnerHolds = 0.85;
constexpr double kCoverRunConceded = 0.75;

struct GroundBall {
    Game& game;
    GameState& s;
    int fielder = 0;
    int fielderSlot = 0;
    bool special = false;  // described from category 03, can be a slow roller
    bool basesLoaded = false;
    int far = 0;  // 10 for fielders far from the plate
    bool plateSituation = false;
    int push = 0;    // how hard the runner on third presses for home
    int detail = 1;  // description detail 1..4
    double coverChance = kCoverAfterThrow;
    bool throwDescribed = false;
    bool firstBaseAlone = false;  // "3-3", settled by the closing step
    BranchTrace trace;

    explicit GroundBall(Game& g) : game(g), s(g.state) {}
    Rng& rng() { return game.rng; }
    bool infieldIn() const { return game.flags.infieldIn; }
    bool hitAndRun() const { return game.flags.hitAndRunCall; }
};

// Sound effects of a grounder and of the bad hop (special detail 4).
constexpr int kGrounderSound = 9;
constexpr int kBadHopSound = 8;

void Describe(GroundBall& g) {
    if (!g.game.displayed()) return;
    PlayEffect(g.game, g.special && g.detail == 4 ? kBadHopSound : kGrounderSound);
    if (g.special) {
        SayBatter(g.game, msg::kSpecialGrounder(g.fielder, g.detail));
        SayBatter(g.game, msg::kSpecialGrounderPlay(g.fielder, g.detail));
    } else {
        SayBatter(g.game, msg::kGroundBall(g.fielder));
    }
}

// Second line of an ordinary grounder: 02/n/2 for the throw to first, 02/n/3
// for a throw to another base.
void DescribeThrow(GroundBall& g, bool toFirst) {
    if (g.throwDescribed || g.special || !g.game.displayed()) return;
    g.throwDescribed = true;
    SayBatter(g.game,
              toFirst ? msg::kGroundBallToFirst(g.fielder) : msg::kGroundBallToBase(g.fielder));
}

// A throw to first goes wrong a tenth as often as the first baseman's own
// errors; a draw no worse first baseman could miss on needs no average.
bool FirstBaseDropsThrow(const Game& game, double x) {
    constexpr double kNeverBelow = kFieldingAverageFloor + 0.9 * (1 - kFieldingAverageFloor);
    if (x <= kNeverBelow) return false;
    const double f1 = PositionAverage(game, kFirstBase);
    return x > f1 + 0.9 * (1 - f1);
}

// The batter is thrown out at first unless the throw is dropped or wild.
bool ThrowToFirst(GroundBall& g) {
    g.trace.mark('1');
    DescribeThrow(g, true);
    if (g.fielder == kFirstBase) {
        g.s.outs += 1;
        AppendResult(g.game, "-3");
        g.firstBaseAlone = true;
        return true;
    }
    if (FirstBaseDropsThrow(g.game, g.rng().draw())) {
        g.trace.mark('e');
        ChargeError(g.game, kFirstBase, false);
        Say(g.game, msg::kErrorCharged);
        AdvanceOnError(g.game, 1, 1, 1);
        PutBatterOn(g.game, 1, true);
        AppendResult(g.game, "-3/E-3");
        AddPitcherOut(g.game, -1);
        return false;
    }
    g.s.outs += 1;
    CreditAssist(g.game, g.fielder);
    CreditPutout(g.game, kFirstBase);
    AppendResult(g.game, "-3");
    return true;
}

// The runner from third is out at the plate, the catcher taking the throw;
// the others move up and the batter reaches first.
void RetireRunnerAtHome(GroundBall& g, const char* notation) {
    g.s.outs += 1;
    if (g.fielder != kCatcher) CreditAssist(g.game, g.fielder);
    CreditPutout(g.game, kCatcher);
    g.s.runnerOnThird = 0;
    AdvanceRunners(g.game, 1, 1, 0);
    PutBatterOn(g.game, 1, false);
    AppendResult(g.game, notation);
}

// Runner on third forced out at home with the bases loaded.
void ForceAtHome(GroundBall& g) {
    g.trace.mark('F');
    int runner = g.s.runnerOnThird;
    SayRunner(g.game, msg::kForceHomeThrow, runner);
    SayRunner(g.game, msg::kForceHomeOut, runner);
    SayRunner(g.game, msg::kBatterSafeAtFirst, runner);
    RetireRunnerAtHome(g, "-2 FO");
}

// Runner on third tagged out at the plate.
void TagAtHome(GroundBall& g) {
    g.trace.mark('T');
    int runner = g.s.runnerOnThird;
    SayRunner(g.game, msg::kThrowHome(g.fielder), runner);
    SayRunner(g.game, msg::kPlayAtPlate, runner);
    SayRunner(g.game, msg::kOutAtBase(4), runner);
    RetireRunnerAtHome(g, "-2 FC");
}

// The throw home is too late: everybody is safe and the run scores.
void SafeAtHome(GroundBall& g) {
    g.trace.mark('S');
    int runner = g.s.runnerOnThird;
    SayRunner(g.game, msg::kThrowHome(g.fielder), runner);
    SayRunner(g.game, msg::kPlayAtPlate, runner);
    SayRunner(g.game, msg::kRunScoresOnPlay, runner);
    SayRunner(g.game, msg::kBatterSafeAtFirst, runner);
    AdvanceRunners(g.game, 1, 1, 1);
    PutBatterOn(g.game, 1, false);
    AddPitcherOut(g.game, -1);
    g.s.play.playResult = "Safe on FC";
}

// A runner on third: hold him, get him at the plate or concede the run.
void ThirdBaseBranch(GroundBall& g) {
    g.trace.mark('3');
    GameState& s = g.s;
    if (s.outs == 2) {
        ThrowToFirst(g);
        return;
    }
    if (g.push < 18) {
        g.coverChance = kCoverRunnerHolds;
        if (ThrowToFirst(g) && s.runnerOnFirst != 0 && s.runnerOnSecond == 0) {
            AdvanceRunners(g.game, 1, 0, 0);
        }
        return;
    }
    if (g.infieldIn()) {
        TagAtHome(g);
        return;
    }
    if (g.plateSituation) {
        if (g.far + g.rng().randInt(5) > 12) {
            SafeAtHome(g);
        } else {
            TagAtHome(g);
        }
        return;
    }
    g.coverChance = kCoverRunConceded;
    Say(g.game, msg::kConcedeRun);
    if (ThrowToFirst(g)) AdvanceRunners(g.game, 1, 1, 1);
}

// Runner on first: the double play, when it is turned. Returns false when not.
bool DoublePlay(GroundBall& g) {
    GameState& s = g.s;
    double keep = std::max((5.0 + BatterSpeed(g.game)) / 17.0, 0.375);
    if (g.infieldIn()) keep = 0.96;
    if (g.fielder == kFirstBase) keep = keep + (1 - keep) / 2;
    if (g.fielder == kCatcher) keep = 0.99;
    // With the runner going there is never a double play, whoever fields it.
    if (g.hitAndRun()) keep = 1.0;
    if (s.outs >= 2 || !(g.rng().draw() > keep)) return false;

    g.trace.mark('D');
    int dpDetail = g.rng().randInt(3);
    bool homeToFirst =
        g.basesLoaded && ((g.plateSituation && s.outs == 0) || g.fielder == kPitcher);
    s.outs += 2;
    CountDoublePlay(g.game);
    g.game.counters.bat(s.battingTeam, s.batter).groundedIntoDoublePlays += 1;
    AddPitcherOut(g.game, 1);

    bool unassisted = (g.fielder == kSecondBase && dpDetail == 1 && g.rng().draw() < 0.15) ||
                      (g.fielder == kShortstop && dpDetail != 1 && g.rng().draw() < 0.2);
    bool savedNoRbi = s.play.noRbiOnPlay;
    s.play.noRbiOnPlay = true;
    if (s.runnerOnSecond != 0 && g.fielder == kThirdBase && dpDetail == 1 && g.rng().draw() < 0.3) {
        g.trace.mark('t');
        SayText(g.game, "He steps on the bag for one...");
        SayBatter(g.game, msg::kDoublePlayRelay);
        SayBatter(g.game, msg::kDoublePlayMade);
        CreditPutout(g.game, kThirdBase);
        CreditAssist(g.game, kThirdBase);
        CreditPutout(g.game, kFirstBase);
        s.runnerOnSecond = 0;
        AdvanceRunners(g.game, 1, 0, 1);
        AppendResult(g.game, "UN-3 DP");
    } else if (homeToFirst) {
        g.trace.mark('h');
        SayText(g.game, "They throw to the plate for one...");
        SayBatter(g.game, msg::kDoublePlayRelay);
        SayText(g.game, "OUT! Double Play!");
        if (g.fielder != kCatcher) CreditAssist(g.game, g.fielder);
        CreditPutout(g.game, kCatcher);
        CreditAssist(g.game, kCatcher);
        CreditPutout(g.game, kFirstBase);
        s.runnerOnThird = 0;
        AdvanceRunners(g.game, 1, 1, 0);
        AppendResult(g.game, "-2-3 DP!");
    } else {
        g.trace.mark('s');
        SayBatter(g.game, unassisted ? msg::kDoublePlayUnassisted : msg::kDoublePlayFeed);
        SayBatter(g.game, msg::kDoublePlayRelay);
        SayBatter(g.game, msg::kDoublePlayMade);
        // The pitcher and the catcher start theirs through the shortstop, as
        // balls to the right side of the infield do.
        int pivot = (g.fielder == kThirdBase || g.fielder == kShortstop) ? kSecondBase : kShortstop;
        if (unassisted) {
            CreditPutout(g.game, g.fielder);
            CreditAssist(g.game, g.fielder);
            AppendResult(g.game, "UN-3 DP");
        } else {
            CreditAssist(g.game, g.fielder);
            CreditPutout(g.game, pivot);
            CreditAssist(g.game, pivot);
            AppendResult(g.game, "-");
            AppendPosition(g.game, pivot);
            AppendResult(g.game, "-3 DP");
        }
        CreditPutout(g.game, kFirstBase);
        s.runnerOnFirst = 0;
        AdvanceRunners(g.game, 0, 1, 1);
    }
    s.play.noRbiOnPlay = savedNoRbi;
    return true;
}

// A force at second (or third), with the relay to first. `batterBeatsRelay`
// marks the bases-loaded play where the defence chose second over home.
void ForceAtBase(GroundBall& g, int base, bool batterBeatsRelay) {
    g.trace.mark(base == 3 ? 'f' : 'g');
    GameState& s = g.s;
    DescribeThrow(g, false);
    bool unassisted = base == 3;
    if (base == 2 && g.fielder == kSecondBase) {
        unassisted = g.rng().draw() < ((g.special && g.detail == 1) ? 0.25 : 0.15);
    } else if (base == 2 && g.fielder == kShortstop) {
        unassisted = g.rng().draw() < ((g.special && g.detail == 2) ? 0.25 : 0.15);
    }
    int receiver = unassisted                                             ? g.fielder
                   : (g.fielder == kThirdBase || g.fielder == kShortstop) ? kSecondBase
                                                                          : kShortstop;
    double fr = PositionAverage(g.game, receiver);

    if (!unassisted && g.rng().draw() > fr + 0.8 * (1 - fr)) {
        g.trace.mark('x');
        ChargeError(g.game, receiver, false);
        SayText(g.game, "Everybody's safe!");
        AdvanceOnError(g.game, 1, 1, 1);
        PutBatterOn(g.game, 1, false);
        // The runner who should have been forced would not be on second.
        int& charged = s.responsiblePitcher[static_cast<std::size_t>(s.battingTeam)]
                                           [static_cast<std::size_t>(s.runnerOnSecond)];
        if (s.runnerOnSecond != 0 && charged > 0) charged = -charged;
        AppendResult(g.game, "-");
        AppendPosition(g.game, receiver);
        AppendResult(g.game, " F/E-");
        AppendPosition(g.game, receiver);
        AddPitcherOut(g.game, -1);
        return;
    }

    s.outs += 1;
    if (unassisted) {
        CreditPutout(g.game, g.fielder);
    } else {
        CreditAssist(g.game, g.fielder);
        CreditPutout(g.game, receiver);
    }
    if (base == 3) {
        s.runnerOnSecond = 0;
        AdvanceRunners(g.game, 1, 0, 1);
    } else {
        s.runnerOnFirst = 0;
        AdvanceRunners(g.game, 0, 1, 1);
    }
    PutBatterOn(g.game, 1, false);
    if (unassisted) {
        AppendResult(g.game, "UN F");
    } else {
        AppendResult(g.game, "-");
        AppendPosition(g.game, receiver);
        AppendResult(g.game, " F");
    }

    if (batterBeatsRelay) {
        SayText(g.game, "SAFE!! He beat it!");
    } else if (g.special) {
        SayText(g.game, "OUT on a close play!");
    } else if (s.outs >= 3) {
        SayText(g.game, "Side out!");
    } else if (g.rng().draw() < 0.5) {
        SayText(g.game, "Force out there -- no play at 1st.");
    } else if (g.rng().draw() > fr + 0.6 * (1 - fr)) {
        g.trace.mark('w');
        SayText(g.game, "Wild throw! Into the dugout!");
        if (s.runnersOn() > 1) SayText(g.game, "Everybody gets an extra base!");
        ChargeError(g.game, receiver, true);
        AdvanceOnError(g.game, 1, 1, 1);
        AppendResult(g.game, "/E-");
        AppendPosition(g.game, receiver);
    } else {
        SayText(g.game, "Not in time! He beat it.");
    }
}

// Runner on first and no double play: force a runner or take the batter.
void ForceOrThrow(GroundBall& g) {
    GameState& s = g.s;
    bool pressing = s.outs < 2 && (g.infieldIn() || g.plateSituation);
    if (pressing && g.basesLoaded) {
        g.trace.mark('L');
        if (s.outs == 0) {
            if (g.infieldIn()) {
                ForceAtHome(g);
            } else if (g.far + g.rng().randInt(5) > 12) {
                SafeAtHome(g);
            } else {
                ForceAtHome(g);
            }
            return;
        }
        if (g.infieldIn()) {
            ForceAtHome(g);
            return;
        }
        double u = g.rng().draw();
        bool near = g.fielder == kPitcher || g.fielder == kFirstBase || g.fielder == kThirdBase;
        if (u < (near ? 0.95 : 0.78)) {
            ForceAtHome(g);
        } else if (!near && u < 0.82) {
            SafeAtHome(g);
        } else {
            ForceAtBase(g, 2, true);
        }
        return;
    }
    // Only with the infield in or a close late game does a runner on third
    // (first and third) change the play; otherwise the usual force applies.
    if (pressing && s.runnerOnThird != 0) {
        ThirdBaseBranch(g);
        return;
    }

    bool tryForce = false;
    int base = 2;
    if (!g.hitAndRun() && !g.infieldIn()) {
        double u = g.rng().draw();
        if (g.fielder == kPitcher || g.fielder == kCatcher || g.fielder == kFirstBase) {
            tryForce = s.outs < 2 && (u < 0.4 || g.basesLoaded) && g.fielder != kCatcher;
        } else {
            tryForce = (s.outs < 2 && (u < 0.7 || g.basesLoaded)) || (s.outs == 2 && u < 0.3);
        }
        if (tryForce && g.fielder == kThirdBase && s.runnerOnSecond != 0 &&
            g.rng().draw() < (s.outs < 2 ? 0.2 : 0.5)) {
            base = 3;
        }
    }
    if (tryForce) {
        ForceAtBase(g, base, false);
        return;
    }
    g.trace.mark('n');
    g.coverChance = kCoverAfterThrow;
    if (ThrowToFirst(g)) {
        if (s.outs < 3) SayText(g.game, "No play at second...");
        AdvanceRunners(g.game, 1, 1, 1);
    }
}

// Plays the first baseman made himself: unassisted, or to the pitcher
// covering. The flip is decided here and then told.
void Close(GroundBall& g) {
    if (!g.firstBaseAlone) return;
    GameState& s = g.s;
    bool flip = g.rng().draw() > g.coverChance;
    if (std::string_view(s.play.playResult) != "3-3") {
        CreditPutout(g.game, kFirstBase);
        return;
    }
    if (flip) {
        SayText(g.game, "He flips to the pitcher covering...");
        s.play.playResult = "3-1";
        CreditAssist(g.game, kFirstBase);
        CreditPutout(g.game, kPitcher);
    } else {
        SayText(g.game, "He takes it to the bag himself.");
        s.play.playResult = "3UN";
        CreditPutout(g.game, kFirstBase);
    }
}

void Play(GroundBall& g) {
    GameState& s = g.s;
    g.fielder = s.play.currentFielder;
    g.fielderSlot = FielderSlot(g.game, g.fielder);
    g.special = g.rng().draw() < 0.11;
    g.basesLoaded = s.runnerOnFirst != 0 && s.runnerOnSecond != 0 && s.runnerOnThird != 0;
    g.far = (g.fielder == kPitcher || g.fielder == kFirstBase || g.fielder == kThirdBase) ? 0 : 10;
    int lead = s.score[static_cast<std::size_t>(s.battingTeam)] -
               s.score[static_cast<std::size_t>(s.fieldingTeam)];
    g.plateSituation = lead > -4 && lead < 2 && s.inning > s.rules.regulationInnings + lead - 3 &&
                       s.runnerOnThird != 0;
    if (s.runnerOnThird != 0) {
        g.push = RunnerSpeed(g.game, s.runnerOnThird) + g.far - (g.infieldIn() ? 10 : 0) +
                 5 * s.outs + g.rng().randInt(5);
    }
    g.detail = g.rng().randInt(4);
    Describe(g);

    if (s.runnerOnFirst == 0) {
        if (s.runnerOnThird != 0) {
            ThirdBaseBranch(g);
        } else {
            g.trace.mark('b');
            g.coverChance = kCoverAfterThrow;
            if (ThrowToFirst(g) && s.runnerOnSecond != 0 &&
                (g.fielder == kFirstBase || g.fielder == kSecondBase)) {
                AdvanceRunners(g.game, 0, 1, 0);
            }
        }
    } else if (s.runnerOnThird != 0 && s.runnerOnSecond == 0 && s.outs == 0 &&
               (g.infieldIn() || g.plateSituation)) {
        ThirdBaseBranch(g);
    } else if (!DoublePlay(g)) {
        ForceOrThrow(g);
    }
    Close(g);
}

}  // namespace

void ResolveGroundBall(Game& game) {
    GroundBall g(game);
    try {
        Play(g);
    } catch (const std::exception& fault) {
        std::string detail = fault.what();
        detail += " wag:" + std::to_string(g.fielderSlot);
        detail += " WhoAPos:" + std::to_string(g.fielder);
        detail += " ";
        detail += g.trace.text();
        game.errors->fault("ERROR: Ground ", detail);
    }
}

}  // namespace vrk
