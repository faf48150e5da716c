#include "core/le_record.h"

#include <bit>
#include <stdexcept>

namespace vrk {

namespace {
void storeLE(std::span<std::uint8_t> bytes, std::size_t offset, std::uint64_t value,
             std::size_t width) {
    for (std::size_t i = 0; i < width; ++i) {
        bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}
std::uint64_t loadLE(std::span<const std::uint8_t> bytes, std::size_t offset, std::size_t width) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < width; ++i) {
        value |= static_cast<std::uint64_t>(bytes[offset + i]) << (8 * i);
    }
    return value;
}
}  // namespace

void RecordWriter::check(std::size_t offset, std::size_t width) const {
    if (offset > bytes_.size() || width > bytes_.size() - offset)
        throw std::out_of_range("record field outside the record");
}

void RecordWriter::putInt16(std::size_t offset, std::int16_t value) {
    check(offset, 2);
    storeLE(bytes_, offset, static_cast<std::uint16_t>(value), 2);
}

void RecordWriter::putInt32(std::size_t offset, std::int32_t value) {
    check(offset, 4);
    storeLE(bytes_, offset, static_cast<std::uint32_t>(value), 4);
}

void RecordWriter::putFloat(std::size_t offset, float value) {
    check(offset, 4);
    storeLE(bytes_, offset, std::bit_cast<std::uint32_t>(value), 4);
}

void RecordWriter::putDouble(std::size_t offset, double value) {
    check(offset, 8);
    storeLE(bytes_, offset, std::bit_cast<std::uint64_t>(value), 8);
}

void RecordWriter::putText(std::size_t offset, std::size_t width, std::string_view text) {
    check(offset, width);
    for (std::size_t i = 0; i < width; ++i) {
        bytes_[offset + i] =
            i < text.size() ? static_cast<std::uint8_t>(text[i]) : static_cast<std::uint8_t>(' ');
    }
}

void RecordReader::check(std::size_t offset, std::size_t width) const {
    if (offset > bytes_.size() || width > bytes_.size() - offset)
        throw std::out_of_range("record field outside the record");
}

std::int16_t RecordReader::int16(std::size_t offset) const {
    check(offset, 2);
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(loadLE(bytes_, offset, 2)));
}

std::int32_t RecordReader::int32(std::size_t offset) const {
    check(offset, 4);
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(loadLE(bytes_, offset, 4)));
}

float RecordReader::float32(std::size_t offset) const {
    check(offset, 4);
    return std::bit_cast<float>(static_cast<std::uint32_t>(loadLE(bytes_, offset, 4)));
}

double RecordReader::float64(std::size_t offset) const {
    check(offset, 8);
    return std::bit_cast<double>(loadLE(bytes_, offset, 8));
}

std::string RecordReader::text(std::size_t offset, std::size_t width) const {
    check(offset, width);
    return std::string(reinterpret_cast<const char*>(bytes_.data() + offset), width);
}

}  // namespace vrk
