#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace vrk {

// Field-by-field little-endian access to a fixed-length record. Offsets are
// 0-based byte positions; an access outside the record is a programming
// error and throws std::out_of_range rather than touching memory it should not.
class RecordWriter {
public:
    explicit RecordWriter(std::span<std::uint8_t> bytes) : bytes_(bytes) {}
    void putInt16(std::size_t offset, std::int16_t value);
    void putInt32(std::size_t offset, std::int32_t value);
    void putFloat(std::size_t offset, float value);
    void putDouble(std::size_t offset, double value);
    // Blank-padded (or cut) to width bytes.
    void putText(std::size_t offset, std::size_t width, std::string_view text);

private:
    void check(std::size_t offset, std::size_t width) const;
    std::span<std::uint8_t> bytes_;
};

class RecordReader {
public:
    explicit RecordReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    std::int16_t int16(std::size_t offset) const;
    std::int32_t int32(std::size_t offset) const;
    float float32(std::size_t offset) const;
    double float64(std::size_t offset) const;
    std::string text(std::size_t offset, std::size_t width) const;

private:
    void check(std::size_t offset, std::size_t width) const;
    std::span<const std::uint8_t> bytes_;
};

}  // namespace vrk
