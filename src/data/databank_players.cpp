#include "data/databank_players.h"

#include <filesystem>
#include <string_view>

#include "core/csv.h"

namespace vrk {

namespace {

// Latin-1 supplement and the common Latin Extended-A letters, by code point.
char unaccented(unsigned codePoint) {
    static constexpr std::string_view kLatin1 =
        "AAAAAAACEEEEIIIIDNOOOOOxOUUUUYTsaaaaaaaceeeeiiiidnooooo/ouuuuyty";
    if (codePoint >= 0xC0 && codePoint <= 0xFF) {
        const char c = kLatin1[codePoint - 0xC0];
        return c == 'x' || c == '/' ? '\0' : c;
    }
    if (codePoint >= 0x100 && codePoint <= 0x17F) {
        // Pairs of capital and small letters in alphabetical runs.
        static constexpr std::string_view kExtendedA =
            "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIiJjJjKkkLlLlLlLlLlNnNnNnnNnOoOoOoOoRr"
            "RrRr"
            "SsSsSsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs";
        const std::size_t i = codePoint - 0x100;
        return i < kExtendedA.size() ? kExtendedA[i] : '\0';
    }
    return '\0';
}

std::string folderFile(const std::string& folder, const char* name) {
    namespace fs = std::filesystem;
    const fs::path direct = fs::path(folder) / name;
    if (fs::exists(direct)) return direct.string();
    const fs::path core = fs::path(folder) / "core" / name;
    return fs::exists(core) ? core.string() : direct.string();
}

struct RowReader {
    const CsvTable& table;
    const CsvTable::Row& row;
    std::string text(std::string_view name) const {
        const int c = table.column(name);
        if (c < 0 || static_cast<std::size_t>(c) >= row.fields.size()) return {};
        return row.fields[static_cast<std::size_t>(c)];
    }
    // A blank count is 0; a count that is not a whole number makes the row bad.
    long count(std::string_view name, bool& bad) const {
        const std::string t = text(name);
        if (t.empty()) return 0;
        const auto v = csvInteger(t);
        if (!v || *v < 0) bad = true;
        return v.value_or(0);
    }
};

// The rows of one season (and league), with the club's player entry.
template <typename Apply>
void readSeasonRows(DatabankSeason& season, const std::string& folder, const char* fileName,
                    int year, const std::string& league, bool required, Apply apply) {
    const std::string path = folderFile(folder, fileName);
    if (!required && !std::filesystem::exists(path)) return;
    const CsvTable table = readCsvFile(path, fileName);
    for (const auto& p : table.problems) season.problems.push_back(p);
    for (const char* need : {"playerID", "yearID", "teamID"}) {
        if (!table.header.empty() && table.column(need) < 0) {
            season.problems.push_back(std::string(fileName) + ": no column " + need);
            return;
        }
    }
    for (const auto& row : table.rows) {
        const RowReader r{table, row};
        const auto rowYear = csvInteger(r.text("yearID"));
        if (!rowYear) {
            season.problems.push_back(std::string(fileName) + " line " + std::to_string(row.line) +
                                      ": no season");
            continue;
        }
        if (*rowYear != year) continue;
        const std::string lg = r.text("lgID");
        if (!league.empty() && lg != league) continue;
        const std::string club = r.text("teamID");
        const std::string id = r.text("playerID");
        if (club.empty() || id.empty()) {
            season.problems.push_back(std::string(fileName) + " line " + std::to_string(row.line) +
                                      ": no club or player");
            continue;
        }
        auto& players = season.clubs[club];
        if (!lg.empty()) season.clubLeague[club] = lg;
        ClubPlayer* player = nullptr;
        for (auto& p : players) {
            if (p.playerId == id) player = &p;
        }
        ClubPlayer scratch;
        scratch.playerId = id;
        bool bad = false;
        apply(r, player != nullptr ? *player : scratch, bad);
        if (bad) {
            season.problems.push_back(std::string(fileName) + " line " + std::to_string(row.line) +
                                      ": a count is not a whole number; row left out");
            continue;
        }
        if (player == nullptr) players.push_back(scratch);
    }
}

}  // namespace

std::string plainAscii(const std::string& utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            if (c >= 0x20) out += static_cast<char>(c);
            ++i;
            continue;
        }
        int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
        unsigned cp = extra == 3 ? (c & 0x07u) : extra == 2 ? (c & 0x0Fu) : (c & 0x1Fu);
        std::size_t j = i + 1;
        for (; extra > 0 && j < utf8.size(); --extra, ++j) {
            const auto cc = static_cast<unsigned char>(utf8[j]);
            if ((cc & 0xC0) != 0x80) break;
            cp = (cp << 6) | (cc & 0x3Fu);
        }
        if (extra == 0) {
            if (const char a = unaccented(cp)) out += a;
        }
        i = j;
    }
    return out;
}

DatabankSeason readDatabankSeason(const std::string& folder, int year, const std::string& league) {
    DatabankSeason season;
    {
        const std::string path = folderFile(folder, "People.csv");
        const CsvTable table = readCsvFile(path, "People.csv");
        for (const auto& p : table.problems) season.problems.push_back(p);
        for (const auto& row : table.rows) {
            const RowReader r{table, row};
            const std::string id = r.text("playerID");
            if (id.empty()) continue;
            DatabankPerson person;
            person.first = plainAscii(r.text("nameFirst"));
            person.last = plainAscii(r.text("nameLast"));
            const std::string bats = r.text("bats");
            const std::string throws = r.text("throws");
            if (!bats.empty()) person.bats = bats[0];
            if (!throws.empty()) person.throws = throws[0];
            season.people[id] = person;
        }
    }
    readSeasonRows(season, folder, "Batting.csv", year, league, true,
                   [](const RowReader& r, ClubPlayer& p, bool& bad) {
                       ClubBatting& b = p.batting;
                       p.batted = true;
                       b.g += r.count("G", bad);
                       b.ab += r.count("AB", bad);
                       b.r += r.count("R", bad);
                       b.h += r.count("H", bad);
                       b.d += r.count("2B", bad);
                       b.t += r.count("3B", bad);
                       b.hr += r.count("HR", bad);
                       b.rbi += r.count("RBI", bad);
                       b.sb += r.count("SB", bad);
                       b.cs += r.count("CS", bad);
                       b.bb += r.count("BB", bad);
                       b.so += r.count("SO", bad);
                       b.hbp += r.count("HBP", bad);
                   });
    readSeasonRows(season, folder, "Pitching.csv", year, league, true,
                   [](const RowReader& r, ClubPlayer& p, bool& bad) {
                       ClubPitching& s = p.pitching;
                       p.pitched = true;
                       s.w += r.count("W", bad);
                       s.l += r.count("L", bad);
                       s.g += r.count("G", bad);
                       s.gs += r.count("GS", bad);
                       s.sv += r.count("SV", bad);
                       s.outs += r.count("IPouts", bad);
                       s.h += r.count("H", bad);
                       s.er += r.count("ER", bad);
                       s.hr += r.count("HR", bad);
                       s.bb += r.count("BB", bad);
                       s.so += r.count("SO", bad);
                   });
    const bool outfieldSplit = std::filesystem::exists(folderFile(folder, "FieldingOFsplit.csv"));
    readSeasonRows(season, folder, "Fielding.csv", year, league, true,
                   [outfieldSplit](const RowReader& r, ClubPlayer& p, bool& bad) {
                       static constexpr std::array<std::string_view, 10> kCodes{
                           "", "P", "C", "1B", "2B", "3B", "SS", "LF", "CF", "RF"};
                       const std::string pos = r.text("POS");
                       const long games = r.count("G", bad);
                       p.fielded = true;
                       p.fielding.errors += r.count("E", bad);
                       if (pos == "OF") {
                           // The split file, when there is one, gives these games by field.
                           if (!outfieldSplit) p.fielding.outfieldGames += games;
                           return;
                       }
                       for (std::size_t k = 1; k < kCodes.size(); ++k) {
                           if (pos == kCodes[k]) p.fielding.games[k] += games;
                       }
                   });
    if (outfieldSplit) {
        readSeasonRows(season, folder, "FieldingOFsplit.csv", year, league, false,
                       [](const RowReader& r, ClubPlayer& p, bool& bad) {
                           const std::string pos = r.text("POS");
                           const long games = r.count("G", bad);
                           p.fielded = true;
                           if (pos == "LF") p.fielding.games[7] += games;
                           if (pos == "CF") p.fielding.games[8] += games;
                           if (pos == "RF") p.fielding.games[9] += games;
                       });
    }
    return season;
}

}  // namespace vrk
