#include "data/stats_save_state.h"

namespace vrk {

void SaveWriter::u32(std::uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void SaveWriter::u64(std::uint64_t v) {
    for (int i = 0; i < 8; ++i) bytes_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void SaveWriter::blob(std::span<const std::uint8_t> data) {
    u32(static_cast<std::uint32_t>(data.size()));
    raw(data);
}

void SaveWriter::raw(std::span<const std::uint8_t> data) {
    bytes_.insert(bytes_.end(), data.begin(), data.end());
}

std::span<const std::uint8_t> SaveReader::raw(std::size_t size) {
    if (!ok_ || bytes_.size() - at_ < size) {
        ok_ = false;
        return {};
    }
    auto out = bytes_.subspan(at_, size);
    at_ += size;
    return out;
}

std::uint8_t SaveReader::u8() {
    auto b = raw(1);
    return b.empty() ? 0 : b[0];
}

std::uint32_t SaveReader::u32() {
    auto b = raw(4);
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < b.size(); ++i) v |= static_cast<std::uint32_t>(b[i]) << (8 * i);
    return v;
}

std::uint64_t SaveReader::u64() {
    auto b = raw(8);
    std::uint64_t v = 0;
    for (std::size_t i = 0; i < b.size(); ++i) v |= static_cast<std::uint64_t>(b[i]) << (8 * i);
    return v;
}

std::vector<std::uint8_t> SaveReader::blob() {
    const std::uint32_t size = u32();
    auto b = raw(size);
    return {b.begin(), b.end()};
}

void WriteRestartState(SaveWriter& out, const RestartState& state) {
    out.u8(state.inProgress ? 1 : 0);
    out.raw(EncodeRestart(state.restart));
    out.blob(state.rotation);
    out.blob(state.standings);
    out.u32(static_cast<std::uint32_t>(state.scheduleRecord));
    out.u8(state.rngSaved ? 1 : 0);
    for (std::uint64_t word : state.rng) out.u64(word);
    out.u8(static_cast<std::uint8_t>((state.designatedHitter ? 1 : 0) |
                                     (state.automaticRunner ? 2 : 0)));
}

RestartState ReadRestartState(SaveReader& in) {
    RestartState state;
    state.inProgress = in.u8() != 0;
    if (auto restart = DecodeRestart(in.raw(kRestartRecordSize))) state.restart = *restart;
    state.rotation = in.blob();
    state.standings = in.blob();
    state.scheduleRecord = static_cast<std::int32_t>(in.u32());
    state.rngSaved = in.u8() != 0;
    for (std::uint64_t& word : state.rng) word = in.u64();
    const std::uint8_t flags = in.u8();
    state.designatedHitter = (flags & 1) != 0;
    state.automaticRunner = (flags & 2) != 0;
    return state;
}

std::uint64_t SaveHash(std::span<const std::uint8_t> bytes) {
    std::uint64_t h = 1469598103934665603ULL;
    for (std::uint8_t b : bytes) {
        h ^= b;
        h *= 1099511628211ULL;
    }
    return h;
}

}  // namespace vrk
