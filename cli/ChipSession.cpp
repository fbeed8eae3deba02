#include "ChipSession.h"

#include <algorithm>

ChipSession::ChipSession()
    : m_buffer(std::make_unique_for_overwrite<quint8[]>(DataBufferSize))
{
    std::fill_n(m_buffer.get(), DataBufferSize, quint8{0xFF});
}
