// make_league: writes the sample league that ships in home/, sixteen team
// files of one invented 2026 season.
//
//   make_league OUTDIR [SEED]
//
// The same seed always gives byte-identical files. Every figure is drawn
// around the league-average rows of BASEBALL.CFG and then apportioned so
// that each team's totals land exactly on its drawn targets and the eight
// teams of a league add up to the row; players are spread around those
// totals by role (sluggers, speedsters, aces, mop-up men), so a season
// played with these teams looks like a season.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <numeric>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/apportion.h"
#include "core/rng.h"
#include "core/rounding.h"
#include "data/team_file_writer.h"

namespace {

using vrk::apportion;
using vrk::Rng;

constexpr std::uint64_t kDefaultSeed = 2026;
constexpr int kGames = 162;
constexpr int kTeamsPerLeague = 8;

// The league-average rows of the shipped BASEBALL.CFG ("DEF A", "DEF N").
struct LeagueRow {
    char league;
    int innings, hits, doubles, triples, homeRuns, walks, strikeouts;
    double plateAppearances() const {
        return hits + walks + strikeouts + 0.99 * (3.0 * innings - strikeouts);
    }
};
constexpr std::array<LeagueRow, 2> kRows{{
    {'A', 11600, 11760, 2320, 240, 1360, 4160, 8000},
    {'N', 11620, 11600, 2300, 260, 1280, 4300, 8500},
}};

[[noreturn]] void fail(const std::string& why) {
    throw std::runtime_error(why);
}

double uniform(Rng& rng, double lo, double hi) {
    return lo + (hi - lo) * rng.draw();
}
int roundInt(double x) {
    return static_cast<int>(vrk::roundHalfEven(x));
}

// ---------------------------------------------------------------- names

// Invented syllables; the combinations are checked for duplicates within
// the league, not against anything outside it.
constexpr std::array<std::string_view, 30> kFirstStart{
    "Al",  "Bren", "Cal", "Dar", "Ed",  "Fen", "Gar",  "Hal", "Ivo", "Jor",
    "Kel", "Lor",  "Mar", "Nil", "Os",  "Per", "Quin", "Ros", "Sel", "Tam",
    "Ul",  "Ves",  "Wil", "Yan", "Zek", "Bo",  "Cor",  "Dex", "Eli", "Teo"};
constexpr std::array<std::string_view, 14> kFirstEnd{"an", "o",  "ric", "en",  "is", "ton", "el",
                                                     "y",  "as", "ard", "win", "ik", "ez",  "io"};
constexpr std::array<std::string_view, 32> kLastStart{
    "Ash",  "Bel",    "Cor",  "Dun",  "Ember", "Fal",  "Gren", "Hol",   "Ivers", "Kest", "Lom",
    "Marl", "Nor",    "Oak",  "Pell", "Quar",  "Rav",  "Sorr", "Thorn", "Vel",   "Wick", "Yar",
    "Brom", "Calder", "Drey", "Fenn", "Garr",  "Hask", "Lund", "Mosk",  "Penn",  "Tull"};
constexpr std::array<std::string_view, 20> kLastEnd{
    "by",  "den", "ford", "ley", "mont", "son",  "wick", "ridge", "ton", "holt",
    "ner", "ski", "ez",   "ari", "ov",   "berg", "ette", "man",   "ell", "ado"};
constexpr std::array<std::string_view, 20> kPlaceStart{
    "Bren", "Dal", "Kor", "Mar", "Tav", "Ost", "Vel", "Hal", "Quen", "Sar",
    "Lun",  "Ard", "Fel", "Gor", "Nev", "Pra", "Rul", "Wen", "Yst",  "Cam"};
constexpr std::array<std::string_view, 14> kPlaceEnd{"vora",  "mouth", "ridge", "haven", "dale",
                                                     "ford",  "holm",  "wick",  "bury",  "moor",
                                                     "stead", "gate",  "mere",  "ton"};
constexpr std::array<std::string_view, 10> kColors{"BLUE",       "GREEN",       "CYAN",  "RED",
                                                   "MAGENTA",    "BRIGHT BLUE", "BROWN", "YELLOW",
                                                   "BRIGHT RED", "BRIGHT CYAN"};

template <std::size_t N>
std::string_view pick(Rng& rng, const std::array<std::string_view, N>& list) {
    return list[static_cast<std::size_t>(rng.randInt(static_cast<int>(N)) - 1)];
}

// Names come from their own random stream, so that a change in how the
// figures are drawn does not rename the league.
struct NameBook {
    explicit NameBook(std::uint64_t seed) : rng(seed ^ 0x4E414D45424F4F4BULL) {}
    Rng rng;
    std::set<std::string> used;  // full names, league-wide
    std::set<std::string> placeStarts;

    std::string person() {
        for (;;) {
            std::string last =
                std::string(pick(rng, kLastStart)) + std::string(pick(rng, kLastEnd));
            std::string first =
                std::string(pick(rng, kFirstStart)) + std::string(pick(rng, kFirstEnd));
            std::string full = last + ", " + first;
            if (full.size() <= 18 && used.insert(full).second) return full;
        }
    }
    std::string place() {
        for (;;) {
            const std::string start(pick(rng, kPlaceStart));
            std::string name = start + std::string(pick(rng, kPlaceEnd));
            // Distinct openings keep the team menu easy to read.
            if (!placeStarts.insert(start).second) continue;
            // Eight letters at most: the name follows "26 " in a 12-character
            // field, and it is the file name as well.
            if (name.size() <= 8) return name;
            placeStarts.erase(start);
        }
    }
};

// ---------------------------------------------------------------- players

struct PositionGames {
    int games = 0;
    char code = ' ';  // '2'..'9' or 'D'
};

struct Batter {
    std::string name;
    int slotPosition = 0;  // line-up position (1 = pitcher's slot, 10 = DH), 0 on the bench
    char primary = ' ';
    char hand = 'R';
    char platoon = ' ';
    // Talent multipliers against the league, before apportioning.
    double contact = 1, power = 1, eye = 1, whiff = 1, speed = 1, gap = 1;
    double paWeight = 0;
    double rbiFactor = 1;
    int pa = 0, ab = 0, h = 0, d = 0, t = 0, hr = 0, bb = 0, k = 0, rbi = 0, sb = 0, cs = 0, g = 0;
    int defense = 0;  // fielding rating x 1000, or errors
    int speedRating = 0;
    std::array<PositionGames, 4> positions{};
};

enum class Role { Ace, Starter, BackStarter, Closer, Setup, Middle, Long, MopUp };

struct Pitcher {
    std::string name;
    Role role = Role::Middle;
    char hand = 'R';
    char battingGrade = ' ';
    double hitMul = 1, hrMul = 1, walkMul = 1, kMul = 1;
    int ip = 0, h = 0, d = 0, t = 0, hr = 0, bb = 0, k = 0, era100 = 0;
    int w = 0, l = 0, sv = 0, g = 0, gs = 0;
    double earnedRuns = 0;
    int batAb = 0, batH = 0, batHr = 0, batBb = 0, batK = 0;
    bool isStarter() const {
        return role == Role::Ace || role == Role::Starter || role == Role::BackStarter;
    }
};

struct Targets {
    int pa = 0, h = 0, d = 0, t = 0, hr = 0, bb = 0, k = 0, ip = 0;
};

struct TeamPlan {
    char league = 'A';
    char division = 'E';
    std::string place;
    std::string fileName;
    bool designatedHitter = true;
    bool stealHeadings = true;  // false: speed ratings in cols 66-67
    bool errorsLayout = false;  // true: errors in cols 62-64
    std::string color;
    int parkA = 100, parkB = 100;
    Targets batting, pitching;
    std::vector<Batter> lineup;  // batting order
    std::vector<Batter> bench;
    Batter pitcherSlot;  // league N: the pitchers' combined batting
    std::vector<Pitcher> staff;
    int teamSteals = 0;
    double runsScored = 0, runsAllowed = 0;
    int wins = 0, losses = 0, saves = 0;
};

// Runs from a line by the base-runs estimate; good enough to tie ERAs and
// won-lost records to the hits, walks and home runs behind them.
double baseRuns(int h, int d, int t, int hr, int bb, int outs) {
    const int singles = h - d - t - hr;
    const double totalBases = singles + 2.0 * d + 3.0 * t + 4.0 * hr;
    const double a = h + bb - hr;
    const double b = (1.4 * totalBases - 0.6 * h - 3.0 * hr + 0.1 * bb) * 1.02;
    if (b + outs <= 0) return hr;
    return a * b / (b + outs) + hr;
}

// The loader's speed formula, so that a team written with ratings in place
// of steals rates its runners as the same team with steals would.
int speedFromSteals(const Batter& p) {
    const double sb = p.sb, cs = p.cs;
    const double onBase = std::max(1, p.bb + p.h - p.d - p.t - p.hr);
    const double f1 = 20.0 * ((sb + 3) / (sb + cs + 7) - 0.4);
    const double f2 = std::sqrt((sb + cs) / onBase) / 0.07;
    const int inPlay = p.ab - p.hr - p.k;
    const double f3 = inPlay > 0 ? std::min(11.0, 10.0 * (p.t / double(inPlay)) / 0.02) : 11.0;
    return std::clamp(static_cast<int>(vrk::roundHalfEven((10 * f1 + 10 * f2 + 6 * f3) / 26)), 1,
                      9);
}

// Fielding percentage by position (code), a typical modern season.
double typicalFielding(char code) {
    switch (code) {
        case '2':
            return 0.991;
        case '3':
            return 0.994;
        case '4':
            return 0.985;
        case '5':
            return 0.960;
        case '6':
            return 0.970;
        default:
            return 0.986;  // outfield, DH
    }
}
double errorsPerGame(char code) {
    switch (code) {
        case '2':
            return 0.045;
        case '3':
            return 0.040;
        case '4':
            return 0.065;
        case '5':
            return 0.095;
        case '6':
            return 0.100;
        case 'D':
            return 0.0;
        default:
            return 0.025;
    }
}

struct PositionTalent {
    char code;
    double contact, power, eye, whiff, speed;
};
constexpr std::array<PositionTalent, 9> kPositionTalent{{
    {'2', 0.95, 0.90, 0.95, 1.05, 0.35},
    {'3', 1.02, 1.30, 1.15, 1.10, 0.40},
    {'4', 1.02, 0.80, 0.95, 0.90, 1.10},
    {'5', 1.00, 1.10, 1.00, 1.05, 0.70},
    {'6', 0.98, 0.85, 0.90, 0.95, 1.20},
    {'7', 1.00, 1.10, 1.00, 1.05, 0.90},
    {'8', 1.00, 0.90, 0.95, 1.05, 1.50},
    {'9', 1.00, 1.15, 1.00, 1.08, 0.90},
    {'D', 1.03, 1.35, 1.20, 1.15, 0.35},
}};

const PositionTalent& talentFor(char code) {
    for (const auto& p : kPositionTalent)
        if (p.code == code) return p;
    fail(std::string("no talent for position ") + code);
}

bool throwsLeftAllowed(char code) {
    return code == '3' || code == '7' || code == '8' || code == '9' || code == 'D';
}

// Batting hand. Left-handed throwers ("L", and "r": bats right, throws
// left) only where a left-hander can field; an infielder who bats left
// throws right ("l").
char batterHand(Rng& rng, char position) {
    const double u = rng.draw();
    if (u < 0.12) return 'S';
    if (u < 0.47) {
        if (!throwsLeftAllowed(position)) return 'l';
        return rng.chance(0.3) ? 'l' : 'L';
    }
    if (throwsLeftAllowed(position) && rng.chance(0.06)) return 'r';
    return 'R';
}

Batter makeBatter(Rng& rng, NameBook& names, char position, bool onBench) {
    Batter b;
    b.name = names.person();
    b.primary = position;
    const PositionTalent& pt = talentFor(position);
    b.contact = pt.contact * uniform(rng, 0.92, 1.08);
    b.power = pt.power * uniform(rng, 0.6, 1.35);
    b.eye = pt.eye * uniform(rng, 0.70, 1.35);
    b.whiff = pt.whiff * uniform(rng, 0.78, 1.22) * (0.8 + 0.2 * b.power);
    b.speed = pt.speed * uniform(rng, 0.45, 1.6);
    b.gap = uniform(rng, 0.8, 1.2);
    if (onBench) {
        b.contact *= 0.96;
        b.power *= 0.85;
    }
    b.hand = batterHand(rng, position);
    return b;
}

double offenceScore(const Batter& b) {
    return 1.6 * b.contact + 0.5 * b.power + 0.4 * b.eye;
}

// Line-up order: a fast on-base man leads off, the best hitter bats third,
// the biggest power fourth, the rest by strength; in league N the
// pitcher's slot is ninth.
std::vector<Batter> battingOrder(std::vector<Batter> starters) {
    std::vector<Batter> order;
    auto takeBest = [&](auto score) {
        auto it =
            std::max_element(starters.begin(), starters.end(),
                             [&](const Batter& a, const Batter& b) { return score(a) < score(b); });
        order.push_back(*it);
        starters.erase(it);
    };
    takeBest(
        [](const Batter& b) { return b.contact + 0.3 * b.eye + 0.35 * b.speed - 0.2 * b.power; });
    takeBest([](const Batter& b) { return b.contact + 0.5 * b.eye + 0.1 * b.power; });
    takeBest([](const Batter& b) { return offenceScore(b); });
    takeBest([](const Batter& b) { return b.power + 0.2 * b.contact; });
    while (!starters.empty()) takeBest([](const Batter& b) { return offenceScore(b); });
    return order;
}

void spreadBattingStats(Rng& rng, std::vector<Batter*>& players, const Targets& target,
                        int teamSteals) {
    std::vector<double> w;
    auto apportionBy = [&](int total, auto weight, int Batter::*field) {
        w.clear();
        for (const Batter* p : players) w.push_back(weight(*p));
        const auto parts = apportion(total, w);
        for (std::size_t i = 0; i < players.size(); ++i) players[i]->*field = parts[i];
    };
    apportionBy(
        target.pa, [](const Batter& b) { return b.paWeight; }, &Batter::pa);
    apportionBy(
        target.hr, [](const Batter& b) { return b.pa * std::pow(b.power, 1.3); }, &Batter::hr);
    apportionBy(
        target.t, [](const Batter& b) { return b.pa * std::pow(b.speed, 1.2) * b.contact; },
        &Batter::t);
    apportionBy(
        target.d,
        [](const Batter& b) { return b.pa * b.gap * (0.75 + 0.25 * b.power) * b.contact; },
        &Batter::d);
    apportionBy(
        target.bb, [](const Batter& b) { return b.pa * b.eye * (0.85 + 0.15 * b.power); },
        &Batter::bb);
    apportionBy(
        target.k, [](const Batter& b) { return b.pa * b.whiff; }, &Batter::k);
    const int singles = target.h - target.d - target.t - target.hr;
    std::vector<int> single(players.size());
    w.clear();
    for (const Batter* p : players)
        w.push_back(p->pa * std::pow(p->contact, 1.6) * std::max(0.6, 1.2 - 0.2 * p->power));
    single = apportion(singles, w);
    for (std::size_t i = 0; i < players.size(); ++i) {
        Batter& b = *players[i];
        b.ab = b.pa - b.bb;
        b.h = single[i] + b.d + b.t + b.hr;
        if (b.h + b.k > b.ab) fail("batting line does not fit its at bats: " + b.name);
        b.rbi = roundInt((0.28 * single[i] + 0.5 * b.d + 0.7 * b.t + 1.55 * b.hr + 0.03 * b.bb) *
                         b.rbiFactor * uniform(rng, 0.9, 1.1));
    }
    apportionBy(
        teamSteals,
        [](const Batter& b) {
            return (b.h - b.hr - b.d - b.t + b.bb) * std::pow(std::max(b.speed, 0.05), 1.8);
        },
        &Batter::sb);
    for (Batter* p : players) {
        if (p->sb == 0) continue;
        p->cs = roundInt(p->sb * uniform(rng, 0.14, 0.32) + (p->speed < 0.6 ? 1 : 0));
    }
}

void assignPositionsAndGames(Rng& rng, Batter& b, bool starter, bool errorsLayout) {
    const double paPerGame =
        starter ? (b.primary == '2' ? uniform(rng, 3.7, 3.95) : uniform(rng, 4.1, 4.4))
                : uniform(rng, 2.3, 3.1);
    b.g = std::clamp(roundInt(b.pa / paPerGame), 12, kGames);
    static constexpr std::string_view kInfield = "3456";
    static constexpr std::string_view kOutfield = "789";
    auto other = [&](char code) -> char {
        if (code == '2') return '3';
        if (code == 'D') return '3';
        if (code == '3') return rng.chance(0.5) ? 'D' : '7';
        if (kInfield.find(code) != std::string_view::npos) {
            char c;
            do c = kInfield[static_cast<std::size_t>(rng.randInt(4) - 1)];
            while (c == code || c == '3');
            return c;
        }
        char c;
        do c = kOutfield[static_cast<std::size_t>(rng.randInt(3) - 1)];
        while (c == code);
        return c;
    };
    int listed = 0;
    if (starter) {
        const bool second = rng.chance(0.35) && b.primary != '2';
        int extra = second ? rng.randInt(18) + 3 : 0;
        int main = b.g - extra - rng.randInt(4);
        b.positions[0] = {main, b.primary};
        if (second) b.positions[1] = {extra, other(b.primary)};
        listed = second ? 2 : 1;
    } else {
        int left = b.g - rng.randInt(std::max(1, b.g / 4));
        int main = std::max(1, roundInt(left * uniform(rng, 0.55, 0.8)));
        b.positions[0] = {main, b.primary};
        left -= main;
        listed = 1;
        while (left > 2 && listed < 3) {
            char code = other(b.primary);
            bool dup = false;
            for (int i = 0; i < listed; ++i)
                dup = dup || b.positions[static_cast<std::size_t>(i)].code == code;
            if (dup) break;
            int g = listed == 2 ? left : std::max(1, roundInt(left * uniform(rng, 0.5, 0.8)));
            b.positions[static_cast<std::size_t>(listed++)] = {g, code};
            left -= g;
        }
    }
    if (errorsLayout) {
        double e = 0;
        for (int i = 0; i < listed; ++i) {
            const auto& p = b.positions[static_cast<std::size_t>(i)];
            e += p.games * errorsPerGame(p.code);
        }
        b.defense = roundInt(e * uniform(rng, 0.5, 1.6));
    } else {
        const char code = b.primary == 'D' ? '3' : b.primary;
        b.defense =
            std::min(999, roundInt(1000 * (typicalFielding(code) + uniform(rng, -0.012, 0.008))));
    }
}

// ---------------------------------------------------------------- teams

struct TeamFactors {
    double singles, doubles, triples, homeRuns, walks, strikeouts;
};

// League totals split over the teams: every team's figure is the row's
// share times a small team factor, and the parts add up to the row.
std::vector<Targets> splitLeague(Rng& rng, const LeagueRow& row, double spread) {
    std::vector<TeamFactors> f(kTeamsPerLeague);
    for (auto& x : f) {
        x = {uniform(rng, 1 - spread, 1 + spread), uniform(rng, 1 - spread, 1 + spread),
             uniform(rng, 1 - spread, 1 + spread), uniform(rng, 1 - spread, 1 + spread),
             uniform(rng, 1 - spread, 1 + spread), uniform(rng, 1 - spread, 1 + spread)};
    }
    auto shares = [&](int total, double TeamFactors::*field) {
        std::vector<double> w;
        for (const auto& x : f) w.push_back(x.*field);
        return apportion(total, w);
    };
    const int singlesTotal = row.hits - row.doubles - row.triples - row.homeRuns;
    const auto s1 = shares(singlesTotal, &TeamFactors::singles);
    const auto s2 = shares(row.doubles, &TeamFactors::doubles);
    const auto s3 = shares(row.triples, &TeamFactors::triples);
    const auto s4 = shares(row.homeRuns, &TeamFactors::homeRuns);
    const auto sw = shares(row.walks, &TeamFactors::walks);
    const auto sk = shares(row.strikeouts, &TeamFactors::strikeouts);
    const auto pa =
        apportion(roundInt(row.plateAppearances()), std::vector<double>(kTeamsPerLeague, 1.0));
    const auto ip = apportion(row.innings, std::vector<double>(kTeamsPerLeague, 1.0));
    std::vector<Targets> out(kTeamsPerLeague);
    for (int i = 0; i < kTeamsPerLeague; ++i) {
        const auto u = static_cast<std::size_t>(i);
        out[u] = {pa[u], s1[u] + s2[u] + s3[u] + s4[u], s2[u], s3[u], s4[u], sw[u], sk[u], ip[u]};
    }
    return out;
}

void makeStaff(Rng& rng, NameBook& names, TeamPlan& team, int staffSize) {
    std::vector<Role> roles{Role::Ace,         Role::Starter, Role::Starter, Role::Starter,
                            Role::BackStarter, Role::Closer,  Role::Setup,   Role::Setup,
                            Role::Middle,      Role::Long};
    while (static_cast<int>(roles.size()) < staffSize - 1) roles.push_back(Role::Middle);
    roles.push_back(Role::MopUp);
    for (Role role : roles) {
        Pitcher p;
        p.role = role;
        p.name = names.person();
        const double u = rng.draw();
        p.hand = u < 0.30 ? 'L' : (u < 0.35 ? 'l' : (u < 0.40 ? 'r' : 'R'));
        const double z = uniform(rng, -1, 1);
        switch (role) {
            case Role::Ace:
                p.hitMul = uniform(rng, 0.76, 0.84), p.hrMul = uniform(rng, 0.55, 0.7);
                p.walkMul = uniform(rng, 0.65, 0.8), p.kMul = uniform(rng, 1.3, 1.5);
                break;
            case Role::Closer:
                p.hitMul = uniform(rng, 0.72, 0.82), p.hrMul = uniform(rng, 0.55, 0.75);
                p.walkMul = uniform(rng, 0.8, 0.95), p.kMul = uniform(rng, 1.4, 1.65);
                break;
            case Role::Setup:
                p.hitMul = uniform(rng, 0.84, 0.94), p.hrMul = uniform(rng, 0.7, 0.9);
                p.walkMul = uniform(rng, 0.85, 1.05), p.kMul = uniform(rng, 1.15, 1.35);
                break;
            case Role::BackStarter:
                p.hitMul = uniform(rng, 1.06, 1.14), p.hrMul = uniform(rng, 1.2, 1.45);
                p.walkMul = uniform(rng, 1.0, 1.2), p.kMul = uniform(rng, 0.78, 0.9);
                break;
            case Role::MopUp:
                p.hitMul = uniform(rng, 1.15, 1.25), p.hrMul = uniform(rng, 1.4, 1.75);
                p.walkMul = uniform(rng, 1.25, 1.45), p.kMul = uniform(rng, 0.75, 0.9);
                break;
            case Role::Long:
                p.hitMul = 1.04 + 0.06 * z, p.hrMul = 1.1 + 0.2 * z;
                p.walkMul = 1.05 + 0.1 * z, p.kMul = 0.92 - 0.1 * z;
                break;
            default:
                p.hitMul = 1 + 0.08 * z, p.hrMul = 1 + 0.22 * z;
                p.walkMul = 1 + 0.15 * z, p.kMul = 1 - 0.15 * z;
                break;
        }
        team.staff.push_back(p);
    }

    // Starts: the whole schedule goes to the rotation, the ace taking the
    // most turns and the fifth man the fewest.
    std::vector<double> turns{1.1, uniform(rng, 0.97, 1.05), uniform(rng, 0.95, 1.03),
                              uniform(rng, 0.92, 1.0), uniform(rng, 0.8, 0.9)};
    const auto starts = apportion(kGames, turns);
    for (std::size_t i = 0; i < starts.size(); ++i) team.staff[i].gs = starts[i];
    int starterInnings = 0;
    for (auto& p : team.staff) {
        if (!p.isStarter()) continue;
        const double perStart = p.role == Role::Ace           ? uniform(rng, 6.3, 6.7)
                                : p.role == Role::BackStarter ? uniform(rng, 5.2, 5.6)
                                                              : uniform(rng, 5.8, 6.2);
        p.ip = roundInt(p.gs * perStart);
        p.g = p.gs + (rng.chance(0.3) ? 1 : 0);
        starterInnings += p.ip;
    }
    std::vector<double> w;
    std::vector<Pitcher*> pen;
    for (auto& p : team.staff) {
        if (p.isStarter()) continue;
        pen.push_back(&p);
        double weight = 0.95;
        if (p.role == Role::Closer) weight = 0.9;
        if (p.role == Role::Long) weight = 1.35;
        if (p.role == Role::MopUp) weight = 0.6;
        w.push_back(weight * uniform(rng, 0.85, 1.15));
    }
    const auto penInnings = apportion(team.pitching.ip - starterInnings, w);
    for (std::size_t i = 0; i < pen.size(); ++i) {
        Pitcher& p = *pen[i];
        p.ip = penInnings[i];
        const double perGame = p.role == Role::Long    ? uniform(rng, 1.6, 2.0)
                               : p.role == Role::MopUp ? uniform(rng, 1.2, 1.5)
                                                       : uniform(rng, 0.93, 1.08);
        p.g = std::max(1, roundInt(p.ip / perGame));
    }

    // Allowed hits, walks, strikeouts and home runs follow innings and role.
    std::vector<Pitcher*> all;
    for (auto& p : team.staff) all.push_back(&p);
    auto apportionBy = [&](int total, auto weight, int Pitcher::*field) {
        std::vector<double> ww;
        for (const Pitcher* p : all) ww.push_back(weight(*p));
        const auto parts = apportion(total, ww);
        for (std::size_t i = 0; i < all.size(); ++i) all[i]->*field = parts[i];
    };
    apportionBy(
        team.pitching.h, [](const Pitcher& p) { return p.ip * p.hitMul; }, &Pitcher::h);
    apportionBy(
        team.pitching.hr, [](const Pitcher& p) { return p.ip * p.hrMul; }, &Pitcher::hr);
    apportionBy(
        team.pitching.bb, [](const Pitcher& p) { return p.ip * p.walkMul; }, &Pitcher::bb);
    apportionBy(
        team.pitching.k, [](const Pitcher& p) { return p.ip * p.kMul; }, &Pitcher::k);
    apportionBy(
        team.pitching.d, [](const Pitcher& p) { return p.h - p.hr + 0.0; }, &Pitcher::d);
    apportionBy(
        team.pitching.t, [](const Pitcher& p) { return p.h - p.hr + 0.0; }, &Pitcher::t);
    for (Pitcher* p : all) {
        if (p->d + p->t + p->hr > p->h) fail("pitching line does not add up: " + p->name);
        const double runs = baseRuns(p->h, p->d, p->t, p->hr, p->bb, 3 * p->ip);
        p->earnedRuns = 0.92 * runs * uniform(rng, 0.9, 1.1);
        p->era100 = std::min(999, roundInt(900.0 * p->earnedRuns / std::max(1, p->ip)));
    }
}

void makePitcherBatting(Rng& rng, TeamPlan& team) {
    static constexpr std::array<char, 5> kGrades{'B', 'C', 'D', 'D', 'E'};
    for (auto& p : team.staff) {
        const bool bats = !team.designatedHitter && (p.isStarter() || p.g >= 40);
        if (!bats) {
            p.battingGrade = kGrades[static_cast<std::size_t>(rng.randInt(5) - 1)];
            continue;
        }
        p.batAb = p.isStarter() ? roundInt(p.gs * uniform(rng, 1.7, 2.1)) : rng.randInt(6);
        p.batH = roundInt(p.batAb * uniform(rng, 0.07, 0.2));
        p.batHr = p.batH >= 8 && rng.chance(0.35) ? 1 : 0;
        p.batBb = roundInt(p.batAb * uniform(rng, 0.02, 0.07));
        p.batK = std::min(p.batAb - p.batH, roundInt(p.batAb * uniform(rng, 0.3, 0.45)));
        if (p.batAb == 0) p.battingGrade = 'D';
    }
    Batter& slot = team.pitcherSlot;
    slot = Batter{};
    slot.name = "Pitcher";
    slot.slotPosition = 1;
    slot.hand = 'R';
    for (const auto& p : team.staff) {
        slot.ab += p.batAb, slot.h += p.batH, slot.hr += p.batHr, slot.bb += p.batBb,
            slot.k += p.batK;
    }
    slot.pa = slot.ab + slot.bb;
    slot.d = roundInt(0.12 * slot.h);
    slot.t = slot.h >= 20 ? 1 : 0;
    slot.rbi = roundInt(slot.h / 2.4);
    slot.g = kGames;
}

void makeBatters(Rng& rng, NameBook& names, TeamPlan& team) {
    std::string starterCodes = team.designatedHitter ? "23456789D" : "23456789";
    std::vector<Batter> starters;
    for (char c : starterCodes) starters.push_back(makeBatter(rng, names, c, false));

    // One slugger on every team; a burner on most; a batting-title kind
    // of hitter on some.
    static constexpr std::string_view kPowerSpots = "3579D";
    static constexpr std::string_view kSpeedSpots = "4678";
    auto choose = [&](std::string_view spots, auto skip) -> Batter& {
        for (;;) {
            Batter& b = starters[static_cast<std::size_t>(
                rng.randInt(static_cast<int>(starters.size())) - 1)];
            if (spots.find(b.primary) != std::string_view::npos && !skip(b)) return b;
        }
    };
    Batter& slugger = choose(kPowerSpots, [](const Batter&) { return false; });
    slugger.power = uniform(rng, 1.75, 2.05), slugger.whiff *= 1.3, slugger.contact *= 0.97,
    slugger.eye *= 1.2, slugger.speed *= 0.6;
    Batter* burner = nullptr;
    if (rng.chance(0.7)) {
        burner = &choose(kSpeedSpots, [&](const Batter& b) { return &b == &slugger; });
        burner->speed = uniform(rng, 2.3, 2.7), burner->power *= 0.6, burner->contact *= 1.02;
    }
    auto taken = [&](const Batter& b) { return &b == &slugger || &b == burner; };
    if (rng.chance(0.6)) {
        Batter& star = choose("3456789D", taken);
        star.contact *= 1.08, star.eye *= 1.1, star.whiff *= 0.85;
    }
    // A weak-hitting glove man at one middle-infield or catching spot.
    Batter& glove = choose("246", taken);
    glove.contact *= 0.93, glove.power *= 0.7;

    team.lineup = battingOrder(starters);
    static constexpr std::array<double, 9> kSlotPa{700, 690, 680, 670, 655, 640, 620, 600, 585};
    for (std::size_t i = 0; i < team.lineup.size(); ++i) {
        Batter& b = team.lineup[i];
        b.slotPosition = b.primary == 'D' ? 10 : b.primary - '0';
        b.paWeight = kSlotPa[i] * uniform(rng, 0.84, 1.0) * (b.primary == '2' ? 0.8 : 1.0);
        b.rbiFactor = i >= 2 && i <= 4 ? 1.12 : (i < 2 ? 0.85 : 0.95);
    }

    std::string benchCodes = "2479";
    const int benchSize = team.designatedHitter ? 4 + rng.randInt(2) : 5 + rng.randInt(2);
    static constexpr std::string_view kExtra = "5836";
    for (int i = 4; i < benchSize; ++i)
        benchCodes.push_back(kExtra[static_cast<std::size_t>(i - 4)]);
    for (char c : benchCodes) {
        Batter b = makeBatter(rng, names, c, true);
        b.paWeight = (c == '2' ? uniform(rng, 170, 240) : uniform(rng, 100, 300)) *
                     (team.designatedHitter ? 1.0 : 1.12);
        b.rbiFactor = 0.95;
        team.bench.push_back(b);
    }
    // Platoon marks for a few part-timers.
    for (auto& b : team.bench)
        if (b.hand != 'S' && rng.chance(0.3)) b.platoon = '*';
    if (rng.chance(0.3)) team.lineup.back().platoon = '*';

    Targets rest = team.batting;
    if (!team.designatedHitter) {
        const Batter& s = team.pitcherSlot;
        rest.pa -= s.pa, rest.h -= s.h, rest.d -= s.d, rest.t -= s.t, rest.hr -= s.hr;
        rest.bb -= s.bb, rest.k -= s.k;
    }
    std::vector<Batter*> players;
    for (auto& b : team.lineup) players.push_back(&b);
    for (auto& b : team.bench) players.push_back(&b);
    spreadBattingStats(rng, players, rest, team.teamSteals);
    for (auto& b : team.lineup) assignPositionsAndGames(rng, b, true, team.errorsLayout);
    for (auto& b : team.bench) assignPositionsAndGames(rng, b, false, team.errorsLayout);
    for (Batter* b : players) b->speedRating = speedFromSteals(*b);
    if (!team.designatedHitter) team.lineup.push_back(team.pitcherSlot);
}

void settleRecords(Rng& rng, std::vector<TeamPlan>& teams) {
    std::vector<double> w;
    for (auto& team : teams) {
        const auto& b = team.batting;
        team.runsScored = baseRuns(b.h, b.d, b.t, b.hr, b.bb, b.pa - b.bb - b.h);
        const auto& p = team.pitching;
        team.runsAllowed = baseRuns(p.h, p.d, p.t, p.hr, p.bb, 3 * p.ip);
        const double pct =
            std::clamp(std::pow(team.runsScored, 1.83) /
                           (std::pow(team.runsScored, 1.83) + std::pow(team.runsAllowed, 1.83)),
                       0.35, 0.65);
        w.push_back(pct * uniform(rng, 0.96, 1.04));
    }
    // Every game has a winner and a loser inside the league.
    const auto wins = apportion(kGames * kTeamsPerLeague / 2, w);
    for (std::size_t i = 0; i < teams.size(); ++i) {
        TeamPlan& team = teams[i];
        team.wins = wins[i];
        team.losses = kGames - team.wins;
        team.saves = roundInt(team.wins * uniform(rng, 0.44, 0.56));
        double era = 0;
        for (const auto& p : team.staff) era += p.earnedRuns;
        era = 9 * era / team.pitching.ip;
        const double teamPct = team.wins / double(kGames);
        std::vector<double> ww, lw, sw;
        for (const auto& p : team.staff) {
            const double pitcherEra = p.era100 / 100.0;
            const double share = std::clamp(teamPct + 0.07 * (era - pitcherEra), 0.2, 0.8);
            const double decisions =
                p.isStarter() ? 0.68 * p.gs : (p.role == Role::Closer ? 0.1 : 0.13) * p.g;
            ww.push_back(decisions * share);
            lw.push_back(decisions * (1 - share));
            double save = 0.02 * p.g;
            if (p.role == Role::Closer) save = 12.0 * p.g;
            if (p.role == Role::Setup) save = 0.6 * p.g;
            if (p.isStarter() || p.role == Role::MopUp || p.role == Role::Long) save = 0;
            sw.push_back(save);
        }
        const auto pw = apportion(team.wins, ww);
        const auto pl = apportion(team.losses, lw);
        const auto ps = apportion(team.saves, sw);
        for (std::size_t k = 0; k < team.staff.size(); ++k) {
            team.staff[k].w = pw[k];
            team.staff[k].l = pl[k];
            team.staff[k].sv = ps[k];
        }
    }
}

// ---------------------------------------------------------------- writing

// Header line. The season sits in cols 11-14 and the team name in cols
// 13-24, so the two overlap: the loader reads the season "2026" and a
// team name that begins with the season's last two digits. Writing
// "2026 " and the place from col 11 makes the name read "26 Dalvora", the
// way a season's team is shown everywhere (standings, box scores,
// statistics keys), and leaves room for eight letters of place.
std::string headerLine(const TeamPlan& team) {
    vrk::WrittenHeader h;
    h.league = team.league;
    h.division = team.division;
    h.seasonAndName = "2026 " + team.place;
    h.errorsLayout = team.errorsLayout;
    h.stealHeadings = team.stealHeadings;
    return vrk::teamHeaderLine(h);
}

std::string batterLine(const TeamPlan& team, const Batter& b, bool onBench) {
    vrk::WrittenBatter w;
    w.name = b.name;
    w.position = onBench ? (b.primary == 'D' ? 10 : b.primary - '0') : b.slotPosition;
    w.platoon = b.platoon;
    w.ab = b.ab;
    w.h = b.h;
    w.d = b.d;
    w.t = b.t;
    w.hr = b.hr;
    w.bb = b.bb;
    w.k = b.k;
    w.rbi = b.rbi;
    w.hand = b.hand;
    w.defense = b.defense;
    w.sb = b.sb;
    w.cs = b.cs;
    w.speedRating = b.speedRating;
    w.g = b.g;
    for (std::size_t k = 0; k < 4; ++k)
        w.positions[k] = {b.positions[k].games, b.positions[k].code};
    return vrk::teamBatterLine(w, team.stealHeadings);
}

std::string pitcherLine(const Pitcher& p) {
    vrk::WrittenPitcher w;
    w.name = p.name;
    w.ip = p.ip;
    w.h = p.h;
    w.d = p.d;
    w.t = p.t;
    w.hr = p.hr;
    w.bb = p.bb;
    w.k = p.k;
    w.era100 = p.era100;
    w.hand = p.hand;
    w.w = p.w;
    w.l = p.l;
    w.sv = p.sv;
    w.g = p.g;
    w.gs = p.gs;
    w.battingGrade = p.battingGrade;
    w.batAb = p.batAb;
    w.batH = p.batH;
    w.batHr = p.batHr;
    w.batBb = p.batBb;
    w.batK = p.batK;
    return vrk::teamPitcherLine(w);
}

std::string teamText(const TeamPlan& team, std::uint64_t seed) {
    std::string out;
    auto add = [&](const std::string& s) { out += s + "\n"; };
    add("; Varkon Simulator sample league, season 2026: " + team.place + " (league " +
        std::string(1, team.league) + ", division " + std::string(1, team.division) + ")");
    add("; Invented players and figures, written by make_league with seed " + std::to_string(seed) +
        ".");
    add(headerLine(team));
    for (const auto& b : team.lineup) add(batterLine(team, b, false));
    add(std::string(vrk::teamPitcherHeadings()));
    for (const auto& p : team.staff) add(pitcherLine(p));
    add("* Bench");
    for (const auto& b : team.bench) add(batterLine(team, b, true));
    add("*COL=" + team.color + ", PE=" + std::to_string(team.parkA) + "/" +
        std::to_string(team.parkB) + ", DH=" + (team.designatedHitter ? "Y" : "N"));
    add("*WL=" + std::to_string(team.wins) + "-" + std::to_string(team.losses));
    add("##");
    return out;
}

std::vector<TeamPlan> buildLeague(Rng& rng, NameBook& names, const std::vector<std::string>& places,
                                  const LeagueRow& row, int leagueIndex) {
    const auto batting = splitLeague(rng, row, 0.05);
    const auto pitching = splitLeague(rng, row, 0.05);
    std::vector<TeamPlan> teams(kTeamsPerLeague);
    for (int i = 0; i < kTeamsPerLeague; ++i) {
        TeamPlan& team = teams[static_cast<std::size_t>(i)];
        team.league = row.league;
        team.division = i < 4 ? 'E' : 'W';
        team.place = places[static_cast<std::size_t>(i)];
        std::string stem = team.place;
        for (char& c : stem) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        team.fileName = stem + ".DAT";
        team.designatedHitter = row.league == 'A';
        // One team per league keeps speed ratings instead of steals, another
        // counts errors instead of rating its fielders.
        team.stealHeadings = i != 2;
        team.errorsLayout = i == 5;
        team.color =
            std::string(kColors[static_cast<std::size_t>((i + 5 * leagueIndex) % kColors.size())]);
        team.parkA = 90 + rng.randInt(21);
        team.parkB = 94 + rng.randInt(13);
        team.batting = batting[static_cast<std::size_t>(i)];
        team.pitching = pitching[static_cast<std::size_t>(i)];
        team.teamSteals = 70 + rng.randInt(80);
        const int staffSize = i == 3 ? 11 : (rng.chance(0.5) ? 12 : 13);
        makeStaff(rng, names, team, staffSize);
        makePitcherBatting(rng, team);
        makeBatters(rng, names, team);
    }
    settleRecords(rng, teams);
    return teams;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::cerr << "usage: make_league OUTDIR [SEED]\n";
        return 2;
    }
    std::uint64_t seed = kDefaultSeed;
    if (argc == 3) {
        char* end = nullptr;
        seed = std::strtoull(argv[2], &end, 10);
        if (end == argv[2] || *end != '\0' || argv[2][0] == '-') {
            std::cerr << "make_league: the seed must be a whole number, not \"" << argv[2]
                      << "\"\n";
            return 2;
        }
    }
    try {
        const std::filesystem::path outDir = argv[1];
        std::filesystem::create_directories(outDir);
        Rng rng(seed);
        NameBook names(seed);
        std::vector<std::vector<std::string>> places(kRows.size());
        for (auto& league : places)
            for (int i = 0; i < kTeamsPerLeague; ++i) league.push_back(names.place());
        for (std::size_t l = 0; l < kRows.size(); ++l) {
            for (const TeamPlan& team :
                 buildLeague(rng, names, places[l], kRows[l], static_cast<int>(l))) {
                const auto path = outDir / team.fileName;
                std::ofstream out(path, std::ios::binary | std::ios::trunc);
                out << teamText(team, seed);
                if (!out) fail("cannot write " + path.string());
                std::cout << team.fileName << "  " << team.league << team.division << "  26 "
                          << team.place << "  " << team.wins << "-" << team.losses << "\n";
            }
        }
    } catch (const std::exception& e) {
        std::cerr << "make_league: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
