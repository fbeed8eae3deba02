#pragma once

#include <cstddef>
#include <cstdint>

// One input of outside data through a reader, with the properties every input must keep: the
// size returned fits the capacity, and whatever loaded survives a write and a read back. Shared
// by the fuzz targets and the regression test that replays their corpus and crash inputs.
// Each returns false when a property is broken (memory errors are the sanitizers' to catch).
namespace fuzzchecks {

inline constexpr std::size_t kCapacity = 0x20000;

[[nodiscard]] bool checkIntelHex(const std::uint8_t* data, std::size_t size);
[[nodiscard]] bool checkSRecord(const std::uint8_t* data, std::size_t size);
// Runs the input through the ".eep" dispatch as a file; false also when no temporary file can
// be made.
[[nodiscard]] bool checkEepFile(const std::uint8_t* data, std::size_t size);

}  // namespace fuzzchecks
