#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/rng.h"
#include "data/schedule_restart.h"

namespace vrk {

// What a run needs, besides the statistics set itself, to go on exactly
// where its last save left it. A schedule replay keeps the restart files of
// the set (.RES, .ROT, .STD); the rest lives in the set's save point file.
struct RestartState {
    bool inProgress = false;  // a schedule replay stands at `restart`; false: it is finished
    RestartRecord restart;
    std::vector<std::uint8_t> rotation;   // .ROT contents; empty: no file
    std::vector<std::uint8_t> standings;  // .STD contents; empty: no file
    std::int32_t scheduleRecord = 0;      // record of the schedule the restart is in
    bool rngSaved = false;
    Rng::State rng{};
    bool designatedHitter = false;  // the last game's resolved rules, which an
    bool automaticRunner = false;   // unresolvable choice carries forward

    bool operator==(const RestartState&) const = default;
};

// Little-endian building and reading of the save point and journal records.
class SaveWriter {
  public:
    void u8(std::uint8_t v) { bytes_.push_back(v); }
    void u32(std::uint32_t v);
    void u64(std::uint64_t v);
    void blob(std::span<const std::uint8_t> data);  // length, then the bytes
    void raw(std::span<const std::uint8_t> data);
    std::vector<std::uint8_t>& bytes() { return bytes_; }

  private:
    std::vector<std::uint8_t> bytes_;
};

class SaveReader {
  public:
    explicit SaveReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    std::uint8_t u8();
    std::uint32_t u32();
    std::uint64_t u64();
    std::vector<std::uint8_t> blob();
    std::span<const std::uint8_t> raw(std::size_t size);
    // False once a read ran past the end; every later read gives zeros.
    bool ok() const { return ok_; }
    bool atEnd() const { return at_ == bytes_.size(); }

  private:
    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
    bool ok_ = true;
};

void WriteRestartState(SaveWriter& out, const RestartState& state);
RestartState ReadRestartState(SaveReader& in);

// FNV-1a: enough to tell a finished file from a half-written one.
std::uint64_t SaveHash(std::span<const std::uint8_t> bytes);

}  // namespace vrk
