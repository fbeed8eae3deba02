#include "HexBitSet.h"

#include <algorithm>

bool HexBitSet::test(qint64 index) const noexcept
{
    if (index < 0 || index >= m_size)
        return false;
    return (m_words[static_cast<std::size_t>(index >> 6)] >> (index & 63)) & 1U;
}

void HexBitSet::set(qint64 index, bool value)
{
    if (index < 0)
        return;
    if (index >= m_size) {
        if (!value)
            return;
        m_size = index + 1;
        m_words.resize(static_cast<std::size_t>((m_size + 63) >> 6), 0);
    }
    std::uint64_t& word = m_words[static_cast<std::size_t>(index >> 6)];
    const std::uint64_t mask = std::uint64_t{1} << (index & 63);
    word = value ? (word | mask) : (word & ~mask);
}

void HexBitSet::truncate(qint64 size)
{
    if (size >= m_size)
        return;
    m_size = std::max<qint64>(size, 0);
    m_words.resize(static_cast<std::size_t>((m_size + 63) >> 6));
    if (m_size & 63)
        m_words.back() &= (std::uint64_t{1} << (m_size & 63)) - 1;
}

void HexBitSet::clear() noexcept
{
    std::vector<std::uint64_t>().swap(m_words);
    m_size = 0;
}

bool HexBitSet::any() const noexcept
{
    return std::any_of(m_words.begin(), m_words.end(), [](std::uint64_t w) { return w != 0; });
}
