#include "SimChip.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

namespace sim {

namespace {
constexpr std::uint32_t PatternLength = 64 * 1024;
}

Chip::Chip(const DeviceConfig& config)
    : m_family(config.chipFamily), m_size(std::clamp<std::uint32_t>(config.chipSize, 1, MaxChipSize)),
      m_id(config.chipId), m_sst(config.sst)
{
    if (!config.imagePath.empty() && mapFile(config.imagePath, config.content))
        return;
    m_memory.resize(m_size);
    fill(m_memory, config.content);
    m_data = m_memory.data();
}

Chip::~Chip()
{
    if (m_mapped) {
        msync(m_data, m_size, MS_SYNC);
        munmap(m_data, m_size);
    }
}

bool Chip::mapFile(const std::string& path, Content content)
{
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        m_error = "cannot open chip image " + path + ": " + std::strerror(errno);
        return false;
    }
    struct stat st {};
    const off_t oldSize = fstat(fd, &st) == 0 ? st.st_size : 0;
    // A longer file is only partly mapped, never cut: its tail may matter to another setting.
    if (oldSize < static_cast<off_t>(m_size) && ftruncate(fd, m_size) != 0) {
        m_error = "cannot size chip image " + path + ": " + std::strerror(errno);
        close(fd);
        return false;
    }
    void* p = mmap(nullptr, m_size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    close(fd);
    if (p == MAP_FAILED) {
        m_error = "cannot map chip image " + path + ": " + std::strerror(errno);
        return false;
    }
    m_data = static_cast<std::uint8_t*>(p);
    m_mapped = true;
    // A new file gets the configured content; a file that was shorter than the chip is
    // extended with erased bytes, as if the missing part had never been written.
    if (oldSize == 0)
        fill(bytes(), content);
    else if (oldSize < static_cast<off_t>(m_size))
        std::fill(m_data + oldSize, m_data + m_size, 0xFF);
    return true;
}

void Chip::fill(std::span<std::uint8_t> bytes, Content content)
{
    std::fill(bytes.begin(), bytes.end(), content == Content::Zero ? 0x00 : 0xFF);
    if (content != Content::Pattern)
        return;
    const std::size_t n = std::min<std::size_t>(bytes.size(), PatternLength);
    for (std::size_t i = 0; i < n; ++i)
        bytes[i] = static_cast<std::uint8_t>(i ^ (i >> 8));
}

void Chip::program(std::uint32_t address, std::uint8_t value)
{
    std::uint8_t& cell = m_data[address % m_size];
    cell = m_family == Flash25 ? static_cast<std::uint8_t>(cell & value) : value;
}

void Chip::erase(std::uint32_t address, std::uint32_t length)
{
    for (std::uint32_t i = 0; i < length; ++i)
        m_data[(address + i) % m_size] = 0xFF;
}

void Chip::eraseAll()
{
    std::fill(m_data, m_data + m_size, 0xFF);
}

}  // namespace sim
