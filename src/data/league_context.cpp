#include "data/league_context.h"

#include <cmath>

#include "core/text_fields.h"

namespace vrk {

namespace {

bool sameLeague(char a, char b) {
    return upperChar(a) == upperChar(b);
}

void fillShares(LeagueContext& c) {
    const double sum =
        static_cast<double>(c.doubleRate) + c.singleRate + c.tripleRate + c.homeRunRate;
    if (!(sum > 0) || !std::isfinite(sum)) {
        c.singleShare = c.doubleShare = c.tripleShare = c.homeRunShare = 0;
        return;
    }
    c.singleShare = static_cast<float>(c.singleRate / sum);
    c.doubleShare = static_cast<float>(c.doubleRate / sum);
    c.tripleShare = static_cast<float>(c.tripleRate / sum);
    c.homeRunShare = static_cast<float>(c.homeRunRate / sum);
}

}  // namespace

const LeagueAverageRow* findLeagueRow(const std::vector<LeagueAverageRow>& rows,
                                      std::string_view season, char league) {
    for (const LeagueAverageRow& row : rows) {
        if (row.year == season && sameLeague(row.league, league)) return &row;
    }
    for (const LeagueAverageRow& row : rows) {
        if (row.year == "DEF " && sameLeague(row.league, league)) return &row;
    }
    return nullptr;
}

bool leagueRowUsable(const LeagueAverageRow& row) {
    const float rates[] = {row.walkRate,   row.strikeoutsPerOut, row.strikeoutRate, row.singleRate,
                           row.doubleRate, row.tripleRate,       row.homeRunRate};
    for (float r : rates) {
        if (!std::isfinite(r) || r < 0) return false;
    }
    if (!std::isfinite(row.runFactor)) return false;
    return row.singleRate + row.doubleRate + row.tripleRate + row.homeRunRate > 0;
}

LeagueContext leagueContextFrom(const LeagueAverageRow* row) {
    LeagueContext c;
    if (row != nullptr) {
        c.walkRate = row->walkRate;
        c.strikeoutsPerOut = row->strikeoutsPerOut;
        c.strikeoutRate = row->strikeoutRate;
        c.singleRate = row->singleRate;
        c.doubleRate = row->doubleRate;
        c.tripleRate = row->tripleRate;
        c.homeRunRate = row->homeRunRate;
        c.column60Value = row->column60Value;
        c.runFactor = row->runFactor;
        c.leagueIndex = row->leagueIndex == 0 ? 100 : row->leagueIndex;
        c.innings = row->innings;
        c.hits = row->hits;
        c.doubles = row->doubles;
        c.triples = row->triples;
        c.homeRuns = row->homeRuns;
        c.walks = row->walks;
        c.fromRow = true;
        c.rowKey = row->key();
    }
    fillShares(c);
    return c;
}

bool isSeasonLeagueKey(std::string_view text) {
    if (text.size() != 5) return false;
    for (int i = 0; i < 4; ++i) {
        if (text[static_cast<std::size_t>(i)] < '0' || text[static_cast<std::size_t>(i)] > '9')
            return false;
    }
    return text[4] != ' ';
}

NormalizationTarget normalizationTarget(const std::vector<LeagueAverageRow>& rows,
                                        std::string_view eraKey) {
    NormalizationTarget target;
    target.context = leagueContextFrom(nullptr);
    const std::string_view key = trim(eraKey);
    if (!isSeasonLeagueKey(key)) return target;
    const LeagueAverageRow* row = findLeagueRow(rows, key.substr(0, 4), key[4]);
    if (row == nullptr || !leagueRowUsable(*row)) return target;
    target.context = leagueContextFrom(row);
    target.homeRunRate = row->homeRunRate;
    target.tripleRate = row->tripleRate;
    target.doubleRate = row->doubleRate;
    target.singleRate = row->singleRate;
    target.walkRate = row->walkRate;
    target.runFactor = row->runFactor;
    return target;
}

}  // namespace vrk
