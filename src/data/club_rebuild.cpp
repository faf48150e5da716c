#include "data/club_rebuild.h"
#include "data/hit_by_pitch_grade.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/apportion.h"
#include "core/rng.h"
#include "core/rounding.h"
#include "data/databank_roster.h"
#include "data/league_rows.h"

namespace vrk {

namespace {

int whole(long v) {
    return static_cast<int>(std::clamp<long>(v, 0, 1'000'000));
}

double between(Rng& rng, double lo, double hi) {
    return lo + (hi - lo) * rng.draw();
}

std::vector<double> times(const std::vector<int>& a, const std::vector<double>& b) {
    std::vector<double> out(a.size());
    for (std::size_t i = 0; i < a.size(); ++i) out[i] = a[i] * b[i];
    return out;
}

std::vector<int> minus(const std::vector<int>& a, const std::vector<int>& b) {
    std::vector<int> out(a.size());
    for (std::size_t i = 0; i < a.size(); ++i) out[i] = a[i] - b[i];
    return out;
}

// The talents that spread a club's totals over its batters.
struct BatterTalent {
    double playingTime = 1, contact = 1, power = 1, eye = 1, whiff = 1, speed = 1;
};

// Positions of the regulars (2-9, 10 = DH) and the bench, with the talent
// each position tends to bring.
constexpr std::array<int, 8> kFieldPositions{2, 3, 4, 5, 6, 7, 8, 9};
constexpr std::array<int, 5> kBenchPositions{2, 6, 4, 8, 3};

BatterTalent talentFor(Rng& rng, int position, bool regular) {
    BatterTalent t;
    t.playingTime = regular ? between(rng, 0.82, 1.0) : between(rng, 0.12, 0.32);
    t.contact = between(rng, 0.88, 1.12);
    const bool slugger = position == 3 || position == 7 || position == 9 || position == 10;
    const bool middle = position == 4 || position == 6 || position == 8;
    t.power = std::exp(between(rng, -0.6, 0.6)) * (slugger         ? 1.5
                                                   : middle        ? 0.7
                                                   : position == 2 ? 0.8
                                                                   : 1.0);
    t.eye = between(rng, 0.7, 1.35) * (slugger ? 1.1 : 1.0);
    t.whiff = between(rng, 0.75, 1.25) * std::sqrt(t.power);
    t.speed = std::exp(between(rng, -0.9, 0.9)) * (middle          ? 1.6
                                                   : position == 2 ? 0.4
                                                   : slugger       ? 0.7
                                                                   : 1.0);
    return t;
}

double errorWeight(int position) {
    switch (position) {
        case 6:
            return 1.6;
        case 5:
            return 1.3;
        case 4:
            return 1.0;
        case 2:
            return 0.8;
        case 3:
            return 0.6;
        case 10:
            return 0.0;
        default:
            return 0.5;
    }
}

struct PitcherBatting {
    int ab = 0, h = 0, d = 0, t = 0, hr = 0, bb = 0, so = 0;
};

// Where pitchers bat, their share of the club's batting: about one at-bat
// in eighteen, more where starters finished their games, as often as the
// replay's managers leave them to bat (replays of 1925, 1955, 1975, 1998 and
// 2010 gave them 5.6 to 6.4 per cent of the plate appearances; one in twenty
// had the position players' lines stand for fewer turns than they got, and
// the leagues' averages came out .002 to .003 low); hitting about half as
// well as the league, seldom for power.
PitcherBatting pitchersShare(const DatabankTeamSeason& c) {
    PitcherBatting p;
    const long ab = c.atBats.value_or(0);
    if (ab <= 0) return p;
    const double average = double(c.hits.value_or(0)) / double(ab);
    const double completeShare =
        c.completeGames && c.games > 0 ? double(*c.completeGames) / double(c.games) : 0.15;
    p.ab = whole(std::lround((0.058 + 0.014 * std::clamp(completeShare, 0.0, 1.0)) * double(ab)));
    p.h = whole(std::lround(p.ab * average * 0.55));
    p.hr = whole(std::lround(p.ab * double(c.homeRuns.value_or(0)) / double(ab) * 0.2));
    p.bb = whole(std::lround(p.ab * double(c.walks.value_or(0)) / double(ab) * 0.4));
    p.so = whole(std::min<long>(
        p.ab - p.h,
        std::lround(p.ab * std::min(0.45, 2.3 * double(c.strikeouts.value_or(0)) / double(ab)))));
    p.hr = std::min(p.hr, p.h);
    return p;
}

// Grade letters that bring the batters' hit-by-pitch chances, as the outcome
// model works them out, to the club's real count: the batters above the
// club's need get the letter above it, the rest the letter below, in the
// shares that average to the need. The opponents' walk rate is taken as the
// club's own staff's. Seasons without the column keep the blank grade.
void gradeHitByPitch(const DatabankTeamSeason& c, const PitcherBatting& pitchers,
                     std::vector<WrittenBatter>& batters) {
    if (!c.hitByPitch || !c.walksAllowed || !c.outsPitched) return;
    const double outs = double(*c.outsPitched);
    const double so = double(c.strikeoutsByPitchers.value_or(0));
    const double faced =
        double(c.hitsAllowed.value_or(0) + *c.walksAllowed) + so + 0.99 * (outs - so);
    if (faced <= 0) return;
    const double base = kHitByPitchPerWalk * double(*c.walksAllowed) / faced;
    double appearances = 0;
    for (const auto& b : batters) appearances += double(b.ab + b.bb);
    if (base <= 0 || appearances <= 0) return;
    // The batter after a home run is hit at least at the floor, the
    // pitchers at the plate at the base rate.
    const double afterHomeRuns =
        double(c.homeRuns.value_or(0)) * std::max(0.0, kHitByPitchAfterHomeRun - base);
    const double pitchersHit = base * double(pitchers.ab + pitchers.bb);
    const double need =
        std::max(0.0, double(*c.hitByPitch) - afterHomeRuns - pitchersHit) / (base * appearances);
    // The letters in falling order of their scale: find the two around the need.
    std::size_t above = 0;
    while (above + 1 < kHitByPitchGrades.size() &&
           HitByPitchGradeScale(kHitByPitchGrades[above + 1]) >= need)
        ++above;
    const std::size_t below = std::min(above + 1, kHitByPitchGrades.size() - 1);
    const double hi = HitByPitchGradeScale(kHitByPitchGrades[above]);
    const double lo = HitByPitchGradeScale(kHitByPitchGrades[below]);
    const double share = hi > lo ? std::clamp((need - lo) / (hi - lo), 0.0, 1.0) : 1.0;
    double given = 0;
    for (auto& b : batters) {
        const double pa = double(b.ab + b.bb);
        const bool up = given + pa / 2 < share * appearances;
        b.hitByPitchGrade = kHitByPitchGrades[up ? above : below];
        if (up) given += pa;
    }
}

}  // namespace

long leagueScheduleGames(std::vector<long> clubGames) {
    if (clubGames.size() < 2) return 0;
    std::sort(clubGames.begin(), clubGames.end());
    const long usual = clubGames[clubGames.size() / 2];
    return long(clubGames.size()) * usual / 2;
}

int parkPercent(long battingFactor, long pitchingFactor, ParkLine park) {
    const long sum = battingFactor + pitchingFactor;
    // The databank averages home and road games: the park's own effect is
    // twice its departure from neutral.
    if (park == ParkLine::OwnPark) return static_cast<int>(std::clamp(sum - 100, 20L, 500L));
    return static_cast<int>((sum + 1) / 2);
}

RebuiltClub rebuildClub(const DatabankTeamSeason& c, const ClubRebuildOptions& options) {
    Rng rng(options.seed);
    RebuiltClub out;
    const bool dh = !options.pitchersBat;
    const char letter = leagueLetter(c.league);
    out.fileName = std::to_string(c.year) + std::string(1, letter) + c.teamId.substr(0, 3) + ".DAT";
    out.header.league = letter;
    out.header.division = c.division.empty() ? ' ' : c.division[0];
    out.header.seasonAndName = std::to_string(c.year) + " " + shortClubName(c.name, c.teamId);
    out.header.errorsLayout = true;
    out.header.stealHeadings = true;

    // ---- batters: the pitchers' share first, the rest over the position players
    const PitcherBatting pitchers = options.pitchersBat ? pitchersShare(c) : PitcherBatting{};
    std::vector<int> positions(kFieldPositions.begin(), kFieldPositions.end());
    if (dh) positions.push_back(10);
    const std::size_t regulars = positions.size();
    positions.insert(positions.end(), kBenchPositions.begin(), kBenchPositions.end());
    std::vector<BatterTalent> talent;
    for (std::size_t i = 0; i < positions.size(); ++i)
        talent.push_back(talentFor(rng, positions[i], i < regulars));
    auto weights = [&](auto field) {
        std::vector<double> w;
        for (const auto& t : talent) w.push_back(field(t));
        return w;
    };
    const std::size_t n = positions.size();
    const int ab = whole(c.atBats.value_or(0) - pitchers.ab);
    const int hr = whole(c.homeRuns.value_or(0) - pitchers.hr);
    const int triples = whole(c.triples.value_or(0));
    const int doubles = whole(c.doubles.value_or(0));
    const int singles = whole(c.hits.value_or(0) - c.doubles.value_or(0) - c.triples.value_or(0) -
                              c.homeRuns.value_or(0) - (pitchers.h - pitchers.hr));
    // Playing time as the replay will hand it out: the line-up picks a
    // position's starter in proportion to at-bats, so a regular whose
    // position has a backup shares it and the others play every day; the
    // batting order then gives the top of it more turns than the bottom.
    std::vector<double> playing(n);
    for (std::size_t i = 0; i < n; ++i) {
        playing[i] = talent[i].playingTime;
        if (i >= regulars) continue;
        playing[i] = 1.0;
        for (std::size_t j = regulars; j < n; ++j)
            if (positions[j] == positions[i]) playing[i] -= talent[j].playingTime;
    }
    struct Lines {
        std::vector<int> abs, hrs, tps, dbs, sgs, hits, sos, bbs, sbs, css;
    };
    auto spread = [&](const std::vector<double>& time) {
        Lines l;
        // Every batter has an at-bat: a line of 0 would read as 1.
        l.abs = apportion(std::max(0, ab - int(n)), time);
        for (auto& a : l.abs) a += 1;
        l.hrs = apportionCapped(
            hr, times(l.abs, weights([](auto& t) { return std::pow(t.power, 1.5); })), l.abs);
        l.tps = apportionCapped(triples, times(l.abs, weights([](auto& t) { return t.speed; })),
                                minus(l.abs, l.hrs));
        std::vector<int> room = minus(minus(l.abs, l.hrs), l.tps);
        l.dbs = apportionCapped(
            doubles, times(l.abs, weights([](auto& t) { return std::sqrt(t.power); })), room);
        room = minus(room, l.dbs);
        l.sgs = apportionCapped(singles, times(l.abs, weights([](auto& t) { return t.contact; })),
                                room);
        l.hits.resize(n);
        for (std::size_t i = 0; i < n; ++i) l.hits[i] = l.sgs[i] + l.dbs[i] + l.tps[i] + l.hrs[i];
        const int so = whole(c.strikeouts.value_or(0) - pitchers.so);
        l.sos = apportionCapped(so, times(l.abs, weights([](auto& t) { return t.whiff; })),
                                minus(l.abs, l.hits));
        l.bbs = apportion(whole(c.walks.value_or(0) - pitchers.bb),
                          times(l.abs, weights([](auto& t) { return t.eye; })));
        l.sbs = apportion(whole(c.stolenBases.value_or(0)),
                          times(l.abs, weights([](auto& t) { return t.speed * t.speed; })));
        l.css = apportion(whole(c.caughtStealing.value_or(0)),
                          times(l.abs, weights([](auto& t) { return t.speed; })));
        return l;
    };
    const Lines first = spread(playing);
    // The order the computer's line-up makes of the regulars: base stealers
    // first and second, the best on-base plus slugging third, the most
    // power fourth, the rest by on-base plus slugging. Each place down the
    // order comes to the plate about two and a half per cent less often.
    {
        std::vector<std::size_t> left;
        for (std::size_t i = 0; i < regulars; ++i) left.push_back(i);
        auto den = [&](std::size_t i) { return double(first.abs[i] + first.bbs[i]); };
        auto ops = [&](std::size_t i) {
            const double tb =
                first.hits[i] + first.dbs[i] + 2.0 * first.tps[i] + 3.0 * first.hrs[i];
            return tb / first.abs[i] + (first.hits[i] + first.bbs[i]) / den(i);
        };
        auto take = [&](auto score) {
            auto best = std::max_element(left.begin(), left.end(),
                                         [&](auto a, auto b) { return score(a) < score(b); });
            const std::size_t i = *best;
            left.erase(best);
            return i;
        };
        auto steals = [&](std::size_t i) { return first.sbs[i] / den(i); };
        std::array<std::size_t, 10> order{};
        order[3] = take(ops);
        order[4] = take([&](std::size_t i) { return first.hrs[i] / den(i); });
        order[1] = take(steals);
        order[2] = take(steals);
        for (int slot = 5; slot <= int(regulars); ++slot) order[std::size_t(slot)] = take(ops);
        for (int slot = 1; slot <= int(regulars); ++slot)
            playing[order[std::size_t(slot)]] *= 1.0 + 0.025 * (5 - slot);
    }
    const Lines lines = spread(playing);
    const std::vector<int>& abs = lines.abs;
    const std::vector<int>& hrs = lines.hrs;
    const std::vector<int>& tps = lines.tps;
    const std::vector<int>& dbs = lines.dbs;
    const std::vector<int>& hits = lines.hits;
    const std::vector<int>& sos = lines.sos;
    const std::vector<int>& bbs = lines.bbs;
    const std::vector<int>& sbs = lines.sbs;
    const std::vector<int>& css = lines.css;
    std::vector<double> runValue(n);
    for (std::size_t i = 0; i < n; ++i)
        runValue[i] = hits[i] + 2.0 * hrs[i] + 0.5 * (dbs[i] + tps[i]) + 0.1;
    const std::vector<int> rbis =
        apportion(whole(std::lround(0.93 * double(c.runs.value_or(0)))), runValue);
    std::vector<double> errorWeights(n);
    for (std::size_t i = 0; i < n; ++i) errorWeights[i] = abs[i] * errorWeight(positions[i]) + 1e-6;
    const std::vector<int> errs = apportion(whole(c.errors.value_or(0)), errorWeights);

    // A player's games are his at-bats over the club's at-bats per line-up
    // place and game, so that a place's players add up to the club's games:
    // his errors are spread over the chances of those games, and a fixed
    // at-bats-per-game figure gave a high-scoring club's fielders games they
    // never played (so too few errors) and a low-scoring one's too few.
    const double places = dh ? 9.0 : 8.0;
    const double positionAtBats = double(c.atBats.value_or(0) - pitchers.ab);
    const double atBatsPerGame =
        c.games > 0 && positionAtBats > 0 ? positionAtBats / (places * double(c.games)) : 3.9;
    std::vector<WrittenBatter> batters;
    for (std::size_t i = 0; i < n; ++i) {
        WrittenBatter b;
        b.position = positions[i];
        b.ab = abs[i], b.h = hits[i], b.d = dbs[i], b.t = tps[i], b.hr = hrs[i];
        b.bb = bbs[i], b.k = sos[i], b.rbi = rbis[i], b.sb = sbs[i], b.cs = css[i];
        b.defense = errs[i];
        const double draw = rng.draw();
        b.hand = draw < 0.58 ? 'R' : draw < 0.88 ? 'L' : 'S';
        b.g = std::clamp<long>(std::lround(abs[i] / atBatsPerGame), 1, c.games);
        if (b.position != 10)
            b.positions[0] = {static_cast<int>(b.g), static_cast<char>('0' + b.position)};
        else
            b.positions[0] = {static_cast<int>(b.g), 'D'};
        b.name = std::string(i < regulars ? "Regular" : "Bench") + "," + static_cast<char>('A' + i);
        batters.push_back(b);
    }
    gradeHitByPitch(c, pitchers, batters);
    // On-base men lead off, power bats third to fifth, the rest by on-base
    // plus slugging.
    auto obp = [](const WrittenBatter& b) { return double(b.h + b.bb) / double(b.ab + b.bb); };
    auto slg = [](const WrittenBatter& b) {
        return double(b.h + b.d + 2 * b.t + 3 * b.hr) / double(b.ab);
    };
    auto ops = [&](const WrittenBatter& b) { return obp(b) + slg(b); };
    std::vector<WrittenBatter> byOps(batters.begin(), batters.begin() + long(regulars));
    std::stable_sort(byOps.begin(), byOps.end(),
                     [&](const auto& a, const auto& b) { return ops(a) > ops(b); });
    std::vector<WrittenBatter> rest(byOps.begin() + 3, byOps.end());
    std::stable_sort(rest.begin(), rest.end(),
                     [&](const auto& a, const auto& b) { return obp(a) > obp(b); });
    std::vector<WrittenBatter> starting{rest[0], rest[1], byOps[0], byOps[1], byOps[2]};
    std::stable_sort(rest.begin() + 2, rest.end(),
                     [&](const auto& a, const auto& b) { return ops(a) > ops(b); });
    starting.insert(starting.end(), rest.begin() + 2, rest.end());
    out.lineup = starting;
    if (options.pitchersBat) {
        WrittenBatter slot;
        slot.name = "Pitcher";
        slot.position = 1;
        slot.ab = pitchers.ab, slot.h = pitchers.h, slot.hr = pitchers.hr;
        slot.bb = pitchers.bb, slot.k = pitchers.so, slot.g = c.games;
        out.lineup.push_back(slot);
    }
    out.bench.assign(batters.begin() + long(regulars), batters.end());

    // ---- pitchers: five starters, a bullpen sized by the era's complete games
    const double completeShare =
        c.completeGames && c.games > 0 ? double(*c.completeGames) / double(c.games) : 0.15;
    const int relievers = completeShare > 0.5 ? 3 : completeShare > 0.2 ? 5 : 7;
    const std::size_t staffSize = 5 + std::size_t(relievers);
    std::vector<double> workload, quality, power;
    for (std::size_t i = 0; i < staffSize; ++i) {
        const double starterShare = 0.62 + 0.33 * completeShare;
        workload.push_back(i < 5 ? starterShare * (1.12 - 0.06 * double(i)) / 5
                                 : (1 - starterShare) * (i == 5 ? 1.2 : between(rng, 0.7, 1.1)) /
                                       relievers);
        quality.push_back(between(rng, 0.88, 1.12));
        power.push_back(between(rng, 0.75, 1.3));
    }
    const int innings = whole(std::lround(double(c.outsPitched.value_or(0)) / 3.0));
    std::vector<int> ip = apportion(std::max(0, innings - int(staffSize)), workload);
    for (auto& v : ip) v += 1;
    const std::vector<int> has = apportion(whole(c.hitsAllowed.value_or(0)), times(ip, quality));
    const std::vector<int> hras =
        apportion(whole(c.homeRunsAllowed.value_or(0)), times(ip, quality));
    const std::vector<int> bbas = apportion(whole(c.walksAllowed.value_or(0)), times(ip, quality));
    const std::vector<int> soas =
        apportion(whole(c.strikeoutsByPitchers.value_or(0)), times(ip, power));
    const std::vector<int> ers = apportion(whole(c.earnedRuns.value_or(0)), times(ip, quality));
    std::vector<double> winWeight(staffSize), lossWeight(staffSize), saveWeight(staffSize, 0.0);
    for (std::size_t i = 0; i < staffSize; ++i) {
        winWeight[i] = ip[i] * (2.2 - quality[i]) * (i < 5 ? 1.0 : 0.6);
        lossWeight[i] = ip[i] * quality[i] * (i < 5 ? 1.0 : 0.6);
        saveWeight[i] = i == 5 ? 7.0 : i == 6 ? 1.5 : i > 6 ? 0.4 : 0.0;
    }
    const std::vector<int> wins = apportion(whole(c.wins), winWeight);
    const std::vector<int> losses = apportion(whole(c.losses), lossWeight);
    const std::vector<int> saves = apportion(whole(c.saves.value_or(0)), saveWeight);
    const std::vector<int> starts = apportion(whole(c.games), {1.08, 1.04, 1.0, 0.96, 0.92});
    const double appearancesPerGame = 1 + (1 - completeShare) * 2.3;
    std::vector<double> reliefWeight(staffSize, 0.0);
    for (std::size_t i = 5; i < staffSize; ++i) reliefWeight[i] = i == 5 ? 1.3 : 1.0;
    const std::vector<int> reliefGames =
        apportion(whole(std::lround(double(c.games) * (appearancesPerGame - 1))), reliefWeight);
    // The pitchers' own batting, mostly the starters'.
    std::vector<double> batWeight(staffSize);
    for (std::size_t i = 0; i < staffSize; ++i) batWeight[i] = ip[i] * (i < 5 ? 1.0 : 0.3);
    const std::vector<int> pab = apportion(pitchers.ab, batWeight);
    const std::vector<int> phr = apportionCapped(pitchers.hr, batWeight, pab);
    const std::vector<int> ph1 =
        apportionCapped(pitchers.h - pitchers.hr, batWeight, minus(pab, phr));
    std::vector<int> ph(staffSize);
    for (std::size_t i = 0; i < staffSize; ++i) ph[i] = ph1[i] + phr[i];
    const std::vector<int> pso = apportionCapped(pitchers.so, batWeight, minus(pab, ph));
    const std::vector<int> pbb = apportion(pitchers.bb, batWeight);

    for (std::size_t i = 0; i < staffSize; ++i) {
        WrittenPitcher p;
        p.name = std::string(i < 5 ? "Starter" : "Reliever") + "," + static_cast<char>('A' + i);
        p.ip = ip[i], p.h = has[i], p.hr = hras[i], p.bb = bbas[i], p.k = soas[i];
        p.era100 = std::lround(double(ers[i]) * 900.0 / double(ip[i]));
        p.hand = rng.draw() < 0.7 ? 'R' : 'L';
        p.w = wins[i], p.l = losses[i], p.sv = saves[i];
        p.gs = i < 5 ? starts[i] : 0;
        p.g = p.gs + reliefGames[i];
        p.battingGrade = 'D';
        if (options.pitchersBat && pab[i] > 0) {
            p.batAb = pab[i], p.batH = ph[i], p.batHr = phr[i], p.batBb = pbb[i], p.batK = pso[i];
        }
        out.staff.push_back(p);
        out.earnedRuns.push_back(ers[i]);
    }

    out.keywords.push_back(std::string("*DH=") + (dh ? "Y" : "N"));
    out.keywords.push_back("*WL=" + std::to_string(c.wins) + "-" + std::to_string(c.losses));
    if (options.park != ParkLine::None && c.battingParkFactor && c.pitchingParkFactor)
        out.keywords.push_back(
            "*PE=" +
            std::to_string(parkPercent(*c.battingParkFactor, *c.pitchingParkFactor, options.park)));
    return out;
}

std::string RebuiltClub::text() const {
    std::string t;
    auto add = [&](const std::string& line) { t += line + "\n"; };
    add("; A club rebuilt from its season totals for a replay; the players are placeholders.");
    add(teamHeaderLine(header));
    for (const auto& b : lineup) add(teamBatterLine(b, header.stealHeadings));
    add(std::string(teamPitcherHeadings()));
    for (const auto& p : staff) add(teamPitcherLine(p));
    add("* Bench");
    for (const auto& b : bench) add(teamBatterLine(b, header.stealHeadings));
    for (const auto& k : keywords) add(k);
    add("##");
    return t;
}

}  // namespace vrk
