#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

// One entry per fuzzed parser: each takes any bytes and must neither crash
// nor hang. The libFuzzer harnesses call them, and so does the regression
// test that replays every input that once failed.
namespace vrk::fuzz {

void TeamFile(const std::uint8_t* data, std::size_t size);
void Configuration(const std::uint8_t* data, std::size_t size);
void Catalogue(const std::uint8_t* data, std::size_t size);
void Options(const std::uint8_t* data, std::size_t size);
void StatisticsSet(const std::uint8_t* data, std::size_t size);
void GameAgainstShippedTeam(const std::uint8_t* data, std::size_t size);

// The entry of a harness by its name ("team_file", "statistics_set"...);
// null for an unknown name.
using Entry = void (*)(const std::uint8_t*, std::size_t);
Entry EntryNamed(std::string_view name);

}  // namespace vrk::fuzz
