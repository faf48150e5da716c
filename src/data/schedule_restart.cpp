#include "data/schedule_restart.h"

#include "core/le_record.h"
#include "core/text_fields.h"

namespace vrk {

std::vector<std::uint8_t> EncodeRestart(const RestartRecord& record) {
    std::vector<std::uint8_t> bytes(kRestartRecordSize);
    RecordWriter w(bytes);
    w.putText(0, 12, record.scheduleName);
    w.putText(12, 8, record.date);
    w.putInt16(20, static_cast<std::int16_t>(record.slot));
    w.putInt16(22, static_cast<std::int16_t>(record.slotGame));
    w.putInt16(24, static_cast<std::int16_t>(record.slotSize));
    w.putInt32(26, record.gameCounter);
    return bytes;
}

std::optional<RestartRecord> DecodeRestart(std::span<const std::uint8_t> bytes) {
    if (bytes.size() != kRestartRecordSize) return std::nullopt;
    RecordReader r(bytes);
    RestartRecord record;
    record.scheduleName = std::string(trimRight(r.text(0, 12)));
    record.date = std::string(trimRight(r.text(12, 8)));
    record.slot = r.int16(20);
    record.slotGame = r.int16(22);
    record.slotSize = r.int16(24);
    record.gameCounter = r.int32(26);
    return record;
}

StandingsEntry* StandingsTeam(StandingsTable& table, char league, char division,
                              std::string_view teamName) {
    const std::string_view name = trim(teamName);
    for (StandingsEntry& entry : table.teams) {
        if (entry.league == league && entry.teamName == name) return &entry;
    }
    if (table.teams.size() >= kMaxStandingsTeams) return nullptr;
    StandingsEntry fresh;
    fresh.teamName = std::string(name);
    fresh.league = league;
    fresh.division = division;
    table.teams.push_back(fresh);
    return &table.teams.back();
}

bool CreditStandings(StandingsTable& table, const StandingsSide& visitors,
                     const StandingsSide& home) {
    if (StandingsTeam(table, visitors.league, visitors.division, visitors.teamName) == nullptr)
        return false;
    StandingsEntry* h = StandingsTeam(table, home.league, home.division, home.teamName);
    // Adding the home team may move the table: the visitors are found again.
    StandingsEntry* v = StandingsTeam(table, visitors.league, visitors.division, visitors.teamName);
    if (v == nullptr || h == nullptr) return false;
    if (home.runs > visitors.runs) {
        ++h->wins;
        ++v->losses;
    } else {
        ++v->wins;
        ++h->losses;
    }
    return true;
}

std::vector<std::uint8_t> EncodeStandings(const StandingsTable& table) {
    std::vector<std::uint8_t> bytes(table.teams.size() * kStandingsRecordSize);
    for (std::size_t i = 0; i < table.teams.size(); ++i) {
        const StandingsEntry& e = table.teams[i];
        RecordWriter w(
            std::span<std::uint8_t>(bytes).subspan(i * kStandingsRecordSize, kStandingsRecordSize));
        w.putText(0, 12, e.teamName);
        w.putInt32(12, e.wins);
        w.putInt32(16, e.losses);
        w.putText(20, 1, std::string(1, e.league));
        w.putText(21, 1, std::string(1, e.division));
        w.putText(22, 4, e.text);
    }
    return bytes;
}

std::optional<StandingsTable> DecodeStandings(std::span<const std::uint8_t> bytes) {
    if (bytes.size() % kStandingsRecordSize != 0) return std::nullopt;
    StandingsTable table;
    for (std::size_t at = 0; at < bytes.size() && table.teams.size() < kMaxStandingsTeams;
         at += kStandingsRecordSize) {
        RecordReader r(bytes.subspan(at, kStandingsRecordSize));
        StandingsEntry e;
        e.teamName = std::string(trim(r.text(0, 12)));
        e.wins = r.int32(12);
        e.losses = r.int32(16);
        e.league = r.text(20, 1)[0];
        e.division = r.text(21, 1)[0];
        e.text = r.text(22, 4);
        table.teams.push_back(std::move(e));
    }
    return table;
}

}  // namespace vrk
