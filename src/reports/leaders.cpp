#include "reports/leaders.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <functional>

#include "core/text_fields.h"
#include "reports/report_figures.h"
#include "reports/report_format.h"

namespace vrk {

namespace {

// A place whose value is not above this is nobody's (highest-first lists).
constexpr double kLeastShown = 0.001;

template <typename Record>
struct LeaderRule {
    std::string title;
    LeaderFormat format;
    bool lowestFirst;
    bool qualifiedOnly;
    std::function<double(const Record&)> value;
};

template <typename Record>
LeaderList Rank(const LeaderRule<Record>& rule, const std::vector<const Record*>& records,
                const std::function<bool(const Record&)>& qualifies) {
    LeaderList list{rule.title, rule.format, rule.lowestFirst, {}};
    for (const Record* r : records) {
        if (rule.qualifiedOnly && !qualifies(*r)) continue;
        double v = rule.value(*r);
        // Lowest-first lists keep a real zero (a perfect ERA leads); only
        // places nobody holds stay blank there.
        if (!rule.lowestFirst && !(v > kLeastShown)) continue;
        list.places.push_back({KeyPlayerName(r->key), KeyTeamName(r->key), v});
    }
    std::stable_sort(list.places.begin(), list.places.end(),
                     [&](const LeaderPlace& a, const LeaderPlace& b) {
                         return rule.lowestFirst ? a.value < b.value : a.value > b.value;
                     });
    if (list.places.size() > kLeaderPlaces) list.places.resize(kLeaderPlaces);
    return list;
}

template <typename Record>
std::vector<const Record*> LeagueRecords(const ReportLeague& league,
                                         std::vector<const Record*> ReportClub::*member) {
    std::vector<const Record*> all;
    for (const ReportClub& club : league.clubs)
        all.insert(all.end(), (club.*member).begin(), (club.*member).end());
    return all;
}

std::string ValueText(LeaderFormat format, double value) {
    switch (format) {
        case LeaderFormat::Count:
            return Fixed(value, 0);
        case LeaderFormat::Rate:
            return Rate(value, 3);
        case LeaderFormat::TwoDecimals:
            return Fixed(value, 2);
        case LeaderFormat::Innings:
            return Fixed(value, 1);
    }
    return {};
}

}  // namespace

std::vector<LeaderList> BattingLeaders(const ReportLeague& league, long qualifyingPA) {
    using Rule = LeaderRule<BattingRecord>;
    const auto count = [](auto field) {
        return [field](const BattingRecord& b) { return static_cast<double>(field(b)); };
    };
    const std::vector<Rule> rules = {
        {"Batting Avg (Based on " + std::to_string(qualifyingPA) + " PA) ====", LeaderFormat::Rate,
         false, true, BattingAverage},
        {"Runs ================================", LeaderFormat::Count, false, false,
         count([](const BattingRecord& b) { return b.runs; })},
        {"Hits ===============================", LeaderFormat::Count, false, false,
         count([](const BattingRecord& b) { return b.hits.total; })},
        {"Home Runs ===========================", LeaderFormat::Count, false, false,
         count([](const BattingRecord& b) { return b.homeRuns.total; })},
        {"Doubles ============================", LeaderFormat::Count, false, false,
         count([](const BattingRecord& b) { return b.doubles.total; })},
        {"Triples =============================", LeaderFormat::Count, false, false,
         count([](const BattingRecord& b) { return b.triples.total; })},
        {"RBI ================================", LeaderFormat::Count, false, false,
         count([](const BattingRecord& b) { return b.runsBattedIn; })},
        {"Walks ===============================", LeaderFormat::Count, false, false,
         count([](const BattingRecord& b) { return b.walks.total; })},
        {"Stolen Bases =======================", LeaderFormat::Count, false, false,
         count([](const BattingRecord& b) { return b.stolenBases; })},
        {"On-Base Pct. ========================", LeaderFormat::Rate, false, true, OnBasePct},
        {"Slugging ===========================", LeaderFormat::Rate, false, true, SluggingPct},
        {"Runs Created Per 27 Outs ============", LeaderFormat::TwoDecimals, false, true,
         RunsCreatedPer27},
    };
    const auto batters = LeagueRecords(league, &ReportClub::batters);
    const std::function<bool(const BattingRecord&)> qualifies = [qualifyingPA](const auto& b) {
        return PlateAppearances(b) >= qualifyingPA;
    };
    std::vector<LeaderList> lists;
    for (const Rule& rule : rules) lists.push_back(Rank(rule, batters, qualifies));
    return lists;
}

std::vector<LeaderList> PitchingLeaders(const ReportLeague& league, long qualifyingInnings) {
    using Rule = LeaderRule<PitchingRecord>;
    const auto count = [](auto field) {
        return [field](const PitchingRecord& p) { return static_cast<double>(field(p)); };
    };
    const std::vector<Rule> rules = {
        {"Innings ============================", LeaderFormat::Innings, false, false,
         [](const PitchingRecord& p) { return p.innings + p.extraOuts / 3.0; }},
        {"Wins ================================", LeaderFormat::Count, false, false,
         count([](const PitchingRecord& p) { return p.wins; })},
        {"ERA (Based on " + std::to_string(qualifyingInnings) + " Inn) ===========",
         LeaderFormat::TwoDecimals, true, true, EarnedRunAverage},
        {"Strike Outs =========================", LeaderFormat::Count, false, false,
         count([](const PitchingRecord& p) { return p.strikeouts; })},
        {"Saves ==============================", LeaderFormat::Count, false, false,
         count([](const PitchingRecord& p) { return p.saves; })},
        {"Complete Games ======================", LeaderFormat::Count, false, false,
         count([](const PitchingRecord& p) { return p.completeGames; })},
        {"ShutOuts ===========================", LeaderFormat::Count, false, false,
         count([](const PitchingRecord& p) { return p.shutouts; })},
        {"OPS (OBP + Slug.) ===================", LeaderFormat::Rate, true, true, OpponentsOps},
    };
    const auto pitchers = LeagueRecords(league, &ReportClub::pitchers);
    const std::function<bool(const PitchingRecord&)> qualifies =
        [qualifyingInnings](const auto& p) {
            return p.innings + p.extraOuts / 3.0 >= static_cast<double>(qualifyingInnings);
        };
    std::vector<LeaderList> lists;
    for (const Rule& rule : rules) lists.push_back(Rank(rule, pitchers, qualifies));
    return lists;
}

std::string ShortClubName(const std::string& name) {
    std::string_view shown = trim(name);
    if (shown.size() > 2 && std::isdigit(static_cast<unsigned char>(shown[0])) &&
        std::isdigit(static_cast<unsigned char>(shown[1])))
        shown = trimLeft(shown.substr(2));
    return std::string(shown);
}

std::string LeaderPlaceText(const LeaderList& list, int index) {
    if (index < 0 || index >= static_cast<int>(list.places.size()))
        return std::string(kLeaderWidth, ' ');
    const LeaderPlace& place = list.places[static_cast<std::size_t>(index)];
    char text[80];
    std::snprintf(text, sizeof text, "%2d. %-16.16s %-8.8s%6s", index + 1, place.name.c_str(),
                  ShortClubName(place.team).c_str(), ValueText(list.format, place.value).c_str());
    return padRight(text, kLeaderWidth);
}

}  // namespace vrk
