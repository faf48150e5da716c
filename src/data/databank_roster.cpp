#include "data/databank_roster.h"

#include <algorithm>
#include <cctype>
#include <set>

#include "core/rounding.h"
#include "data/club_rebuild.h"
#include "data/league_rows.h"
#include "data/team_file_writer.h"

namespace vrk {

namespace {

constexpr std::size_t kMaxPlayerLines = 51;
constexpr std::size_t kMaxStaff = 26;  // entries 10 to 35
constexpr std::size_t kKeyLength = 16;

struct Member {
    const ClubPlayer* player = nullptr;
    std::string name;
    int position = 0;  // line-up position once chosen
};

long capped(long value, long most, const std::string& what, std::vector<std::string>& notes) {
    if (value <= most) return value;
    notes.push_back(what + " " + std::to_string(value) + " written as " + std::to_string(most));
    return most;
}

std::string lettersOnly(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (std::isalpha(static_cast<unsigned char>(c)) || c == ' ' || c == '.' || c == '\'' ||
            c == '-') {
            out += c;
        }
    }
    const auto first = out.find_first_not_of(' ');
    const auto last = out.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : out.substr(first, last - first + 1);
}

// "Last,First" in 18 characters, and the 16 that key a player's statistics
// (the loader stores "Last, First").
std::string fittedName(const std::string& last, const std::string& first) {
    if (first.empty()) return last.substr(0, 18);
    if (last.size() + 1 + first.size() <= 18) return last + "," + first;
    if (last.size() + 2 <= 18) return last + "," + first.substr(0, 1);
    return last.substr(0, 16) + "," + first.substr(0, 1);
}

std::string statisticsKey(const std::string& written) {
    const auto comma = written.find(',');
    std::string stored = written;
    if (comma != std::string::npos && comma > 0)
        stored = written.substr(0, comma) + ", " + written.substr(comma + 1);
    stored.resize(kKeyLength, ' ');
    return stored;
}

std::string uniqueName(const DatabankPerson* person, const std::string& playerId,
                       std::set<std::string>& keys) {
    std::string last = person ? lettersOnly(person->last) : std::string();
    std::string first = person ? lettersOnly(person->first) : std::string();
    if (last.empty()) last = lettersOnly(playerId);
    if (last.empty()) last = "Player";
    std::string name = fittedName(last, first);
    // Two players of a club whose names agree in the key's 16 characters get
    // a number after the initial, the surname cut to make room.
    for (int n = 2; !keys.insert(statisticsKey(name)).second; ++n) {
        const std::string tail = "," + first.substr(0, 1) + std::to_string(n);
        name = last.substr(0, std::min(last.size(), kKeyLength - 1 - tail.size())) + tail;
    }
    return name;
}

char handLetter(char bats, char throws) {
    if (bats == 'B' || bats == 'S') return 'S';
    if (bats == 'L') return throws == 'R' ? 'l' : 'L';
    return throws == 'L' ? 'r' : 'R';
}

char throwingLetter(char bats, char throws) {
    if (throws == 'L') return bats == 'R' ? 'l' : 'L';
    return bats == 'L' ? 'r' : 'R';
}

long gamesAt(const ClubPlayer& p, int position) {
    long games = p.fielding.games[static_cast<std::size_t>(position)];
    if (position >= 7) games += p.fielding.outfieldGames;
    return games;
}

double onBase(const ClubBatting& b) {
    const double pa = static_cast<double>(b.ab + b.bb + b.hbp);
    return pa > 0 ? static_cast<double>(b.h + b.bb + b.hbp) / pa : 0;
}
double slugging(const ClubBatting& b) {
    return b.ab > 0
               ? static_cast<double>(b.h + b.d + 2 * b.t + 3 * b.hr) / static_cast<double>(b.ab)
               : 0;
}

// On-base men first and second (the faster of equals leads off), the best
// hitter third, the most power fourth and fifth, the rest by on-base plus
// slugging; a pitchers' slot bats last.
std::vector<Member> battingOrder(std::vector<Member> starters) {
    std::vector<Member> order;
    Member pitchersSlot;
    const auto slot = std::find_if(starters.begin(), starters.end(),
                                   [](const Member& m) { return m.player == nullptr; });
    if (slot != starters.end()) {
        pitchersSlot = *slot;
        starters.erase(slot);
    }
    auto takeBest = [&](auto score) {
        auto best = std::max_element(starters.begin(), starters.end(),
                                     [&](const Member& a, const Member& b) {
                                         return score(a.player->batting) < score(b.player->batting);
                                     });
        Member m = *best;
        starters.erase(best);
        return m;
    };
    const auto ops = [](const ClubBatting& b) { return onBase(b) + slugging(b); };
    if (starters.size() >= 5) {
        const Member third = takeBest(ops);
        const Member fourth = takeBest(slugging);
        const Member first =
            takeBest([](const ClubBatting& b) { return onBase(b) + 0.0005 * double(b.sb); });
        const Member second = takeBest(onBase);
        const Member fifth = takeBest(slugging);
        order = {first, second, third, fourth, fifth};
    }
    std::stable_sort(starters.begin(), starters.end(), [&](const Member& a, const Member& b) {
        return ops(a.player->batting) > ops(b.player->batting);
    });
    order.insert(order.end(), starters.begin(), starters.end());
    if (pitchersSlot.position == 1) order.push_back(pitchersSlot);
    return order;
}

WrittenBatter batterFor(const Member& m, const DatabankSeason& season,
                        std::vector<std::string>& notes) {
    const ClubPlayer& p = *m.player;
    const ClubBatting& b = p.batting;
    WrittenBatter w;
    w.name = m.name;
    w.position = m.position;
    const std::string who = m.name + ":";
    w.ab = capped(b.ab, 999, who + " at bats", notes);
    w.h = capped(b.h, 999, who + " hits", notes);
    w.d = b.d;
    w.t = b.t;
    w.hr = b.hr;
    w.bb = capped(b.bb, 999, who + " walks", notes);
    w.k = capped(b.so, 999, who + " strikeouts", notes);
    w.rbi = capped(b.rbi, 999, who + " runs batted in", notes);
    const auto person = season.people.find(p.playerId);
    if (person != season.people.end())
        w.hand = handLetter(person->second.bats, person->second.throws);
    w.defense = capped(p.fielding.errors, 999, who + " errors", notes);
    w.sb = capped(b.sb, 999, who + " stolen bases", notes);
    w.cs = capped(b.cs, 999, who + " caught stealing", notes);
    w.g = capped(b.g, 999, who + " games", notes);
    std::vector<std::pair<long, int>> played;
    std::array<long, 10> games = p.fielding.games;
    // Outfield games not split by field count where the player was placed.
    if (p.fielding.outfieldGames > 0)
        games[static_cast<std::size_t>(m.position >= 7 && m.position <= 9 ? m.position : 7)] +=
            p.fielding.outfieldGames;
    for (int k = 1; k <= 9; ++k)
        if (games[static_cast<std::size_t>(k)] > 0)
            played.emplace_back(games[static_cast<std::size_t>(k)], k);
    std::stable_sort(played.begin(), played.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    for (std::size_t k = 0; k < 4 && k < played.size(); ++k)
        w.positions[k] = {static_cast<int>(std::min(999L, played[k].first)),
                          static_cast<char>('0' + played[k].second)};
    if (w.position == 0) w.position = played.empty() ? 10 : played.front().second;
    if (w.position == 1 && m.player != nullptr) w.position = 9;  // a bench 1 reads as 9 anyway
    return w;
}

char pitcherBattingGrade(const ClubBatting& b) {
    if (b.ab < 10) return 'C';
    const double average = static_cast<double>(b.h) / static_cast<double>(b.ab);
    return average >= .250   ? 'A'
           : average >= .200 ? 'B'
           : average >= .150 ? 'C'
           : average >= .100 ? 'D'
                             : 'E';
}

WrittenPitcher pitcherFor(const Member& m, const DatabankSeason& season, bool ownBatting,
                          std::vector<std::string>& notes) {
    const ClubPlayer& p = *m.player;
    const ClubPitching& s = p.pitching;
    WrittenPitcher w;
    const std::string who = m.name + ":";
    w.name = m.name;
    w.ip = capped(static_cast<long>(roundHalfEven(static_cast<double>(s.outs) / 3.0)), 999,
                  who + " innings", notes);
    w.h = capped(s.h, 999, who + " hits allowed", notes);
    w.hr = s.hr;
    w.bb = capped(s.bb, 999, who + " walks", notes);
    w.k = capped(s.so, 999, who + " strikeouts", notes);
    const long era100 =
        s.outs > 0
            ? static_cast<long>(roundHalfEven(static_cast<double>(s.er) * 2700.0 / double(s.outs)))
            : (s.er > 0 ? 999 : 0);
    w.era100 = capped(era100, 999, who + " ERA x 100", notes);
    const auto person = season.people.find(p.playerId);
    if (person != season.people.end())
        w.hand = throwingLetter(person->second.bats, person->second.throws);
    w.w = s.w;
    w.l = s.l;
    w.sv = capped(s.sv, 999, who + " saves", notes);
    w.g = capped(s.g, 999, who + " games", notes);
    w.gs = capped(s.gs, 999, who + " games started", notes);
    w.battingGrade = pitcherBattingGrade(p.batting);
    if (ownBatting && p.batting.ab > 0) {
        w.batAb = capped(p.batting.ab, 999, who + " own at bats", notes);
        w.batH = p.batting.h;
        w.batHr = capped(p.batting.hr, 99, who + " own home runs", notes);
        w.batBb = p.batting.bb;
        w.batK = p.batting.so;
    }
    return w;
}

}  // namespace

std::string shortClubName(const std::string& name, const std::string& fallback) {
    // The longest tail of whole words that fits 9 characters: "Red Sox" of
    // "Boston Red Sox".
    std::string best;
    std::size_t pos = name.size();
    while (true) {
        const auto space = name.rfind(' ', pos == 0 ? 0 : pos - 1);
        const std::string tail = space == std::string::npos ? name : name.substr(space + 1);
        if (tail.size() > 9) break;
        best = tail;
        if (space == std::string::npos) break;
        pos = space;
    }
    if (best.empty())
        best = (name.empty() ? fallback : name.substr(name.rfind(' ') + 1)).substr(0, 9);
    return lettersOnly(plainAscii(best)).substr(0, 9);
}

bool designatedHitterSeason(int year, const std::string& databankLeague) {
    if (databankLeague == "AL") return year >= 1973;
    if (databankLeague == "NL") return year == 2020 || year >= 2022;
    return false;
}

ImportedTeamFile buildImportedTeam(const DatabankSeason& season, const std::string& clubId,
                                   int year, const DatabankTeamSeason* club) {
    ImportedTeamFile out;
    const auto players = season.clubs.find(clubId);
    const auto lg = season.clubLeague.find(clubId);
    const std::string league = lg != season.clubLeague.end() ? lg->second
                               : club != nullptr             ? club->league
                                                             : std::string();
    const bool dh = designatedHitterSeason(year, league);
    std::set<std::string> keys;
    std::vector<Member> batters, staff;
    ClubBatting pitchersBatting;
    if (players != season.clubs.end()) {
        for (const ClubPlayer& p : players->second) {
            const auto person = season.people.find(p.playerId);
            const bool pitcher = p.pitched && (p.pitching.g > 0 || p.pitching.outs > 0);
            const bool hitter = p.batted && (p.batting.ab > 0 || p.batting.g > 0) &&
                                (!pitcher || p.batting.g - p.pitching.g >= 20);
            if (!pitcher && !hitter) continue;
            const std::string name = uniqueName(
                person != season.people.end() ? &person->second : nullptr, p.playerId, keys);
            if (pitcher) staff.push_back({&p, name, 1});
            if (hitter) batters.push_back({&p, name, 0});
            if (pitcher && !hitter) {
                ClubBatting& s = pitchersBatting;
                const ClubBatting& b = p.batting;
                s.g = std::max(s.g, b.g);
                s.ab += b.ab, s.h += b.h, s.d += b.d, s.t += b.t, s.hr += b.hr, s.bb += b.bb,
                    s.so += b.so, s.rbi += b.rbi, s.sb += b.sb, s.cs += b.cs, s.hbp += b.hbp;
            }
        }
    }
    const std::size_t regulars = dh ? 9 : 8;
    if (batters.size() < regulars || staff.empty()) {
        out.notes.push_back("club " + clubId + " has " + std::to_string(batters.size()) +
                            " batters and " + std::to_string(staff.size()) +
                            " pitchers: too few for a line-up and a staff; no file written");
        return out;
    }

    // Positions by the most games played there, each player at one.
    std::vector<std::tuple<long, std::size_t, int>> claims;
    for (std::size_t i = 0; i < batters.size(); ++i)
        for (int pos = 2; pos <= 9; ++pos)
            if (const long g = gamesAt(*batters[i].player, pos); g > 0)
                claims.emplace_back(g, i, pos);
    std::stable_sort(claims.begin(), claims.end(),
                     [](const auto& a, const auto& b) { return std::get<0>(a) > std::get<0>(b); });
    std::array<bool, 11> filled{};
    for (const auto& [games, i, pos] : claims) {
        if (filled[static_cast<std::size_t>(pos)] || batters[i].position != 0) continue;
        batters[i].position = pos;
        filled[static_cast<std::size_t>(pos)] = true;
    }
    std::vector<std::size_t> byAtBats(batters.size());
    for (std::size_t i = 0; i < byAtBats.size(); ++i) byAtBats[i] = i;
    std::stable_sort(byAtBats.begin(), byAtBats.end(), [&](std::size_t a, std::size_t b) {
        return batters[a].player->batting.ab > batters[b].player->batting.ab;
    });
    // An open position, and the designated hitter, go to the most at-bats left.
    for (int pos = 2; pos <= (dh ? 10 : 9); ++pos) {
        if (filled[static_cast<std::size_t>(pos)]) continue;
        for (const std::size_t i : byAtBats) {
            if (batters[i].position != 0) continue;
            batters[i].position = pos;
            break;
        }
    }
    std::vector<Member> starters, bench;
    for (const std::size_t i : byAtBats)
        (batters[i].position != 0 ? starters : bench).push_back(batters[i]);
    if (!dh) starters.push_back({nullptr, "Pitcher", 1});
    const std::vector<Member> order = battingOrder(starters);

    std::stable_sort(staff.begin(), staff.end(), [](const Member& a, const Member& b) {
        return a.player->pitching.gs > b.player->pitching.gs;
    });
    const std::size_t rotation = std::min<std::size_t>(5, staff.size());
    std::stable_sort(staff.begin() + static_cast<long>(rotation), staff.end(),
                     [](const Member& a, const Member& b) {
                         const ClubPitching& x = a.player->pitching;
                         const ClubPitching& y = b.player->pitching;
                         return x.sv != y.sv ? x.sv > y.sv : x.g > y.g;
                     });
    // The least used leave first when the club had more players than lines.
    auto use = [](const Member& m, bool pitcher) {
        const ClubPlayer& p = *m.player;
        return pitcher ? p.pitching.outs + p.pitching.h + p.pitching.bb
                       : p.batting.ab + p.batting.bb;
    };
    while (staff.size() > kMaxStaff ||
           order.size() + staff.size() + bench.size() > kMaxPlayerLines) {
        auto leastPitcher = std::min_element(
            staff.begin() + static_cast<long>(rotation), staff.end(),
            [&](const Member& a, const Member& b) { return use(a, true) < use(b, true); });
        auto leastBatter = std::min_element(
            bench.begin(), bench.end(),
            [&](const Member& a, const Member& b) { return use(a, false) < use(b, false); });
        const bool dropPitcher = leastPitcher != staff.end() &&
                                 (staff.size() > kMaxStaff || leastBatter == bench.end() ||
                                  use(*leastPitcher, true) < use(*leastBatter, false));
        if (dropPitcher) {
            out.leftOut.push_back(leastPitcher->name);
            staff.erase(leastPitcher);
        } else if (leastBatter != bench.end()) {
            out.leftOut.push_back(leastBatter->name);
            bench.erase(leastBatter);
        } else {
            break;
        }
    }

    const char letter = leagueLetter(league);
    WrittenHeader header;
    header.league = letter;
    header.division = club != nullptr && !club->division.empty() ? club->division[0] : ' ';
    header.seasonAndName =
        std::to_string(year) + " " + shortClubName(club != nullptr ? club->name : "", clubId);
    header.errorsLayout = true;
    header.stealHeadings = true;

    std::string text;
    auto add = [&](const std::string& line) { text += line + "\n"; };
    add("; " + std::to_string(year) + " " + (club != nullptr ? plainAscii(club->name) : clubId) +
        " (" + league + "), imported from the Baseball Databank (CC BY-SA 3.0)");
    add(teamHeaderLine(header));
    for (const Member& m : order) {
        if (m.player == nullptr) {
            WrittenBatter w;
            const ClubBatting& b = pitchersBatting;
            w.name = "Pitcher";
            w.position = 1;
            w.ab = capped(b.ab, 999, "pitchers' at bats", out.notes);
            w.h = b.h, w.d = b.d, w.t = b.t, w.hr = b.hr, w.bb = b.bb;
            w.k = capped(b.so, 999, "pitchers' strikeouts", out.notes);
            w.rbi = b.rbi;
            w.g = club != nullptr ? std::min(club->games, 999L) : b.g;
            add(teamBatterLine(w, true));
        } else {
            add(teamBatterLine(batterFor(m, season, out.notes), true));
        }
    }
    add(std::string(teamPitcherHeadings()));
    for (const Member& m : staff) {
        const bool alsoBats = std::any_of(batters.begin(), batters.end(),
                                          [&](const Member& b) { return b.player == m.player; });
        add(teamPitcherLine(pitcherFor(m, season, !alsoBats, out.notes)));
    }
    add("* Bench");
    for (const Member& m : bench) add(teamBatterLine(batterFor(m, season, out.notes), true));
    add(std::string("*DH=") + (dh ? "Y" : "N"));
    // The databank's park factors average the home and road games; the team
    // file takes the park's own effect, one figure for batters and pitchers.
    if (club != nullptr && club->battingParkFactor && club->pitchingParkFactor)
        add("*PE=" + std::to_string(parkPercent(*club->battingParkFactor, *club->pitchingParkFactor,
                                                ParkLine::OwnPark)));
    if (club != nullptr)
        add("*WL=" + std::to_string(club->wins) + "-" + std::to_string(club->losses));
    add("##");
    out.text = std::move(text);
    out.fileName = std::to_string(year) + std::string(1, letter) + clubId.substr(0, 3) + ".DAT";
    return out;
}

}  // namespace vrk
