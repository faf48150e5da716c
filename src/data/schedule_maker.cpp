#include "data/schedule_maker.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "data/schedule_file.h"

namespace vrk {

namespace {

constexpr int kSlotsPerRecord = 15;

// Games between the clubs at places a and b of an n-club league: the base
// share, one more for the pairings whose distance round the circle of clubs
// is among the first `extra` / 2 (and the opposite club when `extra` is odd
// and n even); every club then has the same number of extra games.
int pairingGames(int a, int b, int n, int base, int extra) {
    const int d = ((b - a) % n + n) % n;
    const int apart = std::min(d, n - d);
    const bool more = apart <= extra / 2 || (extra % 2 == 1 && n % 2 == 0 && 2 * apart == n);
    return base + (more ? 1 : 0);
}

// Which side of an odd pairing gets the extra home game: the club that the
// other follows within half the circle; opposite clubs give it to the
// first half. Pairings of one distance then give each club one home and one
// away, so only the opposite pairings leave a difference of one.
bool firstHostsExtra(int a, int b, int n) {
    const int d = ((b - a) % n + n) % n;
    if (2 * d == n) return a < b;
    return 2 * d < n;
}

}  // namespace

std::vector<int> SeriesLengths(int homeGames) {
    if (homeGames <= 0) return {};
    if (homeGames == 1) return {1};
    const int count = (homeGames + 3) / 4;
    std::vector<int> lengths;
    for (int i = 0; i < count; ++i) lengths.push_back(homeGames / count + (i < homeGames % count));
    return lengths;
}

std::vector<ScheduleSeries> BalancedLeagueSeries(const std::vector<int>& clubs, int games) {
    std::vector<ScheduleSeries> out;
    const int n = static_cast<int>(clubs.size());
    if (n < 2 || games <= 0) return out;
    const int base = games / (n - 1);
    const int extra = games % (n - 1);
    for (int a = 0; a < n; ++a) {
        for (int b = a + 1; b < n; ++b) {
            const int g = pairingGames(a, b, n, base, extra);
            const int aHome = g / 2 + (g % 2 == 1 && firstHostsExtra(a, b, n) ? 1 : 0);
            for (int len : SeriesLengths(aHome)) out.push_back({clubs[b], clubs[a], len});
            for (int len : SeriesLengths(g - aHome)) out.push_back({clubs[a], clubs[b], len});
        }
    }
    return out;
}

std::vector<std::vector<ScheduleSeries>> LayOutSeries(std::vector<ScheduleSeries> left,
                                                      int clubCount, Rng& rng) {
    struct Running {
        ScheduleSeries series;
        int firstDay;
    };
    const auto n = static_cast<std::size_t>(std::max(clubCount, 0));
    std::vector<int> freeFrom(n, 0);
    std::vector<int> lastOpponent(n, -1);
    std::vector<int> gamesLeft(n, 0);
    for (const ScheduleSeries& s : left) {
        gamesLeft[static_cast<std::size_t>(s.visitor)] += s.games;
        gamesLeft[static_cast<std::size_t>(s.home)] += s.games;
    }
    std::vector<Running> running;
    std::vector<std::vector<ScheduleSeries>> days;

    for (int day = 0; !left.empty() || !running.empty(); ++day) {
        std::vector<bool> busy(n);
        for (std::size_t t = 0; t < n; ++t) busy[t] = freeFrom[t] > day;
        // The clubs with the most games left choose first, so all finish
        // close together.
        std::vector<int> order(n);
        for (std::size_t t = 0; t < n; ++t) order[t] = static_cast<int>(t);
        std::sort(order.begin(), order.end(), [&](int a, int b) {
            const auto ga = gamesLeft[static_cast<std::size_t>(a)];
            const auto gb = gamesLeft[static_cast<std::size_t>(b)];
            return ga != gb ? ga > gb : a < b;
        });
        for (int a : order) {
            if (busy[static_cast<std::size_t>(a)]) continue;
            int best = -1;
            double bestScore = -1e9;
            for (int i = 0; i < static_cast<int>(left.size()); ++i) {
                const ScheduleSeries& s = left[static_cast<std::size_t>(i)];
                if (s.visitor != a && s.home != a) continue;
                const int b = s.visitor == a ? s.home : s.visitor;
                if (busy[static_cast<std::size_t>(b)]) continue;
                double score = gamesLeft[static_cast<std::size_t>(b)] + rng.draw() * 6;
                if (lastOpponent[static_cast<std::size_t>(a)] == b) score -= 40;
                if (score > bestScore) {
                    bestScore = score;
                    best = i;
                }
            }
            if (best < 0) continue;
            const ScheduleSeries s = left[static_cast<std::size_t>(best)];
            left.erase(left.begin() + best);
            running.push_back({s, day});
            for (int t : {s.visitor, s.home}) {
                const auto i = static_cast<std::size_t>(t);
                busy[i] = true;
                gamesLeft[i] -= s.games;
                freeFrom[i] = day + s.games + (rng.draw() < 0.3 ? 1 : 0);
            }
            lastOpponent[static_cast<std::size_t>(s.visitor)] = s.home;
            lastOpponent[static_cast<std::size_t>(s.home)] = s.visitor;
        }
        days.emplace_back();
        for (auto it = running.begin(); it != running.end();) {
            days.back().push_back(it->series);
            if (day - it->firstDay + 1 == it->series.games) {
                it = running.erase(it);
            } else {
                ++it;
            }
        }
    }
    return days;
}

std::string SeasonDate(int day, int year) {
    // April to December; a season runs out long before.
    constexpr std::array<int, 9> kMonthDays = {30, 31, 30, 31, 31, 30, 31, 30, 31};
    int month = 4;
    int d = day + 2;
    for (std::size_t m = 0; m < kMonthDays.size() && d > kMonthDays[m]; ++m) {
        d -= kMonthDays[m];
        ++month;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%02d/%02d/%02d", month % 100, d % 100, year % 100);
    return text;
}

std::vector<std::uint8_t> ScheduleFileBytes(const std::vector<std::vector<ScheduleSeries>>& days,
                                            const std::vector<std::string>& names, int year) {
    const std::size_t length = kLongScheduleRecord;
    std::vector<std::uint8_t> bytes = BlankScheduleRecord(length, true);
    for (std::size_t d = 0; d < days.size(); ++d) {
        for (std::size_t first = 0; first < days[d].size(); first += kSlotsPerRecord) {
            std::vector<std::uint8_t> record = BlankScheduleRecord(length, false);
            SetRecordDate(record, SeasonDate(static_cast<int>(d), year));
            int k = 0;
            for (std::size_t g = first; g < days[d].size() && k < kSlotsPerRecord; ++g) {
                const ScheduleSeries& s = days[d][g];
                SetRecordSlot(record, ++k,
                              {names[static_cast<std::size_t>(s.visitor)],
                               names[static_cast<std::size_t>(s.home)], ""});
            }
            bytes.insert(bytes.end(), record.begin(), record.end());
        }
    }
    return bytes;
}

}  // namespace vrk
