#pragma once

#include "SimConfig.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace sim {

// The memory of the chip in a simulated socket. The image lives in memory, or in a file mapped
// shared, so every change reaches the file at once and survives the process.
class Chip {
public:
    // Throws nothing; a file that cannot be mapped leaves the chip memory-backed and error()
    // tells why.
    explicit Chip(const DeviceConfig& config);
    ~Chip();
    Chip(const Chip&) = delete;
    Chip& operator=(const Chip&) = delete;

    [[nodiscard]] int family() const { return m_family; }
    [[nodiscard]] std::uint32_t size() const { return m_size; }
    [[nodiscard]] std::uint32_t id() const { return m_id; }
    [[nodiscard]] bool sst() const { return m_sst; }
    [[nodiscard]] const std::string& error() const { return m_error; }

    [[nodiscard]] std::span<std::uint8_t> bytes() { return {m_data, m_size}; }
    [[nodiscard]] std::span<const std::uint8_t> bytes() const { return {m_data, m_size}; }

    [[nodiscard]] std::uint8_t read(std::uint32_t address) const { return m_data[address % m_size]; }
    // Flash cells only go from 1 to 0 when programmed; EEPROM cells take the value.
    void program(std::uint32_t address, std::uint8_t value);
    void erase(std::uint32_t address, std::uint32_t length);
    void eraseAll();

    // Bytes a fresh image starts with: a pattern in the first 64 KiB, the rest erased.
    static void fill(std::span<std::uint8_t> bytes, Content content);

private:
    bool mapFile(const std::string& path, Content content);

    int m_family;
    std::uint32_t m_size;
    std::uint32_t m_id;
    bool m_sst;
    std::vector<std::uint8_t> m_memory;
    std::uint8_t* m_data = nullptr;
    bool m_mapped = false;
    std::string m_error;
};

}  // namespace sim
