// Rotation records and the choice of a starter by rotation method.
#include "managers/rotation.h"

#include <algorithm>

#include "core/rng.h"
#include "core/text_fields.h"
#include "engine/game_seams.h"

namespace vrk {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int StaffSize(const Team& team) {
    return std::max(team.lastPitcherEntry - (kFirstPitcherEntry - 1), 0);
}

}  // namespace

std::string RotationKey(std::string_view teamFileName) {
    std::string key(teamFileName.substr(0, kRotationKeyWidth));
    for (char& c : key) c = asciiUpper(c);
    key.resize(kRotationKeyWidth, ' ');
    return key;
}

namespace {

// The record's key is the name as RotationKey makes it; compared in place,
// because the managers look a team up on every relief choice.
bool KeyMatches(const std::string& key, std::string_view teamFileName) {
    if (key.size() != kRotationKeyWidth) return false;
    const std::string_view name = teamFileName.substr(0, kRotationKeyWidth);
    // The name's letters, then the padding.
    std::size_t i = 0;
    for (; i < name.size(); ++i)
        if (key[i] != asciiUpper(name[i])) return false;
    for (; i < kRotationKeyWidth; ++i)
        if (key[i] != ' ') return false;
    return true;
}

}  // namespace

RotationRecord* RotationTable::find(std::string_view teamFileName) {
    for (RotationRecord& r : records) {
        if (KeyMatches(r.teamKey, teamFileName)) return &r;
    }
    return nullptr;
}

const RotationRecord* RotationTable::find(std::string_view teamFileName) const {
    return const_cast<RotationTable*>(this)->find(teamFileName);
}

std::string NormalizeMethod(std::string_view method) {
    std::string m(method.substr(0, 2));
    m.resize(2, ' ');
    return m;
}

int RotationSize(std::string_view method, const Team& team) {
    // The second character of the method as NormalizeMethod pads it, without
    // building the text on every start.
    const char size = method.size() > 1 ? method[1] : ' ';
    int n = IsDigit(size) ? size - '0' : 0;
    if (n < 1 || n > 5) n = 5;
    return std::min(n, StaffSize(team));
}

int PitcherNumberToEntry(int number, const RotationRecord& record, const Team& team) {
    int entry = kFirstPitcherEntry;
    if (number >= 1 && number <= 5) {
        entry = record.starters[static_cast<std::size_t>(number)];
    } else if (number > 5 && number < team.lastPitcherEntry - 8) {
        entry = 9 + number;
    }
    // A record restored from a file, or written for a larger staff, may name
    // an entry that is not a pitcher of this team.
    if (entry < kFirstPitcherEntry || entry > team.lastPitcherEntry) entry = kFirstPitcherEntry;
    return entry;
}

int AutoPitcher(RotationTable& table, const Team& team, std::string_view method, bool setMethod,
                bool spotStarters, Rng& rng, ErrorSink& errors) {
    RotationRecord* record = table.find(team.teamFileName);
    if (record == nullptr) {
        if (table.records.size() >= kMaxRotationRecords) {
            errors.fault(" SUB AutoPitcher ERROR: Rotation List Full. ",
                         RotationKey(team.teamFileName));
            return kFirstPitcherEntry;
        }
        RotationRecord fresh;
        fresh.teamKey = RotationKey(team.teamFileName);
        fresh.method = NormalizeMethod(method);
        fresh.spotStarterMark = spotStarters ? 'Y' : ' ';
        for (int k = 1; k <= 5; ++k) fresh.starters[static_cast<std::size_t>(k)] = 9 + k;
        table.records.push_back(fresh);
        record = &table.records.back();
    }
    if (setMethod) record->method = NormalizeMethod(method);

    const std::string& m = record->method;
    int number = 0;
    if (m[0] == ' ') {
        errors.fault("AutoPitcher ERROR: No Rotation Method: ", m);
        return kFirstPitcherEntry;
    } else if (m[0] == 'S') {
        int n = RotationSize(m, team);
        for (int k = std::max(n, 0) + 1; k <= 5; ++k) {
            record->starters[static_cast<std::size_t>(k)] = 0;
        }
        record->turn = record->turn < n ? record->turn + 1 : 1;
        number = record->turn;
    } else if (m[0] == 'R') {
        number = rng.randInt(std::max(RotationSize(m, team), 1));
    } else if (IsDigit(m[0])) {
        number = IsDigit(m[1]) ? (m[0] - '0') * 10 + (m[1] - '0') : m[0] - '0';
    } else if (m[0] >= 'A' && m[0] <= 'J') {
        number = 10 + (m[0] - 'A');
    } else {
        errors.fault("SUB AutoPitcher ERROR: Invalid Method: ", m);
        return kFirstPitcherEntry;
    }
    return PitcherNumberToEntry(number, *record, team);
}

}  // namespace vrk
